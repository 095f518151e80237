#include "model/Mod_VastrelW.h"

#include <cmath>

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"
#include "runtime/Vector_State.h"

namespace {
// Storing into a 32-bit float overflows as the classic runtime did, instead of keeping inf or NaN.
float Single(double v)
{
    const float f = static_cast<float>(v);
    if (!std::isfinite(f)) Raise(Err::Overflow);
    return f;
}

void Infinity_Message(const char* what, double theta2)
{
    MsgBox(std::string(what) + FNRoundStr(theta2 * Rad_To_Deg, 1), Msg::Ok_Only);
}

struct Angle_Mode_Flags {
    bool absolute, half_turn;
};

float Angle_Convention(float v, Angle_Mode_Flags mode)
{
    if (v >= -360 && v < 0) {
        v += 360;
    } else if (v < -360) {
        v += 720;
    }
    if (!mode.absolute && v < 0) v += 360;
    if (mode.half_turn && v > 180) v -= 360;
    return v;
}

void Start_Run(int16_t& Choice)
{
    Clear_Vector_State();
    store().Cannot_Connect = false;
    Choice = Choice_Code::Retry;
}

// The result arrays end at the last step index: a run asked to go beyond it stops there, once.
bool Past_Last_Step(int i)
{
    if (i <= Max_Steps) return false;
    Report_Error(Err::Subscript, "Calculate");
    return true;
}

std::string Cannot_Connect_Text(double degrees)
{
    return "Linkage cannot connect or is indeterminate at Theta2 =  " + Plain(degrees) + " Degrees\r\r" +
           "Choose Abort to terminate further calculations beyond the current position\r\r" +
           "Choose Retry to continue calculating the linkage motion and flag new problem positions with this "
           "message\r\r" +
           "Choose Ignore to continue calculating, skipping over new problem positions and suppressing further "
           "messages\r";
}

// The quadratic D t^2 + 2 B t + F = 0 in t = tan(theta / 2) that closes the loop for one link.
struct Quadratic {
    float D, F, B, disc;
};

Quadratic Make_Quadratic(double A, double B, double C)
{
    Quadratic q;
    const float a = Single(A), c = Single(C);
    q.B = Single(B);
    q.D = Single(static_cast<double>(c) - a);
    q.F = Single(static_cast<double>(c) + a);
    q.disc = Single((2.0 * q.B) * (2.0 * q.B) - 4.0 * q.D * q.F);
    return q;
}

// Below this |sin(theta3 - theta4)| links 3 and 4 are in line, as far as their 32-bit angles can tell.
constexpr double Dead_Point_Sine = 2e-6;

// A link angle from the half-angle root t = N / 2D, N = -2B + sign sqrt(disc): twice the polar angle
// of (2 D, N), above -180 and at most 360. Where -2B and the root nearly cancel, N has lost its digits
// (and is 0 / 0 with the link at 180 degrees); that root is taken from the product of the roots,
// t = 2F / N', N' the other numerator, with the point kept on the side of (2 D, N).
// With D and B both exactly zero (an exact fold, every joint on the ground line) both roots lie at
// infinity: 180 degrees. Any other D and B, however small, already give a direction near it.
float Link_Angle(const Quadratic& q, double root, int sign)
{
    double x, y;
    if ((q.B > 0 && sign > 0) || (q.B < 0 && sign < 0)) {
        const float other = Single(-2.0 * q.B - sign * root);
        const double side = (q.D < 0) == (other < 0) ? 1.0 : -1.0;
        x = side * other, y = side * 2.0 * q.F;
    } else {
        x = 2.0 * q.D, y = Single(-2.0 * q.B + sign * root);
        if (x == 0 && y == 0) return 180;
    }
    float deg = Single(2 * Atan2D(x, y));
    if (deg > 360) deg -= 360;
    return deg;
}

void Solve_Step(int i, int16_t& Choice)
{
    Model_Store& s = store();
    s.Step_Valid(i) = -1;
    const double a = s.Link2_Length, b = s.Link3_Length, c = s.Link4_Length, d = s.Link5_Length;
    const double f = s.Link1_Length, p = s.Coupler_Dist, delta = s.Coupler_Angle, r = s.Gear_Ratio;

    const double th2 = s.Step_Theta2;
    s.Trig_Sin2 = std::sin(th2);
    s.Trig_Cos2 = std::cos(th2);
    s.Step_Alpha2 = s.Alpha_Zero;
    s.Step_Theta5 = Single(r * th2 + s.Phase_Angle);
    const double th5 = s.Step_Theta5;
    s.Trig_Sin5 = std::sin(th5);
    s.Trig_Cos5 = std::cos(th5);
    const double sn2 = s.Trig_Sin2, cs2 = s.Trig_Cos2, sn5 = s.Trig_Sin5, cs5 = s.Trig_Cos5;

    s.Pos_Ax = Single(a * cs2);
    s.Pos_Ay = Single(a * sn2);
    s.Pos_Cx = Single(d * cs5 + f);
    s.Pos_Cy = Single(d * sn5);

    const float E = Single(-2 * a * f * cs2);
    const float H = Single(-2 * d * (a * cs2 - f) * cs5);
    const float G = Single(-2 * a * d * sn2 * sn5);
    const Quadratic q4 = Make_Quadratic(2 * c * (d * cs5 - a * cs2 + f), 2 * c * (d * sn5 - a * sn2),
                                        (a * a - b * b + c * c + d * d + f * f) + E + H + G);
    const Quadratic q3 = Make_Quadratic(2 * b * (a * cs2 - d * cs5 - f), 2 * b * (a * sn2 - d * sn5),
                                        (a * a + b * b - c * c + d * d + f * f) + E + H + G);
    if (!(q4.disc >= 0 && q3.disc >= 0)) {
        Report_Cannot_Connect(s.Step_Theta2, static_cast<int16_t>(i), Choice);
        return;
    }

    const double root4 = std::sqrt(static_cast<double>(q4.disc)), root3 = std::sqrt(static_cast<double>(q3.disc));
    const int sign = s.Circuit == 1 ? -1 : 1;
    s.Theta4_Deg = Link_Angle(q4, root4, sign);
    s.Step_Theta4 = Single(s.Theta4_Deg * Deg_To_Rad);
    s.Theta3_Deg = Link_Angle(q3, root3, -sign);
    s.Step_Theta3 = Single(s.Theta3_Deg * Deg_To_Rad);

    const double th3 = s.Step_Theta3, th4 = s.Step_Theta4;
    s.Trig_Cos3 = std::cos(th3);
    s.Trig_Sin3 = std::sin(th3);
    const double sn3 = s.Trig_Sin3, cs3 = s.Trig_Cos3;
    s.Pos_Bx = Single(s.Pos_Ax + b * cs3);
    s.Pos_By = Single(s.Pos_Ay + b * sn3);
    s.Trig_Sin3d = std::sin(th3 + delta);
    s.Trig_Cos3d = std::cos(th3 + delta);
    const double sn3d = s.Trig_Sin3d, cs3d = s.Trig_Cos3d;
    s.Pos_Px = Single(s.Pos_Ax + p * cs3d);
    s.Pos_Py = Single(s.Pos_Ay + p * sn3d);
    s.Trig_Cos4 = std::cos(th4);
    s.Trig_Sin4 = std::sin(th4);
    const double sn4 = s.Trig_Sin4, cs4 = s.Trig_Cos4;

    s.Step_Omega5 = Single(static_cast<double>(s.Step_Omega2) * r);
    s.Step_Alpha5 = Single(r * s.Step_Alpha2);
    const double w2 = s.Step_Omega2, w5 = s.Step_Omega5, al2 = s.Step_Alpha2, al5 = s.Step_Alpha5;

    // The loop equations' derivatives, solved together for links 3 and 4:
    //   -b sin3 w3 + c sin4 w4 = Vx,   b cos3 w3 - c cos4 w4 = Vy,
    // and the same matrix for the accelerations. Its determinant b c sin(theta3 - theta4) vanishes only
    // at a dead point, where links 3 and 4 line up.
    const double Vx = w2 * a * sn2 - w5 * d * sn5;
    const double Vy = -a * w2 * cs2 + w5 * d * cs5;
    const double alignment = sn3 * cs4 - cs3 * sn4;
    const double det = b * c * alignment;
    if (std::abs(alignment) < Dead_Point_Sine) {
        Infinity_Message("Omega 3 approaches infinity at Theta2 = ", th2);
        Infinity_Message("Omega 4 approaches infinity at Theta2 = ", th2);
        Infinity_Message("Alpha 3 approaches infinity at Theta2 = ", th2);
        Infinity_Message("Alpha 4 approaches infinity at Theta2 = ", th2);
        s.Step_Omega3 = s.Step_Omega4 = s.Step_Alpha3 = s.Step_Alpha4 = Infinite_Rate;
        s.Step_Valid(i) = Dead_Point_Step;
    } else {
        s.Step_Omega3 = Single(-c * (cs4 * Vx + sn4 * Vy) / det);
        s.Step_Omega4 = Single(-b * (cs3 * Vx + sn3 * Vy) / det);
        const double w3v = s.Step_Omega3, w4v = s.Step_Omega4;
        const double Rx = w2 * w2 * a * cs2 + a * al2 * sn2 + w3v * w3v * b * cs3 - w4v * w4v * c * cs4 -
                          w5 * w5 * d * cs5 - al5 * d * sn5;
        const double Ry = w2 * w2 * a * sn2 - a * al2 * cs2 + w3v * w3v * b * sn3 - w4v * w4v * c * sn4 -
                          w5 * w5 * d * sn5 + al5 * d * cs5;
        s.Step_Alpha3 = Single(-c * (cs4 * Rx + sn4 * Ry) / det);
        s.Step_Alpha4 = Single(-b * (cs3 * Rx + sn3 * Ry) / det);
    }
    const double w3 = s.Step_Omega3, al3 = s.Step_Alpha3;

    auto& V = s.Veloc_Data;
    V(i, 0, 0) = Single(w2 * a * -sn2);
    V(i, 0, 1) = Single(w2 * a * cs2);
    V(i, 1, 0) = Single(w5 * d * -sn5);
    V(i, 1, 1) = Single(w5 * d * cs5);
    V(i, 2, 0) = Single(V(i, 0, 0) + w3 * b * -sn3);
    V(i, 2, 1) = Single(V(i, 0, 1) + w3 * b * cs3);
    V(i, 3, 0) = Single(V(i, 0, 0) + w3 * p * -sn3d);
    V(i, 3, 1) = Single(V(i, 0, 1) + w3 * p * cs3d);

    auto& Acc = s.Accel_Data;
    Acc(i, 0, 0) = Single(-w2 * w2 * a * cs2 - a * al2 * sn2);
    Acc(i, 0, 1) = Single(-w2 * w2 * a * sn2 + a * al2 * cs2);
    Acc(i, 1, 0) = Single(-w5 * w5 * d * cs5 - al5 * d * sn5);
    Acc(i, 1, 1) = Single(-w5 * w5 * d * sn5 + al5 * d * cs5);
    Acc(i, 2, 0) = Single(Acc(i, 0, 0) + (-w3 * w3 * b * cs3 - al3 * b * sn3));
    Acc(i, 2, 1) = Single(Acc(i, 0, 1) + (-w3 * w3 * b * sn3 + al3 * b * cs3));
    Acc(i, 3, 0) = Single(Acc(i, 0, 0) + (-w3 * w3 * p * cs3d - al3 * p * sn3d));
    Acc(i, 3, 1) = Single(Acc(i, 0, 1) + (-w3 * w3 * p * sn3d + al3 * p * cs3d));
    Rotate_Vector(Acc(i, 3, 0), Acc(i, 3, 1), s.Theta3_Deg, -1, Acc(i, 4, 0), Acc(i, 4, 1));

    const float link_angles[4] = {s.Step_Theta2, s.Step_Theta3, s.Step_Theta4, s.Step_Theta5};
    const Angle_Mode_Flags mode{s.Angle_Mode == "abs", s.Angle_Mode == "180"};
    for (int row = 0; row <= 3; ++row) {
        s.Theta_Data(i, row) = Single(Angle_Convention(Single(link_angles[row] * Rad_To_Deg), mode));
    }
    // The acute angle between the lines of links 3 and 4, on either circuit: 90 is best, 0 a toggle.
    float transmission = std::fmod(s.Theta_Data(i, 2) - s.Theta_Data(i, 1), 180.0f);
    if (transmission < 0) transmission += 180;
    if (transmission > 90) transmission = 180 - transmission;
    s.Theta_Data(i, 4) = Single(transmission);

    const float omegas[4] = {s.Step_Omega2, s.Step_Omega3, s.Step_Omega4, s.Step_Omega5};
    const float alphas[4] = {s.Step_Alpha2, s.Step_Alpha3, s.Step_Alpha4, s.Step_Alpha5};
    const float points[4][2] = {{s.Pos_Ax, s.Pos_Ay}, {s.Pos_Cx, s.Pos_Cy}, {s.Pos_Bx, s.Pos_By}, {s.Pos_Px, s.Pos_Py}};
    for (int row = 0; row <= 3; ++row) {
        s.Omega_Data(i, row) = Single(omegas[row]);
        s.Alpha_Data(i, row) = Single(alphas[row]);
        s.Position_Data(i, row, 0) = points[row][0];
        s.Position_Data(i, row, 1) = points[row][1];
    }

    // Lengths stay in metres in the centimetre and millimetre systems; point results are shown in their unit.
    const float factor = s.Unit_System == 4 ? 100.0f : s.Unit_System == 5 ? 1000.0f : 0.0f;
    if (factor != 0) {
        const int16_t step = static_cast<int16_t>(i);
        Scale_Positions(step, factor, 0, 3);
        Scale_Velocities(step, factor, 0, 3);
        Scale_Accelerations(step, factor, 0, 3);
    }

    s.Calc_Done = true;
    s.Dynamics_Done = false;
    s.Flywheel_Done = false;
}

template <typename Table>
void Scale_Rows(Table& table, int16_t Step, float Factor, int16_t First, int16_t Last)
{
    for (int row = First; row <= Last; ++row) {
        table(Step, row, 0) = Single(static_cast<double>(table(Step, row, 0)) * Factor);
        table(Step, row, 1) = Single(static_cast<double>(table(Step, row, 1)) * Factor);
    }
}
}  // namespace

