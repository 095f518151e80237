// The program's start-up: identity, metrics, shell registration, default model, captions,
// units, the command-line model, the home and title screens.
#pragma once
#include <string>

// Runs the start-up; returns when the title screen has been closed.
void Main();
void Set_Screen_Captions();

// The user's login name and the program's folder as the User menu shows them.
std::string Platform_Login_Name();
std::string Platform_App_Path();
