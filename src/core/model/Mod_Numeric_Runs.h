// Template bodies of the run routines of Mod_Numeric.h (included from there).
#pragma once
#include <cmath>

#include "runtime/Report_Error.h"

template <typename Arr>
void MaxMin1(const Arr& A, int From, int To, float& Max, float& Min)
{
    Trap_Errors("MaxMin1", [&] {
        Max = Min = A(From);
        for (int i = From; i <= To; ++i) {
            if (A(i) > Max) Max = A(i);
            if (A(i) < Min) Min = A(i);
        }
    });
}

namespace numeric_detail {
template <typename Get>
void Extremes(Get get, int From, int To, float& Max, float& Min, int& IMax, int& IMin)
{
    Max = Min = get(From);
    for (int j = From; j <= To; ++j) {
        float v = get(j);
        if (v > Max) {
            Max = v;
            IMax = j;
        }
        if (v < Min) {
            Min = v;
            IMin = j;
        }
    }
}
}  // namespace numeric_detail

template <typename Tbl>
void MaxMin2(const Tbl& T, int Fixed, int From, int To, float& Max, float& Min, int& IMax, int& IMin)
{
    Trap_Errors("MaxMin2", [&] {
        numeric_detail::Extremes([&](int j) { return T(Fixed, j); }, From, To, Max, Min, IMax, IMin);
    });
}

template <typename Tbl>
void MaxMin2A(const Tbl& T, int Fixed, int From, int To, float& Max, float& Min, int& IMax, int& IMin)
{
    Trap_Errors("MaxMin2A", [&] {
        numeric_detail::Extremes([&](int j) { return T(j, Fixed); }, From, To, Max, Min, IMax, IMin);
    });
}

template <typename Tbl>
bool Average2(int From, int To, const Tbl& T, const std::string& Mode, int Fixed, float& Result)
{
    return Trap_Errors("Average2", [&] {
        float sum = 0;
        for (int i = From; i <= To; ++i) {
            if (Mode == "I_Pointer")
                sum += T(i, Fixed);
            else if (Mode == "Pointer_I")
                sum += T(Fixed, i);
        }
        // The 32-bit sum overflows as the classic runtime's did.
        if (!std::isfinite(sum)) Raise(Err::Overflow);
        int count = To - From + 1;
        Result = count != 0 ? sum / static_cast<float>(count) : sum;
    });
}

template <typename Arr1, typename Arr2>
void GlobalMax(const Arr1& A1, const Arr2& A2, int From, int To, float& Result)
{
    Trap_Errors("GlobalMax", [&] {
        float max1 = 0, min1 = 0, max2 = 0, min2 = 0;
        MaxMin1(A1, From, To, max1, min1);
        MaxMin1(A2, From, To, max2, min2);
        Result = std::fabs(min1);
        for (float v : {std::fabs(max1), std::fabs(min2), std::fabs(max2)})
            if (v > Result) Result = v;
    });
}
