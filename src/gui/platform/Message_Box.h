// Message boxes and the Qt user-interface port. Boxes go through a presenter: the Qt one shows
// a QMessageBox, tests install a scripted one.
#pragma once
#include <QMessageBox>
#include <functional>
#include <memory>
#include <string>

#include "runtime/Ui_Port.h"

class Message_Presenter {
public:
    virtual ~Message_Presenter() = default;
    // Shows the box and returns the answer code (Msg::Ans_*).
    virtual int Show(const std::string& prompt, int style) = 0;
};

class Qt_Message_Presenter final : public Message_Presenter {
public:
    int Show(const std::string& prompt, int style) override;
};

// The box that Qt_Message_Presenter shows, for a prompt and style: buttons, icon, default
// button; Esc and the close box answer OK or Cancel, and do nothing on Yes/No and
// Abort/Retry/Ignore boxes, which need a button.
std::unique_ptr<QMessageBox> Build_Message_Box(const std::string& prompt, int style);
// The answer code of the button a box was closed with.
int Answer_Of(const QMessageBox& box);

// Installs a presenter and returns the previous one (nullptr restores the Qt presenter).
Message_Presenter* Install_Message_Presenter(Message_Presenter* presenter);
Message_Presenter& message_presenter();

class Qt_Ui_Port final : public Ui_Port {
public:
    int Msg_Box(const std::string& prompt, int style) override;
    void Set_Mouse_Pointer(int pointer) override;
    void Show_Home_Screen() override;
    // The home screen sets how it is brought up.
    void Set_Home_Screen_Hook(std::function<void()> hook) { home_hook_ = std::move(hook); }

private:
    std::function<void()> home_hook_;
};

// The program's port, installed by Install_Qt_Port (which also keeps the program running when
// its last window closes).
Qt_Ui_Port& qt_port();
void Install_Qt_Port();

constexpr const char* Message_Box_Title = "VASTREL";
