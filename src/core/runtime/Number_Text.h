// Numbers as text and text as numbers, the way the classic runtime did it.
#pragma once
#include <cstdint>
#include <string>

// Leading number of a text: leading blanks skipped, optional sign, digits with one point,
// optional exponent (E or D); 0 when there is none. Never fails.
double Val(const std::string& text);

// True when the nonzero number written in text (sign, digits with a point, E or e exponent) is at
// least 1 in magnitude: decides whether a number out of a type's range is too large or too small.
bool Magnitude_At_Least_One(const std::string& text);

// Sign-blank form: a leading blank in place of the sign for values not below zero, no leading
// zero below 1 (0.05 -> " .05"), 7 significant digits for 32-bit values, 15 for 64-bit.
std::string Str(float value);
std::string Str(double value);
std::string Str(long long value);
inline std::string Str(int value) { return Str(static_cast<long long>(value)); }

// Plain form: the shortest text of the value, "-" when negative, leading zero kept (0.05 -> "0.05").
std::string Plain(float value);
std::string Plain(double value);
std::string Plain(long long value);
inline std::string Plain(int value) { return Plain(static_cast<long long>(value)); }
// Plain form to at most `digits` significant digits (0.000677753, 1.13437E-05).
std::string Plain_Digits(double value, int digits);
// The value rounded in decimal to `digits` significant digits (0.00067775347 -> 0.000677753 for 6).
double Round_Digits(double value, int digits);

// Rounding to an integer with halves to even (CInt / assignment to an integer); raises the
// overflow error outside the target range.
int16_t CInt(double value);
int32_t CLng(double value);
// Assignment of a whole number to a 16-bit integer; raises the overflow error outside its range.
int16_t To_Int16(long long value);
// Assignment to a 32-bit float; raises the overflow error beyond its range.
float CSng(double value);
