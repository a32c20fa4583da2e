// SPDX-License-Identifier: GPL-3.0-or-later
// The random disguise of a loaded puzzle: lines inside bands and stacks, whole bands and stacks,
// and the symbols, each moved alike in the puzzle and the solution so the pair stays consistent.
#include <algorithm>

#include "engine/Permutations.h"
#include "engine/Random.h"
#include "engine/TsdBoard.h"

namespace quintara {

namespace {

void PickRow(const PermutationTable& table, Permutation& p) {
    const int32_t index = RandomBelow(table.row_count);
    std::copy_n(table.Row(index), table.width, p.begin());
}

char HexDigit(int32_t value) {
    return "0123456789ABCDEF"[value & 0xF];
}

}  // namespace

bool TsdBoard::SupportedSize(const char* operation, int32_t size) {
    if (size >= 3 && size <= 5) {
        return true;
    }
    SetError(std::string("Internal error: ") + operation + ". Dimensione:" + std::to_string(size) +
             ": non gestita !");
    return false;
}

bool TsdBoard::AcceptsReorder(int32_t group, const Permutation& p) const {
    // Never passed by Genera; refused so that a caller's slip cannot move cells outside the grid.
    if (group < 0 || group >= BoxSize) {
        return false;
    }
    uint32_t seen = 0;
    for (int32_t k = 0; k < BoxSize; ++k) {
        if (p[k] < 0 || p[k] >= BoxSize || (seen & (1u << p[k])) != 0) {
            return false;
        }
        seen |= 1u << p[k];
    }
    return true;
}

void TsdBoard::CopyUsedCells(CellTable& puzzle, CellTable& solution) const {
    for (int32_t row = 0; row < GridSize; ++row) {
        std::copy_n(PuzzleCells[row].begin(), GridSize, puzzle[row].begin());
        std::copy_n(SolutionCells[row].begin(), GridSize, solution[row].begin());
    }
}

TsdBoard::LineMap TsdBoard::UnmovedLines() const {
    LineMap source{};
    for (int32_t line = 0; line < GridSize; ++line) {
        source[line] = line;
    }
    return source;
}

void TsdBoard::MoveLines(Axis axis, const LineMap& source) {
    // Every value is read from the copies, so lines can trade places in one pass.
    CellTable old_puzzle;
    CellTable old_solution;
    CopyUsedCells(old_puzzle, old_solution);
    for (int32_t line = 0; line < GridSize; ++line) {
        const int32_t from = source[line];
        if (from == line) {
            continue;
        }
        if (axis == Axis::kRows) {
            std::copy_n(old_puzzle[from].begin(), GridSize, PuzzleCells[line].begin());
            std::copy_n(old_solution[from].begin(), GridSize, SolutionCells[line].begin());
            continue;
        }
        for (int32_t row = 0; row < GridSize; ++row) {
            PuzzleCells[row][line] = old_puzzle[row][from];
            SolutionCells[row][line] = old_solution[row][from];
        }
    }
}

void TsdBoard::ReorderInsideGroup(const char* operation, Axis axis, int32_t group,
                                  const Permutation& p) {
    if (!SupportedSize(operation, BoxSize) || !AcceptsReorder(group, p)) {
        return;
    }
    LineMap source = UnmovedLines();
    for (int32_t k = 0; k < BoxSize; ++k) {
        source[group * BoxSize + k] = group * BoxSize + p[k];
    }
    MoveLines(axis, source);
}

void TsdBoard::ReorderGroups(const char* operation, Axis axis, const Permutation& p) {
    if (!SupportedSize(operation, BoxSize) || !AcceptsReorder(0, p)) {
        return;
    }
    LineMap source = UnmovedLines();
    for (int32_t group = 0; group < BoxSize; ++group) {
        for (int32_t offset = 0; offset < BoxSize; ++offset) {
            source[group * BoxSize + offset] = p[group] * BoxSize + offset;
        }
    }
    MoveLines(axis, source);
}

void TsdBoard::reorderColsOfGroup(int32_t group, Permutation p) {
    ReorderInsideGroup("reorderColsOfGroup", Axis::kColumns, group, p);
}

void TsdBoard::reorderRowsOfGroup(int32_t group, Permutation p) {
    ReorderInsideGroup("reorderRowsOfGroup", Axis::kRows, group, p);
}

void TsdBoard::reorderColGroups(Permutation p) {
    ReorderGroups("reorderColGroups", Axis::kColumns, p);
}

void TsdBoard::reorderRowGroups(Permutation p) {
    ReorderGroups("reorderRowGroups", Axis::kRows, p);
}

void TsdBoard::PickDerangement3(Permutation& p) const {
    PickRow(Derangements3, p);
}

void TsdBoard::PickNonIdentity3(Permutation& p) const {
    PickRow(NonIdentityPerms3, p);
}

void TsdBoard::PickDerangement4(Permutation& p) const {
    PickRow(Derangements4, p);
}

void TsdBoard::PickDerangement5(Permutation& p) const {
    PickRow(Derangements5, p);
}

void TsdBoard::GetRandomLineReorder(int32_t size, Permutation& p) {
    if (!SupportedSize("GetRandomReorder", size)) {
        return;
    }
    if (size == 3) {
        PickDerangement3(p);
    } else if (size == 4) {
        PickDerangement4(p);
    } else {
        PickDerangement5(p);
    }
}

void TsdBoard::GetRandomGroupReorder(int32_t size, Permutation& p) {
    if (!SupportedSize("GetRandomReorder", size)) {
        return;
    }
    if (size == 3) {
        PickNonIdentity3(p);
    } else if (size == 4) {
        PickDerangement4(p);
    } else {
        PickDerangement5(p);
    }
}

void TsdBoard::RandomPermutation(int32_t count, int32_t* a) const {
    for (int32_t i = 0; i < count; ++i) {
        a[i] = -1;
    }
    // Only GridSize distinct values exist: asking for more would reject draws for ever.
    const int32_t distinct = std::min(count, GridSize);
    int32_t i = 0;
    while (i < distinct) {
        const int32_t value = RandomBelow(GridSize);
        if (std::find(a, a + i, value) == a + i) {
            a[i++] = value;
        }
    }
}

void TsdBoard::RelabelSymbols() {
    std::array<int32_t, kTableSide> relabel{};
    RandomPermutation(SymbolCount(), relabel.data());
    const auto renamed = [&](int32_t value) {
        // An empty cell (a solution character outside the alphabet) has no symbol to rename.
        return (value >= 0 && value < GridSize) ? relabel[value] : value;
    };
    for (int32_t row = 0; row < GridSize; ++row) {
        for (int32_t column = 0; column < GridSize; ++column) {
            SolutionCells[row][column] = renamed(SolutionCells[row][column]);
            PuzzleCells[row][column] = renamed(PuzzleCells[row][column]);
        }
    }
}

void TsdBoard::AppendToCode(const Permutation& p, bool with_separator) {
    if (with_separator) {
        GenerationCode += '-';
    }
    for (int32_t k = 0; k < BoxSize; ++k) {
        GenerationCode += HexDigit(p[k]);
    }
}

void TsdBoard::Trace(const std::string& label) const {
    (void)label;
}

void TsdBoard::Genera() {
    if (!SupportedSize("Genera", BoxSize)) {
        return;
    }
    GenerationCode.clear();
    Permutation p{};
    for (int32_t group = 0; group < BoxSize; ++group) {
        GetRandomLineReorder(BoxSize, p);
        reorderColsOfGroup(group, p);
        AppendToCode(p, group > 0);
    }
    Trace("dopo reordercol");
    for (int32_t group = 0; group < BoxSize; ++group) {
        GetRandomLineReorder(BoxSize, p);
        reorderRowsOfGroup(group, p);
        AppendToCode(p, true);
    }
    Trace("dopo reorderRows");
    GetRandomGroupReorder(BoxSize, p);
    reorderColGroups(p);
    AppendToCode(p, true);
    Trace("dopo reordercolGroups");
    GetRandomGroupReorder(BoxSize, p);
    reorderRowGroups(p);
    AppendToCode(p, true);
    Trace("dopo reorderRowGroups");
    RelabelSymbols();
}

}  // namespace quintara
