#include "dynamics/frm_MassProp.h"

#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dynamics/Force_Analysis.h"
#include "dynamics/frm_Matrix.h"
#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "platform/Control_Events.h"
#include "platform/Design_Layout.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Strict_Number.h"
#include "runtime/Ui_Port.h"
#include "shell/frm_Help.h"
#include "shell/frm_HomeScreen.h"
#include "shell/mod_Common.h"

namespace {
constexpr int MassProp_Width = 11850, MassProp_Height = 8950;
constexpr int Label_X = 8, Box_X = 204, Frame_X = 10, Row_Pitch = 28;
constexpr int Mass_Digits = 6;
// The longest text of a mass or inertia (six digits, a sign, a point and a zero or an exponent),
// whose width sets the width of every box.
const char* const Longest_Entry = "-0.000888888";

// Boxes side by side, wide enough for the longest entry in the screen's font, then the units.
struct Columns {
    int box_width, box_pitch, unit_x, frame_width, button_x;

    explicit Columns(const QWidget* screen)
    {
        const int text = screen->fontMetrics().horizontalAdvance(Longest_Entry);
        box_width = std::max(70, text + 10);  // the box's frame and inner margins
        box_pitch = box_width + 3;
        unit_x = Box_X + 3 * box_pitch + box_width + 6;
        frame_width = unit_x + 60;
        button_x = Frame_X + frame_width + 8;
    }
};

QLabel* Label(QWidget* parent, const QString& text, int x, int y, int w)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, 22);
    return l;
}

QPushButton* Button(QWidget* parent, const char* caption, int x, int y)
{
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(x, y, 110, 32);
    return b;
}

// A frame of rows; each row a caption, one box per link 2..5 (those not offered hidden) and a unit label.
struct Frame_Builder {
    const Columns& c;
    QGroupBox* frame;
    int rows = 0;

    Frame_Builder(const Columns& columns, QWidget* body, const char* title, int y, int row_count)
        : c(columns), frame(new QGroupBox(title, body))
    {
        frame->setGeometry(Frame_X, y, c.frame_width, 24 + row_count * Row_Pitch);
    }

    QLabel* Row(const char* caption, frm_MassProp::Box_Row& boxes, std::initializer_list<int> offered,
                std::initializer_list<int> hidden)
    {
        const int y = 20 + rows++ * Row_Pitch;
        Label(frame, caption, Label_X, y, Box_X - Label_X - 4);
        auto make = [&](int link, bool visible) {
            auto* b = new QLineEdit("0", frame);
            b->setGeometry(Box_X + (link - 2) * c.box_pitch, y, c.box_width, 22);
            b->setVisible(visible);
            boxes[link] = b;
        };
        for (int link : offered) make(link, true);
        for (int link : hidden) make(link, false);
        return Label(frame, "", c.unit_x, y, c.frame_width - c.unit_x - 4);
    }
};

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QLineEdit* box) { return box->text().toStdString(); }

// A text written by the screen reads from its first character, not scrolled to its end.
void Show(QLineEdit* box, const std::string& text)
{
    box->setText(Q(text));
    box->setCursorPosition(0);
}

// The store's length in the units shown (centimetres or millimetres in those systems).
float Display_Length(float metres)
{
    switch (store().Unit_System) {
    case 4: return metres * 100;
    case 5: return metres * 1000;
    default: return metres;
    }
}

// A box whose entry cannot be used: the message names it; Solve puts the focus back on it.
struct Bad_Entry {
    QLineEdit* box;
    std::string row;
    int link;
    int error;
};

// The entries of the screen as they will be stored.
struct Entries {
    Link_Float mass, inertia, force_mag, force_angle, torque;
    float cg_dist[6] = {}, cg_angle[6] = {};
    float point_dist[6] = {}, point_angle[6] = {};
    float friction3 = 0, friction4 = 0;
};
}  // namespace

frm_MassProp::frm_MassProp() : Screen("frm_MassProp", MassProp_Width, MassProp_Height) { Build(); }

