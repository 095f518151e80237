// The printer: a report in print-statement form and a screen image, both printed to PDF.
#include <QLabel>
#include <QPdfDocument>
#include <QPdfSelection>
#include <QRegularExpression>
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
class Red_Screen : public Screen {
public:
    Red_Screen() : Screen("frm_Matrix", 3000, 1500) { setStyleSheet("background: rgb(255,0,0)"); }
};

// Left edge, in points, of a word on a page.
double X_Of(QPdfDocument& pdf, int page, const QString& word)
{
    int i = pdf.getAllText(page).text().indexOf(word);
    return i < 0 ? -1 : pdf.getSelectionAtIndex(page, i, word.size()).boundingRectangle().left();
}

void Print_To(const QString& file)
{
    Scripted_User user;
    user.Print_To_Pdf(file.toStdString());
    Common_Dialog cd;
    cd.ShowPrinter();
}
}  // namespace

class Test_Printer : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void init() { Install_Qt_Port(); }
    void cleanup() { Unload_All_Screens(); }

    void a_report_breaks_pages_and_lines_up_zones_and_tabs()
    {
        QString file = dir.filePath("report.pdf");
        Print_To(file);
        Printer_Object& p = Printer();
        p.Out().Text("VSR").Comma().Text("File:").Comma().Text("Design #").Number(1).End_Line();
        p.Out().Text("Q").Tab(15).Text("TABBED").End_Line();
        p.Out().Comma().Text("ZONED").Comma().Number(-2.5f).End_Line();
        for (int i = 0; i < 170; ++i) p.Out().Comma().Text("row").Number(i).End_Line();
        QCOMPARE(p.Page(), 3);  // 173 lines at 80 a page
        p.NewPage();
        p.Out().Text("Page ").Number(p.Page()).End_Line();
        p.EndDoc();

        QPdfDocument pdf;
        QCOMPARE(pdf.load(file), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 4);
        QVERIFY(pdf.getAllText(0).text().contains("Design # 1"));
        QVERIFY(pdf.getAllText(3).text().contains(QRegularExpression("Page\\s+4")));
        // Column 15: where the Tab and the second zone both put their text.
        double tab_x = X_Of(pdf, 0, "TABBED");
        QVERIFY(tab_x > X_Of(pdf, 0, "VSR") + 10);
        QVERIFY(std::abs(tab_x - X_Of(pdf, 0, "ZONED")) < 1.0);
        QVERIFY(std::abs(tab_x - X_Of(pdf, 0, "File:")) < 1.0);
    }

    void a_screen_image_prints_on_one_page()
    {
        QString file = dir.filePath("screen.pdf");
        Print_To(file);
        auto& s = Form<Red_Screen>();
        s.Show_Modeless();
        Printer().Print_Form(s);
        QPdfDocument pdf;
        QCOMPARE(pdf.load(file), QPdfDocument::Error::None);
        QCOMPARE(pdf.pageCount(), 1);
        QImage page = pdf.render(0, QSize(400, 560));
        auto red = [&](int x, int y) { return page.pixelColor(x, y).red() > 240 && page.pixelColor(x, y).green() < 20; };
        QVERIFY(red(40, 40) && red(360, 40));  // scaled to the page width
        QVERIFY(!red(200, 500));
    }

    void an_unusable_printer_raises_an_error()
    {
        Printer_Object p;
        p.Device().setOutputFormat(QPrinter::PdfFormat);
        p.Device().setOutputFileName("/nonexistent-folder/x.pdf");
        p.Out().Text("x").End_Line();
        QVERIFY_THROWS_EXCEPTION(Runtime_Error, p.EndDoc());
    }
};

QTEST_MAIN(Test_Printer)
#include "test_printer.moc"
