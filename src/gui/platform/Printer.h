// The one shared printer: a real printer or a PDF file, as chosen in the printer dialog.
// Text goes in the print-statement form, one line per row of a fixed-pitch font, so that
// print zones and Tab columns line up; pages break by themselves when one is full.
#pragma once
#include <memory>

#include "runtime/Print_Writer.h"

class QPainter;
class QPrinter;
class QWidget;

class Printer_Object : public Print_Target {
public:
    static constexpr int Lines_Per_Page = 80;

    Printer_Object();
    ~Printer_Object() override;

    QPrinter& Device();

    // The print statement: items go in here; each finished line goes on the page.
    Print_Writer& Out() override;
    // The number of the page being printed (1 on the first).
    int Page() override;
    // Of the page as the printer dialog last set it.
    int Line_Width() override;
    void NewPage() override;
    // Ends the document; printing starts. The next line begins a new document on page 1.
    void EndDoc() override;

    // Prints the image of a screen on one page of its own, scaled to fit.
    void Print_Form(QWidget& screen);

private:
    void Place_Finished_Lines();
    void Begin();

    std::unique_ptr<QPrinter> device_;
    std::unique_ptr<QPainter> painter_;
    Print_Writer out_;
    int page_ = 1;
    int line_ = 0;
    double line_height_ = 0, char_width_ = 0, ascent_ = 0;
};

Printer_Object& Printer();
