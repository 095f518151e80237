#include "runtime/Runtime_Error.h"

std::string Error_Description(int number)
{
    switch (number) {
    case Err::Invalid_Argument: return "Invalid procedure call or argument";
    case Err::Overflow: return "Overflow";
    case Err::Out_Of_Memory: return "Out of memory";
    case Err::Subscript: return "Subscript out of range";
    case Err::Division_By_Zero: return "Division by zero";
    case Err::Type_Mismatch: return "Type mismatch";
    case Err::Out_Of_String_Space: return "Out of string space";
    case Err::Out_Of_Stack: return "Out of stack space";
    case Err::Bad_File_Name_Or_Number: return "Bad file name or number";
    case Err::File_Not_Found: return "File not found";
    case Err::Device_IO: return "Device I/O error";
    case Err::Disk_Full: return "Disk full";
    case Err::Input_Past_End: return "Input past end of file";
    case Err::Bad_File_Name: return "Bad file name";
    case Err::Permission_Denied: return "Permission denied";
    case Err::Disk_Not_Ready: return "Disk not ready";
    case Err::Path_File_Access: return "Path/File access error";
    case Err::Path_Not_Found: return "Path not found";
    case Err::Cancel_Selected: return "Cancel was selected.";
    case Err::Reported_Out_Of_Memory: return "Out of memory";
    default: return "Application-defined or object-defined error";
    }
}

void Raise(int number) { throw Runtime_Error(number); }

double Checked_Divide(double numerator, double denominator)
{
    if (denominator == 0.0) Raise(Err::Division_By_Zero);
    return numerator / denominator;
}
