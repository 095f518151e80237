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

namespace {
// Links 3 and 4 from the intersection of the circles about A (radius b) and C (radius c), with B
// on the given side of the line from A to C; false where the circles do not meet.
struct Closure {
    double th3, th4, transmission;
};

bool Intersect(const Linkage& k, double th2, int side, Closure& out)
{
    const double ax = k.a * std::cos(th2), ay = k.a * std::sin(th2);
    const double th5 = k.r * th2 + k.phi;
    const double cx = k.f + k.d * std::cos(th5), cy = k.d * std::sin(th5);
    const double L = std::hypot(cx - ax, cy - ay);
    const double x = (k.b * k.b - k.c * k.c + L * L) / (2 * L), h2 = k.b * k.b - x * x;
    if (h2 < 0) return false;
    const double ux = (cx - ax) / L, uy = (cy - ay) / L, h = side * std::sqrt(h2);
    const double bx = ax + x * ux - h * uy, by = ay + x * uy + h * ux;
    out.th3 = std::atan2(by - ay, bx - ax);
    out.th4 = std::atan2(by - cy, bx - cx);
    out.transmission = std::abs(std::asin(std::sin(out.th4 - out.th3))) / Deg;
    return true;
}

// The stored angle, rates and accelerations of links 3 and 4 at step i against the intersection,
// its rates taken as central differences over the crank angle.
void Expect_Closure(const Linkage& k, int side, int i, const std::string& what)
{
    const Model_Store& s = store();
    const double th2 = s.Theta_Data(i, 0) * Deg, w2 = s.Omega_Data(i, 0), h = 1e-4;
    Closure at, before, after;
    ASSERT_TRUE(Intersect(k, th2, side, at) && Intersect(k, th2 - h, side, before) && Intersect(k, th2 + h, side, after))
        << what;
    const double solved[2] = {at.th3, at.th4}, lower[2] = {before.th3, before.th4}, upper[2] = {after.th3, after.th4};
    for (int link = 0; link < 2; ++link) {
        const int row = link + 1;
        const double rate = std::remainder(upper[link] - lower[link], 2 * 3.14159265358979) / (2 * h);
        const double curve =
            std::remainder(upper[link] - solved[link] - (solved[link] - lower[link]), 2 * 3.14159265358979) / (h * h);
        const double omega = w2 * rate, alpha = w2 * w2 * curve + s.Alpha_Data(i, 0) * rate;
        EXPECT_NEAR(std::remainder(s.Theta_Data(i, row) - solved[link] / Deg, 360.0), 0, 2e-3) << what << " row " << row;
        EXPECT_NEAR(s.Omega_Data(i, row), omega, 1e-4 * (1 + std::abs(omega))) << what << " row " << row;
        EXPECT_NEAR(s.Alpha_Data(i, row), alpha, 1e-3 * (1 + std::abs(alpha))) << what << " row " << row;
    }
}

// The side of A to C on which the solver put B at step i.
int Side_Of(int i)
{
    const Model_Store& s = store();
    auto at = [&](int row, int xy) { return static_cast<double>(s.Position_Data(i, row, xy)); };
    const double cross = (at(1, 0) - at(0, 0)) * (at(2, 1) - at(0, 1)) - (at(1, 1) - at(0, 1)) * (at(2, 0) - at(0, 0));
    return cross > 0 ? 1 : -1;
}
}  // namespace

