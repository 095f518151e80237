// A scripted user for core tests: records every message box and answers from a queue.
// A box with no scripted answer fails the test (and gets its default answer).
#pragma once
#include <deque>
#include <string>
#include <vector>

#include "runtime/Ui_Port.h"

class Fake_Ui_Port : public Ui_Port {
public:
    struct Box {
        std::string prompt;
        int style;
    };

    Fake_Ui_Port();
    ~Fake_Ui_Port() override;

    // Queue the answer of the next box; `times` boxes get it.
    Fake_Ui_Port& Answer(int answer, int times = 1);
    // Let every box take its default answer without failing.
    Fake_Ui_Port& Allow_Any_Box(bool allow = true);

    int Msg_Box(const std::string& prompt, int style) override;
    void Set_Mouse_Pointer(int pointer) override;
    void Show_Home_Screen() override;

    std::vector<Box> boxes;
    std::vector<int> pointers;
    int home_shown = 0;
    int Unanswered() const { return static_cast<int>(answers_.size()); }

private:
    std::deque<int> answers_;
    bool allow_any_ = false;
    Ui_Port* previous_;
};
