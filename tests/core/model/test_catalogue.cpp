#include <gtest/gtest.h>

#include <cmath>

#include "Fake_Ui_Port.h"
#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"

namespace {
struct Expected {
    const char* name;
    int type, row;  // row -1: the slot keeps its row
    bool scalar, local;
};

// As the selection screens and the force solution rely on them.
const Expected Catalogue_Table[47] = {
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
    {"Current FFT", 14, -1, 0, 0},
};

class Catalogue : public ::testing::Test {
protected:
    void SetUp() override { reset_store(); }
    Fake_Ui_Port port;

    static float Value_Of(const char* name, int16_t comp, int16_t step = 7, int16_t slot = 2)
    {
        Set_Variable(name, slot);
        store().Comp_Code(slot) = comp;
        float v = -999;
        Select_Variable(step, slot, v);
        return v;
    }
    void Expect_One_Error_Report(const std::string& routine)
    {
        ASSERT_EQ(port.boxes.size(), 1u);
        EXPECT_EQ(port.boxes[0].prompt.rfind("Error 9   (Subscript out of range)  has occurred in " + routine + "\r\n", 0), 0u)
            << port.boxes[0].prompt;
    }
};
}  // namespace

TEST_F(Catalogue, EveryNameClassifiesToItsTypeRowAndFlags)
{
    for (int i = 1; i <= 47; ++i) {
        const Expected& e = Catalogue_Table[i - 1];
        SCOPED_TRACE(e.name);
        EXPECT_EQ(Var_Name(i), e.name);
        store().Var_Row(3) = 4;
        store().FFT_Variable = true;
        Set_Variable(e.name, 3);
        EXPECT_EQ(store().Var_Type(3), e.type);
        EXPECT_EQ(store().Var_Row(3), e.row < 0 ? 4 : e.row);
        EXPECT_EQ(store().Scalar_Variable, e.scalar);
        EXPECT_EQ(store().Local_Allowed, e.local);
        EXPECT_EQ(store().FFT_Variable, i == 47);
    }
    EXPECT_EQ(Var_Name(0), "");
    EXPECT_EQ(Var_Name(48), "");
    EXPECT_EQ(Var_Name(50), "");
}

TEST_F(Catalogue, ANameNotInTheCatalogueLeavesTheSlotAndClearsTheFlags)
{
    Set_Variable("Veloc CP", 1);
    for (const char* name : {"", "veloc cp", "Veloc CP ", "Theta"}) {
        Set_Variable(name, 1);
        EXPECT_EQ(store().Var_Type(1), 4);
        EXPECT_EQ(store().Var_Row(1), 3);
        EXPECT_FALSE(store().Local_Allowed);
        EXPECT_FALSE(store().Scalar_Variable);
    }
}

TEST_F(Catalogue, ComponentAndPresetTablesHoldTheirExactTexts)
{
    EXPECT_EQ(Comp_Name(1) + Comp_Name(2) + Comp_Name(3) + Comp_Name(4), "XYMagAng");
    EXPECT_EQ(Comp_Name(0), "");
    for (int i = 0; i <= 35; ++i) {
        EXPECT_EQ(Preset_Titles_4(i).empty(), i == 0 || (i > 27 && i != 31)) << i;
        EXPECT_EQ(Preset_Titles_2(i).empty(), i == 0 || (i > 28 && i != 33 && i != 34)) << i;
    }
    EXPECT_EQ(Preset_Titles_4(6), "Velocity of Instant Center 4-5 -  X, Y, Mag, Ang Coordinates");
    EXPECT_EQ(Preset_Titles_4(10), "Acceleration of Instant Ctr 4-5-  X, Y, Mag, Ang Coordinates");
    EXPECT_EQ(Preset_Titles_4(31), "Current FFT - Real, Imag, Mag, Phase");
    EXPECT_EQ(Preset_Titles_2(23), "Shaking Force -  X, Y components");
    EXPECT_EQ(Preset_Titles_2(28), "Torque 12 and Flywheel-Smoothed Torque 12 Compared");
    EXPECT_THROW(Preset_Titles_2(36), Runtime_Error);
}

TEST_F(Catalogue, ScalarValuesIgnoreTheComponent)
{
    Model_Store& s = store();
    s.Theta_Data(7, 4) = -417.5f;  // transmission angle as stored, never brought into a range
    s.Omega_Data(7, 3) = 12.25f;
    s.Torque_Data(7, 3) = -3.5f;
    s.Flywheel_Torque(7) = 8.75f;
    for (int16_t comp = 0; comp <= 3; ++comp) {
        EXPECT_EQ(Value_Of("Trans Ang", comp), -417.5f);
        EXPECT_EQ(Value_Of("Omega5", comp), 12.25f);
        EXPECT_EQ(Value_Of("M Shaking", comp), -3.5f);
        EXPECT_EQ(Value_Of("Flywl Torque", comp), 8.75f);
    }
}

TEST_F(Catalogue, FourierComponentsPickTheirRowOverHarmonics)
{
    port.Allow_Any_Box();
    for (int c = 0; c <= 3; ++c) store().Current_FFT(512, c) = 10.0f + c;
    EXPECT_EQ(Value_Of("Current FFT", 0, 512), 10.0f);
    EXPECT_EQ(Value_Of("Current FFT", 3, 512), 13.0f);  // phase
    EXPECT_TRUE(store().FFT_Variable);
    EXPECT_EQ(Value_Of("Current FFT", 3, 513), -999.0f);
    Expect_One_Error_Report("Select_Variable");
}

