#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "Fake_Ui_Port.h"
#include "dynamics/mod_DFT.h"
#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"

namespace {
constexpr double Pi_ = 3.14159265358979323846;

Sample_Source Harmonic(double amp, int h, int n, bool sine)
{
    return [=](int16_t j) {
        double x = 2 * Pi_ * h * (j - 1) / n;
        return static_cast<float>(amp * (sine ? std::sin(x) : std::cos(x)));
    };
}

class DFT : public ::testing::Test {
protected:
    void SetUp() override { reset_store(); }
    void Expect_Row(int m, double re, double im, double mag, double phase, double tol = 1e-5)
    {
        Model_Store& s = store();
        EXPECT_NEAR(s.Current_FFT(m, 0), re, tol) << "row " << m;
        EXPECT_NEAR(s.Current_FFT(m, 1), im, tol) << "row " << m;
        EXPECT_NEAR(s.Current_FFT(m, 2), mag, tol) << "row " << m;
        EXPECT_NEAR(s.Current_FFT(m, 3), phase, 1e-4) << "row " << m;
    }
    Fake_Ui_Port ui;
};
}  // namespace

TEST_F(DFT, ConstantCosineAndSineLandInTheirRows)
{
    int16_t n36 = 36;
    Compute(n36, [](int16_t) { return 2.5f; });
    EXPECT_EQ(store().Num_Harmonics_Out, 18);
    Expect_Row(0, 2.5, 0, 2.5, 0);
    for (int m = 1; m <= 17; ++m) Expect_Row(m, 0, 0, 0, 0, 0);
    for (int h : {1, 3, 7}) {
        reset_store();
        int16_t n = 36;
        Compute(n, Harmonic(1.7, h, 36, false));
        for (int m = 0; m <= 17; ++m) {
            if (m == h)
                Expect_Row(m, 1.7, 0, 1.7, 0);
            else
                Expect_Row(m, 0, 0, 0, 0);
        }
        reset_store();
        Compute(n, Harmonic(0.6, h, 36, true));
        Expect_Row(h, 0, -0.6, 0.6, 90);  // no quadrant: a negative imaginary part still reads 90
        Expect_Row(0, 0, 0, 0, 0);
    }
}

TEST_F(DFT, PhaseIsTakenOnceAndWithoutQuadrant)
{
    int16_t n = 40;
    auto mixed = [](int16_t j) {
        double x = 2 * Pi_ * 2 * (j - 1) / 40;
        return static_cast<float>(std::cos(x) - std::sin(x));
    };
    Compute(n, mixed);
    Expect_Row(2, 1, 1, std::sqrt(2.0), 45);  // amplitudes doubled, phase not
    Compute(n, Harmonic(-1.2, 5, 40, false));
    Expect_Row(5, -1.2, 0, 1.2, 0);
}

TEST_F(DFT, AgreesWithDirectDoublePrecisionTransform)
{
    std::mt19937 rng(7);
    std::uniform_real_distribution<float> value(-50, 50);
    for (int N : {37, 64, 360}) {
        reset_store();
        std::vector<float> x(static_cast<size_t>(N) + 1);
        for (int j = 1; j <= N; ++j) x[static_cast<size_t>(j)] = value(rng);
        int16_t n = static_cast<int16_t>(N);
        Compute(n, [&](int16_t j) { return x[static_cast<size_t>(j)]; });
        Model_Store& s = store();
        std::vector<double> sum_re(static_cast<size_t>(N) + 1), sum_im(static_cast<size_t>(N) + 1);
        double largest = 0;
        for (int k = 1; k <= N; ++k) {
            double& re = sum_re[static_cast<size_t>(k)];
            double& im = sum_im[static_cast<size_t>(k)];
            for (int j = 1; j <= N; ++j) {
                double theta = 6.283185308 * (k - 1) * (j - 1) / N;
                re += x[static_cast<size_t>(j)] * std::cos(theta) / N;
                im -= x[static_cast<size_t>(j)] * std::sin(theta) / N;
            }
            largest = std::max({largest, std::fabs(re), std::fabs(im)});
        }
        for (int k = 1; k <= N; ++k) {
            double re = sum_re[static_cast<size_t>(k)], im = sum_im[static_cast<size_t>(k)];
            if (std::fabs(re) < 1E-5 * largest) re = 0;
            if (std::fabs(im) < 1E-5 * largest) im = 0;
            const double phase = re == 0 ? (im == 0 ? 0 : 90)
                                         : std::atan(static_cast<double>(static_cast<float>(im) / static_cast<float>(re))) * 180 / Pi_;
            EXPECT_NEAR(s.DFT_Data(k, 0), re, 1e-11) << N << " " << k;
            EXPECT_NEAR(s.DFT_Data(k, 1), im, 1e-11) << N << " " << k;
            EXPECT_NEAR(s.DFT_Data(k, 2), std::hypot(re, im), 1e-11);
            EXPECT_NEAR(s.DFT_Data(k, 3), phase, 1e-6);
        }
        const int rows = (N + 1) / 2;
        EXPECT_EQ(s.Num_Harmonics_Out, rows);
        EXPECT_FLOAT_EQ(s.Current_FFT(0, 0), static_cast<float>(s.DFT_Data(1, 0)));
        for (int m = 1; m < rows; ++m) {
            EXPECT_FLOAT_EQ(s.Current_FFT(m, 1), static_cast<float>(2 * s.DFT_Data(m + 1, 1)));
            EXPECT_FLOAT_EQ(s.Current_FFT(m, 3), static_cast<float>(s.DFT_Data(m + 1, 3)));
        }
    }
}

