#include "selection/frm_PlotSelect4.h"

#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"
#include "output/frm_MyPlot4.h"
#include "platform/Control_Events.h"
#include "shell/mod_Common.h"

frm_PlotSelect4::frm_PlotSelect4()
    : Plot_Select_Screen({"frm_PlotSelect4", 1, 1, "Polar Plot - One Function", {8}, false, "cmd_CancelPlotData", true})
{
    Label1 = lbl_Var[0];
    cmd_CancelPlotData = Back_Button();
}

void frm_PlotSelect4::Form_Activate()
{
    Size_Screen();
    store().Num_Plots = 1;
    cmd_Done->setEnabled(false);
    Load_Polar_Variables(cmb_Var1);
    Set_Focus(cmb_Var1);
    Set_Function_Label(0, "");
    Global_Frame();
}

void frm_PlotSelect4::cmb_Var_Click(int)
{
    Model_Store& s = store();
    Combo_Box* box = cmb_Var1;
    Set_Function_Label(0, "");
    cmd_Done->setEnabled(false);
    Set_Variable(Offered_Text(box), 1);
    if (s.Local_Allowed) {
        Toggle_Coordinate(*this, true);
    } else {
        Toggle_Coordinate(*this, false);
        opt_Coord[0]->setChecked(true);
    }
    Set_Function_Label(0, box->List_Index() >= 0 ? box->List(box->List_Index()) : "");
    cmd_Done->setEnabled(true);
}

void frm_PlotSelect4::cmd_Clear_Click(int)
{
    cmb_Var1->Set_List_Index(-1);
    cmd_Done->setEnabled(false);
}

void frm_PlotSelect4::cmd_Done_Click()
{
    Model_Store& s = store();
    Set_Coordinate_Frame();
    s.Num_Functions = 1;
    Leave_For_Plot();
    frm_MyPlot4& plot = Form<frm_MyPlot4>();
    MyPolarPlotSetup(plot);
    Centerform(plot);
    plot.Show_Modal();
}
