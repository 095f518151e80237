#include "shell/Shell_Ui_Port.h"

#include "model/Mod_Main.h"
#include "dynamics/frm_MassProp.h"
#include "platform/Message_Box.h"
#include "platform/Screen.h"
#include "shell/frm_HomeScreen.h"
#include "shell/frm_Inputnew.h"
#include "shell/mod_Common.h"

int Shell_Ui_Port::Msg_Box(const std::string& prompt, int style) { return qt_port().Msg_Box(prompt, style); }

void Shell_Ui_Port::Set_Mouse_Pointer(int pointer) { qt_port().Set_Mouse_Pointer(pointer); }

void Shell_Ui_Port::Show_Home_Screen() { Form<frm_HomeScreen>().Show_Modeless(); }

void Shell_Ui_Port::Model_Was_Read()
{
    Form<frm_Inputnew>().Fill_From_Model();
    Form<frm_MassProp>().Fill_From_Model();
    Check_mnu_Units(Form<frm_HomeScreen>(), store().Unit_System);
    Update_Status();
    Set_Home_Buttons();
}

void Shell_Ui_Port::Set_Grashof_Caption(const std::string& caption)
{
    Form<frm_Inputnew>().lbl_Grashof->setText(QString::fromStdString(caption));
}

void Shell_Ui_Port::Show_Input_Screen()
{
    frm_Inputnew& input = Form<frm_Inputnew>();
    Centerform(input);
    input.Show_Modal();
}

void Install_Shell_Port()
{
    static Shell_Ui_Port port;
    Install_Qt_Port();
    Install_Ui_Port(&port);
}
