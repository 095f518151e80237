// The screens under a real window manager, which the offscreen tests cannot show: a screen sized
// while the window manager is still mapping it must end at the size asked for. The program starts
// its own X display (Xvfb, 1600 x 1200) and window manager (openbox).
#include <QtTest>
#include <csignal>
#include <cstring>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include "Shell_Test_Support.h"
#include "shell/frm_Animate.h"
#include "shell/frm_Inputnew.h"
#include "support/Scripted_User.h"

namespace {
frm_HomeScreen& home() { return Form<frm_HomeScreen>(); }
frm_Inputnew& input() { return Form<frm_Inputnew>(); }
frm_Animate& anim() { return Form<frm_Animate>(); }

// The client area's size as the X server has it, not as the program believes it.
QSize Server_Size(QWidget& w)
{
    xcb_connection_t* x = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
    auto* g = xcb_get_geometry_reply(x, xcb_get_geometry(x, static_cast<xcb_window_t>(w.winId())), nullptr);
    QSize size = g ? QSize(g->width, g->height) : QSize();
    free(g);
    return size;
}

// Runs f from inside the modal loop that shows s, once s is visible.
void When_Shown(QWidget& s, std::function<void()> f)
{
    auto* t = new QTimer;
    QObject::connect(t, &QTimer::timeout, [t, &s, f] {
        if (!s.isVisible()) return;
        t->stop();
        t->deleteLater();
        f();
    });
    t->start(10);
}

// The size the screen reached on the display once the window manager has had its say; a lost
// request leaves the former size there for good.
QSize Settled_Size(QWidget& s, QSize wanted)
{
    (void)QTest::qWaitFor([&] { return Server_Size(s) == wanted && s.size() == wanted; }, 3000);
    return Server_Size(s);
}
}  // namespace

class Screens_Under_Window_Manager_Test : public QObject {
    Q_OBJECT
    int exits = 0;

private slots:
    void maximize_then_standard_gives_the_design_size_back()
    {
        Fresh_Program(exits);
        Screen_Metrics::Use_Real();
        Scripted_User user;
        Start_To_Home();
        Calculate_First_Example();
        const QSize maximized(1467, 1108), standard(790, 597);
        QList<QSize> input_sizes, anim_sizes;
        for (int round = 0; round < 5; ++round) {
            for (QAction* size : {home().mnu_Fullscreen, home().mnu_Standardsize}) {
                size->trigger();
                const QSize wanted = size == home().mnu_Fullscreen ? maximized : standard;
                When_Shown(input(), [&] {
                    input_sizes.push_back(Settled_Size(input(), wanted));
                    QTest::mouseClick(input().cmd_Calc, Qt::LeftButton);
                    When_Shown(anim(), [&] {
                        anim_sizes.push_back(Settled_Size(anim(), wanted));
                        QTest::mouseClick(anim().cmd_Done, Qt::LeftButton);
                    });
                    QTest::mouseClick(input().cmd_Animate, Qt::LeftButton);
                });
                QTest::mouseClick(home().cmd_Input, Qt::LeftButton);
            }
        }
        QList<QSize> expected;
        for (int round = 0; round < 5; ++round) expected << maximized << standard;
        QCOMPARE(input_sizes, expected);
        QCOMPARE(anim_sizes, expected);
        QVERIFY(user.boxes.empty());
    }
};

// Xvfb picks a free display and tells its number; openbox signals that it manages the display.
int main(int argc, char** argv)
{
    int fds[2];
    if (pipe(fds) != 0) return 2;
    pid_t xvfb = fork();
    if (xvfb == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fds[0]);
        std::string fd = std::to_string(fds[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1600x1200x24", "-nolisten", "tcp",
               (char*)nullptr);
        _exit(127);
    }
    close(fds[1]);
    // The number comes in more than one write; the pipe stays open until its line has ended.
    std::string display = ":";
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') display += c;
    close(fds[0]);
    if (display == ":") return 2;
    setenv("DISPLAY", display.c_str(), 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    std::string ready = "/tmp/openbox-ready-" + std::to_string(getpid());
    pid_t wm = fork();
    if (wm == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        std::string cmd = "touch " + ready;
        execlp("openbox", "openbox", "--startup", cmd.c_str(), (char*)nullptr);
        _exit(127);
    }
    for (int i = 0; i < 400 && access(ready.c_str(), F_OK) != 0; ++i) usleep(25000);
    int rc = 1;
    if (unlink(ready.c_str()) != 0) {
        std::fprintf(stderr, "openbox did not start on %s\n", display.c_str());
    } else {
        QApplication app(argc, argv);
        Screens_Under_Window_Manager_Test t;
        rc = QTest::qExec(&t, argc, argv);
    }
    kill(wm, SIGTERM);
    waitpid(wm, nullptr, 0);
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);
    return rc;
}

#include "test_screens_under_window_manager.moc"
