// SPDX-License-Identifier: GPL-3.0-or-later
// One full repaint of the grid while playing, with the error view on and every cell filled: each
// cell then paints its symbol and asks all three clash questions.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>

#include "ui/platform/DrawGrid.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/RecordingServices.h"
#include "ui/window/Usudk0201.h"

namespace quintara {
namespace {

// Every open cell holds its solution symbol, so no question ends early.
void FillWithEntries(TfrmSudoku& window) {
    const int side = window.sg1->ColCount();
    for (int row = 0; row < side; ++row) {
        for (int col = 0; col < side; ++col) {
            window.PlayGrid[row][col] = window.SolutionGrid[row][col];
        }
    }
}

void BM_RepaintPlayingGrid(benchmark::State& state) {
    const int box_size = static_cast<int>(state.range(0));
    platform::RecordingServices services;
    TfrmSudoku window(services);
    window.show();
    window.cbg1->setItemIndex(box_size - 3);
    window.ActGeneraExecute(nullptr);
    window.ActPlayExecute(nullptr);
    window.cbxControllo->setChecked(true);
    FillWithEntries(window);
    // Room for the whole grid, so the repaint covers every cell.
    window.resize(window.sg1->sizeHint() + QSize(300, 250));
    QApplication::processEvents();
    if (window.GameState != gsPlaying || window.sg1->visibleRegion() != window.sg1->rect()) {
        state.SkipWithError("the grid is not playing or not wholly visible");
        return;
    }
    for (auto _ : state) {
        window.sg1->repaint();
    }
    state.SetLabel(std::to_string(box_size * box_size) + " x " +
                   std::to_string(box_size * box_size));
}
BENCHMARK(BM_RepaintPlayingGrid)->Arg(3)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quintara

// Widgets need the application object around every benchmark, so this program has its own main;
// it takes the place of benchmark_main's.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
