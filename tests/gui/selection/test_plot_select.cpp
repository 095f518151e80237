// The plot-selection screens over the calculated unity example (a crank-angle sweep of 36 steps).
#include <QtTest>

#include "output/frm_MyPlot3.h"
#include "output/frm_MyPlot4.h"
#include "output/frm_Myplot2.h"
#include "output/frm_Plot1.h"
#include "output/frm_Plot2.h"
#include "output/frm_Plot3.h"
#include "selection/Plot_Selection.h"
#include "selection/frm_PlotSelect1.h"
#include "selection/frm_PlotSelect2.h"
#include "selection/frm_PlotSelect3.h"
#include "selection/frm_PlotSelect4.h"
#include "selection/frm_PlotType.h"
#include "shell/Shell_Test_Support.h"
#include "shell/frm_Help.h"
#include "shell/frm_Inputnew.h"
#include <QListWidget>
#include "model/Mod_Plotsubs.h"
#include "support/Scripted_User.h"

namespace {
void Choose(Combo_Box* box, const char* item)
{
    const int index = box->findText(item);
    QVERIFY2(index >= 0, item);
    box->setCurrentIndex(index);
}

// Shown as the plot-type screen's Next shows it, without the modal loop.
template <class S>
S& Open()
{
    S& s = Form<S>();
    s.Show_Modeless();
    QApplication::setActiveWindow(&s);
    return s;
}

void Mix_And_Match(Plot_Select_Screen& s) { s.opt_PrintSet[1]->setChecked(true); }

// Variable and component into slot k, then its OK; a null variable keeps the typed text.
void Accept(Plot_Select_Screen& s, int k, const char* variable, const char* component = nullptr)
{
    if (variable) Choose(s.Var_Box(k), variable);
    if (component) Choose(s.Com_Box(k), component);
    QVERIFY(s.OK_Button(k)->isEnabled());
    s.OK_Button(k)->click();
}

// Runs the action and returns the screen it brought up modally, which is then hidden again.
Screen* Modal_From(const std::function<void()>& action)
{
    Screen* shown = nullptr;
    Later([&shown] {
        shown = Screen::Active();
        if (shown) shown->Hide();
    });
    action();
    return shown;
}

Screen* Next_Opens(Plot_Select_Screen& s)
{
    return Modal_From([&s] { s.cmd_Done->click(); });
}

void Choose_Preset(Simple_Combo* box, const std::string& title)
{
    for (int i = 0; i < box->List_Count(); ++i)
        if (box->List(i) == title) return box->Set_List_Index(i);
    QFAIL(("no preset " + title).c_str());
}

bool Has_Focus(QWidget* w) { return QApplication::focusWidget() == w || (w->focusProxy() && QApplication::focusWidget() == w->focusProxy()); }

void Expect_Accepted(const Plot_Select_Screen& s, std::vector<std::pair<std::string, std::string>> expected)
{
    for (size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(s.Accepted.Function[i], expected[i].first);
        QCOMPARE(s.Accepted.Component[i], expected[i].second);
        QCOMPARE(s.lbl_Function[i]->text().toStdString(), expected[i].first);
    }
}
}  // namespace

class Plot_Select_Test : public QObject {
    Q_OBJECT
    int exits = 0;

private slots:
    void init()
    {
        Fresh_Program(exits);
        Start_To_Home();
        Calculate_First_Example();
        QCOMPARE(store().Calc_Type, int16_t(3));
    }

