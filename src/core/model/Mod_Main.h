// The program-wide model and result store: one model, its results and the shared state flags.
#pragma once
#include <cstdint>
#include <string>

#include "runtime/Fixed_Array.h"

constexpr int Max_Steps = 1024;  // last step index; 1025 points

using Step_Float = Array1<float, 0, Max_Steps>;
using Link_Float = Array1<float, 0, 5>;

struct Model_Store {
    // Program identity
    std::string Program_Name, Program_Code, Program_Version, Program_Revision, Build_Date, Title_String;
    bool Startup_Flag = false;

    // Model header and file
    std::string Model_Name, Designer_Name;
    int16_t Design_Number = 0;
    std::string Model_Date, Model_Time, Model_Title, File_Path, Grashof_Code;

    // Geometry
    float Link1_Length = 0, Link2_Length = 0, Link3_Length = 0, Link4_Length = 0, Link5_Length = 0;
    float Coupler_Dist = 0, Coupler_Angle = 0, Coupler_Angle_Deg = 0;
    std::string Coupler_Angle_Text;
    float Gear_Ratio = 0, Phase_Angle = 0, Phase_Angle_Deg = 0;
    int16_t Circuit = 0, Circuit_Sign = 0;
    std::string Circuit_Name;
    Link_Float Link_Lengths;

    // Motion input
    int16_t Calc_Type = 0;
    std::string Min_Theta_Text, Max_Theta_Text, Delta_Theta_Text;
    float Min_Theta = 0, Max_Theta = 0, Delta_Theta = 0;
    float Min_Theta_Rad = 0, Max_Theta_Rad = 0, Delta_Theta_Rad = 0;
    int16_t Num_Steps = 0;
    float Start_Time = 0, End_Time = 0, Delta_Time = 0;
    float Theta_Zero = 0, Omega_Zero = 0, Alpha_Zero = 0, Step_Time = 0;

    // Current step, written by the per-step solution
    float Step_Theta2 = 0, Step_Theta3 = 0, Step_Theta4 = 0, Step_Theta5 = 0;
    float Step_Omega2 = 0, Step_Omega3 = 0, Step_Omega4 = 0, Step_Omega5 = 0;
    float Step_Alpha2 = 0, Step_Alpha3 = 0, Step_Alpha4 = 0, Step_Alpha5 = 0;
    float Theta3_Deg = 0, Theta4_Deg = 0;
    float Pos_Ax = 0, Pos_Ay = 0, Pos_Bx = 0, Pos_By = 0, Pos_Cx = 0, Pos_Cy = 0, Pos_Px = 0, Pos_Py = 0;
    double Trig_Sin2 = 0, Trig_Cos2 = 0, Trig_Sin3 = 0, Trig_Cos3 = 0, Trig_Sin4 = 0, Trig_Cos4 = 0;
    double Trig_Sin5 = 0, Trig_Cos5 = 0, Trig_Sin3d = 0, Trig_Cos3d = 0;

    // Options kept in the model file
    int16_t Unit_System = 0, Num_Units = 0;
    std::string Angle_Mode;
    int16_t Print_Step = 0;
    int32_t Anim_Speed = 0;
    int16_t Anim_Cycles = 0;
    float Zoom_Factor = 0;
    std::string Trace_Option, Step_Flag, Hide_Links, Reserved_Flag_1, Show_Coupler_Path, Reserved_Flag_2;

    // Dynamics input
    Link_Float Link_Mass, Link_Inertia;
    Array2<float, 0, 5, 0, 1> Link_CG;
    Link_Float Ext_Force_Mag, Ext_Force_Angle, Ext_Torque;
    float Ext_Force3_X = 0, Ext_Force3_Y = 0, Ext_Force4_X = 0, Ext_Force4_Y = 0;
    float Force_Point3_Dist = 0, Force_Point3_Angle = 0, Force_Point4_Dist = 0, Force_Point4_Angle = 0;
    float Friction_3 = 0, Friction_4 = 0;
    float Coef_Fluctuation = 0, Pressure_Angle = 0;

    // Units: labels by quantity type, display decimals, conversion factors
    Array1<std::string, 0, 20> Unit_Label;
    int16_t Dec_Length = 0, Dec_Length_Show = 0, Dec_Force = 0, Dec_Torque = 0, Dec_Mass = 0, Dec_Inertia = 0;
    float Fac_Length = 0, Fac_Force = 0, Fac_Torque = 0, Fac_Mass = 0, Fac_Inertia = 0;

