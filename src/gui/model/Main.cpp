#include "model/Main.h"

#include <pwd.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>

#include "dynamics/frm_FFT.h"
#include "dynamics/frm_Flywheel.h"
#include "dynamics/frm_MassProp.h"
#include "dynamics/frm_Matrix.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "output/frm_MyPlot4.h"
#include "runtime/Report_Error.h"
#include "shell/Shell_Registration.h"
#include "shell/Start_Texts.h"
#include "shell/frm_Animate.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Inputnew.h"
#include "shell/frm_Title.h"
#include "shell/mod_Common.h"

std::string Platform_Login_Name()
{
    if (const passwd* pw = ::getpwuid(::geteuid())) return pw->pw_name;
    return qEnvironmentVariable("USER").toStdString();
}

std::string Platform_App_Path()
{
    return QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString() + "/";
}

void Set_Screen_Captions()
{
    Set_Form_Captions();
    const std::string& t = store().Title_String;
    Form<frm_Animate>().Set_Caption(t + "Animation Screen");
    Form<frm_FFT>().Set_Caption(t + "Fourier Transform");
    Form<frm_Inputnew>().Set_Caption(t + "Input Screen");
    Form<frm_MassProp>().Set_Caption(t + "Dynamics Screen");
    Form<frm_Matrix>().Set_Caption(t + "Matrix Screen");
    Form<frm_MyPlot4>().Set_Caption(t);
    Form<frm_Flywheel>().Set_Caption(t + "Flywheel Screen");
}

void Main()
{
    bool started = Trap_Errors("Main", [] {
        Set_Program_Identity();
        Model_Store& s = store();
        s.Login_Name = Platform_Login_Name();
        s.App_Path = Platform_App_Path();
        Init_Common();
        Build_Title_String();
        CreateAssociation("Vastrel", "vsr");
        Initialize();
        Set_Screen_Captions();
        s.Unit_System = 1;
        int16_t count = static_cast<int16_t>(s.Num_Units + 1);
        Set_Unit_Labels(s.Unit_System, s.Unit_Label, count);
        Set_Decimals(s.Unit_System);
        Open_Clicked_File();
        Check_mnu_Units(Form<frm_HomeScreen>(), s.Unit_System);
        Set_Colors();
        Update_Status();
        s.Disk_File = false;
    });
    if (!started) return;
    Trap_Errors("Main", [] {
        frm_Title& title = Form<frm_Title>();
        Centerform(title);
        title.Show_Modal();
    });
}
