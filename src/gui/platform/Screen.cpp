#include "platform/Screen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <map>
#include <unordered_map>

#include "platform/Screen_Metrics.h"
#include "platform/Qt_Text.h"
#include "runtime/Report_Error.h"

namespace {
Screen* active = nullptr;
std::vector<Screen*> history;  // visible screens, the most recently active last
std::unordered_map<std::type_index, Screen*> loaded;
std::map<std::string, std::function<Screen&()>> named;

void Forget(Screen* s)
{
    history.erase(std::remove(history.begin(), history.end(), s), history.end());
    if (active == s) active = nullptr;
    for (auto it = loaded.begin(); it != loaded.end();) {
        if (it->second == s) it = loaded.erase(it);
        else ++it;
    }
}
}  // namespace

// A user's click on another visible screen of the program makes it the active one; window
// manager activations (after boxes, dialogs, or a return from another application) are ignored.
class Screen_Activation : public QObject {
public:
    bool eventFilter(QObject* target, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress && target->isWidgetType()) {
            auto* s = qobject_cast<Screen*>(static_cast<QWidget*>(target)->window());
            if (s && s != active && s->isVisible()) s->Make_Active();
        }
        return false;
    }
    static void Install()
    {
        static Screen_Activation* filter = nullptr;
        if (!filter && qApp) {
            filter = new Screen_Activation;
            filter->setParent(qApp);
            qApp->installEventFilter(filter);
        }
    }
};

void Run_Form_Load(Screen& s)
{
    s.Set_Width(s.design_width_);
    s.Set_Height(s.design_height_);
    s.Form_Load();
}

namespace Screens_Detail {
Screen* Find(std::type_index type)
{
    auto it = loaded.find(type);
    return it == loaded.end() ? nullptr : it->second;
}

void Adopt(std::type_index type, Screen* s)
{
    loaded[type] = s;
    Run_Form_Load(*s);
}
}  // namespace Screens_Detail

Screen::Screen(std::string name, int design_width, int design_height)
    : QWidget(nullptr), name_(std::move(name)), design_width_(design_width), design_height_(design_height)
{
    setObjectName(QString::fromStdString(name_));
    Screen_Activation::Install();
}

Screen::~Screen()
{
    for (QEventLoop* loop : loops_) loop->quit();
    Forget(this);
}

void Screen::Make_Active()
{
    if (active == this) return;
    active = this;
    history.erase(std::remove(history.begin(), history.end(), this), history.end());
    history.push_back(this);
    Trap_Errors(name_ + ".activate", [this] { Form_Activate(); });
}

void Screen::Show_Modeless()
{
    if (!isVisible()) {
        setWindowModality(Qt::NonModal);
        QWidget::setVisible(true);
    }
    raise();
    activateWindow();
    Make_Active();
}

void Screen::Show_Modeless_Behind(Screen& front)
{
    if (&front == this || !front.isVisible()) {
        Show_Modeless();
        return;
    }
    if (!isVisible()) {
        setWindowModality(Qt::NonModal);
        QWidget::setVisible(true);
    }
    history.erase(std::remove(history.begin(), history.end(), this), history.end());
    history.insert(std::find(history.begin(), history.end(), &front), this);
    // The window manager put the newly shown window on top; the front one goes back above it.
    front.raise();
    front.activateWindow();
}

void Screen::Show_Modal()
{
    // The modality of a window can only change while it is hidden.
    if (isVisible()) QWidget::setVisible(false);
    setWindowModality(Qt::ApplicationModal);
    QWidget::setVisible(true);
    raise();
    activateWindow();
    QPointer<Screen> self(this);
    Make_Active();
    if (!self || !isVisible()) return;
    QEventLoop loop;
    loops_.push_back(&loop);
    loop.exec(QEventLoop::DialogExec);
    if (self) loops_.erase(std::remove(loops_.begin(), loops_.end(), &loop), loops_.end());
}

void Screen::Hide() { setVisible(false); }

void Screen::setVisible(bool visible)
{
    bool was = isVisible();
    QWidget::setVisible(visible);
    if (was && !visible) On_Hidden();
}

void Screen::On_Hidden()
{
    for (QEventLoop* loop : loops_) loop->quit();
    history.erase(std::remove(history.begin(), history.end(), this), history.end());
    if (active != this) return;
    active = nullptr;
    // The screen that takes over is the most recently active of those still visible.
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        if ((*it)->isVisible()) {
            // The keyboard goes with it: without a window manager to pass it on, it would stay
            // with the hidden window.
            (*it)->activateWindow();
            (*it)->Make_Active();
            return;
        }
    }
}

void Screen::closeEvent(QCloseEvent* event)
{
    event->ignore();
    Close_Box();
}

void Screen::Run_Handler(const std::function<void()>& handler)
{
    if (!Events_Suspended()) Trap_Errors(name_, handler);
}

Screen* Screen::Active() { return active; }

std::vector<Screen*> Screen::Stacking_Order()
{
    std::vector<Screen*> order;
    for (Screen* s : history)
        if (s->isVisible()) order.push_back(s);
    return order;
}

std::string Screen::Caption() const { return S_Text(windowTitle()); }
void Screen::Set_Caption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

bool Screen::Own_Frame_Known() const
{
    return isVisible() && windowHandle() && !windowHandle()->frameMargins().isNull();
}

// A window not framed yet (hidden, or just shown) gets the frame the others have.
QMargins Screen::Frame() const
{
    return Own_Frame_Known() ? windowHandle()->frameMargins() : Screen_Metrics::Frame_Margins();
}

