#include "shell/mod_Common.h"

#include "model/Mod_Main.h"
#include "platform/Screen_Metrics.h"
#include "platform/Printer.h"
#include "platform/Qt_Text.h"
#include "platform/Screen.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"

namespace {
const std::string CR = "\r";
const std::string CRLF = "\r\n";
constexpr int Missing_Element = 340;

bool Is_Home(const Screen& S) { return S.Name() == "frm_HomeScreen"; }

void Set_Size(Screen& S, float W, float H)
{
    S.Set_Height(H);
    S.Set_Width(W);
}
}  // namespace

void Init_Common() { store().Full_Screen = false; }

void Set_Colors()
{
    Model_Store& s = store();
    s.Color_Green = 0x00FF00;
    s.Color_Blue = 0x0000FF;
    s.Color_White = 0xFFFFFF;
    s.Color_Black = 0x000000;
    s.Color_Cyan = 0x00FFFF;
    s.Color_Magenta = 0xFF00FF;
}

void Maximize_Screen(Screen& S, int32_t H0, int32_t W0)
{
    Trap_Errors("Maximize_Screen", [&] {
        Model_Store& st = store();
        float r = static_cast<float>(static_cast<double>(W0) / H0);
        float screen_w = static_cast<float>(Screen_Metrics::Width_Twips());
        float screen_h = static_cast<float>(Screen_Metrics::Height_Twips());
        float H, W;
        if (Is_Home(S)) {
            H = screen_h - 400;
            W = H * r;
            if (W > screen_w) {
                W = screen_w;
                H = W / r;
            }
            st.Home_Height = CLng(H);
            st.Home_Width = CLng(W);
        } else {
            W = static_cast<float>(st.Home_Width);
            H = st.Home_Width / r;
        }
        Set_Size(S, W, H);
        double left = (screen_w - S.Width()) / 2.0;
        double top = st.Startup_Flag ? (screen_h - S.Height()) / 2.0 : 0.0;
        S.Move(left, top);
    });
}

void Reset_Screen(Screen& S, int32_t H0, int32_t W0)
{
    Trap_Errors("Reset_Screen", [&] {
        if (S.Window_State() != Form_State::Normal) return;
        Model_Store& st = store();
        float r = static_cast<float>(static_cast<double>(W0) / H0);
        float W, H;
        if (Is_Home(S)) {
            if (Screen_Metrics::Height_Twips() - 400 < H0) {
                Maximize_Screen(S, H0, W0);
                return;
            }
            W = static_cast<float>(W0);
            H = static_cast<float>(H0);
            st.Home_Height = H0;
            st.Home_Width = W0;
        } else if (W0 <= st.Home_Width) {
            W = static_cast<float>(W0);
            H = static_cast<float>(H0);
        } else {
            W = static_cast<float>(st.Home_Width);
            H = st.Home_Width / r;
        }
        S.Set_Width(W);
        S.Set_Height(H);
        Centerform(S);
    });
}

void Centerform(Screen& S)
{
    Trap_Errors("Centerform", [&] {
        double left = (Screen_Metrics::Width_Twips() - S.Width()) / 2.0;
        double top = store().Form_Top < 0 ? 0 : store().Form_Top;
        S.Move(left, top);
    });
}

void Start_Timer(Has_Timer1& S, int32_t delay)
{
    store().Redraw_Delay = delay;
    S.Timer1.Tag = QDateTime::currentDateTime();
    S.Timer1.Set_Interval(250);
    S.Timer1.Set_Enabled(true);
}

std::string Titlebox_Text()
{
    const Model_Store& s = store();
    std::string text = s.Designer_Name + CR + " Design No. " + std::to_string(s.Design_Number) + CRLF + s.Model_Date +
                       CR + " at " + s.Model_Time;
    if (!s.File_Path.empty()) text += CR + " File: " + s.Model_Name;
    return text;
}

void Titlebox(Has_Header& S)
{
    Trap_Errors("Titlebox", [&] {
        if (S.lbl_Header) S.lbl_Header->setText(Q_Text(Titlebox_Text()));
    });
}

