#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <sstream>
#include <vector>

#include "Fake_Ui_Port.h"
#include "model/Mod_Main.h"
#include "model/mod_Printsubs.h"

namespace {
class Read_Port : public Fake_Ui_Port {
public:
    void Model_Was_Read() override { ++model_read; }
    void Show_Input_Screen() override { ++input_shown; }
    int model_read = 0, input_shown = 0;
};

using Lines = std::vector<std::string>;

std::string Join(const Lines& lines, std::size_t count = 173, const char* eol = "\r\n")
{
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += lines[i] + eol;
    return text;
}

class Model_File : public ::testing::Test {
protected:
    void SetUp() override
    {
        reset_store();
        Initialize();
        Set_Identity();
        store().File_Path = "/home/eng/crank.vsr";
    }
    static void Set_Identity()
    {
        Model_Store& s = store();
        s.Program_Name = s.Program_Code = "VASTREL";
        s.Program_Version = "9.0";
        s.Program_Revision = "2.2";
    }
    std::string Written()
    {
        port.Answer(Msg::Ans_Ok);
        std::ostringstream out;
        EXPECT_TRUE(Writefile(out));
        EXPECT_EQ(port.boxes.back().prompt, "File was successfully written to \r" + store().File_Path);
        EXPECT_EQ(port.boxes.back().style, Msg::Ok_Only | Msg::Information);
        port.boxes.clear();
        return out.str();
    }
    Lines Written_Lines()
    {
        const std::string text = Written();
        Lines lines;
        for (std::size_t from = 0, at; (at = text.find("\r\n", from)) != std::string::npos; from = at + 2)
            lines.push_back(text.substr(from, at - from));
        EXPECT_EQ(Join(lines, lines.size()), text);
        return lines;
    }
    bool Read(const std::string& text)
    {
        std::istringstream in(text);
        return Readfile(in);
    }
    // A broken file gives exactly one box and leaves the whole store as it was.
    void Expect_Refused(const std::string& text, const std::string& box_start)
    {
        port.boxes.clear();
        port.Answer(Msg::Ans_Ok);
        store().Theta_Data(1024, 4) = 77;  // results and derived values must survive too
        store().Unit_Label(6) = "furlong";
        const Model_Store before = store();
        EXPECT_FALSE(Read(text));
        ASSERT_EQ(port.boxes.size(), 1u);
        EXPECT_EQ(port.boxes[0].prompt.rfind(box_start, 0), 0u) << port.boxes[0].prompt;
        EXPECT_TRUE(store() == before);
        EXPECT_EQ(port.model_read, 0);
    }
    Read_Port port;
};
const std::string Past_End = "Error 62   (Input past end of file)  has occurred in Readfile\r\n";
const std::string Mismatch = "Error 13   (Type mismatch)  has occurred in Readfile\r\n";
}  // namespace

