#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "Fake_Ui_Port.h"
#include "model/Mod_Numeric.h"

TEST(Atan2, RangeIsMinusHalfPiToThreeHalfPi)
{
    EXPECT_DOUBLE_EQ(Atan2(-1, 0), 3.141592654);
    EXPECT_DOUBLE_EQ(Atan2(0, -1), -1.570796327);
    EXPECT_DOUBLE_EQ(Atan2(0, 1), 1.570796327);
    EXPECT_EQ(Atan2(0, 0), 0);
    EXPECT_NEAR(Atan2(-1, -1), 3.926990817, 1e-9);
    EXPECT_NEAR(Atan2D(-1, -1), 225, 1e-6);
    EXPECT_NEAR(Atan2D(1, -1), -45, 1e-7);
}

TEST(CartToPolar, OriginAndQuadrants)
{
    double r = 1, t = 1;
    Cart_to_Polar(0, 0, r, t);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(t, 0);
    Cart_to_Polar(-3, 4, r, t);
    EXPECT_DOUBLE_EQ(r, 5);
    EXPECT_NEAR(t, 180 - 53.13010235, 1e-6);
}

TEST(Rotate, IntoALinkFrameAndBack)
{
    float xr, yr, x2, y2;
    Rotate(1, 0, 90, -1, xr, yr);  // a vector along x seen from a link at 90 degrees
    EXPECT_NEAR(xr, 0, 1e-6);
    EXPECT_NEAR(yr, -1, 1e-6);
    Rotate(xr, yr, 90, 1, x2, y2);
    EXPECT_NEAR(x2, 1, 1e-6);
    EXPECT_NEAR(y2, 0, 1e-6);
}

TEST(FNRound, HalvesGoUpAndScaleIsClamped)
{
    EXPECT_EQ(FNRound(-2.5, 0), -2);
    EXPECT_EQ(FNRound(2.5, 0), 3);
    EXPECT_DOUBLE_EQ(FNRound(1.23456789, 7), 1.234568);
    EXPECT_DOUBLE_EQ(FNRound(1.23456789, -1), 1.234568);
    EXPECT_DOUBLE_EQ(FNRound(0.0635, 4), 0.0635);
    EXPECT_DOUBLE_EQ(FNRound(3.14159, 2), 3.14);
}

TEST(FNRoundStr, EveryPattern)
{
    EXPECT_EQ(FNRoundStr(1234.5, 0), "1,235.");
    EXPECT_EQ(FNRoundStr(12, 0), "12.");
    EXPECT_EQ(FNRoundStr(0, 0), "0.");
    EXPECT_EQ(FNRoundStr(1234567.891, 2), "1,234,567.89");
    EXPECT_EQ(FNRoundStr(0.5, 1), "0.5");
    EXPECT_EQ(FNRoundStr(-0.25, 1), "-0.3");  // the formatter rounds halves away from zero
    EXPECT_EQ(FNRoundStr(1.005, 2), "1.01");  // on the decimal image, not the binary value
    EXPECT_EQ(FNRoundStr(99.96, 1), "100.0");
    EXPECT_EQ(FNRoundStr(-0.001, 2), "0.00");
    EXPECT_EQ(FNRoundStr(3.1415926, 5), "3.141 593");
    EXPECT_EQ(FNRoundStr(3.1415926, 9), "3.141 593");
    EXPECT_EQ(FNRoundStr(0.0004, 4), "0.0004");
    EXPECT_EQ(FNRoundStr(1234.5, -1), "1.23E+3");
    EXPECT_EQ(FNRoundStr(-0.000123, -1), "-1.23E-4");
    EXPECT_EQ(FNRoundStr(9.999, -1), "1.00E+1");
    EXPECT_EQ(FNRoundStr(1e9, 3), "1,000,000,000.000");
}

// A value no 32-bit or 64-bit store could hold (a box overflowed into infinity) is an overflow
// of the routine, not a crash of the program.
TEST(FNRoundStr, InfinityAndNaNAreReportedAsOverflow)
{
    Fake_Ui_Port port;
    port.Answer(Msg::Ans_Ok, 4);
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(FNRoundStr(inf, 1), "");
    EXPECT_EQ(FNRoundStr(-inf, 3), "");
    EXPECT_EQ(FNRoundStr(std::nan(""), 0), "");
    EXPECT_EQ(FNRoundStr(inf, -1), "");
    ASSERT_EQ(port.boxes.size(), 4u);
    for (const auto& box : port.boxes)
        EXPECT_EQ(box.prompt.rfind("Error 6   (Overflow)  has occurred in FNRoundStr", 0), 0u) << box.prompt;
    EXPECT_EQ(FNRoundStr(1e300, -1), "1.00E+300");
}

