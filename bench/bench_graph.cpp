#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <cmath>

#include "platform/Graph_Control.h"

namespace {
QApplication& Application()
{
    static int argc = 1;
    static char name[] = "vastrel_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

void Fill(Graph_Control& graph, int16_t points)
{
    graph.NumSets(4);
    graph.NumPoints(points);
    graph.TickEvery(64);
    graph.LabelEvery(128);
    graph.GraphTitle("Coupler Point  (in)");
    graph.BottomTitle("Crank Angle (Deg)");
    graph.PatternedLines(1);
    for (int16_t s = 1; s <= 4; ++s) {
        graph.ThisSet(s);
        graph.PatternData(static_cast<int16_t>(s - 1));
        graph.LegendText("Function " + std::to_string(s));
        for (int16_t p = 1; p <= points; ++p) {
            graph.ThisPoint(p);
            graph.GraphData(static_cast<float>(s * std::sin(p * 0.0123 * s) + 0.3 * std::cos(p * 0.31)));
            graph.LabelText(std::to_string((p - 1) * 360 / (points - 1)));
        }
    }
    graph.DrawMode(2);
}
}  // namespace

// Four curves of 1025 points into a 900 x 500 image, grid on, lines and patterns.
static void BM_Graph_Render_4x1025(benchmark::State& state)
{
    Application();
    Graph_Control graph;
    Fill(graph, 1025);
    graph.GridStyle(3);
    graph.GraphStyle(static_cast<int16_t>(state.range(0)));
    QImage image(900, 500, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        graph.Render(painter, QRectF(0, 0, 900, 500));
        painter.end();
        benchmark::DoNotOptimize(image.bits());
    }
}
BENCHMARK(BM_Graph_Render_4x1025)->Arg(Graph_Control::Style_Lines)->Arg(Graph_Control::Style_Lines | Graph_Control::Style_Sticks)
    ->Unit(benchmark::kMillisecond);
