// What the small screens around the home screen share: their sizing at activation and the
// banner font of the program's name.
#pragma once
#include <QFrame>
#include <QLabel>
#include <QWidget>
#include <functional>

class Screen;

// The title, notice and user screens: fitted to a display too low for them, otherwise at their
// design size (the title screen) or by the screen-size choice (the others).
void Size_Start_Screen(Screen& s, bool title_screen);
// The about and quit screens: by the screen-size choice.
void Size_By_Choice(Screen& s);

// Runs the handler on a mouse press on the screen or any of its labels, frames and panels
// (buttons keep their own clicks).
void On_Click_Anywhere(Screen& s, std::function<void()> handler);

// The title panel that the title and about screens carry: the program's name, its header line
// and the release line.
struct Title_Panel {
    QFrame* pnl_Title = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblHeader = nullptr;
    QLabel* lbl_Version = nullptr;
};
Title_Panel Build_Title_Panel(QWidget* parent);
