// Drawing helpers the plots share: the grid and style boxes of a screen applied to its charts.
#pragma once
#include <QCheckBox>
#include <array>
#include <cstdint>

class Graph_Control;

// Screens with charts and the two grid and two style boxes.
struct Has_Graph_Styles {
    QCheckBox* chk_HGrid = nullptr;
    QCheckBox* chk_VGrid = nullptr;
    QCheckBox* chk_Line = nullptr;
    QCheckBox* chk_Sticks = nullptr;
    std::array<Graph_Control*, 4> grf_Plot{};
};

// GridStyle and GraphStyle of charts 0..NumGraphs - 1 from the boxes.
void SetGridstyle(Has_Graph_Styles& Form, int16_t& NumGraphs);
