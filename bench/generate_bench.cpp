// SPDX-License-Identifier: GPL-3.0-or-later
// The Generate command end to end on the real main window, offscreen: NewGame with the board's
// disguise and checks, UpdateState, the context menu and the synchronous repaint of the grid.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>

#include "ui/Language.h"
#include "ui/platform/QtServices.h"
#include "ui/platform/RadioGroup.h"
#include "ui/window/Usudk0201.h"

namespace {

QApplication& Application() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_FONT_DPI", "96");
    static int argc = 1;
    static char name[] = "bench_generate";
    static char* argv[] = {name, nullptr};
    static QApplication application(argc, argv);
    return application;
}

// Argument: the size group's item (0: 9 x 9, 1: 16 x 16, 2: 25 x 25).
void BM_Generate(benchmark::State& state) {
    Application();
    quintara::platform::QtServices services;
    quintara::TfrmSudoku window(services);
    window.show();
    QApplication::processEvents();
    window.cbg1->setItemIndex(static_cast<int>(state.range(0)));
    window.ActGeneraExecute(window.ActGenera);  // lays the grid out for the size once
    for (auto _ : state) {
        window.ActGeneraExecute(window.ActGenera);
        benchmark::DoNotOptimize(window.game().State());
    }
    if (window.game().State() != quintara::GameState::gsPuzzle) {
        state.SkipWithError("Generate failed");
    }
    state.SetLabel(std::to_string(window.sg1->ColCount()) + " x " +
                   std::to_string(window.sg1->RowCount()));
}

BENCHMARK(BM_Generate)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

}  // namespace
