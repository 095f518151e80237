// The model file: the whole model written one item per line, and read back with the values
// that the file does not hold derived again.
#pragma once
#include <functional>
#include <istream>
#include <ostream>
#include <string>

constexpr int Model_File_Lines = 173;

// Writes the model and shows the success message; false when an error was reported (then
// nothing was written). Put_In_Place, when given, runs after the last item is written and
// before the message: it puts the written file in place of the target, so that the message is
// shown only once the file is there; a failure it raises is reported as the writer's.
bool Writefile(std::ostream& out, const std::function<void()>& Put_In_Place = {});

// Reads a model. A foreign file is refused with a message; a file that cannot be read whole is
// reported and leaves the model exactly as it was. True when the model was taken over.
bool Readfile(std::istream& in);

// Fields 3 to 173 into the store (from 69 on only for version 7 and later); raises on a short
// or malformed file without undoing what it read, so only Readfile should call it.
void Readfile_Body(std::istream& in, const std::string& File_Version);
