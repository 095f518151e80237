#include <QSignalSpy>
#include <QtTest>
#include <cmath>

#include "platform/Picture_Box.h"
#include "runtime/Runtime_Error.h"

namespace {
constexpr int32_t Red = 0xFF0000, White = 0xFFFFFF, Black = 0x000000, Blue = 0x0000FF;

QRgb Pixel(const Picture_Box& box, int x, int y) { return box.Image().pixel(x, y) & 0xFFFFFF; }

template <typename Body>
int Error_Number(Body body)
{
    try {
        body();
    } catch (const Runtime_Error& e) {
        return e.number;
    }
    return 0;
}

// Distance from (cx, cy) to the first pixel of `colour` going in direction (dx, dy).
int Reach(const Picture_Box& box, int cx, int cy, int dx, int dy, QRgb colour)
{
    for (int d = 0; d < 1000; ++d) {
        int x = cx + d * dx, y = cy + d * dy;
        if (x < 0 || y < 0 || x >= box.Image().width() || y >= box.Image().height()) return -1;
        if (Pixel(box, x, y) == colour) return d;
    }
    return -1;
}

// Columns (of the print font) on row band [top, top + height) that hold any ink.
QSet<int> Inked_Columns(const Picture_Box& box, int top)
{
    QSet<int> columns;
    int cw = box.Column_Width();
    for (int y = top; y < top + box.Line_Height() && y < box.Image().height(); ++y)
        for (int x = 0; x < box.Image().width(); ++x)
            if (Pixel(box, x, y) != White) columns.insert(x / cw);
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
        box.Scale(0, 10, 20, 0);  // y grows upward
        box.Line(2, 5, 18, 5, Red);
        // x: 10 units of 20 over 200 px; y: 5 below the top of 10 over 100 px.
        QCOMPARE(Pixel(box, 100, 50), QRgb(Red));
        QCOMPARE(Pixel(box, 100, 45), QRgb(White));
        QCOMPARE(box.CurrentX(), 18.0);
        QCOMPARE(box.CurrentY(), 5.0);

        // Continuing from the pen: up to (18, 9), i.e. pixel row 10 at column 180.
        box.Line_To(18, 9, Blue);
        QCOMPARE(Pixel(box, 180, 30), QRgb(Blue));
        QCOMPARE(Pixel(box, 180, 10), QRgb(Blue));
        // A line reaching far beyond the window still shows its visible part.
        box.Line(-1e30, 2, 1e30, 2, Blue);
        QCOMPARE(Pixel(box, 37, 80), QRgb(Blue));
        box.Circle(10, 5, 1e20, Blue);
        box.PSet(1, 1, Black);
        QCOMPARE(Pixel(box, 10, 90), QRgb(Black));
        QCOMPARE(box.CurrentX(), 1.0);
    }

