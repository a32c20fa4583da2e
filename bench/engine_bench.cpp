// SPDX-License-Identifier: GPL-3.0-or-later
// The engine's share of one new game, per box size: load, disguise, validate, export.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/Symbols.h"
#include "engine/TsdBoard.h"

namespace quintara {
namespace {

// A valid grid by the shifting pattern, and a puzzle keeping about two cells in five.
struct Game {
    std::string alphabet, puzzle, solution;
};

Game GameFor(int32_t n) {
    const int32_t side = n * n;
    Game game{std::string(SymbolsOf(n)), "", ""};
    for (int32_t row = 0; row < side; ++row) {
        for (int32_t column = 0; column < side; ++column) {
            game.solution += game.alphabet[(row % n * n + row / n + column) % side];
        }
    }
    game.puzzle = game.solution;
    for (std::size_t p = 0; p < game.puzzle.size(); ++p) {
        if (p % 5 >= 2) {
            game.puzzle[p] = '?';
        }
    }
    return game;
}

void NewGameOnReloadedBoard(benchmark::State& state) {
    const int32_t n = static_cast<int32_t>(state.range(0));
    const Game game = GameFor(n);
    TsdBoard board(n, game.alphabet, game.puzzle, game.solution);
    CharGrid puzzle{};
    CharGrid solution{};
    for (auto _ : state) {
        board.LoadGame(game.puzzle, game.solution, game.alphabet);
        board.Genera();
        benchmark::DoNotOptimize(board.CheckSolution());
        board.ExportPuzzle(puzzle);
        board.ExportSolution(solution);
        benchmark::DoNotOptimize(puzzle);
    }
}
BENCHMARK(NewGameOnReloadedBoard)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

void NewGameOnNewBoard(benchmark::State& state) {
    const int32_t n = static_cast<int32_t>(state.range(0));
    const Game game = GameFor(n);
    CharGrid puzzle{};
    CharGrid solution{};
    for (auto _ : state) {
        TsdBoard board(n, game.alphabet, game.puzzle, game.solution);
        board.Genera();
        benchmark::DoNotOptimize(board.CheckSolution());
        board.ExportPuzzle(puzzle);
        board.ExportSolution(solution);
        benchmark::DoNotOptimize(puzzle);
    }
}
BENCHMARK(NewGameOnNewBoard)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

void CheckSolutionOnly(benchmark::State& state) {
    const int32_t n = static_cast<int32_t>(state.range(0));
    const Game game = GameFor(n);
    TsdBoard board(n, game.alphabet, game.puzzle, game.solution);
    for (auto _ : state) {
        benchmark::DoNotOptimize(board.CheckSolution());
    }
}
BENCHMARK(CheckSolutionOnly)->Arg(3)->Arg(4)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quintara
