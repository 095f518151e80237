// The linkage-data and motion-input panel that every output screen carries, and its filling.
#pragma once
#include <array>
#include <vector>

class QLabel;

struct Output_Label_Panel {
    std::array<QLabel*, 9> lbl_Links{};
    std::array<QLabel*, 6> lbl_Units{};
    std::array<QLabel*, 7> lbl_Linkout2{};
    std::array<QLabel*, 7> lbl_Initial{};  // 1..6
    std::array<QLabel*, 7> lbl_Unit{};     // 1..6
};

void Put_Link_Labels(Output_Label_Panel& Form);
void Put_Angle_Labels(Output_Label_Panel& Form);
void Put_Time_Labels(Output_Label_Panel& Form);
void Put_Position_Labels(Output_Label_Panel& Form);

// The output-grid screen and the three graph plot screens register their panels when they are
// created; a valid crank-range or time-range entry relabels all of them.
void Register_Output_Label_Panel(Output_Label_Panel* panel);
// A screen that is destroyed withdraws its panel.
void Unregister_Output_Label_Panel(Output_Label_Panel* panel);
const std::vector<Output_Label_Panel*>& Output_Label_Panels();
