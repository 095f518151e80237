// The runtime's strict conversion of a whole text to a number: blanks around it are allowed,
// anything else that is not part of the number is a type mismatch (error 13). Thousands
// commas in their places are part of it.
#pragma once
#include <string>

// The text with the thousands commas of its leading number dropped (as the screens write
// numbers: one to three digits, then groups of three); any other comma stays.
std::string Without_Thousands(const std::string& text);

// A 64-bit value; raises 13 for a text that is not one number (empty included) and 6 beyond range.
double Strict_Double(const std::string& text);
// A 32-bit value; also raises 6 beyond the 32-bit range.
float Strict_Single(const std::string& text);
