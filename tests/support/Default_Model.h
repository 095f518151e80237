// Core tests that start from the default model in a chosen units system.
#pragma once
#include <gtest/gtest.h>

#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"

// Puts units system u in force with its labels and decimals (no conversion of the model).
inline void Use_Units(int16_t u)
{
    Model_Store& s = store();
    s.Unit_System = u;
    int16_t n = static_cast<int16_t>(s.Num_Units + 1);
    Set_Unit_Labels(u, s.Unit_Label, n);
    Set_Decimals(s.Unit_System);
}

class Default_Model_Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        Initialize();
        Use_Units(1);
    }
};
