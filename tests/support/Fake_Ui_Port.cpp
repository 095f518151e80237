#include "Fake_Ui_Port.h"

#include <gtest/gtest.h>

Fake_Ui_Port::Fake_Ui_Port() : previous_(Install_Ui_Port(this)) {}

Fake_Ui_Port::~Fake_Ui_Port() { Install_Ui_Port(previous_); }

Fake_Ui_Port& Fake_Ui_Port::Answer(int answer, int times)
{
    for (int i = 0; i < times; ++i) answers_.push_back(answer);
    return *this;
}

Fake_Ui_Port& Fake_Ui_Port::Allow_Any_Box(bool allow)
{
    allow_any_ = allow;
    return *this;
}

int Fake_Ui_Port::Msg_Box(const std::string& prompt, int style)
{
    boxes.push_back({prompt, style});
    if (answers_.empty()) {
        if (!allow_any_) ADD_FAILURE() << "unexpected message box: " << prompt;
        return Default_Answer(style);
    }
    int a = answers_.front();
    answers_.pop_front();
    return a;
}

void Fake_Ui_Port::Set_Mouse_Pointer(int pointer) { pointers.push_back(pointer); }

void Fake_Ui_Port::Show_Home_Screen() { ++home_shown; }
