// The home screen, hub of the program: the seven command buttons, the menu bar with the
// model-file commands, units, examples, user, screen-size, help and about entries, and the
// status panel showing the units system and which results are valid.
#pragma once
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <array>
#include <string>

#include "model/Mod_Main.h"
#include "platform/Common_Dialog.h"
#include "platform/Screen.h"
#include "runtime/Number_Text.h"
#include "shell/mod_Common.h"

class frm_HomeScreen : public Screen, public Has_Units_Menu {
    Q_OBJECT
public:
    frm_HomeScreen();

    QPushButton* cmd_Input;
    QPushButton* cmd_Animate;
    QPushButton* cmd_Dynamics;
    QPushButton* cmd_Flywheel;
    QPushButton* cmd_Plot;
    QPushButton* cmd_Print;
    QPushButton* cmd_Quit;
    QGroupBox* pnl_Status;
    std::array<QLabel*, 11> lbl_Status{};
    Common_Dialog CommonDialog1;

    QMenuBar* menu_bar;
    QMenu *mnu_File, *mnu_Units, *mnu_Examples, *mnu_FFT, *mnu_User, *mnu_Screen, *mnu_HelpHeader, *mnu_Menu,
        *mnu_Buttons, *mnu_InputHelp, *mnu_Version;
    QAction *mnu_New, *mnu_Open, *mnu_Save, *mnu_Saveas, *mnu_Quit;
    QAction *mnu_Unity, *mnu_Nonunity, *mnu_CalcFFT;
    QAction *mnu_UserName, *mnu_FilePath, *mnu_AppPath, *mnu_ChangeUser;
    QAction *mnu_Standardsize, *mnu_Fullscreen;
    QAction *mnu_CopyHelp, *mnu_FileHelp, *mnu_UnitsHelp, *mnu_ExampleHelp, *mnu_FFTHelp, *mnu_Linkdata,
        *mnu_LinkCalc, *mnu_AnimateHelp, *mnu_PlotHelp, *mnu_PrintHelp, *mnu_DynamicsHelp, *mnu_FlywheelHelp,
        *mnu_Manual;
    QAction *mnu_About, *mnu_Disclaimer;

    // Buttons and the screens they open
    void cmd_Input_Click();
    void cmd_Animate_Click();
    void cmd_Dynamics_Click();
    void cmd_Flywheel_Click();
    void cmd_Plot_Click();
    void cmd_Print_Click();
    void mnu_CalcFFT_Click();
    void mnu_About_Click();
    void mnu_Disclaimer_Click();
    void mnu_ChangeUser_Click();

    // Model-file commands
    void mnu_New_Click();
    void mnu_Open_Click();
    void mnu_Save_Click();
    void mnu_Saveas_Click();
    // Quit by the button, the menu or the close box: Save As for unsaved results, then the quit screen.
    void Quit_Path();

    // Menus
    void mnu_pick_Click(int16_t Index);
    void mnu_Examples_Click();
    void Load_Example(bool unity);
    void mnu_UserName_Click();
    void mnu_FilePath_Click();
    void mnu_AppPath_Click();
    void mnu_Standardsize_Click();
    void mnu_Fullscreen_Click();
    void Help_Command(const std::string& menu);

    // The activation sequence (also run again by New).
    void Activate_Home();

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Close_Box() override;

private:
    void Build_Menus();
    void Build_Body();
    void Connect_Handlers();
};

void Update_Status();
void Set_Home_Buttons();
// The model changed under its results: they are withdrawn, and the status panel and the result
// buttons say so at once.
void Withdraw_And_Update_Home();
// The model returns to its defaults for New and Open.
void Reset_Model();
// The model file named on the command line, read at start-up.
void Open_Clicked_File();
// The text of the command line after the program's name (set by the program's entry).
void Set_Command_Line(const std::string& text);

// Writes the crank-range boxes txt_Initial(0..3) of a screen.
template <class S>
void Put_Initial_Values(S& screen)
{
    const Model_Store& s = store();
    screen.txt_Initial[0]->setText(QString::fromStdString(Plain(Val(s.Min_Theta_Text))));
    screen.txt_Initial[1]->setText(QString::fromStdString(Plain(Val(s.Max_Theta_Text))));
    screen.txt_Initial[2]->setText(QString::fromStdString(Plain(Val(s.Delta_Theta_Text))));
    screen.txt_Initial[3]->setText(QString::fromStdString(Plain(s.Omega_Zero)));
}
