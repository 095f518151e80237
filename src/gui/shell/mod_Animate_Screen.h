// The linkage drawing and animation routines on a screen's picture box, step bar and the
// animation screen's step labels and options.
#pragma once
#include <cstdint>
#include <functional>

#include "model/Linkage_Controls.h"
#include "runtime/Canvas.h"

class QLineEdit;

// The animation screen's controls that the drawing routines reach whichever screen draws.
struct Animation_Controls {
    QLabel* lbl_StepLabel = nullptr;
    QLabel* lbl_StepUnit = nullptr;
    QLabel* lbl_StepNumber = nullptr;
    QCheckBox* chk_Showlinks = nullptr;
    QCheckBox* chk_Coupler = nullptr;
    QCheckBox* chk_Trace = nullptr;
    QCheckBox* chk_Points = nullptr;
    QScrollBar* hsc_speed = nullptr;
    QLineEdit* txt_Cycles = nullptr;
    QLabel* lbl_Header = nullptr;
    int16_t Step_Shown = -1;     // the position the picture shows (-1: none)
    bool Window_Held = false;   // the drawing keeps its window whatever Autoscale says
};

struct Animation_Role : Linkage_Controls, Animation_Controls {};

// The animation screen registers itself when it is created; until then a hidden stand-in with
// the animation screen's designed settings answers for it.
Animation_Role& Animation_Screen();
void Register_Animation_Screen(Animation_Role* screen);

// A picture box seen as a canvas.
class Picture_Canvas : public Canvas {
public:
    explicit Picture_Canvas(Picture_Box& box) : box_(box) {}
    void Cls() override;
    void Scale(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, int32_t colour) override;
    void Line_To(float x2, float y2, int32_t colour) override;
    void Circle(float x, float y, float radius, int32_t colour) override;
    void PSet(float x, float y, int32_t colour) override;
    void Set_Draw_Mode(int mode) override;
    void Set_Back_Color(int32_t colour) override;
    void Refresh() override;

private:
    Picture_Box& box_;
};

// The speed bar: its range, steps a user sees, and the position `Anim_Speed` gives.
void Set_Up_Speed_Bar(QScrollBar& bar);
// The position `Anim_Speed` gives the bar (the right end is the fastest).
void Show_Anim_Speed(QScrollBar& bar);

void Check_Parameters(Animation_Role& anim);
void Animate_Setup(Linkage_Controls& S);
// `hold` keeps each frame on show (by default the thread sleeps for the speed's delay).
void Animate(Linkage_Controls& S, const std::function<void()>& hold = {});
void DrawLinkage(Linkage_Controls& S, int16_t& i);
void Step(Linkage_Controls& S, int16_t& i);
void Step_Setup(Linkage_Controls& S, bool& busy);
void Step_Reset(Linkage_Controls& S);
