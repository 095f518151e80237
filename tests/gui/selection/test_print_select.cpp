// The print selection driven through its controls over the calculated unity example (36 steps),
// on to the output grid, a PDF through the printer path and a data file.
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <sstream>
#include <tuple>

#include "output/frm_PrintData.h"
#include "selection/frm_PrintSelect.h"
#include "shell/Shell_Test_Support.h"
#include "shell/frm_Inputnew.h"
#include "support/Scripted_User.h"

namespace {
void Choose(Combo_Box* box, const char* item) { box->setCurrentIndex(box->findText(item)); }

// Typed over the box's text, key by key.
void Type(Combo_Box* box, const char* text)
{
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
}

bool Has_Focus(QWidget* w)
{
    QWidget* f = QApplication::focusWidget();
    return f && (f == w || w->isAncestorOf(f));
}

std::string Cell(Grid_Control& grid, int r, int c)
{
    QTableWidgetItem* item = grid.item(r, c);
    return item ? item->text().toStdString() : std::string();
}

std::string Slurp(const QString& path)
{
    std::ifstream in(path.toStdString(), std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
}  // namespace

class Print_Select_Test : public QObject {
    Q_OBJECT
    int exits = 0;
    QTemporaryDir dir;
    frm_PrintSelect& ps() { return Form<frm_PrintSelect>(); }
    frm_PrintData& grid_screen() { return Form<frm_PrintData>(); }
    Grid_Control& grid() { return *grid_screen().grd_Data; }

    // Shown as the home screen's Print shows it, without the modal loop.
    void Open_Print_Select()
    {
        store().Reset_Selections = true;
        ps().Show_Modeless();
        QApplication::setActiveWindow(&ps());
    }

    void Mix_And_Match()
    {
        ps().opt_PrintSet[1]->click();
        QVERIFY(ps().cmb_Var1->isEnabled() && !ps().cmb_Preset->isEnabled());
    }

    // Double-clicks the preset list's item.
    void Double_Click_Preset(int row)
    {
        QListWidget* list = ps().cmb_Preset->List_View();
        QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, r.center());
    }

    QString Path(const char* name) { return dir.filePath(name); }

private slots:
    void init()
    {
        QVERIFY(dir.isValid());
        Fresh_Program(exits);
        Start_To_Home();
        Calculate_First_Example();
        QCOMPARE(store().Num_Steps, int16_t(36));
    }

    void cleanup()
    {
        if (ps().isVisible()) ps().Hide();
        if (grid_screen().isVisible()) grid_screen().Hide();
    }

    void slots_one_by_one_enable_next_only_at_four_and_a_cleared_scalar_slot_stays_fixed()
    {
        Scripted_User user;
        Open_Print_Select();
        QVERIFY(ps().minimumSizeHint().width() <= ps().width());  // every control fits the design size
        QCOMPARE(ps().cmb_Step->Text(), std::string("1"));
        QCOMPARE(ps().cmb_Decimal->Text(), std::string("3"));
        QCOMPARE(ps().cmb_Preset->List_Count(), 12);
        QVERIFY(Has_Focus(ps().cmb_Preset) && !ps().cmd_Done->isEnabled());
        Mix_And_Match();
        QVERIFY(Has_Focus(ps().cmb_Var1));

        Choose(ps().cmb_Var1, "Theta3");
        QVERIFY(!ps().cmb_Com1->isEnabled() && Has_Focus(ps().cmd_OK1));
        ps().cmd_OK1->click();
        QVERIFY(Has_Focus(ps().cmb_Var2));
        Choose(ps().cmb_Var2, "Omega4");
        ps().cmd_OK2->click();
        Choose(ps().cmb_Var3, "Veloc CP");
        QVERIFY(ps().opt_Coord[1]->isEnabled() && Has_Focus(ps().cmb_Com3) && !ps().cmd_OK3->isEnabled());
        Choose(ps().cmb_Com3, "Ang");
        QVERIFY(Has_Focus(ps().cmd_OK3));
        ps().cmd_OK3->click();
        QCOMPARE(ps().lbl_Function[2]->text(), QString("Veloc CP"));
        QCOMPARE(ps().lbl_Component[2]->text(), QString("Ang"));
        QVERIFY(!ps().cmd_Done->isEnabled());
        Choose(ps().cmb_Var4, "Coupler Pt");
        Choose(ps().cmb_Com4, "X");
        ps().cmd_OK4->click();
        QVERIFY(ps().cmd_Done->isEnabled() && Has_Focus(ps().cmd_Done));
        QCOMPARE(store().Num_Columns, int16_t(4));

        // Slot 2 holds a scalar: its component box stays disabled when the slot is cleared.
        QVERIFY(!ps().cmb_Com2->isEnabled());
        ps().cmd_Clear2->click();
        QVERIFY(!ps().cmb_Com2->isEnabled() && !ps().cmd_OK2->isEnabled() && !ps().cmd_Done->isEnabled());
        QVERIFY(ps().cmb_Var2->Text().empty() && ps().lbl_Function[1]->text().isEmpty());
        QVERIFY(ps().Accepted.Function[1].empty());
        QVERIFY(user.boxes.empty());
    }

    void a_preset_fills_all_four_typing_clears_it_and_a_double_click_lists_it()
    {
        Scripted_User user;
        Open_Print_Select();
        ps().cmb_Preset->Set_List_Index(1);  // "Omega magnitudes for all output links"
        for (int i = 0; i < 4; ++i) QCOMPARE(ps().lbl_Function[i]->text(), QString("Omega%1").arg(i + 2));
        QVERIFY(ps().cmd_Done->isEnabled() && Has_Focus(ps().cmd_Done) && !ps().cmb_Var1->isEnabled());

        QTest::keyClicks(ps().cmb_Preset->Edit(), "Om");
        QVERIFY(ps().cmb_Preset->Text().empty() && Has_Focus(ps().cmb_Preset));

        Choose(ps().cmb_Step, "10");
        Double_Click_Preset(0);  // Theta magnitudes, listed at once
        QVERIFY(!ps().isVisible() && grid_screen().isVisible());
        QCOMPARE(grid().Rows(), 11);
        QCOMPARE(Cell(grid(), 0, 3), std::string("Theta4"));
        QCOMPARE(Cell(grid(), 2, 1), store().Unit_Label(1));
        QCOMPARE(Cell(grid(), 9, 1), std::string("300.000"));
        QCOMPARE(Cell(grid(), 10, 1), std::string(""));
        QCOMPARE(grid_screen().lbl_Header2->text(), QString("Selected Linkage Parameters"));
        QCOMPARE(store().Print_Destination, int16_t(0));

        // Every step, then every 10th again: the shorter listing clears and drops rows.
        Open_Print_Select();
        Choose(ps().cmb_Step, "1");
        Double_Click_Preset(0);
        QCOMPARE(grid().Rows(), 43);
        QCOMPARE(Cell(grid(), 42, 0), std::string("360.000"));
        Open_Print_Select();
        Choose(ps().cmb_Step, "10");
        Choose(ps().cmb_Decimal, "0");
        Double_Click_Preset(0);
        QCOMPARE(grid().Rows(), 11);
        QCOMPARE(Cell(grid(), 7, 0), std::string("100."));  // no decimals: a trailing point
        QCOMPARE(Cell(grid(), 10, 2), std::string(""));
        QVERIFY(user.boxes.empty());

        // The grid's Back returns to the selection; its Next marks the lists for a refill.
        Later([this] { QVERIFY(ps().isVisible()); ps().cmd_Cancel->click(); });
        grid_screen().cmd_Reprint->click();
        QVERIFY(!grid_screen().isVisible() && !ps().isVisible());
    }

    // Millimetre units with links of 2500 and 1000 mm: the coupler point's velocity with six
    // decimals is wider than the grid's equal share. No value is cut; a column is as wide as its
    // widest value, and the grid scrolls sideways when the columns are wider than the screen.
    void wide_values_are_never_cut_and_the_grid_scrolls()
    {
        Model_Store& s = store();
        s.Unit_System = 5;
        int16_t count = static_cast<int16_t>(s.Num_Units + 1);
        Set_Unit_Labels(s.Unit_System, s.Unit_Label, count);
        Set_Decimals(s.Unit_System);
        Calculate_First_Example();  // plain numbers: 2500, 1000, 2500, 2500, 1000 mm, coupler 2500 mm
        QCOMPARE(s.Link1_Length, 2.5f);
        Scripted_User user;
        for (bool maximized : {false, true}) {
            if (maximized) Form<frm_HomeScreen>().mnu_Fullscreen->trigger();
            Open_Print_Select();
            Choose(ps().cmb_Decimal, "6");
            int preset = -1;
            for (int i = 0; i < ps().cmb_Preset->List_Count(); ++i)
                if (ps().cmb_Preset->List(i).rfind("Velocity of Coupler Point", 0) == 0) preset = i;
            QVERIFY(preset >= 0);
            Double_Click_Preset(preset);
            QVERIFY(grid_screen().isVisible());
            QApplication::processEvents();
            Grid_Control& g = grid();
            // The text of a cell is drawn whole when it fits between the cell's margins.
            const int margin = g.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &g) + 1;
            int widest = 0, total = 0;
            for (int c = 0; c < g.Cols(); ++c) {
                total += g.columnWidth(c);
                for (int r = 0; r < g.Rows(); ++r) {
                    const QString text = QString::fromStdString(Cell(g, r, c));
                    const int needed = g.fontMetrics().horizontalAdvance(text) + 2 * margin + (g.showGrid() ? 1 : 0);
                    widest = std::max(widest, static_cast<int>(text.size()));
                    QVERIFY2(needed <= g.columnWidth(c), qPrintable(QString("row %1 column %2: \"%3\" needs %4 of %5")
                                                                        .arg(r).arg(c).arg(text).arg(needed).arg(g.columnWidth(c))));
                }
            }
            QVERIFY(widest >= 15);  // such as "-264,105.620 117"
            // Every column can be brought into view.
            const int hidden = total - g.viewport()->width();
            QCOMPARE(g.horizontalScrollBar()->maximum() >= hidden, true);
            QVERIFY(hidden <= 0 || g.horizontalScrollBar()->isVisibleTo(&g));
            grid_screen().Hide();
        }
        Form<frm_HomeScreen>().mnu_Standardsize->trigger();
        QVERIFY(user.boxes.empty());
    }

