// The animation screen's controls, menus and the wiring of their events.
#include <QGridLayout>
#include <QHBoxLayout>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <algorithm>

#include "model/Mod_Main.h"
#include "platform/Control_Events.h"
#include "platform/Fit_Label.h"
#include "shell/frm_Animate.h"
#include "shell/mod_Animate_Screen.h"

namespace {
// Keeps the picture square, so the square drawing window is not stretched, and centred in the
// space the column gives it.
class Square_Holder : public QWidget {
public:
    Square_Holder(QWidget* child, QWidget* parent) : QWidget(parent), child_(child)
    {
        child_->setParent(this);
        setMinimumSize(200, 200);
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        const int side = std::min(event->size().width(), event->size().height());
        child_->setGeometry((event->size().width() - side) / 2, (event->size().height() - side) / 2, side, side);
    }

private:
    QWidget* child_;
};

template <class W>
W* Named(W* w, const QString& name)
{
    w->setObjectName(name);
    return w;
}

QLabel* Panel(const char* name, const char* caption, QWidget* parent)
{
    auto* l = Named(new QLabel(caption, parent), name);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

QLineEdit* Box(const QString& name, QWidget* parent)
{
    auto* t = Named(new QLineEdit(parent), name);
    t->setMaximumWidth(70);
    return t;
}
}  // namespace

void frm_Animate::Build_Menus()
{
    menu_bar = new QMenuBar(this);
    mnu_Help = Named(menu_bar->addAction("Help"), "mnu_Help");
    mnu_Zoomcontrol = Named(menu_bar->addMenu("Zoom"), "mnu_Zoomcontrol");
    mnu_ZoomIn = Named(mnu_Zoomcontrol->addAction("Zoom In"), "mnu_ZoomIn");
    mnu_Normal = Named(mnu_Zoomcontrol->addAction("Normal"), "mnu_Normal");
    mnu_ZoomOut = Named(mnu_Zoomcontrol->addAction("Zoom Out"), "mnu_ZoomOut");
    mnu_Redraw = Named(menu_bar->addAction("Redraw"), "mnu_Redraw");
}

void frm_Animate::Build_Body()
{
    // Left: header, picture, step bar.
    // A long name is cut at the panel's edge rather than widening the column.
    lbl_Header = Named(new Fit_Label(this, 5), "lbl_Header");
    lbl_Header->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    // Room for all five lines of the form header, the file's name included.
    lbl_Header->setMinimumHeight(5 * lbl_Header->fontMetrics().lineSpacing() + 2 * lbl_Header->frameWidth() + 4);
    txt_Header = Named(new QLineEdit("Figure", this), "txt_Header");
    Picture1 = Named(new Picture_Box(this), "Picture1");
    auto* holder = new Square_Holder(Picture1, this);
    hsc_step = Named(new QScrollBar(Qt::Horizontal, this), "hsc_step");
    pnl_cw = Panel("pnl_cw", "<-- Start", this);
    pnl_ccw = Panel("pnl_ccw", "End -->", this);
    pnl_time = Panel("pnl_time", "Time ---->", this);

    auto* directions = new QHBoxLayout;
    directions->addWidget(pnl_cw);
    directions->addStretch(1);
    directions->addWidget(pnl_time);
    directions->addStretch(1);
    directions->addWidget(pnl_ccw);
    // The model title under the header, across the column, so that whole titles show.
    auto* left = new QVBoxLayout;
    left->addWidget(lbl_Header);
    left->addWidget(txt_Header);
    left->addWidget(holder, 1);
    left->addWidget(hsc_step);
    left->addLayout(directions);

    // Middle: link data, crank range, step shown, circuit.
    fra_Links = Named(new QGroupBox("Linkage Data", this), "fra_Links");
    auto* links = new QGridLayout(fra_Links);
    links->setVerticalSpacing(2);
    const char* const link_captions[] = {"Link 1 (Ground)", "Link 2 (Crank)", "Link 3 (Coupler)",
                                         "Link 4 (Rocker)", "Link 5 (Crank)", "Gear Ratio",
                                         "Phase Angle",     " Dist I23 to Coup Pt", "Angle from Link 3 to Coupler Pt"};
    for (int i = 0; i <= 8; ++i) {
        auto* caption = new QLabel(link_captions[i], fra_Links);
        caption->setWordWrap(true);
        links->addWidget(caption, i, 0);
        txt_Linkout[i] = Box(QString("txt_Linkout_%1").arg(i), fra_Links);
        links->addWidget(txt_Linkout[i], i, 1);
    }
    const int unit_rows[] = {0, 1, 2, 3, 4, 7};
    for (int k = 0; k <= 5; ++k) {
        lbl_Units[k] = Named(new QLabel(fra_Links), QString("lbl_Units_%1").arg(k));
        links->addWidget(lbl_Units[k], unit_rows[k], 2);
    }

    auto* fra_Initial = Named(new QGroupBox("Initial Conditions", this), "fra_Initial");
    auto* initial = new QGridLayout(fra_Initial);
    initial->setVerticalSpacing(2);
    const char* const initial_captions[] = {"Start Theta", "End Theta", "Delta Theta"};
    for (int i = 0; i <= 2; ++i) {
        lbl_Initial[i] = Named(new QLabel(initial_captions[i], fra_Initial), QString("lbl_Initial_%1").arg(i));
        txt_Initial[i] = Box(QString("txt_Initial_%1").arg(i), fra_Initial);
        lbl_Unit[i] = Named(new QLabel("deg", fra_Initial), QString("lbl_Unit_%1").arg(i));
        initial->addWidget(lbl_Initial[i], i, 0);
        initial->addWidget(txt_Initial[i], i, 1);
        initial->addWidget(lbl_Unit[i], i, 2);
    }

    // The cyan box with the step shown.
    auto* step_box = Named(new QFrame(this), "fra_Step");
    step_box->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    step_box->setAutoFillBackground(true);
    QPalette cyan = step_box->palette();
    cyan.setColor(QPalette::Window, QColor(0, 255, 255));
    step_box->setPalette(cyan);
    lbl_StepLabel = Named(new QLabel("Theta2", step_box), "lbl_StepLabel");
    lbl_StepNumber = Named(new QLabel(step_box), "lbl_StepNumber");
    lbl_StepUnit = Named(new QLabel("deg", step_box), "lbl_StepUnit");
    lbl_StepNumber->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A run hides the step shown; the box keeps its place so that nothing below it moves.
    for (QLabel* l : {lbl_StepLabel, lbl_StepNumber, lbl_StepUnit}) {
        QSizePolicy policy = l->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        l->setSizePolicy(policy);
    }
    auto* step_row = new QHBoxLayout(step_box);
    step_row->addWidget(lbl_StepLabel);
    step_row->addWidget(lbl_StepNumber, 1);
    step_row->addWidget(lbl_StepUnit);

    auto* fra_Circuit = Named(new QGroupBox("Circuit", this), "fra_Circuit");
    auto* circuit = new QHBoxLayout(fra_Circuit);
    opt_OpenCross[0] = Named(new QRadioButton("Open", fra_Circuit), "opt_OpenCross_0");
    opt_OpenCross[1] = Named(new QRadioButton("Crossed", fra_Circuit), "opt_OpenCross_1");
    opt_OpenCross[0]->setChecked(true);
    circuit->addWidget(opt_OpenCross[0]);
    circuit->addWidget(opt_OpenCross[1]);

    auto* middle = new QVBoxLayout;
    middle->addWidget(fra_Links);
    middle->addWidget(fra_Initial);
    middle->addWidget(step_box);
    middle->addWidget(fra_Circuit);
    middle->addStretch(1);

    // Right: animation settings, what is drawn, the drag target.
    auto* fra_Speed = Named(new QGroupBox("Animation Speed", this), "fra_Speed");
    auto* speed = new QVBoxLayout(fra_Speed);
    lbl_speed = Named(new QLabel("<< Slow    Fast >>", fra_Speed), "lbl_speed");
    hsc_speed = Named(new QScrollBar(Qt::Horizontal, fra_Speed), "hsc_speed");
    Set_Up_Speed_Bar(*hsc_speed);
    speed->addWidget(lbl_speed);
    speed->addWidget(hsc_speed);

    auto* fra_Cycles = Named(new QGroupBox("Run Cycles", this), "fra_Cycles");
    auto* cycles = new QHBoxLayout(fra_Cycles);
    txt_Cycles = Box("txt_Cycles", fra_Cycles);
    txt_Cycles->setText("1");
    cycles->addWidget(txt_Cycles);

    chk_autoscale = Named(new QCheckBox("Autoscale", this), "chk_autoscale");
    chk_autoscale->setChecked(true);

    auto* fra_Settings = Named(new QGroupBox("Animation Settings", this), "fra_Settings");
    auto* settings = new QVBoxLayout(fra_Settings);
    chk_Trace = Named(new QCheckBox("Trace", fra_Settings), "chk_Trace");
    settings->addWidget(chk_Trace);

    auto* fra_Curves = Named(new QGroupBox("Show Curves", this), "fra_Curves");
    auto* curves = new QVBoxLayout(fra_Curves);
    chk_Showlinks = Named(new QCheckBox("Links", fra_Curves), "chk_Showlinks");
    chk_Coupler = Named(new QCheckBox("Coupler Path", fra_Curves), "chk_Coupler");
    chk_Points = Named(new QCheckBox("Coupler Points", fra_Curves), "chk_Points");
    chk_Showlinks->setChecked(true);
    chk_Coupler->setChecked(true);
    for (QCheckBox* c : {chk_Showlinks, chk_Coupler, chk_Points}) curves->addWidget(c);

    auto* fra_Drag = Named(new QFrame(this), "fra_Drag");
    auto* drag = new QVBoxLayout(fra_Drag);
    drag->setSpacing(1);
    drag->addWidget(Panel("pnl_DragOn", "Shift-Click-Drag on", fra_Drag));
    const char* const drag_captions[] = {"Cplr Pt", "Crnk", "Rckr", "Grnd", "Cplr"};
    for (int i = 0; i <= 4; ++i) {
        opt_Shift_Drag[i] = Named(new QRadioButton(drag_captions[i], fra_Drag), QString("opt_Shift_Drag_%1").arg(i));
        drag->addWidget(opt_Shift_Drag[i]);
    }
    opt_Shift_Drag[0]->setChecked(true);
    drag->addWidget(Panel("pnl_DragTo", "to change coupler curve", fra_Drag));

    auto* right = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{fra_Speed, fra_Cycles, chk_autoscale, fra_Settings, fra_Curves,
                                                      fra_Drag})
        right->addWidget(w);
    right->addStretch(1);

