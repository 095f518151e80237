#include "model/Mod_Plotsubs.h"

#include <algorithm>
#include <cmath>

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "runtime/Report_Error.h"

namespace {
constexpr int16_t Row_Not_Set = -1;

struct Catalogue_Entry {
    const char* name;
    int16_t type;
    int16_t row;
    bool scalar;
    bool local;
};

// Rows are the contract with the solver and the force solution.
const Catalogue_Entry Catalogue[Num_Var_Names] = {
    {"Theta2", Qty::Angle, 0, true, false},
    {"Theta3", Qty::Angle, 1, true, false},
    {"Theta4", Qty::Angle, 2, true, false},
    {"Theta5", Qty::Angle, 3, true, false},
    {"Trans Ang", Qty::Angle, 4, true, false},
    {"Omega2", Qty::Angular_Velocity, 0, true, false},
    {"Omega3", Qty::Angular_Velocity, 1, true, false},
    {"Omega4", Qty::Angular_Velocity, 2, true, false},
    {"Omega5", Qty::Angular_Velocity, 3, true, false},
    {"Alpha2", Qty::Angular_Acceleration, 0, true, false},
    {"Alpha3", Qty::Angular_Acceleration, 1, true, false},
    {"Alpha4", Qty::Angular_Acceleration, 2, true, false},
    {"Alpha5", Qty::Angular_Acceleration, 3, true, false},
    {"Veloc I 2,3", Qty::Velocity, 0, false, false},
    {"Veloc I 3,4", Qty::Velocity, 2, false, true},
    {"Veloc I 4,5", Qty::Velocity, 1, false, false},
    {"Veloc CP", Qty::Velocity, 3, false, true},
    {"Accel I 2,3", Qty::Acceleration, 0, false, false},
    {"Accel I 3,4", Qty::Acceleration, 2, false, true},
    {"Accel I 4,5", Qty::Acceleration, 1, false, false},
    {"Accel CP", Qty::Acceleration, 3, false, true},
    {"Coupler Pt", Qty::Position, 3, false, false},
    {"Veloc CG 2", Qty::Velocity, 4, false, false},
    {"Veloc CG 3", Qty::Velocity, 7, false, false},
    {"Veloc CG 4", Qty::Velocity, 5, false, false},
    {"Veloc CG 5", Qty::Velocity, 6, false, false},
    {"Accel CG 2", Qty::Acceleration, 6, false, true},
    {"Accel CG 3", Qty::Acceleration, 5, false, true},
    {"Accel CG 4", Qty::Acceleration, 7, false, true},
    {"Accel CG 5", Qty::Acceleration, 8, false, true},
    {"Force 12", Qty::Force, 5, false, false},
    {"Force 32", Qty::Force, 0, false, false},
    {"Force 43", Qty::Force, 1, false, false},
    {"Force 54", Qty::Force, 6, false, false},
    {"Force 15", Qty::Force, 8, false, false},
    {"F Shaking", Qty::Force, 7, false, false},
    {"Torque 12", Qty::Torque, 0, true, false},
    {"M Shaking", Qty::Torque, 3, true, false},
    {"Torque L3", Qty::Torque, 1, true, false},
    {"Torque L4", Qty::Torque, 2, true, false},
    {"Torque 15", Qty::Torque, 4, true, false},
    {"F Inertia L2", Qty::Force, 3, false, false},
    {"F Inertia L3", Qty::Force, 2, false, false},
    {"F Inertia L4", Qty::Force, 4, false, false},
    {"F Inertia L5", Qty::Force, 9, false, false},
    {"Flywl Torque", Qty::Flywheel_Torque, Row_Not_Set, false, false},
    {"Current FFT", Qty::Fourier, Row_Not_Set, false, false},
};
constexpr int FFT_Entry = 47;

template <int Lo, int Hi>
Array1<std::string, Lo, Hi> Table_Of(std::initializer_list<std::pair<int, const char*>> entries)
{
    Array1<std::string, Lo, Hi> t;
    for (const auto& [i, text] : entries) t(i) = text;
    return t;
}

const Array1<std::string, 0, 50>& Var_Names()
{
    static const Array1<std::string, 0, 50> t = [] {
        Array1<std::string, 0, 50> names;
        for (int i = 1; i <= Num_Var_Names; ++i) names(i) = Catalogue[i - 1].name;
        return names;
    }();
    return t;
}

const Array1<std::string, 0, 4>& Comp_Names()
{
    static const auto t = Table_Of<0, 4>({{1, "X"}, {2, "Y"}, {3, "Mag"}, {4, "Ang"}});
    return t;
}

const Array1<std::string, 0, 35>& Titles_4()
{
    static const auto t = Table_Of<0, 35>({
        {1, "Theta magnitudes for all output links"},
        {2, "Omega magnitudes for all output links"},
        {3, "Alpha magnitudes for all output links"},
        {4, "Velocity of Instant Center 2-3  -  X, Y, Mag, Ang Coordinates"},
        {5, "Velocity of Instant Center 3-4  -  X, Y, Mag, Ang Coordinates"},
        {6, "Velocity of Instant Center 4-5 -  X, Y, Mag, Ang Coordinates"},
        {7, "Velocity of Coupler Point  -  X, Y, Mag, Ang Coordinates"},
        {8, "Acceleration of Instant Ctr 2-3  -  X, Y, Mag, Ang Coordinates"},
        {9, "Acceleration of Instant Ctr 3-4  -  X, Y, Mag, Ang Coordinates"},
        {10, "Acceleration of Instant Ctr 4-5-  X, Y, Mag, Ang Coordinates"},
        {11, "Acceleration of Coupler Point  -  X, Y, Mag, Ang Coordinates"},
        {12, "Coupler Point Coordinates  -  X, Y, Mag, Ang Coordinates"},
        {13, "Acceleration of CG of Link 2  -  X, Y, Mag, Ang Coordinates"},
        {14, "Acceleration of CG of Link 3  -  X, Y, Mag, Ang Coordinates"},
        {15, "Acceleration of CG of Link 4  -  X, Y, Mag, Ang Coordinates"},
        {16, "Acceleration of CG of Link 5  -  X, Y, Mag, Ang Coordinates"},
        {17, "Force of Link 1 on 2  -  X, Y, Mag, Ang Coordinates"},
        {18, "Force of Link 3 on 2  -  X, Y, Mag, Ang Coordinates"},
        {19, "Force of Link 4 on 3  -  X, Y, Mag, Ang Coordinates"},
        {20, "Force of Link 5 on 4  -  X, Y, Mag, Ang Coordinates"},
        {21, "Force of Link 1 on 5  -  X, Y, Mag, Ang Coordinates"},
        {22, "Shaking Force  -  X, Y, Mag, Ang Coordinates"},
        {23, "Torque Magnitudes for all links"},
        {24, "Inertia Force on Link 2  -  X, Y, Mag, Ang Coordinates"},
        {25, "Inertia Force on Link 3  -  X, Y, Mag, Ang Coordinates"},
        {26, "Inertia Force on Link 4  -  X, Y, Mag, Ang Coordinates"},
        {27, "Inertia Force on Link 5  -  X, Y, Mag, Ang Coordinates"},
        {31, "Current FFT - Real, Imag, Mag, Phase"},
    });
    return t;
}

const Array1<std::string, 0, 35>& Titles_2()
{
    static const auto t = Table_Of<0, 35>({
        {1, "Theta3 and Theta4 Magnitudes"},
        {2, "Omega3 and Omega4 Magnitudes"},
        {3, "Alpha3 and Alpha4 Magnitudes"},
        {4, "Velocity of Instant Center 2-3  -  X, Y components"},
        {5, "Velocity of Instant Center 3-4  -  X, Y components"},
        {6, "Velocity of Instant Center 4-5  -  X, Y components"},
        {7, "Velocity of Coupler Point  -  X, Y components"},
        {8, "Acceleration of Instant Ctr 2-3  -  X, Y components"},
        {9, "Acceleration of Instant Ctr 3-4  -  X, Y components"},
        {10, "Acceleration of Instant Ctr 4-5  -  X, Y components"},
        {11, "Acceleration of Coupler Point  -  X, Y components"},
        {12, "Coupler Point Coordinates  -  X, Y components"},
        {13, "Velocity of CG of Link 3  -  X, Y components"},
        {14, "Velocity of CG of Link 4  -  X, Y components"},
        {15, "Acceleration of CG of Link 2  -  X, Y components"},
        {16, "Acceleration of CG of Link 3  -  X, Y components"},
        {17, "Acceleration of CG of Link 4  -  X, Y components"},
        {18, "Force of Link 1 on 2  -  X, Y components"},
        {19, "Force of Link 3 on 2  -  X, Y components"},
        {20, "Force of Link 4 on 3  -  X, Y components"},
        {21, "Force of Link 5 on 4  -  X, Y components"},
        {22, "Force of Link 1 on 5  -  X, Y components"},
        {23, "Shaking Force -  X, Y components"},
        {24, "DAlembert Inertia Force on Link 2  -  X, Y components"},
        {25, "DAlembert Inertia Force on Link 3  -  X, Y components"},
        {26, "DAlembert Inertia Force on Link 4  -  X, Y components"},
        {27, "Torques 12 and Shaking Moment"},
        {28, "Torque 12 and Flywheel-Smoothed Torque 12 Compared"},
        {33, "Current FFT - Real, Imag"},
        {34, "Current FFT - Mag, Phase"},
    });
    return t;
}

// X and Y of a vector variable at a step; false for the types that are not vectors.
bool Fetch_Vector(const Model_Store& s, int16_t type, int step, int row, float& X, float& Y)
{
    switch (type) {
    case Qty::Velocity:
        X = s.Veloc_Data(step, row, 0);
        Y = s.Veloc_Data(step, row, 1);
        return true;
    case Qty::Acceleration:
        X = s.Accel_Data(step, row, 0);
        Y = s.Accel_Data(step, row, 1);
        return true;
    case Qty::Position:
        X = s.Position_Data(step, row, 0);
        Y = s.Position_Data(step, row, 1);
        return true;
    case Qty::Force:
        X = s.Force_Data(step, row, 0);
        Y = s.Force_Data(step, row, 1);
        return true;
    default:
        return false;
    }
}

// Row of Theta_Data holding the angle of the link that carries the point of a vector row.
int Carrying_Link_Row(int row)
{
    switch (row) {
    case 1: return 3;  // joint 4-5 rides on link 5
    case 2: return 2;  // joint 3-4 on link 4
    case 3: return 1;  // coupler point on link 3
    default: return 0;
    }
}

// Frame, zero tolerance and polar form of a fetched vector.
void Vector_Steps(const Model_Store& s, int step, int row, float& X, float& Y, float& Mag, float& Ang)
{
    if (s.Coord_System != 0) {
        float angle = s.Theta_Data(step, Carrying_Link_Row(row));
        float xr = 0, yr = 0;
        Rotate(X, Y, angle, -1, xr, yr);
        X = xr;
        Y = yr;
    }
    if (std::fabs(X) < s.Zero_Tol) X = 0;
    if (std::fabs(Y) < s.Zero_Tol) Y = 0;
    double r = 0, theta = 0;
    Cart_to_Polar(X, Y, r, theta);
    Mag = static_cast<float>(r);
    Ang = static_cast<float>(theta);
}
}  // namespace

