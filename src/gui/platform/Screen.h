// Base of every screen: a top-level window sized in twips, shown modal (its own event loop,
// which ends when the screen is hidden) or modeless, loaded once on first reference, and
// activated by the program itself rather than by the window manager. Sizes are those of the
// client area; the window manager's frame goes around it, and the whole window stays inside the
// display.
#pragma once
#include <QWidget>
#include <functional>
#include <string>
#include <typeindex>
#include <vector>

class QEventLoop;

namespace Form_State {
constexpr int Normal = 0;
constexpr int Minimized = 1;
constexpr int Maximized = 2;
}  // namespace Form_State

class Screen : public QWidget {
    Q_OBJECT
public:
    // Design size in twips; the screen is set to it before its Form_Load runs.
    Screen(std::string name, int design_width, int design_height);
    ~Screen() override;

    const std::string& Name() const { return name_; }
    int Design_Width() const { return design_width_; }
    int Design_Height() const { return design_height_; }

    // Returns when the screen is hidden; modal shows nest.
    void Show_Modal();
    void Show_Modeless();
    // Shown modeless just below `front`, which stays in front and active; this screen takes over
    // when `front` is hidden.
    void Show_Modeless_Behind(Screen& front);
    void Hide();

    std::string Caption() const;
    void Set_Caption(const std::string& caption);

    // Size of the client area and position of the frame, in twips. A move keeps the frame inside
    // the display (a screen too large for it gives up client area).
    int Width() const;
    int Height() const;
    int Left() const;
    int Top() const;
    void Set_Width(double twips);
    void Set_Height(double twips);
    void Move(double left, double top);
    int Window_State() const;
    void Refresh();

    // While the returned guard lives, this screen's control handlers are not run.
    class Event_Guard {
    public:
        explicit Event_Guard(Screen& s) : s_(&s) { ++s_->suspended_; }
        Event_Guard(Event_Guard&& o) noexcept : s_(o.s_) { o.s_ = nullptr; }
        ~Event_Guard() { if (s_) --s_->suspended_; }
        Event_Guard(const Event_Guard&) = delete;
        Event_Guard& operator=(const Event_Guard&) = delete;
    private:
        Screen* s_;
    };
    [[nodiscard]] Event_Guard Suspend_Events() { return Event_Guard(*this); }
    bool Events_Suspended() const { return suspended_ > 0; }

    // Runs a control's handler unless suspended. A run-time error the handler did not trap is
    // reported rather than ending the program.
    void Run_Handler(const std::function<void()>& handler);

    // The program's active screen (nullptr when none is visible).
    static Screen* Active();
    // The visible screens as the program stacked them, the front one last.
    static std::vector<Screen*> Stacking_Order();

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    // The window's close box; screens are hidden, not destroyed.
    virtual void Close_Box() { Hide(); }

    void setVisible(bool visible) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* target, QEvent* event) override;

private:
    friend class Screen_Activation;
    friend void Run_Form_Load(Screen& s);
    void Make_Active();
    void On_Hidden();
    QMargins Frame() const;
    bool Own_Frame_Known() const;
    void Place();
    void Resize();
    void Await_Mapping();
    void Mapped();
    void Frame_Arrived();

    std::string name_;
    int design_width_, design_height_;
    int suspended_ = 0;
    std::vector<QEventLoop*> loops_;
    // The client size asked for; where the frame's top-left corner was asked to be; where the
    // client area went then, with the frame assumed.
    QSize client_size_;
    QPoint frame_pos_;
    bool placed_ = false;
    QRect placed_at_;
    QMargins placed_with_;
    bool awaiting_frame_ = true;
    // Shown, not yet mapped by the window manager; a size or place asked for meanwhile is held.
    bool mapping_ = false;
    bool held_ = false;
    bool watching_ = false;
};

// After a box or dialog closes: the keyboard goes back to the program's active screen (no
// activation runs; the window manager may not do it for a parentless box).
void Return_Keyboard_To_Active_Screen();

// Load on first reference: the screen of type S, created (and its Form_Load run) when needed.
namespace Screens_Detail {
Screen* Find(std::type_index type);
void Adopt(std::type_index type, Screen* s);
}  // namespace Screens_Detail

template <class S>
S& Form()
{
    if (Screen* s = Screens_Detail::Find(typeid(S))) return static_cast<S&>(*s);
    auto* s = new S();
    Screens_Detail::Adopt(typeid(S), s);
    return *s;
}

template <class S>
bool Loaded() { return Screens_Detail::Find(typeid(S)) != nullptr; }

// Destroys a screen; its next reference creates it afresh.
void Unload(Screen& s);
// Destroys every screen (tests start from none).
void Unload_All_Screens();

// Screens known by name, for the routines that go through all of them (window captions).
void Register_Screen(const std::string& name, std::function<Screen&()> reference);
// The named screen, created on first reference; nullptr for a name not registered.
Screen* Screen_Named(const std::string& name);
