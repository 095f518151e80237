// The program's identity, its title line and the fixed texts of the start-up screens.
#pragma once
#include <string>

// Name, version, build date and revision; raises the start-up flag.
void Set_Program_Identity();
// The title line that every window caption begins with.
void Build_Title_String();

// Release line of the title screen and of the about screen (they differ in their separators).
std::string Title_Release_Line();
std::string About_Release_Line();

struct Notice_Texts {
    std::string description, disclaimer, notice, support;
};
Notice_Texts Notice_Text();