    void circles_stay_round_on_a_stretched_scale()
    {
        Picture_Box box;
        box.resize(300, 100);
        box.Cls();
        box.Scale(-1.5, 1, 1.5, -1);  // 100 px per x unit, 50 px per y unit
        box.Circle(0, 0, 0.4, Red);
        const int cx = 150, cy = 50;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
            int reach = Reach(box, cx, cy, dx, dy, Red);
            QVERIFY2(std::abs(reach - 40) <= 1, qPrintable(QString("radius %1 in direction %2,%3").arg(reach).arg(dx).arg(dy)));
        }
        QCOMPARE(box.CurrentX(), 0.0);
    }

    void setting_the_back_colour_clears_the_picture()
    {
        Picture_Box box;
        box.resize(60, 40);
        box.Cls();
        box.Scale(0, 0, 6, 4);
        box.Line(0, 2, 6, 2, Red);
        box.Circle(3, 2, 1, Blue);
        box.BackColor(Black);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) QCOMPARE(Pixel(box, x, y), QRgb(Black));
        // Cls fills with the new colour and puts the pen home.
        box.Line(0, 0, 6, 4, White);
        box.Cls();
        QCOMPARE(Pixel(box, 30, 20), QRgb(Black));
        QCOMPARE(box.CurrentX(), 0.0);
        QCOMPARE(box.CurrentY(), 0.0);
    }

    void impossible_windows_raise_error_5_and_keep_the_old_scale()
    {
        Picture_Box box;
        box.resize(100, 100);
        box.Scale(0, 10, 10, 0);
        QCOMPARE(Error_Number([&] { box.Scale(3, 10, 3, 0); }), 5);              // zero width
        QCOMPARE(Error_Number([&] { box.Scale(0, 0.0001f, 10, 0.0001f); }), 5);  // zero height
        QCOMPARE(Error_Number([&] { box.Scale(0, INFINITY, 10, 0); }), 5);
        QCOMPARE(Error_Number([&] { box.Scale(0, NAN, 10, 0); }), 5);
        QCOMPARE(Error_Number([&] { box.Scale(-3e38, 10, 3e38, 0); }), 0);  // wide but drawable
        QCOMPARE(Error_Number([&] { box.Scale(0, 1e300, 1, 0); }), 5);        // beyond a 32-bit float
        QCOMPARE(Error_Number([&] { box.Scale(0, 5e-324, 1e-323, 0); }), 5);  // one unit is more pixels than can be counted
        box.Scale(0, 10, 10, 0);
        QCOMPARE(Error_Number([&] { box.Scale(5, 5, 5, 5); }), 5);
        QPointF p = box.To_Pixels(5, 5);
        QCOMPARE(p, QPointF(50, 50));
        QCOMPARE(Error_Number([&] { box.DrawMode(3); }), 5);
    }

    void printed_text_follows_zones_and_tabs()
    {
        Picture_Box box;
        box.resize(500, 400);
        box.ForeColor(Black);
        box.Cls();
        // "   " then 3 as " 3 ", then column 8 holds " 12.5 ".
        box.Print().Text("   ").Number(3).Tab(8).Number(12.5f).End_Line();
        QSet<int> first = Inked_Columns(box, 0);
        QVERIFY(first.contains(4));
        QVERIFY(first.contains(8) && first.contains(11));
        for (int c : {0, 1, 2, 3, 5, 6, 7, 12, 13}) QVERIFY2(!first.contains(c), qPrintable(QString::number(c)));
        QCOMPARE(box.CurrentX(), 0.0);
        QCOMPARE(box.CurrentY(), double(box.Line_Height()));

        // A comma moves to column 15; a tab already passed goes to the next line.
        box.Print().Text("A").Comma().Text("B").Tab(3).Text("C").End_Line();
        QSet<int> second = Inked_Columns(box, box.Line_Height());
        QCOMPARE(second, (QSet<int>{0, 14}));
        QCOMPARE(Inked_Columns(box, 2 * box.Line_Height()), QSet<int>{2});

        // A statement left open goes on where it stopped.
        box.Print().Text("ab");
        box.Print().Text("cd").End_Line();
        QCOMPARE(Inked_Columns(box, 3 * box.Line_Height()), (QSet<int>{0, 1, 2, 3}));
        box.Cls();
        QVERIFY(Inked_Columns(box, 0).isEmpty());
    }

    void xor_drawing_twice_restores_the_picture()
    {
        Picture_Box box;
        box.resize(50, 50);
        box.Cls();
        box.Scale(0, 0, 50, 50);
        box.DrawMode(Picture_Box::Xor_Pen);
        box.Line(0, 25, 50, 25, Red);
        QCOMPARE(Pixel(box, 25, 25), QRgb(White ^ Red));
        box.Line(0, 25, 50, 25, Red);
        QCOMPARE(Pixel(box, 25, 25), QRgb(White));
        box.DrawMode(Picture_Box::Copy_Pen);
        box.Line(0, 25, 50, 25, Red);
        box.Line(0, 25, 50, 25, White);  // the erase pass of an animation wipes every pixel
        for (int x = 0; x < 50; ++x) QCOMPARE(Pixel(box, x, 25), QRgb(White));
    }

    void drawings_show_on_screen_and_survive_repaints()
    {
        Picture_Box box;
        box.resize(80, 60);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        box.Cls();
        box.Scale(0, 0, 80, 60);
        box.Line(10, 30, 70, 30, Red);
        box.Flush();
        box.repaint();
        QImage shown = box.grab().toImage();
        QCOMPARE(shown.pixel(40, 30) & 0xFFFFFF, QRgb(Red));
        QCOMPARE(shown.pixel(40, 20) & 0xFFFFFF, QRgb(White));
    }

    void mouse_positions_arrive_in_the_scale()
    {
        Picture_Box box;
        box.resize(200, 100);
        box.Scale(-10, 5, 10, -5);
        QSignalSpy moves(&box, &Picture_Box::MouseMove);
        QMouseEvent drag(QEvent::MouseMove, QPointF(150, 25), QPointF(150, 25), Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(&box, &drag);
        QCOMPARE(moves.count(), 1);
        QCOMPARE(moves[0][0].toInt(), 1);
        QCOMPARE(moves[0][1].toInt(), 1);
        QCOMPARE(moves[0][2].toDouble(), 5.0);
        QCOMPARE(moves[0][3].toDouble(), 2.5);
    }
};

QTEST_MAIN(Test_Picture_Box)
#include "test_picture_box.moc"
