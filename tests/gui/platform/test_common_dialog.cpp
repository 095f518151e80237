// The common dialog: properties in and out, cancel raising 32755, the overwrite question, and
// Qt's own dialog given the classic filter.
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

    void cancel_raises_32755_only_when_cancel_error_is_set()
    {
        Scripted_User user;
        user.Cancel_Dialog().Cancel_Dialog().Print_To_Pdf("").Choose_File("/m/crank.vsr", 2);
        Common_Dialog cd;
        cd.FileName = "Model_1.vsr";
        cd.CancelError = true;
        QCOMPARE(Error_Of([&] { cd.ShowSave(); }), 32755);
        QCOMPARE(Error_Of([&] { cd.ShowPrinter(); }), 32755);
        cd.CancelError = false;
        QCOMPARE(Error_Of([&] { cd.ShowOpen(); }), 0);
        QCOMPARE(QString::fromStdString(cd.FileName), QString("Model_1.vsr"));
        cd.ShowOpen();
        QCOMPARE(QString::fromStdString(cd.FileName), QString("/m/crank.vsr"));
        QCOMPARE(cd.FilterIndex, 2);
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
        cd.ShowSave();
        QCOMPARE(QString::fromStdString(cd.FileName), QString::fromStdString(fresh));
        QCOMPARE(QString::fromStdString(user.boxes.at(0).prompt),
                 QString::fromStdString(existing + " already exists.\rDo you want to replace it?"));
        QCOMPARE(user.file_requests.size(), size_t(2));  // the dialog came back after No

        user.Choose_File(existing).Answer(Msg::Ans_Yes).Choose_File(existing);
        cd.ShowSave();
        QCOMPARE(QString::fromStdString(cd.FileName), QString::fromStdString(existing));
        cd.Flags = 0;  // no flag: no question
        cd.ShowSave();
        QCOMPARE(user.boxes.size(), size_t(2));
        QVERIFY(user.All_Used());
    }

    void qt_dialog_gets_the_title_filters_and_proposed_name()
    {
        QStringList filters;
        QString title, name;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!d) return;
            filters = d->nameFilters();
            title = d->windowTitle();
            name = d->selectedFiles().value(0);
            d->reject();
        });
        Common_Dialog cd;
        cd.DialogTitle = "Open a model";
        cd.Filter = "Vastrel (*.vsr)|*.vsr|All (*.*)|*.*|";
        cd.FilterIndex = 1;
        cd.FileName = "Model_1.vsr";
        cd.ShowOpen();
        QCOMPARE(title, QString("Open a model"));
        QCOMPARE(filters, (QStringList{"Vastrel (*.vsr)", "All (*.*)"}));
        QVERIFY(name.endsWith("Model_1.vsr"));
    }
};

QTEST_MAIN(Test_Common_Dialog)
#include "test_common_dialog.moc"