TEST_F(Catalogue, GlobalVectorsGiveComponentsLengthAndPolarAngle)
{
    store().Position_Data(7, 3, 0) = 3;
    store().Position_Data(7, 3, 1) = 4;
    EXPECT_EQ(Value_Of("Coupler Pt", 0), 3.0f);
    EXPECT_EQ(Value_Of("Coupler Pt", 1), 4.0f);
    EXPECT_FLOAT_EQ(Value_Of("Coupler Pt", 2), 5.0f);
    EXPECT_NEAR(Value_Of("Coupler Pt", 3), std::atan2(4.0, 3.0) * 180 / M_PI, 1e-4);
    store().Force_Data(7, 7, 0) = -2;
    store().Force_Data(7, 7, 1) = -2;
    EXPECT_NEAR(Value_Of("F Shaking", 3), 225.0, 1e-4);  // third quadrant, never -135
}

TEST_F(Catalogue, ZeroToleranceAppliesToEachComponentAfterTheFrame)
{
    Model_Store& s = store();
    s.Veloc_Data(7, 0, 0) = 0.00009f;
    s.Veloc_Data(7, 0, 1) = -0.00009f;
    EXPECT_EQ(Value_Of("Veloc I 2,3", 0), 0.0f);
    EXPECT_EQ(Value_Of("Veloc I 2,3", 3), 0.0f);  // a zero vector has angle 0
    EXPECT_EQ(s.Zero_Tol, 0.0001f);
    s.Veloc_Data(7, 0, 0) = 0.0001f;
    EXPECT_EQ(Value_Of("Veloc I 2,3", 0), 0.0001f);
    // (1, 0) seen from a link at 90 degrees: X is a rounding residue, set to exactly 0.
    s.Coord_System = 1;
    s.Theta_Data(7, 0) = 90;
    s.Veloc_Data(7, 0, 0) = 1;
    s.Veloc_Data(7, 0, 1) = 0;
    EXPECT_EQ(Value_Of("Veloc I 2,3", 0), 0.0f);
    EXPECT_FLOAT_EQ(Value_Of("Veloc I 2,3", 1), -1.0f);
}

TEST_F(Catalogue, LocalFrameTurnsEachPointByTheLinkThatCarriesIt)
{
    Model_Store& s = store();
    s.Coord_System = 2;  // any frame other than global turns vectors
    const float link_angle[4] = {30, 75, 140, 205};  // theta2..theta5
    for (int k = 0; k < 4; ++k) s.Theta_Data(7, k) = link_angle[k];
    struct Case {
        const char* name;
        float theta;
    } cases[] = {{"Veloc I 2,3", 30}, {"Veloc I 4,5", 205}, {"Veloc I 3,4", 140}, {"Veloc CP", 75},
                 {"Accel CP", 75},    {"Accel CG 3", 30},   {"Force 15", 30},     {"Coupler Pt", 75},
                 {"F Inertia L5", 30}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Set_Variable(c.name, 1);
        const int r = store().Var_Row(1);
        const float X = 1.5f + r, Y = -0.75f * (r + 1);
        const int16_t type = store().Var_Type(1);
        auto& x = type == 4 ? s.Veloc_Data(7, r, 0) : type == 5 ? s.Accel_Data(7, r, 0) : type == 6 ? s.Position_Data(7, r, 0) : s.Force_Data(7, r, 0);
        auto& y = type == 4 ? s.Veloc_Data(7, r, 1) : type == 5 ? s.Accel_Data(7, r, 1) : type == 6 ? s.Position_Data(7, r, 1) : s.Force_Data(7, r, 1);
        x = X;
        y = Y;
        const double a = c.theta * M_PI / 180;
        EXPECT_NEAR(Value_Of(c.name, 0, 7, 1), X * std::cos(a) + Y * std::sin(a), 1e-5);
        EXPECT_NEAR(Value_Of(c.name, 1, 7, 1), -X * std::sin(a) + Y * std::cos(a), 1e-5);
        // Turning changes the direction, never the length.
        EXPECT_NEAR(Value_Of(c.name, 2, 7, 1), std::hypot(X, Y), 1e-5);
        float mag = 0, ang = 0;
        Select_PolarVariable(7, 1, mag, ang);
        EXPECT_NEAR(mag, std::hypot(X, Y), 1e-5);
        EXPECT_NEAR(ang, Value_Of(c.name, 3, 7, 1), 1e-6);
    }
}

TEST_F(Catalogue, PolarAccessWritesNothingForScalars)
{
    store().Theta_Data(3, 0) = 45;
    Set_Variable("Theta2", 1);
    float mag = -1, ang = -2;
    Select_PolarVariable(3, 1, mag, ang);
    EXPECT_EQ(mag, -1.0f);
    EXPECT_EQ(ang, -2.0f);
}

TEST_F(Catalogue, StepsAndSlotsOutOfRangeAreReportedAndLeaveTheOutputs)
{
    port.Allow_Any_Box();
    Set_Variable("Coupler Pt", 1);
    float v = 42, mag = 1, ang = 2;
    Select_Variable(1025, 1, v);
    Expect_One_Error_Report("Select_Variable");
    port.boxes.clear();
    Select_Variable(-1, 1, v);
    Select_Variable(0, 5, v);
    EXPECT_EQ(port.boxes.size(), 2u);
    EXPECT_EQ(v, 42.0f);
    port.boxes.clear();
    Select_PolarVariable(1025, 1, mag, ang);
    Expect_One_Error_Report("Select_PolarVariable");
    EXPECT_EQ(mag, 1.0f);
    EXPECT_EQ(ang, 2.0f);
    port.boxes.clear();

    // The classification reports under no name and writes nothing for a slot it cannot hold.
    Set_Variable("Theta4", 5);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_NE(port.boxes[0].prompt.find("has occurred in \r\n"), std::string::npos);
    EXPECT_EQ(store().Var_Type(5), 0);
}
