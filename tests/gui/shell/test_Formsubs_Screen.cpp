// The output screens' label panel: captions written, rows shown and hidden, the rest untouched.
#include <QLabel>
#include <QtTest>

#include "model/Mod_Examples.h"
#include "model/Mod_Main.h"
#include "shell/Formsubs_Screen.h"

class Test_Label_Panel : public QObject {
    Q_OBJECT
    QWidget window;  // owns the labels
    QLabel* Make() { return new QLabel("old", &window); }
    template <size_t N>
    void Fill(std::array<QLabel*, N>& labels)
    {
        for (auto& l : labels) l = Make();
    }

private slots:
    void modes_switch_rows_and_keep_what_they_do_not_name()
    {
        reset_store();
        Initialize();
        Model_Store& s = store();
        s.Unit_System = 4;
        int16_t n = 18;
        Set_Unit_Labels(4, s.Unit_Label, n);
        Set_Decimals(s.Unit_System);
        s.Link_Lengths(1) = 0.04f;
        Output_Label_Panel p;
        Fill(p.lbl_Links);
        Fill(p.lbl_Units);
        Fill(p.lbl_Linkout2);
        Fill(p.lbl_Initial);
        Fill(p.lbl_Unit);
        window.show();

        Put_Time_Labels(p);
        QCOMPARE(p.lbl_Links[0]->text(), QString("4"));
        QCOMPARE(p.lbl_Units[5]->text(), QString("cm"));
        QCOMPARE(p.lbl_Initial[6]->text(), QString("Alpha0"));
        QVERIFY(p.lbl_Linkout2[6]->isVisible());

        Put_Angle_Labels(p);
        QVERIFY(!p.lbl_Linkout2[5]->isVisible() && !p.lbl_Linkout2[6]->isVisible());
        QCOMPARE(p.lbl_Initial[6]->text(), QString(""));

        Put_Position_Labels(p);
        QVERIFY(!p.lbl_Linkout2[2]->isVisible() && !p.lbl_Unit[2]->isVisible());
        QCOMPARE(p.lbl_Initial[4]->text(), QString("Omega2"));  // left as the angle run named it
        QCOMPARE(p.lbl_Linkout2[0]->text(), QString::fromStdString(s.Circuit_Name));
    }
};

QTEST_MAIN(Test_Label_Panel)
#include "test_Formsubs_Screen.moc"
