#include <gtest/gtest.h>

#include <set>

#include "model/Mod_Main.h"
#include "shell/Shell_Support.h"
#include "shell/Start_Texts.h"

namespace {
TEST(Shell_Support, Command_Line_Is_Taken_Whole)
{
    EXPECT_EQ(Command_Line_Text({"vastrel"}), "");
    EXPECT_EQ(Command_Line_Text({"vastrel", "/tmp/my models/a b.vsr"}), "/tmp/my models/a b.vsr");
    // A path the shell split at its blanks comes back together; quotes stay as given.
    EXPECT_EQ(Command_Line_Text({"vastrel", "/tmp/my", "models/\"x\".vsr"}), "/tmp/my models/\"x\".vsr");
}

TEST(Shell_Support, Design_Number_From_The_User_Screen)
{
    EXPECT_EQ(Design_Number_From_Text("12"), 12);
    EXPECT_EQ(Design_Number_From_Text("abc"), 0);
    EXPECT_EQ(Design_Number_From_Text("3.6"), 4);
    EXPECT_EQ(Design_Number_From_Text("  7 apples"), 7);
    EXPECT_EQ(Design_Number_From_Text("2.5"), 2);  // halves to even
    EXPECT_EQ(Design_Number_From_Text("99999"), 32767);
    EXPECT_EQ(Design_Number_From_Text("-99999"), -32768);
}

TEST(Shell_Support, Small_Display_Placement)
{
    // 1024 x 768 pixels at 15 twips each: 11520 high, enough for 8950 + 400.
    EXPECT_TRUE(Place_On_Small_Display(15360, 11520).fits);
    EXPECT_TRUE(Place_On_Small_Display(15360, 9350).fits);
    // 800 x 600: 9000 high, 400 short of fitting.
    Small_Display_Placement p = Place_On_Small_Display(12000, 9000);
    ASSERT_FALSE(p.fits);
    EXPECT_EQ(p.height, 8600);
    EXPECT_NEAR(static_cast<double>(p.width) / p.height, 11850.0 / 8950.0, 1e-3);
    EXPECT_EQ(p.top, 0);
    EXPECT_NEAR(p.left * 2 + p.width, 12000, 1);
}

TEST(Shell_Support, Help_Documents_Are_Distinct_Pdf_Paths)
{
    const auto& docs = Home_Help_Documents();
    EXPECT_EQ(docs.size(), 13u);
    std::set<std::string> paths;
    for (const auto& d : docs) {
        EXPECT_EQ(d.path.rfind("helpfiles/", 0), 0u) << d.path;
        EXPECT_EQ(d.path.substr(d.path.size() - 4), ".pdf");
        paths.insert(d.path);
    }
    EXPECT_EQ(paths.size(), docs.size());
}

TEST(Start_Texts, Identity_Title_And_Release_Lines)
{
    reset_store();
    Set_Program_Identity();
    Build_Title_String();
    const Model_Store& s = store();
    EXPECT_TRUE(s.Startup_Flag);
    EXPECT_EQ(s.Program_Code, "VASTREL");
    EXPECT_EQ(s.Title_String, "VASTREL   Release 9.0   Rev 2.2   11/30/08                ");
    EXPECT_EQ(Title_Release_Line(), "Release 9.0,  Rev 2.2   11/30/08");
    EXPECT_EQ(About_Release_Line(), "Release 9.0 - Rev 2.2   11/30/08");
}

TEST(Start_Texts, Notice_Texts)
{
    Notice_Texts t = Notice_Text();
    EXPECT_EQ(t.description, "A Program for the Design and Analysis of Geared Vastrel Linkages.");
    EXPECT_EQ(t.disclaimer.rfind("Every effort has been made", 0), 0u);
    EXPECT_NE(t.disclaimer.find("this software.The author and publisher"), std::string::npos);
    EXPECT_NE(t.disclaimer.find("consequential damages"), std::string::npos);
    // Who may use the program, and the textbook it follows.
    EXPECT_NE(t.notice.find("qualified personnel"), std::string::npos);
    EXPECT_NE(t.notice.find("'Velmarch'"), std::string::npos);
    EXPECT_FALSE(t.support.empty());
}
}  // namespace
