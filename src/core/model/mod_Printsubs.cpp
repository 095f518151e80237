#include "model/mod_Printsubs.h"

#include <memory>

#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "runtime/Sequential_File.h"
#include "runtime/Ui_Port.h"

namespace {
constexpr int Reserved_Lines = 104;
constexpr int Zoom_Version = 7;

// Fields 3 to 68, in file order, for both directions: Io either writes each value or reads it.
template <typename Io>
void Transfer_Fields(Io& io, Model_Store& s, std::string& revision)
{
    io.String(s.Model_Name);
    io.String(s.Designer_Name);
    io.Integer(s.Design_Number);
    io.String(s.Model_Date);
    io.String(s.Model_Time);
    io.Single(s.Link1_Length);
    io.Single(s.Link2_Length);
    io.Single(s.Link3_Length);
    io.Single(s.Link4_Length);
    io.Single(s.Link5_Length);
    io.Single(s.Coupler_Dist);
    io.Single(s.Coupler_Angle_Deg);
    io.Single(s.Gear_Ratio);
    io.Single(s.Phase_Angle_Deg);
    io.Single(s.Start_Time);
    io.Single(s.End_Time);
    io.Single(s.Delta_Time);
    io.Single(s.Theta_Zero);
    io.Single(s.Omega_Zero);
    io.Single(s.Alpha_Zero);
    io.String(s.Min_Theta_Text);
    io.String(s.Max_Theta_Text);
    io.String(s.Delta_Theta_Text);
    io.Integer(s.Circuit);
    io.Integer(s.Calc_Type);
    io.Integer(s.Unit_System);
    io.String(s.Trace_Option);
    io.String(s.Step_Flag);
    io.String(s.Hide_Links);
    io.String(s.Reserved_Flag_1);
    io.String(s.Reserved_Flag_2);
    io.Long(s.Anim_Speed);
    io.String(s.Angle_Mode);
    io.Integer(s.Print_Step);
    io.String(s.Model_Title);
    io.String(s.Grashof_Code);
    io.String(revision);
    io.Integer(s.Anim_Cycles);
    for (int i = 2; i <= 5; ++i) {
        io.Single(s.Link_Mass(i));
        io.Single(s.Link_Inertia(i));
        io.Single(s.Link_CG(i, 0));
        io.Single(s.Link_CG(i, 1));
    }
    io.Single(s.Ext_Force_Mag(3));
    io.Single(s.Ext_Force_Angle(3));
    io.Single(s.Ext_Force_Mag(4));
    io.Single(s.Ext_Force_Angle(4));
    io.Single(s.Force_Point3_Dist);
    io.Single(s.Force_Point4_Dist);
    io.Single(s.Force_Point3_Angle);
    io.Single(s.Force_Point4_Angle);
    io.Single(s.Ext_Torque(3));
    io.Single(s.Ext_Torque(4));
    io.Single(s.Friction_3);
    io.Single(s.Friction_4);
}

struct Field_Writer {
    Item_Writer& w;
    void String(const std::string& v) { w.String(v); }
    void Integer(int16_t v) { w.Integer(v); }
    void Long(int32_t v) { w.Integer(v); }
    void Single(float v) { w.Single(v); }
};

struct Field_Reader {
    Item_Reader& r;
    void String(std::string& v) { v = r.String(); }
    void Integer(int16_t& v) { v = r.Integer(); }
    void Long(int32_t& v) { v = r.Long(); }
    void Single(float& v) { v = r.Single(); }
};

// What the file does not hold, from what it held.
void Derive_Model_Values(Model_Store& s)
{
    Load_Link_Lengths();
    Angle_From_Degrees(s.Coupler_Angle_Deg, s.Coupler_Angle, s.Coupler_Angle_Text);
    s.Min_Theta = CSng(Val(s.Min_Theta_Text));
    s.Max_Theta = CSng(Val(s.Max_Theta_Text));
    s.Delta_Theta = CSng(Val(s.Delta_Theta_Text));
    s.Min_Theta_Rad = CSng(s.Min_Theta * Deg_To_Rad);
    s.Max_Theta_Rad = CSng(s.Max_Theta * Deg_To_Rad);
    s.Delta_Theta_Rad = CSng(s.Delta_Theta * Deg_To_Rad);
    if (s.Circuit == 1) {
        s.Circuit_Sign = -1;
        s.Circuit_Name = "Open";
    } else {
        s.Circuit_Sign = 1;
        s.Circuit_Name = "Crossed";
    }
    int16_t count = static_cast<int16_t>(s.Num_Units + 1);
    Set_Unit_Labels(s.Unit_System, s.Unit_Label, count);
    Set_Decimals(s.Unit_System);
}
}  // namespace

bool Writefile(std::ostream& out, const std::function<void()>& Put_In_Place)
{
    return Trap_Errors("Writefile", [&] {
        Model_Store& s = store();
        Item_Writer w;
        Field_Writer io{w};
        std::string revision = s.Program_Revision;
        w.String(s.Program_Code);
        w.String(s.Program_Version);
        Transfer_Fields(io, s, revision);
        w.Single(s.Zoom_Factor);
        for (int i = 0; i < Reserved_Lines; ++i) w.String("");
        out.write(w.Text().data(), static_cast<std::streamsize>(w.Text().size()));
        out.flush();
        if (!out) Raise(Err::Device_IO);
        if (Put_In_Place) Put_In_Place();
        MsgBox("File was successfully written to \r" + s.File_Path, Msg::Ok_Only | Msg::Information);
    });
}

void Readfile_Body(std::istream& in, const std::string& File_Version)
{
    Model_Store& s = store();
    Item_Reader r(in);
    Field_Reader io{r};
    std::string revision;
    Transfer_Fields(io, s, revision);
    if (s.Anim_Cycles < 1) s.Anim_Cycles = 1;
    if (Val(File_Version.substr(0, 1)) >= Zoom_Version) {
        s.Zoom_Factor = r.Single();
        if (s.Zoom_Factor == 0) s.Zoom_Factor = 1.0f;
        for (int i = 0; i < Reserved_Lines; ++i) r.String();
    }
}

bool Readfile(std::istream& in)
{
    bool taken = false;
    Trap_Errors("Readfile", [&] {
        Model_Store& s = store();
        Item_Reader r(in);
        const std::string File_Program = r.String();
        const std::string File_Version = r.String();
        if (File_Program.substr(0, 7) != s.Program_Name) {
            MsgBox("This data file is not compatible with this version of " + s.Program_Name + ". ",
                   Msg::Ok_Only | Msg::Question);
            return;
        }
        // A model half old and half new is worse than the old one: keep it until the file is read whole.
        auto before = std::make_unique<Model_Store>(s);
        try {
            Readfile_Body(in, File_Version);
            Derive_Model_Values(s);
        } catch (...) {
            s = std::move(*before);
            throw;
        }
        s.Disk_File = true;
        s.Calc_Done = false;
        taken = true;
        ui().Model_Was_Read();
        ui().Set_Mouse_Pointer(Pointer::Default);
        if (!s.Startup_Flag) {
            MsgBox("File " + s.File_Path + " successfully read.", Msg::Ok_Only | Msg::Information);
            ui().Show_Input_Screen();
        }
    });
    return taken;
}
