#include "model/mod_Data_Screen.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "model/Mod_Main.h"
#include "platform/Control_Events.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "shell/Formsubs_Screen.h"
#include "shell/mod_Animate_Screen.h"

namespace {
std::string Text_Of(QLineEdit* box) { return box ? box->text().toStdString() : std::string(); }

void Set_Text(QLineEdit* box, const std::string& text)
{
    if (box) box->setText(QString::fromStdString(text));
}

void Set_Caption(QLabel* label, const char* text)
{
    if (label) label->setText(QString::fromUtf8(text));
}

bool Is_On(QRadioButton* option) { return option && option->isChecked(); }

void Disable_Next_Buttons()
{
    Input_Role& input = Input_Screen_Role();
    if (input.cmd_Animate) input.cmd_Animate->setEnabled(false);
    if (input.cmd_Done) input.cmd_Done->setEnabled(false);
}

void Put_Circuit(Linkage_Controls& Form)
{
    const int16_t circuit = store().Circuit;
    if (circuit == 1 && Form.opt_OpenCross[0]) Form.opt_OpenCross[0]->setChecked(true);
    if (circuit == 2 && Form.opt_OpenCross[1]) Form.opt_OpenCross[1]->setChecked(true);
}

void Put_Range(Linkage_Controls& Form, const std::array<std::string, 3>& texts, const char* const names[3],
               const char* unit)
{
    for (int i = 0; i < 3; ++i) {
        Set_Text(Form.txt_Initial[i], texts[i]);
        Set_Caption(Form.lbl_Initial[i], names[i]);
        Set_Caption(Form.lbl_Unit[i], unit);
    }
}
}  // namespace

void Get_Linkage_Geometry(Linkage_Controls& Form)
{
    Trap_Errors("Get_Linkage_Geometry", [&] {
        std::array<std::string, 9> texts;
        for (int i = 0; i < 9; ++i) texts[i] = Text_Of(Form.txt_Linkout[i]);
        const Linkage_Texts shown =
            Apply_Linkage_Geometry(texts, Is_On(Form.opt_OpenCross[0]), Is_On(Form.opt_OpenCross[1]));
        for (int i = 0; i < 9; ++i)
            if (shown[i]) Set_Text(Form.txt_Linkout[i], *shown[i]);
        Disable_Next_Buttons();
    });
}

void Get_Initial_Conditions(Linkage_Controls& Form)
{
    Trap_Errors("Get_Initial_Conditions", [&] {
        std::array<std::string, 3> texts;
        for (int i = 0; i < 3; ++i) texts[i] = Text_Of(Form.txt_Initial[i]);
        Initial_Outcome out = Apply_Initial_Conditions(texts);
        for (int i = 0; i < 3; ++i)
            if (out.restore[i]) Set_Text(Form.txt_Initial[i], *out.restore[i]);
        if (out.focus_step_box) Set_Focus(Form.txt_Initial[2]);
        if (out.stopped) return;
        if (out.relabel == 3) {
            Put_Angle_Initial_Conditions(Animation_Screen());
            for (Output_Label_Panel* panel : Output_Label_Panels()) Put_Angle_Labels(*panel);
        } else if (out.relabel == 2) {
            Put_Time_Initial_Conditions(Animation_Screen());
            for (Output_Label_Panel* panel : Output_Label_Panels()) Put_Time_Labels(*panel);
        }
        Disable_Next_Buttons();
    });
}

void Put_Linkage_Geometry(Linkage_Controls& Form)
{
    Trap_Errors("Put_Linkage_Geometry", [&] {
        std::array<std::string, 9> texts = Linkage_Geometry_Texts();
        for (int i = 0; i < 9; ++i) Set_Text(Form.txt_Linkout[i], texts[i]);
        const QString unit = QString::fromStdString(store().Unit_Label(6));
        for (int i = 0; i <= 4; ++i)
            if (Form.lbl_Units[i]) Form.lbl_Units[i]->setText(unit);
    });
}

void Put_Angle_Initial_Conditions(Linkage_Controls& Form)
{
    Put_Linkage_Geometry(Form);
    Trap_Errors("Put_Angle_Initial_Conditions", [&] {
        const Model_Store& s = store();
        Put_Circuit(Form);
        static const char* const names[3] = {"Min Theta", "Max Theta", "Delta Theta"};
        Put_Range(Form, {s.Min_Theta_Text, s.Max_Theta_Text, s.Delta_Theta_Text}, names, "deg");
        Input_Role& input = Input_Screen_Role();
        Set_Caption(input.lbl_Unit[5], "deg");
        Set_Caption(input.lbl_Initial[5], "Theta2");
        Animation_Role& anim = Animation_Screen();
        Set_Caption(anim.lbl_StepUnit, "deg");
        Set_Caption(anim.lbl_StepLabel, "Theta2");
    });
}

void Put_Time_Initial_Conditions(Linkage_Controls& Form)
{
    Put_Linkage_Geometry(Form);
    Trap_Errors("Put_Time_Initial_Conditions", [&] {
        const Model_Store& s = store();
        Put_Circuit(Form);
        static const char* const names[3] = {"Start Time", "End Time", "Delta Time"};
        Put_Range(Form, {Plain(s.Start_Time), Plain(s.End_Time), Plain(s.Delta_Time)}, names, "sec");
        Animation_Role& anim = Animation_Screen();
        Set_Caption(anim.lbl_StepLabel, "Time");
        Set_Caption(anim.lbl_StepUnit, "sec");
        Set_Caption(Input_Screen_Role().lbl_Initial[5], "ThetaZero");
    });
}
