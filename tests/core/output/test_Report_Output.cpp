#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <unistd.h>
#include <fstream>
#include <sstream>

#include "Default_Model.h"
#include "Fake_Ui_Port.h"
#include "model/Mod_Numeric.h"
#include "model/Mod_Plotsubs.h"
#include "model/Mod_VastrelW.h"
#include "output/Report_Output.h"
#include "selection/Selection_Record.h"

namespace fs = std::filesystem;

namespace {
// The print selection's four accepted columns: classified, with their components.
Accepted_Functions Choose(std::array<std::string, 4> functions, std::array<std::string, 4> components)
{
    Accepted_Functions a{functions, components};
    for (int16_t c = 1; c <= 4; ++c) {
        Set_Variable(functions[c - 1], c);
        Set_Component(components[c - 1], c);
    }
    store().Num_Columns = 4;
    return a;
}

// A crank-angle sweep of N steps with hand-made values: Theta2 = 10 i degrees, Omega2 = 5 + i.
void Sweep(int16_t N)
{
    Model_Store& s = store();
    s.Calc_Type = 3;
    s.Num_Steps = N;
    for (int i = 0; i <= N; ++i) {
        s.Theta_Data(i, 0) = 10.0f * i;
        s.Omega_Data(i, 0) = 5.0f + i;
    }
}

using Cell_Map = std::map<std::pair<int, int>, std::string>;
Cell_Map Cells(const Grid_Listing& g)
{
    Cell_Map m;
    for (const Grid_Cell& c : g.cells) m[{c.row, c.col}] = c.text;
    return m;
}
std::string At(const Cell_Map& m, int r, int c)
{
    auto it = m.find({r, c});
    return it == m.end() ? "(unwritten)" : it->second;
}
bool Has(const Cell_Map& m, int r, int c) { return m.count({r, c}) > 0; }

// Pages of a printout, each a list of lines.
class Recording_Printer : public Print_Target {
public:
    Print_Writer& Out() override { return out; }
    int Page() override { return static_cast<int>(pages.size()) + 1; }
    int Line_Width() override { return width; }
    void NewPage() override { pages.push_back(out.Take_Lines()); }
    void EndDoc() override
    {
        pages.push_back(out.Take_Lines());
        ++ended;
    }
    Print_Writer out;
    int width = 120;
    std::vector<std::vector<std::string>> pages;
    int ended = 0;
};

class Report_Output : public Default_Model_Test {
protected:
    void SetUp() override
    {
        Default_Model_Test::SetUp();
        store().Print_Decimals = 3;
    }
    Fake_Ui_Port port;
};
}  // namespace

TEST_F(Report_Output, GridRowsFollowTheStepAndListEveryKthStep)
{
    Model_Store& s = store();
    Sweep(36);
    Accepted_Functions a = Choose({"Theta2", "Omega2", "Theta2", "Omega2"}, {"Mag", "Mag", "Mag", "Mag"});
    s.Print_Step = 10;
    Grid_Listing g = Grid_Contents(a);
    EXPECT_EQ(g.rows, 11);
    EXPECT_EQ(s.Grid_Rows, 11);
    EXPECT_EQ(g.cols, 5);
    auto cells = Cells(g);
    for (int j = 0; j <= 3; ++j) EXPECT_EQ(At(cells, 6 + j, 0), FNRoundStr(100.0 * j, 3));
    EXPECT_FALSE(Has(cells, 10, 0));
    EXPECT_FALSE(Has(cells, 10, 1));
    // "Min" over the listed values (steps 0, 10, 20, 30), never 0 for a positive function.
    EXPECT_EQ(At(cells, 3, 2), "5.000");
    EXPECT_EQ(At(cells, 5, 2), "35.000");
    EXPECT_EQ(At(cells, 4, 2), "20.000");
    EXPECT_EQ(At(cells, 3, 0), "Min");
    EXPECT_EQ(At(cells, 0, 0), "Crank");
    EXPECT_EQ(At(cells, 2, 0), "deg");
    EXPECT_EQ(At(cells, 0, 2), "Omega2");
    EXPECT_EQ(At(cells, 2, 2), s.Unit_Label(2));

    s.Print_Step = 1;
    g = Grid_Contents(a);
    EXPECT_EQ(g.rows, 43);
    cells = Cells(g);
    EXPECT_EQ(At(cells, 42, 1), "360.000");
    EXPECT_EQ(At(cells, 3, 1), "0.000");

    Sweep(25);
    s.Print_Step = 10;
    EXPECT_EQ(Grid_Contents(a).rows, 10);  // 9.5 goes to the even neighbour
}

