#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "Fake_Ui_Port.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "model/Mod_VastrelW.h"

namespace {
struct Caption_Port : Fake_Ui_Port {
    void Set_Grashof_Caption(const std::string& caption) override { captions.push_back(caption); }
    std::vector<std::string> captions;
};

void Set_Lengths(float f, float a, float b, float c, float d)
{
    Model_Store& s = store();
    s.Link1_Length = f, s.Link2_Length = a, s.Link3_Length = b, s.Link4_Length = c, s.Link5_Length = d;
    Load_Link_Lengths();
}

int16_t Run_Motion(int16_t calc_type)
{
    int16_t choice = 0;
    Calculate_Motion(calc_type, choice);
    return choice;
}

double Mod360(double degrees) { return std::remainder(degrees, 360.0); }

class Solver : public ::testing::Test {
protected:
    Caption_Port port;
    Model_Store& s = (reset_store(), Initialize(), store());
};
}  // namespace

TEST_F(Solver, DefaultModelAssemblesEverywhereAndIsGrashof)
{
    Check_Grashof();
    EXPECT_EQ(s.Grashof_Code, "Y");
    EXPECT_EQ(port.captions, std::vector<std::string>{"Grashof"});
    EXPECT_EQ(s.Link_Lengths(1), 2.5f);  // sorted in place, then restored
    s.Dynamics_Done = true;
    EXPECT_EQ(Run_Motion(3), Choice_Code::Retry);
    EXPECT_TRUE(s.Calc_Done);
    EXPECT_FALSE(s.Dynamics_Done || s.Cannot_Connect);
    for (int i = 0; i <= 36; ++i) {
        EXPECT_EQ(s.Step_Valid(i), -1) << i;
        EXPECT_NEAR(s.Theta_Data(i, 0), 10 * i, 1e-3) << i;
    }
    EXPECT_EQ(s.Step_Valid(37), 0);
    // At theta2 = 0 the joints sit at (1, 0) and (3.5, 0): B closes an isosceles triangle over them.
    const bool upper = s.Theta_Data(0, 1) < 180;
    EXPECT_NEAR(s.Theta_Data(0, 1), upper ? 60 : 300, 1e-3);
    EXPECT_NEAR(s.Theta_Data(0, 2), upper ? 120 : 240, 1e-3);
}

TEST_F(Solver, GrashofSpecialCaseAndNonGrashof)
{
    Set_Lengths(2, 1, 2, 2, 1);
    Check_Grashof();
    EXPECT_EQ(s.Grashof_Code, "SC");
    Set_Lengths(1.5f, 1, 1, 1.5f, 1);
    port.Answer(Msg::Ans_Ok);
    Check_Grashof();
    EXPECT_EQ(s.Grashof_Code, "N");
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].prompt.rfind("Your current Vastrel chain may not be Grashof,\raccording", 0), 0u);
    s.Startup_Flag = true;
    Check_Grashof();
    EXPECT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.captions, (std::vector<std::string>{"Special Case", "Non-Grashof", "Non-Grashof"}));
}

