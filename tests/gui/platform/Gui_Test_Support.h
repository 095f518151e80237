// Helpers for the platform tests: a port that records message boxes, and the number of a raised error.
#pragma once
#include <string>
#include <vector>

#include "runtime/Runtime_Error.h"
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

// The number of the run-time error the body raises; 0 when it raises none.
template <typename Body>
int Error_Number(Body body)
{
    try {
        body();
    } catch (const Runtime_Error& e) {
        return e.number;
    }
    return 0;
}
