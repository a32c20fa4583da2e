// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bankgen/Deduction.h"

#include <array>

namespace quintara::bankgen {

namespace {

// Up to 25 items of one unit (cells or symbols), each with a mask, for the subset search.
struct Items {
    std::array<int, 32> ids{};
    std::array<Mask, 32> masks{};
    int count = 0;

    void Add(int id, Mask mask) {
        ids[static_cast<size_t>(count)] = id;
        masks[static_cast<size_t>(count)] = mask;
        ++count;
    }
};

// Calls apply(chosen, cover) for each `size` items whose masks together cover exactly `size`
// bits (chosen: bit i for item i), until apply reports progress.
template <typename Apply>
bool FindSubset(const Items& items, int size, Apply&& apply, int start = 0, Mask chosen = 0,
                Mask cover = 0) {
    if (CountOf(chosen) == size) {
        return CountOf(cover) == size && apply(chosen, cover);
    }
    for (int i = start; i < items.count; ++i) {
        const Mask wider = cover | items.masks[static_cast<size_t>(i)];
        if (CountOf(wider) <= size &&
            FindSubset(items, size, apply, i + 1, chosen | Bit(i), wider)) {
            return true;
        }
    }
    return false;
}

}  // namespace

Deduction::Deduction(const Geometry& geometry, const Grid& givens)
    : geometry_(&geometry),
      candidates_(static_cast<size_t>(geometry.Cells()), AllOf(geometry.Side())),
      values_(static_cast<size_t>(geometry.Cells()), -1),
      open_(geometry.Cells()) {
    for (int cell = 0; cell < geometry.Cells() && !broken_; ++cell) {
        const int given = givens[static_cast<size_t>(cell)];
        if (given >= 0) {
            Assign(cell, given);
        }
    }
}

void Deduction::Assign(int cell, int symbol) {
    const auto at = static_cast<size_t>(cell);
    if (values_[at] >= 0 || (candidates_[at] & Bit(symbol)) == 0) {
        broken_ = broken_ || values_[at] != symbol;
        return;
    }
    values_[at] = symbol;
    candidates_[at] = Bit(symbol);
    --open_;
    for (const int peer : geometry_->Peers(cell)) {
        auto& peer_mask = candidates_[static_cast<size_t>(peer)];
        peer_mask &= ~Bit(symbol);
        broken_ = broken_ || peer_mask == 0;
    }
}

int Deduction::FewestCandidatesCell() const {
    int best = -1;
    int best_count = geometry_->Side() + 1;
    for (int cell = 0; cell < geometry_->Cells(); ++cell) {
        const int count = CountOf(OpenCandidates(cell));
        if (values_[static_cast<size_t>(cell)] < 0 && count < best_count) {
            best = cell;
            best_count = count;
        }
    }
    return best;
}

void Deduction::Run(Technique up_to) {
    while (!broken_ && open_ > 0 && Step(up_to)) {
    }
}

bool Deduction::Step(Technique up_to) {
    if (NakedSingles() || HiddenSingles()) {
        return true;
    }
    if (up_to >= Technique::kLockedCandidates && LockedCandidates()) {
        return true;
    }
    if (up_to >= Technique::kPairs && Subsets(2)) {
        return true;
    }
    return up_to >= Technique::kTriples && Subsets(3);
}

Mask Deduction::OpenCandidates(int cell) const {
    const auto at = static_cast<size_t>(cell);
    return values_[at] < 0 ? candidates_[at] : 0;
}

bool Deduction::Eliminate(int cell, Mask symbols) {
    auto& mask = candidates_[static_cast<size_t>(cell)];
    if (values_[static_cast<size_t>(cell)] >= 0 || (mask & symbols) == 0) {
        return false;
    }
    mask &= ~symbols;
    broken_ = broken_ || mask == 0;
    return true;
}

bool Deduction::NakedSingles() {
    bool progress = false;
    for (int cell = 0; cell < geometry_->Cells() && !broken_; ++cell) {
        const Mask mask = OpenCandidates(cell);
        if (IsSingle(mask)) {
            Assign(cell, LowestOf(mask));
            progress = true;
        }
    }
    return progress;
}

bool Deduction::HiddenSingles() {
    bool progress = false;
    for (int unit = 0; unit < geometry_->Units() && !broken_; ++unit) {
        Mask placed = 0;
        Mask once = 0;
        Mask twice = 0;
        for (const int cell : geometry_->Unit(unit)) {
            const Mask mask = OpenCandidates(cell);
            twice |= once & mask;
            once |= mask;
            if (values_[static_cast<size_t>(cell)] >= 0) {
                placed |= candidates_[static_cast<size_t>(cell)];
            }
        }
        const Mask needed = AllOf(geometry_->Side()) & ~placed;
        if ((needed & ~once) != 0) {
            broken_ = true;
            return true;
        }
        const Mask singles = once & ~twice;
        for (const int cell : geometry_->Unit(unit)) {
            const Mask mine = OpenCandidates(cell) & singles;
            if (mine != 0 && !IsSingle(mine)) {
                // Two symbols whose only place is this one cell: one of them has none.
                broken_ = true;
                return true;
            }
            if (mine != 0) {
                Assign(cell, LowestOf(mine));
                progress = true;
            }
        }
    }
    return progress;
}

bool Deduction::LockedCandidates() {
    return LockedAlong(true) || LockedAlong(false);
}

// Locked candidates on the meeting of each box with each row (or each column). Pointing: a
// box's symbol confined to one line leaves the rest of the line. Claiming: a line's symbol
// confined to one box leaves the rest of the box.
bool Deduction::LockedAlong(bool rows) {
    const int box = geometry_->Box();
    const int side = geometry_->Side();
    const auto cell_at = [&](int line, int position) {
        return rows ? geometry_->CellAt(line, position) : geometry_->CellAt(position, line);
    };
    // segments[line * box + band]: candidates of the line's `box` cells inside one box.
    std::array<Mask, 32 * 8> segments{};
    for (int line = 0; line < side; ++line) {
        for (int position = 0; position < side; ++position) {
            segments[static_cast<size_t>(line * box + position / box)] |=
                OpenCandidates(cell_at(line, position));
        }
    }
    const auto segment = [&](int line, int band) {
        return segments[static_cast<size_t>(line * box + band)];
    };
    bool progress = false;
    for (int line = 0; line < side; ++line) {
        const int first_line = line / box * box;
        for (int band = 0; band < box; ++band) {
            Mask line_rest = 0;
            Mask box_rest = 0;
            for (int k = 0; k < box; ++k) {
                line_rest |= k != band ? segment(line, k) : 0;
                box_rest |= first_line + k != line ? segment(first_line + k, band) : 0;
            }
            const Mask pointing = segment(line, band) & ~box_rest;
            const Mask claiming = segment(line, band) & ~line_rest;
            for (int position = 0; pointing != 0 && position < side; ++position) {
                if (position / box != band) {
                    progress |= Eliminate(cell_at(line, position), pointing);
                }
            }
            for (int k = 0; claiming != 0 && k < box * box; ++k) {
                const int other = first_line + k / box;
                if (other != line) {
                    progress |= Eliminate(cell_at(other, band * box + k % box), claiming);
                }
            }
        }
    }
    return progress;
}

bool Deduction::Subsets(int size) {
    for (int unit = 0; unit < geometry_->Units() && !broken_; ++unit) {
        if (NakedSubset(unit, size) || HiddenSubset(unit, size)) {
            return true;
        }
    }
    return false;
}

// `size` cells holding only `size` symbols between them: no other cell of the unit takes those.
bool Deduction::NakedSubset(int unit, int size) {
    const auto cells = geometry_->Unit(unit);
    Items items;
    for (size_t p = 0; p < cells.size(); ++p) {
        const Mask mask = OpenCandidates(cells[p]);
        if (CountOf(mask) >= 2 && CountOf(mask) <= size) {
            items.Add(static_cast<int>(p), mask);
        }
    }
    return FindSubset(items, size, [&](Mask chosen, Mask symbols) {
        Mask members = 0;
        ForEachBit(chosen, [&](int i) { members |= Bit(items.ids[static_cast<size_t>(i)]); });
        bool progress = false;
        for (size_t p = 0; p < cells.size(); ++p) {
            if ((members & Bit(static_cast<int>(p))) == 0) {
                progress |= Eliminate(cells[p], symbols);
            }
        }
        return progress;
    });
}

// `size` symbols with only `size` places between them: those places take no other symbol.
bool Deduction::HiddenSubset(int unit, int size) {
    const auto cells = geometry_->Unit(unit);
    std::array<Mask, 32> places{};
    for (size_t p = 0; p < cells.size(); ++p) {
        ForEachBit(OpenCandidates(cells[p]), [&](int symbol) {
            places[static_cast<size_t>(symbol)] |= Bit(static_cast<int>(p));
        });
    }
    Items items;
    for (int symbol = 0; symbol < geometry_->Side(); ++symbol) {
        const int count = CountOf(places[static_cast<size_t>(symbol)]);
        if (count >= 2 && count <= size) {
            items.Add(symbol, places[static_cast<size_t>(symbol)]);
        }
    }
    return FindSubset(items, size, [&](Mask chosen, Mask positions) {
        Mask symbols = 0;
        ForEachBit(chosen, [&](int i) { symbols |= Bit(items.ids[static_cast<size_t>(i)]); });
        bool progress = false;
        ForEachBit(positions,
                   [&](int p) { progress |= Eliminate(cells[static_cast<size_t>(p)], ~symbols); });
        return progress;
    });
}

}  // namespace quintara::bankgen
