// The program's port: message boxes, the pointer and the home screen go to the Qt port; the
// screen effects of reading a model file are carried out on the screens.
#pragma once
#include "runtime/Ui_Port.h"

class Shell_Ui_Port : public Ui_Port {
public:
    int Msg_Box(const std::string& prompt, int style) override;
    void Set_Mouse_Pointer(int pointer) override;
    void Show_Home_Screen() override;
    void Model_Was_Read() override;
    void Set_Grashof_Caption(const std::string& caption) override;
    void Show_Input_Screen() override;
};

// Installs the program's port (and the Qt port it builds on).
void Install_Shell_Port();
