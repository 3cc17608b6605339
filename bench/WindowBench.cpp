// The window's own costs, offscreen: one drag-over event of a part (model update, the drag
// bitmap read from its file, repaint of the moved picture), and building and showing the main
// window next to a bare window with Japanese text.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTest>
#include <cstdlib>

#include "app/Form1.h"
#include "app/toolkit/Appearance.h"

namespace {

void BM_DragOverPart(benchmark::State& state) {
    Form1 form;
    form.model().slotUsed[1] = 1;
    form.picture(1)->show();
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the window was not shown");
        return;
    }
    float x = 3000;
    for (auto _ : state) {
        x = x == 3000 ? 4500 : 3000;  // each event moves the part
        form.Form_DragOver(form.picture(1), x, 6000, 2);
        form.picture(1)->repaint();
    }
}
BENCHMARK(BM_DragOverPart)
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
