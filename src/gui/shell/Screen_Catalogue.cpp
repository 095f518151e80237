#include "shell/Screen_Catalogue.h"

#include "platform/Screen.h"
#include "shell/frm_Help.h"

void Register_Screens()
{
    Register_Screen("frm_Help", [] () -> Screen& { return Form<frm_Help>(); });
}
