#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <vector>

#include "platform/Graph_Control.h"
#include "runtime/Runtime_Error.h"

namespace {
const QSize Size(600, 400);

void Fill(Graph_Control& graph, const std::vector<std::vector<float>>& sets)
{
    graph.DrawMode(2);
    graph.NumSets(static_cast<int16_t>(sets.size()));
    graph.NumPoints(static_cast<int16_t>(sets[0].size()));
    for (size_t s = 0; s < sets.size(); ++s) {
        graph.ThisSet(static_cast<int16_t>(s + 1));
        for (size_t p = 0; p < sets[s].size(); ++p) {
            graph.ThisPoint(static_cast<int16_t>(p + 1));
            graph.GraphData(sets[s][p]);
        }
    }
}

int Colour_Distance(QRgb a, const QColor& b)
{
    return std::abs(qRed(a) - b.red()) + std::abs(qGreen(a) - b.green()) + std::abs(qBlue(a) - b.blue());
}

// True when a pixel within `radius` of p is close to the colour.
bool Near_Colour(const QImage& image, QPointF p, const QColor& colour, int radius = 1, int tolerance = 120)
{
    int x0 = static_cast<int>(std::floor(p.x())), y0 = static_cast<int>(std::floor(p.y()));
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            int x = x0 + dx, y = y0 + dy;
            if (x >= 0 && y >= 0 && x < image.width() && y < image.height() && Colour_Distance(image.pixel(x, y), colour) <= tolerance)
                return true;
        }
    return false;
}

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

// Runs of curve-coloured pixels along the row through y, across the plot.
std::vector<int> Ink_Runs(const QImage& image, const QRectF& plot, double y, const QColor& colour)
{
    std::vector<int> runs;
    int run = 0;
    for (int x = static_cast<int>(plot.left()) + 3; x < static_cast<int>(plot.right()) - 3; ++x) {
        bool ink = false;
        for (int dy = -1; dy <= 1; ++dy)
            ink = ink || Colour_Distance(image.pixel(x, static_cast<int>(std::lround(y)) + dy), colour) < 200;
        if (ink) {
            ++run;
        } else if (run) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run) runs.push_back(run);
    return runs;
}
}  // namespace

class Test_Graph_Control : public QObject {
    Q_OBJECT
private slots:
    void curve_passes_through_every_data_point()
    {
        Graph_Control graph;
        std::vector<float> values;
        for (int i = 0; i <= 36; ++i) values.push_back(static_cast<float>(7.3 * std::sin(i * M_PI / 18) - 1.2));
        Fill(graph, {values});
        QImage image = graph.Render_Image(Size);
        Graph_Control::Layout layout = graph.Compute_Layout(QRectF(QPointF(0, 0), QSizeF(Size)));
        for (int p = 1; p <= 37; ++p) {
            QPointF at = graph.Point_Position(layout, 1, p);
            QVERIFY2(Near_Colour(image, at, graph.Curve_Colour(1)), qPrintable(QString("point %1").arg(p)));
        }
        // Points spread evenly from the left to the right edge of the data area.
        QCOMPARE(graph.Point_Position(layout, 1, 1).x(), layout.plot.left());
        QCOMPARE(graph.Point_Position(layout, 1, 37).x(), layout.plot.right());
        QVERIFY(std::fabs(graph.Point_Position(layout, 1, 19).x() - layout.plot.center().x()) < 1e-9);
    }

