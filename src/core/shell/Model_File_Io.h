// Reading and writing a model file as a whole. A save goes to a temporary file beside the
// target, which replaces the old file only once everything was written, so a failed save never
// destroys the previous file. Failures raise the runtime's file error numbers.
#pragma once
#include <string>

// The runtime error number of an operating-system error code (errno).
int File_Error_Number(int os_error);

// The whole content of a file; raises the mapped error when it cannot be read.
std::string Read_Whole_File(const std::string& path);

// Writes content to path through a temporary file; on any failure raises the mapped error,
// removes the temporary file and leaves an existing file at path as it was.
void Replace_File_Contents(const std::string& path, const std::string& content);