TEST_F(Solver, RetryIgnoreAndAbortSteerARunThroughFailingSteps)
{
    // Coupler and link 4 of 1.5: B cannot be reached between 60 and 120 nor between 240 and 300 degrees.
    Set_Lengths(2.5f, 1, 1.5f, 1.5f, 1);
    auto fails = [](int i) { return (i >= 6 && i <= 12) || (i >= 24 && i <= 30); };
    port.Answer(Msg::Ans_Retry, 14).Answer(Msg::Ans_Ignore).Answer(Msg::Ans_Abort);
    EXPECT_EQ(Run_Motion(3), Choice_Code::Retry);
    ASSERT_EQ(port.boxes.size(), 14u);
    EXPECT_EQ(port.boxes[0].style, 562);
    EXPECT_EQ(port.boxes[0].prompt,
              "Linkage cannot connect or is indeterminate at Theta2 =  60 Degrees\r\r"
              "Choose Abort to terminate further calculations beyond the current position\r\r"
              "Choose Retry to continue calculating the linkage motion and flag new problem positions with this "
              "message\r\r"
              "Choose Ignore to continue calculating, skipping over new problem positions and suppressing further "
              "messages\r");
    EXPECT_TRUE(s.Cannot_Connect);
    for (int i = 0; i <= 36; ++i) {
        EXPECT_EQ(s.Step_Valid(i), fails(i) ? 0 : -1) << i;
        EXPECT_NEAR(s.Theta_Data(i, 0), 10 * i, 1e-3);
        if (fails(i)) {
            EXPECT_EQ(std::abs(s.Theta_Data(i, 1)) + std::abs(s.Accel_Data(i, 3, 1)), 0);
        }
    }
    EXPECT_EQ(Run_Motion(3), Choice_Code::Ignore);
    EXPECT_EQ(port.boxes.size(), 15u);
    // Abort: the steps after the failing one stay as they were.
    s.Theta_Data(7, 1) = 123;
    EXPECT_EQ(Run_Motion(3), Choice_Code::Abort);
    EXPECT_EQ(port.boxes.size(), 16u);
    EXPECT_FALSE(s.Calc_Done);
    EXPECT_EQ(s.Theta_Data(7, 1), 123);
}

TEST_F(Solver, CircuitNamesAndAnUnknownCalculationType)
{
    s.Circuit = 2;
    s.Dynamics_Done = true;
    s.Calc_Done = false;
    Run_Motion(7);  // no driver runs, but the circuit is named and the dynamics are stale
    EXPECT_EQ(s.Circuit_Name, "Crossed");
    EXPECT_EQ(s.Circuit_Sign, 1);
    EXPECT_FALSE(s.Dynamics_Done || s.Calc_Done);
    s.Circuit = 1;
    Run_Motion(0);
    EXPECT_EQ(s.Circuit_Name, "Open");
    EXPECT_EQ(s.Circuit_Sign, -1);
    s.Circuit = 3;
    Run_Motion(0);
    EXPECT_EQ(s.Circuit_Name, "Open");
    EXPECT_EQ(s.Circuit_Sign, -1);
}

TEST_F(Solver, AngleConventions)
{
    // Crank at 90 degrees, theta5 at -90: crossed, B lies straight below C at (4, -2).
    Set_Lengths(4, 1, 5, 1, 1);
    s.Theta_Zero = 90;
    s.Circuit = 2;
    Run_Motion(1);
    EXPECT_NEAR(s.Position_Data(0, 2, 1), -2, 1e-5);
    EXPECT_EQ(s.Min_Theta_Text, " 90");
    EXPECT_EQ(s.Max_Theta_Text, " 90");
    EXPECT_EQ(s.Delta_Theta_Text, "0");
    EXPECT_EQ(s.Num_Steps, 0);
    EXPECT_NEAR(s.Theta_Data(0, 2), 270, 1e-3);
    EXPECT_NEAR(s.Theta_Data(0, 3), 270, 1e-3);
    s.Angle_Mode = "180";
    Run_Motion(1);
    EXPECT_NEAR(s.Theta_Data(0, 2), -90, 1e-3);
    EXPECT_NEAR(s.Theta_Data(0, 3), -90, 1e-3);

    Load_Unity_Example();
    s.Circuit = 2;
    Run_Motion(3);
    for (int i = 0; i <= 36; ++i) {
        for (int row = 0; row <= 3; ++row) EXPECT_LE(std::abs(s.Theta_Data(i, row)), 180) << i;
    }
}

TEST_F(Solver, GearRatioAndSweepDirection)
{
    Load_Nonunity_Example();
    s.Phase_Angle = 0;
    s.Num_Steps = 72;
    Run_Motion(3);
    for (int i = 0; i <= 72; ++i) EXPECT_NEAR(s.Theta_Data(i, 3), 15 * i, 2e-3) << i;

    s.Omega_Zero = -10;
    Run_Motion(3);
    for (int i = 0; i <= 72; ++i) EXPECT_NEAR(Mod360(s.Theta_Data(i, 0) + 5 * i), 0, 1e-3) << i;
    EXPECT_NEAR(s.Theta_Data(0, 0), 360, 1e-3);
}

