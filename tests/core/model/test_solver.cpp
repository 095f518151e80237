#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Fake_Ui_Port.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/Mod_VastrelW.h"

namespace {
class Caption_Port : public Fake_Ui_Port {
public:
    void Set_Grashof_Caption(const std::string& caption) override { captions.push_back(caption); }
    std::vector<std::string> captions;
};

void Set_Lengths(float f, float a, float b, float c, float d)
{
    Model_Store& s = store();
    s.Link1_Length = f;
    s.Link2_Length = a;
    s.Link3_Length = b;
    s.Link4_Length = c;
    s.Link5_Length = d;
    Load_Link_Lengths();
}

int16_t Run_Motion(int16_t calc_type)
{
    int16_t choice = 0;
    Calculate_Motion(calc_type, choice);
    return choice;
}

class Solver : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        Initialize();
    }
    // Coupler and link 4 of 1.5 on the default frame: B cannot be reached for 60..120 and 240..300 degrees.
    static void Use_Breaking_Linkage() { Set_Lengths(2.5f, 1, 1.5f, 1.5f, 1); }
    static bool Fails(int step) { return (step >= 6 && step <= 12) || (step >= 24 && step <= 30); }
    Caption_Port port;
};
}  // namespace

TEST_F(Solver, DefaultModelAssemblesEverywhereAndIsGrashof)
{
    Check_Grashof();
    EXPECT_EQ(store().Grashof_Code, "Y");
    EXPECT_EQ(port.captions, std::vector<std::string>{"Grashof"});
    EXPECT_EQ(store().Link_Lengths(1), 2.5f);  // the sort works on a copy it restores

    store().Dynamics_Done = true;
    EXPECT_EQ(Run_Motion(3), Choice_Code::Retry);
    const Model_Store& s = store();
    EXPECT_TRUE(s.Calc_Done);
    EXPECT_FALSE(s.Dynamics_Done);
    EXPECT_FALSE(s.Cannot_Connect);
    EXPECT_EQ(s.Circuit_Name, "Open");
    for (int i = 0; i <= 36; ++i) {
        EXPECT_EQ(s.Step_Valid(i), -1) << i;
        EXPECT_NEAR(s.Theta_Data(i, 0), 10 * i, 1e-3) << i;
        EXPECT_NEAR(std::remainder(s.Theta_Data(i, 3) + 10 * i, 360.0), 0, 1e-3) << i;
    }
    EXPECT_EQ(s.Step_Valid(37), 0);
    // At theta2 = 0 the joints sit at (1, 0) and (3.5, 0): B closes an isosceles triangle over them.
    const bool upper = s.Theta_Data(0, 1) < 180;
    EXPECT_NEAR(s.Theta_Data(0, 1), upper ? 60 : 300, 1e-3);
    EXPECT_NEAR(s.Theta_Data(0, 2), upper ? 120 : 240, 1e-3);
    EXPECT_NEAR(s.Theta_Data(0, 4), 60, 1e-3);
    EXPECT_NEAR(s.Position_Data(0, 2, 0), 2.25, 1e-5);
}

TEST_F(Solver, GrashofSpecialCaseAndNonGrashof)
{
    Set_Lengths(2, 1, 2, 2, 1);
    Check_Grashof();
    EXPECT_EQ(store().Grashof_Code, "SC");
    Set_Lengths(1.5f, 1, 1, 1.5f, 1);
    port.Answer(Msg::Ans_Ok);
    Check_Grashof();
    EXPECT_EQ(store().Grashof_Code, "N");
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].style, Msg::Ok_Only);
    EXPECT_EQ(port.boxes[0].prompt.rfind("Your current Vastrel chain may not be Grashof,\raccording", 0), 0u);
    store().Startup_Flag = true;
    Check_Grashof();
    EXPECT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.captions, (std::vector<std::string>{"Special Case", "Non-Grashof", "Non-Grashof"}));
    EXPECT_EQ(store().Link_Lengths(1), 1.5f);
    EXPECT_EQ(store().Link_Lengths(3), 1);
}