void Set_Circuit(int16_t Circuit, int16_t& Sign, std::string& Name)
{
    if (Circuit == 1) {
        Sign = -1;
        Name = "Open";
    } else if (Circuit == 2) {
        Sign = 1;
        Name = "Crossed";
    }
}

void Calculate_Motion(int16_t CalcType, int16_t& Choice)
{
    Model_Store& s = store();
    Set_Circuit(s.Circuit, s.Circuit_Sign, s.Circuit_Name);
    switch (CalcType) {
    case 1: Calculate_One_Position(Choice); break;
    case 2: Calculate_Time_Steps(Choice); break;
    case 3: Calculate_Angle_Steps(Choice); break;
    default: break;
    }
    s.Dynamics_Done = false;
}

void Calculate_One_Position(int16_t& Choice)
{
    Model_Store& s = store();
    Start_Run(Choice);
    s.Step_Theta2 = static_cast<float>(s.Theta_Zero * Deg_To_Rad);
    s.Step_Omega2 = s.Omega_Zero;
    s.Num_Steps = 0;
    s.Min_Theta_Text = Str(FNRound(s.Theta_Zero, 1));
    s.Max_Theta_Text = s.Min_Theta_Text;
    s.Delta_Theta_Text = "0";
    Calculate(0, Choice);
    if (Choice == Choice_Code::Abort) s.Calc_Done = false;
}