void frm_MassProp::Build()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    menu_bar = new QMenuBar(this);
    layout->setMenuBar(menu_bar);
    mnu_Help = menu_bar->addAction("Help");
    auto* body = new QWidget(this);
    layout->addWidget(body, 1);
    Lay_Out_By_Design(body);

    const Columns c(this);
    Label(body, "Link", Frame_X + Label_X, 4, 60);
    for (int i = 2; i <= 5; ++i) {
        lbl_Segment[i] = Label(body, QString::number(i), Frame_X + Box_X + (i - 2) * c.box_pitch, 4, c.box_width);
        lbl_Segment[i]->setAlignment(Qt::AlignCenter);
    }
    Label(body, "Units", Frame_X + c.unit_x, 4, 56);

    Frame_Builder mass(c, body, "Mass Properties", 28, 2);
    lbl_MassUnit = mass.Row("Mass of Link", txt_Mass, {2, 3, 4, 5}, {});
    lbl_InertiaUnit = mass.Row("Mass Mom of Inert vs CG", txt_Inertia, {2, 3, 4, 5}, {});
    fra_Mass = mass.frame;

    Frame_Builder cg(c, body, "CG Locations", 112, 2);
    Lbl_DistUnit[1] = cg.Row("Dist to CG from Pivot", txt_DistCG, {2, 3, 4, 5}, {});
    lbl_AngUnit[1] = cg.Row("Angle to CG in LRCS*", txt_AngCG, {2, 3, 4, 5}, {});
    fra_CG = cg.frame;

    Frame_Builder force(c, body, "External Forces", 196, 2);
    lbl_ForceUnit[1] = force.Row("Force Magnitude", txt_MagForce, {3, 4}, {2, 5});
    lbl_AngUnit[2] = force.Row("Angle of Force in GCS*", txt_AngForce, {3, 4}, {2, 5});
    fra_Force = force.frame;

    Frame_Builder point(c, body, "External Force Locations", 280, 2);
    Lbl_DistUnit[2] = point.Row("Dist to Force Point vs CG", txt_DistP, {3, 4}, {2, 5});
    lbl_AngUnit[3] = point.Row("Ang to Force Pt in LRCS*", txt_AngP, {3, 4}, {2, 5});
    fra_ForcePoint = point.frame;

    Frame_Builder torque(c, body, "External Torques", 364, 1);
    lbl_TorqueUnit = torque.Row("Torque on Link", txt_Torque, {3, 4}, {5});
    fra_Torque = torque.frame;

    Frame_Builder friction(c, body, "Friction", 420, 1);
    lbl_ForceUnit[2] = friction.Row("Friction Force at Coupler Point", txt_Frict, {3}, {4, 5});
    fra_Friction = friction.frame;

    lbl_Note = Label(body, "*  LCRS = Local Rotating Coordinate System.    GCS = Global Coordinate System",
                     Frame_X + 4, 482, c.frame_width);

    cmd_Solve = Button(body, "&Solve", c.button_x, 40);
    cmd_Matrix = Button(body, "Show &Matrix", c.button_x, 80);
    cmd_Print = Button(body, "&Print Form", c.button_x, 140);
    cmd_copy = Button(body, "&Copy", c.button_x, 180);
    cmd_Cancel = Button(body, "< &Back", c.button_x, 404);
    cmd_Done = Button(body, "&Next >", c.button_x, 444);

    for (Box_Row* row : {&txt_Mass, &txt_Inertia, &txt_DistCG, &txt_AngCG, &txt_MagForce, &txt_AngForce, &txt_DistP,
                         &txt_AngP, &txt_Torque, &txt_Frict})
        for (QLineEdit* box : *row)
            if (box) {
                Select_All_On_Focus(box);
                On_Change(*this, box, [this] { Disable_Solution_Buttons(); });
            }
    On_Click(*this, cmd_Solve, [this] { cmd_Solve_Click(); });
    On_Click(*this, cmd_Matrix, [this] { cmd_Matrix_Click(); });
    On_Click(*this, cmd_Done, [this] { cmd_Done_Click(); });
    On_Click(*this, cmd_Cancel, [this] { Hide(); });
    On_Click(*this, cmd_Print, [this] { cmd_Print_Click(); });
    On_Click(*this, cmd_copy, [this] { cmd_copy_Click(); });
    On_Click(*this, mnu_Help, [this] { mnu_Help_Click(); });
}

void frm_MassProp::Form_Load()
{
    Set_Height(MassProp_Height);
    Set_Width(MassProp_Width);
}

void frm_MassProp::Form_Activate()
{
    const Model_Store& s = store();
    CommonDialog1.CancelError = true;
    if (s.Full_Screen) Maximize_Screen(*this, MassProp_Height, MassProp_Width);
    else Reset_Screen(*this, MassProp_Height, MassProp_Width);
    cmd_Print->setEnabled(true);
    cmd_copy->setEnabled(true);
    Set_Focus(cmd_Solve);
    {
        // Writing the model back is no entry of the user's: a return from the matrix screen keeps
        // the solution's buttons, and every other activation disables them below.
        auto quiet = Suspend_Events();
        Show_Model_Values();
    }
    lbl_MassUnit->setText(Q(s.Unit_Label(14)));
    lbl_InertiaUnit->setText(Q(s.Unit_Label(15)));
    lbl_TorqueUnit->setText(Q(s.Unit_Label(9)));
    for (int i = 1; i <= 2; ++i) {
        Lbl_DistUnit[i]->setText(Q(s.Unit_Label(6)));
        lbl_ForceUnit[i]->setText(Q(s.Unit_Label(10)));
    }
    for (int i = 1; i <= 3; ++i) lbl_AngUnit[i]->setText(Q(s.Unit_Label(1)));
    if (!From_Matrix) Disable_Solution_Buttons();
    From_Matrix = false;
}

