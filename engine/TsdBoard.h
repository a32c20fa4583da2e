// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/CharGrid.h"

namespace quintara {

// Entries 0 .. BoxSize-1 hold a permutation read as sources: new line k := old line p[k].
using Permutation = std::array<int32_t, 5>;

// One stored puzzle with its solution for one grid size: loading, the random disguise and the
// consistency checks. Fixed-capacity tables, no allocation beyond the strings, nothing thrown:
// every failure is latched in the error state.
//
// Cell tables (PuzzleCells, SolutionCells, CellBox), row-major, only the used square is meaningful:
//
//        col 0    1   ...  GridSize-1        ...  64
//   row 0  [ v ][ v ] ... [ v ]              unused
//   ...
//   GridSize-1
//   ...    unused
//
// A cell value v is the 0-based position of its symbol in Alphabet, -1 for an empty cell.
class TsdBoard {
  public:
    using CellTable = std::array<std::array<int32_t, kTableSide>, kTableSide>;
    using BoxTable = std::array<int32_t, kTableSide>;

    TsdBoard(int32_t box_size, const std::string& alphabet, const std::string& puzzle,
             const std::string& solution);

    // Loading and the error state.
    void LoadGame(const std::string& puzzle, const std::string& solution,
                  const std::string& alphabet);
    void ParseGame();
    void SetError(const std::string& message);
    bool HasError() const { return ErrorFlag; }
    std::string GetErrorText() const { return ErrorMessage; }
    std::string GetGenerationCode() const { return GenerationCode; }
    int32_t GetGridSize() const { return GridSize; }
    int32_t SymbolCount() const;
    int32_t BoxOfCell(int32_t row, int32_t column) const;
    int32_t SymbolIndex(char character) const;
    char PuzzleChar(int32_t row, int32_t column) const;
    char SolutionChar(int32_t row, int32_t column) const;
    void ExportPuzzle(CharGrid& grid) const;
    void ExportSolution(CharGrid& grid) const;

    // The random disguise.
    void Genera();
    void reorderColsOfGroup(int32_t group, Permutation p);
    void reorderRowsOfGroup(int32_t group, Permutation p);
    void reorderColGroups(Permutation p);
    void reorderRowGroups(Permutation p);
    void GetRandomLineReorder(int32_t size, Permutation& p);
    void GetRandomGroupReorder(int32_t size, Permutation& p);
    void PickDerangement3(Permutation& p) const;
    void PickNonIdentity3(Permutation& p) const;
    void PickDerangement4(Permutation& p) const;
    void PickDerangement5(Permutation& p) const;
    void RandomPermutation(int32_t count, int32_t* a) const;
    void RelabelSymbols();
    void Trace(const std::string& label) const;

    // Consistency checks.
    bool CheckSolution();
    bool CheckSolutionCell(int32_t row, int32_t column);
    bool RowHasBefore(int32_t row, int32_t column, int32_t value) const;
    bool ColHasAbove(int32_t row, int32_t column, int32_t value) const;
    bool BoxHasValue(int32_t row, int32_t column, int32_t value) const;
    bool RowHasOther(char character, int32_t row, int32_t column, const CharGrid& grid) const;
    bool ColHasOther(char character, int32_t row, int32_t column, const CharGrid& grid) const;
    bool BoxHasOther(char character, int32_t row, int32_t column, const CharGrid& grid) const;
    bool IsSymbol(char character) const;

  private:
    // Largest box whose grid fits the 65 x 65 tables.
    static constexpr int32_t kMaxBoxSize = 8;

    // Sizes the tables can hold; anything else is refused at construction.
    bool FitsTables() const { return BoxSize >= 1 && BoxSize <= kMaxBoxSize; }
    bool InGrid(int32_t row, int32_t column) const;
    bool SupportedSize(const char* operation, int32_t size);
    bool AcceptsReorder(int32_t group, const Permutation& p) const;
    // The reorders as line moves: new line i := old line source[i], rows or columns, both grids.
    enum class Axis { kRows, kColumns };
    using LineMap = std::array<int32_t, kTableSide>;
    LineMap UnmovedLines() const;
    void CopyUsedCells(CellTable& puzzle, CellTable& solution) const;
    void MoveLines(Axis axis, const LineMap& source);
    void ReorderInsideGroup(const char* operation, Axis axis, int32_t group, const Permutation& p);
    void ReorderGroups(const char* operation, Axis axis, const Permutation& p);
    char CharOfCell(int32_t value) const;
    void ExportCells(const CellTable& cells, CharGrid& grid) const;
    void AppendToCode(const Permutation& p, bool with_separator);

    bool ErrorFlag = false;
    std::string ErrorMessage;
    int32_t BoxSize = 0;
    int32_t GridSize = 0;
    CellTable PuzzleCells{};
    CellTable SolutionCells{};
    BoxTable BoxLeft{};
    BoxTable BoxTop{};
    BoxTable BoxRight{};
    BoxTable BoxBottom{};
    int32_t BoxCount = 0;
    int32_t CellCount = 0;
    CellTable CellBox{};
    std::string Alphabet;
    std::string PuzzleText;
    std::string SolutionText;
    std::string GenerationCode;
};

}  // namespace quintara
