#include <QSignalSpy>
#include <QtTest>
#include <cmath>

#include "platform/Gui_Test_Support.h"
#include "platform/Picture_Box.h"

namespace {
constexpr int32_t Red = 0xFF0000, White = 0xFFFFFF, Black = 0x000000, Blue = 0x0000FF;

QRgb Pixel(const Picture_Box& box, int x, int y) { return box.Image().pixel(x, y) & 0xFFFFFF; }

// Steps from (cx, cy) in direction (dx, dy) to the first pixel of the colour; -1 when none.
int Reach(const Picture_Box& box, int cx, int cy, int dx, int dy, QRgb colour)
{
    for (int d = 0; box.Image().valid(cx + d * dx, cy + d * dy); ++d)
        if (Pixel(box, cx + d * dx, cy + d * dy) == colour) return d;
    return -1;
}

int Count(const Picture_Box& box, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < box.Image().height(); ++y)
        for (int x = 0; x < box.Image().width(); ++x) n += Pixel(box, x, y) == colour;
    return n;
}

// Print columns holding ink on the printed line `line` (0-based).
QSet<int> Inked_Columns(const Picture_Box& box, int line)
{
    QSet<int> columns;
    for (int y = line * box.Line_Height(); y < (line + 1) * box.Line_Height(); ++y)
        for (int x = 0; x < box.Image().width(); ++x)
            if (Pixel(box, x, y) != White) columns.insert(x / box.Column_Width());
    return columns;
}
}  // namespace

class Test_Picture_Box : public QObject {
    Q_OBJECT
private slots:
    void scaled_lines_land_where_the_scale_puts_them()
    {
        Picture_Box box;
        box.resize(200, 100);
        box.Cls();
        box.Scale(0, 10, 20, 0);  // y grows upward; 10 px per unit across, 10 px per unit down
        box.Line(2, 5, 18, 5, Red);
        QCOMPARE(Pixel(box, 100, 50), QRgb(Red));
        QCOMPARE(Pixel(box, 100, 45), QRgb(White));
        QCOMPARE(std::pair(box.CurrentX(), box.CurrentY()), std::pair(18.0, 5.0));
        box.Line_To(18, 9, Blue);  // on from the pen, up to pixel row 10
        QCOMPARE(Pixel(box, 180, 30), QRgb(Blue));
        QCOMPARE(Pixel(box, 180, 10), QRgb(Blue));
        // A line reaching far beyond the window still shows its visible part.
        box.Line(-1e30, 2, 1e30, 2, Blue);
        QCOMPARE(Pixel(box, 37, 80), QRgb(Blue));
        box.PSet(1, 1, Black);
        QCOMPARE(Pixel(box, 10, 90), QRgb(Black));
    }

    void a_curve_in_one_pass_draws_what_its_lines_draw()
    {
        Picture_Box by_lines, in_one;
        const float x[] = {3, 7, 12, 19}, y[] = {8, 1, 6, 2};
        for (Picture_Box* box : {&by_lines, &in_one}) {
            box->resize(200, 100);
            box->Cls();
            box->Scale(0, 10, 20, 0);
            box->PSet(1, 1, Blue);
        }
        for (int i = 0; i < 4; ++i) by_lines.Line_To(x[i], y[i], Blue);
        in_one.Polyline_To(x, y, 4, Blue);
        int differ = 0;
        for (int py = 0; py < 100; ++py)
            for (int px = 0; px < 200; ++px) differ += Pixel(in_one, px, py) != Pixel(by_lines, px, py);
        QVERIFY(differ <= 4);  // at most a pixel at a joint
        QCOMPARE(Count(in_one, Blue), Count(by_lines, Blue));
        QCOMPARE(std::pair(in_one.CurrentX(), in_one.CurrentY()), std::pair(19.0, 2.0));
    }

    void circles_stay_round_on_a_stretched_scale()
    {
        Picture_Box box;
        box.resize(300, 100);
        box.Cls();
        box.Scale(-1.5, 1, 1.5, -1);  // 100 px per x unit, 50 px per y unit
        box.Circle(0, 0, 0.4, Red);
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            QVERIFY2(std::abs(Reach(box, 150, 50, dx, dy, Red) - 40) <= 1, qPrintable(QString("%1,%2").arg(dx).arg(dy)));
        QCOMPARE(box.CurrentX(), 0.0);
    }

