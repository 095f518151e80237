#include "selection/frm_PlotType.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <functional>

#include "model/Mod_Main.h"
#include "platform/Control_Events.h"
#include "runtime/Report_Error.h"
#include "selection/Layout_Sketch.h"
#include "selection/frm_PlotSelect1.h"
#include "selection/frm_PlotSelect2.h"
#include "selection/frm_PlotSelect3.h"
#include "selection/frm_PlotSelect4.h"
#include "shell/Output_Layout.h"
#include "shell/frm_Help.h"
#include "shell/mod_Common.h"

namespace {
constexpr int Type_Width = 11850;
constexpr int Type_Height = 8950;

// A control's clicks and double clicks, run as the screen's handlers.
class Mouse_Clicks : public QObject {
public:
    Mouse_Clicks(Screen& s, QWidget* control, std::function<void()> click, std::function<void()> double_click)
        : QObject(control), s_(s), click_(std::move(click)), double_click_(std::move(double_click))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && click_) s_.Run_Handler(click_);
        if (event->type() == QEvent::MouseButtonDblClick) {
            s_.Run_Handler(double_click_);
            return true;
        }
        return false;
    }

private:
    Screen& s_;
    std::function<void()> click_, double_click_;
};

struct Panel_Shape {
    const char* caption;
    std::vector<int> pictures;  // Picture numbers, top to bottom
    bool polar;
};
const Panel_Shape Shapes[4] = {
    {"Single Window - One to Four Functions", {7}, false},
    {"Two Windows - Two Functions", {1, 2}, false},
    {"Four Windows - Four Functions", {3, 4, 5, 6}, false},
    {"Polar Plot - One to Four Functions", {8}, true},
};
// Grid cell of each panel: 2 top left, 1 top right, 0 bottom left, 3 bottom right.
const int Row[4] = {1, 0, 0, 1}, Column[4] = {0, 1, 0, 1};
}  // namespace

frm_PlotType::frm_PlotType() : Screen("frm_PlotType", Type_Width, Type_Height) { Build(); }

void frm_PlotType::Build()
{
    menu_bar = new QMenuBar(this);
    mnu_Help = Named_Control(menu_bar->addAction("Help"), "mnu_Help");

    SSPanel1 = Named_Control(new QFrame(this), "SSPanel1");
    static_cast<QFrame*>(SSPanel1)->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* panels = new QGridLayout(SSPanel1);
    panels->setSpacing(12);
    Screen& s = *this;
    for (int k = 0; k <= 3; ++k) {
        opt_PickPlot[k] = Named_Control(new QRadioButton("Select", SSPanel1), QString("opt_PickPlot_%1").arg(k));
        frm_Plotstyle[k] = Named_Control(new QGroupBox(Shapes[k].caption, SSPanel1), QString("frm_Plotstyle_%1").arg(k));
        auto* sketches = new QVBoxLayout(frm_Plotstyle[k]);
        sketches->setSpacing(4);
        for (int n : Shapes[k].pictures) {
            Picture[n] = Named_Control(new Layout_Sketch(Shapes[k].polar ? Layout_Sketch::Kind::Polar : Layout_Sketch::Kind::Cartesian, frm_Plotstyle[k]), QString("Picture%1").arg(n));
            sketches->addWidget(Picture[n], 1);
            new Mouse_Clicks(s, Picture[n], [this, k] { Picture_Click(k); }, [this, k] { Picture_DblClick(k); });
        }
        new Mouse_Clicks(s, opt_PickPlot[k], nullptr, [this] { cmd_PickPlotDone_Click(); });
        On_Click(s, opt_PickPlot[k], [this] { cmd_PickPlotDone->setEnabled(true); });

        auto* cell = new QVBoxLayout;
        cell->setSpacing(0);
        cell->addWidget(opt_PickPlot[k], 0, Qt::AlignRight);
        cell->addWidget(frm_Plotstyle[k], 1);
        panels->addLayout(cell, Row[k], Column[k]);
    }
    cmd_CancelPickPlot = Named_Control(new QPushButton("< &Back", this), "cmd_CancelPickPlot");
    cmd_PickPlotDone = Named_Control(new QPushButton("&Next >", this), "cmd_PickPlotDone");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmd_CancelPickPlot);
    buttons->addWidget(cmd_PickPlotDone);
    buttons->addStretch(1);

    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menu_bar);
    root->setContentsMargins(8, 4, 8, 8);
    root->addWidget(SSPanel1, 1);
    root->addLayout(buttons);

    opt_PickPlot[2]->setChecked(true);
    On_Click(s, cmd_PickPlotDone, [this] { cmd_PickPlotDone_Click(); });
    On_Click(s, cmd_CancelPickPlot, [this] { cmd_CancelPickPlot_Click(); });
    On_Click(s, mnu_Help, [this] { mnu_Help_Click(); });
}

void frm_PlotType::Form_Activate()
{
    Trap_Errors("frm_PlotType.activate", [this] {
        if (store().Full_Screen) Maximize_Screen(*this, Type_Height, Type_Width);
        else Reset_Screen(*this, Type_Height, Type_Width);
    });
}

void frm_PlotType::Picture_Click(int k)
{
    opt_PickPlot[k]->setChecked(true);
    cmd_PickPlotDone->setEnabled(true);
}

void frm_PlotType::Picture_DblClick(int k)
{
    opt_PickPlot[k]->setChecked(true);
    cmd_PickPlotDone_Click();
}

void frm_PlotType::cmd_PickPlotDone_Click()
{
    Model_Store& s = store();
    for (int k = 0; k <= 3; ++k)
        if (opt_PickPlot[k]->isChecked()) s.Plot_Type = static_cast<int16_t>(k + 1);
    Hide();
    Screen* selection = nullptr;
    switch (s.Plot_Type) {
    case 1: selection = &Form<frm_PlotSelect1>(); break;
    case 2: selection = &Form<frm_PlotSelect2>(); break;
    case 3: selection = &Form<frm_PlotSelect3>(); break;
    case 4: selection = &Form<frm_PlotSelect4>(); break;
    default: return;
    }
    Centerform(*selection);
    selection->Show_Modal();
}

void frm_PlotType::cmd_CancelPickPlot_Click() { Hide(); }

void frm_PlotType::mnu_Help_Click()
{
    Show_Help_Over(*this, "linkages/linkage_plot_help.pdf", "frm_plottype.mnu_Help_Click");
}
