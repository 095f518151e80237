#include "shell/mod_Animate_Screen.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>
#include <optional>
#include <thread>

#include "model/Mod_Main.h"
#include "model/mod_Data_Screen.h"
#include "platform/Picture_Box.h"
#include "runtime/Report_Error.h"
#include "shell/mod_Animate.h"
#include "shell/mod_Common.h"

namespace {
Animation_Role* registered = nullptr;

// Carries the animation screen's designed settings until the real screen registers.
struct Stand_In : Animation_Role {
    QWidget holder;
    Stand_In()
    {
        lbl_StepLabel = new QLabel("Theta2", &holder);
        lbl_StepUnit = new QLabel("deg", &holder);
        lbl_StepNumber = new QLabel(&holder);
        chk_Showlinks = new QCheckBox("Links", &holder);
        chk_Showlinks->setChecked(true);
        chk_Coupler = new QCheckBox("Coupler Path", &holder);
        chk_Coupler->setChecked(true);
        chk_Trace = new QCheckBox("Trace", &holder);
        chk_Points = new QCheckBox("Coupler Points", &holder);
        hsc_speed = new QScrollBar(Qt::Horizontal, &holder);
        Set_Up_Speed_Bar(*hsc_speed);
        txt_Cycles = new QLineEdit("1", &holder);
        lbl_Header = new QLabel(&holder);
    }
};

bool Ticked(QCheckBox* box) { return box && box->isChecked(); }

void Show_Step_Labels(Animation_Controls& a, bool visible)
{
    for (QLabel* l : {a.lbl_StepLabel, a.lbl_StepUnit, a.lbl_StepNumber})
        if (l) l->setVisible(visible);
}

bool Show_Points() { return Ticked(Animation_Screen().chk_Points); }

void Set_Bar_Maximum(QScrollBar* bar) { if (bar) bar->setMaximum(Last_Drawable_Step()); }

bool Is_Animation_Screen(const Linkage_Controls& S)
{
    return &S == static_cast<const Linkage_Controls*>(&Animation_Screen());
}
}  // namespace

Animation_Role& Animation_Screen()
{
    if (registered) return *registered;
    static Stand_In* stand_in = new Stand_In();
    return *stand_in;
}

void Register_Animation_Screen(Animation_Role* screen) { registered = screen; }

void Picture_Canvas::Cls() { box_.Cls(); }
void Picture_Canvas::Scale(float x1, float y1, float x2, float y2) { box_.Scale(x1, y1, x2, y2); }
void Picture_Canvas::Line(float x1, float y1, float x2, float y2, int32_t c) { box_.Line(x1, y1, x2, y2, c); }
void Picture_Canvas::Line_To(float x2, float y2, int32_t c) { box_.Line_To(x2, y2, c); }
void Picture_Canvas::Circle(float x, float y, float r, int32_t c) { box_.Circle(x, y, r, c); }
void Picture_Canvas::PSet(float x, float y, int32_t c) { box_.PSet(x, y, c); }
void Picture_Canvas::Set_Draw_Mode(int mode) { box_.DrawMode(static_cast<int16_t>(mode)); }
void Picture_Canvas::Set_Back_Color(int32_t c) { box_.BackColor(c); }
void Picture_Canvas::Refresh() { box_.Flush(); }

void Set_Up_Speed_Bar(QScrollBar& bar)
{
    bar.setRange(0, 32767);
    bar.setSingleStep(1024);
    bar.setPageStep(4096);
    Show_Anim_Speed(bar);
}

void Show_Anim_Speed(QScrollBar& bar) { bar.setValue(32767 - store().Anim_Speed); }

void Check_Parameters(Animation_Role& anim)
{
    Check_Parameters_Values(anim.hsc_speed ? anim.hsc_speed->value() : 32767 - store().Anim_Speed,
                            anim.txt_Cycles ? anim.txt_Cycles->text().toStdString() : std::string(),
                            Ticked(anim.chk_Showlinks), Ticked(anim.chk_Coupler), Ticked(anim.chk_Trace));
}

