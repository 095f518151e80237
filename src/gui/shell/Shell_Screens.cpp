#include "shell/Shell_Screens.h"

#include "dynamics/frm_FFT.h"
#include "dynamics/frm_Flywheel.h"
#include "dynamics/frm_MassProp.h"
#include "dynamics/frm_Matrix.h"
#include "output/frm_MyPlot3.h"
#include "output/frm_MyPlot4.h"
#include "output/frm_Myplot2.h"
#include "output/frm_Plot1.h"
#include "output/frm_Plot2.h"
#include "output/frm_Plot3.h"
#include "output/frm_PrintData.h"
#include "platform/Screen.h"
#include "selection/frm_PlotSelect1.h"
#include "selection/frm_PlotSelect2.h"
#include "selection/frm_PlotSelect3.h"
#include "selection/frm_PlotSelect4.h"
#include "selection/frm_PlotType.h"
#include "selection/frm_PrintSelect.h"
#include "shell/frm_About.h"
#include "shell/frm_Animate.h"
#include "shell/frm_Disclaimer.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Inputnew.h"
#include "shell/frm_Quit.h"
#include "shell/frm_Title.h"
#include "shell/frm_User.h"

namespace {
template <class S>
void Known_As(const char* name)
{
    Register_Screen(name, []() -> Screen& { return Form<S>(); });
}
}  // namespace

void Register_Shell_Screens()
{
    Known_As<frm_Title>("frm_Title");
    Known_As<frm_About>("frm_About");
    Known_As<frm_User>("frm_User");
    Known_As<frm_Disclaimer>("frm_Disclaimer");
    Known_As<frm_Quit>("frm_Quit");
    Known_As<frm_HomeScreen>("frm_HomeScreen");
    Known_As<frm_Inputnew>("frm_Inputnew");
    Known_As<frm_Animate>("frm_Animate");
    Known_As<frm_MassProp>("frm_MassProp");
    Known_As<frm_Matrix>("frm_Matrix");
    Known_As<frm_Flywheel>("frm_Flywheel");
    Known_As<frm_FFT>("frm_FFT");
    Known_As<frm_MyPlot4>("frm_MyPlot4");
    Known_As<frm_Myplot2>("frm_Myplot2");
    Known_As<frm_MyPlot3>("frm_MyPlot3");
    Known_As<frm_Plot1>("frm_Plot1");
    Known_As<frm_Plot2>("frm_Plot2");
    Known_As<frm_Plot3>("frm_Plot3");
    Known_As<frm_PrintData>("frm_PrintData");
    Known_As<frm_PlotSelect1>("frm_PlotSelect1");
    Known_As<frm_PlotSelect2>("frm_PlotSelect2");
    Known_As<frm_PlotSelect3>("frm_PlotSelect3");
    Known_As<frm_PlotSelect4>("frm_PlotSelect4");
    Known_As<frm_PlotType>("frm_PlotType");
    Known_As<frm_PrintSelect>("frm_PrintSelect");
}
