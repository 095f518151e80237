// The selection routines on a screen with every shared control, and on one with a single slot.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "model/Mod_Main.h"
#include "platform/Combo_Box.h"
#include "platform/Gui_Test_Support.h"
#include "platform/Simple_Combo.h"
#include "selection/Selection_Role.h"

namespace {
// A window carrying the role's controls; slots beyond count stay null.
struct Host : QWidget, Selection_Role {
    explicit Host(int count)
    {
        std::array<QGroupBox**, 4> frames{&fra_Function1, &fra_Function2, &fra_Function3, &fra_Function4};
        std::array<Combo_Box**, 4> vars{&cmb_Var1, &cmb_Var2, &cmb_Var3, &cmb_Var4}, coms{&cmb_Com1, &cmb_Com2, &cmb_Com3, &cmb_Com4};
        std::array<QPushButton**, 4> oks{&cmd_OK1, &cmd_OK2, &cmd_OK3, &cmd_OK4}, clears{&cmd_Clear1, &cmd_Clear2, &cmd_Clear3, &cmd_Clear4};
        for (int k = 0; k < count; ++k) {
            *frames[k] = new QGroupBox(this);
            *vars[k] = new Combo_Box(true, this);
            *coms[k] = new Combo_Box(true, this);
            *oks[k] = new QPushButton(this);
            *clears[k] = new QPushButton(this);
            Load_Lists(*this, *vars[k], *coms[k]);
        }
        cmd_Done = new QPushButton(this);
        if (count < 4) return;
        for (int i = 0; i < 4; ++i) {
            lbl_Function[i] = new QLabel(this);
            lbl_Component[i] = new QLabel(this);
            lbl_Var[i] = new QLabel(this);
            lbl_Comp[i] = new QLabel(this);
        }
        fra_Preset = new QGroupBox(this);
        cmb_Preset = new Simple_Combo(this);
        cmd_ClearPreset = new QPushButton(this);
        fra_Coord = new QGroupBox(this);
        for (int i = 0; i < 2; ++i) {
            opt_PrintSet[i] = new QRadioButton(this);
            opt_Coord[i] = new QRadioButton(fra_Coord);
        }
        lbl_Coord = new QLabel(this);
        Load_Presets(cmb_Preset, 4);
    }
};
}  // namespace

class Test_Selection_Role : public QObject {
    Q_OBJECT
private slots:
    void init() { reset_store(); }

    void a_slot_takes_a_scalar_or_a_vector_and_offers_the_local_frame_only_where_it_may()
    {
        Recording_Port port;
        Host h(4);
        h.opt_PrintSet[1]->setChecked(true);
        h.show();
        h.cmb_Var2->Set_Text("Theta3");
        Variable_Picked(h, h.cmb_Var2, h.cmb_Com2, h.cmd_OK2, 2);
        QVERIFY(!h.cmb_Com2->isEnabled() && h.cmd_OK2->isEnabled());
        QCOMPARE(h.cmb_Com2->Text(), std::string("Mag"));
        QVERIFY(QApplication::focusWidget() == h.cmd_OK2 || !QApplication::focusWidget());
        Select_OK(h, h.cmb_Var2, h.cmb_Com2, h.cmd_OK2, 2);
        QCOMPARE(h.lbl_Function[1]->text(), QString("Theta3"));
        QCOMPARE(h.Accepted.Function[1], std::string("Theta3"));
        QCOMPARE(h.Accepted.Component[1], std::string("Mag"));
        QCOMPARE(store().Comp_Code(2), int16_t(2));
        QVERIFY(h.cmd_Done->isEnabled());

        h.opt_Coord[1]->setChecked(true);
        h.cmb_Var1->Set_Text("Veloc CP");
        Variable_Picked(h, h.cmb_Var1, h.cmb_Com1, h.cmd_OK1, 1);
        QVERIFY(h.fra_Coord->isEnabled() && h.opt_Coord[1]->isEnabled() && h.cmb_Com1->isEnabled());
        QVERIFY(!h.cmd_OK1->isEnabled() && !h.cmd_Done->isEnabled());
        h.cmb_Var1->Set_Text("Coupler Pt");
        Variable_Picked(h, h.cmb_Var1, h.cmb_Com1, h.cmd_OK1, 1);
        QVERIFY(!h.fra_Coord->isEnabled() && !h.opt_Coord[1]->isEnabled() && h.opt_Coord[1]->isChecked());
        // An empty component leaves the slot's component as it was.
        Component_Picked(h, h.cmb_Com1, h.cmd_OK1, 1);
        QCOMPARE(store().Comp_Code(1), int16_t(0));
        store().Comp_Code(1) = 3;
        Component_Picked(h, h.cmb_Com1, h.cmd_OK1, 1);
        QCOMPARE(store().Comp_Code(1), int16_t(3));
        // The Fourier screen's choice moves no focus and takes no component.
        store().FFT_Select = true;
        h.cmb_Com1->Set_Text("Y");
        Component_Picked(h, h.cmb_Com1, h.cmd_OK1, 1);
        QCOMPARE(store().Comp_Code(1), int16_t(3));
        QVERIFY(port.prompts.empty());
    }

