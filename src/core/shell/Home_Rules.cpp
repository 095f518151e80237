#include "shell/Home_Rules.h"

#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "shell/mod_Animate.h"

Status_Panel::Status_Panel()
{
    text[9] = "Units are:";
    visible[9] = true;
    visible[10] = true;
}

void Update_Status_Panel(Status_Panel& panel)
{
    const Model_Store& s = store();
    std::string units = Units_Name(s.Unit_System);
    if (!units.empty()) panel.text[10] = units;
    if (!s.Calc_Done) {
        for (int i = 0; i <= 8; ++i) panel.visible[i] = false;
        return;
    }
    panel.text[0] = s.Disk_File ? "DiskFile" : "Calculated";
    panel.visible[0] = true;
    panel.text[1] = "Dynamics";
    panel.visible[1] = s.Dynamics_Done;
    panel.text[2] = "Flywheel";
    panel.visible[2] = s.Flywheel_Done;
    panel.text[3] = "FFT Done";
    panel.visible[3] = s.FFT_Done;
    panel.text[4] = "Saved";
    panel.visible[4] = s.Model_Saved;
}

Result_Buttons Home_Result_Buttons()
{
    const Model_Store& s = store();
    Result_Buttons b;
    if (!s.Calc_Done) return b;
    b.Print = b.Dynamics = b.Animate = true;
    b.Plot = s.Calc_Type > 1;
    return b;
}

Home_Menus Home_Activation_Enables()
{
    const Model_Store& s = store();
    Home_Menus m;
    m.New = m.Save = m.Saveas = s.Calc_Done;
    m.CalcFFT = s.Calc_Done && s.Calc_Type == 3;
    m.Flywheel = s.Dynamics_Done && s.Calc_Type == 3;
    return m;
}

bool Unsaved_Results()
{
    const Model_Store& s = store();
    return s.Calc_Done && !s.Model_Saved;
}

void Reset_Model_Store()
{
    Initialize();
    Clear_Results();
    Model_Store& s = store();
    Withdraw_Results();
    s.Disk_File = s.Model_Saved = false;
    s.Model_Title = "";
}
