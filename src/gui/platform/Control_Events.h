// One-line wiring of the control events the screens rely on:
// - Click and Change follow the controls' value-changed signals, so code that sets a value
//   raises them as a user would, and only when the value really changes;
// - a screen's Suspend_Events guard silences all of them;
// - leaving a box commits only when the focus moves inside the program (a message box
//   opening or a switch to another application is not a leave), and a press on a button that
//   moved the focus out of a box whose commit put up a message box still clicks the button;
// - Enter is handled per control; buttons press on Enter when focused, none is a default.
#pragma once
#include <functional>

class QAction;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;
class Combo_Box;
class Simple_Combo;
class Screen;

using Handler = std::function<void()>;

void On_Click(Screen& s, QPushButton* button, Handler h);
// Receives the new value.
void On_Click(Screen& s, QCheckBox* box, std::function<void(bool)> h);
// Runs when the option becomes selected.
void On_Click(Screen& s, QRadioButton* option, Handler h);
// A list choice by the user or a list index set by code.
void On_Click(Screen& s, Combo_Box* combo, Handler h);
void On_Click(Screen& s, Simple_Combo* combo, Handler h);
void On_Click(Screen& s, QAction* menu_item, Handler h);
// A double click on an item of a simple combo's open list.
void On_Double_Click(Screen& s, Simple_Combo* combo, Handler h);

void On_Change(Screen& s, QLineEdit* box, Handler h);
// Typing in the edit part, or a text set by code.
void On_Change(Screen& s, Combo_Box* combo, Handler h);
void On_Change(Screen& s, Simple_Combo* combo, Handler h);
// The value settled: an arrow or track click, the thumb released, or a value set by code.
void On_Change(Screen& s, QScrollBar* bar, Handler h);
// The thumb is being dragged.
void On_Scroll(Screen& s, QScrollBar* bar, Handler h);

void On_Lost_Focus(Screen& s, QWidget* control, Handler h);
// The focus arrives by a move inside the program, or by the window coming up on a control that
// did not have it before (not on a return from a message box, dialog or other application).
void On_Got_Focus(Screen& s, QWidget* control, Handler h);
// Enter (either key) in the control; the key goes no further.
void On_Enter(Screen& s, QWidget* control, Handler h);
// Enter in a box that holds a number, or the box left: the box is committed. The handler learns
// whether the user changed the number since the program last wrote the box or it was last
// committed (a number typed anew in another form, "2.50" for "2.5", is no change).
void On_Commit(Screen& s, QLineEdit* box, std::function<void(bool changed)> h);
// A text box (or the edit part of a combo box) selects its whole text whenever it receives
// the focus, also by a mouse click.
void Select_All_On_Focus(QWidget* control);

// Moves the focus; ignored for a hidden or disabled control.
void Set_Focus(QWidget* control);