    void a_preset_fills_every_slot_and_locks_them_an_empty_one_leaves_next_disabled()
    {
        Recording_Port port;
        store().Dynamics_Done = true;
        Host h(4);
        Load_Presets(h.cmb_Preset, 4);
        h.opt_PrintSet[0]->setChecked(true);
        Set_Setup_Method(h, 4);
        QVERIFY(h.cmb_Preset->isEnabled() && !h.cmb_Var1->isEnabled() && !h.fra_Function4->isEnabled());
        h.cmb_Preset->Set_List_Index(8);  // "Acceleration of Instant Ctr 3-4 ..."
        Apply_Preset(h, 4);
        for (int i = 0; i < 4; ++i) QCOMPARE(h.Accepted.Function[i], std::string("Accel I 3,4"));
        QCOMPARE(h.Accepted.Component[3], std::string("Ang"));
        QCOMPARE(h.lbl_Component[2]->text(), QString("Mag"));
        QCOMPARE(store().Num_Functions, int16_t(4));
        QCOMPARE(store().Num_Columns, int16_t(4));
        QVERIFY(h.cmd_Done->isEnabled() && !h.cmb_Var3->isEnabled() && !h.cmd_OK4->isEnabled());
        QVERIFY(h.fra_Coord->isEnabled());  // the last slot's variable offers the local frame

        h.cmb_Preset->Set_List_Index(22);  // "Torque Magnitudes for all links"
        Apply_Preset(h, 4);
        QCOMPARE(h.Accepted.Function[3], std::string("Torque L4"));
        QCOMPARE(store().Comp_Code(4), int16_t(2));
        QVERIFY(!h.fra_Coord->isEnabled());

        // Switching to Mix and Match empties the boxes; a title of no preset then accepts them empty.
        h.opt_PrintSet[1]->setChecked(true);
        Set_Setup_Method(h, 4);
        QVERIFY(h.Accepted.Function[0].empty() && h.cmb_Var4->Text().empty() && h.cmb_Var1->isEnabled());
        QVERIFY(h.cmb_Preset->Text().empty() && !h.cmb_Preset->isEnabled() && !h.cmd_Done->isEnabled());
        store().Num_Functions = 0;
        h.cmb_Preset->setEnabled(true);
        h.cmb_Preset->Set_Text("No such format");
        Apply_Preset(h, 4);
        QCOMPARE(store().Num_Functions, int16_t(4));
        QVERIFY(h.Accepted.Function[0].empty());
        h.cmb_Preset->Set_Text("");
        Apply_Preset(h, 4);
        QVERIFY(!h.cmd_Done->isEnabled());
        Clear_Preset(h, 4);
        QVERIFY(h.Accepted.Function[2].empty() && !h.cmd_Done->isEnabled() && !h.cmb_Var1->isEnabled());
        QVERIFY(port.prompts.empty());
    }

    void a_screen_with_one_slot_passes_over_the_controls_it_lacks()
    {
        Recording_Port port;
        Host h(1);
        Set_Setup_Method(h, 4);
        Apply_Preset(h, 4);
        Clear_Preset(h, 4);
        Toggle_Coordinate(h, true);
        Put_Coordinate_Labels(h, 1);
        h.cmb_Var1->Set_Text("Omega4");
        Select_OK(h, h.cmb_Var1, h.cmb_Com1, h.cmd_OK1, 1);
        QCOMPARE(h.Accepted.Function[0], std::string("Omega4"));
        QCOMPARE(store().Var_Type(1), int16_t(2));
        QVERIFY(port.prompts.empty());
        // A slot outside 1..4 is reported under the routine's name.
        Variable_Picked(h, h.cmb_Var1, h.cmb_Com1, h.cmd_OK1, 5);
        QCOMPARE(port.prompts.size(), size_t(1));
        QVERIFY(port.prompts[0].find("Variable_Picked") != std::string::npos);
    }
};

QTEST_MAIN(Test_Selection_Role)
#include "test_selection_role.moc"