    void the_back_colour_clears_and_the_erase_pass_wipes()
    {
        Picture_Box box;
        box.resize(60, 40);
        box.Cls();
        box.Scale(0, 0, 6, 4);
        box.Line(0, 1, 6, 3, Red);
        box.Circle(3, 2, 1, Blue);
        box.BackColor(Black);
        QCOMPARE(Count(box, Black), 60 * 40);
        // Drawing a figure again in the back colour leaves no trace of it.
        box.Line(0, 1, 6, 3, Red);
        box.Circle(3, 2, 1, Red);
        box.Line(0, 1, 6, 3, Black);
        box.Circle(3, 2, 1, Black);
        QVERIFY(Count(box, Red) == 0 && Count(box, Black) == 60 * 40);
        box.Cls();
        QCOMPARE(std::pair(box.CurrentX(), box.CurrentY()), std::pair(0.0, 0.0));
        // The invert-colour modes: a second XOR pass restores the picture.
        box.DrawMode(Picture_Box::Xor_Pen);
        box.Line(0, 2, 6, 2, Red);
        QCOMPARE(Pixel(box, 30, 20), QRgb(Red));
        box.Line(0, 2, 6, 2, Red);
        QCOMPARE(Pixel(box, 30, 20), QRgb(Black));
    }

    void impossible_windows_raise_error_5_and_keep_the_old_scale()
    {
        Picture_Box box;
        box.resize(100, 100);
        box.Scale(0, 10, 10, 0);
        QCOMPARE(Error_Number([&] { box.Scale(3, 10, 3, 0); }), 5);              // zero width
        QCOMPARE(Error_Number([&] { box.Scale(0, 0.0001f, 10, 0.0001f); }), 5);  // zero height
        QCOMPARE(Error_Number([&] { box.Scale(0, NAN, 10, 0); }), 5);
        QCOMPARE(Error_Number([&] { box.Scale(0, 1e300, 1, 0); }), 5);        // beyond a 32-bit float
        QCOMPARE(Error_Number([&] { box.Scale(0, 5e-324, 1e-323, 0); }), 5);  // too small a span to map
        box.Scale(0, 10, 10, 0);
        QCOMPARE(Error_Number([&] { box.Scale(5, 5, 5, 5); }), 5);
        QCOMPARE(box.To_Pixels(5, 5), QPointF(50, 50));
    }

    void printed_text_follows_zones_and_tabs()
    {
        Picture_Box box;
        box.resize(500, 400);
        box.Cls();
        // "   " then 3 as " 3 ", then column 8 holds " 12.5 ".
        box.Print().Text("   ").Number(3).Tab(8).Number(12.5f).End_Line();
        QCOMPARE(Inked_Columns(box, 0), (QSet<int>{4, 8, 9, 10, 11}));
        QCOMPARE(std::pair(box.CurrentX(), box.CurrentY()), std::pair(0.0, double(box.Line_Height())));
        // A comma goes on at column 15; a tab already passed goes to the next line.
        box.Print().Text("A").Comma().Text("B").Tab(3).Text("C").End_Line();
        QCOMPARE(Inked_Columns(box, 1), (QSet<int>{0, 14}));
        QCOMPARE(Inked_Columns(box, 2), QSet<int>{2});
        // A statement left open goes on where it stopped.
        box.Print().Text("ab");
        box.Print().Text("cd").End_Line();
        QCOMPARE(Inked_Columns(box, 3), (QSet<int>{0, 1, 2, 3}));
    }

    void drawings_show_and_the_mouse_speaks_in_the_scale()
    {
        Picture_Box box;
        box.resize(200, 100);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.Cls();
        box.Scale(-10, 5, 10, -5);
        box.Line(-9, 0, 9, 0, Red);
        box.Flush();
        box.repaint();
        QImage shown = box.grab().toImage();
        QCOMPARE(shown.pixel(100, 50) & 0xFFFFFF, QRgb(Red));
        QCOMPARE(shown.pixel(100, 40) & 0xFFFFFF, QRgb(White));

        QSignalSpy moves(&box, &Picture_Box::MouseMove);
        QMouseEvent drag(QEvent::MouseMove, QPointF(150, 25), QPointF(150, 25), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(&box, &drag);
        QCOMPARE(moves.count(), 1);
        QCOMPARE(moves[0], (QList<QVariant>{1, 1, 5.0, 2.5}));
    }
};

QTEST_MAIN(Test_Picture_Box)
#include "test_picture_box.moc"
