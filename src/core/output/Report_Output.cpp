#include "output/Report_Output.h"

#include <algorithm>
#include <array>
#include <functional>

#include "model/Mod_Main.h"
#include "model/Mod_Numeric.h"
#include "model/Mod_Plotsubs.h"
#include "runtime/Number_Text.h"
#include "runtime/Report_Error.h"
#include "selection/Selection_Record.h"
#include "shell/Model_File_Io.h"

namespace {
constexpr int16_t Angle_Steps = 3;
constexpr int16_t Last_Fourier_Row = 512;
constexpr int Rows_Per_Page = 60;
constexpr int Heading_Rows = 6;
const char* const Tab = "\t";
const char* const Line_End = "\r\n";

int16_t Step_Interval()
{
    const int16_t k = store().Print_Step;
    if (k == 0) Raise(Err::Division_By_Zero);
    // A step back would never reach the last step.
    if (k < 0) Raise(Err::Invalid_Argument);
    return k;
}

// Steps (or harmonics) 0, k, 2k, ... up to the last one listed.
std::vector<int16_t> Listed_Steps()
{
    const int16_t k = Step_Interval(), M = Last_Listed();
    std::vector<int16_t> steps;
    for (int i = 0; i <= M; i += k) steps.push_back(static_cast<int16_t>(i));
    return steps;
}

// The x value of a row: the harmonic for Fourier data of an angle-step run, else the crank
// angle or the time of the step.
std::string X_Text(int16_t i)
{
    const Model_Store& s = store();
    if (s.Calc_Type == Angle_Steps) {
        if (Fourier_Listing()) return Plain(static_cast<int>(i));
        return FNRoundStr(s.Theta_Data(i, 0), s.Print_Decimals);
    }
    const float time = s.Start_Time + static_cast<float>(i) * s.Delta_Time;
    return FNRoundStr(time, s.Print_Decimals);
}

// The unit of column c (1..4): "deg" for an angle component, else the Fourier or variable unit.
std::string Unit_Of_Column(int c, const Accepted_Functions& names)
{
    const Model_Store& s = store();
    if (names.Component[c - 1] == "Ang") return "deg";
    if (Fourier_Listing()) return s.FFT_Unit;
    return s.Unit_Label(s.Var_Type(c));
}

// The values of step i in columns 1..Num_Columns, each formatted; Value carries over from column
// to column as the value access leaves it.
std::vector<std::string> Row_Values(int16_t i, float& Value)
{
    std::vector<std::string> texts;
    for (int16_t c = 1; c <= store().Num_Columns; ++c) {
        Select_Variable(i, c, Value);
        texts.push_back(FNRoundStr(Value, store().Print_Decimals));
    }
    return texts;
}

// The longest start of name, in whole characters, with which the line that line_with writes
// fits width columns.
std::string Fitted_Name(const std::string& name, int width, const std::function<void(Print_Writer&, const std::string&)>& line_with)
{
    const auto fits = [&](const std::string& cut) {
        Print_Writer probe;
        line_with(probe, cut);
        return probe.Column() <= width;
    };
    // Never cut inside a character's byte sequence.
    const auto shorter = [&name](size_t n) {
        while (n > 0 && n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) --n;
        return name.substr(0, n);
    };
    std::string cut = shorter(std::min(name.size(), static_cast<size_t>(std::max(width, 0))));
    while (!cut.empty() && !fits(cut)) cut = shorter(cut.size() - 1);
    return cut;
}

void Page_Header(Print_Target& printer, const Accepted_Functions& names)
{
    Model_Store& s = store();
    Print_Writer& out = printer.Out();
    out.End_Line().End_Line().End_Line();
    // A long name is cut so that the design and page numbers, and the date and time, stay on the page.
    const int page = printer.Page(), width = printer.Line_Width();
    const auto file_line = [&s, page](Print_Writer& w, const std::string& name) {
        w.Comma().Text(s.Program_Code).Comma().Text("File: ").Text(name);
        w.Comma().Text("Design #").Number(static_cast<int>(s.Design_Number));
        w.Comma().Text("Page ").Number(page);
    };
    const std::string date = Date_Text(), time = Time_Text();
    const auto by_line = [&date, &time](Print_Writer& w, const std::string& name) {
        w.Comma().Text("By: ").Text(name).Comma().Text(date).Comma().Text(time);
    };
    file_line(out, Fitted_Name(s.Model_Name, width, file_line));
    out.End_Line();
    by_line(out, Fitted_Name(s.Designer_Name, width, by_line));
    out.End_Line().End_Line().End_Line();
    out.Comma().Text(s.Report_Title).End_Line();
    out.Comma().Text(s.Report_Title2).End_Line();
    out.End_Line();
    out.Comma().Text(s.X_Heading1);
    for (const std::string& name : names.Function) out.Comma().Text(name);
    out.End_Line();
    out.Comma().Text(s.X_Heading2);
    for (const std::string& component : names.Component) out.Comma().Text(component);
    out.End_Line();
    out.Comma().Text(s.X_Heading3);
    for (int c = 1; c <= 4; ++c) {
        s.Column_Unit = Unit_Of_Column(c, names);
        out.Comma().Text(s.Column_Unit);
    }
    out.End_Line();
    out.End_Line();
}
}  // namespace

