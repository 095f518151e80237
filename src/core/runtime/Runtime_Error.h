// Numbered run-time errors, as the classic runtime raised them; trapping routines catch
// Runtime_Error and hand the number to Report_Error.
#pragma once
#include <stdexcept>
#include <string>

namespace Err {
constexpr int Invalid_Argument = 5;
constexpr int Overflow = 6;
constexpr int Out_Of_Memory = 7;
constexpr int Subscript = 9;
constexpr int Division_By_Zero = 11;
constexpr int Type_Mismatch = 13;
constexpr int Out_Of_String_Space = 14;
constexpr int Out_Of_Stack = 28;
constexpr int Bad_File_Name_Or_Number = 52;
constexpr int File_Not_Found = 53;
constexpr int Device_IO = 57;
constexpr int Disk_Full = 61;
constexpr int Input_Past_End = 62;
constexpr int Bad_File_Name = 64;
constexpr int Permission_Denied = 70;
constexpr int Disk_Not_Ready = 71;
constexpr int Path_File_Access = 75;
constexpr int Path_Not_Found = 76;
constexpr int Cancel_Selected = 32755;
constexpr int Reported_Out_Of_Memory = 32678;
}  // namespace Err

// The runtime's own wording of an error number ("" never; unknown numbers get a generic text).
std::string Error_Description(int number);

struct Runtime_Error : std::runtime_error {
    int number;
    std::string description;
    explicit Runtime_Error(int n) : Runtime_Error(n, Error_Description(n)) {}
    Runtime_Error(int n, std::string desc)
        : std::runtime_error(desc), number(n), description(std::move(desc)) {}
};

[[noreturn]] void Raise(int number);

// Division that raises the division-by-zero error where IEEE arithmetic would give inf/NaN.
double Checked_Divide(double numerator, double denominator);
