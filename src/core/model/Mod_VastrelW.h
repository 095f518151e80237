// The kinematic solver of the geared five-bar linkage: the calculation drivers, the per-step
// solution into the result store, the cannot-assemble question and the Grashof classification.
#pragma once
#include <cstdint>
#include <string>

// Answers of the cannot-assemble question, carried by reference through a run as its Choice.
namespace Choice_Code {
constexpr int16_t Abort = 3;
constexpr int16_t Retry = 4;   // every run starts with it
constexpr int16_t Ignore = 5;  // no further questions in this run
}  // namespace Choice_Code

// The value a velocity or acceleration takes where its denominator vanishes.
constexpr float Infinite_Rate = 10000000.0f;

// Step_Valid of a step that assembled at a dead point, links 3 and 4 in line: its rates of those links
// are Infinite_Rate markers, not results. Like -1 it is not 0, so the step is drawn as assembled.
constexpr int16_t Dead_Point_Step = 1;

void Calculate_Motion(int16_t CalcType, int16_t& Choice);
void Set_Circuit(int16_t Circuit, int16_t& Sign, std::string& Name);

void Calculate_One_Position(int16_t& Choice);
void Calculate_Time_Steps(int16_t& Choice);
void Calculate_Angle_Steps(int16_t& Choice);
void Calculate(int16_t Step, int16_t& Choice);

double Theta_At_Time(float T);
float Omega_At_Time(float T);

void Scale_Positions(int16_t Step, float Factor, int16_t First, int16_t Last);
void Scale_Velocities(int16_t Step, float Factor, int16_t First, int16_t Last);
void Scale_Accelerations(int16_t Step, float Factor, int16_t First, int16_t Last);

void Report_Cannot_Connect(float Theta2, int16_t Step, int16_t& Choice);
void Check_Grashof();
