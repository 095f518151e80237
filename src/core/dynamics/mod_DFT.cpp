#include "dynamics/mod_DFT.h"

#include <algorithm>
#include <cmath>

#include "model/Mod_Main.h"
#include "model/Mod_Plotsubs.h"
#include "runtime/Number_Text.h"
#include "runtime/Vector_State.h"

namespace {
constexpr double Two_Pi_Approx = 6.283185308;  // the transform's own constant, slightly above 2 pi
constexpr double Two_Pi_Hi = 6.283185307179586;
constexpr double Two_Pi_Lo = 2.4492935982947064e-16;
constexpr double Phase_90 = 1.570796327;
constexpr double To_Degrees = 57.29577950560105;

// cos and sin of Two_Pi_Approx * m / N for m = k * j. The angle is split into the whole turns of
// 2 pi (a table over one turn) and the small excess of the constant over 2 pi, so no sine of a
// large angle is ever evaluated: faster than the direct form and at least as accurate.
struct Angle_Table {
    std::vector<double> cos_r, sin_r;
    double excess_per_m = 0;

    explicit Angle_Table(int N) : cos_r(static_cast<size_t>(N)), sin_r(static_cast<size_t>(N))
    {
        for (int r = 0; r < N; ++r) {
            double a = Two_Pi_Hi * r / N;
            cos_r[static_cast<size_t>(r)] = std::cos(a);
            sin_r[static_cast<size_t>(r)] = std::sin(a);
        }
        excess_per_m = ((Two_Pi_Approx - Two_Pi_Hi) - Two_Pi_Lo) / N;
    }
};
}  // namespace

void Clear_Transform(int16_t& n)
{
    Model_Store& s = store();
    for (int i = 0; i <= std::min<int>(n, Max_Steps); ++i)
        for (int c = 0; c <= 3; ++c) s.DFT_Data(i, c) = 0;
}

void Clear_Result(int16_t& n)
{
    Model_Store& s = store();
    for (int i = 0; i <= std::min<int>(n, 512); ++i)
        for (int c = 0; c <= 3; ++c) s.Current_FFT(i, c) = 0;
}

void Transform(int16_t N, const Sample_Source& sample)
{
    Clear_Vector_State();
    Model_Store& s = store();
    s.DFT_Zero = 1E-5f;
    Clear_Transform(N);
    if (N < 1) return;

    std::vector<double> x(static_cast<size_t>(N));
    // each term is divided by N: done once per sample rather than once per term
    for (int j = 1; j <= N; ++j) x[static_cast<size_t>(j - 1)] = sample(static_cast<int16_t>(j)) / static_cast<double>(N);

    const Angle_Table table(N);
    std::vector<double> re(static_cast<size_t>(N) + 1), im(static_cast<size_t>(N) + 1);
    double largest = 0;
    for (int k = 1; k <= N; ++k) {
        const int step = k - 1;
        double re_k = 0, im_k = 0;
        int r = 0;
        double m = 0;
        for (int j = 0; j < N; ++j) {
            const double delta = table.excess_per_m * m;
            const double cd = 1 - delta * delta / 2, sd = delta - delta * delta * delta / 6;
            const double ca = table.cos_r[static_cast<size_t>(r)], sa = table.sin_r[static_cast<size_t>(r)];
            const double cos_t = ca * cd - sa * sd, sin_t = sa * cd + ca * sd;
            re_k = re_k + x[static_cast<size_t>(j)] * cos_t;
            im_k = im_k - x[static_cast<size_t>(j)] * sin_t;
            r += step;
            if (r >= N) r -= N;
            m += step;
        }
        re[static_cast<size_t>(k)] = re_k;
        im[static_cast<size_t>(k)] = im_k;
        largest = std::max({largest, std::fabs(re_k), std::fabs(im_k)});
    }

    // Only float noise counts as zero: a sum small beside the transform's largest one. Being
    // relative, the rule makes the transform of s x exactly s times that of x, whatever the
    // function's units; and it judges the finished sums, never the running ones.
    const double zero = s.DFT_Zero * largest;
    for (int k = 1; k <= N; ++k) {
        double re_k = re[static_cast<size_t>(k)], im_k = im[static_cast<size_t>(k)];
        if (std::fabs(re_k) < zero) re_k = 0;
        if (std::fabs(im_k) < zero) im_k = 0;

        s.DFT_Data(k, 0) = re_k;
        s.DFT_Data(k, 1) = im_k;
        s.DFT_Data(k, 2) = std::sqrt(im_k * im_k + re_k * re_k);
        const float re_f = static_cast<float>(re_k), im_f = static_cast<float>(im_k);
        double phase;
        if (re_f == 0)
            phase = im_f == 0 ? 0 : Phase_90;
        else
            phase = std::atan(static_cast<double>(im_f / re_f));
        s.DFT_Data(k, 3) = phase * To_Degrees;
    }
}

void Copy_Transform()
{
    Model_Store& s = store();
    const int rows = s.Num_Harmonics_Out;
    if (rows < 1) return;
    for (int c = 0; c <= 3; ++c) s.Current_FFT(0, c) = static_cast<float>(s.DFT_Data(1, c));
    for (int m = 1; m <= rows - 1; ++m) {
        for (int c = 0; c <= 2; ++c) s.Current_FFT(m, c) = static_cast<float>(2 * s.DFT_Data(m + 1, c));
        s.Current_FFT(m, 3) = static_cast<float>(s.DFT_Data(m + 1, 3));
    }
}

void Compute(int16_t& N, const Sample_Source& sample)
{
    Model_Store& s = store();
    s.Num_Harmonics_Out = static_cast<int16_t>(std::floor(N / 2.0 + 0.5));
    Transform(N, sample);
    Copy_Transform();
}

void Compute(int16_t& N)
{
    // one value carried from sample to sample: a step the catalogue refuses repeats the last one
    float value = 0;
    Compute(N, [&value](int16_t j) {
        Select_Variable(j, 1, value);
        return value;
    });
}

int16_t Half_Count(int16_t N) { return CInt(N / 2.0); }

bool Limit_Harmonics(int16_t& count, int16_t N)
{
    if (!(N / 2.0 < count)) return false;
    count = Half_Count(N);
    return true;
}

std::vector<int16_t> Harmonics_List(int16_t N)
{
    const int16_t h0 = Half_Count(N);
    std::vector<int16_t> items{h0};
    for (int d = 2; d <= h0; ++d) {
        const float q = static_cast<float>(h0) / static_cast<float>(d);
        if (q < 3) break;
        if (q == std::floor(q)) items.push_back(static_cast<int16_t>(q));
    }
    return items;
}
