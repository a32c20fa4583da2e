// SPDX-License-Identifier: GPL-3.0-or-later
// Painting while playing, with the error view on and every cell filled, so that each painted cell
// asks all three clash questions: a full repaint of the grid, and one typed symbol from the key to
// the end of its painting.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>

#include "ui/platform/DrawGrid.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/RecordingServices.h"
#include "ui/window/Usudk0201.h"

namespace quintara {
namespace {

// A key typed on the grid, as the player gives it.
void Type(TfrmSudoku& window, char symbol) {
    QKeyEvent press(QEvent::KeyPress, symbol, Qt::NoModifier, QString(QChar::fromLatin1(symbol)));
    QApplication::sendEvent(window.sg1, &press);
}

// Every open cell takes its solution symbol, typed, so no clash question ends early.
void FillWithEntries(TfrmSudoku& window) {
    const int side = window.game().GridSize();
    for (int row = 0; row < side; ++row) {
        for (int col = 0; col < side; ++col) {
            if (!window.game().IsGiven(row, col)) {
                window.sg1->setSelection({col, row, col, row});
                Type(window, window.game().SolutionGrid()[row][col]);
            }
        }
    }
}

// A window playing a full grid of `box_size` with the error view on; false if it could not.
bool PlayFullGrid(TfrmSudoku& window, int box_size) {
    window.show();
    window.cbg1->setItemIndex(box_size - 3);
    window.ActGeneraExecute(nullptr);
    window.ActPlayExecute(nullptr);
    window.cbxControllo->setChecked(true);
    FillWithEntries(window);
    // Room for the whole grid, so the repaint covers every cell.
    window.resize(window.sg1->sizeHint() + QSize(300, 250));
    QApplication::processEvents();
    return window.game().State() == GameState::gsPlaying &&
           window.sg1->visibleRegion() == window.sg1->rect();
}

void BM_RepaintPlayingGrid(benchmark::State& state) {
    const int box_size = static_cast<int>(state.range(0));
    platform::RecordingServices services;
    TfrmSudoku window(services);
    if (!PlayFullGrid(window, box_size)) {
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

// One symbol typed into an open cell in the middle of the grid, alternately another symbol and
// its own again, so every key changes the cell and the clash marks around it.
void BM_TypeOneSymbol(benchmark::State& state) {
    const int box_size = static_cast<int>(state.range(0));
    platform::RecordingServices services;
    TfrmSudoku window(services);
    if (!PlayFullGrid(window, box_size)) {
        state.SkipWithError("the grid is not playing or not wholly visible");
        return;
    }
    const Game& game = window.game();
    const int side = game.GridSize();
    int col = side / 2;
    int row = side / 2;
    while (game.IsGiven(row, col) && col + 1 < side) {
        ++col;
    }
    window.sg1->setSelection({col, row, col, row});
    const char own = game.SolutionGrid()[row][col];
    const char other =
        game.Symbols().front() == own ? game.Symbols().back() : game.Symbols().front();
    bool toggle = false;
    for (auto _ : state) {
        Type(window, toggle ? own : other);
        toggle = !toggle;
    }
    state.SetLabel(std::to_string(side) + " x " + std::to_string(side) + ", error view on");
}
BENCHMARK(BM_TypeOneSymbol)->Arg(3)->Arg(5)->Unit(benchmark::kMicrosecond);

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
