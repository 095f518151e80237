// The print statement: items placed in 14-column zones (comma), joined (semicolon), or moved
// to a column (Tab); numbers carry a sign position and a trailing blank. One writer serves the
// printer, the report file and text printed into a picture.
#pragma once
#include <string>
#include <vector>

class Print_Writer {
public:
    static constexpr int Zone_Width = 14;

    Print_Writer& Text(const std::string& s);
    Print_Writer& Number(float v);
    Print_Writer& Number(double v);
    Print_Writer& Number(long long v);
    Print_Writer& Number(int v) { return Number(static_cast<long long>(v)); }
    Print_Writer& Comma();        // on to the start of the next print zone
    Print_Writer& Tab(int column);  // on to the 1-based column, on a new line when already past it
    Print_Writer& End_Line();

    // Column (0-based) where the next character goes.
    int Column() const { return static_cast<int>(current_.size()); }
    // Finished lines; the line under way is not among them until End_Line.
    const std::vector<std::string>& Lines() const { return lines_; }
    const std::string& Current() const { return current_; }
    std::vector<std::string> Take_Lines();

private:
    std::string current_;
    std::vector<std::string> lines_;
};

// A device that prints statements page by page: the printer, or a recording stand-in.
class Print_Target {
public:
    virtual ~Print_Target() = default;
    virtual Print_Writer& Out() = 0;
    // The number of the page being printed (1 on the first).
    virtual int Page() = 0;
    // How many characters a printed line holds.
    virtual int Line_Width() = 0;
    virtual void NewPage() = 0;
    // Ends the document; printing starts.
    virtual void EndDoc() = 0;
};
