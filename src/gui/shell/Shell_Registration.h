// Registers the model-file type with the desktop at every start, so that opening a model file
// starts the program with its path; and the long form of a path named on the command line.
#pragma once
#include <cstdint>
#include <string>
#include <variant>

// A registry value as the callers pass it: text or a 32-bit integer.
using Reg_Data = std::variant<std::string, int32_t>;

// Writes the extension, document-class and open-command entries for label L and extension E.
void CreateAssociation(const std::string& label, const std::string& extension);
void CreateNewKey(const std::string& key_name, int32_t root);
void SetKeyValue(const std::string& key_name, const std::string& value_name, const Reg_Data& value, int32_t value_type);
int32_t SetValueEx(int32_t key, const std::string& value_name, int32_t value_type, const Reg_Data& value);
// The full form of an existing path; "" when there is none.
std::string GetLongPathFromShortPath(const std::string& path);

// The command that opens a file with the program, as a desktop entry's Exec line takes it: the
// program's path (quoted only when it holds a character that the line reserves), then %f.
std::string Open_Command(const std::string& program_path);
