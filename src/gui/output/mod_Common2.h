// Drawing helpers the plots share: the grid and style boxes of a screen applied to its charts.
#pragma once
#include <QCheckBox>
#include <QGroupBox>
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
    QGroupBox* fra_Grid = nullptr;
    QGroupBox* fra_Style = nullptr;
};

// The "Grid" frame with "Horiz" and "Vertic" and the "Style" frame with the two style boxes
// (captions differ: "Lines"/"Fills" on plots, "Envelope"/"Spectral Lines" for Fourier data).
void Build_Grid_Style_Frames(QWidget* owner, Has_Graph_Styles& Form, const char* line_caption,
                             const char* sticks_caption);

// GridStyle and GraphStyle of charts 0..NumGraphs - 1 from the boxes.
void SetGridstyle(Has_Graph_Styles& Form, int16_t& NumGraphs);
