// A user-interface port for screen tests that records every message box and gives its default answer.
#pragma once
#include <string>
#include <vector>

#include "runtime/Ui_Port.h"

class Recording_Port : public Ui_Port {
public:
    Recording_Port() { previous_ = Install_Ui_Port(this); }
    ~Recording_Port() override { Install_Ui_Port(previous_); }
    int Msg_Box(const std::string& prompt, int style) override
    {
        prompts.push_back(prompt);
        return Default_Answer(style);
    }
    void Set_Mouse_Pointer(int) override {}
    void Show_Home_Screen() override {}

    std::vector<std::string> prompts;

private:
    Ui_Port* previous_;
};