const std::string& Var_Name(int i) { return Var_Names()(i); }
const std::string& Comp_Name(int i) { return Comp_Names()(i); }
const std::string& Preset_Titles_4(int i) { return Titles_4()(i); }
const std::string& Preset_Titles_2(int i) { return Titles_2()(i); }

void Set_Variable(const std::string& Name, int16_t Slot)
{
    Trap_Errors("", [&] {
        Model_Store& s = store();
        s.Scalar_Variable = false;
        s.Local_Allowed = false;
        s.FFT_Variable = false;
        for (int i = 1; i <= Num_Var_Names; ++i) {
            if (Name != Var_Name(i)) continue;
            const Catalogue_Entry& e = Catalogue[i - 1];
            // Both arrays must take the slot before either is written.
            if (!decltype(s.Var_Row)::In_Range(Slot)) Raise(Err::Subscript);
            s.Var_Type(Slot) = e.type;
            if (e.row != Row_Not_Set) s.Var_Row(Slot) = e.row;
            s.Scalar_Variable = e.scalar;
            s.Local_Allowed = e.local;
            s.FFT_Variable = i == FFT_Entry;
            return;
        }
    });
}

bool Select_Variable(int16_t Step, int16_t Slot, float& Value)
{
    return Trap_Errors("Select_Variable", [&] {
        Model_Store& s = store();
        s.Zero_Tol = 0.0001f;
        const int16_t type = s.Var_Type(Slot);
        const int16_t r = s.Var_Row(Slot);
        switch (type) {
        case Qty::Angle: Value = s.Theta_Data(Step, r); return;
        case Qty::Angular_Velocity: Value = s.Omega_Data(Step, r); return;
        case Qty::Angular_Acceleration: Value = s.Alpha_Data(Step, r); return;
        case Qty::Torque: Value = s.Torque_Data(Step, r); return;
        case Qty::Flywheel_Torque: Value = s.Flywheel_Torque(Step); return;
        case Qty::Fourier: Value = s.Current_FFT(Step, s.Comp_Code(Slot)); return;
        default: break;
        }
        float X = 0, Y = 0, Mag = 0, Ang = 0;
        if (!Fetch_Vector(s, type, Step, r, X, Y)) return;
        const int16_t comp = s.Comp_Code(Slot);
        Vector_Steps(s, Step, r, X, Y, Mag, Ang);
        switch (comp) {
        case 0: Value = X; break;
        case 1: Value = Y; break;
        case 2: Value = Mag; break;
        case 3: Value = Ang; break;
        default: break;
        }
    });
}

bool Fourier_In_Slots(int16_t Count)
{
    const Model_Store& s = store();
    if (s.FFT_Variable) return true;
    for (int16_t slot = 1; slot <= std::clamp<int16_t>(Count, 0, 4); ++slot)
        if (s.Var_Type(slot) == Qty::Fourier) return true;
    return false;
}

void Select_PolarVariable(int16_t Step, int16_t Slot, float& Magnitude, float& Angle)
{
    Trap_Errors("Select_PolarVariable", [&] {
        Model_Store& s = store();
        s.Zero_Tol = 0.0001f;
        const int16_t type = s.Var_Type(Slot);
        const int16_t r = s.Var_Row(Slot);
        float X = 0, Y = 0, Mag = 0, Ang = 0;
        if (!Fetch_Vector(s, type, Step, r, X, Y)) return;
        Vector_Steps(s, Step, r, X, Y, Mag, Ang);
        Magnitude = Mag;
        Angle = Ang;
    });
}