TEST(SimQ, OneByOneSkipsElimination)
{
    Fake_Ui_Port port;
    SimQ_Matrix A;
    SimQ_Vector B;
    int16_t flag = 7;
    A(1, 1) = 4;
    B(1) = 2;
    SimQ(1, A, B, flag);
    EXPECT_EQ(flag, 0);
    EXPECT_DOUBLE_EQ(B(1), 0.5);
    A(1, 1) = 0;
    B(1) = 2;
    SimQ(1, A, B, flag);
    EXPECT_EQ(flag, 0);
    EXPECT_DOUBLE_EQ(B(1), 2);
    EXPECT_TRUE(port.boxes.empty());
}

TEST(SimQ, PivotsOnTheLargestAndSolves)
{
    Fake_Ui_Port port;
    SimQ_Matrix A;
    SimQ_Vector B;
    // A zero in A(1,1) needs the exchange of rows.
    A(1, 1) = 0, A(1, 2) = 2, A(1, 3) = 1;
    A(2, 1) = 1, A(2, 2) = 1, A(2, 3) = 1;
    A(3, 1) = 3, A(3, 2) = 0, A(3, 3) = 1;
    B(1) = 7, B(2) = 6, B(3) = 6;  // x = 1, 2, 3
    int16_t flag = -1;
    SimQ(3, A, B, flag);
    EXPECT_EQ(flag, 0);
    EXPECT_NEAR(B(1), 1, 1e-12);
    EXPECT_NEAR(B(2), 2, 1e-12);
    EXPECT_NEAR(B(3), 3, 1e-12);
}

TEST(SimQ, ZeroColumnGivesItsMessageAndFlag)
{
    Fake_Ui_Port port;
    port.Answer(Msg::Ans_Ok);
    SimQ_Matrix A;
    SimQ_Vector B;
    A(1, 1) = 1, A(1, 2) = 0, A(1, 3) = 1;
    A(2, 1) = 2, A(2, 2) = 0, A(2, 3) = 1;
    A(3, 1) = 1, A(3, 2) = 0, A(3, 3) = 5;
    int16_t flag = 0;
    SimQ(3, A, B, flag);
    EXPECT_EQ(flag, 2);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].prompt, "There is a zero value on diagonal in column 2");
    EXPECT_EQ(port.boxes[0].style, 0);
}

// A size beyond the matrix is the subscript error; the flag still says the solution failed.
TEST(SimQ, OversizedSystemIsReportedAndFlagged)
{
    Fake_Ui_Port port;
    port.Answer(Msg::Ans_Ok);
    SimQ_Matrix A;
    SimQ_Vector B;
    int16_t flag = 0;
    SimQ(13, A, B, flag);
    EXPECT_NE(flag, 0);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].prompt.rfind("Error 9   (Subscript out of range)  has occurred in SimQ", 0), 0u);
}

TEST(SimQ, TwelveByTwelveAgreesWithTheResidual)
{
    Fake_Ui_Port port;
    std::mt19937 gen(42);
    std::uniform_real_distribution<double> d(-10, 10);
    for (int trial = 0; trial < 20; ++trial) {
        SimQ_Matrix A, A0;
        SimQ_Vector B, x;
        for (int i = 1; i <= 12; ++i) {
            x(i) = d(gen);
            for (int j = 1; j <= 12; ++j) A(i, j) = (i + j) % 5 == 0 ? 0.0 : d(gen);  // sparse like a force system
        }
        for (int i = 1; i <= 12; ++i) {
            B(i) = 0;
            for (int j = 1; j <= 12; ++j) B(i) += A(i, j) * x(j);
        }
        A0 = A;
        int16_t flag = -1;
        SimQ(12, A, B, flag);
        ASSERT_EQ(flag, 0);
        for (int i = 1; i <= 12; ++i) EXPECT_NEAR(B(i), x(i), 1e-8 * (1 + std::fabs(x(i))));
    }
}

