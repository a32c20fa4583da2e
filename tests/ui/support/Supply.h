// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <string>
#include <utility>

#include "bank/PuzzleBank.h"
#include "ui/game/PuzzleSource.h"

namespace quintara::testing {

// Where the puzzles come from: the bank; the bank failing at the fetch; a puzzle one cell short,
// which the engine refuses when it loads it (and keeps refusing: its error state latches); or a
// solution with two symbols of its first row swapped, which fails only the solution check.
enum class Supply { Bank, FetchFails, EngineFails, SolutionClashes };

// The bank's puzzles, failing as `supply` says at the moment of each attempt.
inline PuzzleSource SwitchableBank(const Supply& supply) {
    return {&GetPuzzleCount, [&supply](int32_t box_size, char level, int32_t index,
                                       std::string& puzzle, std::string& solution) {
                const bool found = supply != Supply::FetchFails &&
                                   GetPuzzle(box_size, level, index, puzzle, solution);
                if (found && supply == Supply::EngineFails) {
                    puzzle.pop_back();
                }
                if (found && supply == Supply::SolutionClashes) {
                    std::swap(solution[0], solution[1]);
                }
                return found;
            }};
}

inline QStringList Repeated(const QString& text, int times) {
    QStringList list;
    for (int i = 0; i < times; ++i) {
        list.append(text);
    }
    return list;
}

}  // namespace quintara::testing
