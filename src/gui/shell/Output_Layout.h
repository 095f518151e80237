// The layout every output screen shares: the screen's own content on the left; on the right the
// form header, the report titles, the "Linkage Data", "Initial Conditions", circuit and
// coordinate-frame panels and the screen's own options; the command bar along the bottom.
//
// How a screen uses it: inherit Output_Layout, call Build_Output_Layout(*this, *this, parts) in the
// constructor, then put its charts or grid into Content, its option frames into Side (below the
// panels), and create its buttons with Command (left of the bar, in order), Back_Command and
// Next_Command (right). Titlebox, the Put_*_Labels routines and Put_Coordinate_Labels then write
// into it; a screen with the label panels registers it with Register_Output_Label_Panel when a
// valid range entry must relabel it.
#pragma once
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdint>

#include "shell/Formsubs_Screen.h"
#include "shell/mod_Common.h"

class Screen;

// The optional parts of the side panel; the header and command bar are always there.
enum Output_Part : unsigned {
    Report_Titles = 1,  // lbl_Header2, lbl_Header3
    Label_Panels = 2,   // fra_Links, fra_Initial, lbl_Circuit with the label arrays
    Coord_Frame = 4,    // fra_Coord with lbl_Coord
    Help_Menu = 8,      // a menu bar with mnu_Help "Help"
    All_Output_Parts = Report_Titles | Label_Panels | Coord_Frame,
};

struct Output_Layout : Has_Header, Output_Label_Panel {
    QLabel* lbl_Header2 = nullptr;
    QLabel* lbl_Header3 = nullptr;
    QGroupBox* fra_Links = nullptr;
    QGroupBox* fra_Initial = nullptr;
    QLabel* lbl_Circuit = nullptr;
    QGroupBox* fra_Coord = nullptr;
    QLabel* lbl_Coord = nullptr;
    QMenuBar* menu_bar = nullptr;
    QAction* mnu_Help = nullptr;

    // Where the screen's own controls go.
    QVBoxLayout* Content = nullptr;
    QVBoxLayout* Side = nullptr;

    QPushButton* Command(const char* name, const char* caption);
    QPushButton* Back_Command(const char* name);
    QPushButton* Next_Command(const char* name);

private:
    friend void Build_Output_Layout(Screen&, Output_Layout&, unsigned);
    QWidget* owner_ = nullptr;
    QHBoxLayout* own_commands_ = nullptr;
    QHBoxLayout* wizard_commands_ = nullptr;
};

void Build_Output_Layout(Screen& screen, Output_Layout& form, unsigned parts);

// lbl_Coord names the frame of the vectors: "Local Rotating" when Local is not 0, else "Global".
void Put_Coordinate_Labels(Output_Layout& Form, int16_t Local);

// A control with its object name, so tests and scripts find it by name.
template <class W>
W* Named_Control(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}
