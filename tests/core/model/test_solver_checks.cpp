// The solved motion against the geometry itself: loop closure, and every rate against a
// finite difference of the solved quantity it is the rate of.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "Fake_Ui_Port.h"
#include "model/Mod_Main.h"
#include "model/Mod_VastrelW.h"

namespace {
constexpr double Deg = 3.14159265358979 / 180;

struct Linkage {
    float f, a, b, c, d, p, delta, r, phi;
};

// The two examples, then linkages drawn at random.
std::vector<Linkage> Linkages()
{
    std::vector<Linkage> all = {{2.5f, 1, 2.5f, 2.5f, 1, 2.5f, 0.349f, -1, 0}, {6.4f, 1, 5, 5, 1, 6, 0.785f, 3, 1.047f}};
    std::mt19937 gen(20260101);
    std::uniform_real_distribution<float> crank(0.5f, 1.5f), link(1.5f, 4), angle(-3, 3);
    const float ratios[] = {-2, -1, -0.5f, 0.5f, 2, 3};
    for (float r : ratios) {
        all.push_back({link(gen), crank(gen), link(gen), link(gen), crank(gen), link(gen), angle(gen), r, angle(gen)});
    }
    return all;
}

// Away from the dead points of links 3 and 4, where the rates are finite and smooth.
bool Well_Conditioned(int i)
{
    const Model_Store& s = store();
    return s.Step_Valid(i) == -1 && std::abs(std::sin((s.Theta_Data(i, 2) - s.Theta_Data(i, 1)) * Deg)) > 0.3;
}

// Worst disagreement between a five-point difference of `value` over the run and `rate`, against
// the largest rate met (the float results carry noise that a relative test per step would trip on).
template <typename Value, typename Rate>
void Expect_Rate(Value value, Rate rate, const std::string& what)
{
    const double h = store().Delta_Time;
    double peak = 0, worst = 0;
    int checked = 0;
    for (int i = 2; i <= Max_Steps - 2; ++i) {
        bool smooth = true;
        for (int j = i - 2; j <= i + 2; ++j) smooth = smooth && Well_Conditioned(j);
        if (!smooth) continue;
        const double difference = (value(i - 2) - 8 * value(i - 1) + 8 * value(i + 1) - value(i + 2)) / (12 * h);
        const double solved = rate(i);
        peak = std::max(peak, std::abs(solved));
        worst = std::max(worst, std::abs(difference - solved));
        ++checked;
    }
    EXPECT_GT(checked, 500) << what;
    EXPECT_LE(worst, 0.01 * std::max(1.0, peak)) << what;
}
}  // namespace

class Solver_Checks : public ::testing::TestWithParam<int16_t> {};

TEST_P(Solver_Checks, PositionsCloseTheLoopAndRatesMatchFiniteDifferences)
{
    Fake_Ui_Port port;
    port.Allow_Any_Box();
    for (const Linkage& k : Linkages()) {
        reset_store();
        Initialize();
        Model_Store& s = store();
        s.Link1_Length = k.f, s.Link2_Length = k.a, s.Link3_Length = k.b, s.Link4_Length = k.c, s.Link5_Length = k.d;
        s.Coupler_Dist = k.p, s.Coupler_Angle = k.delta, s.Gear_Ratio = k.r, s.Phase_Angle = k.phi;
        s.Circuit = GetParam();
        s.Omega_Zero = 10, s.Alpha_Zero = 20, s.Start_Time = 0, s.Delta_Time = 0.0005f, s.Num_Steps = Max_Steps;
        int16_t choice = 0;
        Calculate_Motion(2, choice);
        const std::string name = "ground " + std::to_string(k.f) + " ";

        for (int i = 0; i <= Max_Steps; ++i) {
            if (s.Step_Valid(i) != -1) continue;
            auto at = [&](int row, int xy) { return s.Position_Data(i, row, xy); };
            EXPECT_NEAR(std::hypot(at(2, 0) - at(0, 0), at(2, 1) - at(0, 1)), k.b, 2e-5 * k.f) << name << i;
            EXPECT_NEAR(std::hypot(at(2, 0) - at(1, 0), at(2, 1) - at(1, 1)), k.c, 2e-5 * k.f) << name << i;
            EXPECT_NEAR(std::hypot(at(1, 0) - k.f, at(1, 1)), k.d, 1e-6 * k.f) << name << i;
            // The transmission angle: the acute angle between the lines of links 3 and 4 at B.
            const double x3 = at(2, 0) - at(0, 0), y3 = at(2, 1) - at(0, 1);
            const double x4 = at(2, 0) - at(1, 0), y4 = at(2, 1) - at(1, 1);
            const double acute = std::atan2(std::abs(x3 * y4 - y3 * x4), std::abs(x3 * x4 + y3 * y4)) / Deg;
            EXPECT_NEAR(s.Theta_Data(i, 4), acute, 0.01) << name << i;
        }
        for (int row = 0; row <= 3; ++row) {
            const std::string rows = name + "row " + std::to_string(row);
            std::vector<double> turned(Max_Steps + 1, 0.0);  // the angle without the convention's wrap
            for (int i = 1; i <= Max_Steps; ++i) {
                turned[i] = turned[i - 1] + std::remainder(s.Theta_Data(i, row) - s.Theta_Data(i - 1, row), 360.0) * Deg;
            }
            Expect_Rate([&](int i) { return turned[i]; }, [&](int i) { return s.Omega_Data(i, row); }, rows + " omega");
            Expect_Rate([&](int i) { return s.Omega_Data(i, row); }, [&](int i) { return s.Alpha_Data(i, row); },
                        rows + " alpha");
            for (int xy = 0; xy <= 1; ++xy) {
                Expect_Rate([&](int i) { return s.Position_Data(i, row, xy); },
                            [&](int i) { return s.Veloc_Data(i, row, xy); }, rows + " velocity");
                Expect_Rate([&](int i) { return s.Veloc_Data(i, row, xy); },
                            [&](int i) { return s.Accel_Data(i, row, xy); }, rows + " acceleration");
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothCircuits, Solver_Checks, ::testing::Values<int16_t>(1, 2));