TEST_F(Report_Output, TimesUnitsAndDigitGroupingInGridPaperAndFile)
{
    Model_Store& s = store();
    s.Calc_Type = 2;
    s.Num_Steps = 4;
    s.Start_Time = 0;
    s.Delta_Time = 0.05f;
    s.Print_Step = 1;
    s.Print_Decimals = 2;
    for (int i = 0; i <= 4; ++i) {
        s.Veloc_Data(i, 3, 0) = 0;
        s.Veloc_Data(i, 3, 1) = 1234.567f;
    }
    Accepted_Functions a = Choose({"Veloc CP", "Veloc CP", "Veloc CP", "Veloc CP"}, {"X", "Y", "Mag", "Ang"});
    Set_Report_Titles("");
    auto cells = Cells(Grid_Contents(a));
    for (int i = 0; i <= 4; ++i) EXPECT_EQ(At(cells, 6 + i, 0), FNRoundStr(0.05f * i, 2)) << i;
    EXPECT_EQ(At(cells, 7, 0), "0.05");
    EXPECT_EQ(At(cells, 8, 0), "0.10");
    EXPECT_EQ(At(cells, 0, 0), "Time");
    EXPECT_EQ(At(cells, 2, 0), "sec");
    EXPECT_EQ(At(cells, 6, 2), "1,234.57");
    EXPECT_EQ(At(cells, 6, 4), "90.00");
    EXPECT_EQ(At(cells, 2, 4), "deg");
    EXPECT_EQ(At(cells, 2, 3), s.Unit_Label(4));

    Recording_Printer printer;
    Print_to_Printer(printer, a);
    ASSERT_EQ(printer.pages.size(), 1u);
    const std::vector<std::string>& page = printer.pages[0];
    ASSERT_EQ(page.size(), 14u + 5u);
    EXPECT_EQ(page[12], std::string(14, ' ') + "Sec" + std::string(11, ' ') + s.Unit_Label(4) +
                            std::string(14 - s.Unit_Label(4).size(), ' ') + s.Unit_Label(4) +
                            std::string(14 - s.Unit_Label(4).size(), ' ') + s.Unit_Label(4) +
                            std::string(14 - s.Unit_Label(4).size(), ' ') + "deg");
    EXPECT_EQ(page[15], std::string(14, ' ') + "0.05" + std::string(10, ' ') + "0.00" + std::string(10, ' ') +
                            "1,234.57" + std::string(6, ' ') + "1,234.57" + std::string(6, ' ') + "90.00");

    std::string file = Data_File_Text("run", a);
    EXPECT_NE(file.find("\r\n0.10\t0.00\t1,234.57\t1,234.57\t90.00\t\r\n"), std::string::npos);
    EXPECT_NE(file.find("Sec\t" + s.Unit_Label(4) + "\t" + s.Unit_Label(4) + "\t" + s.Unit_Label(4) + "\tdeg\t\r\n"),
              std::string::npos);
}

