// The input screen's Calculate with its drawing, for a crank sweep of 1024 steps.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "platform/Message_Box.h"
#include "shell/Shell_Ui_Port.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Inputnew.h"
#include "shell/mod_Common.h"

namespace {
struct Silent_Boxes : Message_Presenter {
    int Show(const std::string&, int style) override { return Default_Answer(style); }
};

frm_Inputnew& Sweep_Screen()
{
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench";
        static char* argv[] = {name, nullptr};
        // Another benchmark may have made the application already.
        return qApp ? qApp : new QApplication(argc, argv);
    }();
    (void)app;
    static Silent_Boxes silent;
    Install_Message_Presenter(&silent);
    Install_Shell_Port();
    reset_store();
    Initialize();
    Model_Store& s = store();
    s.Unit_System = 1;
    int16_t n = 18;
    Set_Unit_Labels(1, s.Unit_Label, n);
    Set_Decimals(s.Unit_System);
    Set_Colors();
    Form<frm_HomeScreen>();
    frm_Inputnew& f = Form<frm_Inputnew>();
    f.Show_Modeless();
    f.txt_Initial[0]->setText("0");
    f.txt_Initial[1]->setText("360");
    f.txt_Initial[2]->setText("0.3515625");  // 1024 steps
    return f;
}
}  // namespace

static void BM_Input_Calculate_1024_Steps(benchmark::State& state)
{
    frm_Inputnew& f = Sweep_Screen();
    for (auto _ : state) {
        f.cmd_Calc->click();
        benchmark::DoNotOptimize(store().Num_Steps);
    }
    if (store().Num_Steps != 1024 || !store().Calc_Done) state.SkipWithError("the sweep was not calculated");
}
BENCHMARK(BM_Input_Calculate_1024_Steps)->Unit(benchmark::kMillisecond);
