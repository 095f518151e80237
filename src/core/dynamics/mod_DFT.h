// Discrete Fourier transform of one output function over a crank-angle sweep, its copy into the
// harmonics table offered as "Current FFT", and the harmonic counts the Fourier screen lists.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

// The value of the transformed function at step j.
using Sample_Source = std::function<float(int16_t j)>;

// Num_Harmonics_Out, the transform of samples 1..N and the copy into Current_FFT.
void Compute(int16_t& N, const Sample_Source& sample);
// The same for the function chosen for selection slot 1.
void Compute(int16_t& N);
// Fills DFT_Data rows 1..N: real, imaginary, magnitude, phase in degrees.
void Transform(int16_t N, const Sample_Source& sample);
// Current_FFT rows 0..Num_Harmonics_Out - 1 from DFT_Data (amplitudes of rows above 0 doubled).
void Copy_Transform();
void Clear_Transform(int16_t& n);
void Clear_Result(int16_t& n);

// Half of N samples, halves to even: the most harmonics that can be shown.
int16_t Half_Count(int16_t N);
// The harmonic counts offered for N samples: N / 2 (halves to even), then its whole quotients of at
// least 3 (36 gives 18, 9, 6, 3).
std::vector<int16_t> Harmonics_List(int16_t N);
// True when `count` harmonics exceed half of N samples; `count` is then cut to Half_Count(N).
bool Limit_Harmonics(int16_t& count, int16_t N);