TEST_F(DFT, SmallFunctionsAreNotWipedOut)
{
    // every sample is far below 1E-5 times N, but the function is plainly not zero
    int16_t n = 360;
    Compute(n, [](int16_t j) { return static_cast<float>(0.001 + 0.002 * std::cos(2 * Pi_ * (j - 1) / 360)); });
    Expect_Row(0, 0.001, 0, 0.001, 0, 1e-8);
    Expect_Row(1, 0.002, 0, 0.002, 0, 1e-8);
    // however small, a constant is not float noise
    Compute(n, [](int16_t) { return 5e-6f; });
    Expect_Row(0, 5e-6, 0, 5e-6, 0, 1e-12);

    // A function in other units (a torque of 2e-4 N m, or the same in 1e-3 of its unit) is the
    // same function: every harmonic scales with it, and it is rebuilt from them alike.
    auto torque = [](double scale) {
        return [scale](int16_t j) {
            const double t = 2 * Pi_ * (j - 1) / 36;
            return static_cast<float>(scale * (0.4 + std::cos(t) - 0.7 * std::sin(2 * t) + 0.02 * std::cos(5 * t + 1) +
                                               0.005 * std::sin(7 * t)));
        };
    };
    int16_t n36 = 36;
    Model_Store& s = store();
    Compute(n36, torque(1));
    const auto unit = s.Current_FFT;
    for (double scale : {1e-3, 2e-4}) {
        Compute(n36, torque(scale));
        for (int m = 0; m <= 17; ++m) {
            for (int c = 0; c <= 2; ++c)
                EXPECT_NEAR(s.Current_FFT(m, c), scale * unit(m, c), 1e-6 * scale) << scale << " row " << m << " col " << c;
            EXPECT_NEAR(s.Current_FFT(m, 3), unit(m, 3), 1e-3) << scale << " row " << m;
        }
        EXPECT_NE(s.Current_FFT(7, 1), 0.0f);  // the smallest harmonic survives
        for (int16_t j = 1; j <= 36; ++j) {
            const double t = 2 * Pi_ * (j - 1) / 36;
            double rebuilt = 0;
            for (int m = 0; m <= 17; ++m) rebuilt += s.Current_FFT(m, 0) * std::cos(m * t) - s.Current_FFT(m, 1) * std::sin(m * t);
            EXPECT_NEAR(rebuilt, torque(scale)(j), 1e-6 * scale) << scale << " sample " << j;
        }
    }
}

TEST_F(DFT, HarmonicCountsAndRows)
{
    EXPECT_EQ(Harmonics_List(36), (std::vector<int16_t>{18, 9, 6, 3}));
    EXPECT_EQ(Harmonics_List(35), (std::vector<int16_t>{18, 9, 6, 3}));  // 17.5 rounds to even
    EXPECT_EQ(Harmonics_List(7), (std::vector<int16_t>{4}));

    Model_Store& s = store();
    s.Current_FFT.Fill(7);
    int16_t n = 35;
    Compute(n, [](int16_t) { return 1.0f; });
    EXPECT_EQ(s.Num_Harmonics_Out, 18);
    EXPECT_EQ(s.Current_FFT(17, 0), 0);
    EXPECT_EQ(s.Current_FFT(18, 0), 7);  // beyond the copied rows
    n = 1024;
    Compute(n, [](int16_t) { return 1.0f; });
    EXPECT_EQ(s.Current_FFT(512, 2), 7);  // 512 rows: 0 .. 511
    Clear_Result(n);
    EXPECT_EQ(s.Current_FFT(512, 2), 0);  // the clear stops at the table's end
}

TEST_F(DFT, TransformsTheFunctionOfSlotOne)
{
    Model_Store& s = store();
    for (int i = 0; i <= 36; ++i) s.Torque_Data(i, 0) = static_cast<float>(3 + 2 * std::cos(2 * Pi_ * 4 * (i - 1) / 36));
    Set_Variable("Torque 12", 1);
    int16_t n = 36;
    Compute(n);
    Expect_Row(0, 3, 0, 3, 0);
    Expect_Row(4, 2, 0, 2, 0);
    Expect_Row(1, 0, 0, 0, 0);
}