TEST_F(Model_File, EveryFieldIsWrittenOnItsOwnLine)
{
    Model_Store& s = store();
    // Each value names its line.
    float* floats[] = {&s.Link1_Length, &s.Link2_Length, &s.Link3_Length, &s.Link4_Length, &s.Link5_Length,
                       &s.Coupler_Dist, &s.Coupler_Angle_Deg, &s.Gear_Ratio, &s.Phase_Angle_Deg, &s.Start_Time,
                       &s.End_Time, &s.Delta_Time, &s.Theta_Zero, &s.Omega_Zero, &s.Alpha_Zero};
    for (int i = 0; i < 15; ++i) *floats[i] = 8.5f + i;
    for (int i = 2; i <= 5; ++i)
        for (int k = 0; k < 4; ++k)
            *(k == 0 ? &s.Link_Mass(i) : k == 1 ? &s.Link_Inertia(i) : &s.Link_CG(i, k - 2)) = 41.5f + 4 * (i - 2) + k;
    float* loads[] = {&s.Ext_Force_Mag(3), &s.Ext_Force_Angle(3), &s.Ext_Force_Mag(4), &s.Ext_Force_Angle(4),
                      &s.Force_Point3_Dist, &s.Force_Point4_Dist, &s.Force_Point3_Angle, &s.Force_Point4_Angle,
                      &s.Ext_Torque(3), &s.Ext_Torque(4), &s.Friction_3, &s.Friction_4, &s.Zoom_Factor};
    for (int i = 0; i < 13; ++i) *loads[i] = 57.5f + i;
    std::pair<std::string*, int> strings[] = {
        {&s.Model_Name, 3},   {&s.Designer_Name, 4},   {&s.Model_Date, 6},      {&s.Model_Time, 7},
        {&s.Min_Theta_Text, 23}, {&s.Max_Theta_Text, 24}, {&s.Delta_Theta_Text, 25}, {&s.Trace_Option, 29},
        {&s.Step_Flag, 30},   {&s.Hide_Links, 31},     {&s.Reserved_Flag_1, 32}, {&s.Reserved_Flag_2, 33},
        {&s.Angle_Mode, 35},  {&s.Model_Title, 37},    {&s.Grashof_Code, 38}};
    for (auto& [field, line] : strings) *field = " " + std::to_string(line);
    s.Design_Number = 5, s.Circuit = 26, s.Calc_Type = 27, s.Unit_System = 28;
    s.Anim_Speed = 34, s.Print_Step = 36, s.Anim_Cycles = 40;

    const Lines lines = Written_Lines();
    ASSERT_EQ(lines.size(), 173u);
    EXPECT_EQ(lines[0] + lines[1] + lines[38], "\"VASTREL\"\"9.0\"\"2.2\"");
    for (auto& [field, line] : strings) EXPECT_EQ(lines[line - 1], "\" " + std::to_string(line) + "\"");
    for (int n : {5, 26, 27, 28, 34, 36, 40}) EXPECT_EQ(lines[n - 1], std::to_string(n));
    for (int n = 8; n <= 69; n += n == 22 ? 19 : 1) EXPECT_EQ(lines[n - 1], std::to_string(n) + ".5");
    for (int n = 70; n <= 173; ++n) EXPECT_EQ(lines[n - 1], "\"\"");
}

TEST_F(Model_File, ASavedModelReadsBackBitForBit)
{
    Model_Store& s = store();
    s.Model_Name = "say \"hi\", twice";
    s.Designer_Name = "  M\xc3\xbcller  ";
    s.Design_Number = -32768;
    s.Anim_Speed = std::numeric_limits<int32_t>::min();
    s.Link1_Length = 0.1f;
    s.Link2_Length = 1.0f / 3;
    s.Link3_Length = -0.0f;
    s.Link4_Length = std::numeric_limits<float>::denorm_min();
    s.Link5_Length = std::numeric_limits<float>::max();
    s.Coupler_Dist = -std::numeric_limits<float>::min();
    s.Gear_Ratio = 6.35e-2f;
    s.Phase_Angle_Deg = 1e7f;
    s.Friction_4 = 123456.789f;
    s.Zoom_Factor = 0.3f;
    const Model_Store saved = s;
    const std::string first = Written();

    reset_store();
    Initialize();
    Set_Identity();
    store().Startup_Flag = true;
    ASSERT_TRUE(Read(first));
    EXPECT_EQ(store().Model_Name, saved.Model_Name);
    EXPECT_EQ(store().Designer_Name, saved.Designer_Name);
    EXPECT_EQ(store().Anim_Speed, saved.Anim_Speed);
    for (auto f : {&Model_Store::Link1_Length, &Model_Store::Link2_Length, &Model_Store::Link3_Length,
                   &Model_Store::Link4_Length, &Model_Store::Link5_Length, &Model_Store::Coupler_Dist,
                   &Model_Store::Gear_Ratio, &Model_Store::Friction_4, &Model_Store::Zoom_Factor})
        EXPECT_EQ(std::memcmp(&(store().*f), &(saved.*f), sizeof(float)), 0);
    // Distinct values write distinct texts: the same text again means every field came back.
    EXPECT_EQ(Written(), first);
}

