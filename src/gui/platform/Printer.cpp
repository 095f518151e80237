#include "platform/Printer.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QWidget>

#include "runtime/Runtime_Error.h"

namespace {
constexpr int Printer_Error = 482;
}

Printer_Object::Printer_Object() : device_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}
Printer_Object::~Printer_Object() = default;

QPrinter& Printer_Object::Device() { return *device_; }

Print_Writer& Printer_Object::Out()
{
    Place_Finished_Lines();
    return out_;
}

void Printer_Object::Begin()
{
    if (painter_) return;
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(device_.get())) {
        painter_.reset();
        throw Runtime_Error(Printer_Error, "Printer error");
    }
    page_ = 1;
    line_ = 0;
    QRectF area = device_->pageRect(QPrinter::DevicePixel);
    line_height_ = area.height() / Lines_Per_Page;
    // A fixed-pitch font sized so that a page holds Lines_Per_Page lines.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(std::max(1, static_cast<int>(line_height_ * 0.8)));
    painter_->setFont(font);
    QFontMetricsF metrics(font, device_.get());
    char_width_ = metrics.horizontalAdvance(QLatin1Char('0'));
    ascent_ = metrics.ascent();
}

void Printer_Object::Place_Finished_Lines()
{
    if (out_.Lines().empty()) return;
    Begin();
    for (const std::string& text : out_.Take_Lines()) {
        if (line_ >= Lines_Per_Page) {
            device_->newPage();
            ++page_;
            line_ = 0;
        }
        // Each run of text at its own column, so zones line up even if blanks are narrower.
        QString s = QString::fromStdString(text);
        double y = line_ * line_height_ + ascent_;
        int col = 0;
        while (col < s.size()) {
            if (s[col] == ' ') {
                ++col;
                continue;
            }
            int end = col;
            while (end < s.size() && s[end] != ' ') ++end;
            painter_->drawText(QPointF(col * char_width_, y), s.mid(col, end - col));
            col = end;
        }
        ++line_;
    }
}

int Printer_Object::Page()
{
    Place_Finished_Lines();
    return page_;
}

int Printer_Object::Line_Width()
{
    Begin();
    return char_width_ > 0 ? static_cast<int>(device_->pageRect(QPrinter::DevicePixel).width() / char_width_) : 0;
}

void Printer_Object::NewPage()
{
    if (!out_.Current().empty()) out_.End_Line();
    Place_Finished_Lines();
    Begin();
    device_->newPage();
    ++page_;
    line_ = 0;
}

void Printer_Object::EndDoc()
{
    if (!out_.Current().empty()) out_.End_Line();
    Place_Finished_Lines();
    if (painter_) painter_->end();
    painter_.reset();
    page_ = 1;
    line_ = 0;
}

void Printer_Object::Print_Form(QWidget& screen)
{
    EndDoc();
    QPixmap image = screen.grab();
    QPainter painter;
    if (!painter.begin(device_.get())) throw Runtime_Error(Printer_Error, "Printer error");
    QRectF area = device_->pageRect(QPrinter::DevicePixel);
    QSizeF size = QSizeF(image.size()).scaled(area.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRectF(QPointF(0, 0), size), image, QRectF(image.rect()));
    painter.end();
}

Printer_Object& Printer()
{
    static Printer_Object printer;
    return printer;
}
