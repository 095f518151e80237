// The common error report that every trapping procedure calls before it leaves.
#pragma once
#include <string>

#include "runtime/Runtime_Error.h"

// The message text and box style for an error (pure; Report_Error shows it).
struct Error_Message {
    std::string text;
    int style;
};
Error_Message Compose_Error_Message(int number, const std::string& description, const std::string& name);

void Report_Error(int number, const std::string& name);
void Report_Error(int number, const std::string& name, const std::string& description);
inline void Report_Error(const Runtime_Error& e, const std::string& name) { Report_Error(e.number, name, e.description); }

// Runs body; a Runtime_Error (or a stray standard exception) is reported under name.
// Returns false when an error was reported.
template <typename Body>
bool Trap_Errors(const std::string& name, Body&& body)
{
    try {
        body();
        return true;
    } catch (const Runtime_Error& e) {
        Report_Error(e, name);
    } catch (const std::bad_alloc&) {
        Report_Error(Err::Out_Of_Memory, name);
    } catch (const std::exception&) {
        Report_Error(Err::Invalid_Argument, name);
    }
    return false;
}

// As Trap_Errors, for a command that shows a common dialog: the user's cancel of the dialog ends
// the command silently.
template <typename Body>
bool Trap_Dialog_Errors(const std::string& name, Body&& body)
{
    bool cancelled = false;
    const bool done = Trap_Errors(name, [&] {
        try {
            body();
        } catch (const Runtime_Error& e) {
            if (e.number != Err::Cancel_Selected) throw;
            cancelled = true;
        }
    });
    return done && !cancelled;
}
