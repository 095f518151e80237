#include "selection/frm_PlotSelect2.h"

#include "model/Mod_Main.h"
#include "output/frm_Myplot2.h"
#include "output/frm_Plot2.h"

frm_PlotSelect2::frm_PlotSelect2()
    : Plot_Select_Screen({"frm_PlotSelect2", 2, 2, "Two Windows - Two Functions", {1, 2}, true, "cmd_CancelPlotData"})
{
    cmd_CancelPlotData = Back_Button();
}

void frm_PlotSelect2::Form_Activate()
{
    Size_Screen();
    store().Num_Plots = 2;
    cmd_Done->setEnabled(false);
    Set_Setup_Method(*this, 2);
    Clear_Labels(*this, 2);
    Load_Slot_Lists();
    Load_Presets(cmb_Preset, 2);
    Plot_Style_Reset();
    Global_Frame();
}

void frm_PlotSelect2::After_OK(int k)
{
    if (k == 2) store().Num_Functions = 2;
}

void frm_PlotSelect2::cmb_Preset_Click()
{
    Model_Store& s = store();
    Clear_Labels(*this, 2);
    s.Num_Plots = 2;
    s.Num_Functions = 2;
    s.Num_Columns = 2;
    Apply_Preset(*this, 2);
    Slot_Check();
}

void frm_PlotSelect2::cmb_Preset_DblClick()
{
    cmb_Preset_Click();
    cmd_Done_Click();
}

void frm_PlotSelect2::cmd_Done_Click() { Next_By_Style(Form<frm_Myplot2>(), Form<frm_Plot2>()); }