    // Commands along the bottom.
    auto button = [this](const char* name, const char* caption) { return Named(new QPushButton(caption, this), name); };
    cmd_Run = button("cmd_Run", "&Run");
    cmd_Step = button("cmd_Step", "&Step");
    cmd_Reset = button("cmd_Reset", "Reset");
    cmd_Recalc = button("cmd_Recalc", "&Recalc");
    cmd_PlotPrint = button("cmd_PlotPrint", "&Print");
    cmd_Back = button("cmd_Back", "< Back");
    cmd_Done = button("cmd_Done", "Next >");
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmd_Run, cmd_Step, cmd_Reset, cmd_Recalc, cmd_PlotPrint}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(cmd_Back);
    buttons->addWidget(cmd_Done);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 5);
    columns->addLayout(middle, 3);
    columns->addLayout(right, 2);
    auto* root = new QVBoxLayout(this);
    root->setMenuBar(menu_bar);
    root->setContentsMargins(8, 4, 8, 8);
    root->addLayout(columns, 1);
    root->addLayout(buttons);
}

void frm_Animate::Connect_Handlers()
{
    Screen& s = *this;
    for (QLineEdit* box : txt_Linkout) {
        Select_All_On_Focus(box);
        On_Commit(s, box, [this](bool changed) { txt_Linkout_LostFocus(changed); });
    }
    for (int i = 0; i <= 2; ++i) {
        QLineEdit* box = txt_Initial[i];
        Select_All_On_Focus(box);
        On_Commit(s, box, [this](bool changed) { txt_Initial_LostFocus(changed); });
    }
    for (QRadioButton* option : opt_OpenCross) On_Click(s, option, [this] { opt_OpenCross_Click(); });
    On_Lost_Focus(s, txt_Header, [this] { txt_Header_LostFocus(); });
    On_Click(s, chk_autoscale, [this](bool) { chk_autoscale_Click(); });
    On_Change(s, hsc_step, [this] { hsc_step_Change(); });
    On_Scroll(s, hsc_step, [this] { hsc_step_Scroll(); });
    On_Click(s, cmd_Run, [this] { cmd_Run_Click(); });
    On_Click(s, cmd_Step, [this] { cmd_Step_Click(); });
    On_Click(s, cmd_Reset, [this] { cmd_Reset_Click(); });
    On_Click(s, cmd_Recalc, [this] { cmd_Recalc_Click(); });
    On_Click(s, cmd_Done, [this] { cmd_Done_Click(); });
    On_Click(s, cmd_Back, [this] { cmd_Back_Click(); });
    On_Click(s, cmd_PlotPrint, [this] { cmd_PlotPrint_Click(); });
    On_Click(s, mnu_Help, [this] { mnu_Help_Click(); });
    On_Click(s, mnu_Redraw, [this] { mnu_Redraw_Click(); });
    On_Click(s, mnu_ZoomIn, [this] {
        store().Zoom_Factor = static_cast<float>(store().Zoom_Factor / 1.1);
        Zoom_Click();
    });
    On_Click(s, mnu_Normal, [this] {
        store().Zoom_Factor = 1.0f;
        Zoom_Click();
    });
    On_Click(s, mnu_ZoomOut, [this] {
        store().Zoom_Factor = static_cast<float>(store().Zoom_Factor * 1.1);
        Zoom_Click();
    });
    connect(Picture1, &Picture_Box::MouseMove, this, [this](int button, int shift, double x, double y) {
        Run_Handler([&] { Picture1_MouseMove(button, shift, static_cast<float>(x), static_cast<float>(y)); });
    });
    connect(Picture1, &Picture_Box::MouseUp, this, [this] { Picture1_MouseUp(); });
}
