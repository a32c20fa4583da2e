// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TsdBoard.h"

#include <algorithm>

#include "engine/Ascii.h"
#include "engine/Random.h"

namespace quintara {

namespace {

std::string UpperCase(const std::string& text) {
    std::string result = text;
    std::transform(result.begin(), result.end(), result.begin(), UpperAscii);
    return result;
}

bool IsBlankMarker(char character) {
    return character == '.' || character == '?' || character == '-' || character == ' ';
}

std::string LengthMessage(const char* what, std::size_t expected, std::size_t received) {
    return what + std::to_string(expected) + " received:" + std::to_string(received);
}

}  // namespace

TsdBoard::TsdBoard(int32_t box_size, const std::string& alphabet, const std::string& puzzle,
                   const std::string& solution)
    : BoxSize(box_size) {
    if (FitsTables()) {
        GridSize = BoxSize * BoxSize;
        BoxCount = GridSize;
        CellCount = GridSize * GridSize;
    }
    for (int32_t row = 0; row < GridSize; ++row) {
        std::fill_n(PuzzleCells[row].begin(), GridSize, -1);
        std::fill_n(SolutionCells[row].begin(), GridSize, -1);
    }
    int32_t box = 0;
    for (int32_t top = 0; top < GridSize; top += BoxSize) {
        for (int32_t left = 0; left < GridSize; left += BoxSize) {
            BoxLeft[box] = left;
            BoxTop[box] = top;
            BoxRight[box] = left + BoxSize;
            BoxBottom[box] = top + BoxSize;
            ++box;
        }
    }
    for (int32_t row = 0; row < GridSize; ++row) {
        for (int32_t column = 0; column < GridSize; ++column) {
            CellBox[row][column] = BoxOfCell(row, column);
        }
    }
    if (!FitsTables()) {
        // A grid wider than 64 (or an empty one) cannot live in the tables: refuse it plainly
        // instead of writing past them.
        SetError("Unsupported box size:" + std::to_string(BoxSize) + " (1 to " +
                 std::to_string(kMaxBoxSize) + ")");
    }
    SeedRandom();
    LoadGame(puzzle, solution, alphabet);
}

void TsdBoard::LoadGame(const std::string& puzzle, const std::string& solution,
                        const std::string& alphabet) {
    Alphabet = UpperCase(alphabet);
    PuzzleText = UpperCase(puzzle);
    SolutionText = UpperCase(solution);
    ParseGame();
}

void TsdBoard::ParseGame() {
    if (!FitsTables()) {
        return;  // the construction error stands; there is no grid to fill
    }
    if (Alphabet.size() != static_cast<std::size_t>(SymbolCount())) {
        SetError(LengthMessage("Chars length expected:", SymbolCount(), Alphabet.size()));
        return;
    }
    if (PuzzleText.size() != static_cast<std::size_t>(CellCount)) {
        SetError(
            LengthMessage("Generator Puzzle dimension expected:", CellCount, PuzzleText.size()));
        return;
    }
    if (SolutionText.size() != static_cast<std::size_t>(CellCount)) {
        SetError(LengthMessage("Generator Solution dimension expected:", CellCount,
                               SolutionText.size()));
        return;
    }
    for (int32_t row = 0; row < GridSize; ++row) {
        for (int32_t column = 0; column < GridSize; ++column) {
            const std::size_t position = static_cast<std::size_t>(row * GridSize + column);
            SolutionCells[row][column] = SymbolIndex(SolutionText[position]);
            PuzzleCells[row][column] = SymbolIndex(PuzzleText[position]);
        }
    }
}

void TsdBoard::SetError(const std::string& message) {
    ErrorFlag = true;
    ErrorMessage = message;
}

int32_t TsdBoard::SymbolCount() const {
    return FitsTables() ? BoxSize * BoxSize : 0;
}

int32_t TsdBoard::BoxOfCell(int32_t row, int32_t column) const {
    for (int32_t box = 0; box < BoxCount; ++box) {
        if (BoxLeft[box] <= column && column < BoxRight[box] && BoxTop[box] <= row &&
            row < BoxBottom[box]) {
            return box;
        }
    }
    return 0;
}

int32_t TsdBoard::SymbolIndex(char character) const {
    if (IsBlankMarker(character)) {
        return -1;
    }
    const std::size_t position = Alphabet.find(character);
    return position == std::string::npos ? -1 : static_cast<int32_t>(position);
}

char TsdBoard::CharOfCell(int32_t value) const {
    // A failed reload may have left a shorter alphabet behind the previous game's cells.
    if (value < 0 || static_cast<std::size_t>(value) >= Alphabet.size()) {
        return ' ';
    }
    return Alphabet[static_cast<std::size_t>(value)];
}

bool TsdBoard::InGrid(int32_t row, int32_t column) const {
    return row >= 0 && row < GridSize && column >= 0 && column < GridSize;
}

char TsdBoard::PuzzleChar(int32_t row, int32_t column) const {
    return InGrid(row, column) ? CharOfCell(PuzzleCells[row][column]) : ' ';
}

char TsdBoard::SolutionChar(int32_t row, int32_t column) const {
    return InGrid(row, column) ? CharOfCell(SolutionCells[row][column]) : ' ';
}

void TsdBoard::ExportCells(const CellTable& cells, CharGrid& grid) const {
    for (int32_t row = 0; row < GridSize; ++row) {
        for (int32_t column = 0; column < GridSize; ++column) {
            grid[row][column] = CharOfCell(cells[row][column]);
        }
    }
}

void TsdBoard::ExportPuzzle(CharGrid& grid) const {
    ExportCells(PuzzleCells, grid);
}

void TsdBoard::ExportSolution(CharGrid& grid) const {
    ExportCells(SolutionCells, grid);
}

}  // namespace quintara