    void current_fft_forces_every_harmonic()
    {
        Model_Store& s = store();
        s.FFT_Done = true;
        s.FFT_Harmonics = 18;
        s.FFT_Unit = s.Unit_Label(1);
        for (int m = 0; m <= 18; ++m) s.Current_FFT(m, 2) = 100.0f + m;
        Scripted_User user;
        Open_Print_Select();
        QCOMPARE(ps().cmb_Preset->List_Count(), 13);
        QCOMPARE(ps().cmb_Preset->List(12), std::string("Current FFT - Real, Imag, Mag, Phase"));
        Choose(ps().cmb_Step, "10");
        Double_Click_Preset(12);
        QCOMPARE(s.Print_Step, int16_t(1));
        QCOMPARE(grid().Rows(), 25);
        QCOMPARE(Cell(grid(), 0, 0), std::string("Harmonic"));
        QCOMPARE(Cell(grid(), 24, 0), std::string("18"));
        QCOMPARE(Cell(grid(), 24, 3), std::string("118.000"));
        QCOMPARE(Cell(grid(), 2, 4), std::string("deg"));
        QVERIFY(user.boxes.empty());
    }

    void whatever_is_typed_as_step_or_decimals_next_ends_with_at_most_one_message()
    {
        Scripted_User user;
        // A step below 1 is refused before any listing or dialog; the screen stays to put it right.
        const std::pair<const char*, int> refused[] = {{"abc", 0}, {"0", 0}, {"-1", 1}, {"-32768", 2}, {"-1e999", 0}};
        for (auto [step, whereto] : refused) {
            Open_Print_Select();
            ps().opt_Whereto[whereto]->click();
            Type(ps().cmb_Step, step);
            user.Answer(Msg::Ans_Ok);
            Double_Click_Preset(0);
            QCOMPARE(user.boxes.size(), size_t(1));
            QCOMPARE(user.boxes[0].prompt, std::string("Print Every must be a whole number of 1 or more."));
            QVERIFY(ps().isVisible() && !grid_screen().isVisible() && Has_Focus(ps().cmb_Step));
            user.boxes.clear();
            ps().Hide();
        }
        // Numbers beyond the field, in either box, list as far as the field reaches, silently.
        const std::tuple<const char*, const char*, int, const char*> listed[] = {
            {"99999", "99999", 7, "0.000 000"}, {"1e999", "-32768", 7, nullptr}, {"2", "-1e999", 25, nullptr}, {"3", "x", 19, "0."}};
        for (auto [step, decimals, rows, first] : listed) {
            Open_Print_Select();
            Type(ps().cmb_Step, step);
            Type(ps().cmb_Decimal, decimals);
            Double_Click_Preset(0);
            QVERIFY(user.boxes.empty() && grid_screen().isVisible());
            QCOMPARE(grid().Rows(), rows);
            QVERIFY(first ? Cell(grid(), 6, 1) == first : !Cell(grid(), 6, 1).empty());
            grid_screen().Hide();
        }
        QVERIFY(user.All_Used());
    }

