// The window's own costs, offscreen: one drag-over event of a part (model update, the drag
// bitmap read from its file, repaint of what moved) next to the same sight in a bare window,
// building and showing the main window next to a bare window with Japanese text, and the
// frequency response window's refresh and follow on the densest drawing at 2000 points, each
// beside a bare baseline.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QImageReader>
#include <QLabel>
#include <QLineSeries>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "app/Form1.h"
#include "bench/DenseDrawing.h"
#include "engine/FrequencySweep.h"
#include "model/CircuitEdits.h"
#include "response/ResponseWindow.h"
#include "toolkit/Appearance.h"

namespace {

// One drag-over event of a placed resistor with its value label, and the repaint Qt does for it
// once the event is handled: the picture at its old and new place and the coordinates.
void BM_DragOverPart(benchmark::State& state) {
    Form1 form;
    placePart(form.model(), PartKind::Resistor, 1, 100);
    form.model().valueCaption[1][0] = "100Ω";
    form.showWholeDrawing();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    float x = 3000;
    for (auto _ : state) {
        x = x == 3000 ? 4500 : 3000;  // each event moves the part
        form.Form_DragOver(form.picture(1), x, 6000, 2);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_DragOverPart)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The least a Qt window does for the same sight: the drag bitmap read from its file onto a
// picture that moves, two coordinates shown, the repaint.
void BM_DragOverBareLabel(benchmark::State& state) {
    QWidget window;
    window.resize(856, 555);
    QLabel picture(&window);
    picture.setGeometry(200, 216, 74, 37);
    QLabel xLabel(&window);
    QLabel yLabel(&window);
    xLabel.setGeometry(8, 144, 65, 25);
    yLabel.setGeometry(80, 144, 65, 25);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    int x = 200;
    for (auto _ : state) {
        x = x == 200 ? 300 : 200;
        QImageReader reader(QStringLiteral("Drag抵抗.bmp"), "BMP");
        reader.setAutoDetectImageFormat(false);
        picture.setPixmap(QPixmap::fromImage(reader.read()));
        picture.move(x, 400);
        xLabel.setText(QString::number(x * 15));
        yLabel.setText(QStringLiteral("6000"));
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_DragOverBareLabel)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ShowMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        Form1 form;
        form.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&form));
    }
}
BENCHMARK(BM_ShowMainWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_ShowBareJapaneseWindow(benchmark::State& state) {
    for (auto _ : state) {
        QLabel window(QStringLiteral("Selvoria　Ｖｅｒ．１．２　抵抗　コイル　コンデンサ"));
        window.setFont(minchoFont());
        window.show();
        benchmark::DoNotOptimize(QTest::qWaitForWindowExposed(&window));
    }
}
BENCHMARK(BM_ShowBareJapaneseWindow)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

constexpr int kResponsePoints = 2000;

// The response window shown with the densest drawing swept at 2000 points.
class ShownResponse {
public:
    ShownResponse() {
        mWindow.findChild<QSpinBox*>("pointCount")->setValue(kResponsePoints);
        mWindow.follow(mDense.model());
        mWindow.show();
        mReady = QTest::qWaitForWindowExposed(&mWindow);
        mWindow.refresh();
        const std::vector<SweepPoint>& points = mWindow.points();
        mReady = mReady && std::any_of(points.begin(), points.end(),
                                       [](const SweepPoint& p) { return p.valid; });
    }
    // Shown, and the drawing has an impedance to plot.
    bool ready() const { return mReady; }
    ResponseWindow& window() { return mWindow; }
    CircuitModel& model() { return mDense.model(); }
    // What the user sees after a change: the shown view painted.
    void paint() { mWindow.findChild<QTabWidget*>("views")->currentWidget()->repaint(); }

private:
    bench::DenseDrawing mDense;
    ResponseWindow mWindow{nullptr};
    bool mReady = false;
};

// "更新": the sweep, the resonances, every view refilled, and the shown view painted.
void BM_ResponseRefresh2000Points(benchmark::State& state) {
    ShownResponse response;
    if (!response.ready()) {
        state.SkipWithError("the window was not shown or has nothing to plot");
        return;
    }
    state.counters["resonances"] = static_cast<double>(response.window().resonances().size());
    for (auto _ : state) {
        response.window().refresh();
        response.paint();
    }
}
BENCHMARK(BM_ResponseRefresh2000Points)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A bare chart: one line series of 2000 points refilled and painted.
void BM_ResponseRefresh2000PointsBaselineBareChart(benchmark::State& state) {
    auto* series = new QLineSeries;
    auto* chart = new QChart;
    chart->addSeries(series);
    chart->createDefaultAxes();
    chart->axes(Qt::Horizontal).front()->setRange(0, 7);
    chart->axes(Qt::Vertical).front()->setRange(-1, 1);
    QChartView view(chart);
    view.setRenderHint(QPainter::Antialiasing);
    view.resize(640, 400);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    QList<QPointF> points(kResponsePoints);
    double phase = 0;
    for (auto _ : state) {
        phase += 0.1;  // new values each time
        for (int i = 0; i < kResponsePoints; ++i)
            points[i] = QPointF(7.0 * i / kResponsePoints, std::sin(phase + i * 0.01));
        series->replace(points);
        view.repaint();
    }
}
BENCHMARK(BM_ResponseRefresh2000PointsBaselineBareChart)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What a drag event adds with the response window open: a changed drawing followed and swept at
// once, and the shown view painted. One 60 Hz frame is 16.7 ms.
void BM_ResponseFollow2000Points(benchmark::State& state) {
    ShownResponse response;
    if (!response.ready()) {
        state.SkipWithError("the window was not shown or has nothing to plot");
        return;
    }
    double value = 100;
    for (auto _ : state) {
        value = value == 100 ? 150 : 100;  // each event changes the drawing
        response.model().slotValue[1] = value;
        response.window().follow(response.model());
        response.window().flush();
        response.paint();
    }
}
BENCHMARK(BM_ResponseFollow2000Points)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The engine's share of a follow: the model copied, swept and its resonances refined, no window.
void BM_ResponseFollow2000PointsBaselineEngineOnly(benchmark::State& state) {
    bench::DenseDrawing dense;
    double value = 100;
    for (auto _ : state) {
        value = value == 100 ? 150 : 100;
        dense.model().slotValue[1] = value;
        const CircuitModel copy = dense.model();
        const std::vector<SweepPoint> points = SweepFrequencies(copy, 1, 1e7, kResponsePoints);
        const std::vector<Resonance> found = RefineResonances(ReductionPlan(copy), points);
        benchmark::DoNotOptimize(found.data());
    }
}
BENCHMARK(BM_ResponseFollow2000PointsBaselineEngineOnly)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(assets);
    // The drag bitmaps are read from the working directory, as in the program.
    QDir::setCurrent(QStringLiteral(SELVORIA_ASSETS_DIR));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