    // Results; the step index 0..1024 comes first
    Array2<float, 0, Max_Steps, 0, 4> Theta_Data;
    Array2<float, 0, Max_Steps, 0, 3> Omega_Data, Alpha_Data;
    Array3<float, 0, Max_Steps, 0, 4, 0, 1> Position_Data;
    Array3<float, 0, Max_Steps, 0, 7, 0, 1> Veloc_Data;
    Array3<float, 0, Max_Steps, 0, 8, 0, 1> Accel_Data;
    Array1<int16_t, 0, Max_Steps> Step_Valid;
    Array3<float, 0, Max_Steps, 0, 9, 0, 1> Force_Data;
    Array2<float, 0, Max_Steps, 0, 4> Torque_Data;
    Step_Float Flywheel_Torque;
    Array2<float, 0, 512, 0, 3> Current_FFT;

    // State flags
    bool Calc_Done = false, Dynamics_Done = false, Flywheel_Done = false, FFT_Done = false;
    bool Model_Saved = false, Disk_File = false, Data_Changed = false, Cannot_Connect = false;

    // Shared screen state
    int16_t Step_Number = 0;
    bool Full_Screen = false;
    bool Reset_Selections = false;
    float Y_Flip = 0;
    std::string Login_Name, App_Path;
    int32_t Home_Height = 0, Home_Width = 0, Form_Top = 0, Redraw_Delay = 0;

    // Colour table (RGB as 0xRRGGBB)
    int32_t Color_Green = 0, Color_Blue = 0, Color_White = 0, Color_Black = 0, Color_Cyan = 0, Color_Magenta = 0;

    // Selection record: classification of the output slots, their frame, the variable classified last
    Array1<int16_t, 0, 22> Var_Type;
    Array1<int16_t, 0, 4> Var_Row, Comp_Code;
    int16_t Coord_System = 0;
    bool Scalar_Variable = false, Local_Allowed = false, FFT_Variable = false;
    float Zero_Tol = 0;

    // Force solution: the system of step 0 as assembled, before it is solved (shown by the matrix screen)
    Array2<double, 1, 12, 1, 12> Matrix_A0;
    Array1<double, 1, 12> Matrix_B0;

    // Fourier transform
    Array2<double, 0, Max_Steps, 0, 3> DFT_Data;
    float DFT_Zero = 0;
    int16_t Num_Harmonics_Out = 0, FFT_Harmonics = 0;
    std::string FFT_Unit;
    bool FFT_Select = false;

    // Whole-store comparison, for telling whether an operation left the model untouched
    bool operator==(const Model_Store&) const = default;

    // Linkage drawing
    float Window_Min = 0, Window_Max = 0;
    float Size_Tiny = 0, Size_Joint = 0, Size_Point = 0, Size_Pivot = 0, Size_Pivot2 = 0;
    int32_t Draw_Colour = 0, Link_Colour = 0, Link_Colour2 = 0, Back_Colour = 0, Colour_Diff = 0, Last_Colour = 0;
    int32_t Anim_Blue = 0, Anim_Green = 0, Anim_Black = 0;
    float Pen_X = 0, Pen_Y = 0;
    int16_t First_Step = 0, Last_Step = 0, Step_Increment = 0;

    // Selection record: the number of functions accepted for output
    int16_t Num_Functions = 0;

    // Selection record: the output layout and the slot being fetched; the first report title
    int16_t Plot_Type = 0, Num_Plots = 0, Plot_Slot = 0;
    std::string Report_Title;

    // Selection record: the columns of a table, the plot style, where a table goes, its decimals;
    // the polar drawing choices
    int16_t Num_Columns = 0, Plot_Style = 0, Print_Destination = 0, Print_Decimals = 0;
    bool Show_Envelope = false, Show_Vectors = false;
    int16_t Polar_Mode = 0;

    // Report titles and headings of the x column; the unit of the column being printed; the size
    // of the last grid listing
    std::string Report_Title2, X_Heading1, X_Heading2, X_Heading3, Column_Unit;
    int16_t Grid_Rows = 0, Grid_Cols = 0;
};

Model_Store& store();
// A fresh, zeroed store (as at process start).
void reset_store();

void Initialize();
void Clear_Results();
void Load_Link_Lengths();

// System date and time texts as the model keeps them.
std::string Date_Text();
std::string Time_Text();
