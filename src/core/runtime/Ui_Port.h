// The one way the core reaches the user or a screen. The gui installs its port at start-up;
// core tests install a scripted fake. Keep it small: one method per screen effect the core causes.
#pragma once
#include <string>

namespace Msg {
// Buttons
constexpr int Ok_Only = 0;
constexpr int Ok_Cancel = 1;
constexpr int Abort_Retry_Ignore = 2;
constexpr int Yes_No_Cancel = 3;
constexpr int Yes_No = 4;
constexpr int Retry_Cancel = 5;
// Icons
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Exclamation = 48;
constexpr int Information = 64;
// Default button
constexpr int Default_Button2 = 256;
constexpr int Default_Button3 = 512;
// Answers
constexpr int Ans_Ok = 1;
constexpr int Ans_Cancel = 2;
constexpr int Ans_Abort = 3;
constexpr int Ans_Retry = 4;
constexpr int Ans_Ignore = 5;
constexpr int Ans_Yes = 6;
constexpr int Ans_No = 7;

constexpr int Button_Mask = 7;
constexpr int Icon_Mask = 112;
constexpr int Default_Mask = 768;
}  // namespace Msg

namespace Pointer {
constexpr int Default = 0;
constexpr int Hourglass = 11;
}  // namespace Pointer

class Ui_Port {
public:
    virtual ~Ui_Port() = default;
    // Modal message box; returns the answer code. CR, LF and CR LF are line breaks.
    virtual int Msg_Box(const std::string& prompt, int style) = 0;
    // The application-wide mouse pointer (Pointer::Default or Pointer::Hourglass).
    virtual void Set_Mouse_Pointer(int pointer) = 0;
    // Brings up the home screen (modeless), creating it first if needed.
    virtual void Show_Home_Screen() = 0;
    // A model file was read: refill the input and mass-properties screens, the units ticks and the home status and buttons.
    virtual void Model_Was_Read() {}
    // Centres the input screen and shows it modally.
    virtual void Show_Input_Screen() {}
    // The Grashof class shown on the input screen (created if needed, not shown).
    virtual void Set_Grashof_Caption(const std::string& /*caption*/) {}
};

// The installed port; a silent one (default answers) until something is installed.
Ui_Port& ui();
// Installs a port and returns the previous one (nullptr restores the silent port).
Ui_Port* Install_Ui_Port(Ui_Port* port);

// The answer a box gives when its default button is taken.
int Default_Answer(int style);

inline int MsgBox(const std::string& prompt, int style = Msg::Ok_Only) { return ui().Msg_Box(prompt, style); }
