#include "output/Graph_Plots.h"

#include "dynamics/frm_FFT.h"
#include "model/Mod_Main.h"
#include "output/Graph_Plot_Data.h"
#include "output/Report_Output.h"
#include "platform/Graph_Control.h"
#include "platform/Qt_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Runtime_Error.h"

namespace {
Graph_Control& Chart(Graph_Plot_Form& Form, int g)
{
    if (g < 0 || g >= static_cast<int>(Form.grf_Plot.size()) || !Form.grf_Plot[static_cast<size_t>(g)])
        Raise(Err::Subscript);
    return *Form.grf_Plot[static_cast<size_t>(g)];
}

// The points of the addressed curve: value and x label of each.
void Write_Points(Graph_Control& plot, const std::vector<float>& values, const std::vector<std::string>& labels)
{
    for (size_t i = 0; i < values.size(); ++i) {
        plot.ThisPoint(static_cast<int16_t>(i + 1));
        plot.GraphData(values[i]);
        plot.LabelText(labels[i]);
    }
}
}  // namespace

void Plot_Setup(Graph_Plot_Form& Form, int16_t& NumGraphs)
{
    Trap_Errors("Plot_Setup", [&] {
        const Model_Store& s = store();
        const Plot_Axis axis = Current_Plot_Axis();
        for (int g = 0; g < NumGraphs; ++g) {
            Titlebox(Form);
            SetGridstyle(Form, NumGraphs);
            Graph_Control& plot = Chart(Form, g);
            plot.TickEvery(axis.Tick_Every);
            plot.LabelEvery(axis.Label_Every);
            plot.NumSets(NumGraphs == 1 ? s.Num_Functions : 1);
            plot.NumPoints(axis.Points);
            plot.BottomTitle(axis.Bottom_Title);
            if (axis.Kind == Plot_X::Time) Put_Time_Labels(Form);
            else Put_Angle_Labels(Form);
            plot.FontUse(4);
            plot.FontSize(90);
            plot.FontStyle(2);
            plot.FontFamily(1);
            plot.FontUse(0);
            plot.FontSize(90);
        }
        Set_Report_Titles(::Form<frm_FFT>().Chosen_Variable());
        if (Form.lbl_Header2) Form.lbl_Header2->setText(Q_Text(s.Report_Title));
        // The Fourier title only over charts of Fourier data, as their axis is: a listing's
        // earlier Fourier columns say nothing about what is charted.
        if (Form.lbl_Header3) Form.lbl_Header3->setText(Q_Text(s.FFT_Variable ? s.Report_Title2 : ""));
        Put_Coordinate_Labels(Form, s.Coord_System);
        if (Form.fra_Initial) Form.fra_Initial->setVisible(true);
    });
}

void MultiPlot(Graph_Plot_Form& PlotForm, const Accepted_Functions& SelectForm)
{
    PlotForm.Charted = SelectForm;
    Trap_Errors("MultiPlot", [&] {
        const Plot_Axis axis = Current_Plot_Axis();
        const std::vector<std::string> labels = Plot_X_Labels(axis);
        const Chart_Content chart = MultiPlot_Chart(SelectForm, axis);
        Graph_Control& plot = Chart(PlotForm, 0);
        plot.DrawMode(2);
        for (size_t c = 0; c < chart.Curves.size(); ++c) {
            const Chart_Curve& curve = chart.Curves[c];
            plot.NumPoints(axis.Points);
            plot.ThisSet(static_cast<int16_t>(c + 1));
            plot.PatternedLines(1);
            plot.PatternData(curve.Pattern);
            plot.LegendText(curve.Legend);
            Write_Points(plot, curve.Values, labels);
        }
    });
}

void Plot(Graph_Plot_Form& PlotForm, const Accepted_Functions& SelectForm, int16_t& NumGraphs)
{
    PlotForm.Charted = SelectForm;
    Trap_Errors("Plot", [&] {
        const Plot_Axis axis = Current_Plot_Axis();
        const std::vector<std::string> labels = Plot_X_Labels(axis);
        for (int16_t g = 0; g < NumGraphs; ++g) {
            const Chart_Content chart = Plot_Chart(SelectForm, axis, g);
            Graph_Control& plot = Chart(PlotForm, g);
            plot.DrawMode(2);
            plot.ThisSet(1);
            plot.PatternedLines(1);
            plot.PatternData(0);
            plot.ThickLines(0);
            plot.GraphTitle(chart.Title);
            plot.LegendText(chart.Curves[0].Legend);
            Write_Points(plot, chart.Curves[0].Values, labels);
        }
    });
}
