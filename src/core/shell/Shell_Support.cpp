#include "shell/Shell_Support.h"

#include <cmath>
#include <limits>

#include "runtime/Number_Text.h"

std::string Command_Line_Text(const std::vector<std::string>& args)
{
    std::string text;
    for (size_t i = 1; i < args.size(); ++i) {
        if (i > 1) text += ' ';
        text += args[i];
    }
    return text;
}

int16_t Design_Number_From_Text(const std::string& text)
{
    double v = Val(text);
    // Out-of-range numbers are held at the 16-bit limits rather than failing the screen.
    if (!(v > std::numeric_limits<int16_t>::min())) return std::numeric_limits<int16_t>::min();
    if (!(v < std::numeric_limits<int16_t>::max())) return std::numeric_limits<int16_t>::max();
    return CInt(v);
}

Small_Display_Placement Place_On_Small_Display(int32_t display_width, int32_t display_height)
{
    Small_Display_Placement p;
    if (display_height - 400 >= 8950) return p;
    p.fits = false;
    p.height = display_height - 400;
    p.width = static_cast<int32_t>(std::lround(static_cast<double>(p.height) * 11850.0 / 8950.0));
    p.left = (display_width - p.width) / 2;
    p.top = 0;
    return p;
}

const std::vector<Help_Document>& Home_Help_Documents()
{
    static const std::vector<Help_Document> docs = {
        {"mnu_Manual", "helpfiles/Program_Manual.pdf", "frm_Homescreen.mnu_Manual_Click"},
        {"mnu_CopyHelp", "helpfiles/general/CopyHelp.pdf", "frm_Homescreen.mnu_Copyhelp_Click"},
        {"mnu_UnitsHelp", "helpfiles/general/UnitsHelp.pdf", "frm_Homescreen.mnu_UnitsHelp_Click"},
        {"mnu_PrintHelp", "helpfiles/general/PrintHelp.pdf", "frm_Homescreen.mnu_PrintHelp_Click"},
        {"mnu_FileHelp", "helpfiles/general/Filemenu_help.pdf", "frm_Homescreen.mnu_FileGeneral_Click"},
        {"mnu_LinkCalc", "helpfiles/linkages/linkage_calc_help.pdf", "frm_Homescreen.mnu_Linkdata_Click"},
        {"mnu_ExampleHelp", "helpfiles/linkages/linkage_examples_help.pdf", "frm_Homescreen.mnu_ExampleHelp_Click"},
        {"mnu_FFTHelp", "helpfiles/linkages/linkage_fft_help.pdf", "frm_Homescreen.mnu_FFThelp_Click"},
        {"mnu_FlywheelHelp", "helpfiles/linkages/linkage_flywheel_help.pdf",
         "frm_Homescreen.mnu_FlywheelHelp_Click"},
        {"mnu_PlotHelp", "helpfiles/linkages/linkage_plot_help.pdf", "frm_Homescreen.mnu_Plothelp_Click"},
        {"mnu_Linkdata", "helpfiles/vastrel/vsr_input_help.pdf", "frm_Homescreen.mnu_Linkdata_Click"},
        {"mnu_AnimateHelp", "helpfiles/vastrel/vsr_animate_help.pdf", "frm_homescreen.mnu_AnimateHelp_Click"},
        {"mnu_DynamicsHelp", "helpfiles/vastrel/vsr_dynamics_help.pdf", "frm_homescreen.mnu_DynamicsHelp_Click"},
    };
    return docs;
}
