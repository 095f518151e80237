#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <vector>

#include "platform/Graph_Control.h"
#include "platform/Gui_Test_Support.h"

namespace {
const QSize Size(600, 400);
const QRectF Area(QPointF(0, 0), QSizeF(Size));

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

int Distance(QRgb a, const QColor& b)
{
    return std::abs(qRed(a) - b.red()) + std::abs(qGreen(a) - b.green()) + std::abs(qBlue(a) - b.blue());
}

// True when a pixel within `radius` of p is near the colour (antialiased edges blend a little).
bool Near(const QImage& image, QPointF p, const QColor& colour, int radius = 1)
{
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx) {
            QPoint q(static_cast<int>(std::floor(p.x())) + dx, static_cast<int>(std::floor(p.y())) + dy);
            if (image.valid(q) && Distance(image.pixel(q), colour) <= 120) return true;
        }
    return false;
}

// Lengths of the inked runs along the row through y, inside the plot; the cut ends dropped.
std::vector<int> Inner_Runs(const QImage& image, const QRectF& plot, double y, const QColor& colour)
{
    std::vector<int> runs{0};
    for (int x = static_cast<int>(plot.left()) + 3; x < static_cast<int>(plot.right()) - 3; ++x) {
        bool ink = false;
        for (int dy = -1; dy <= 1; ++dy) ink = ink || Distance(image.pixel(x, static_cast<int>(std::lround(y)) + dy), colour) < 200;
        if (ink) ++runs.back();
        else if (runs.back()) runs.push_back(0);
    }
    if (runs.size() > 2) runs = std::vector<int>(runs.begin() + 1, runs.end() - (runs.back() ? 1 : 2));
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
        Graph_Control::Layout layout = graph.Compute_Layout(Area);
        for (int p = 1; p <= 37; ++p)
            QVERIFY2(Near(image, graph.Point_Position(layout, 1, p), graph.Curve_Colour(1)), qPrintable(QString::number(p)));
        // Evenly spread from the left to the right edge of the data area.
        QCOMPARE(graph.Point_Position(layout, 1, 1).x(), layout.plot.left());
        QCOMPARE(graph.Point_Position(layout, 1, 37).x(), layout.plot.right());
        QVERIFY(std::fabs(graph.Point_Position(layout, 1, 19).x() - layout.plot.center().x()) < 1e-9);
    }

    void y_axis_covers_the_data_with_round_ticks()
    {
        Graph_Control graph;
        Fill(graph, {{-8.5f, 3.f, 93.2f}, {0.f, 12.f, 40.f}});
        Graph_Control::Layout layout = graph.Compute_Layout(Area);
        double mantissa = layout.y_step / std::pow(10.0, std::floor(std::log10(layout.y_step)));
        QVERIFY(mantissa == 1 || mantissa == 2 || mantissa == 2.5 || mantissa == 5);
        QCOMPARE(std::remainder(layout.y_min, layout.y_step), 0.0);
        QCOMPARE(std::remainder(layout.y_max, layout.y_step), 0.0);
        QVERIFY(layout.y_min <= -8.5 && layout.y_min > -8.5 - layout.y_step);
        QVERIFY(layout.y_max >= 93.2 && layout.y_max < 93.2 + layout.y_step);

        // A single zero point still gets an axis and is drawn.
        Graph_Control single;
        Fill(single, {{0.f}});
        layout = single.Compute_Layout(Area);
        QVERIFY(layout.y_min < 0 && layout.y_max > 0);
        QVERIFY(Near(single.Render_Image(Size), single.Point_Position(layout, 1, 1), single.Curve_Colour(1)));

        // Values that cannot be drawn neither stretch the axis nor stop the rest of the curve.
        Graph_Control gaps;
        Fill(gaps, {{1.f, NAN, 2.f, INFINITY, 3.f, 4.f}});
        layout = gaps.Compute_Layout(Area);
        QVERIFY(layout.y_max < 10);
        QVERIFY(Near(gaps.Render_Image(Size), (gaps.Point_Position(layout, 1, 5) + gaps.Point_Position(layout, 1, 6)) / 2,
                     gaps.Curve_Colour(1)));
    }

    void graph_styles_draw_lines_sticks_or_both()
    {
        // Point 2 stands at 8 between zeros: its stick is vertical, the connecting lines are not.
        for (int16_t style : {0, 2, 4, 6}) {
            Graph_Control graph;
            Fill(graph, {{0, 8, 0, 8, 0}});
            graph.GraphStyle(style);
            Graph_Control::Layout layout = graph.Compute_Layout(Area);
            QPointF top = graph.Point_Position(layout, 1, 2), base = graph.Point_Position(layout, 1, 3);
            QPointF stick(top.x(), (top.y() + base.y()) / 2), segment = (graph.Point_Position(layout, 1, 1) + top) / 2;
            QImage image = graph.Render_Image(Size);
            bool lines = style == 0 || style & Graph_Control::Style_Lines, sticks = style & Graph_Control::Style_Sticks;
            QCOMPARE(Near(image, segment, graph.Curve_Colour(1), 2), lines);
            QCOMPARE(Near(image, stick, graph.Curve_Colour(1), 2), sticks);
        }
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
            Graph_Control::Layout layout = graph.Compute_Layout(Area);
            QColor background = Graph_Control::Palette_Colour(graph.Background());
            // The first tick row above the bottom, and the column of point 5, each probed away from the other.
            double row = layout.plot.bottom() - layout.y_step / (layout.y_max - layout.y_min) * layout.plot.height();
            double row_x = (graph.Point_Position(layout, 1, 2).x() + graph.Point_Position(layout, 1, 3).x()) / 2;
            double column = graph.Point_Position(layout, 1, 5).x();
            bool horizontal = Distance(image.pixel(int(row_x), int(std::lround(row))), background) > 30;
            bool vertical = Distance(image.pixel(int(std::lround(column)), int((layout.plot.top() + row) / 2)), background) > 30;
            QCOMPARE(horizontal, style == 1 || style == 3);
            QCOMPARE(vertical, style == 2 || style == 3);
        }
    }

    void four_patterns_are_told_apart()
    {
        Graph_Control graph;
        Fill(graph, {std::vector<float>(50, 12), std::vector<float>(50, 19), std::vector<float>(50, 26), std::vector<float>(50, 33)});
        graph.PatternedLines(1);
        for (int16_t s = 1; s <= 4; ++s) {
            graph.ThisSet(s);
            graph.PatternData(static_cast<int16_t>(s - 1));
        }
        Graph_Control::Layout layout = graph.Compute_Layout(Area);
        auto runs_of = [&](const QImage& image, int s) {
            return Inner_Runs(image, layout.plot, graph.Point_Position(layout, s, 10).y(), graph.Curve_Colour(s));
        };
        QImage image = graph.Render_Image(Size);
        std::vector<int> solid = runs_of(image, 1), dash = runs_of(image, 2), dot = runs_of(image, 3), dash_dot = runs_of(image, 4);
        auto shortest = [](const std::vector<int>& r) { return *std::min_element(r.begin(), r.end()); };
        auto longest = [](const std::vector<int>& r) { return *std::max_element(r.begin(), r.end()); };
        QCOMPARE(solid.size(), size_t(1));
        QVERIFY(dash.size() > 10 && shortest(dash) >= 5);
        QVERIFY(dot.size() > dash.size() && longest(dot) <= 4);
        QVERIFY(dash_dot.size() > 10 && longest(dash_dot) >= 6 && shortest(dash_dot) <= 4);
        // Patterns off: every curve solid.
        graph.PatternedLines(0);
        image = graph.Render_Image(Size);
        for (int s = 1; s <= 4; ++s) QCOMPARE(runs_of(image, s).size(), size_t(1));
    }

    void background_palette_and_legend()
    {
        Graph_Control graph;
        Fill(graph, {{1, 2, 3}, {3, 2, 1}});
        for (auto [index, rgb] : {std::pair{15, qRgb(255, 255, 255)}, {1, qRgb(0, 0, 128)}, {7, qRgb(192, 192, 192)}}) {
            graph.Background(static_cast<int16_t>(index));
            QCOMPARE(graph.Render_Image(Size).pixel(2, 2) & 0xFFFFFF, rgb & 0xFFFFFF);
            for (int s = 1; s <= 2; ++s) QVERIFY(Distance(rgb, graph.Curve_Colour(s)) > 150);
            QVERIFY(Distance(rgb, graph.Text_Colour()) > 300);
        }
        QVERIFY(graph.Curve_Colour(1) != graph.Curve_Colour(2));
        // A legend takes room at the right of the data area.
        double without = graph.Compute_Layout(Area).plot.right();
        QVERIFY(graph.Compute_Layout(Area).legend.isEmpty());
        graph.ThisSet(2);
        graph.LegendText("Link 3 Ang deg");
        Graph_Control::Layout layout = graph.Compute_Layout(Area);
        QVERIFY(layout.plot.right() < layout.legend.left() && layout.plot.right() < without);
        QVERIFY(layout.legend.right() <= Area.right());
    }

    void labels_every_n_points()
    {
        Graph_Control graph;
        Fill(graph, {std::vector<float>(11, 1.f)});
        graph.LabelEvery(2);
        for (int16_t p = 1; p <= 11; ++p) {
            graph.ThisPoint(p);
            graph.LabelText(7);
        }
        QImage image = graph.Render_Image(Size);
        Graph_Control::Layout layout = graph.Compute_Layout(Area);
        auto inked_below = [&](int point) {
            double x = graph.Point_Position(layout, 1, point).x();
            for (int y = static_cast<int>(layout.plot.bottom()) + 8; y < static_cast<int>(layout.plot.bottom()) + 22; ++y)
                for (int dx = -2; dx <= 2; ++dx)
                    if (Distance(image.pixel(static_cast<int>(x) + dx, y), graph.Text_Colour()) < 200) return true;
            return false;
        };
        for (int p = 1; p <= 11; ++p) QCOMPARE(inked_below(p), p % 2 == 1);
    }

    void writes_address_cells_and_keep_them()
    {
        Graph_Control graph;
        Fill(graph, {{1, 2, 3}, {4, 5, 6}});
        graph.NumPoints(3);  // written again before the data: nothing is lost
        QCOMPARE(graph.Data(2, 3), 6.f);
        graph.NumPoints(2);
        QCOMPARE(Error_Number([&] { graph.GraphData(1); }), 5);  // the cursor now points past the end
        // A shorter chart written over a longer one: the curve's own properties come before any
        // point is addressed again, and do not depend on the point cursor left past the end.
        QCOMPARE(Error_Number([&] {
                     graph.ThisSet(2);
                     graph.PatternedLines(1);
                     graph.PatternData(1);
                     graph.ThickLines(0);
                     graph.LegendText("Theta3 Ang (Deg)");
                 }),
                 0);
        QCOMPARE(graph.Legend(2), std::string("Theta3 Ang (Deg)"));
        QCOMPARE(graph.Pattern(2), int16_t(1));
        graph.NumSets(1);
        QCOMPARE(Error_Number([&] { graph.LabelText("0.00"); }), 5);  // the point is past the end
        graph.ThisPoint(2);
        QCOMPARE(Error_Number([&] { graph.LabelText("0.05"); }), 0);
        QCOMPARE(graph.Label(2), std::string("0.05"));
        graph.FontUse(4);
        graph.FontSize(90);
        graph.FontUse(0);
        graph.FontSize(120);
        QCOMPARE(graph.Font_Size(Graph_Control::Title_Font), int16_t(120));
        QCOMPARE(graph.Font_Size(Graph_Control::Label_Font), int16_t(90));
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
        QCOMPARE(graph.grab().toImage().convertToFormat(QImage::Format_RGB32),
                 graph.Render_Image(QSize(400, 250)).convertToFormat(QImage::Format_RGB32));
        QSignalSpy clicks(&graph, &Graph_Control::Clicked);
        QTest::mouseClick(&graph, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(clicks.count(), 1);
    }
};

QTEST_MAIN(Test_Graph_Control)
#include "test_graph_control.moc"
