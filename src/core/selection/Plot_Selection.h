// The plot-selection screens' check of their accepted slots.
#pragma once
#include <cstdint>
#include <string>

#include "selection/Selection_Record.h"

struct Slot_Count {
    int16_t highest = 0;  // the highest accepted slot, 0 when none
    int16_t count = 0;    // the accepted slots
};

// Over slots 1 to n; a slot counts as accepted when its function name is not empty.
Slot_Count Count_Slots(const Accepted_Functions& accepted, int16_t n);

// Some accepted slot of 1 to n holds "Current FFT" data, by its classification (a label may name
// no variable and leave the slot's earlier one in place).
bool Fourier_Accepted(const Accepted_Functions& accepted, int16_t n);

// Shown when a slot below the highest accepted one is empty.
extern const std::string Gap_Message;