    void y_axis_covers_the_data_with_round_ticks()
    {
        Graph_Control graph;
        Fill(graph, {{-8.5f, 3.f, 93.2f}, {0.f, 12.f, 40.f}});
        Graph_Control::Layout layout = graph.Compute_Layout(QRectF(0, 0, 600, 400));
        QVERIFY(layout.y_min <= -8.5 && layout.y_max >= 93.2);
        double mantissa = layout.y_step / std::pow(10.0, std::floor(std::log10(layout.y_step)));
        QVERIFY2(mantissa == 1 || mantissa == 2 || mantissa == 2.5 || mantissa == 5, qPrintable(QString::number(layout.y_step)));
        QCOMPARE(std::remainder(layout.y_min, layout.y_step), 0.0);
        QCOMPARE(std::remainder(layout.y_max, layout.y_step), 0.0);
        QVERIFY(layout.y_min > -8.5 - layout.y_step && layout.y_max < 93.2 + layout.y_step);
        int divisions = static_cast<int>(std::lround((layout.y_max - layout.y_min) / layout.y_step));
        QVERIFY(divisions >= 2 && divisions <= 12);

        // A flat zero curve and a single point still get an axis and are drawn.
        Graph_Control flat;
        Fill(flat, {{0.f}});
        layout = flat.Compute_Layout(QRectF(0, 0, 600, 400));
        QVERIFY(layout.y_min < 0 && layout.y_max > 0);
        QImage image = flat.Render_Image(Size);
        QVERIFY(Near_Colour(image, flat.Point_Position(layout, 1, 1), flat.Curve_Colour(1)));

        // Values that cannot be drawn neither stretch the axis nor stop the rest of the curve.
        Graph_Control gaps;
        Fill(gaps, {{1.f, NAN, 2.f, INFINITY, 3.f, 4.f}});
        layout = gaps.Compute_Layout(QRectF(0, 0, 600, 400));
        QVERIFY(layout.y_max < 10);
        image = gaps.Render_Image(Size);
        QVERIFY(Near_Colour(image, (gaps.Point_Position(layout, 1, 5) + gaps.Point_Position(layout, 1, 6)) / 2, gaps.Curve_Colour(1)));
    }

    void graph_styles_draw_lines_sticks_or_both()
    {
        // Point 2 stands at 8 between two zeros: its stick is vertical, the lines are not.
        std::vector<float> zigzag = {0, 8, 0, 8, 0};
        auto render = [&](int16_t style, QPointF& stick_middle, QPointF& segment_middle, QColor& colour) {
            Graph_Control graph;
            Fill(graph, {zigzag});
            graph.GraphStyle(style);
            Graph_Control::Layout layout = graph.Compute_Layout(QRectF(QPointF(0, 0), QSizeF(Size)));
            QPointF top = graph.Point_Position(layout, 1, 2), base = graph.Point_Position(layout, 1, 3);
            stick_middle = QPointF(top.x(), (top.y() + base.y()) / 2);
            segment_middle = (graph.Point_Position(layout, 1, 1) + top) / 2;
            colour = graph.Curve_Colour(1);
            return graph.Render_Image(Size);
        };
        QPointF stick, segment;
        QColor colour;
        for (int16_t style : {0, 4}) {
            QImage image = render(style, stick, segment, colour);
            QVERIFY(Near_Colour(image, segment, colour));
            QVERIFY(!Near_Colour(image, stick, colour, 2));
        }
        QImage sticks = render(Graph_Control::Style_Sticks, stick, segment, colour);
        QVERIFY(Near_Colour(sticks, stick, colour));
        QVERIFY(!Near_Colour(sticks, segment, colour, 2));
        QImage both = render(Graph_Control::Style_Sticks | Graph_Control::Style_Lines, stick, segment, colour);
        QVERIFY(Near_Colour(both, stick, colour));
        QVERIFY(Near_Colour(both, segment, colour));
    }

    void grid_styles_add_horizontal_and_vertical_lines()
    {
        std::vector<float> low(13, -10.f);
        low[12] = 10.f;
        for (int16_t style = 0; style <= 3; ++style) {
            Graph_Control graph;
            Fill(graph, {low});
            graph.LabelEvery(4);
            graph.GridStyle(style);
            QImage image = graph.Render_Image(Size);
            Graph_Control::Layout layout = graph.Compute_Layout(QRectF(QPointF(0, 0), QSizeF(Size)));
            QColor background = Graph_Control::Palette_Colour(graph.Background());
            // A grid row at the first tick above the bottom, away from the curve and the vertical lines.
            double row = layout.plot.bottom() - layout.y_step / (layout.y_max - layout.y_min) * layout.plot.height();
            double column = graph.Point_Position(layout, 1, 5).x();
            double row_probe_x = (graph.Point_Position(layout, 1, 2).x() + graph.Point_Position(layout, 1, 3).x()) / 2;
            double column_probe_y = (layout.plot.top() + row) / 2 + 3;
            bool horizontal = Colour_Distance(image.pixel(int(row_probe_x), int(std::lround(row))), background) > 30;
            bool vertical = Colour_Distance(image.pixel(int(std::lround(column)), int(column_probe_y)), background) > 30;
            QCOMPARE(horizontal, style == 1 || style == 3);
            QCOMPARE(vertical, style == 2 || style == 3);
        }
    }