    void printer_and_data_file_with_their_cancels()
    {
        Model_Store& s = store();
        s.File_Path = "/models/unity.vsr";
        s.Model_Name = "unity";
        // A long run for three pages: 130 rows.
        s.Num_Steps = 129;
        for (int i = 0; i <= 129; ++i) s.Theta_Data(i, 0) = static_cast<float>(i);
        Scripted_User user;
        Open_Print_Select();
        ps().opt_Whereto[1]->click();
        user.Print_To_Pdf("");
        Double_Click_Preset(0);
        QCOMPARE(user.printer_dialogs, 1);
        QVERIFY(user.boxes.empty() && !ps().isVisible());

        // Names of 200 characters are cut to the page: the numbers, date and time stay on it.
        s.Model_Name = std::string(200, 'M');
        s.Designer_Name = std::string(200, 'U');
        const QString pdf = Path("report.pdf");
        Open_Print_Select();
        QVERIFY(ps().opt_Whereto[0]->isChecked());
        ps().opt_Whereto[1]->click();
        user.Print_To_Pdf(pdf.toStdString());
        Double_Click_Preset(0);
        QVERIFY(user.boxes.empty());
        QProcess text;
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished(20000));
        const QString all = QString::fromUtf8(text.readAllStandardOutput());
        const QStringList pages = all.split('\f', Qt::SkipEmptyParts);
        QCOMPARE(pages.size(), 3);
        for (int p = 0; p < 3; ++p) {
            QVERIFY(pages[p].contains(QRegularExpression(QString("File: M+ +Design # 1 +Page +%1\\n").arg(p + 1))));
            QVERIFY(pages[p].contains(QRegularExpression("By: U+ +\\d\\d/\\d\\d/\\d{4} +\\d\\d:\\d\\d:\\d\\d\\n")));
            QVERIFY(pages[p].contains("Selected Linkage Parameters"));
            QVERIFY(pages[p].contains(QRegularExpression("Angle +Theta2 +Theta3 +Theta4 +Theta5")));
        }
        QVERIFY(pages[0].contains(QRegularExpression("\\n *59\\.000 +59\\.000 +0\\.000")));
        QVERIFY(!pages[0].contains(QRegularExpression("\\n *60\\.000 ")));
        QVERIFY(pages[1].contains(QRegularExpression("Deg[^\\n]*\\n\\s*60\\.000 +60\\.000")));
        QCOMPARE(pages[2].count(QRegularExpression("\\n *1[2-3][0-9]\\.000 ")), 10);

