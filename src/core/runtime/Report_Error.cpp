#include "runtime/Report_Error.h"

#include <new>

#include "runtime/Ui_Port.h"

namespace {
const char* const CRLF = "\r\n";

std::string Memory_Advice(const char* second_line)
{
    std::string s = "You should try to save your model from the Home Screen's 'File' pulldown menu, ";
    s += CRLF;
    s += second_line;
    s += CRLF;
    s += "It may help to close other programs that are running at the same time.";
    s += CRLF;
    s += "Good luck! ";
    return s;
}
}  // namespace

Error_Message Compose_Error_Message(int number, const std::string& description, const std::string& name)
{
    std::string text = "Error " + std::to_string(number) + "   (" + description + ")  has occurred in " + name +
                       CRLF + CRLF;
    int style = Msg::Ok_Only | Msg::Information;
    switch (number) {
    case Err::Out_Of_Memory:
        text += Memory_Advice("then Quit this program and restart it to clear the memory.");
        style = Msg::Ok_Only;
        break;
    case Err::Out_Of_Stack:
        text += Memory_Advice("then Quit this program and restart it to clear the stacks.");
        break;
    case Err::Bad_File_Name_Or_Number:
        text += "The filename clicked on has a problem.  Try opening it from within the program.";
        break;
    case Err::File_Not_Found:
    case Err::Bad_File_Name:
        text += "There are no files with your chosen name in the selected directory";
        break;
    case Err::Device_IO:
        text += "Device I/O error- bad drive or disk - please try another";
        break;
    case Err::Disk_Full:
        text += " The floppy disk in the drive is full - please substitute another";
        break;
    case Err::Disk_Not_Ready:
        text += "Disk not ready - is the drive empty or its door open?";
        break;
    case Err::Reported_Out_Of_Memory:
        text += "Out of memory.  Close other programs and retry.";
        break;
    default:
        break;
    }
    return {text, style};
}

void Report_Error(int number, const std::string& name, const std::string& description)
{
    Error_Message m = Compose_Error_Message(number, description, name);
    MsgBox(m.text, m.style);
    if (number == Err::Out_Of_Memory) ui().Show_Home_Screen();
    ui().Set_Mouse_Pointer(Pointer::Default);
}

void Report_Error(int number, const std::string& name) { Report_Error(number, name, Error_Description(number)); }