TEST_F(Solver, RetryAsksAtEveryFailingStep)
{
    Use_Breaking_Linkage();
    port.Answer(Msg::Ans_Retry, 14);
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
    const Model_Store& s = store();
    EXPECT_TRUE(s.Cannot_Connect);
    for (int i = 0; i <= 36; ++i) {
        EXPECT_EQ(s.Step_Valid(i), Fails(i) ? 0 : -1) << i;
        EXPECT_NEAR(s.Theta_Data(i, 0), 10 * i, 1e-3);
        if (Fails(i)) {
            EXPECT_EQ(s.Theta_Data(i, 1) + s.Omega_Data(i, 2) + s.Position_Data(i, 3, 1) + s.Theta_Data(i, 4), 0);
        }
    }
}

TEST_F(Solver, IgnoreSilencesTheRestOfTheRunAndAbortStopsIt)
{
    Use_Breaking_Linkage();
    port.Answer(Msg::Ans_Ignore);
    EXPECT_EQ(Run_Motion(3), Choice_Code::Ignore);
    EXPECT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(store().Step_Valid(30), 0);
    EXPECT_EQ(store().Step_Valid(31), -1);
    EXPECT_EQ(store().Accel_Data(24, 2, 0), 0);

    // The next run asks again, and Abort leaves the steps after the failing one as they were.
    store().Theta_Data(7, 1) = 123;
    store().Step_Valid(7) = -1;
    port.Answer(Msg::Ans_Abort);
    EXPECT_EQ(Run_Motion(3), Choice_Code::Abort);
    EXPECT_EQ(port.boxes.size(), 2u);
    EXPECT_FALSE(store().Calc_Done);
    EXPECT_EQ(store().Step_Valid(6), 0);
    EXPECT_EQ(store().Theta_Data(7, 1), 123);
    EXPECT_EQ(store().Step_Valid(7), -1);
}

TEST_F(Solver, AngleConventions)
{
    // Crank 90 degrees, second crank -90: B lies straight below C, so theta4 is -90 degrees.
    Set_Lengths(4, 1, 5, 1, 1);
    store().Theta_Zero = 90;
    int16_t below = 0;
    for (int16_t circuit = 1; circuit <= 2; ++circuit) {
        store().Circuit = circuit;
        Run_Motion(1);
        if (std::abs(store().Position_Data(0, 2, 1) + 2) < 1e-4) below = circuit;
    }
    ASSERT_NE(below, 0);
    store().Circuit = below;
    Run_Motion(1);
    EXPECT_NEAR(store().Theta_Data(0, 2), 270, 1e-3);
    EXPECT_NEAR(store().Theta_Data(0, 3), 270, 1e-3);
    EXPECT_EQ(store().Min_Theta_Text, " 90");
    EXPECT_EQ(store().Delta_Theta_Text, "0");
    store().Angle_Mode = "180";
    Run_Motion(1);
    EXPECT_NEAR(store().Theta_Data(0, 2), -90, 1e-3);
    EXPECT_NEAR(store().Theta_Data(0, 3), -90, 1e-3);

    reset_store();
    Initialize();
    store().Angle_Mode = "180";
    store().Circuit = 2;
    Run_Motion(3);
    for (int i = 0; i <= 36; ++i) {
        for (int row = 0; row <= 3; ++row) {
            EXPECT_LE(store().Theta_Data(i, row), 180) << i;
            EXPECT_GT(store().Theta_Data(i, row), -180) << i;
        }
    }
}

TEST_F(Solver, GearRatioThreeTakesTheta5PastOneTurn)
{
    Load_Nonunity_Example();
    store().Phase_Angle = 0;
    store().Num_Steps = 72;
    Run_Motion(3);
    for (int i = 0; i <= 72; ++i) {
        ASSERT_EQ(store().Step_Valid(i), -1);
        EXPECT_NEAR(store().Theta_Data(i, 3), 3 * store().Theta_Data(i, 0), 2e-3) << i;
    }
    EXPECT_NEAR(store().Theta_Data(72, 3), 1080, 2e-3);
}