// A size still held for the window manager is the screen's size already.
int Screen::Width() const
{
    return static_cast<int>(std::lround((held_ ? client_size_.width() : width()) * Screen_Metrics::Twips_Per_Pixel_X()));
}

int Screen::Height() const
{
    return static_cast<int>(std::lround((held_ ? client_size_.height() : height()) * Screen_Metrics::Twips_Per_Pixel_Y()));
}

int Screen::Left() const
{
    return static_cast<int>(std::lround((geometry().x() - Frame().left()) * Screen_Metrics::Twips_Per_Pixel_X()));
}

int Screen::Top() const
{
    return static_cast<int>(std::lround((geometry().y() - Frame().top()) * Screen_Metrics::Twips_Per_Pixel_Y()));
}

void Screen::Set_Width(double twips)
{
    client_size_.setWidth(std::max(1, static_cast<int>(std::lround(twips / Screen_Metrics::Twips_Per_Pixel_X()))));
    Resize();
}

void Screen::Set_Height(double twips)
{
    client_size_.setHeight(std::max(1, static_cast<int>(std::lround(twips / Screen_Metrics::Twips_Per_Pixel_Y()))));
    Resize();
}

void Screen::Resize()
{
    if (mapping_) held_ = true;
    else resize(client_size_);
}

void Screen::Move(double left, double top)
{
    frame_pos_ = QPoint(static_cast<int>(std::lround(left / Screen_Metrics::Twips_Per_Pixel_X())),
                        static_cast<int>(std::lround(top / Screen_Metrics::Twips_Per_Pixel_Y())));
    placed_ = true;
    Place();
}

// The client area is placed itself (not the frame, whose size the window manager may not have told
// yet), so that where a screen lands does not depend on when its frame arrives.
void Screen::Place()
{
    if (mapping_) {
        held_ = true;
        return;
    }
    const QMargins m = Frame();
    const QRect d = Screen_Metrics::Display_Pixels();
    QSize client = client_size_;
    if (!d.isEmpty())
        client = client.boundedTo(
            QSize(std::max(1, d.width() - m.left() - m.right()), std::max(1, d.height() - m.top() - m.bottom())));
    const QSize outer = client.grownBy(m);
    QPoint corner = frame_pos_;
    if (!d.isEmpty()) {
        corner.setX(std::clamp(corner.x(), d.left(), std::max(d.left(), d.left() + d.width() - outer.width())));
        corner.setY(std::clamp(corner.y(), d.top(), std::max(d.top(), d.top() + d.height() - outer.height())));
    }
    placed_at_ = QRect(corner + QPoint(m.left(), m.top()), client);
    placed_with_ = m;
    setGeometry(placed_at_);
}

bool Screen::event(QEvent* event)
{
    if (event->type() == QEvent::Show) {
        awaiting_frame_ = true;  // each showing gets a new frame
        Await_Mapping();
    } else if (event->type() == QEvent::Hide) {
        Mapped();
    } else if (awaiting_frame_ && (event->type() == QEvent::Paint || event->type() == QEvent::Move)) Frame_Arrived();
    return QWidget::event(event);
}

// An X11 window manager frames a window at the geometry it finds when it maps it; a resize or move
// the program sends while that map is still pending is lost on some window managers (the screen
// then keeps its former size). Such requests are held until the window is on the display.
void Screen::Await_Mapping()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !windowHandle()) return;
    mapping_ = true;
    if (!watching_) {
        windowHandle()->installEventFilter(this);
        watching_ = true;
    }
}

bool Screen::eventFilter(QObject* target, QEvent* event)
{
    if (mapping_ && event->type() == QEvent::Expose && target == windowHandle() && windowHandle()->isExposed())
        QMetaObject::invokeMethod(
            this, [this] { if (mapping_ && windowHandle()->isExposed()) Mapped(); }, Qt::QueuedConnection);
    return QWidget::eventFilter(target, event);
}

void Screen::Mapped()
{
    mapping_ = false;
    if (!held_) return;
    held_ = false;
    if (placed_) Place();
    else resize(client_size_);
}

// Once the window manager has framed this screen, the frame is known for every screen. A screen
// placed with another frame in mind, or sized and placed while the window manager was still
// mapping it at its former geometry, is placed again.
void Screen::Frame_Arrived()
{
    if (!Own_Frame_Known()) return;
    awaiting_frame_ = false;
    const QMargins m = windowHandle()->frameMargins();
    Screen_Metrics::Learn_Frame_Margins(m);
    if (placed_ && (m != placed_with_ || geometry() != placed_at_) && Window_State() == Form_State::Normal)
        QMetaObject::invokeMethod(this, [this] { Place(); }, Qt::QueuedConnection);
}

int Screen::Window_State() const
{
    if (windowState() & Qt::WindowMinimized) return Form_State::Minimized;
    if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)) return Form_State::Maximized;
    return Form_State::Normal;
}

void Screen::Refresh() { repaint(); }

void Return_Keyboard_To_Active_Screen()
{
    if (active && active->isVisible()) active->activateWindow();
}

void Unload(Screen& s)
{
    Forget(&s);
    s.QWidget::setVisible(false);
    s.deleteLater();
}

void Unload_All_Screens()
{
    std::vector<Screen*> all;
    for (auto& [type, s] : loaded) all.push_back(s);
    for (Screen* s : all) {
        Forget(s);
        delete s;
    }
    active = nullptr;
    history.clear();
}

void Register_Screen(const std::string& name, std::function<Screen&()> reference) { named[name] = std::move(reference); }

Screen* Screen_Named(const std::string& name)
{
    auto it = named.find(name);
    return it == named.end() ? nullptr : &it->second();
}
