// Every help command of every screen opens the help window on its document, and the document
// shipped with the program loads there with at least one page.
#include <QtTest>
#include <functional>

#include "dynamics/frm_FFT.h"
#include "dynamics/frm_Flywheel.h"
#include "dynamics/frm_MassProp.h"
#include "selection/frm_PlotSelect1.h"
#include "selection/frm_PlotSelect2.h"
#include "selection/frm_PlotSelect3.h"
#include "selection/frm_PlotSelect4.h"
#include "selection/frm_PlotType.h"
#include "selection/frm_PrintSelect.h"
#include "shell/Shell_Test_Support.h"
#include "shell/frm_Animate.h"
#include "shell/frm_Help.h"
#include "shell/frm_Inputnew.h"
#include "support/Scripted_User.h"

namespace {
frm_HomeScreen& home() { return Form<frm_HomeScreen>(); }

struct Help_Command {
    const char* screen;
    std::function<QAction*()> command;
    const char* document;  // the path the help command names
};

// One row per help command; a screen that gains a help command adds its row here.
const std::vector<Help_Command>& Help_Commands()
{
    static const std::vector<Help_Command> rows = {
        {"frm_HomeScreen", [] { return home().mnu_Manual; }, "helpfiles/Program_Manual.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_CopyHelp; }, "helpfiles/general/CopyHelp.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_UnitsHelp; }, "helpfiles/general/UnitsHelp.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_PrintHelp; }, "helpfiles/general/PrintHelp.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_FileHelp; }, "helpfiles/general/Filemenu_help.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_LinkCalc; }, "helpfiles/linkages/linkage_calc_help.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_ExampleHelp; }, "helpfiles/linkages/linkage_examples_help.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_FFTHelp; }, "helpfiles/linkages/linkage_fft_help.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_FlywheelHelp; }, "helpfiles/linkages/linkage_flywheel_help.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_PlotHelp; }, "helpfiles/linkages/linkage_plot_help.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_Linkdata; }, "helpfiles/vastrel/vsr_input_help.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_AnimateHelp; }, "helpfiles/vastrel/vsr_animate_help.pdf"},
        {"frm_HomeScreen", [] { return home().mnu_DynamicsHelp; }, "helpfiles/vastrel/vsr_dynamics_help.pdf"},
        {"frm_Inputnew", [] { return Form<frm_Inputnew>().mnu_Linkage; }, "helpfiles/vastrel/vsr_input_help.pdf"},
        {"frm_Inputnew", [] { return Form<frm_Inputnew>().mnu_Calculations; }, "helpfiles/linkages/linkage_calc_help.pdf"},
        {"frm_Animate", [] { return Form<frm_Animate>().mnu_Help; }, "helpfiles/vastrel/vsr_animate_help.pdf"},
        {"frm_MassProp", [] { return Form<frm_MassProp>().mnu_Help; }, "helpfiles/vastrel/vsr_dynamics_help.pdf"},
        {"frm_Flywheel", [] { return Form<frm_Flywheel>().mnu_Help; }, "helpfiles/linkages/linkage_flywheel_help.pdf"},
        {"frm_FFT", [] { return Form<frm_FFT>().mnu_Help; }, "helpfiles/linkages/linkage_fft_help.pdf"},
        {"frm_PrintSelect", [] { return Form<frm_PrintSelect>().mnu_Help; }, "helpfiles/general/PrintHelp.pdf"},
        {"frm_PlotType", [] { return Form<frm_PlotType>().mnu_Help; }, "helpfiles/linkages/linkage_plot_help.pdf"},
        {"frm_PlotSelect1", [] { return Form<frm_PlotSelect1>().mnu_Help; }, "helpfiles/linkages/linkage_plot_help.pdf"},
        {"frm_PlotSelect2", [] { return Form<frm_PlotSelect2>().mnu_Help; }, "helpfiles/linkages/linkage_plot_help.pdf"},
        {"frm_PlotSelect3", [] { return Form<frm_PlotSelect3>().mnu_Help; }, "helpfiles/linkages/linkage_plot_help.pdf"},
        {"frm_PlotSelect4", [] { return Form<frm_PlotSelect4>().mnu_Help; }, "helpfiles/linkages/linkage_plot_help.pdf"},
    };
    return rows;
}
}  // namespace

class Help_Commands_Test : public QObject {
    Q_OBJECT
    int exits = 0;

private slots:
    void initTestCase()
    {
        // The documents as the build renders them, beside the program.
        qputenv("VASTREL_HELP_BASE", VASTREL_BUILD_DIR);
        Fresh_Program(exits);
        Start_To_Home();
        // A calculated and solved example, so that every screen can be shown.
        Calculate_First_Example();
        Form<frm_MassProp>().Show_Modeless();
        Form<frm_MassProp>().cmd_Solve->click();
        Form<frm_MassProp>().Hide();
        QVERIFY(store().Calc_Done && store().Dynamics_Done);
    }

    void every_help_command_shows_its_document()
    {
        Scripted_User user;  // no help command may raise a box
        for (const Help_Command& row : Help_Commands()) {
            const QString what = QString("%1: %2").arg(row.screen, row.document);
            if (Loaded<frm_Help>()) Form<frm_Help>().Hide();
            row.command()->trigger();

            frm_Help& help = Form<frm_Help>();
            QVERIFY2(help.isVisible(), qPrintable(what));
            QCOMPARE(QString::fromStdString(help.WebBrowser1->Location()),
                     QString::fromStdString(Help_Address(row.document)));
            QVERIFY2(help.WebBrowser1->Document_Ready(), qPrintable(what + " " + QString::fromStdString(help.WebBrowser1->Message())));
            QVERIFY2(help.WebBrowser1->Page_Count() >= 1, qPrintable(what));
            // The screen that asked stays up beside the help window.
            Screen* asker = Screen_Named(row.screen);
            QVERIFY2(asker && asker->isVisible(), qPrintable(what));
            if (asker != &home()) asker->Hide();
        }
        QVERIFY(user.boxes.empty());
    }
};

QTEST_MAIN(Help_Commands_Test)
#include "test_help_commands.moc"