TEST_F(Solver, NegativeCrankSpeedSweepsDown)
{
    store().Omega_Zero = -10;
    Run_Motion(3);
    for (int i = 0; i <= 35; ++i) EXPECT_NEAR(store().Theta_Data(i, 0), 360 - 10 * i, 1e-3) << i;
    EXPECT_NEAR(std::remainder(store().Theta_Data(36, 0), 360.0), 0, 1e-3);
    EXPECT_EQ(store().Omega_Data(20, 0), -10);
    EXPECT_EQ(store().Alpha_Zero, 0);
}

TEST_F(Solver, CentimetresScaleThePointResults)
{
    store().Unit_System = 3;
    Run_Motion(3);
    const auto metres_copy = std::make_unique<Model_Store>(store());
    const Model_Store& metres = *metres_copy;
    store().Unit_System = 4;
    Run_Motion(3);
    for (int i = 0; i <= 36; i += 5) {
        EXPECT_EQ(store().Theta_Data(i, 2), metres.Theta_Data(i, 2));
        for (int row = 0; row <= 3; ++row) {
            for (int xy = 0; xy <= 1; ++xy) {
                EXPECT_FLOAT_EQ(store().Position_Data(i, row, xy), 100 * metres.Position_Data(i, row, xy));
                EXPECT_FLOAT_EQ(store().Veloc_Data(i, row, xy), 100 * metres.Veloc_Data(i, row, xy));
                EXPECT_FLOAT_EQ(store().Accel_Data(i, row, xy), 100 * metres.Accel_Data(i, row, xy));
            }
        }
        EXPECT_EQ(store().Accel_Data(i, 4, 0), metres.Accel_Data(i, 4, 0));
    }
}

TEST_F(Solver, NoStepBeyondTheLastIndexIsWritten)
{
    store().Num_Steps = 1030;
    store().Delta_Theta_Rad = store().Max_Theta_Rad / 1030;
    port.Answer(Msg::Ans_Ok);
    Run_Motion(3);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_NE(port.boxes[0].prompt.find("Error 9 "), std::string::npos);
    EXPECT_NE(port.boxes[0].prompt.find("in Calculate"), std::string::npos);
    EXPECT_EQ(store().Step_Valid(1024), -1);

    store().Num_Steps = 32767;
    store().Delta_Time = 0.001f;
    port.Answer(Msg::Ans_Ok);
    Run_Motion(2);
    EXPECT_EQ(port.boxes.size(), 2u);
    EXPECT_NEAR(store().Step_Time, 1.025, 1e-4);
}

TEST_F(Solver, VanishingDenominatorsGiveTheirMessagesAndOverflowIsReported)
{
    // All joints on the x axis with theta4 exactly 0: sin(theta4) is the denominator.
    Set_Lengths(1, 4, 1, 3, 1);
    port.Answer(Msg::Ans_Ok, 4);
    Run_Motion(1);
    ASSERT_EQ(port.boxes.size(), 4u);
    EXPECT_EQ(port.boxes[0].prompt, "Omega3 approaches Infinity at Theta2 = 0.0");
    EXPECT_EQ(port.boxes[1].prompt, "Omega4 approaches infinity at Theta2 = 0.0");
    EXPECT_EQ(port.boxes[2].prompt, "Omega 4 approaches infinity at Theta2 = 0.0");
    EXPECT_EQ(port.boxes[3].prompt, "Alpha 4 approaches infinity at Theta2 = 0.0");
    EXPECT_EQ(store().Omega_Data(0, 2), Infinite_Rate);
    EXPECT_EQ(store().Alpha_Data(0, 2), Infinite_Rate);
    EXPECT_EQ(store().Step_Valid(0), -1);

    Set_Lengths(2.5e20f, 1e20f, 2.5e20f, 2.5e20f, 1e20f);
    store().Calc_Done = false;
    port.Answer(Msg::Ans_Ok);
    Run_Motion(1);
    ASSERT_EQ(port.boxes.size(), 5u);
    EXPECT_EQ(port.boxes[4].prompt.rfind("Error 6 ", 0), 0u);
    EXPECT_FALSE(store().Calc_Done);
}