void Calculate_Time_Steps(int16_t& Choice)
{
    Model_Store& s = store();
    Start_Run(Choice);
    s.Step_Time = s.Start_Time;
    for (int i = 0; i <= s.Num_Steps; ++i) {
        if (Past_Last_Step(i)) return;
        s.Step_Omega2 = Omega_At_Time(s.Step_Time);
        s.Step_Theta2 = static_cast<float>(Theta_At_Time(s.Step_Time));
        Calculate(static_cast<int16_t>(i), Choice);
        if (Choice == Choice_Code::Abort) {
            s.Calc_Done = false;
            return;
        }
        s.Step_Time = s.Step_Time + s.Delta_Time;
    }
}

void Calculate_Angle_Steps(int16_t& Choice)
{
    Model_Store& s = store();
    Start_Run(Choice);
    s.Step_Omega2 = s.Omega_Zero;
    s.Alpha_Zero = 0;
    const bool forward = s.Omega_Zero > 0;
    s.Step_Theta2 = forward ? s.Min_Theta_Rad : s.Max_Theta_Rad;
    const float end_angle = forward ? s.Max_Theta_Rad : s.Min_Theta_Rad;
    for (int i = 0; i <= s.Num_Steps; ++i) {
        if (Past_Last_Step(i)) return;
        const int16_t step = static_cast<int16_t>(i);
        Calculate(step, Choice);
        if (Choice == Choice_Code::Abort) {
            s.Calc_Done = false;
            return;
        }
        const float w = s.Step_Omega2;
        if (w > 0) {
            if (s.Step_Theta2 < s.Max_Theta_Rad) {
                s.Step_Theta2 = s.Step_Theta2 + s.Delta_Theta_Rad;
                continue;
            }
        } else if (w < 0) {
            if (s.Step_Theta2 > end_angle) {
                s.Step_Theta2 = s.Step_Theta2 - s.Delta_Theta_Rad;
                continue;
            }
        } else {
            continue;
        }
        // At or past the end of the range: the last step is the end angle itself, and the sweep ends.
        if (s.Step_Theta2 != end_angle) {
            s.Step_Theta2 = end_angle;
            Calculate(step, Choice);
            if (Choice == Choice_Code::Abort) s.Calc_Done = false;
        }
        return;
    }
}

