// What the home screen shows and enables, decided from the store alone, and the reset of the
// model that New and Open start from.
#pragma once
#include <array>
#include <string>

// The status panel's labels lbl_Status(0..10): text and whether each is shown.
struct Status_Panel {
    static constexpr int Count = 11;
    std::array<std::string, Count> text;
    std::array<bool, Count> visible{};
    Status_Panel();
};

// Refreshes the panel from the store; a units system outside 1..5 leaves its label as it was.
void Update_Status_Panel(Status_Panel& panel);

// The four result buttons of the home screen.
struct Result_Buttons {
    bool Dynamics = false, Animate = false, Plot = false, Print = false;
};
Result_Buttons Home_Result_Buttons();

// The menu entries and the flywheel button that every activation of the home screen re-evaluates.
struct Home_Menus {
    bool New = false, Save = false, Saveas = false, CalcFFT = false, Flywheel = false;
};
Home_Menus Home_Activation_Enables();

// Calculated results that were never saved: New and Open ask, Quit runs Save As.
bool Unsaved_Results();

// The store part of the reset: defaults, cleared results and flags, no title.
void Reset_Model_Store();