TEST_F(Model_File, ReadingDerivesWhatTheFileDoesNotHoldAndRefreshesTheScreens)
{
    Model_Store& s = store();
    s.Circuit = 2, s.Coupler_Angle_Deg = 45, s.Coupler_Dist = 1.75f, s.Unit_System = 3;
    s.Min_Theta_Text = " 15", s.Max_Theta_Text = " 75", s.Delta_Theta_Text = " 2.5";
    Lines lines = Written_Lines();
    Initialize();
    s.File_Path = "/tmp/m.vsr";
    s.Calc_Done = true;
    s.Theta_Data(5, 1) = 33;
    port.Answer(Msg::Ans_Ok);
    ASSERT_TRUE(Read(Join(lines)));
    EXPECT_EQ(s.Coupler_Angle, static_cast<float>(45 * 0.017453292522222223));
    EXPECT_EQ(s.Coupler_Angle_Text, " 45");
    EXPECT_EQ(s.Link_Lengths(0), 1.75f);
    EXPECT_EQ(s.Min_Theta + s.Delta_Theta, 17.5f);
    EXPECT_EQ(s.Max_Theta_Rad, static_cast<float>(75 * 0.017453292522222223));
    EXPECT_EQ(s.Circuit_Sign, 1);
    EXPECT_EQ(s.Circuit_Name, "Crossed");
    EXPECT_EQ(s.Unit_Label(6) + std::to_string(s.Dec_Length), "m4");
    EXPECT_TRUE(s.Disk_File);
    EXPECT_FALSE(s.Calc_Done);
    EXPECT_EQ(s.Theta_Data(5, 1), 33.0f);  // results stay until the next calculation
    EXPECT_EQ(port.model_read + port.input_shown, 2);
    EXPECT_EQ(port.pointers.back(), Pointer::Default);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].prompt, "File /tmp/m.vsr successfully read.");
    EXPECT_EQ(port.boxes[0].style, Msg::Ok_Only | Msg::Information);

    // At start-up the read is silent; an open circuit comes back as such.
    lines[25] = "1";
    s.Startup_Flag = true;
    ASSERT_TRUE(Read(Join(lines)));
    EXPECT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.model_read + port.input_shown, 3);
    EXPECT_EQ(s.Circuit_Name + std::to_string(s.Circuit_Sign), "Open-1");
}

TEST_F(Model_File, VersionRuleCyclesAndZoom)
{
    store().Zoom_Factor = 0.5f;
    Lines lines = Written_Lines();
    store().Startup_Flag = true;
    auto read_as = [&](const std::string& version, std::size_t count) {
        lines[1] = "\"" + version + "\"";
        store().Zoom_Factor = 3;
        return Read(Join(lines, count));
    };
    ASSERT_TRUE(read_as("6.9", 68));  // older files end after field 68 and keep the zoom
    EXPECT_EQ(store().Zoom_Factor, 3.0f);
    ASSERT_TRUE(read_as("10.0", 173));  // only the first character counts
    EXPECT_EQ(store().Zoom_Factor, 3.0f);
    ASSERT_TRUE(read_as("7", 173));
    EXPECT_EQ(store().Zoom_Factor, 0.5f);
    lines[39] = "0";
    lines[68] = "0";
    ASSERT_TRUE(read_as("9.0", 173));
    EXPECT_EQ(store().Anim_Cycles, 1);
    EXPECT_EQ(store().Zoom_Factor, 1.0f);
}

TEST_F(Model_File, AFileOfAnotherProgramIsRefused)
{
    Lines lines = Written_Lines();
    lines[0] = "\"VASTRAL\"";
    const std::string message = "This data file is not compatible with this version of VASTREL. ";
    Expect_Refused(Join(lines), message);
    EXPECT_EQ(port.boxes[0].prompt, message);
    EXPECT_EQ(port.boxes[0].style, Msg::Ok_Only | Msg::Question);
    store().Startup_Flag = true;
    for (const char* program : {"\"VASTREL for Linux\"", "VASTREL"}) {  // seven characters compared
        lines[0] = program;
        EXPECT_TRUE(Read(Join(lines)));
    }
}

TEST_F(Model_File, EveryPlainOrExponentFormAndEitherLineEndIsRead)
{
    Lines lines = Written_Lines();
    const char* items[] = {".5", "-.5", "1E+07", "6.35E-02", "  2.5\t", "+1.5e3", "1D2", "", "1e-50"};
    const float values[] = {0.5f, -0.5f, 1e7f, 0.0635f, 2.5f, 1500, 100, 0, 0};
    for (int i = 0; i < 9; ++i) lines[7 + i] = items[i];
    lines[4] = "2.5";  // integers round halves to even
    lines[25] = "3.5";
    store().Startup_Flag = true;
    ASSERT_TRUE(Read(Join(lines, 173, "\n")));
    const Model_Store& s = store();
    const float read[] = {s.Link1_Length, s.Link2_Length, s.Link3_Length, s.Link4_Length, s.Link5_Length,
                          s.Coupler_Dist, s.Coupler_Angle_Deg, s.Gear_Ratio, s.Phase_Angle_Deg};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(read[i], values[i]) << items[i];
    EXPECT_EQ(s.Design_Number * 10 + s.Circuit, 24);
}