TEST(Runs, ExtremesKeepTheFirstOccurrence)
{
    Array2<float, 0, 10, 0, 4> t;
    t(1, 2) = 5, t(2, 2) = -1, t(3, 2) = 5, t(4, 2) = -1;
    float mx, mn;
    int imx = -9, imn = -9;
    MaxMin2A(t, 2, 1, 4, mx, mn, imx, imn);
    EXPECT_EQ(mx, 5);
    EXPECT_EQ(mn, -1);
    EXPECT_EQ(imx, -9);  // the first element was the maximum: the index stays as it came in
    EXPECT_EQ(imn, 2);
    Array2<float, 0, 4, 0, 10> u;
    u(2, 3) = 7, u(2, 4) = 9;
    imx = imn = -9;
    MaxMin2(u, 2, 3, 4, mx, mn, imx, imn);
    EXPECT_EQ(mx, 9);
    EXPECT_EQ(imx, 4);
    EXPECT_EQ(mn, 7);
    EXPECT_EQ(imn, -9);
}

TEST(Runs, AverageAndGlobalMax)
{
    Array2<float, 0, 10, 0, 4> t;
    t(3, 1) = 4;
    t(4, 1) = 8;
    float r = -1;
    Average2(3, 3, t, "I_Pointer", 1, r);
    EXPECT_EQ(r, 4);
    Average2(3, 4, t, "I_Pointer", 1, r);
    EXPECT_EQ(r, 6);
    Average2(3, 4, t, "Other", 1, r);
    EXPECT_EQ(r, 0);
    Array1<float, 0, 10> a, b;
    a(1) = 3, a(2) = -2;
    b(1) = -6, b(2) = 5;
    GlobalMax(a, b, 1, 2, r);
    EXPECT_EQ(r, 6);
}

TEST(Runs, IndexOutsideTheArrayIsReported)
{
    Fake_Ui_Port port;
    port.Answer(Msg::Ans_Ok);
    Array1<float, 0, 10> a;
    float mx = 0, mn = 0;
    MaxMin1(a, 5, 11, mx, mn);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_NE(port.boxes[0].prompt.find("has occurred in MaxMin1"), std::string::npos);
}

// The solver's shortcuts (no division for a zero column entry, row-wise elimination) must give
// the very values of the literal elimination, signed zeros included.
TEST(SimQ, SameBitsAsTheLiteralElimination)
{
    Fake_Ui_Port port;
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> d(-5, 5);
    std::uniform_int_distribution<int> pick(0, 3);
    for (int trial = 0; trial < 200; ++trial) {
        double a[13][13] = {}, b[13] = {};
        SimQ_Matrix A;
        SimQ_Vector B;
        for (int i = 1; i <= 12; ++i) {
            b[i] = pick(gen) == 0 ? -0.0 : d(gen);
            for (int j = 1; j <= 12; ++j) a[i][j] = (pick(gen) == 0 || i == j) ? d(gen) : (pick(gen) == 0 ? -0.0 : 0.0);
        }
        for (int i = 1; i <= 12; ++i) {
            B(i) = b[i];
            for (int j = 1; j <= 12; ++j) A(i, j) = a[i][j];
        }
        bool singular = false;
        for (int k = 1; k <= 11 && !singular; ++k) {
            double big = 0;
            int p = k;
            for (int i = k; i <= 12; ++i)
                if (std::fabs(a[i][k]) > big) big = std::fabs(a[i][k]), p = i;
            if (big == 0) {
                singular = true;
                break;
            }
            for (int j = k; j <= 12; ++j) std::swap(a[k][j], a[p][j]);
            std::swap(b[k], b[p]);
            for (int i = k + 1; i <= 12; ++i) {
                for (int j = k + 1; j <= 12; ++j) a[i][j] = a[k][j] * a[i][k] / a[k][k] - a[i][j];
                b[i] = b[k] * a[i][k] / a[k][k] - b[i];
            }
        }
        if (singular) {
            port.Allow_Any_Box();
        } else {
            if (a[12][12] != 0) b[12] = b[12] / a[12][12];
            for (int i = 11; i >= 1; --i) {
                double sum = 0;
                for (int j = i + 1; j <= 12; ++j) sum += a[i][j] * b[j];
                b[i] = (b[i] - sum) / a[i][i];
            }
        }
        int16_t flag = -1;
        SimQ(12, A, B, flag);
        for (int i = 1; i <= 12; ++i) {
            EXPECT_EQ(std::signbit(B(i)), std::signbit(b[i])) << "trial " << trial << " row " << i;
            EXPECT_TRUE(B(i) == b[i] || (std::isnan(B(i)) && std::isnan(b[i]))) << "trial " << trial << " row " << i;
            for (int j = 1; j <= 12; ++j) EXPECT_TRUE(A(i, j) == a[i][j] || (std::isnan(A(i, j)) && std::isnan(a[i][j])));
        }
    }
}
