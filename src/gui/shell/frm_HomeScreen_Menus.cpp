// The home screen's units, examples, user, screen-size and help menus.
#include "model/Mod_Examples.h"
#include "model/Mod_VastrelW.h"
#include "platform/Screen.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"
#include "shell/Shell_Support.h"
#include "shell/frm_Help.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Inputnew.h"
#include "shell/mod_Animate.h"

namespace {
constexpr int32_t Home_Design_Width = 11850;
constexpr int32_t Home_Design_Height = 9480;
}  // namespace

void frm_HomeScreen::mnu_pick_Click(int16_t Index)
{
    for (int i = 1; i <= 5; ++i) mnu_pick[i]->setChecked(false);
    mnu_pick[Index]->setChecked(true);
    Model_Store& s = store();
    int16_t Old = s.Unit_System;
    s.Unit_System = Index;
    if (Index == Old) return;
    int16_t count = static_cast<int16_t>(s.Num_Units + 1);
    Set_Unit_Labels(Index, s.Unit_Label, count);
    Set_Decimals(s.Unit_System);
    Convert_Units(Old, s.Unit_System);
    Withdraw_Results();
    Update_Status();
    frm_Inputnew& input = Form<frm_Inputnew>();
    Centerform(input);
    input.Show_Modeless();
}

void frm_HomeScreen::mnu_Examples_Click()
{
    Update_Status();
    store().Disk_File = false;
}

void frm_HomeScreen::Load_Example(bool unity)
{
    if (unity) Load_Unity_Example();
    else Load_Nonunity_Example();
    Model_Store& s = store();
    s.Calc_Type = 3;
    int16_t Choice = Choice_Code::Retry;
    Calculate_Angle_Steps(Choice);
    s.Calc_Done = true;
    s.Dynamics_Done = false;
    cmd_Input_Click();
    Set_Home_Buttons();
}

void frm_HomeScreen::mnu_UserName_Click()
{
    MsgBox("User Name is " + store().Login_Name, Msg::Ok_Only | Msg::Information);
}

void frm_HomeScreen::mnu_FilePath_Click()
{
    MsgBox("Path for saved files is " + store().File_Path, Msg::Ok_Only | Msg::Information);
}

void frm_HomeScreen::mnu_AppPath_Click()
{
    MsgBox("The application path is " + store().App_Path, Msg::Ok_Only | Msg::Information);
}

void frm_HomeScreen::mnu_Standardsize_Click()
{
    store().Full_Screen = false;
    Reset_Screen(*this, Home_Design_Height, Home_Design_Width);
}

void frm_HomeScreen::mnu_Fullscreen_Click()
{
    store().Full_Screen = true;
    Maximize_Screen(*this, Home_Design_Height, Home_Design_Width);
}

void frm_HomeScreen::Help_Command(const std::string& menu)
{
    for (const Help_Document& doc : Home_Help_Documents()) {
        if (doc.menu != menu) continue;
        // These two hide the home screen while the help window comes up.
        if (menu == "mnu_AnimateHelp" || menu == "mnu_DynamicsHelp")
            Show_Help_Over(*this, doc.path, doc.error_name);
        else
            Trap_Errors(doc.error_name, [&] { Show_Help_Document(doc.path); });
        return;
    }
}