TEST_F(Model_File, BrokenFilesAreReportedOnceAndChangeNothing)
{
    const Lines lines = Written_Lines();
    store().Model_Name = "before";
    store().Calc_Done = true;
    for (std::size_t kept = 0; kept < 173; ++kept) {
        SCOPED_TRACE(kept);
        Expect_Refused(Join(lines, kept), Past_End);
    }
    Expect_Refused(Join(lines, 36) + "\"Four-bar", Mismatch);  // cut inside a string
    const struct { int line; const char* item; bool overflow; } wrong[] = {
        {8, "abc", 0},   {8, "\"2.5\"", 0}, {8, "2.5.1", 0}, {8, "--1", 0},   {8, "1E", 0},
        {8, "0x10", 0},  {8, "inf", 0},     {8, "2,5", 0},   {69, "nan", 0},  {8, "1E+39", 1},
        {5, "40000", 1}, {34, "3E+09", 1},  {41, "1e999999999999", 1}, {23, "\" 1E+39\"", 1}};
    for (const auto& w : wrong) {
        SCOPED_TRACE(w.item);
        Lines l = lines;
        l[w.line - 1] = w.item;
        Expect_Refused(Join(l), w.overflow ? "Error 6   (Overflow)  has occurred in Readfile" : Mismatch);
    }

    std::string noise;
    for (uint32_t x = 12345, i = 0; i < 20000; ++i) noise += static_cast<char>((x = x * 1664525u + 1013904223u) >> 24);
    Expect_Refused(Join(lines, 2) + noise, "Error ");
    Expect_Refused(noise, "");  // a foreign file or an error report, one box either way
    Expect_Refused(Join(lines, 2) + std::string(3 << 20, '7'), Mismatch);  // no line end at all
}

TEST_F(Model_File, AFailedWriteIsReportedAndNotCalledASuccess)
{
    port.Answer(Msg::Ans_Ok, 2);
    std::ostringstream broken;
    broken.setstate(std::ios::badbit);
    EXPECT_FALSE(Writefile(broken));
    store().Friction_3 = std::numeric_limits<float>::infinity();  // no reader could take it back
    std::ostringstream out;
    EXPECT_FALSE(Writefile(out));
    EXPECT_TRUE(out.str().empty());
    ASSERT_EQ(port.boxes.size(), 2u);
    EXPECT_EQ(port.boxes[0].prompt.rfind("Error 57   (Device I/O error)  has occurred in Writefile", 0), 0u);
    EXPECT_EQ(port.boxes[1].prompt.rfind("Error 6   (Overflow)  has occurred in Writefile", 0), 0u);
}

// What the program writes it reads back: the longest string an item holds, and a CR inside a
// string, which both the writer and the reader take as a blank. A longer string is refused on saving.
TEST_F(Model_File, EveryStringThatIsSavedReadsBackAsSaved)
{
    Lines lines = Written_Lines();
    ASSERT_EQ(lines[3], "\"" + store().Designer_Name + "\"");
    lines[3] = "\"two\rlines\"";  // a CR inside a string, as another editor may leave it
    store().Startup_Flag = true;
    ASSERT_TRUE(Read(Join(lines)));
    EXPECT_EQ(store().Designer_Name, "two lines");

    store().Model_Name = std::string(65534, 'x');
    const Model_Store saved = store();
    ASSERT_TRUE(Read(Written()));
    EXPECT_TRUE(store() == saved);

    store().Model_Name += 'x';
    port.Answer(Msg::Ans_Ok);
    std::ostringstream out;
    EXPECT_FALSE(Writefile(out));
    EXPECT_TRUE(out.str().empty());
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].prompt.rfind("Error 14   (Out of string space)  has occurred in Writefile", 0), 0u);
}