void frm_MassProp::Show_Model_Values()
{
    const Model_Store& s = store();
    auto plain = [](QLineEdit* box, float v) { Show(box, Plain(v)); };
    auto mass = [](QLineEdit* box, float v) { Show(box, Plain_Digits(v, Mass_Digits)); };
    auto length = [&](QLineEdit* box, float metres) {
        Show(box, FNRoundStr(Display_Length(metres), s.Dec_Length_Show));
    };
    for (int i = 2; i <= 5; ++i) {
        mass(txt_Mass[i], s.Link_Mass(i));
        mass(txt_Inertia[i], s.Link_Inertia(i));
        length(txt_DistCG[i], s.Link_CG(i, 0));
        Show(txt_AngCG[i], FNRoundStr(s.Link_CG(i, 1) * Rad_To_Deg, 2));
    }
    plain(txt_MagForce[3], s.Ext_Force_Mag(3));
    plain(txt_AngForce[3], s.Ext_Force_Angle(3));
    plain(txt_MagForce[4], s.Ext_Force_Mag(4));
    plain(txt_AngForce[4], s.Ext_Force_Angle(4));
    length(txt_DistP[3], s.Force_Point3_Dist);
    length(txt_DistP[4], s.Force_Point4_Dist);
    plain(txt_AngP[3], s.Force_Point3_Angle);
    plain(txt_AngP[4], s.Force_Point4_Angle);
    plain(txt_Torque[3], s.Ext_Torque(3));
    plain(txt_Torque[4], s.Ext_Torque(4));
    plain(txt_Frict[3], s.Friction_3);
}

void frm_MassProp::Fill_From_Model()
{
    Show_Model_Values();
    Show(txt_Frict[4], Plain(store().Friction_4));
}

void frm_MassProp::Disable_Solution_Buttons()
{
    for (QPushButton* b : {cmd_Done, cmd_Matrix, cmd_copy, cmd_Print}) b->setEnabled(false);
}