TEST_F(Report_Output, PrintedReportHasPagesOfSixtyRowsEachWithItsHeaderAndNumber)
{
    Model_Store& s = store();
    Sweep(129);
    s.Print_Step = 1;
    s.Program_Code = "VASTREL";
    s.Designer_Name = "Ada";
    s.Design_Number = 7;
    Accepted_Functions a = Choose({"Theta2", "Omega2", "Theta2", "Omega2"}, {"Mag", "Mag", "Mag", "Ang"});
    Set_Report_Titles("");
    Recording_Printer printer;
    Print_to_Printer(printer, a);
    ASSERT_EQ(printer.pages.size(), 3u);
    EXPECT_EQ(printer.ended, 1);
    const size_t rows[] = {60, 60, 10};
    for (int p = 0; p < 3; ++p) {
        const std::vector<std::string>& page = printer.pages[static_cast<size_t>(p)];
        SCOPED_TRACE(p);
        ASSERT_EQ(page.size(), 14 + rows[p] + (p < 2 ? 2 : 0));
        for (int blank : {0, 1, 2, 5, 6, 9, 13}) EXPECT_EQ(page[static_cast<size_t>(blank)], "");
        EXPECT_EQ(page[3], std::string(14, ' ') + "VASTREL" + std::string(7, ' ') + "File: Model_1" + std::string(1, ' ') +
                               "Design # 7" + std::string(4, ' ') + "Page  " + std::to_string(p + 1) + " ");
        EXPECT_EQ(page[4].substr(0, 21), std::string(14, ' ') + "By: Ada");
        EXPECT_EQ(page[7], std::string(14, ' ') + "Selected Linkage Parameters");
        EXPECT_EQ(page[10], std::string(14, ' ') + "Angle" + std::string(9, ' ') + "Theta2" + std::string(8, ' ') +
                                "Omega2" + std::string(8, ' ') + "Theta2" + std::string(8, ' ') + "Omega2");
        EXPECT_EQ(page[12].substr(14, 3), "Deg");
        EXPECT_EQ(page[12].substr(page[12].size() - 3), "deg");
        // The first row of the page is the step after the last row of the page before.
        EXPECT_EQ(page[14], std::string(14, ' ') + FNRoundStr(10.0 * 60 * p, 3) + std::string(14 - FNRoundStr(600.0 * p, 3).size(), ' ') +
                                FNRoundStr(600.0 * p, 3) + std::string(14 - FNRoundStr(600.0 * p, 3).size(), ' ') +
                                FNRoundStr(5.0 + 60 * p, 3) + std::string(14 - FNRoundStr(5.0 + 60 * p, 3).size(), ' ') +
                                FNRoundStr(600.0 * p, 3) + std::string(14 - FNRoundStr(600.0 * p, 3).size(), ' ') +
                                FNRoundStr(5.0 + 60 * p, 3));
        if (p < 2) {
            EXPECT_EQ(page[page.size() - 1] + page[page.size() - 2], "");
        }
    }
    EXPECT_TRUE(port.boxes.empty());

    // A printer that fails on the second page: reported, and the first page's document ended.
    struct Failing_Printer : Recording_Printer {
        int Page() override
        {
            if (pages.size() == 1) throw Runtime_Error(482, "Printer error");
            return Recording_Printer::Page();
        }
    } failing;
    port.Answer(Msg::Ans_Ok);
    Print_to_Printer(failing, a);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_NE(port.boxes[0].prompt.find("Print_to_Printer"), std::string::npos);
    EXPECT_EQ(failing.ended, 1);
    EXPECT_EQ(failing.pages[0].size(), 76u);

    // Exactly two pages of rows: no third page holding its header alone.
    Sweep(119);
    Recording_Printer exact;
    Print_to_Printer(exact, a);
    ASSERT_EQ(exact.pages.size(), 2u);
    EXPECT_EQ(exact.pages[1].size(), 14u + 60u);
}

TEST_F(Report_Output, FourierDataAreListedOverHarmonicsWithTheirUnitEverywhere)
{
    Model_Store& s = store();
    Sweep(36);
    s.FFT_Harmonics = 18;
    s.FFT_Unit = "rad/s";
    s.Print_Step = 10;  // as the print selection forces step 1 for Fourier data
    for (int m = 0; m <= 512; ++m) s.Current_FFT(m, 2) = 1000.0f + m;
    s.Report_Title2 = "stale";
    Accepted_Functions a = Choose({"Current FFT", "Current FFT", "Current FFT", "Current FFT"}, {"X", "Y", "Mag", "Ang"});
    s.Print_Step = 1;
    Set_Report_Titles("Omega3");
    EXPECT_EQ(s.Report_Title2, "Fourier Transform of  Omega3");
    EXPECT_EQ(s.X_Heading1 + s.X_Heading2 + s.X_Heading3, "HarmonicNumber");
    Grid_Listing g = Grid_Contents(a);
    EXPECT_EQ(g.rows, 25);
    auto cells = Cells(g);
    EXPECT_EQ(At(cells, 0, 0), "Harmonic");
    EXPECT_EQ(At(cells, 24, 0), "18");
    EXPECT_EQ(At(cells, 24, 3), "1,018.000");
    EXPECT_EQ(At(cells, 2, 1), "rad/s");
    EXPECT_EQ(At(cells, 2, 4), "deg");

    Recording_Printer printer;
    Print_to_Printer(printer, a);
    ASSERT_EQ(printer.pages.size(), 1u);
    EXPECT_EQ(printer.pages[0].size(), 14u + 19u);
    EXPECT_EQ(printer.pages[0][12].substr(28, 5), "rad/s");
    std::string file = Data_File_Text("f", a);
    EXPECT_NE(file.find("\r\n18\t0.000\t0.000\t1,018.000\t0.000\t\r\n"), std::string::npos);
    EXPECT_NE(file.find("   Fourier Transform of  Omega3\r\n"), std::string::npos);

    // A harmonic count beyond the transform's table lists no row beyond it.
    s.FFT_Harmonics = 600;
    EXPECT_EQ(At(Cells(Grid_Contents(a)), 518, 0), "512");
    EXPECT_TRUE(port.boxes.empty());

    // The next report of other data, in the local frame, has no second title.
    Choose({"Theta2", "Omega2", "Theta2", "Omega2"}, {"Mag", "Mag", "Mag", "Mag"});
    s.Coord_System = 1;
    Set_Report_Titles("Omega3");
    EXPECT_EQ(s.Report_Title2, "");
    EXPECT_EQ(s.X_Heading1, "Angle");
}

