#include "runtime/Number_Text.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "runtime/Runtime_Error.h"

bool Magnitude_At_Least_One(const std::string& text)
{
    std::size_t i = !text.empty() && (text[0] == '-' || text[0] == '+') ? 1 : 0, n = text.size();
    long long order = 0;
    bool found = false, after_point = false;
    for (; i < n && text[i] != 'E' && text[i] != 'e'; ++i) {
        if (text[i] == '.') {
            after_point = true;
        } else if (!found && text[i] != '0') {
            found = true;
            order = after_point ? order - 1 : 0;
        } else if (found && !after_point) {
            ++order;
        } else if (!found && after_point) {
            --order;
        }
    }
    long long exponent = 0;
    if (i < n) {
        bool negative = i + 1 < n && text[i + 1] == '-';
        for (std::size_t j = i + 1; j < n; ++j)
            if (text[j] >= '0' && text[j] <= '9' && exponent < 100000) exponent = exponent * 10 + (text[j] - '0');
        if (negative) exponent = -exponent;
    }
    return found && order + exponent >= 0;
}

double Val(const std::string& text)
{
    size_t i = 0, n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    std::string s;
    // from_chars takes no plus sign: a leading one is skipped.
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') s += '-';
        ++i;
    }
    bool digits = false, point = false;
    for (; i < n; ++i) {
        char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            s += c;
            digits = true;
        } else if (c == '.' && !point) {
            s += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return 0.0;
    if (i < n && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        size_t j = i + 1;
        std::string e = "e";
        if (j < n && (text[j] == '+' || text[j] == '-')) e += text[j++];
        size_t k = j;
        while (k < n && std::isdigit(static_cast<unsigned char>(text[k]))) e += text[k++];
        if (k > j) s += e;
    }
    // from_chars ignores the C locale, so a decimal comma in the user's locale cannot creep in.
    double v = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too small for the type reads as 0 in every form ("1E-401" or "0.000...1"); too large overflows.
        if (Magnitude_At_Least_One(s)) Raise(Err::Overflow);
        return 0.0;
    }
    return v;
}

namespace {
std::string Format_G(double value, int digits)
{
    if (value == 0.0) return "0";  // also folds negative zero
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, digits);
    (void)ec;
    std::string s(buf, end);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

std::string Drop_Leading_Zero(std::string s)
{
    if (s.rfind("0.", 0) == 0) return s.substr(1);
    if (s.rfind("-0.", 0) == 0) return "-" + s.substr(2);
    return s;
}

std::string Sign_Blank(const std::string& s) { return s[0] == '-' ? s : " " + s; }
}  // namespace

std::string Str(float value) { return Sign_Blank(Drop_Leading_Zero(Format_G(value, 7))); }
std::string Str(double value) { return Sign_Blank(Drop_Leading_Zero(Format_G(value, 15))); }
std::string Str(long long value) { return Sign_Blank(std::to_string(value)); }

std::string Plain(float value) { return Format_G(value, 7); }
std::string Plain(double value) { return Format_G(value, 15); }
std::string Plain(long long value) { return std::to_string(value); }

std::string Plain_Digits(double value, int digits) { return Format_G(value, digits); }

double Round_Digits(double value, int digits)
{
    if (value == 0.0 || !std::isfinite(value)) return value;
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    (void)ec;
    double rounded = value;
    std::from_chars(buf, end, rounded);
    return rounded;
}

int16_t CInt(double value)
{
    double r = std::nearbyint(value);  // default rounding mode: halves to even
    if (!(r >= -32768.0 && r <= 32767.0)) Raise(Err::Overflow);
    return static_cast<int16_t>(r);
}

int32_t CLng(double value)
{
    double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) Raise(Err::Overflow);
    return static_cast<int32_t>(r);
}

int16_t To_Int16(long long value)
{
    if (value < -32768 || value > 32767) Raise(Err::Overflow);
    return static_cast<int16_t>(value);
}

float CSng(double value)
{
    float f = static_cast<float>(value);
    if (std::isinf(f) && !std::isinf(value)) Raise(Err::Overflow);
    return f;
}
