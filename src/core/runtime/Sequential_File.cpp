#include "runtime/Sequential_File.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "runtime/Number_Text.h"
#include "runtime/Runtime_Error.h"

namespace {
bool Is_Blank(char c) { return c == ' ' || c == '\t'; }
bool Is_Digit(char c) { return c >= '0' && c <= '9'; }

std::string Trim(const std::string& s)
{
    std::size_t b = 0, e = s.size();
    while (b < e && Is_Blank(s[b])) ++b;
    while (e > b && Is_Blank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// The number of an item, ready for from_chars ("+" dropped, "D" exponent as "E"); "" for an
// empty item. Anything but a complete decimal or exponent form is the wrong kind.
std::string Number_Item(const std::string& line)
{
    const std::string t = Trim(line);
    std::string out;
    std::size_t i = 0, n = t.size();
    if (n == 0) return out;
    if (t[i] == '+' || t[i] == '-') {
        if (t[i] == '-') out += '-';
        ++i;
    }
    std::size_t mantissa_digits = 0;
    while (i < n && Is_Digit(t[i])) out += t[i++], ++mantissa_digits;
    if (i < n && t[i] == '.') {
        out += t[i++];
        while (i < n && Is_Digit(t[i])) out += t[i++], ++mantissa_digits;
    }
    if (mantissa_digits == 0) Raise(Err::Type_Mismatch);
    if (i < n && (t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd')) {
        out += 'E';
        ++i;
        if (i < n && (t[i] == '+' || t[i] == '-')) out += t[i++];
        std::size_t exponent_digits = 0;
        while (i < n && Is_Digit(t[i])) out += t[i++], ++exponent_digits;
        if (exponent_digits == 0) Raise(Err::Type_Mismatch);
    }
    if (i != n) Raise(Err::Type_Mismatch);
    return out;
}

// A line break inside a string would shift every later item; the reader treats a stray CR the
// same way, so a model reads back as it was written.
char Line_Safe(char c) { return (c == '\r' || c == '\n') ? ' ' : c; }

template <typename T>
T Parse(const std::string& text)
{
    T v{};
    const char* first = text.data();
    const char* last = first + text.size();
    auto [end, ec] = std::from_chars(first, last, v, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Too small to hold becomes zero, as the classic conversion did; too large overflows.
        if (Magnitude_At_Least_One(text)) Raise(Err::Overflow);
        return text[0] == '-' ? -T(0) : T(0);
    }
    if (ec != std::errc() || end != last) Raise(Err::Type_Mismatch);
    return v;
}
}  // namespace

void Item_Writer::Line(const std::string& item)
{
    text_ += item;
    text_ += "\r\n";
    ++lines_;
}

void Item_Writer::String(const std::string& s)
{
    // Longer than any line the reader takes: refused here rather than saved unreadable.
    if (s.size() > Max_String_Length) Raise(Err::Out_Of_String_Space);
    std::string item = "\"";
    for (char c : s) item += Line_Safe(c);
    item += '"';
    Line(item);
}

void Item_Writer::Single(float v)
{
    if (!std::isfinite(v)) Raise(Err::Overflow);
    char buf[32];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v);
    if (ec != std::errc()) Raise(Err::Overflow);
    std::string item(buf, end);
    for (char& c : item)
        if (c == 'e') c = 'E';
    Line(item);
}

void Item_Writer::Integer(long long v) { Line(std::to_string(v)); }

std::string Item_Reader::Line()
{
    using Traits = std::istream::traits_type;
    std::istream::int_type c = in_.get();
    if (Traits::eq_int_type(c, Traits::eof())) Raise(Err::Input_Past_End);
    std::string line;
    // The cap is on the item: its CR does not count.
    while (!Traits::eq_int_type(c, Traits::eof()) && Traits::to_char_type(c) != '\n') {
        if (line.size() > Max_Line_Length) Raise(Err::Type_Mismatch);
        line += Traits::to_char_type(c);
        c = in_.get();
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() > Max_Line_Length) Raise(Err::Type_Mismatch);
    return line;
}

std::string Item_Reader::String()
{
    const std::string t = Trim(Line());
    std::string s = t;
    if (!t.empty() && t[0] == '"') {
        // Up to the last quote, so a quote inside a name survives the round trip.
        if (t.size() < 2 || t.back() != '"') Raise(Err::Type_Mismatch);
        s = t.substr(1, t.size() - 2);
    }
    // Only what the writer could write back is taken.
    if (s.size() > Max_String_Length) Raise(Err::Type_Mismatch);
    for (char& c : s) c = Line_Safe(c);
    return s;
}

double Item_Reader::Number()
{
    const std::string text = Number_Item(Line());
    return text.empty() ? 0.0 : Parse<double>(text);
}

float Item_Reader::Single()
{
    const std::string text = Number_Item(Line());
    return text.empty() ? 0.0f : Parse<float>(text);
}

int16_t Item_Reader::Integer() { return CInt(Number()); }

int32_t Item_Reader::Long() { return CLng(Number()); }