TEST_F(Solver, SweepThatOvershootsItsRangeEndsOnTheLastAngle)
{
    // 0..360 by 10 asked for 40 steps: step 37 lands past the end, is taken back to 360 and ends the run.
    s.Num_Steps = 40;
    for (int i = 38; i <= 40; ++i) s.Theta_Data(i, 0) = -1;
    Run_Motion(3);
    for (int i = 0; i <= 36; ++i) EXPECT_NEAR(s.Theta_Data(i, 0), 10 * i, 1e-3) << i;
    EXPECT_NEAR(s.Theta_Data(37, 0), 360, 1e-3);
    EXPECT_EQ(s.Step_Valid(37), -1);
    for (int i = 38; i <= 40; ++i) {
        EXPECT_EQ(s.Theta_Data(i, 0), -1) << i;
        EXPECT_EQ(s.Step_Valid(i), 0) << i;
    }
}

TEST_F(Solver, CentimetresScaleThePointResults)
{
    s.Unit_System = 3;
    Run_Motion(3);
    const auto metres = std::make_unique<Model_Store>(s);
    s.Unit_System = 4;
    Run_Motion(3);
    for (int i = 0; i <= 36; i += 5) {
        for (int row = 0; row <= 3; ++row) {
            EXPECT_FLOAT_EQ(s.Position_Data(i, row, 0), 100 * metres->Position_Data(i, row, 0));
            EXPECT_FLOAT_EQ(s.Veloc_Data(i, row, 1), 100 * metres->Veloc_Data(i, row, 1));
            EXPECT_FLOAT_EQ(s.Accel_Data(i, row, 0), 100 * metres->Accel_Data(i, row, 0));
        }
        // the coupler point's acceleration in link 3's frame is not a point result: never scaled
        EXPECT_FLOAT_EQ(s.Accel_Data(i, 4, 0), metres->Accel_Data(i, 4, 0));
        EXPECT_FLOAT_EQ(s.Accel_Data(i, 4, 1), metres->Accel_Data(i, 4, 1));
        const double turned = std::hypot(metres->Accel_Data(i, 4, 0), metres->Accel_Data(i, 4, 1));
        EXPECT_NEAR(turned, std::hypot(metres->Accel_Data(i, 3, 0), metres->Accel_Data(i, 3, 1)), 1e-4 * (1 + turned));
    }
}

TEST_F(Solver, NoStepBeyondTheLastIndexIsWritten)
{
    s.Num_Steps = 1030;
    s.Delta_Theta_Rad = s.Max_Theta_Rad / 1030;
    port.Answer(Msg::Ans_Ok, 2);
    Run_Motion(3);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].prompt.rfind("Error 9 ", 0), 0u);
    EXPECT_NE(port.boxes[0].prompt.find("in Calculate"), std::string::npos);
    EXPECT_EQ(s.Step_Valid(1024), -1);
    s.Num_Steps = 32767;
    Run_Motion(2);
    EXPECT_EQ(port.boxes.size(), 2u);
}

TEST_F(Solver, VanishingDenominatorsGiveTheirMessagesAndOverflowIsReported)
{
    // All joints on the x axis, links 3 and 4 folded onto each other: a dead point, where every rate of
    // links 3 and 4 is unbounded.
    Set_Lengths(1, 4, 1, 3, 1);
    port.Answer(Msg::Ans_Ok, 5);
    Run_Motion(1);
    const char* texts[] = {"Omega 3 approaches infinity", "Omega 4 approaches infinity", "Alpha 3 approaches infinity",
                           "Alpha 4 approaches infinity"};
    ASSERT_EQ(port.boxes.size(), 4u);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(port.boxes[k].prompt, std::string(texts[k]) + " at Theta2 = 0.0");
    for (int row = 1; row <= 2; ++row) {
        EXPECT_EQ(s.Omega_Data(0, row), Infinite_Rate);
        EXPECT_EQ(s.Alpha_Data(0, row), Infinite_Rate);
    }

    Set_Lengths(2.5e20f, 1e20f, 2.5e20f, 2.5e20f, 1e20f);
    s.Calc_Done = false;
    Run_Motion(1);
    ASSERT_EQ(port.boxes.size(), 5u);
    EXPECT_EQ(port.boxes[4].prompt.rfind("Error 6 ", 0), 0u);
    EXPECT_FALSE(s.Calc_Done);
}

