// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bankgen/Grader.h"

namespace quintara::bankgen {

bool Completes(const Geometry& geometry, const Grid& puzzle, Technique up_to) {
    Deduction deduction(geometry, puzzle);
    deduction.Run(up_to);
    return deduction.Solved();
}

std::optional<Technique> Grade(const Geometry& geometry, const Grid& puzzle) {
    for (const Technique technique : {Technique::kSingles, Technique::kLockedCandidates,
                                      Technique::kPairs, Technique::kTriples}) {
        if (Completes(geometry, puzzle, technique)) {
            return technique;
        }
    }
    return std::nullopt;
}

std::optional<Technique> Simpler(Technique technique) {
    if (technique == Technique::kSingles) {
        return std::nullopt;
    }
    return static_cast<Technique>(static_cast<int>(technique) - 1);
}

}  // namespace quintara::bankgen
