// The application-wide mouse pointer: a property (default or hourglass), not a stack.
// While a message box or a common dialog is up the arrow shows, and the hourglass returns after.
#pragma once

void Set_Mouse_Pointer(int pointer);
int Mouse_Pointer();

// Lives while a message box or dialog is up.
class Box_Open_Guard {
public:
    Box_Open_Guard();
    ~Box_Open_Guard();
    Box_Open_Guard(const Box_Open_Guard&) = delete;
    Box_Open_Guard& operator=(const Box_Open_Guard&) = delete;
};
// True while a message box or a common dialog is up.
bool Box_Open();
// How many message boxes and common dialogs have come up so far.
int Boxes_Shown();