void Calculate(int16_t Step, int16_t& Choice)
{
    static const std::string name = "Calculate";
    // A step that fails (an overflow) is reported once and ends the run as an abort would: the
    // step is not valid, and a run of thousands of steps does not ask thousands of times.
    if (!Trap_Errors(name, [&] { Solve_Step(Step, Choice); })) {
        store().Step_Valid(Step) = 0;
        Choice = Choice_Code::Abort;
    }
}

double Theta_At_Time(float T)
{
    const Model_Store& s = store();
    const double t = T;
    return s.Alpha_Zero * t * t / 2 + s.Omega_Zero * t + s.Theta_Zero * Deg_To_Rad;
}

float Omega_At_Time(float T)
{
    const Model_Store& s = store();
    return static_cast<float>(s.Omega_Zero + static_cast<double>(s.Alpha_Zero) * T);
}

void Scale_Positions(int16_t Step, float Factor, int16_t First, int16_t Last)
{
    Scale_Rows(store().Position_Data, Step, Factor, First, Last);
}

void Scale_Velocities(int16_t Step, float Factor, int16_t First, int16_t Last)
{
    Scale_Rows(store().Veloc_Data, Step, Factor, First, Last);
}

void Scale_Accelerations(int16_t Step, float Factor, int16_t First, int16_t Last)
{
    Scale_Rows(store().Accel_Data, Step, Factor, First, Last);
}