    // One chart fills its slots from the first on; a gap is named and keeps Next off.
    void single_window_slots_leave_no_gaps()
    {
        Model_Store& s = store();
        auto& p = Open<frm_PlotSelect1>();
        Scripted_User user;
        Mix_And_Match(p);
        QVERIFY(Has_Focus(p.cmb_Var1) && !p.cmd_Done->isEnabled() && !p.cmd_OK1->isEnabled());

        Accept(p, 1, "Theta2");  // a scalar: its component is "Mag", and its box is off
        QVERIFY(!p.cmb_Com1->isEnabled() && p.cmb_Com1->Text() == "Mag");
        Expect_Accepted(p, {{"Theta2", "Mag"}, {"", ""}});
        QVERIFY(p.cmd_Done->isEnabled());
        QVERIFY(s.Num_Functions == 1 && s.Comp_Code(1) == 2);

        p.cmd_Clear1->click();  // the only slot: Next goes off without a word, the box stays off
        QVERIFY(!p.cmd_Done->isEnabled() && user.boxes.empty());
        QVERIFY(!p.cmb_Com1->isEnabled() && !p.cmd_OK1->isEnabled());
        QVERIFY(p.cmb_Var1->Text().empty() && p.cmb_Com1->Text().empty());
        QCOMPARE(s.Num_Functions, int16_t(0));
        Expect_Accepted(p, {{"", ""}});

        Accept(p, 1, "Theta2");
        user.Answer(Msg::Ans_Ok);
        Accept(p, 3, "Coupler Pt", "Y");
        QCOMPARE(user.boxes.size(), size_t(1));
        QCOMPARE(user.boxes[0].prompt, Gap_Message);
        QCOMPARE(user.boxes[0].style, Msg::Exclamation);
        QVERIFY(!p.cmd_Done->isEnabled());

        p.cmd_Clear3->click();  // the gap closes from above
        QVERIFY(p.cmd_Done->isEnabled());
        QCOMPARE(s.Num_Functions, int16_t(1));
        user.Answer(Msg::Ans_Ok);
        Accept(p, 3, "Coupler Pt", "Y");
        QVERIFY(!p.cmd_Done->isEnabled());
        Accept(p, 2, "Veloc CP", "Ang");  // ... or from below; a local-frame variable offers the frame
        QCOMPARE(user.boxes.size(), size_t(2));
        QVERIFY(p.cmd_Done->isEnabled() && s.Num_Functions == 3);
        Expect_Accepted(p, {{"Theta2", "Mag"}, {"Veloc CP", "Ang"}, {"Coupler Pt", "Y"}, {"", ""}});
        QVERIFY(p.fra_Coord->isEnabled() && p.opt_Coord[1]->isEnabled());

        p.opt_Coord[1]->setChecked(true);
        QCOMPARE(Next_Opens(p), static_cast<Screen*>(&Form<frm_Plot1>()));
        QCOMPARE(Form<frm_Plot1>().Charted.Function[1], std::string("Veloc CP"));
        QVERIFY(!p.isVisible());
        QVERIFY(s.Coord_System == 1 && s.Num_Plots == 1 && s.Num_Functions == 3);
        QVERIFY(p.opt_Coord[0]->isChecked() && !p.fra_Coord->isEnabled());

        // a new visit starts afresh
        Open<frm_PlotSelect1>();
        Expect_Accepted(p, {{"", ""}, {"", ""}, {"", ""}, {"", ""}});
        QVERIFY(!p.cmd_Done->isEnabled() && s.Coord_System == 0 && p.Mix_And_Match());
        QVERIFY(!p.cmd_OK2->isEnabled() && p.cmb_Var2->Text().empty());
        QVERIFY(user.All_Used());
    }

