// The animation screen: the calculated linkage animated, stepped and reshaped in place, with the
// link data, circuit and crank range editable and recalculated here.
#pragma once
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <array>
#include <cstdint>

#include "platform/Common_Dialog.h"
#include "platform/Picture_Box.h"
#include "platform/Redraw_Timer.h"
#include "platform/Screen.h"
#include "shell/mod_Animate_Screen.h"
#include "shell/mod_Common.h"

class Animation_Run;

// The shared linkage controls and the step labels, options and header come with the role.
class frm_Animate : public Screen, public Animation_Role, public Has_Timer1 {
    Q_OBJECT
public:
    frm_Animate();
    ~frm_Animate() override;

    QLineEdit* txt_Header;
    QGroupBox* fra_Links;
    QLabel* lbl_speed;
    std::array<QRadioButton*, 5> opt_Shift_Drag{};
    QLabel* pnl_cw;
    QLabel* pnl_ccw;
    QLabel* pnl_time;
    QPushButton* cmd_Run;
    QPushButton* cmd_Step;
    QPushButton* cmd_Reset;
    QPushButton* cmd_Recalc;
    QPushButton* cmd_Done;
    QPushButton* cmd_Back;
    QPushButton* cmd_PlotPrint;
    Common_Dialog CommonDialog1;

    QMenuBar* menu_bar;
    QAction* mnu_Help;
    QMenu* mnu_Zoomcontrol;
    QAction* mnu_ZoomIn;
    QAction* mnu_Normal;
    QAction* mnu_ZoomOut;
    QAction* mnu_Redraw;

    // Held by Step_Setup while it moves the step bar.
    bool Step_Busy = false;

    void cmd_Run_Click();
    void cmd_Step_Click();
    void cmd_Reset_Click();
    void cmd_Recalc_Click();
    void cmd_Done_Click();
    void cmd_Back_Click();
    void cmd_PlotPrint_Click();
    void mnu_Help_Click();
    void mnu_Redraw_Click();
    // Zoom_Factor already set: the recalculation that makes it take effect.
    void Zoom_Click();
    // `changed`: the user changed the committed box's number.
    void txt_Linkout_LostFocus(bool changed);
    void txt_Initial_LostFocus(bool changed);
    void opt_OpenCross_Click();
    void txt_Header_LostFocus();
    void chk_autoscale_Click();
    void hsc_step_Change();
    void hsc_step_Scroll();
    void Picture1_MouseMove(int Button, int Shift, float X, float Y);
    // A mouse button let go after a press in the picture: a Shift-drag ends.
    void Picture1_MouseUp();

    // True while Run animates.
    bool Animating() const;

protected:
    void Form_Activate() override;
    void Close_Box() override;

private:
    void Build_Menus();
    void Build_Body();
    void Connect_Handlers();
    // The run shows step `shown` first (1 unless the drag keeps the step it measured from).
    void Recalculate(int16_t shown = 1);
    void Enable();
    void Disable(bool changed);
    // No result stands: the screen offers and draws none, and the home screen says so.
    void Withdraw();
    void Offer_Results(bool offered);
    void Show_Direction_Panels(bool start_end, bool time);
    void Show_Step_Labels(bool shown);

    Animation_Run* run_ = nullptr;
    bool hide_after_run_ = false;
    // The last calculation here raised or was aborted: nothing is drawn from its results.
    bool results_withheld_ = false;
};