        // The data file: the model keeps its name and path; Cancel writes nothing and says nothing.
        s.Model_Name = "unity";
        Open_Print_Select();
        ps().opt_Whereto[2]->click();
        user.Cancel_Dialog();
        Double_Click_Preset(0);
        QVERIFY(user.boxes.empty() && QDir(dir.path()).entryList(QDir::Files).size() == 1);
        Open_Print_Select();
        ps().opt_Whereto[2]->click();
        const QString dat = Path("angles.dat");
        user.Choose_File(dat.toStdString());
        Double_Click_Preset(0);
        const File_Request& request = user.file_requests.back();
        QCOMPARE(request.title, std::string("Save the Data"));
        QCOMPARE(request.file_name, std::string("unity.dat"));
        QVERIFY(request.save);
        const std::string written = Slurp(dat);
        QVERIFY(written.find("File \tangles\t\tDesign #") != std::string::npos);
        QVERIFY(written.find("\r\n129.000\t129.000\t") != std::string::npos);
        QCOMPARE(s.Model_Name, std::string("unity"));
        QCOMPARE(s.File_Path, std::string("/models/unity.vsr"));

        // A target that cannot be written is reported under the save and left as it was.
        QVERIFY(QDir(dir.path()).mkdir("taken.dat"));
        Open_Print_Select();
        ps().opt_Whereto[2]->click();
        user.Choose_File(Path("taken.dat").toStdString()).Answer(Msg::Ans_Yes).Answer(Msg::Ans_Ok);  // replace it: yes
        Double_Click_Preset(0);
        QCOMPARE(user.boxes.size(), size_t(2));
        QVERIFY(user.boxes[1].prompt.find("frm_PrintSelect.SaveData") != std::string::npos);
        QVERIFY(QFileInfo(Path("taken.dat")).isDir());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);

        // A folder that does not exist: the path is at fault, with no advice about file names.
        Open_Print_Select();
        ps().opt_Whereto[2]->click();
        user.Choose_File(Path("missing/angles.dat").toStdString()).Answer(Msg::Ans_Ok);
        Double_Click_Preset(0);
        QCOMPARE(user.boxes.size(), size_t(3));
        QCOMPARE(user.boxes[2].prompt, std::string("Error 76   (Path not found)  has occurred in frm_PrintSelect.SaveData\r\n\r\n"));
        QVERIFY(!QFileInfo::exists(Path("missing")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

        // ".dat" is added unless the name ends with it, in any case; the header names the file.
        for (const auto& [chosen, file, name] : {std::tuple{"theta_export", "theta_export.dat", "theta_export"},
                                                 std::tuple{"x.DAT", "x.DAT", "x"}}) {
            Open_Print_Select();
            ps().opt_Whereto[2]->click();
            user.Choose_File(Path(chosen).toStdString());
            Double_Click_Preset(0);
            QVERIFY(Slurp(Path(file)).find(std::string("File \t") + name + "\t\tDesign #") != std::string::npos);
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
        QVERIFY(user.All_Used());
    }
};

QTEST_MAIN(Print_Select_Test)
#include "test_print_select.moc"
