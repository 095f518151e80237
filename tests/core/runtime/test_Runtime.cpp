#include <gtest/gtest.h>

#include <clocale>

#include "Fake_Ui_Port.h"
#include "runtime/Fixed_Array.h"
#include "runtime/Number_Text.h"
#include "runtime/Print_Writer.h"
#include "runtime/Report_Error.h"

TEST(Val, TakesTheLeadingNumberAndNeverFails)
{
    EXPECT_DOUBLE_EQ(Val("  2.5 in"), 2.5);
    EXPECT_DOUBLE_EQ(Val("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(Val(" +2.5"), 2.5);
    EXPECT_DOUBLE_EQ(Val("6.35E-02"), 0.0635);
    EXPECT_DOUBLE_EQ(Val("1E+07"), 1e7);
    EXPECT_DOUBLE_EQ(Val("12abc"), 12);
    EXPECT_DOUBLE_EQ(Val("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(Val("3e"), 3);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("-"), 0);
    EXPECT_EQ(Val("."), 0);
}

TEST(Str, SignBlankFormHasNoLeadingZero)
{
    EXPECT_EQ(Str(0.05f), " .05");
    EXPECT_EQ(Str(-0.5f), "-.5");
    EXPECT_EQ(Str(10.0f), " 10");
    EXPECT_EQ(Str(-2.5f), "-2.5");
    EXPECT_EQ(Str(0.0f), " 0");
    EXPECT_EQ(Str(-0.0f), " 0");
    EXPECT_EQ(Str(1e7f), " 1E+07");
    EXPECT_EQ(Str(0.1f), " .1");  // 7 digits hide the binary error of a 32-bit value
    EXPECT_EQ(Str(0.1), " .1");
    EXPECT_EQ(Str(1.0 / 3), " .333333333333333");
    EXPECT_EQ(Str(4), " 4");
    EXPECT_EQ(Str(-4), "-4");
}

TEST(Plain, KeepsTheLeadingZeroAndNoBlank)
{
    EXPECT_EQ(Plain(0.05f), "0.05");
    EXPECT_EQ(Plain(2.5f), "2.5");
    EXPECT_EQ(Plain(-1.0f), "-1");
    EXPECT_EQ(Plain(12), "12");
}

TEST(IntegerConversion, HalvesGoToEvenAndOverflowRaises)
{
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(3.6), 4);
    EXPECT_EQ(CInt(32767.4), 32767);
    try {
        CInt(32767.5);
        FAIL();
    } catch (const Runtime_Error& e) {
        EXPECT_EQ(e.number, Err::Overflow);
    }
    EXPECT_THROW(To_Int16(40000), Runtime_Error);
}

TEST(FixedArray, OutOfRangeRaisesSubscript)
{
    Array2<float, 0, 1024, 0, 4> a;
    a(1024, 4) = 1;
    EXPECT_EQ(a(1024, 4), 1);
    try {
        a(1025, 0);
        FAIL();
    } catch (const Runtime_Error& e) {
        EXPECT_EQ(e.number, Err::Subscript);
    }
    EXPECT_THROW(a(0, -1), Runtime_Error);
}

TEST(PrintWriter, ZonesSemicolonsAndTabs)
{
    Print_Writer w;
    w.Text("A").Comma().Text("B").End_Line();
    w.Number(3).Text("x").End_Line();
    w.Number(-2.5f).Comma().Number(1.0f).End_Line();
    w.Text("abc").Tab(10).Text("d").End_Line();
    w.Text("abcdefghijkl").Tab(5).Text("e").End_Line();
    w.Comma().Text("z").End_Line();
    auto lines = w.Take_Lines();
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "A             B");
    EXPECT_EQ(lines[1], " 3 x");
    EXPECT_EQ(lines[2], "-2.5           1 ");  // zone 2 starts at column 15
    EXPECT_EQ(lines[3], "abc      d");
    EXPECT_EQ(lines[4], "abcdefghijkl");
    EXPECT_EQ(lines[5], "    e");
    EXPECT_EQ(lines[6], "              z");
}

TEST(ReportError, MemoryErrorGivesAdviceOkBoxAndHomeScreen)
{
    Fake_Ui_Port port;
    port.Answer(Msg::Ans_Ok);
    Report_Error(7, "Calculate");
    ASSERT_EQ(port.boxes.size(), 1u);
    const std::string& t = port.boxes[0].prompt;
    EXPECT_EQ(t.rfind("Error 7   (Out of memory)  has occurred in Calculate\r\n\r\n", 0), 0u);
    EXPECT_NE(t.find("restart it to clear the memory.\r\n"), std::string::npos);
    EXPECT_EQ(t.substr(t.size() - 11), "Good luck! ");
    EXPECT_EQ(port.boxes[0].style, 0);
    EXPECT_EQ(port.home_shown, 1);
    ASSERT_FALSE(port.pointers.empty());
    EXPECT_EQ(port.pointers.back(), Pointer::Default);
}

TEST(ReportError, AdviceByNumber)
{
    Fake_Ui_Port port;
    port.Allow_Any_Box();
    Report_Error(28, "X");
    Report_Error(53, "X");
    Report_Error(64, "X");
    Report_Error(9, "Select_Variable");
    Report_Error(61, "X");
    ASSERT_EQ(port.boxes.size(), 5u);
    EXPECT_NE(port.boxes[0].prompt.find("clear the stacks."), std::string::npos);
    EXPECT_EQ(port.boxes[0].style, 64);
    EXPECT_EQ(port.home_shown, 0);
    const std::string advice = "There are no files with your chosen name in the selected directory";
    EXPECT_EQ(port.boxes[1].prompt.substr(port.boxes[1].prompt.size() - advice.size()), advice);
    EXPECT_EQ(port.boxes[2].prompt.substr(port.boxes[2].prompt.size() - advice.size()), advice);
    EXPECT_EQ(port.boxes[3].prompt, "Error 9   (Subscript out of range)  has occurred in Select_Variable\r\n\r\n");
    EXPECT_NE(port.boxes[4].prompt.find("\r\n\r\n The floppy disk"), std::string::npos);
}

TEST(TrapErrors, ReportsUnderTheNameAndReturnsFalse)
{
    Fake_Ui_Port port;
    port.Allow_Any_Box();
    bool ok = Trap_Errors("Readfile", [] { Raise(Err::Input_Past_End); });
    EXPECT_FALSE(ok);
    ASSERT_EQ(port.boxes.size(), 1u);
    EXPECT_EQ(port.boxes[0].prompt.rfind("Error 62   (Input past end of file)  has occurred in Readfile", 0), 0u);
}

TEST(NumberText, IgnoresTheUserLocale)
{
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8")) GTEST_SKIP();
    EXPECT_DOUBLE_EQ(Val("2.5"), 2.5);
    EXPECT_EQ(Str(0.05f), " .05");
    EXPECT_EQ(Plain(2.5), "2.5");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(Val, HugeAndTinyExponents)
{
    EXPECT_THROW(Val("1E+400"), Runtime_Error);
    EXPECT_EQ(Val("1E-400"), 0);
    // too small for the type is 0 in every form, too large overflows in every form
    EXPECT_EQ(Val("0." + std::string(400, '0') + "1"), 0);
    EXPECT_EQ(Val("-0.000" + std::string(400, '0') + "7E+3"), 0);
    EXPECT_THROW(Val("1" + std::string(400, '0')), Runtime_Error);
    EXPECT_THROW(Val("0.001E+400"), Runtime_Error);
}
