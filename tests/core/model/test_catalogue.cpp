#include <gtest/gtest.h>

#include <cmath>

#include "Fake_Ui_Port.h"
#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"

namespace {
// Name, type, row (-1: the slot keeps its row), scalar, local frame offered.
const struct { const char* name; int type, row; bool scalar, local; } Table[47] = {
    {"Theta2", 1, 0, 1, 0}, {"Theta3", 1, 1, 1, 0}, {"Theta4", 1, 2, 1, 0}, {"Theta5", 1, 3, 1, 0},
    {"Trans Ang", 1, 4, 1, 0}, {"Omega2", 2, 0, 1, 0}, {"Omega3", 2, 1, 1, 0}, {"Omega4", 2, 2, 1, 0},
    {"Omega5", 2, 3, 1, 0}, {"Alpha2", 3, 0, 1, 0}, {"Alpha3", 3, 1, 1, 0}, {"Alpha4", 3, 2, 1, 0},
    {"Alpha5", 3, 3, 1, 0}, {"Veloc I 2,3", 4, 0, 0, 0}, {"Veloc I 3,4", 4, 2, 0, 1}, {"Veloc I 4,5", 4, 1, 0, 0},
    {"Veloc CP", 4, 3, 0, 1}, {"Accel I 2,3", 5, 0, 0, 0}, {"Accel I 3,4", 5, 2, 0, 1}, {"Accel I 4,5", 5, 1, 0, 0},
    {"Accel CP", 5, 3, 0, 1}, {"Coupler Pt", 6, 3, 0, 0}, {"Veloc CG 2", 4, 4, 0, 0}, {"Veloc CG 3", 4, 7, 0, 0},
    {"Veloc CG 4", 4, 5, 0, 0}, {"Veloc CG 5", 4, 6, 0, 0}, {"Accel CG 2", 5, 6, 0, 1}, {"Accel CG 3", 5, 5, 0, 1},
    {"Accel CG 4", 5, 7, 0, 1}, {"Accel CG 5", 5, 8, 0, 1}, {"Force 12", 10, 5, 0, 0}, {"Force 32", 10, 0, 0, 0},
    {"Force 43", 10, 1, 0, 0}, {"Force 54", 10, 6, 0, 0}, {"Force 15", 10, 8, 0, 0}, {"F Shaking", 10, 7, 0, 0},
    {"Torque 12", 9, 0, 1, 0}, {"M Shaking", 9, 3, 1, 0}, {"Torque L3", 9, 1, 1, 0}, {"Torque L4", 9, 2, 1, 0},
    {"Torque 15", 9, 4, 1, 0}, {"F Inertia L2", 10, 3, 0, 0}, {"F Inertia L3", 10, 2, 0, 0},
    {"F Inertia L4", 10, 4, 0, 0}, {"F Inertia L5", 10, 9, 0, 0}, {"Flywl Torque", 18, -1, 0, 0},
    {"Current FFT", 14, -1, 0, 0}};

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override { reset_store(); }
    static float Value_Of(const char* name, int16_t comp, int16_t step = 7)
    {
        Set_Variable(name, 2);
        store().Comp_Code(2) = comp;
        float v = -999;
        Select_Variable(step, 2, v);
        return v;
    }
    Fake_Ui_Port port;
};
}  // namespace

TEST_F(Catalogue, EveryNameClassifiesToItsTypeRowAndFlags)
{
    for (int i = 1; i <= 47; ++i) {
        SCOPED_TRACE(Table[i - 1].name);
        EXPECT_EQ(Var_Name(i), Table[i - 1].name);
        store().Var_Row(3) = 4;
        store().FFT_Variable = true;
        Set_Variable(Table[i - 1].name, 3);
        EXPECT_EQ(store().Var_Type(3), Table[i - 1].type);
        EXPECT_EQ(store().Var_Row(3), Table[i - 1].row < 0 ? 4 : Table[i - 1].row);
        EXPECT_EQ(store().Scalar_Variable, Table[i - 1].scalar);
        EXPECT_EQ(store().Local_Allowed, Table[i - 1].local);
        EXPECT_EQ(store().FFT_Variable, i == 47);
    }
    // Unknown names (an empty combo text, another case) keep the slot and clear the flags.
    for (const char* name : {"", "current fft", "Veloc CP "}) {
        Set_Variable(name, 3);
        EXPECT_EQ(store().Var_Type(3), 14);
        EXPECT_FALSE(store().FFT_Variable);
    }
    EXPECT_EQ(Preset_Titles_4(10), "Acceleration of Instant Ctr 4-5-  X, Y, Mag, Ang Coordinates");
    EXPECT_EQ(Preset_Titles_2(23), "Shaking Force -  X, Y components");
}