// Whole-number linkages put links at exactly 180 degrees, or link 4 level, at round crank angles: every
// one that assembles over the whole turn with a transmission angle of 15 degrees or more is solved at
// every step of a sweep by 10, on both circuits, without a message and as the intersection says.
TEST(Solver_Round_Positions, WholeNumberLinkagesMatchTheCircleIntersection)
{
    Fake_Ui_Port port;  // any message fails the test
    int linkages = 0;
    for (int f = 2; f <= 5; ++f)
        for (int a = 1; a <= 2; ++a)
            for (int d = 1; d <= 2; ++d)
                for (int b = 1; b <= 4; ++b)
                    for (int c = 1; c <= 4; ++c)
                        for (float r : {-1.0f, 1.0f}) {
                            const Linkage k{float(f), float(a), float(b), float(c), float(d), 0, 0, r, 0};
                            bool good = true;
                            for (int step = 0; step <= 36 && good; ++step) {
                                Closure cl;
                                good = Intersect(k, 10 * step * Deg, 1, cl) && cl.transmission >= 15;
                            }
                            if (!good) continue;
                            ++linkages;
                            for (int16_t circuit : {1, 2}) {
                                reset_store();
                                Initialize();
                                Model_Store& s = store();
                                s.Link1_Length = k.f, s.Link2_Length = k.a, s.Link3_Length = k.b;
                                s.Link4_Length = k.c, s.Link5_Length = k.d;
                                s.Coupler_Dist = 0, s.Gear_Ratio = r, s.Phase_Angle = 0, s.Circuit = circuit;
                                int16_t choice = 0;
                                Calculate_Motion(3, choice);
                                const int side = Side_Of(1);
                                const std::string name = "f a b c d " + std::to_string(f) + std::to_string(a) +
                                                         std::to_string(b) + std::to_string(c) + std::to_string(d) +
                                                         " r " + std::to_string(int(r)) + " circuit " +
                                                         std::to_string(circuit) + " step ";
                                for (int i = 0; i <= 36; ++i) {
                                    ASSERT_EQ(s.Step_Valid(i), -1) << name << i;
                                    EXPECT_EQ(Side_Of(i), side) << name << i;
                                    Expect_Closure(k, side, i, name + std::to_string(i));
                                }
                            }
                        }
    EXPECT_GT(linkages, 20);
    EXPECT_TRUE(port.boxes.empty());

    // One position beside the 180-degree link, and at it: link 4 level, theta4 = 180 on the crossed circuit.
    const Linkage k{4, 1, 2, 3, 1, 0, 0, -1, 0};
    for (int16_t circuit : {1, 2}) {
        for (float theta : {60.0f, 300.0f, 300.00003f, 60.00003f}) {
            reset_store();
            Initialize();
            Model_Store& s = store();
            s.Link1_Length = 4, s.Link2_Length = 1, s.Link3_Length = 2, s.Link4_Length = 3, s.Link5_Length = 1;
            s.Coupler_Dist = 0, s.Phase_Angle = 0, s.Circuit = circuit, s.Theta_Zero = theta;
            int16_t choice = 0;
            Calculate_Motion(1, choice);
            ASSERT_EQ(s.Step_Valid(0), -1) << theta;
            Expect_Closure(k, Side_Of(0), 0, "one position " + std::to_string(theta));
        }
        EXPECT_NEAR(store().Theta_Data(0, 2), circuit == 1 ? 133.17 : 180, 0.01);
    }
    EXPECT_TRUE(port.boxes.empty());

    // Exact folds at 0 degrees, every joint on the ground line and a link at 180 degrees: the angles
    // and joint B of the intersection, and links 3 and 4 in line, a dead point with its four messages.
    const Linkage folds[] = {{3, 1, 2, 1, 1, 0, 0, -1, 0}, {1, 5, 2, 1, 1, 0, 0, -1, 0}, {3, 2, 1, 3, 1, 0, 0, -1, 0},
                             {3, 6, 5, 4, 2, 0, 0, 0.5f, 0}};
    for (const Linkage& fold : folds) {
        for (int16_t circuit : {1, 2}) {
            reset_store();
            Initialize();
            Model_Store& s = store();
            s.Link1_Length = fold.f, s.Link2_Length = fold.a, s.Link3_Length = fold.b, s.Link4_Length = fold.c;
            s.Link5_Length = fold.d, s.Coupler_Dist = 0, s.Gear_Ratio = fold.r, s.Phase_Angle = 0;
            s.Circuit = circuit, s.Theta_Zero = 0;
            port.boxes.clear();
            port.Answer(Msg::Ans_Ok, 4);
            int16_t choice = 0;
            Calculate_Motion(1, choice);
            const std::string what = "fold " + std::to_string(fold.f) + " " + std::to_string(fold.a) + " circuit " +
                                     std::to_string(circuit);
            Closure cl;
            ASSERT_TRUE(Intersect(fold, 0, 1, cl)) << what;
            EXPECT_NEAR(std::remainder(s.Theta_Data(0, 1) - cl.th3 / Deg, 360.0), 0, 1e-4) << what;
            EXPECT_NEAR(std::remainder(s.Theta_Data(0, 2) - cl.th4 / Deg, 360.0), 0, 1e-4) << what;
            EXPECT_NEAR(s.Position_Data(0, 2, 0), fold.a + fold.b * std::cos(cl.th3), 1e-5) << what;
            EXPECT_NEAR(s.Position_Data(0, 2, 1), 0, 1e-5) << what;
            ASSERT_EQ(port.boxes.size(), 4u) << what;
            EXPECT_EQ(port.boxes[0].prompt, "Omega 3 approaches infinity at Theta2 = 0.0") << what;
            EXPECT_EQ(s.Omega_Data(0, 1), Infinite_Rate) << what;
        }
    }
}