    void four_patterns_are_told_apart()
    {
        Graph_Control graph;
        std::vector<std::vector<float>> flat;
        // Away from the frame, where tick marks would cut the rows.
        for (int s = 0; s < 4; ++s) flat.push_back(std::vector<float>(50, static_cast<float>(12 + s * 7)));
        Fill(graph, flat);
        graph.PatternedLines(1);
        for (int16_t s = 1; s <= 4; ++s) {
            graph.ThisSet(s);
            graph.PatternData(static_cast<int16_t>(s - 1));
        }
        QImage image = graph.Render_Image(Size);
        Graph_Control::Layout layout = graph.Compute_Layout(QRectF(QPointF(0, 0), QSizeF(Size)));
        std::vector<std::vector<int>> runs;
        for (int s = 1; s <= 4; ++s)
            runs.push_back(Ink_Runs(image, layout.plot, graph.Point_Position(layout, s, 10).y(), graph.Curve_Colour(s)));
        QCOMPARE(runs[0].size(), size_t(1));  // solid
        // Whole dashes only: the first and last may be cut by the ends of the curve.
        auto longest = [](const std::vector<int>& r) { return *std::max_element(r.begin() + 1, r.end() - 1); };
        auto shortest = [](const std::vector<int>& r) { return *std::min_element(r.begin() + 1, r.end() - 1); };
        QVERIFY(runs[1].size() > 10 && shortest(runs[1]) >= 5);                          // dashes
        QVERIFY(runs[2].size() > runs[1].size() && longest(runs[2]) <= 4);               // dots
        QVERIFY(runs[3].size() > 10 && longest(runs[3]) >= 6 && shortest(runs[3]) <= 4);  // dash and dot
        // Patterns off: every curve solid.
        graph.PatternedLines(0);
        image = graph.Render_Image(Size);
        for (int s = 1; s <= 4; ++s)
            QCOMPARE(Ink_Runs(image, layout.plot, graph.Point_Position(layout, s, 10).y(), graph.Curve_Colour(s)).size(), size_t(1));
    }

    void background_palette_and_legend()
    {
        Graph_Control graph;
        Fill(graph, {{1, 2, 3}, {3, 2, 1}});
        for (auto [index, rgb] : {std::pair{15, qRgb(255, 255, 255)}, {1, qRgb(0, 0, 128)}, {7, qRgb(192, 192, 192)}}) {
            graph.Background(static_cast<int16_t>(index));
            QImage image = graph.Render_Image(Size);
            QCOMPARE(image.pixel(2, 2) & 0xFFFFFF, rgb & 0xFFFFFF);
            // Curves and text stand out from the background.
            for (int s = 1; s <= 2; ++s) QVERIFY(Colour_Distance(rgb, graph.Curve_Colour(s)) > 150);
            QVERIFY(Colour_Distance(rgb, graph.Text_Colour()) > 300);
        }
        QVERIFY(graph.Curve_Colour(1) != graph.Curve_Colour(2));
        QCOMPARE(Error_Number([&] { graph.Background(16); }), 5);

        QRectF area(QPointF(0, 0), QSizeF(Size));
        double without = graph.Compute_Layout(area).plot.right();
        QVERIFY(graph.Compute_Layout(area).legend.isEmpty());
        graph.ThisSet(2);
        graph.LegendText("Link 3 Ang deg");
        Graph_Control::Layout layout = graph.Compute_Layout(area);
        QVERIFY(!layout.legend.isEmpty());
        QVERIFY(layout.plot.right() < layout.legend.left() && layout.plot.right() < without);
        QVERIFY(layout.legend.right() <= area.right());
    }

