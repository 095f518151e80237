// Sequential text files of one item per line: strings in double quotes, numbers plain, lines
// ended by CR LF. The writer collects the text; the reader takes one item per line.
#pragma once
#include <cstdint>
#include <istream>
#include <string>

// The longest string an item holds: the writer refuses longer ones, the reader takes them all.
constexpr std::size_t Max_String_Length = 65534;

class Item_Writer {
public:
    // CR and LF inside the string are written as blanks (and read so).
    void String(const std::string& s);
    // Shortest text that reads back to the same 32-bit value; raises overflow for inf and NaN.
    void Single(float v);
    void Integer(long long v);

    const std::string& Text() const { return text_; }
    int Lines() const { return lines_; }

private:
    void Line(const std::string& item);
    std::string text_;
    int lines_ = 0;
};

// Reading stops with the end-of-input error past the last line and with the type-mismatch error
// on an item of the wrong kind or a line longer than any item could be. LF and CR LF both end a line.
class Item_Reader {
public:
    // An item line without its CR LF: a string of the longest length in its quotes.
    static constexpr std::size_t Max_Line_Length = Max_String_Length + 2;

    explicit Item_Reader(std::istream& in) : in_(in) {}

    std::string Line();
    // A quoted item loses its outer quotes; an unquoted one its surrounding blanks. A CR inside
    // becomes a blank, as the writer writes it.
    std::string String();
    // An empty item is 0; otherwise a plain decimal or exponent form, nothing else.
    double Number();
    float Single();
    int16_t Integer();  // halves to even, overflow outside the range
    int32_t Long();

private:
    std::istream& in_;
};