void Set_Report_Titles(const std::string& Fourier_Variable)
{
    Model_Store& s = store();
    s.Report_Title = "Selected Linkage Parameters";
    // Sound behaviour: every report that is not of Fourier data has an empty second title, so
    // none shows the title of an earlier Fourier report.
    s.Report_Title2 = Fourier_Listing() ? "Fourier Transform of  " + Fourier_Variable : "";
    if (s.Calc_Type != Angle_Steps) {
        s.X_Heading1 = "Time", s.X_Heading2 = "Step", s.X_Heading3 = "Sec";
    } else if (Fourier_Listing()) {
        s.X_Heading1 = "Harmonic", s.X_Heading2 = "Number", s.X_Heading3 = "";
    } else {
        s.X_Heading1 = "Angle", s.X_Heading2 = "Step", s.X_Heading3 = "Deg";
    }
}

int16_t Print_Box_Value(const std::string& text)
{
    constexpr double Lowest = -32768, Highest = 32767;
    double v = 0;
    try {
        v = Val(text);
    } catch (const Runtime_Error&) {
        // Beyond even a double: the far end of the field on the number's side.
        const size_t first = text.find_first_not_of(" \t\r\n");
        v = first != std::string::npos && text[first] == '-' ? Lowest : Highest;
    }
    return CInt(std::clamp(v, Lowest, Highest));
}

bool Fourier_Listing()
{
    // Also when a column other than the last classified one holds "Current FFT": none of its
    // rows exists beyond the transform's table.
    return Fourier_In_Slots(store().Num_Columns);
}

int16_t Last_Listed()
{
    const Model_Store& s = store();
    if (Fourier_Listing()) return std::min(s.FFT_Harmonics, Last_Fourier_Row);
    return s.Num_Steps;
}