    void labels_every_n_points_and_default_labels()
    {
        Graph_Control graph;
        Fill(graph, {std::vector<float>(11, 1.f)});
        graph.LabelEvery(2);
        graph.TickEvery(1);
        for (int16_t p = 1; p <= 11; ++p) {
            graph.ThisPoint(p);
            graph.LabelText(7);
        }
        QCOMPARE(graph.Label(3), std::string("7"));
        QImage image = graph.Render_Image(Size);
        Graph_Control::Layout layout = graph.Compute_Layout(QRectF(QPointF(0, 0), QSizeF(Size)));
        QColor ink = graph.Text_Colour();
        auto inked_below = [&](int point) {
            double x = graph.Point_Position(layout, 1, point).x();
            for (int y = static_cast<int>(layout.plot.bottom()) + 8; y < static_cast<int>(layout.plot.bottom()) + 22; ++y)
                for (int dx = -2; dx <= 2; ++dx)
                    if (Colour_Distance(image.pixel(static_cast<int>(x) + dx, y), ink) < 200) return true;
            return false;
        };
        for (int p = 1; p <= 11; ++p) QCOMPARE(inked_below(p), p % 2 == 1);

        // Points without a label show their number.
        Graph_Control plain;
        Fill(plain, {{1, 2, 3}});
        QCOMPARE(plain.Label(2), std::string());
        QVERIFY(plain.Render_Image(Size) != graph.Render_Image(Size));
    }

    void writes_address_cells_and_keep_them()
    {
        Graph_Control graph;
        Fill(graph, {{1, 2, 3}, {4, 5, 6}});
        graph.NumPoints(3);  // written again before the data: nothing is lost
        QCOMPARE(graph.Data(2, 3), 6.f);
        graph.ThisSet(1);
        graph.ThisPoint(2);
        graph.GraphData(9);
        QCOMPARE(graph.Data(1, 2), 9.f);
        QCOMPARE(graph.Data(2, 2), 5.f);
        QCOMPARE(Error_Number([&] { graph.ThisPoint(4); }), 5);
        QCOMPARE(Error_Number([&] { graph.ThisSet(3); }), 5);
        QCOMPARE(Error_Number([&] { graph.NumSets(5); }), 5);
        QCOMPARE(Error_Number([&] { graph.NumPoints(0); }), 5);
        graph.ThisPoint(3);
        graph.NumPoints(2);
        QCOMPARE(Error_Number([&] { graph.GraphData(1); }), 5);  // the cursor now points past the end

        // Font writes go to the chosen texts.
        graph.FontUse(4);
        graph.FontSize(90);
        graph.FontStyle(2);
        graph.FontFamily(1);
        graph.FontUse(0);
        graph.FontSize(120);
        QCOMPARE(graph.Font_Size(Graph_Control::Title_Font), int16_t(120));
        QCOMPARE(graph.Font_Size(Graph_Control::Label_Font), int16_t(90));
        QCOMPARE(graph.Font_Size(Graph_Control::Legend_Font), int16_t(90));
    }

    void the_widget_paints_what_it_renders()
    {
        Graph_Control graph;
        graph.resize(400, 250);
        Fill(graph, {{3, 1, 4, 1, 5, 9, 2, 6}});
        graph.GraphTitle("Torque With No Flywheel");
        graph.BottomTitle("Crank Angle (Deg)");
        graph.show();
        QVERIFY(QTest::qWaitForWindowExposed(&graph));
        QImage shown = graph.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage rendered = graph.Render_Image(QSize(400, 250)).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown, rendered);

        QSignalSpy clicks(&graph, &Graph_Control::Clicked);
        QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(clicks[0][0].toInt(), 1);
    }
};

QTEST_MAIN(Test_Graph_Control)
#include "test_graph_control.moc"