void Animate_Setup(Linkage_Controls& S)
{
    if (!S.Picture1) return;
    Set_Colors();
    Animation_Role& anim = Animation_Screen();
    Check_Parameters(anim);
    Picture_Canvas pic(*S.Picture1);
    Drawing_Setup(pic, Ticked(S.chk_autoscale) && !(Is_Animation_Screen(S) && anim.Window_Held));
    Trap_Errors("Animate_Setup", [&] {
        Has_Header header;
        header.lbl_Header = anim.lbl_Header;
        if (header.lbl_Header) Titlebox(header);
        if (store().Calc_Type == 2) Put_Time_Initial_Conditions(anim);
        if (store().Calc_Type == 3) Put_Angle_Initial_Conditions(anim);
    });
}

void Animate(Linkage_Controls& S, const std::function<void()>& hold)
{
    if (!S.Picture1) return;
    Animate_Setup(S);
    Trap_Errors("Animate", [&] {
        store().Step_Number = 0;
        Picture_Canvas pic(*S.Picture1);
        Axes(pic);
        if (Is_Animation_Screen(S)) Show_Step_Labels(Animation_Screen(), false);
        auto sleep = [] { std::this_thread::sleep_for(Delay_Time(store().Anim_Speed)); };
        Animate_Cycles(pic, Show_Points(), hold ? hold : std::function<void()>(sleep),
                       Is_Animation_Screen(S) ? &Animation_Screen().Step_Shown : nullptr);
    });
}

void DrawLinkage(Linkage_Controls& S, int16_t& i)
{
    if (!S.Picture1) return;
    Picture_Canvas pic(*S.Picture1);
    std::optional<Picture_Canvas> path;
    if (Picture_Box* box = Animation_Screen().Picture1) path.emplace(*box);
    DrawLinkage(pic, path ? &*path : nullptr, i, Show_Points());
    pic.Refresh();
}

void Step(Linkage_Controls& S, int16_t& i)
{
    Animate_Setup(S);
    Trap_Errors("Step", [&] {
        Animation_Role& anim = Animation_Screen();
        Show_Step_Labels(anim, true);
        const std::optional<std::string> caption = Step_Label_Text(i);
        if (caption && anim.lbl_StepNumber) anim.lbl_StepNumber->setText(QString::fromStdString(*caption));
        DrawLinkage(S, i);
        if (Is_Animation_Screen(S)) anim.Step_Shown = i;
    });
}

void Step_Setup(Linkage_Controls& S, bool& busy)
{
    Trap_Errors("Step_Setup", [&] {
        Model_Store& s = store();
        s.Step_Flag.assign(1, 'Y');
        busy = true;
        Set_Bar_Maximum(S.hsc_step);
        // A step past the last drawable one wraps to 0, whatever count the model holds.
        const int16_t last = Last_Drawable_Step();
        switch (s.Calc_Type) {
        case 1: s.Step_Number = 0; break;
        case 2:
            if (s.Step_Number > last || s.Step_Number < 0) s.Step_Number = 0;
            if (S.hsc_step) S.hsc_step->setValue(s.Step_Number);
            Step(S, s.Step_Number);
            break;
        case 3:
            if (s.Step_Number > last || s.Step_Number < 0) s.Step_Number = 0;
            Step(S, s.Step_Number);
            if (S.hsc_step) S.hsc_step->setValue(s.Step_Number);
            break;
        default: break;
        }
        if (s.Calc_Type > 1) s.Step_Number = static_cast<int16_t>(s.Step_Number + 1);
    });
    busy = false;  // also after a reported error, so the step bar keeps working
}

void Step_Reset(Linkage_Controls& S)
{
    Trap_Errors("Step_Reset", [&] {
        int16_t zero = 0;
        Step(S, zero);
        if (S.hsc_step) S.hsc_step->setValue(0);
        store().Step_Number = 1;
    });
}
