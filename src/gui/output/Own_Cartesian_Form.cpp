#include "output/Own_Cartesian_Form.h"

#include "platform/Mouse_Pointer.h"
#include "runtime/Ui_Port.h"

Own_Cartesian_Form::Own_Cartesian_Form(const char* name, int16_t charts)
    : Own_Plot_Form(name, Own_Chart::Cartesian, charts), NumGraphs(charts)
{
    Add_Commands();
}

void Own_Cartesian_Form::Draw_On_Activation()
{
    Refresh();
    Replot();
    Set_Mouse_Pointer(Pointer::Default);
}
