#include "runtime/Ui_Port.h"

namespace {
class Silent_Port final : public Ui_Port {
public:
    int Msg_Box(const std::string&, int style) override { return Default_Answer(style); }
    void Set_Mouse_Pointer(int) override {}
    void Show_Home_Screen() override {}
};
Silent_Port silent;
Ui_Port* installed = &silent;
}  // namespace

Ui_Port& ui() { return *installed; }

Ui_Port* Install_Ui_Port(Ui_Port* port)
{
    Ui_Port* previous = installed == &silent ? nullptr : installed;
    installed = port ? port : &silent;
    return previous;
}

int Default_Answer(int style)
{
    static const int first[] = {Msg::Ans_Ok, Msg::Ans_Ok, Msg::Ans_Abort, Msg::Ans_Yes, Msg::Ans_Yes, Msg::Ans_Retry};
    static const int second[] = {Msg::Ans_Ok, Msg::Ans_Cancel, Msg::Ans_Retry, Msg::Ans_No, Msg::Ans_No, Msg::Ans_Cancel};
    static const int third[] = {Msg::Ans_Ok, Msg::Ans_Cancel, Msg::Ans_Ignore, Msg::Ans_Cancel, Msg::Ans_No, Msg::Ans_Cancel};
    int buttons = style & Msg::Button_Mask;
    if (buttons > 5) buttons = 0;
    switch (style & Msg::Default_Mask) {
    case Msg::Default_Button2: return second[buttons];
    case Msg::Default_Button3: return third[buttons];
    default: return first[buttons];
    }
}
