#include "output/Own_Plots_Screen.h"

#include <QCheckBox>

#include "model/Mod_Main.h"
#include "output/Own_Plots.h"
#include "output/frm_MyPlot4.h"
#include "platform/Qt_Text.h"
#include "runtime/Report_Error.h"
#include "shell/mod_Animate_Screen.h"

namespace {
constexpr int16_t Time_Steps = 2;

// A chart's picture as a canvas that draws a curve in one pass.
class Chart_Canvas : public Picture_Canvas {
public:
    explicit Chart_Canvas(Picture_Box& box) : Picture_Canvas(box), box_(box) {}
    void Polyline_To(const float* x, const float* y, int count, int32_t colour) override
    {
        box_.Polyline_To(x, y, count, colour);
    }

private:
    Picture_Box& box_;
};

void Put(QLabel* label, const std::string& text)
{
    if (label) label->setText(Q_Text(text));
}

// Chart g of the screen; a chart the screen does not have is the subscript error.
Own_Chart& Chart_Of(Own_Plot_Controls& Form, int g)
{
    if (g < 0 || g >= static_cast<int>(Form.Chart.size()) || !Form.Chart[static_cast<size_t>(g)]) Raise(Err::Subscript);
    return *Form.Chart[static_cast<size_t>(g)];
}

void Put_Run_Labels(Own_Plot_Controls& Form)
{
    if (store().Calc_Type == Time_Steps)
        Put_Time_Labels(Form);
    else
        Put_Angle_Labels(Form);
}
}  // namespace

void MyPlotSetup(Own_Plot_Controls& Form, int16_t& NumGraphs)
{
    Trap_Errors("MyPlotSetup", [&] {
        Titlebox(Form);
        for (int g = 0; g < NumGraphs; ++g) Put(Chart_Of(Form, g).pnl_BottomTitle, Bottom_Title());
        Put_Angle_Labels(Form);
        Form.fra_Initial->setVisible(true);
        Put_Coordinate_Labels(Form, store().Coord_System);
    });
}

void MyPlot(Own_Plot_Controls& Form, const Accepted_Functions& SelectForm, int16_t& NumGraphs)
{
    Trap_Errors("MyPlot", [&] {
        for (int g = 0; g < NumGraphs; ++g) {
            Own_Chart& c = Chart_Of(Form, g);
            Chart_Canvas pic(*c.pct_Plot);
            Chart_Panels p = Draw_Chart(pic, static_cast<int16_t>(g), NumGraphs, SelectForm);
            Put(c.pnl_LeftTitle, p.LeftTitle);
            Put(c.pnl_Comp, p.Comp);
            Put(c.pnl_PlotUnits, p.PlotUnits);
            Put(c.pnl_Xmin, p.Xmin);
            Put(c.pnl_X1, p.X1);
            Put(c.pnl_X2, p.X2);
            Put(c.pnl_X3, p.X3);
            Put(c.pnl_Xmax, p.Xmax);
            Put(c.pnl_Ymax, p.Ymax);
            Put(c.pnl_Ymin, p.Ymin);
            if (NumGraphs > 1) {
                Put(c.lbl_Min, p.Min);
                Put(c.lbl_Max, p.Max);
                Put(c.lbl_Peak, p.Peak);
            }
            c.pct_Plot->Flush();
        }
    });
}

void MyPolarPlotSetup(frm_MyPlot4& Form)
{
    Trap_Errors("MyPolarPlotSetup", [&] {
        Model_Store& s = store();
        Form.Chart[0]->pct_Plot->Cls();
        Titlebox(Form);
        Put_Run_Labels(Form);
        s.Show_Vectors = Form.chk_Vectors->isChecked();
        s.Show_Envelope = Form.chk_Envelope->isChecked();
        Form.fra_Initial->setVisible(true);
        Put_Coordinate_Labels(Form, s.Coord_System);
        Set_Polar_Mode();
    });
}

void MyPolarPlot(frm_MyPlot4& Form, const Accepted_Functions& SelectForm)
{
    Trap_Errors("MyPolarPlot", [&] {
        Own_Chart& c = Chart_Of(Form, 0);
        Chart_Canvas pic(*c.pct_Plot);
        Polar_Panels p;
        Form.Plotted = false;
        if (!Draw_Polar(pic, SelectForm, p)) return;
        Form.Plotted = true;
        Put(Form.lbl_Header2, p.Header2);
        Put(Form.lbl_Header3, p.Header3);
        Put(c.pnl_LeftTitle, p.LeftTitle);
        Put(c.pnl_PlotUnits, p.PlotUnits);
        Put(c.pnl_Ymax, p.Ymax);
        Put(c.pnl_Xmax, p.Xmax);
        Put(c.pnl_Ymin, p.Ymin);
        Put(c.pnl_Xmin, p.Xmin);
        c.pct_Plot->Flush();
    });
}

void MyPolarStep(frm_MyPlot4& Form, int16_t& Step)
{
    Trap_Errors("MyPolarStep", [&] {
        Chart_Canvas pic(*Form.Chart[0]->pct_Plot);
        Step_Panels p = Draw_Polar_Step(pic, Step);
        Put(Form.lbl_StepLabel, p.StepLabel);
        Put(Form.lbl_StepUnit, p.StepUnit);
        Put(Form.lbl_StepNumber, p.StepNumber);
        Put(Form.pnl_vector[0], p.Magnitude);
        Put(Form.pnl_vector[1], p.Angle);
        Form.Chart[0]->pct_Plot->Flush();
    });
}
