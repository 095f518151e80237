// Reading and writing a model file as a whole. A save goes to a temporary file beside the
// target, which replaces the old file only once everything was written, so a failed save never
// destroys the previous file. Failures raise the runtime's file error numbers.
#pragma once
#include <memory>
#include <istream>
#include <ostream>
#include <string>

// The runtime error number of an operating-system error code (errno).
int File_Error_Number(int os_error);

// A file being read. Opening raises the mapped error; a read that fails later raises it through
// the stream. Only what the reader asks for is read, so a wrong choice of a huge file costs little.
class File_Input {
public:
    explicit File_Input(const std::string& path);
    ~File_Input();
    File_Input(const File_Input&) = delete;
    File_Input& operator=(const File_Input&) = delete;

    std::istream& Stream();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// A file being saved. The stream writes straight through to a temporary file beside the target
// and raises the mapped error (through the stream) when a write fails; Commit puts the written
// file in place of the target. Destroyed without a commit, it removes the temporary file.
class Safe_File_Output {
public:
    // Raises the mapped error when the temporary file cannot be made.
    explicit Safe_File_Output(const std::string& path);
    ~Safe_File_Output();
    Safe_File_Output(const Safe_File_Output&) = delete;
    Safe_File_Output& operator=(const Safe_File_Output&) = delete;

    std::ostream& Stream();
    // Raises the mapped error; the target is then as it was.
    void Commit();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The whole content written through a Safe_File_Output.
void Replace_File_Contents(const std::string& path, const std::string& content);