Grid_Listing Grid_Contents(const Accepted_Functions& names)
{
    Model_Store& s = store();
    Grid_Listing g;
    const int16_t M = Last_Listed(), k = Step_Interval();
    s.Grid_Cols = static_cast<int16_t>(s.Num_Columns + 1);
    s.Grid_Rows = CInt(static_cast<double>(M) / k + 7);
    g.rows = s.Grid_Rows;
    g.cols = s.Grid_Cols;
    auto put = [&g](int row, int col, const std::string& text) {
        g.cells.push_back({static_cast<int16_t>(row), static_cast<int16_t>(col), text});
    };

    const bool fourier = Fourier_Listing();
    std::array<const char*, 3> x_heads{"Time", "Step", "sec"};
    if (s.Calc_Type == Angle_Steps) x_heads = fourier ? std::array<const char*, 3>{"Harmonic", "Number", ""}
                                                      : std::array<const char*, 3>{"Crank", "Angle", "deg"};
    for (int r = 0; r < 3; ++r) put(r, 0, x_heads[r]);
    for (int c = 1; c <= s.Num_Columns; ++c) {
        put(0, c, names.Function[c - 1]);
        put(1, c, names.Component[c - 1]);
        put(2, c, Unit_Of_Column(c, names));
    }

    // The listed values of each column, for the statistics.
    std::vector<std::vector<float>> listed(static_cast<size_t>(s.Num_Columns) + 1);
    for (int16_t i : Listed_Steps()) put(Heading_Rows + i / k, 0, X_Text(i));
    float Value = 0;
    for (int16_t c = 1; c <= s.Num_Columns; ++c) {
        for (int16_t i : Listed_Steps()) {
            Select_Variable(i, c, Value);
            put(Heading_Rows + i / k, c, FNRoundStr(Value, s.Print_Decimals));
            listed[static_cast<size_t>(c)].push_back(Value);
        }
    }
    put(3, 0, "Min");
    put(4, 0, "Avg");
    put(5, 0, "Max");
    for (int c = 1; c <= s.Num_Columns; ++c) {
        const std::vector<float>& v = listed[static_cast<size_t>(c)];
        if (v.empty()) continue;
        double sum = 0;
        for (float x : v) sum += x;
        put(3, c, FNRoundStr(*std::min_element(v.begin(), v.end()), s.Print_Decimals));
        put(4, c, FNRoundStr(sum / static_cast<double>(v.size()), s.Print_Decimals));
        put(5, c, FNRoundStr(*std::max_element(v.begin(), v.end()), s.Print_Decimals));
    }
    return g;
}

void Print_to_Printer(Print_Target& printer, const Accepted_Functions& names)
{
    const bool printed = Trap_Errors("Print_to_Printer", [&] {
        Page_Header(printer, names);
        int rows = 0;
        float Value = 0;
        for (int16_t i : Listed_Steps()) {
            // The page breaks only before a row, so the last page never holds just its header.
            if (rows == Rows_Per_Page) {
                printer.Out().End_Line().End_Line();
                printer.NewPage();
                Page_Header(printer, names);
                rows = 0;
            }
            Print_Writer& out = printer.Out();
            out.Comma().Text(X_Text(i));
            for (const std::string& v : Row_Values(i, Value)) out.Comma().Text(v);
            out.End_Line();
            ++rows;
        }
        printer.EndDoc();
    });
    if (printed) return;
    // What was printed stays printed, and the next report starts a document of its own.
    try {
        printer.EndDoc();
    } catch (const Runtime_Error&) {
    }
}

std::string Data_File_Text(const std::string& File_Name, const Accepted_Functions& names)
{
    Model_Store& s = store();
    Print_Writer out;
    out.Text(s.Program_Code).Comma().Text("File ").Text(Tab).Text(File_Name).Text(Tab).Text(Tab);
    out.Text("Design #").Text(Tab).Number(static_cast<int>(s.Design_Number)).End_Line();
    out.Text(s.Designer_Name).Text(Tab).Text(Tab).Text(Date_Text()).Text(Tab).Text(Tab).Text(Time_Text()).End_Line();
    out.End_Line();
    out.Text("   " + s.Report_Title).End_Line();
    out.Text("   " + s.Report_Title2).End_Line();
    out.End_Line();
    out.Text(s.X_Heading1).Text(Tab);
    for (const std::string& name : names.Function) out.Text(name).Text(Tab);
    out.End_Line();
    out.Text(s.X_Heading2).Text(Tab);
    for (const std::string& component : names.Component) out.Text(component).Text(Tab);
    out.End_Line();
    out.Text(s.X_Heading3).Text(Tab);
    for (int c = 1; c <= 4; ++c) out.Text(Unit_Of_Column(c, names)).Text(Tab);
    out.End_Line();
    out.End_Line();
    float Value = 0;
    for (int16_t i : Listed_Steps()) {
        out.Text(X_Text(i)).Text(Tab);
        for (const std::string& v : Row_Values(i, Value)) out.Text(v).Text(Tab);
        out.End_Line();
    }
    std::string text;
    for (const std::string& line : out.Lines()) text += line + Line_End;
    return text;
}

void Print_to_File(const std::string& Path, const std::string& File_Name, const Accepted_Functions& names)
{
    std::string text;
    if (!Trap_Errors("Print_to_File", [&] { text = Data_File_Text(File_Name, names); })) return;
    Replace_File_Contents(Path, text);
}
