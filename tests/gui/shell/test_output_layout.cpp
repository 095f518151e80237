// The output screens' shared layout: every screen on it fits its design size with the whole form
// header readable, and the labelling routines reach its panels.
#include <QtTest>
#include <functional>
#include <vector>

#include "dynamics/frm_FFT.h"
#include "dynamics/frm_Flywheel.h"
#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "platform/Screen_Metrics.h"
#include "output/frm_Plot3.h"
#include "shell/Output_Layout.h"

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
}  // namespace

class Output_Layout_Test : public QObject {
    Q_OBJECT

    std::vector<Candidate> Screens()
    {
        static Full_Output_Screen* full = nullptr;
        if (!full) full = new Full_Output_Screen;
        return {
            {"all parts", [] () -> Screen& { return *full; }, [] () -> Output_Layout& { return *full; }},
            {"frm_Flywheel", [] () -> Screen& { return Form<frm_Flywheel>(); }, [] () -> Output_Layout& { return Form<frm_Flywheel>(); }},
            {"frm_FFT", [] () -> Screen& { return Form<frm_FFT>(); }, [] () -> Output_Layout& { return Form<frm_FFT>(); }},
            {"frm_Plot3", [] () -> Screen& { return Form<frm_Plot3>(); }, [] () -> Output_Layout& { return Form<frm_Plot3>(); }},
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
            const QSize design(qRound(screen.Design_Width() / Screen_Metrics::Twips_Per_Pixel_X()),
                               qRound(screen.Design_Height() / Screen_Metrics::Twips_Per_Pixel_Y()));
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
};

QTEST_MAIN(Output_Layout_Test)
#include "test_output_layout.moc"
