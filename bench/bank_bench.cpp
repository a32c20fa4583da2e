// SPDX-License-Identifier: GPL-3.0-or-later
// The bank's lookup, and the whole proof of the stored bank (every invariant of every entry).

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bank/PuzzleBank.h"
#include "engine/TsdBoard.h"
#include "tools/bankgen/Audit.h"
#include "tools/bankgen/TableRules.h"

namespace {

using quintara::bankgen::BankTables;

void BM_GetPuzzle(benchmark::State& state) {
    const auto box = static_cast<int32_t>(state.range(0));
    std::string puzzle;
    std::string solution;
    int32_t index = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(quintara::GetPuzzle(box, 'E', index, puzzle, solution));
        benchmark::DoNotOptimize(puzzle.data());
        benchmark::DoNotOptimize(solution.data());
        index = (index + 1) % 25;
    }
}
BENCHMARK(BM_GetPuzzle)->Arg(3)->Arg(4)->Arg(5);

// Reads all 475 entries, audits each (format, solution, givens, range, one solution, level,
// symmetry), checks repeats across the bank, and loads each into a board and checks its
// solution before and after the disguise. Returns the number of faults.
size_t ProveBank() {
    std::vector<std::string> joined;
    std::vector<quintara::bankgen::LabelledEntry> labelled;
    size_t faults = 0;
    for (const auto& rules : BankTables()) {
        for (int32_t i = 0; i < quintara::GetPuzzleCount(rules.box, rules.level); ++i) {
            std::string puzzle;
            std::string solution;
            quintara::GetPuzzle(rules.box, rules.level, i, puzzle, solution);
            faults += quintara::bankgen::AuditEntry(rules, puzzle + solution).size();
            quintara::TsdBoard board(rules.box, std::string(quintara::SymbolsOf(rules.box)), puzzle,
                                     solution);
            faults += board.HasError() || !board.CheckSolution();
            board.Genera();
            faults += board.HasError() || !board.CheckSolution();
            joined.push_back(puzzle + solution);
        }
    }
    for (const std::string& entry : joined) {
        labelled.push_back({"", entry, static_cast<int>(entry.size() / 2)});
    }
    return faults + quintara::bankgen::AuditRepeats(labelled).size();
}

void BM_ProveBank(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(ProveBank());
    }
}
BENCHMARK(BM_ProveBank)->Unit(benchmark::kMillisecond);

}  // namespace
