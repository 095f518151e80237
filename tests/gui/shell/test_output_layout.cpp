// The output screens' shared layout: every screen on it fits its design size with the whole form
// header readable, the labelling routines reach its panels, and no text moves a screen.
#include <QtTest>
#include <functional>
#include <vector>

#include "dynamics/frm_FFT.h"
#include "dynamics/frm_Flywheel.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "output/frm_MyPlot3.h"
#include "output/frm_MyPlot4.h"
#include "output/frm_Myplot2.h"
#include "output/frm_Plot1.h"
#include "output/frm_Plot2.h"
#include "output/frm_Plot3.h"
#include "output/frm_PrintData.h"
#include "platform/Fit_Label.h"
#include "platform/Qt_Text.h"
#include "platform/Screen_Metrics.h"
#include "selection/frm_PrintSelect.h"
#include "shell/Output_Layout.h"
#include "shell/Shell_Test_Support.h"
#include "shell/frm_Animate.h"
#include "support/Scripted_User.h"

namespace {
// A screen with every part, as the plot and grid screens have them.
struct Full_Output_Screen : Screen, Output_Layout {
    Full_Output_Screen() : Screen("Full_Output_Screen", 11850, 8950) { Build_Output_Layout(*this, *this, All_Output_Parts); }
};

struct Candidate {
    const char* name;
    std::function<Screen&()> screen;
    std::function<Output_Layout&()> layout;
};

template <class S>
Candidate Output_Screen(const char* name)
{
    return {name, [] () -> Screen& { return Form<S>(); }, [] () -> Output_Layout& { return Form<S>(); }};
}

QSize Design_Size(const Screen& screen)
{
    return {qRound(screen.Design_Width() / Screen_Metrics::Twips_Per_Pixel_X()),
            qRound(screen.Design_Height() / Screen_Metrics::Twips_Per_Pixel_Y())};
}

// What a long text could move: the window, and the charts, grid or picture beside the panels.
struct Placement {
    QSize window;
    QRect content;
    bool operator==(const Placement&) const = default;
};

// A changed text's layout requests travel up one parent at a time.
void Settle()
{
    for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
}

void Set_Names(const std::string& name)
{
    store().Designer_Name = name;
    store().File_Path = "/tmp/" + name + ".vsr";
    store().Model_Name = name;
}

// Every cell's text fits its column, and the columns span the grid as the listing sized them.
void Verify_Whole_Cells(Grid_Control& grid)
{
    int total = 0;
    for (int c = 0; c < grid.columnCount(); ++c) {
        total += grid.columnWidth(c);
        for (int r = 0; r < grid.rowCount(); ++r) {
            const QString text = grid.item(r, c) ? grid.item(r, c)->text() : QString();
            QVERIFY2(grid.fontMetrics().horizontalAdvance(text) + 6 <= grid.columnWidth(c), qPrintable(text));
        }
    }
    QVERIFY2(total >= grid.viewport()->width() * 0.9, qPrintable(QString::number(total)));
}
}  // namespace

class Output_Layout_Test : public QObject {
    Q_OBJECT

    std::vector<Candidate> Screens()
    {
        static Full_Output_Screen* full = nullptr;
        if (!full) full = new Full_Output_Screen;
        return {
            {"all parts", [] () -> Screen& { return *full; }, [] () -> Output_Layout& { return *full; }},
            Output_Screen<frm_Flywheel>("frm_Flywheel"),
            Output_Screen<frm_FFT>("frm_FFT"),
            Output_Screen<frm_Plot3>("frm_Plot3"),
            Output_Screen<frm_MyPlot4>("frm_MyPlot4"),
        };
    }

private slots:
    void initTestCase()
    {
        reset_store();
        Initialize();
        Screen_Metrics::Use_Fake(1920, 1080);
    }

    // The window manager keeps a window at least its layout's minimum: a layout larger than the
    // design size made the screen taller than designed. After Save As the header has five lines.
    void each_screen_fits_its_design_size_with_the_whole_header()
    {
        Model_Store& s = store();
        s.Designer_Name = "A. Designer";
        s.File_Path = "/tmp/model.vsr";
        s.Model_Name = "model.vsr";
        for (const Candidate& c : Screens()) {
            Screen& screen = c.screen();
            Output_Layout& layout = c.layout();
            const QSize design = Design_Size(screen);
            QVERIFY2(screen.minimumSizeHint().width() <= design.width() &&
                         screen.minimumSizeHint().height() <= design.height(),
                     c.name);
            Titlebox(layout);
            QVERIFY(layout.lbl_Header->text().contains("File: model.vsr"));
            screen.resize(design);
            screen.show();
            QCoreApplication::processEvents();
            QVERIFY2(layout.lbl_Header->height() >= layout.lbl_Header->sizeHint().height(), c.name);
            QCOMPARE(screen.size(), design);
            screen.hide();
        }
    }