TEST_F(Solver, SweepEndsExactlyOnTheEndAngle)
{
    // 0..360 by 7.5: the accumulated angle passes 360 at the last step, which is solved at 360.
    s.Delta_Theta_Rad = static_cast<float>(7.5 * Deg_To_Rad);
    s.Num_Steps = 48;
    Run_Motion(3);
    for (int i = 0; i <= 47; ++i) EXPECT_NEAR(s.Theta_Data(i, 0), 7.5 * i, 1e-3) << i;
    EXPECT_NEAR(s.Theta_Data(48, 0), 360, 1e-4);
    s.Omega_Zero = -10;  // downwards it ends on the start angle
    Run_Motion(3);
    EXPECT_NEAR(s.Theta_Data(47, 0), 7.5, 1e-3);
    EXPECT_NEAR(s.Theta_Data(48, 0), 0, 1e-4);
}

namespace {
template <typename Arr>
bool All_Finite(const Arr& a)
{
    const float* p = reinterpret_cast<const float*>(&a);  // the elements are the only member
    return std::all_of(p, p + sizeof(Arr) / sizeof(float), [](float v) { return std::isfinite(v); });
}

Model_Store* Fresh()
{
    reset_store();
    Initialize();
    return &store();
}

bool Results_Finite(const Model_Store& s)
{
    return All_Finite(s.Theta_Data) && All_Finite(s.Omega_Data) && All_Finite(s.Alpha_Data) &&
           All_Finite(s.Position_Data) && All_Finite(s.Veloc_Data) && All_Finite(s.Accel_Data);
}
}  // namespace

// Values beyond the float range are never stored: the first overflow is reported once, ends the
// run as an abort, and leaves its step invalid.
TEST_F(Solver, OverflowIsReportedOnceAndEndsTheRun)
{
    auto expect_one_overflow = [&](const char* what) {
        ASSERT_EQ(port.boxes.size(), 1u) << what;
        EXPECT_EQ(port.boxes[0].prompt.rfind("Error 6 ", 0), 0u) << what;
        EXPECT_NE(port.boxes[0].prompt.find("in Calculate"), std::string::npos) << what;
        EXPECT_TRUE(Results_Finite(store())) << what;
        port.boxes.clear();
    };
    // a 1024-step sweep whose every step overflows
    s.Omega_Zero = 1e30f;
    s.Num_Steps = 1024;
    s.Delta_Theta_Rad = s.Max_Theta_Rad / 1024;
    port.Answer(Msg::Ans_Ok);
    EXPECT_EQ(Run_Motion(3), Choice_Code::Abort);
    expect_one_overflow("sweep");
    EXPECT_EQ(s.Step_Valid(0), 0);

    // a time run whose crank angle in degrees leaves the float range; Ignore answers the
    // cannot-connect questions on the way
    Model_Store* m = Fresh();
    m->Omega_Zero = 1e37f, m->Num_Steps = 20, m->Delta_Time = 0.5f;
    port.Allow_Any_Box();
    Run_Motion(2);
    port.Allow_Any_Box(false);
    EXPECT_TRUE(Results_Finite(*m));
    const auto errors = std::count_if(port.boxes.begin(), port.boxes.end(),
                                      [](const auto& b) { return b.prompt.rfind("Error ", 0) == 0; });
    EXPECT_EQ(errors, 1);
    port.boxes.clear();

    // one position whose angle in degrees is the largest float: the cannot-connect report overflows
    m = Fresh();
    m->Link2_Length = 10;  // never assembles
    m->Theta_Zero = 3.4028234e38f;
    port.Answer(Msg::Ans_Ok);
    Run_Motion(1);
    expect_one_overflow("cannot connect");
    EXPECT_FALSE(m->Calc_Done);

    // the coupler point's acceleration turned into link 3's frame
    m = Fresh();
    m->Coupler_Dist = 4.06e36f;
    port.Answer(Msg::Ans_Ok);
    Run_Motion(3);
    expect_one_overflow("rotate");
}