void Set_Form_Captions()
{
    const std::string& t = store().Title_String;
    struct Caption {
        const char* screen;
        std::string caption;
    };
    const Caption captions[] = {
        {"frm_Title", t},
        {"frm_About", t},
        {"frm_User", t},
        {"frm_Disclaimer", t},
        {"frm_Quit", t},
        {"frm_HomeScreen", t + "Home Screen"},
        {"frm_Help", "Help for " + t + "Help Screen"},
        {"frm_Plot1", t},
        {"frm_Plot2", t},
        {"frm_Plot3", t},
        {"frm_Myplot2", t},
        {"frm_MyPlot3", t},
        {"frm_PlotSelect1", t + "Select Plot Data"},
        {"frm_PlotSelect2", t + "Select Plot Data"},
        {"frm_PlotSelect3", t + "Select Plot Data"},
        {"frm_PlotSelect4", t + "Select Plot Data"},
        {"frm_PlotType", t + "Select Plot Type"},
        {"frm_PrintSelect", t + "Print Select"},
        {"frm_PrintData", t + "Output Screen"},
    };
    for (const Caption& c : captions)
        if (Screen* s = Screen_Named(c.screen)) s->Set_Caption(c.caption);
}

void Confirm_Print(int16_t& answer)
{
    std::string text = "You can print this form directly to a printer from here." + CR + CR +
                       "But a better quality print can be obtained by copying the" + CR +
                       "screen to the clipboard with the key combo Alt-PrintScrn," + CR +
                       "and pasting it into a word processing or graphics program," + CR +
                       "then printing it from that program." + CR + CR + "Do you want to proceed with a direct print?";
    answer = static_cast<int16_t>(MsgBox(text, Msg::Yes_No | Msg::Information));
}

void Confirm_Image_Print(int16_t& answer)
{
    std::string text = "Note: The image on this screen may not print correctly on some printers." + CR + CR +
                       "If this occurs, you can still get a printout of the screen by copying it to the clipboard" +
                       CRLF + "with the key combo Alt-PrintScrn and pasting the image into a word processor," + CRLF +
                       "a drawing program, or a graphics package, then printing it from that program." + CRLF + CRLF +
                       "Do you want to send it to the printer now anyway?";
    answer = static_cast<int16_t>(MsgBox(text, Msg::Yes_No | Msg::Information));
}

std::string StripFilename(const std::string& path)
{
    std::string result;
    Trap_Errors("StripFilename", [&] {
        size_t L = path.size();
        if (L < 4) Raise(Err::Invalid_Argument);  // no character at position L - 3
        if (path[L - 4] != '.') return;
        std::string T = path.substr(0, L - 4);
        // Either separator: model paths on this platform use "/".
        size_t sep = T.find_last_of("\\/");
        result = sep == std::string::npos ? T : T.substr(sep + 1);
    });
    return result;
}

void Check_mnu_Units(Has_Units_Menu& home, int16_t& units)
{
    Trap_Errors("Check_mnu_Units", [&] {
        if (units < 1) units = 1;
        for (int i = 1; i <= 5; ++i)
            if (home.mnu_pick[i]) home.mnu_pick[i]->setChecked(false);
        if (units > 5 || !home.mnu_pick[units]) throw Runtime_Error(Missing_Element, "Control array element doesn't exist");
        home.mnu_pick[units]->setChecked(true);
    });
}

void Print_Screen_Image(Screen& s, Common_Dialog& dialog, Print_Question question, const std::string& error_name)
{
    Trap_Dialog_Errors(error_name, [&] {
        int16_t answer = 0;
        if (question == Print_Question::Direct_Print)
            Confirm_Print(answer);
        else
            Confirm_Image_Print(answer);
        if (answer != Msg::Ans_Yes) return;
        dialog.ShowPrinter();
        Printer().Print_Form(s);
    });
}

void Copy_Advice()
{
    MsgBox("Use the Alt-PrintScrn key combo to copy the screen to the clipboard", Msg::Ok_Only | Msg::Information);
}
