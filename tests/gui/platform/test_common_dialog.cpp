// The common dialog: classic properties in and out, cancel raising 32755, the overwrite
// question, and Qt's own dialog given the classic filter.
#include <QApplication>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <fstream>

#include "platform/Common_Dialog.h"
#include "platform/Message_Box.h"
#include "runtime/Runtime_Error.h"
#include "support/Scripted_User.h"

namespace {
int Error_Of(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Runtime_Error& e) {
        return e.number;
    }
    return 0;
}
}  // namespace

class Test_Common_Dialog : public QObject {
    Q_OBJECT
private slots:
    void init() { Install_Qt_Port(); }

    void the_filter_splits_into_description_and_pattern_pairs()
    {
        auto f = Parse_Filter("Vastrel (*.vsr)|*.vsr|All (*.*)|*.*|");
        QCOMPARE(f.size(), size_t(2));
        QCOMPARE(QString::fromStdString(f[1].first), QString("All (*.*)"));
        QCOMPARE(QString::fromStdString(f[1].second), QString("*.*"));
        QCOMPARE(Parse_Filter("(*.dat)|*.dat").size(), size_t(1));
        QCOMPARE(Parse_Filter("").size(), size_t(0));
    }

    void open_passes_the_properties_and_returns_the_full_path()
    {
        Scripted_User user;
        user.Choose_File("/home/u/models/crank.vsr", 2);
        Common_Dialog cd;
        cd.CancelError = true;
        cd.DialogTitle = "Open a model";
        cd.Filter = "Vastrel (*.vsr)|*.vsr|All (*.*)|*.*|";
        cd.FilterIndex = 1;
        cd.FileName = "*.vsr";
        cd.ShowOpen();
        QCOMPARE(QString::fromStdString(cd.FileName), QString("/home/u/models/crank.vsr"));
        QCOMPARE(cd.FilterIndex, 2);
        const File_Request& r = user.file_requests.at(0);
        QVERIFY(!r.save);
        QCOMPARE(QString::fromStdString(r.title), QString("Open a model"));
        QCOMPARE(r.filters.size(), size_t(2));
        QCOMPARE(r.filter_index, 1);
        QCOMPARE(QString::fromStdString(r.file_name), QString("*.vsr"));
    }

    void cancel_raises_32755_only_when_cancel_error_is_set()
    {
        Scripted_User user;
        user.Cancel_Dialog().Cancel_Dialog().Print_To_Pdf("");
        Common_Dialog cd;
        cd.FileName = "Model_1.vsr";
        cd.CancelError = true;
        QCOMPARE(Error_Of([&] { cd.ShowSave(); }), 32755);
        QCOMPARE(QString::fromStdString(cd.FileName), QString("Model_1.vsr"));
        cd.CancelError = false;
        QCOMPARE(Error_Of([&] { cd.ShowOpen(); }), 0);
        cd.CancelError = true;
        QCOMPARE(Error_Of([&] { cd.ShowPrinter(); }), 32755);
        QCOMPARE(user.printer_dialogs, 1);
    }

    void saving_over_a_file_asks_first_when_flag_2_is_set()
    {
        QTemporaryDir dir;
        std::string existing = dir.filePath("Model_1.vsr").toStdString();
        std::ofstream(existing) << "x";
        std::string fresh = dir.filePath("Model_2.vsr").toStdString();

        Scripted_User user;
        user.Choose_File(existing).Answer(Msg::Ans_No).Choose_File(fresh);
        Common_Dialog cd;
        cd.Flags = Cdl::Overwrite_Prompt;
        cd.FileName = "Model_1.vsr";
        cd.ShowSave();
        QCOMPARE(QString::fromStdString(cd.FileName), QString::fromStdString(fresh));
        QCOMPARE(user.boxes.size(), size_t(1));
        QCOMPARE(QString::fromStdString(user.boxes[0].prompt),
                 QString::fromStdString(existing + " already exists.\rDo you want to replace it?"));
        QCOMPARE(user.boxes[0].style, Msg::Yes_No | Msg::Exclamation | Msg::Default_Button2);
        QCOMPARE(user.file_requests.size(), size_t(2));  // the dialog came back after No

        user.Choose_File(existing).Answer(Msg::Ans_Yes);
        cd.ShowSave();
        QCOMPARE(QString::fromStdString(cd.FileName), QString::fromStdString(existing));

        user.Choose_File(existing);  // no flag: no question
        cd.Flags = 0;
        cd.ShowSave();
        QCOMPARE(user.boxes.size(), size_t(2));
        QVERIFY(user.All_Used());
    }

    void qt_dialog_shows_the_title_and_filters_and_cancel_is_silent_without_cancel_error()
    {
        QStringList filters;
        QString title;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            filters = d->nameFilters();
            title = d->windowTitle();
            d->reject();
        });
        Common_Dialog cd;
        cd.DialogTitle = "Save the Data";
        cd.Filter = "(*.dat)|*.dat";
        cd.FileName = "Model_1.dat";
        cd.ShowSave();
        QCOMPARE(title, QString("Save the Data"));
        QCOMPARE(filters, QStringList{"(*.dat)"});
        QCOMPARE(QString::fromStdString(cd.FileName), QString("Model_1.dat"));
    }
};

QTEST_MAIN(Test_Common_Dialog)
#include "test_common_dialog.moc"
