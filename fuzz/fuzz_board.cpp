// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary box sizes, alphabets, puzzle and solution strings and reorder arguments through
// the board: construction, reloading, the disguise, the checks, the exports and the clash queries.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/TsdBoard.h"

namespace {

// Hands out the fuzzer's bytes piece by piece; runs dry gracefully.
class Input {
  public:
    Input(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

    int32_t Int(int32_t low, int32_t high) {
        return low + static_cast<int32_t>(Byte() % static_cast<uint32_t>(high - low + 1));
    }

    // A string of a fuzzed length, optionally tiled to `wanted` so that the length checks pass.
    std::string Text(int32_t wanted) {
        const std::size_t length = std::min<std::size_t>(Byte(), size_ - std::min(at_, size_));
        std::string piece(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        if ((Byte() & 1) != 0 && wanted > 0 && !piece.empty()) {
            std::string tiled;
            while (tiled.size() < static_cast<std::size_t>(wanted)) {
                tiled += piece;
            }
            tiled.resize(static_cast<std::size_t>(wanted));
            return tiled;
        }
        return piece;
    }

  private:
    const uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

std::string AlphabetFor(int32_t box_size) {
    static const std::string kAll =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789!\"#$%&'()*+,/:;<=>@[\\]^_`{|}~";
    const int32_t side = box_size * box_size;
    return side > 0 && side <= static_cast<int32_t>(kAll.size())
               ? kAll.substr(0, static_cast<std::size_t>(side))
               : std::string();
}

void Query(quintara::TsdBoard& board, Input& in, const quintara::CharGrid& grid) {
    for (int i = 0; i < 8; ++i) {
        const int32_t row = in.Int(-2, 66);
        const int32_t column = in.Int(-2, 66);
        const char character = static_cast<char>(in.Byte());
        board.RowHasOther(character, row, column, grid);
        board.ColHasOther(character, row, column, grid);
        board.BoxHasOther(character, row, column, grid);
        board.CheckSolutionCell(row, column);
        board.IsSymbol(character);
        board.PuzzleChar(row, column);
        board.SolutionChar(row, column);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    Input in(data, size);
    const int32_t box_size = in.Int(-2, 10);
    const int32_t cells =
        box_size >= 1 && box_size <= 8 ? box_size * box_size * box_size * box_size : 0;
    const std::string alphabet = (in.Byte() & 1) != 0 ? AlphabetFor(box_size) : in.Text(0);
    quintara::TsdBoard board(box_size, alphabet, in.Text(cells), in.Text(cells));
    if ((in.Byte() & 1) != 0) {
        const std::string other_alphabet = (in.Byte() & 1) != 0 ? alphabet : in.Text(0);
        board.LoadGame(in.Text(cells), in.Text(cells), other_alphabet);
    }
    board.Genera();
    board.CheckSolution();
    quintara::Permutation p{};
    for (int32_t& entry : p) {
        entry = in.Int(-1, 5);
    }
    board.reorderColsOfGroup(in.Int(-1, 5), p);
    board.reorderRowsOfGroup(in.Int(-1, 5), p);
    board.reorderColGroups(p);
    board.reorderRowGroups(p);
    board.GetRandomLineReorder(in.Int(-1, 7), p);
    board.GetRandomGroupReorder(in.Int(-1, 7), p);
    std::array<int32_t, 80> values{};
    board.RandomPermutation(in.Int(0, 80), values.data());
    board.RelabelSymbols();
    quintara::CharGrid puzzle{};
    quintara::CharGrid solution{};
    board.ExportPuzzle(puzzle);
    board.ExportSolution(solution);
    Query(board, in, puzzle);
    return 0;
}
