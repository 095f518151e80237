#include "shell/Output_Layout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <algorithm>

#include "platform/Fit_Label.h"
#include "platform/Screen.h"
#include "selection/Selection_Role.h"

namespace {
// The side panel keeps its width when the screen grows: the charts or grid take the rest.
constexpr int Side_Width = 262;

// The side panel's width: its design width, or more when a screen's own side controls need it.
class Side_Panel : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override
    {
        QSize hint = QWidget::sizeHint();
        return {std::max(Side_Width, minimumSizeHint().width()), hint.height()};
    }
};

// A panel of the side column: what does not fit its width is cut, so no text widens the column.
Fit_Label* Panel(QWidget* parent, const QString& name, int max_lines = 1)
{
    return Named_Control(new Fit_Label(parent, max_lines), name);
}

QLabel* Sunken(QLabel* label)
{
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

// Rows of caption, value and unit, packed tight so the whole panel fits the design height.
QGridLayout* Rows(QGroupBox* frame)
{
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setVerticalSpacing(0);
    grid->setHorizontalSpacing(6);
    grid->setColumnStretch(0, 1);
    return grid;
}

void Add_Row(QGridLayout* grid, int row, QLabel* caption, QLabel* value, QLabel* unit)
{
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    if (unit) grid->addWidget(unit, row, 2);
}

void Build_Label_Panels(QWidget* owner, Output_Layout& f, QVBoxLayout* side)
{
    f.fra_Links = Named_Control(new QGroupBox("Linkage Data", owner), "fra_Links");
    QGridLayout* links = Rows(f.fra_Links);
    // lbl_Links order: links 1..5, coupler-point distance and angle, gear ratio, phase angle.
    const char* const captions[9] = {"Link 1 (Ground)", "Link 2 (Crank)",   "Link 3 (Coupler)",
                                     "Link 4 (Rocker)", "Link 5 (Crank)",   "Dist I23 to Coup Pt",
                                     "Angle to Coup Pt", "Gear Ratio",      "Phase Angle"};
    for (int i = 0; i <= 8; ++i) {
        f.lbl_Links[i] = Panel(f.fra_Links, QString("lbl_Links_%1").arg(i));
        QLabel* unit = nullptr;
        if (i <= 5) unit = f.lbl_Units[i] = Named_Control(new QLabel(f.fra_Links), QString("lbl_Units_%1").arg(i));
        else if (i == 6 || i == 8) unit = new QLabel("deg", f.fra_Links);
        Add_Row(links, i, new QLabel(captions[i], f.fra_Links), f.lbl_Links[i], unit);
    }

    f.fra_Initial = Named_Control(new QGroupBox("Initial Conditions", owner), "fra_Initial");
    QGridLayout* initial = Rows(f.fra_Initial);
    f.lbl_Circuit = Named_Control(new QLabel("Circuit", f.fra_Initial), "lbl_Circuit");
    f.lbl_Linkout2[0] = Panel(f.fra_Initial, "lbl_Linkout2_0");
    Add_Row(initial, 0, f.lbl_Circuit, f.lbl_Linkout2[0], nullptr);
    for (int i = 1; i <= 6; ++i) {
        f.lbl_Initial[i] = Named_Control(new QLabel(f.fra_Initial), QString("lbl_Initial_%1").arg(i));
        f.lbl_Linkout2[i] = Panel(f.fra_Initial, QString("lbl_Linkout2_%1").arg(i));
        f.lbl_Unit[i] = Named_Control(new QLabel(f.fra_Initial), QString("lbl_Unit_%1").arg(i));
        Add_Row(initial, i, f.lbl_Initial[i], f.lbl_Linkout2[i], f.lbl_Unit[i]);
    }
    side->addWidget(f.fra_Links);
    side->addWidget(f.fra_Initial);
}
}  // namespace

void Build_Output_Layout(Screen& screen, Output_Layout& f, unsigned parts)
{
    f.owner_ = &screen;
    auto* root = new QVBoxLayout(&screen);
    root->setContentsMargins(8, 4, 8, 8);
    root->setSpacing(6);
    if (parts & Help_Menu) {
        f.menu_bar = new QMenuBar(&screen);
        f.mnu_Help = Named_Control(f.menu_bar->addAction("Help"), "mnu_Help");
        root->setMenuBar(f.menu_bar);
    }

    auto* side_panel = new Side_Panel(&screen);
    side_panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* side = new QVBoxLayout(side_panel);
    side->setContentsMargins(0, 0, 0, 0);
    side->setSpacing(4);

    // Name, design number, date, time and file.
    f.lbl_Header = Sunken(Panel(side_panel, "lbl_Header", 5));
    f.lbl_Header->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    f.lbl_Header->setMinimumHeight(f.lbl_Header->fontMetrics().lineSpacing() * 5 + 6);
    side->addWidget(f.lbl_Header);

    if (parts & Report_Titles) {
        f.lbl_Header2 = Sunken(Panel(side_panel, "lbl_Header2", 2));
        f.lbl_Header3 = Sunken(Panel(side_panel, "lbl_Header3", 2));
        for (QLabel* title : {f.lbl_Header2, f.lbl_Header3}) {
            title->setAlignment(Qt::AlignCenter);
            title->setWordWrap(true);
            side->addWidget(title);
        }
    }
    if (parts & Label_Panels) Build_Label_Panels(side_panel, f, side);
    if (parts & Coord_Frame) {
        f.fra_Coord = Named_Control(new QGroupBox("Coord System", side_panel), "fra_Coord");
        f.lbl_Coord = Named_Control(new QLabel(f.fra_Coord), "lbl_Coord");
        auto* coord = new QHBoxLayout(f.fra_Coord);
        coord->setContentsMargins(6, 2, 6, 4);
        coord->addWidget(f.lbl_Coord);
        side->addWidget(f.fra_Coord);
    }
    f.Side = new QVBoxLayout;
    f.Side->setSpacing(4);
    side->addLayout(f.Side, 1);

    f.Content = new QVBoxLayout;
    f.Content->setSpacing(4);
    auto* columns = new QHBoxLayout;
    columns->addLayout(f.Content, 1);
    columns->addWidget(side_panel);
    root->addLayout(columns, 1);

    f.own_commands_ = new QHBoxLayout;
    f.wizard_commands_ = new QHBoxLayout;
    auto* bar = new QHBoxLayout;
    bar->addLayout(f.own_commands_);
    bar->addStretch(1);
    bar->addLayout(f.wizard_commands_);
    root->addLayout(bar);
}

QPushButton* Output_Layout::Command(const char* name, const char* caption)
{
    auto* button = Named_Control(new QPushButton(caption, owner_), name);
    own_commands_->addWidget(button);
    return button;
}

QPushButton* Output_Layout::Back_Command(const char* name)
{
    auto* button = Named_Control(new QPushButton("< &Back", owner_), name);
    wizard_commands_->addWidget(button);
    return button;
}

QPushButton* Output_Layout::Next_Command(const char* name)
{
    auto* button = Named_Control(new QPushButton("&Next >", owner_), name);
    wizard_commands_->addWidget(button);
    return button;
}

void Put_Coordinate_Labels(Output_Layout& Form, int16_t Local) { Put_Coordinate_Labels(Form.lbl_Coord, Local); }