bool frm_MassProp::Store_Entries()
{
    Model_Store& s = store();
    const double length_divisor = s.Unit_System == 4 ? 100.0 : s.Unit_System == 5 ? 1000.0 : 1.0;
    Entries e;
    try {
        auto read = [](QLineEdit* box, const char* row, int link, auto convert) {
            try {
                return convert(S(box));
            } catch (const Runtime_Error& err) {
                throw Bad_Entry{box, row, link, err.number};
            }
        };
        auto strict = [&](QLineEdit* box, const char* row, int link) {
            return read(box, row, link, [](const std::string& t) { return Strict_Single(t); });
        };
        // The distance boxes take the leading number of their text; only a value beyond range fails.
        // Sound behaviour: the thousands commas this screen itself writes (2,500.00 mm) belong to
        // that number; stopping at the first comma would store 2 mm on a Solve with no edit.
        auto length = [&](QLineEdit* box, const char* row, int link) {
            return read(box, row, link,
                        [&](const std::string& t) { return CSng(Val(Without_Thousands(t)) / length_divisor); });
        };
        auto radians = [&](QLineEdit* box, const char* row, int link) {
            return read(box, row, link, [](const std::string& t) { return CSng(Strict_Double(t) * Deg_To_Rad); });
        };
        // A mass box shows six digits of what may hold more: left as shown, it keeps them all, so
        // that a visit and Solve never change a value.
        auto mass = [&](QLineEdit* box, const char* row, int link, float model) {
            return S(box) == Plain_Digits(model, Mass_Digits) ? model : strict(box, row, link);
        };
        for (int i = 2; i <= 5; ++i) {
            e.mass(i) = mass(txt_Mass[i], "Mass of Link", i, s.Link_Mass(i));
            e.inertia(i) = mass(txt_Inertia[i], "Mass Mom of Inert vs CG", i, s.Link_Inertia(i));
            e.cg_dist[i] = length(txt_DistCG[i], "Dist to CG from Pivot", i);
            e.cg_angle[i] = radians(txt_AngCG[i], "Angle to CG in LRCS*", i);
        }
        for (int i = 3; i <= 4; ++i) {
            e.force_mag(i) = strict(txt_MagForce[i], "Force Magnitude", i);
            e.force_angle(i) = strict(txt_AngForce[i], "Angle of Force in GCS*", i);
        }
        for (int i = 3; i <= 4; ++i) e.point_dist[i] = length(txt_DistP[i], "Dist to Force Point vs CG", i);
        for (int i = 3; i <= 4; ++i) e.point_angle[i] = strict(txt_AngP[i], "Ang to Force Pt in LRCS*", i);
        for (int i = 3; i <= 4; ++i) e.torque(i) = strict(txt_Torque[i], "Torque on Link", i);
        e.friction3 = strict(txt_Frict[3], "Friction Force at Coupler Point", 3);
        e.friction4 = strict(txt_Frict[4], "Friction Force at Coupler Point", 4);
    } catch (const Bad_Entry& bad) {
        ui().Set_Mouse_Pointer(Pointer::Default);
        const std::string what = bad.error == Err::Overflow ? " holds a number too large to be used."
                                                            : " does not hold a number.";
        MsgBox("The box \"" + bad.row + "\" of link " + std::to_string(bad.link) + what,
               Msg::Ok_Only | Msg::Exclamation);
        Set_Focus(bad.box);
        return false;
    }

    // Every entry converted: only now does the model change.
    for (int i = 2; i <= 5; ++i) {
        s.Link_Mass(i) = e.mass(i);
        s.Link_Inertia(i) = e.inertia(i);
        s.Link_CG(i, 0) = e.cg_dist[i];
        s.Link_CG(i, 1) = e.cg_angle[i];
    }
    s.Ext_Force_Mag(3) = e.force_mag(3);
    s.Ext_Force_Angle(3) = e.force_angle(3);
    s.Ext_Force3_X = CSng(s.Ext_Force_Mag(3) * std::cos(s.Ext_Force_Angle(3) * Deg_To_Rad));
    s.Ext_Force3_Y = CSng(s.Ext_Force_Mag(3) * std::sin(s.Ext_Force_Angle(3) * Deg_To_Rad));
    s.Ext_Force_Mag(4) = e.force_mag(4);
    s.Ext_Force_Angle(4) = e.force_angle(4);
    s.Ext_Force4_X = CSng(s.Ext_Force_Mag(4) * std::cos(s.Ext_Force_Angle(4) * Deg_To_Rad));
    s.Ext_Force4_Y = CSng(s.Ext_Force_Mag(4) * std::sin(s.Ext_Force_Angle(4) * Deg_To_Rad));
    s.Force_Point3_Dist = e.point_dist[3];
    s.Force_Point4_Dist = e.point_dist[4];
    s.Force_Point3_Angle = e.point_angle[3];
    s.Force_Point4_Angle = e.point_angle[4];
    s.Ext_Torque(3) = e.torque(3);
    s.Ext_Torque(4) = e.torque(4);
    s.Friction_3 = e.friction3;
    s.Friction_4 = e.friction4;
    return true;
}

void frm_MassProp::cmd_Solve_Click()
{
    Model_Store& s = store();
    // The force solution reads the kinematic results of a completed run; without one it would
    // solve old or cleared motion and report it as done.
    if (!s.Calc_Done) {
        MsgBox("There is no calculated motion to solve: please calculate the linkage first.",
               Msg::Ok_Only | Msg::Exclamation);
        return;
    }
    ui().Set_Mouse_Pointer(Pointer::Hourglass);
    if (!Store_Entries()) return;
    // The results are being replaced: they count as solved only when every step solves.
    s.Dynamics_Done = false;
    s.Flywheel_Done = false;
    Force_Analysis(s.Link_Mass, s.Link_Inertia, s.Link_CG, s.Force_Data, s.Torque_Data);
    Form<frm_Matrix>().Fill(s.Matrix_A0, s.Matrix_B0);
    for (QPushButton* b : {cmd_Matrix, cmd_Print, cmd_copy}) b->setEnabled(true);
    if (s.Dynamics_Done) {
        cmd_Done->setEnabled(true);
        Set_Focus(cmd_Done);
    }
    ui().Set_Mouse_Pointer(Pointer::Default);
    s.Model_Saved = false;
    Update_Status();
}

void frm_MassProp::cmd_Matrix_Click()
{
    From_Matrix = true;
    frm_Matrix& matrix = Form<frm_Matrix>();
    Centerform(matrix);
    matrix.Show_Modeless();
}

void frm_MassProp::cmd_Done_Click()
{
    Hide();
    Model_Store& s = store();
    s.Dynamics_Done = true;
    s.Reset_Selections = true;
    Set_Home_Buttons();
}

void frm_MassProp::cmd_Print_Click()
{
    Print_Screen_Image(*this, CommonDialog1, Print_Question::Direct_Print, "frm_MassProp.PrintForm");
}

void frm_MassProp::cmd_copy_Click() { Copy_Advice(); }

void frm_MassProp::mnu_Help_Click()
{
    Show_Help_Over(*this, "vastrel/vsr_dynamics_help.pdf", "frm_MassProp.mnu_Help_Click");
}
