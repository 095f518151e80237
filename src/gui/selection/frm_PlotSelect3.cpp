#include "selection/frm_PlotSelect3.h"

#include "model/Mod_Main.h"
#include "output/frm_MyPlot3.h"
#include "output/frm_Plot3.h"

frm_PlotSelect3::frm_PlotSelect3()
    : Plot_Select_Screen({"frm_PlotSelect3", 4, 4, "Four Windows - Four Functions", {3, 4, 5, 6}, true, "cmd_Cancel"})
{
    cmd_Cancel = Back_Button();
}

void frm_PlotSelect3::Form_Activate()
{
    Size_Screen();
    store().Num_Plots = 4;
    cmd_Done->setEnabled(false);
    Load_Slot_Lists();
    Load_Presets(cmb_Preset, 4);
    Global_Frame();
    Set_Setup_Method(*this, 4);
    Clear_Labels(*this, 4);
    Plot_Style_Reset();
}

void frm_PlotSelect3::cmb_Preset_Click()
{
    Model_Store& s = store();
    Clear_Labels(*this, 4);
    s.Num_Plots = 4;
    Apply_Preset(*this, 4);
    s.Num_Functions = 4;
    Slot_Check();
}

void frm_PlotSelect3::cmb_Preset_DblClick()
{
    cmb_Preset_Click();
    cmd_Done_Click();
}

void frm_PlotSelect3::cmd_Done_Click() { Next_By_Style(Form<frm_MyPlot3>(), Form<frm_Plot3>()); }
