// The input screen: link data, circuit, calculation type and initial conditions of one model,
// its calculation with the Grashof class, the linkage drawing with single steps, and the way on
// to the animation screen.
#pragma once
#include <QAction>
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

#include "model/Linkage_Controls.h"
#include "platform/Common_Dialog.h"
#include "platform/Picture_Box.h"
#include "platform/Redraw_Timer.h"
#include "platform/Screen.h"

class frm_Inputnew : public Screen, public Input_Role, public Has_Timer1 {
    Q_OBJECT
public:
    frm_Inputnew();

    QGroupBox* fra_Links;
    QGroupBox* fra_Initial;
    QGroupBox* fra_Calctype;
    QGroupBox* fra_Circuit;
    QGroupBox* fra_Grashof;
    std::array<QLabel*, 9> lbl_Link{};  // the captions beside the link-data boxes
    std::array<QRadioButton*, 4> opt_Calctype{};  // 1..3
    QLabel* lbl_Grashof;
    QCheckBox* chk_autocalc;
    QLabel* pnl_cw;
    QLabel* pnl_ccw;
    QLabel* pnl_time;
    QPushButton* cmd_Calc;
    QPushButton* cmd_Step;
    QPushButton* cmd_Reset;
    QPushButton* cmd_Cancel;
    QPushButton* cmd_PlotPrint;
    Common_Dialog CommonDialog1;
    QMenuBar* menu_bar;
    QMenu* mnu_Help;
    QAction* mnu_Linkage;
    QAction* mnu_Calculations;
    QMenu* mnu_Zoomcontrol;
    QAction* mnu_ZoomIn;
    QAction* mnu_Normal;
    QAction* mnu_ZoomOut;
    QAction* mnu_Redraw;

    // Screen-level flags
    bool Activating = false;
    bool Autocalc = false;
    bool Step_Busy = false;

    // The command handlers (also run by tests and by the other handlers).
    void Calculate();
    void Calctype_Click();
    void Circuit_Click();
    // `changed`: the user changed the committed box's number.
    void Linkout_Commit(bool changed);
    void Initial_Commit(bool changed);
    void Step_Click();
    void Reset_Click();
    void Animate_Click();
    void Next_Click();
    void Print_Click();
    void Zoom(float (*change)(float));
    void Redraw_Click();
    void Step_Bar_Change(bool scrolling);

    // The model just read from a file, into this screen's boxes and options.
    void Fill_From_Model();

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void Build();
    void Wire();
    void Show_Row(int i, bool visible);
    void Offer_Results(bool offered);
    // The boxes no longer show the model the results belong to.
    void Withdraw();
    bool AngleStepDone(int16_t& answer);
    bool TimeStepDone(int16_t& answer);
    void Finish_Calculation(int16_t& answer);
    void Help(const char* path, const char* error_name);
    void Leave_For_Animation(bool show);
};
