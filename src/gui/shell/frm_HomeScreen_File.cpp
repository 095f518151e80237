// The home screen's model-file commands: New, Open, Save, Save As, the quit path and the model
// named on the command line.
#include "model/mod_Data.h"
#include "model/mod_Printsubs.h"
#include "platform/Picture_Box.h"
#include "runtime/Report_Error.h"
#include "runtime/Ui_Port.h"
#include "shell/Home_Rules.h"
#include "shell/Model_File_Io.h"
#include "shell/Shell_Registration.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Inputnew.h"
#include "shell/frm_Quit.h"

namespace {
std::string command_line;

void Ask_To_Save_First(frm_HomeScreen& home)
{
    if (!Unsaved_Results()) return;
    int answer = MsgBox("The current data has not been saved.  Do you want to save it before resetting?", Msg::Yes_No);
    if (answer == Msg::Ans_Yes) home.mnu_Saveas_Click();
}

// Reads a whole model file into the store; false when the reader refused it or failed.
bool Read_Model(const std::string& path)
{
    File_Input file(path);
    return Readfile(file.Stream());
}

// Writes the model to path without ever losing the file already there; false when the writer
// reported a failure (nothing was then replaced). The written file replaces the old one before
// the writer says that it was written.
bool Write_Model(const std::string& path)
{
    Safe_File_Output out(path);
    return Writefile(out.Stream(), [&out] { out.Commit(); });
}
}  // namespace

void Set_Command_Line(const std::string& text) { command_line = text; }

void frm_HomeScreen::mnu_New_Click()
{
    Trap_Dialog_Errors("frm_Homescreen.New", [this] {
        Ask_To_Save_First(*this);
        int answer = MsgBox("Please confirm your order to reset all variables to their default values", Msg::Ok_Cancel);
        if (answer != Msg::Ans_Ok) return;
        Reset_Model();
        Start_Up_Initial_Conditions();
        Form<frm_Inputnew>().Fill_From_Model();
        Activate_Home();
    });
}

void frm_HomeScreen::mnu_Open_Click()
{
    Trap_Dialog_Errors("frm_Homescreen.Open", [this] {
        Ask_To_Save_First(*this);
        CommonDialog1.DialogTitle = "Open a model";
        CommonDialog1.Filter = "Vastrel (*.vsr)|*.vsr|All (*.*)|*.*|";
        CommonDialog1.FilterIndex = 1;
        CommonDialog1.FileName = "*.vsr";
        CommonDialog1.ShowOpen();
        // Only a chosen file replaces the model: a cancelled dialog leaves the user's work as it
        // was, while a file the reader refuses still leaves the defaults.
        Reset_Model();
        Start_Up_Initial_Conditions();
        Form<frm_Inputnew>().Fill_From_Model();
        Model_Store& s = store();
        s.File_Path = CommonDialog1.FileName;
        ui().Set_Mouse_Pointer(Pointer::Hourglass);
        bool taken = false;
        try {
            taken = Read_Model(s.File_Path);
        } catch (...) {
            s.File_Path.clear();  // the defaults stay in force, and no file is theirs
            throw;
        }
        // A refused file leaves the defaults, which must not claim that file's name.
        if (taken) s.Model_Name = StripFilename(s.File_Path);
        else s.File_Path.clear();
        ui().Set_Mouse_Pointer(Pointer::Default);
        mnu_New->setEnabled(true);
        Form<frm_Inputnew>().Picture1->Cls();
        s.Model_Saved = false;
        Update_Status();
    });
}

void frm_HomeScreen::mnu_Save_Click()
{
    Model_Store& s = store();
    if (!s.Model_Saved) {
        mnu_Saveas_Click();
        return;
    }
    Trap_Dialog_Errors("frm_Homescreen.Save", [&] {
        ui().Set_Mouse_Pointer(Pointer::Hourglass);
        Write_Model(s.File_Path);
        ui().Set_Mouse_Pointer(Pointer::Default);
        Update_Status();
    });
}

void frm_HomeScreen::mnu_Saveas_Click()
{
    Model_Store& s = store();
    const std::string previous_path = s.File_Path;
    Trap_Dialog_Errors("frm_Homescreen.SaveAs", [&] {
        CommonDialog1.CancelError = true;
        CommonDialog1.DialogTitle = "Save the Model";
        CommonDialog1.Filter = "(*.vsr)|*.vsr";
        CommonDialog1.FilterIndex = 1;
        CommonDialog1.FileName = s.Model_Name + ".vsr";
        CommonDialog1.Flags = Cdl::Overwrite_Prompt;
        CommonDialog1.DefaultExt = "vsr";
        CommonDialog1.ShowSave();
        s.File_Path = CommonDialog1.FileName;
        ui().Set_Mouse_Pointer(Pointer::Hourglass);
        bool written = false;
        try {
            written = Write_Model(s.File_Path);
        } catch (...) {
            s.File_Path = previous_path;
            throw;
        }
        if (!written) {
            // The model is in no file at the new path: keep the one it had.
            s.File_Path = previous_path;
            ui().Set_Mouse_Pointer(Pointer::Default);
            return;
        }
        s.Model_Saved = true;
        s.Model_Name = StripFilename(s.File_Path);
        ui().Set_Mouse_Pointer(Pointer::Default);
        Update_Status();
    });
}

void frm_HomeScreen::Quit_Path()
{
    if (Unsaved_Results()) mnu_Saveas_Click();
    frm_Quit& quit = Form<frm_Quit>();
    Centerform(quit);
    quit.Show_Modal();
}

void Open_Clicked_File()
{
    Model_Store& s = store();
    Trap_Errors("Open_Clicked_File", [&] {
        if (command_line.empty()) return;
        std::string long_path = GetLongPathFromShortPath(command_line);
        s.File_Path = long_path.empty() ? command_line : long_path;
        bool taken = false;
        try {
            taken = Read_Model(s.File_Path);
        } catch (...) {
            s.File_Path.clear();
            throw;
        }
        if (taken) s.Model_Name = StripFilename(s.File_Path);
        else s.File_Path.clear();
        ui().Set_Mouse_Pointer(Pointer::Default);
    });
}