void Report_Cannot_Connect(float Theta2, int16_t Step, int16_t& Choice)
{
    Model_Store& s = store();
    s.Cannot_Connect = true;
    s.Step_Valid(Step) = 0;
    const double degrees = FNRound(Theta2 * Rad_To_Deg, 2);
    // The angle is stored below: one beyond the float range fails before the question is asked.
    const float stored_degrees = Single(degrees);
    if (Choice != Choice_Code::Ignore) {
        Choice = static_cast<int16_t>(
            MsgBox(Cannot_Connect_Text(degrees), Msg::Abort_Retry_Ignore + Msg::Exclamation + Msg::Default_Button3));
    }
    for (int row = 0; row <= 3; ++row) {
        s.Theta_Data(Step, row) = 0;
        s.Omega_Data(Step, row) = 0;
        s.Alpha_Data(Step, row) = 0;
    }
    s.Theta_Data(Step, 0) = stored_degrees;
    for (int row = 0; row <= 3; ++row) {
        for (int xy = 0; xy <= 1; ++xy) {
            s.Position_Data(Step, row, xy) = 0;
            s.Veloc_Data(Step, row, xy) = 0;
            s.Accel_Data(Step, row, xy) = 0;
        }
    }
    s.Theta_Data(Step, 4) = 0;
}

void Check_Grashof()
{
    Model_Store& s = store();
    s.Grashof_Code = "Y";
    std::string caption = "Grashof";
    auto& L = s.Link_Lengths;
    for (int pass = 1; pass <= 4; ++pass) {
        for (int j = 1; j <= 4; ++j) {
            if (L(j) >= L(j + 1)) std::swap(L(j), L(j + 1));
        }
    }
    const float S = static_cast<float>(static_cast<double>(L(1)) + L(2) + L(5));
    const float T = static_cast<float>(static_cast<double>(L(3)) + L(4));
    if (T < S) {
        caption = "Non-Grashof";
        s.Grashof_Code = "N";
        if (!s.Startup_Flag) {
            MsgBox("Your current Vastrel chain may not be Grashof,\r"
                   "according to equation 2.12 in Velmarch.\r\r"
                   "Depending on your choice of gear ratio and phase angle\r"
                   "it may or may not be capable of full rotation of the gears\r\r"
                   "This program's calculation routine will determine this for you.\r",
                   Msg::Ok_Only);
        }
    }
    if (T == S) {
        caption = "Special Case";
        s.Grashof_Code = "SC";
    }
    ui().Set_Grashof_Caption(caption);
    Load_Link_Lengths();
}
