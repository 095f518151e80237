#include "selection/frm_PlotSelect1.h"

#include "model/Mod_Main.h"
#include "output/Graph_Plots.h"
#include "output/frm_Plot1.h"
#include "platform/Control_Events.h"
#include "runtime/Ui_Port.h"
#include "selection/Plot_Selection.h"
#include "shell/mod_Common.h"

frm_PlotSelect1::frm_PlotSelect1()
    : Plot_Select_Screen({"frm_PlotSelect1", 4, 1, "Single Window - Up to Four Functions", {7}, false, "cmd_Cancel"})
{
    cmd_Cancel = Back_Button();
}

void frm_PlotSelect1::Form_Activate()
{
    Model_Store& s = store();
    Size_Screen();
    s.Num_Plots = 1;
    cmd_Done->setEnabled(false);
    Load_Slot_Lists();
    Load_Presets(cmb_Preset, 4);
    Global_Frame();
    Set_Setup_Method(*this, 4);
    if (Mix_And_Match()) {
        for (int k = 2; k <= 4; ++k) cmd_Clear_Click(k);
        for (int k = 2; k <= 4; ++k) OK_Button(k)->setEnabled(false);
    }
    Clear_Labels(*this, 4);
}

void frm_PlotSelect1::Slot_Check()
{
    Model_Store& s = store();
    const Slot_Count filled = Count_Slots(Accepted, 4);
    s.Num_Functions = filled.highest;
    if (filled.highest == 0) cmd_Done->setEnabled(false);
    if (filled.highest != filled.count) {
        MsgBox(Gap_Message, Msg::Ok_Only + Msg::Exclamation);
        cmd_Done->setEnabled(false);
    }
}

void frm_PlotSelect1::Preset_Acceptance()
{
    store().Num_Functions = 4;
    Apply_Preset(*this, 4);
}

void frm_PlotSelect1::cmb_Preset_Click()
{
    Clear_Labels(*this, 4);
    Preset_Acceptance();
}

void frm_PlotSelect1::cmb_Preset_DblClick()
{
    Preset_Acceptance();
    cmd_Done_Click();
}

void frm_PlotSelect1::cmb_Preset_Change()
{
    // Only a choice from the list is a preset.
    {
        auto quiet = Suspend_Events();
        cmb_Preset->Set_Text("");
    }
    if (!Mix_And_Match()) Set_Focus(cmb_Preset);
}

void frm_PlotSelect1::cmd_Done_Click()
{
    Model_Store& s = store();
    Set_Coordinate_Frame();
    frm_Plot1& plot = Form<frm_Plot1>();
    Plot_Setup(plot, s.Num_Plots);
    MultiPlot(plot, Accepted);
    Leave_For_Plot();
    Centerform(plot);
    plot.Show_Modal();
}