TEST_F(Report_Output, DataFileOfTheDefaultExampleAsTheLayoutGivesIt)
{
    Model_Store& s = store();
    int16_t choice = 0;
    Calculate_Motion(3, choice);
    s.Program_Code = "VASTREL";
    s.Designer_Name = "Ada";
    s.Print_Step = 10;
    s.Print_Decimals = 2;
    Accepted_Functions a = Choose({"Theta2", "Theta5", "Omega2", "Omega5"}, {"Mag", "Mag", "Mag", "Mag"});
    Set_Report_Titles("");
    fs::path dir = fs::temp_directory_path() / ("vastrel_report_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string path = (dir / "linkage.dat").string();
    const std::string before = Date_Text() + "\t\t" + Time_Text();
    Print_to_File(path, "linkage", a);
    // The clock may pass a second boundary while the file is written.
    const std::string after = Date_Text() + "\t\t" + Time_Text();
    // The gear ratio -1 with no phase turns link 5 by minus the crank angle, brought into 0..360.
    const std::string d = s.Unit_Label(1), w = s.Unit_Label(2);
    std::string expected =
        "VASTREL       File \tlinkage\t\tDesign #\t 1 \r\n"
        "Ada\t\t" + before + "\r\n"
        "\r\n"
        "   Selected Linkage Parameters\r\n"
        "   \r\n"
        "\r\n"
        "Angle\tTheta2\tTheta5\tOmega2\tOmega5\t\r\n"
        "Step\tMag\tMag\tMag\tMag\t\r\n"
        "Deg\t" + d + "\t" + d + "\t" + w + "\t" + w + "\t\r\n"
        "\r\n"
        "0.00\t0.00\t0.00\t10.00\t-10.00\t\r\n"
        "100.00\t100.00\t260.00\t10.00\t-10.00\t\r\n"
        "200.00\t200.00\t160.00\t10.00\t-10.00\t\r\n"
        "300.00\t300.00\t60.00\t10.00\t-10.00\t\r\n";
    std::ifstream in(path, std::ios::binary);
    std::stringstream got;
    got << in.rdbuf();
    if (before != after && got.str().find(after) != std::string::npos) expected.replace(expected.find(before), before.size(), after);
    std::istringstream want_lines(expected), got_lines(got.str());
    std::string want_line, got_line;
    int n = 0;
    while (std::getline(want_lines, want_line)) {
        ASSERT_TRUE(std::getline(got_lines, got_line)) << "line " << n + 1;
        EXPECT_EQ(got_line, want_line) << "line " << ++n;
    }
    EXPECT_FALSE(std::getline(got_lines, got_line));
    EXPECT_EQ(got.str(), expected);

    // A target that cannot be replaced keeps what it was and leaves nothing beside it.
    fs::create_directory(dir / "taken.dat");
    try {
        Print_to_File((dir / "taken.dat").string(), "taken", a);
        ADD_FAILURE() << "no error raised";
    } catch (const Runtime_Error&) {
    }
    EXPECT_TRUE(fs::is_directory(dir / "taken.dat"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    EXPECT_EQ(s.Model_Name, "Model_1");
    fs::remove_all(dir);
}
