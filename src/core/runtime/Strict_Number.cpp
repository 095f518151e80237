#include "runtime/Strict_Number.h"

#include <cctype>

#include "runtime/Number_Text.h"
#include "runtime/Runtime_Error.h"

namespace {
bool Blank(char c) { return c == ' ' || c == '\t'; }
bool Digit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Whether s (already trimmed) is a sign, digits with at most one point, and an optional
// exponent that has digits of its own.
bool Whole_Number(const std::string& s)
{
    size_t i = 0, n = s.size();
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    bool digits = false, point = false;
    for (; i < n; ++i) {
        if (Digit(s[i])) digits = true;
        else if (s[i] == '.' && !point) point = true;
        else break;
    }
    if (!digits) return false;
    if (i < n && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        ++i;
        if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
        size_t start = i;
        while (i < n && Digit(s[i])) ++i;
        if (i == start) return false;
    }
    return i == n;
}
}  // namespace

std::string Without_Thousands(const std::string& text)
{
    const size_t n = text.size();
    size_t i = 0;
    while (i < n && Blank(text[i])) ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    size_t end = i;
    while (end < n && Digit(text[end])) ++end;
    if (end == i || end - i > 3) return text;
    std::string out = text.substr(0, end);
    auto digit_at = [&](size_t k) { return k < n && Digit(text[k]); };
    while (end < n && text[end] == ',' && digit_at(end + 1) && digit_at(end + 2) && digit_at(end + 3) &&
           !digit_at(end + 4)) {
        out += text.substr(end + 1, 3);
        end += 4;
    }
    return out + text.substr(end);
}

double Strict_Double(const std::string& text)
{
    size_t first = 0, last = text.size();
    while (first < last && Blank(text[first])) ++first;
    while (last > first && Blank(text[last - 1])) --last;
    // The conversion reads thousands commas as the screens write them.
    const std::string s = Without_Thousands(text.substr(first, last - first));
    if (!Whole_Number(s)) Raise(Err::Type_Mismatch);
    return Val(s);
}

float Strict_Single(const std::string& text) { return CSng(Strict_Double(text)); }