    void labelling_routines_write_into_the_panels()
    {
        Full_Output_Screen& f = static_cast<Full_Output_Screen&>(Screens()[0].screen());
        Put_Angle_Labels(f);
        QCOMPARE(f.lbl_Initial[1]->text(), QString("Min Theta"));
        QCOMPARE(f.lbl_Linkout2[0]->text(), QString::fromStdString(store().Circuit_Name));
        QCOMPARE(f.lbl_Links[7]->text(), QString("-1.0"));
        Put_Coordinate_Labels(f, 1);
        QCOMPARE(f.lbl_Coord->text(), QString("Local Rotating"));
        Put_Coordinate_Labels(f, 0);
        QCOMPARE(f.lbl_Coord->text(), QString("Global"));
    }

    // A 200-character user and model name, a long title and a long value are cut at their
    // panels' edges with the whole text as tooltip; no screen, chart, grid or picture moves, and
    // the listing after the name is shortened shows its cells whole across the grid.
    void long_names_are_cut_and_move_nothing()
    {
        int exits = 0;
        Fresh_Program(exits);
        Start_To_Home();
        Calculate_First_Example();
        Scripted_User user;
        const std::string long_name(200, 'W');
        const QString long_value(60, '8');

        auto list_four = [] {
            frm_PrintSelect& ps = Form<frm_PrintSelect>();
            store().Reset_Selections = true;
            ps.Show_Modeless();
            ps.cmb_Preset->Set_List_Index(1);
            ps.cmd_Done->click();
            Settle();
        };
        frm_PrintData& listing = Form<frm_PrintData>();
        Set_Names("A. Designer");
        list_four();
        const Placement grid_before{listing.size(), listing.grd_Data->geometry()};
        Set_Names(long_name);
        list_four();
        QCOMPARE((Placement{listing.size(), listing.grd_Data->geometry()}), grid_before);
        Verify_Whole_Cells(*listing.grd_Data);
        Set_Names("A. Designer");
        list_four();
        Verify_Whole_Cells(*listing.grd_Data);
        listing.Hide();

        std::vector<Candidate> screens = {
            Output_Screen<frm_PrintData>("frm_PrintData"), Output_Screen<frm_Plot1>("frm_Plot1"),
            Output_Screen<frm_Plot2>("frm_Plot2"),         Output_Screen<frm_Plot3>("frm_Plot3"),
            Output_Screen<frm_Myplot2>("frm_Myplot2"),     Output_Screen<frm_MyPlot3>("frm_MyPlot3"),
            Output_Screen<frm_MyPlot4>("frm_MyPlot4"),     Output_Screen<frm_FFT>("frm_FFT"),
            Output_Screen<frm_Flywheel>("frm_Flywheel"),
        };
        for (const Candidate& c : screens) {
            Screen& screen = c.screen();
            Output_Layout& layout = c.layout();
            screen.resize(Design_Size(screen));
            screen.show();
            Set_Names("A. Designer");
            Titlebox(layout);
            Settle();
            const Placement before{screen.size(), layout.Content->geometry()};

            Set_Names(long_name);
            Titlebox(layout);
            if (layout.lbl_Header2) layout.lbl_Header2->setText(Q_Text(long_name));
            if (layout.lbl_Links[0]) layout.lbl_Links[0]->setText(long_value);
            Settle();
            QCOMPARE((Placement{screen.size(), layout.Content->geometry()}), before);
            for (QLabel* panel : {layout.lbl_Header, layout.lbl_Header2, layout.lbl_Links[0]}) {
                auto* fit = qobject_cast<Fit_Label*>(panel);
                if (!panel) continue;
                QVERIFY2(fit, c.name);
                fit->repaint();
                QVERIFY2(fit->Is_Cut() && fit->toolTip() == fit->text(), c.name);
                QVERIFY2(fit->Shown_Lines().first().endsWith(QChar(0x2026)), c.name);
            }
            screen.hide();
        }

        // The animation screen's header beside its picture.
        frm_Animate& anim = Form<frm_Animate>();
        anim.resize(Design_Size(anim));
        anim.show();
        Set_Names("A. Designer");
        Has_Header header{anim.lbl_Header};
        Titlebox(header);
        Settle();
        const Placement before{anim.size(), anim.Picture1->geometry()};
        Set_Names(long_name);
        Titlebox(header);
        Settle();
        QCOMPARE((Placement{anim.size(), anim.Picture1->geometry()}), before);
        anim.lbl_Header->repaint();
        QCOMPARE(anim.lbl_Header->toolTip(), anim.lbl_Header->text());
        anim.hide();
        QVERIFY(user.boxes.empty());
    }
};

QTEST_MAIN(Output_Layout_Test)
#include "test_output_layout.moc"