    void single_window_presets()
    {
        Model_Store& s = store();
        auto& p = Open<frm_PlotSelect1>();
        Scripted_User user;
        QCOMPARE(p.cmb_Preset->List_Count(), 12);
        QVERIFY(Has_Focus(p.cmb_Preset) && !p.cmb_Var1->isEnabled());

        Choose_Preset(p.cmb_Preset, "Omega magnitudes for all output links");
        Expect_Accepted(p, {{"Omega2", "Mag"}, {"Omega3", "Mag"}, {"Omega4", "Mag"}, {"Omega5", "Mag"}});
        QVERIFY(p.cmd_Done->isEnabled() && Has_Focus(p.cmd_Done));
        QVERIFY(s.Num_Functions == 4 && !p.cmb_Var2->isEnabled() && !p.cmd_OK4->isEnabled());

        // typed text is no preset
        QTest::keyClicks(p.cmb_Preset->Edit(), "Theta");
        QVERIFY(p.cmb_Preset->Text().empty() && Has_Focus(p.cmb_Preset));

        p.cmd_ClearPreset->click();
        Expect_Accepted(p, {{"", ""}, {"", ""}, {"", ""}, {"", ""}});
        QVERIFY(!p.cmd_Done->isEnabled() && p.cmb_Var1->Text().empty());

        // a double click on a title plots at once
        QListWidget* list = p.cmb_Preset->List_View();
        const QRect item = list->visualItemRect(list->item(2));
        Screen* shown = Modal_From([&] {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, item.center());
        });
        QCOMPARE(shown, static_cast<Screen*>(&Form<frm_Plot1>()));
        QCOMPARE(p.Accepted.Function[3], std::string("Alpha5"));
        QVERIFY(!p.isVisible() && s.Num_Functions == 4 && user.All_Used());
    }

    // Two and four charts need every slot; a time run or Fourier data take the graph screen.
    void two_and_four_window_screens()
    {
        Model_Store& s = store();
        auto& two = Open<frm_PlotSelect2>();
        Scripted_User user;
        QVERIFY(two.opt_Plotstyle[0]->isChecked() && two.opt_Plotstyle[0]->isEnabled());
        Mix_And_Match(two);
        Accept(two, 1, "Theta3");
        QVERIFY(!two.cmd_Done->isEnabled() && Has_Focus(two.cmb_Var2));
        Accept(two, 2, "Accel I 3,4", "X");
        QVERIFY(two.cmd_Done->isEnabled() && Has_Focus(two.cmd_Done));
        QCOMPARE(s.Num_Functions, int16_t(2));
        QCOMPARE(Next_Opens(two), static_cast<Screen*>(&Form<frm_Myplot2>()));
        QVERIFY(s.Plot_Style == 1 && s.Num_Plots == 2);
        QCOMPARE(Form<frm_Myplot2>().Chart[1]->pnl_LeftTitle->text(), QString("Accel I 3,4"));

        // presets fill both slots; their Clear empties them again
        Open<frm_PlotSelect2>();
        two.opt_PrintSet[0]->setChecked(true);
        QCOMPARE(two.cmb_Preset->List_Count(), 12);
        Choose_Preset(two.cmb_Preset, "Velocity of Coupler Point  -  X, Y components");
        Expect_Accepted(two, {{"Veloc CP", "X"}, {"Veloc CP", "Y"}});
        QVERIFY(two.cmd_Done->isEnabled() && s.Num_Columns == 2 && s.Num_Functions == 2);
        two.cmd_ClearPreset->click();
        Expect_Accepted(two, {{"", ""}, {"", ""}});
        QVERIFY(!two.cmd_Done->isEnabled() && two.cmb_Preset->Text().empty());

        // Fourier data go to the graph screen even with "Aligned" chosen
        two.Hide();
        s.FFT_Done = true;
        Open<frm_PlotSelect2>();
        QVERIFY(two.opt_Plotstyle[0]->isChecked());
        Choose_Preset(two.cmb_Preset, "Current FFT - Mag, Phase");
        QCOMPARE(Next_Opens(two), static_cast<Screen*>(&Form<frm_Plot2>()));
        QVERIFY(s.Plot_Style == 2 && two.opt_Plotstyle[1]->isChecked());
        // ... but only while a slot of this visit holds them
        Open<frm_PlotSelect2>();
        two.opt_Plotstyle[0]->click();
        QVERIFY(two.opt_Plotstyle[0]->isChecked() && s.Plot_Style == 1);
        Choose_Preset(two.cmb_Preset, "Current FFT - Real, Imag");
        two.opt_Plotstyle[1]->click();
        two.opt_Plotstyle[0]->click();
        QVERIFY(two.opt_Plotstyle[1]->isChecked() && s.Plot_Style == 2);
        two.Hide();

        // a time run offers "Annotated" only; four charts need all four slots
        s.Calc_Type = 2;
        auto& four = Open<frm_PlotSelect3>();
        QVERIFY(!four.opt_Plotstyle[0]->isEnabled() && four.opt_Plotstyle[1]->isChecked() && s.Plot_Style == 2);
        QCOMPARE(four.cmb_Preset->List_Count(), 13);  // with the Fourier title
        four.opt_PrintSet[1]->setChecked(true);
        QVERIFY(!four.cmd_OK2->isEnabled());
        Accept(four, 1, "Theta2");
        Accept(four, 2, "Theta3");
        Accept(four, 3, "Coupler Pt", "X");
        QVERIFY(!four.cmd_Done->isEnabled() && Has_Focus(four.cmb_Var4));
        Accept(four, 4, "Coupler Pt", "Y");
        QVERIFY(four.cmd_Done->isEnabled() && s.Num_Functions == 4);
        four.cmd_Clear2->click();
        QVERIFY(!four.cmd_Done->isEnabled());
        four.opt_PrintSet[0]->setChecked(true);
        Choose_Preset(four.cmb_Preset, "Theta magnitudes for all output links");
        Expect_Accepted(four, {{"Theta2", "Mag"}, {"Theta3", "Mag"}, {"Theta4", "Mag"}, {"Theta5", "Mag"}});
        QVERIFY(four.cmd_Done->isEnabled());
        QCOMPARE(Next_Opens(four), static_cast<Screen*>(&Form<frm_Plot3>()));
        QVERIFY(Form<frm_Plot3>().grf_Plot[3]->GraphTitle().starts_with("Theta5"));
        QVERIFY(s.Num_Plots == 4 && s.Num_Functions == 4 && user.All_Used());
    }

    void back_and_help()
    {
        auto& two = Open<frm_PlotSelect2>();
        Mix_And_Match(two);
        Accept(two, 1, "Accel CP", "X");
        QVERIFY(two.fra_Coord->isEnabled());
        QCOMPARE(Modal_From([&] { two.cmd_CancelPlotData->click(); }), static_cast<Screen*>(&Form<frm_PlotType>()));
        QVERIFY(!two.isVisible() && !two.fra_Coord->isEnabled());

        auto& four = Open<frm_PlotSelect3>();
        four.mnu_Help->trigger();
        QVERIFY(QString::fromStdString(Form<frm_Help>().WebBrowser1->Location()).endsWith("linkages/linkage_plot_help.pdf"));
        QVERIFY(four.isVisible() && Form<frm_Help>().isVisible());
        Form<frm_Help>().Hide();

        // the same over a screen that a plot screen's Back brought up again
        four.Hide();
        Scripted_User user;
        two.opt_PrintSet[0]->setChecked(true);
        Open<frm_PlotSelect2>();
        Choose_Preset(two.cmb_Preset, "Velocity of Coupler Point  -  X, Y components");
        Later([&two] {
            Later([&two] { two.mnu_Help->trigger(); });
            Form<frm_Myplot2>().cmd_Back->click();
        });
        two.cmd_Done->click();
        QVERIFY(two.isVisible() && Form<frm_Help>().isVisible() && !Form<frm_Myplot2>().isVisible());
        Form<frm_Help>().Hide();
    }

    // Only a name its list offers classifies a slot; a slot left holding Fourier data is charted by
    // harmonic, never fetched past the transform's table.
    void typed_names_outside_the_lists()
    {
        Model_Store& s = store();
        s.FFT_Done = true;
        s.FFT_Harmonics = 18;
        s.Num_Steps = 600;  // past the transform's table
        auto& p = Open<frm_PlotSelect1>();
        Scripted_User user;
        Mix_And_Match(p);
        QTest::keyClicks(p.cmb_Var1->lineEdit(), "Current FFT");
        Accept(p, 1, nullptr, "X");
        QVERIFY(!s.FFT_Variable && s.Var_Type(1) != Qty::Fourier);

        p.Hide();
        p.opt_PrintSet[0]->setChecked(true);
        Open<frm_PlotSelect1>();
        Choose_Preset(p.cmb_Preset, "Current FFT - Real, Imag, Mag, Phase");
        QCOMPARE(Next_Opens(p), static_cast<Screen*>(&Form<frm_Plot1>()));
        QVERIFY(user.boxes.empty());

        // "foo" leaves the slot's Fourier classification in place
        Mix_And_Match(p);
        Open<frm_PlotSelect1>();
        QTest::keyClicks(p.cmb_Var1->lineEdit(), "foo");
        Accept(p, 1, nullptr, "X");
        QCOMPARE(s.Var_Type(1), Qty::Fourier);
        QCOMPARE(Next_Opens(p), static_cast<Screen*>(&Form<frm_Plot1>()));
        QCOMPARE(Form<frm_Plot1>().grf_Plot[0]->NumPoints(), int16_t(s.FFT_Harmonics + 1));
        QVERIFY(user.boxes.empty());
    }

    // The polar selection takes one vector variable, at once.
    void polar_screen()
    {
        Model_Store& s = store();
        s.Dynamics_Done = s.Flywheel_Done = s.FFT_Done = true;
        auto& polar = Open<frm_PlotSelect4>();
        Scripted_User user;
        QCOMPARE(polar.cmb_Var1->List_Count(), 27);
        QVERIFY(Has_Focus(polar.cmb_Var1) && !polar.cmd_Done->isEnabled() && !polar.fra_Coord->isEnabled());
        for (int i = 0; i < polar.cmb_Var1->List_Count(); ++i) {
            const std::string name = polar.cmb_Var1->List(i);
            QVERIFY(name != "Flywl Torque" && name != "Current FFT");
            Set_Variable(name, 1);
            QVERIFY2(!s.Scalar_Variable, name.c_str());
        }

        Choose(polar.cmb_Var1, "Accel CP");
        QVERIFY(polar.cmd_Done->isEnabled() && polar.fra_Coord->isEnabled());
        QCOMPARE(polar.Accepted.Function[0], std::string("Accel CP"));
        polar.opt_Coord[1]->setChecked(true);
        QCOMPARE(Next_Opens(polar), static_cast<Screen*>(&Form<frm_MyPlot4>()));
        QVERIFY(Form<frm_MyPlot4>().lbl_Header2->text().contains("Accel CP"));
        QVERIFY(s.Coord_System == 2 && s.Num_Functions == 1 && s.Num_Plots == 1);
        QVERIFY(polar.opt_Coord[0]->isChecked() && !polar.isVisible());

        Open<frm_PlotSelect4>();
        QVERIFY(polar.Accepted.Function[0].empty() && !polar.cmd_Done->isEnabled());
        Choose(polar.cmb_Var1, "Veloc CP");
        polar.opt_Coord[1]->setChecked(true);
        Choose(polar.cmb_Var1, "Coupler Pt");  // no local frame: back to "Global"
        QVERIFY(!polar.fra_Coord->isEnabled() && polar.opt_Coord[0]->isChecked());
        QCOMPARE(polar.lbl_Function[0]->text(), QString("Coupler Pt"));
        polar.cmd_Clear1->click();
        QVERIFY(polar.Accepted.Function[0].empty() && !polar.cmd_Done->isEnabled() && polar.cmb_Var1->Text().empty());
        QVERIFY(user.boxes.empty());
    }

    void cleanup()
    {
        for (Screen* s : std::initializer_list<Screen*>{&Form<frm_PlotSelect1>(), &Form<frm_PlotSelect2>(), &Form<frm_PlotSelect3>(),
                                                       &Form<frm_PlotSelect4>()})
            if (s->isVisible()) s->Hide();
    }
};

QTEST_MAIN(Plot_Select_Test)
#include "test_plot_select.moc"