TEST_F(Catalogue, ScalarsIgnoreTheComponentVectorsGiveTheirPolarForm)
{
    Model_Store& s = store();
    s.Theta_Data(7, 4) = -417.5f;  // the transmission angle as stored, not brought into a range
    s.Flywheel_Torque(7) = 8.75f;
    for (int c = 0; c <= 3; ++c) s.Current_FFT(512, c) = 10.0f + c;
    for (int16_t comp = 0; comp <= 3; ++comp) {
        EXPECT_EQ(Value_Of("Trans Ang", comp), -417.5f);
        EXPECT_EQ(Value_Of("Flywl Torque", comp), 8.75f);
        EXPECT_EQ(Value_Of("Current FFT", comp, 512), 10.0f + comp);
    }
    s.Position_Data(7, 3, 0) = 3;
    s.Position_Data(7, 3, 1) = 4;
    EXPECT_FLOAT_EQ(Value_Of("Coupler Pt", 2), 5.0f);  // distance from the crank pivot
    EXPECT_NEAR(Value_Of("Coupler Pt", 3), std::atan2(4.0, 3.0) * 180 / M_PI, 1e-4);
    s.Force_Data(7, 7, 0) = s.Force_Data(7, 7, 1) = -2;
    EXPECT_NEAR(Value_Of("F Shaking", 3), 225.0, 1e-4);  // never -135
    s.Veloc_Data(7, 0, 0) = 0.00009f;
    s.Veloc_Data(7, 0, 1) = -0.00009f;
    EXPECT_EQ(Value_Of("Veloc I 2,3", 1), 0.0f);
    EXPECT_EQ(Value_Of("Veloc I 2,3", 3), 0.0f);  // a zero vector has angle 0
    s.Veloc_Data(7, 0, 0) = 0.0001f;
    EXPECT_EQ(Value_Of("Veloc I 2,3", 0), 0.0001f);
}

TEST_F(Catalogue, LocalFrameTurnsEachPointByTheLinkThatCarriesIt)
{
    Model_Store& s = store();
    s.Coord_System = 2;
    const float theta[4] = {30, 75, 140, 205};
    for (int k = 0; k < 4; ++k) s.Theta_Data(7, k) = theta[k];
    for (int r = 0; r <= 9; ++r) {
        for (int xy = 0; xy <= 1; ++xy) {
            const float v = xy == 0 ? 1.5f + r : -0.75f * (r + 1);
            s.Force_Data(7, r, xy) = v;
            if (r <= 8) s.Accel_Data(7, r, xy) = v;
            if (r <= 7) s.Veloc_Data(7, r, xy) = v;
            if (r <= 4) s.Position_Data(7, r, xy) = v;
        }
    }
    const struct { const char* name; float angle; } cases[] = {
        {"Veloc I 2,3", 30}, {"Veloc I 4,5", 205}, {"Veloc I 3,4", 140}, {"Veloc CP", 75},
        {"Coupler Pt", 75},  {"Accel CG 3", 30},   {"Force 15", 30},     {"Veloc CG 3", 30}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Set_Variable(c.name, 2);
        const int r = s.Var_Row(2);
        const double X = 1.5 + r, Y = -0.75 * (r + 1), a = c.angle * M_PI / 180;
        EXPECT_NEAR(Value_Of(c.name, 0), X * std::cos(a) + Y * std::sin(a), 1e-5);
        EXPECT_NEAR(Value_Of(c.name, 1), -X * std::sin(a) + Y * std::cos(a), 1e-5);
        float mag = 0, ang = 0;
        Select_PolarVariable(7, 2, mag, ang);
        EXPECT_NEAR(mag, std::hypot(X, Y), 1e-5);  // turning keeps the length
        EXPECT_EQ(ang, Value_Of(c.name, 3));
    }
    // (1, 0) seen from a link at 90 degrees: the rounding residue in X becomes exactly 0.
    s.Theta_Data(7, 0) = 90;
    s.Veloc_Data(7, 0, 0) = 1;
    s.Veloc_Data(7, 0, 1) = 0;
    EXPECT_EQ(Value_Of("Veloc I 2,3", 0), 0.0f);
}

TEST_F(Catalogue, OutOfRangeStepsAndSlotsAreReportedAndLeaveTheOutputs)
{
    port.Allow_Any_Box();
    Set_Variable("Coupler Pt", 1);
    float v = 42, mag = 1, ang = 2;
    Select_Variable(1025, 1, v);
    Select_Variable(-1, 1, v);
    Select_Variable(0, 5, v);
    EXPECT_EQ(Value_Of("Current FFT", 0, 513), -999.0f);
    Select_PolarVariable(1025, 1, mag, ang);
    Set_Variable("Theta2", 1);
    Select_PolarVariable(3, 1, mag, ang);  // not a vector: nothing written, nothing reported
    Set_Variable("Theta4", 5);
    EXPECT_EQ(v, 42.0f);
    EXPECT_EQ(mag, 1.0f);
    EXPECT_EQ(ang, 2.0f);
    EXPECT_EQ(store().Var_Type(5), 0);
    const std::string report = "Error 9   (Subscript out of range)  has occurred in ";
    const char* names[] = {"Select_Variable", "Select_Variable", "Select_Variable", "Select_Variable",
                           "Select_PolarVariable", ""};
    ASSERT_EQ(port.boxes.size(), 6u);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(port.boxes[i].prompt, report + names[i] + "\r\n\r\n");
}
