// Stateless numeric routines: arctangents, polar form, rotation, the linear-equation solver,
// rounding and number formats, extremes and averages of result runs.
#pragma once
#include <cstdint>
#include <string>

#include "runtime/Fixed_Array.h"

constexpr double Pi = 3.141592654;
constexpr double Half_Pi = 1.570796327;
constexpr double Deg_To_Rad = 0.017453292522222223;
constexpr double Rad_To_Deg = 57.29577950560105;

// Angle of (X, Y) in radians, -pi/2 < result <= 3pi/2.
double Atan2(double X, double Y);
// The same in degrees, -90 .. 270.
double Atan2D(double X, double Y);
void Cart_to_Polar(double X, double Y, double& R, double& Theta);
void Rotate(float X, float Y, float Angle, int16_t Sign, float& Xr, float& Yr);
// The same without the trap: a result beyond the float range raises overflow, outputs untouched.
void Rotate_Vector(float X, float Y, float Angle, int16_t Sign, float& Xr, float& Yr);

// Matrix and vector of SimQ, indexed from 1 up to N (N at most 12).
constexpr int SimQ_Max = 12;
using SimQ_Matrix = Array2<double, 1, SimQ_Max, 1, SimQ_Max>;
using SimQ_Vector = Array1<double, 1, SimQ_Max>;
// Gaussian elimination with partial pivoting; solution in B. Flag 0 on success, else the column
// of a zero pivot (after its message).
void SimQ(int16_t N, SimQ_Matrix& A, SimQ_Vector& B, int16_t& Flag);

// X rounded half up (towards +infinity) to N decimals (six for N outside 0..5).
double FNRound(double X, int N);
// X formatted with N decimals and thousands commas; N < 0 scientific, N >= 5 six decimals with a
// blank after the third.
std::string FNRoundStr(double X, int N);
// X with as many significant digits as it needs to read back as itself, at most six, in plain
// decimals with at least one ("2.0", "0.425", "0.333333"), from ten million up in E form ("3.4E+38");
// no thousands commas.
std::string Needed_Digits_Str(float X);

// Extremes and averages over runs of result arrays.
template <typename Arr>
void MaxMin1(const Arr& A, int From, int To, float& Max, float& Min);
template <typename Tbl>
void MaxMin2(const Tbl& T, int Fixed, int From, int To, float& Max, float& Min, int& IMax, int& IMin);
template <typename Tbl>
void MaxMin2A(const Tbl& T, int Fixed, int From, int To, float& Max, float& Min, int& IMax, int& IMin);
// False when an error was reported (Result unchanged).
template <typename Tbl>
bool Average2(int From, int To, const Tbl& T, const std::string& Mode, int Fixed, float& Result);
template <typename Arr1, typename Arr2>
void GlobalMax(const Arr1& A1, const Arr2& A2, int From, int To, float& Result);

#include "model/Mod_Numeric_Runs.h"
