#include "model/Mod_Numeric.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "runtime/Number_Text.h"
#include "runtime/Ui_Port.h"

double Atan2(double X, double Y)
{
    if (X == 0) {
        if (Y > 0) return Half_Pi;
        if (Y < 0) return -Half_Pi;
        return 0;
    }
    double a = std::atan(Y / X);
    if (X < 0) a += Pi;
    return a;
}

double Atan2D(double X, double Y) { return Atan2(X, Y) * Rad_To_Deg; }

void Cart_to_Polar(double X, double Y, double& R, double& Theta)
{
    Trap_Errors("Cart_to_Polar", [&] {
        Theta = Atan2(X, Y) * Rad_To_Deg;
        R = std::sqrt(X * X + Y * Y);
    });
}

void Rotate_Vector(float X, float Y, float Angle, int16_t Sign, float& Xr, float& Yr)
{
    float phi = static_cast<float>(Sign * Angle * Deg_To_Rad);
    const float x = static_cast<float>(X * std::cos(static_cast<double>(phi)) - Y * std::sin(static_cast<double>(phi)));
    const float y = static_cast<float>(X * std::sin(static_cast<double>(phi)) + Y * std::cos(static_cast<double>(phi)));
    if (!std::isfinite(x) || !std::isfinite(y)) Raise(Err::Overflow);
    Xr = x, Yr = y;
}

void Rotate(float X, float Y, float Angle, int16_t Sign, float& Xr, float& Yr)
{
    Trap_Errors("Rotate", [&] { Rotate_Vector(X, Y, Angle, Sign, Xr, Yr); });
}

namespace {
// One row of the elimination, in the solver's own order of operations. Each element is independent
// of the others, so the compiler may do several at once without changing a single bit.
__attribute__((optimize("tree-vectorize"))) void Eliminate_Row(double* __restrict row, double& b_row,
                                                                const double* __restrict pivot_row,
                                                                double b_pivot, int k, int N)
{
    const double aik = row[k], pivot = pivot_row[k];
    if (aik == 0) {
        // A zero product divided by the (nonzero) pivot is a zero whose sign the pivot's sign
        // decides, so multiplying by that sign gives the very same value without a division.
        // Most rows of a force system have a zero here.
        const double sign = std::copysign(1.0, pivot);
        for (int j = k + 1; j <= N; ++j) row[j] = pivot_row[j] * aik * sign - row[j];
        b_row = b_pivot * aik * sign - b_row;
        return;
    }
    for (int j = k + 1; j <= N; ++j) row[j] = pivot_row[j] * aik / pivot - row[j];
    b_row = b_pivot * aik / pivot - b_row;
}
}  // namespace

void SimQ(int16_t N, SimQ_Matrix& A, SimQ_Vector& B, int16_t& Flag)
{
    Trap_Errors("SimQ", [&] {
        Flag = 1;
        if (N > SimQ_Max || N < 0) Raise(Err::Subscript);
        // Work on plain arrays (bounds are settled above) and hand the state back however we leave.
        // Rows of a[][] are contiguous so that a row is eliminated in one sweep of memory.
        double a[SimQ_Max + 1][SimQ_Max + 1], b[SimQ_Max + 1];
        double* const A_data = A.Data();  // A(i, j) at (i - 1) + SimQ_Max * (j - 1)
        double* const B_data = B.Data();
        for (int i = 1; i <= N; ++i) {
            b[i] = B_data[i - 1];
            for (int j = 1; j <= N; ++j) a[i][j] = A_data[(i - 1) + SimQ_Max * (j - 1)];
        }
        auto hand_back = [&] {
            for (int i = 1; i <= N; ++i) {
                B_data[i - 1] = b[i];
                for (int j = 1; j <= N; ++j) A_data[(i - 1) + SimQ_Max * (j - 1)] = a[i][j];
            }
        };
        for (int k = 1; k <= N - 1; ++k) {
            double big = 0;
            int p = k;
            for (int i = k; i <= N; ++i) {
                // Written without a branch: the first strictly largest magnitude wins.
                const double v = std::fabs(a[i][k]);
                const bool larger = v > big;
                big = larger ? v : big;
                p = larger ? i : p;
            }
            if (big == 0) {
                hand_back();
                MsgBox("There is a zero value on diagonal in column " + std::to_string(k), Msg::Ok_Only);
                Flag = static_cast<int16_t>(k);
                return;
            }
            for (int j = k; j <= N; ++j) std::swap(a[k][j], a[p][j]);
            std::swap(b[k], b[p]);
            for (int i = k + 1; i <= N; ++i) Eliminate_Row(a[i], b[i], a[k], b[k], k, N);
        }
        if (a[N][N] != 0) b[N] = b[N] / a[N][N];
        for (int i = N - 1; i >= 1; --i) {
            double sum = 0;
            for (int j = i + 1; j <= N; ++j) sum += a[i][j] * b[j];
            b[i] = (b[i] - sum) / a[i][i];
        }
        hand_back();
        Flag = 0;
    });
}

