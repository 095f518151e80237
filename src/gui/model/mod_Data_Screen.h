// The input transfer on a linkage screen: its boxes read into the model with their checks, and
// the model written back into its boxes and captions.
#pragma once
#include "model/Linkage_Controls.h"
#include "model/mod_Data.h"

void Get_Linkage_Geometry(Linkage_Controls& Form);
void Get_Initial_Conditions(Linkage_Controls& Form);
void Put_Linkage_Geometry(Linkage_Controls& Form);
void Put_Angle_Initial_Conditions(Linkage_Controls& Form);
void Put_Time_Initial_Conditions(Linkage_Controls& Form);
