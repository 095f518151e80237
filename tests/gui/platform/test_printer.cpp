// The printer: a report in print-statement form and a screen image, both printed to PDF.
#include <QLabel>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "platform/Common_Dialog.h"
#include "platform/Message_Box.h"
#include "platform/Printer.h"
#include "platform/Screen.h"
#include "runtime/Runtime_Error.h"
#include "support/Scripted_User.h"

namespace {
class Picture_Screen : public Screen {
public:
    Picture_Screen() : Screen("frm_Matrix", 3000, 1500)
    {
        auto* layout = new QVBoxLayout(this);
        auto* red = new QLabel(this);
        red->setAutoFillBackground(true);
        red->setStyleSheet("background: rgb(255,0,0)");
        layout->addWidget(red);
    }
};

// Left edge, in points, of the first occurrence of a word on a page.
double X_Of(QPdfDocument& pdf, int page, const QString& word)
{
    QString all = pdf.getAllText(page).text();
    int i = all.indexOf(word);
    if (i < 0) return -1;
    return pdf.getSelectionAtIndex(page, i, word.size()).boundingRectangle().left();
}
}  // namespace

class Test_Printer : public QObject {
    Q_OBJECT
private slots:
    void init() { Install_Qt_Port(); }
    void cleanup() { Unload_All_Screens(); }

    void a_report_breaks_pages_and_lines_up_zones_and_tabs()
    {
        QTemporaryDir dir;
        QString file = dir.filePath("report.pdf");
        Scripted_User user;
        user.Print_To_Pdf(file.toStdString());
        Common_Dialog cd;
        cd.CancelError = true;
        cd.ShowPrinter();

        Printer_Object& p = Printer();
        p.Out().Text("VSR").Comma().Text("File: Model_1").Comma().Text("Design #").Number(1).Comma().Text("Page ").Number(
            p.Page());
        p.Out().End_Line();
        p.Out().Text("Q").Tab(15).Text("TABBED").End_Line();
        p.Out().Comma().Text("ZONED").Comma().Number(-2.5f).End_Line();
        for (int i = 0; i < 170; ++i) p.Out().Comma().Text("row").Number(i).End_Line();
        QCOMPARE(p.Page(), 3);  // 173 lines at 80 a page
        p.NewPage();
        p.Out().Text("Page ").Number(p.Page()).End_Line();
        p.EndDoc();
        QCOMPARE(p.Page(), 1);

        QPdfDocument pdf;
        QCOMPARE(pdf.load(file), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 4);
        QString first = pdf.getAllText(0).text();
        QVERIFY2(first.contains("Design # 1"), qPrintable(first.left(200)));
        QVERIFY(first.contains(QRegularExpression("Page\\s+1")));
        QVERIFY(first.contains("-2.5"));
        QVERIFY(pdf.getAllText(3).text().contains(QRegularExpression("Page\\s+4")));
        // Column 15 is where both the Tab and the second zone put their text.
        double tab_x = X_Of(pdf, 0, "TABBED");
        double zone_x = X_Of(pdf, 0, "ZONED");
        double file_x = X_Of(pdf, 0, "File:");
        double left_x = X_Of(pdf, 0, "VSR");
        QVERIFY(tab_x > left_x + 10);
        QVERIFY2(std::abs(tab_x - zone_x) < 1.0, qPrintable(QString("%1 %2").arg(tab_x).arg(zone_x)));
        QVERIFY(std::abs(tab_x - file_x) < 1.0);
    }

    void a_screen_image_prints_on_one_page()
    {
        QTemporaryDir dir;
        QString file = dir.filePath("screen.pdf");
        Scripted_User user;
        user.Print_To_Pdf(file.toStdString());
        Common_Dialog cd;
        cd.ShowPrinter();
        auto& s = Form<Picture_Screen>();
        s.Show_Modeless();
        Printer().Print_Form(s);

        QPdfDocument pdf;
        QCOMPARE(pdf.load(file), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 1);
        QImage page = pdf.render(0, QSize(400, 560));
        int red = 0;
        for (int y = 0; y < page.height(); y += 4)
            for (int x = 0; x < page.width(); x += 4) {
                QColor c = page.pixelColor(x, y);
                if (c.red() > 200 && c.green() < 60 && c.blue() < 60) ++red;
            }
        QVERIFY2(red > 100, qPrintable(QString::number(red)));
    }

    void printing_without_a_usable_printer_raises_an_error()
    {
        Printer_Object p;
        p.Device().setOutputFormat(QPrinter::PdfFormat);
        p.Device().setOutputFileName("/nonexistent-folder/x.pdf");
        bool raised = false;
        try {
            p.Out().Text("x").End_Line();
            p.EndDoc();
        } catch (const Runtime_Error& e) {
            raised = e.number == 482;
        }
        QVERIFY(raised);
    }
};

QTEST_MAIN(Test_Printer)
#include "test_printer.moc"