double FNRound(double X, int N)
{
    static const double scale[] = {1, 10, 100, 1000, 10000, 100000};
    double s = (N >= 0 && N <= 5) ? scale[N] : 1000000.0;
    if (s == 1) return std::floor(X + 0.5);
    return std::floor(X * s + 0.5) / s;
}

namespace {
// The decimal image of |X| to 15 significant digits (as the classic formatter saw it):
// digits "d1...d15" and the position of the decimal point (digits before it).
struct Decimal_Image {
    std::string digits;
    int point;
};

Decimal_Image Image_Of(double ax)
{
    char buf[64];
    auto [end, ec] = std::to_chars(buf, buf + sizeof buf, ax, std::chars_format::scientific, 14);
    (void)ec;
    *end = '\0';
    Decimal_Image d;
    d.digits = std::string(1, buf[0]) + std::string(buf + 2, 14);
    d.point = std::atoi(std::strchr(buf, 'e') + 1) + 1;
    return d;
}

// Rounds the image half away from zero to `keep` leading digits; returns false when all vanish.
void Round_Image(Decimal_Image& d, int keep)
{
    if (keep >= static_cast<int>(d.digits.size())) {
        d.digits.append(static_cast<size_t>(keep) - d.digits.size(), '0');
        return;
    }
    if (keep < 0) {
        d.digits = "";
        return;
    }
    bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (!up) return;
    int i = keep - 1;
    while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') d.digits[static_cast<size_t>(i--)] = '0';
    if (i >= 0) {
        ++d.digits[static_cast<size_t>(i)];
    } else {
        d.digits.insert(d.digits.begin(), '1');
        ++d.point;
    }
}

std::string Group_Thousands(const std::string& int_digits)
{
    std::string out;
    int n = static_cast<int>(int_digits.size());
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += ',';
        out += int_digits[static_cast<size_t>(i)];
    }
    return out;
}

std::string Scientific(double X)
{
    double ax = std::fabs(X);
    if (ax == 0) return "0.00E+0";
    Decimal_Image d = Image_Of(ax);
    Round_Image(d, 3);
    if (d.digits.size() > 3) d.digits.resize(3);
    int exponent = d.point - 1;
    std::string s = X < 0 ? "-" : "";
    s += d.digits.substr(0, 1) + "." + d.digits.substr(1, 2) + "E" + (exponent < 0 ? "-" : "+") +
         std::to_string(std::abs(exponent));
    return s;
}
}  // namespace

std::string FNRoundStr(double X, int N)
{
    // Sound behaviour: a value beyond every float range has no digits to show; it is the
    // runtime's overflow, reported like any error of the routine, and the text stays empty.
    if (!std::isfinite(X)) {
        Report_Error(Err::Overflow, "FNRoundStr");
        return "";
    }
    if (N < 0) return Scientific(X);
    int decimals = N >= 5 ? 6 : N;
    double ax = std::fabs(X);
    std::string int_part = "0", frac_part(static_cast<size_t>(decimals), '0');
    bool zero = true;
    if (ax != 0) {
        Decimal_Image d = Image_Of(ax);
        Round_Image(d, d.point + decimals);
        std::string all = d.digits;
        int point = d.point;
        if (point <= 0) {  // pure fraction: pad the leading zeros
            all = std::string(static_cast<size_t>(-point), '0') + all;
            point = 0;
        }
        all.resize(static_cast<size_t>(point + decimals), '0');
        std::string ip = all.substr(0, static_cast<size_t>(point));
        size_t nz = ip.find_first_not_of('0');
        int_part = nz == std::string::npos ? "0" : ip.substr(nz);
        frac_part = all.substr(static_cast<size_t>(point));
        zero = all.find_first_not_of('0') == std::string::npos;
    }
    std::string s = (X < 0 && !zero) ? "-" : "";
    s += Group_Thousands(int_part) + ".";
    if (N >= 5)
        s += frac_part.substr(0, 3) + " " + frac_part.substr(3);
    else
        s += frac_part;
    return s;
}

std::string Needed_Digits_Str(float X)
{
    if (!std::isfinite(X)) {
        Report_Error(Err::Overflow, "Needed_Digits_Str");
        return "";
    }
    if (X == 0) return "0.0";
    // The fewest significant digits (six at most) whose text reads back as this very value.
    char sci[32];
    int digits = 1;
    for (;; ++digits) {
        auto end = std::to_chars(sci, sci + sizeof sci - 1, X, std::chars_format::scientific, digits - 1).ptr;
        *end = '\0';
        if (digits == 6 || static_cast<float>(Val(sci)) == X) break;
    }
    const int exponent = std::atoi(std::strchr(sci, 'e') + 1);
    // Beyond seven whole digits a plain form would spell out digits the value does not have.
    if (exponent >= 7) return Plain_Digits(X, digits);
    const int decimals = std::max(1, digits - 1 - exponent);
    char fixed[64];
    *std::to_chars(fixed, fixed + sizeof fixed - 1, Val(sci), std::chars_format::fixed, decimals).ptr = '\0';
    return fixed;
}
