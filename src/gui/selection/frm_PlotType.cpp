#include "selection/frm_PlotType.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>
#include <cmath>
#include <functional>

#include "model/Mod_Main.h"
#include "platform/Control_Events.h"
#include "runtime/Report_Error.h"
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

// One chart of a layout, drawn to the widget's size: a curve on axes, or a polar grid.
class Chart_Sketch : public QWidget {
public:
    Chart_Sketch(bool polar, QWidget* parent) : QWidget(parent), polar_(polar)
    {
        setMinimumSize(40, 24);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
        p.fillRect(r, Qt::white);
        p.setPen(QPen(Qt::black, 1));
        p.drawRect(r);
        if (polar_) {
            const double radius = std::min(r.width(), r.height()) * 0.44;
            const QPointF c = r.center();
            p.setPen(QPen(Qt::darkGray, 1));
            for (int ring = 1; ring <= 3; ++ring) p.drawEllipse(c, radius * ring / 3, radius * ring / 3);
            for (int spoke = 0; spoke < 12; ++spoke) {
                const double a = spoke * M_PI / 6;
                p.drawLine(c, c + QPointF(radius * std::cos(a), -radius * std::sin(a)));
            }
            return;
        }
        const QRectF plot = r.adjusted(r.width() * 0.08, r.height() * 0.12, -r.width() * 0.04, -r.height() * 0.12);
        p.drawLine(plot.bottomLeft(), plot.topLeft());
        p.drawLine(QPointF(plot.left(), plot.center().y()), QPointF(plot.right(), plot.center().y()));
        QPainterPath curve;
        for (int i = 0; i <= 48; ++i) {
            const double t = i / 48.0;
            const QPointF q(plot.left() + t * plot.width(),
                            plot.center().y() - plot.height() * 0.42 * std::sin(2 * M_PI * t + 0.6) * (0.7 + 0.3 * std::cos(4 * M_PI * t)));
            if (i == 0) curve.moveTo(q);
            else curve.lineTo(q);
        }
        p.setPen(QPen(QColor(0, 0, 160), 1.5));
        p.drawPath(curve);
    }

private:
    bool polar_;
};

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
            Picture[n] = Named_Control(new Chart_Sketch(Shapes[k].polar, frm_Plotstyle[k]), QString("Picture%1").arg(n));
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
