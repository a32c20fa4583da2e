// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bankgen/Audit.h"

#include <algorithm>
#include <map>

#include "tools/bankgen/Generator.h"
#include "tools/bankgen/Grader.h"
#include "tools/bankgen/Solver.h"

namespace quintara::bankgen {

namespace {

bool IsCompleteValidGrid(const Geometry& geometry, const Grid& solution) {
    for (int unit = 0; unit < geometry.Units(); ++unit) {
        Mask seen = 0;
        for (const int cell : geometry.Unit(unit)) {
            const int value = solution[static_cast<size_t>(cell)];
            if (value < 0) {
                return false;
            }
            seen |= Bit(value);
        }
        if (seen != AllOf(geometry.Side())) {
            return false;
        }
    }
    return true;
}

bool GivensAgree(const Grid& puzzle, const Grid& solution) {
    for (size_t at = 0; at < puzzle.size(); ++at) {
        if (puzzle[at] >= 0 && puzzle[at] != solution[at]) {
            return false;
        }
    }
    return true;
}

const char* TechniqueName(Technique technique) {
    switch (technique) {
        case Technique::kSingles:
            return "singles";
        case Technique::kLockedCandidates:
            return "locked candidates";
        case Technique::kPairs:
            return "pairs";
        case Technique::kTriples:
            return "triples";
    }
    return "?";
}

// Checks that need well-formed halves; AuditEntry runs them only then.
void AuditContent(const TableRules& rules, const Grid& puzzle, const Grid& solution,
                  std::vector<std::string>& faults) {
    const Geometry& geometry = GeometryOf(rules.box);
    if (!IsCompleteValidGrid(geometry, solution)) {
        faults.push_back("solution is not a complete valid grid");
    }
    if (!GivensAgree(puzzle, solution)) {
        faults.push_back("a given differs from the solution");
    }
    const auto givens = std::count_if(puzzle.begin(), puzzle.end(), [](int v) { return v >= 0; });
    if (givens < rules.min_givens || givens > rules.max_givens) {
        faults.push_back(std::to_string(givens) + " givens, outside " +
                         std::to_string(rules.min_givens) + ".." +
                         std::to_string(rules.max_givens));
    }
    if (const int solutions = CountSolutions(geometry, puzzle); solutions != 1) {
        faults.push_back(solutions == 0 ? "no solution" : "more than one solution");
    }
    const auto grade = Grade(geometry, puzzle);
    if (grade != rules.technique) {
        faults.push_back(std::string("needs ") +
                         (grade ? TechniqueName(*grade) : "more than triples") + ", table wants " +
                         TechniqueName(rules.technique));
    }
    if (HasSymmetricBlanks(geometry, puzzle)) {
        faults.push_back("symmetric blank pattern");
    }
}

}  // namespace

std::vector<std::string> AuditEntry(const TableRules& rules, std::string_view entry) {
    const Geometry& geometry = GeometryOf(rules.box);
    const auto cells = static_cast<size_t>(geometry.Cells());
    if (entry.size() != 2 * cells) {
        return {"length " + std::to_string(entry.size()) + ", expected " +
                std::to_string(2 * cells)};
    }
    const auto symbols = SymbolsOf(rules.box);
    const Grid puzzle = ParseHalf(entry.substr(0, cells), symbols);
    const Grid solution = ParseHalf(entry.substr(cells), symbols);
    std::vector<std::string> faults;
    if (std::any_of(puzzle.begin(), puzzle.end(), [](int v) { return v < -1; })) {
        faults.push_back("puzzle half holds a character that is neither '?' nor a symbol");
    }
    if (std::any_of(solution.begin(), solution.end(), [](int v) { return v < 0; })) {
        faults.push_back("solution half holds a character that is not a symbol");
    }
    if (faults.empty()) {
        AuditContent(rules, puzzle, solution, faults);
    }
    return faults;
}

std::vector<std::string> AuditRepeats(const std::vector<LabelledEntry>& entries) {
    std::map<std::string_view, std::string> first_seen;
    std::vector<std::string> faults;
    for (const auto& labelled : entries) {
        const auto cells = static_cast<size_t>(labelled.cells);
        for (const auto& [half, name] : {std::pair{labelled.entry.substr(0, cells), "puzzle"},
                                         std::pair{labelled.entry.substr(cells), "solution"}}) {
            const auto [it, fresh] = first_seen.emplace(half, labelled.label);
            if (!fresh) {
                faults.push_back(std::string(name) + " half of " + labelled.label + " repeats " +
                                 it->second);
            }
        }
    }
    return faults;
}

}  // namespace quintara::bankgen
