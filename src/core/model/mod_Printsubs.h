// The model file: the whole model written one item per line, and read back with the values
// that the file does not hold derived again.
#pragma once
#include <istream>
#include <ostream>
#include <string>

constexpr int Model_File_Lines = 173;

// Writes the model and shows the success message; false when an error was reported (then
// nothing was written).
bool Writefile(std::ostream& out);

// Reads a model. A foreign file is refused with a message; a file that cannot be read whole is
// reported and leaves the model exactly as it was. True when the model was taken over.
bool Readfile(std::istream& in);

// Fields 3 to 173 into the store (from 69 on only for version 7 and later); raises on a short
// or malformed file without undoing what it read, so only Readfile should call it.
void Readfile_Body(std::istream& in, const std::string& File_Version);
