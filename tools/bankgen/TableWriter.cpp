// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bankgen/TableWriter.h"

#include <fstream>
#include <vector>

#include "tools/bankgen/Geometry.h"

namespace quintara::bankgen {

namespace {

// Longest run of cells on one source line; whole grid rows only.
constexpr int kCellsPerLine = 81;

void AppendLines(std::string_view half, int side, std::vector<std::string>& lines) {
    const auto per_line = static_cast<size_t>(kCellsPerLine / side * side);
    for (size_t at = 0; at < half.size(); at += per_line) {
        lines.push_back("    \"" + std::string(half.substr(at, per_line)) + "\"");
    }
}

// One entry as adjacent string literals, which the compiler joins into one string.
void AppendEntry(const Entry& entry, int side, size_t index, std::string& out) {
    std::vector<std::string> lines;
    AppendLines(entry.puzzle, side, lines);
    AppendLines(entry.solution, side, lines);
    lines.back() += ",";
    out += "    // " + std::to_string(index) + "\n";
    for (const auto& line : lines) {
        out += line + "\n";
    }
}

}  // namespace

std::string TableFileName(const TableRules& rules) {
    return "Table" + rules.Name() + ".cpp";
}

std::string TableSource(const BuiltTable& table, uint64_t seed) {
    const TableRules& rules = table.rules;
    const int side = rules.box * rules.box;
    std::string out;
    out += "// SPDX-License-Identifier: GPL-3.0-or-later\n";
    out += "// Generated file, do not edit: rebuilt by `./quintara bank`\n";
    out += "// (tools/bankgen --out bank/tables --seed " + std::to_string(seed) + ").\n";
    out += "// Table " + rules.Name() + ": " + std::to_string(table.entries.size()) +
           " entries, each the puzzle half then the solution half.\n\n";
    out += "#include \"bank/tables/Tables.h\"\n\n";
    out += "namespace quintara::tables {\n\n";
    out += "constexpr const char* const kTable" + rules.Name() + "[" +
           std::to_string(table.entries.size()) + "] = {\n";
    for (size_t i = 0; i < table.entries.size(); ++i) {
        AppendEntry(table.entries[i], side, i, out);
    }
    const std::string cells = std::to_string(side * side);
    out += "};\n\nstatic_assert(EntriesComplete(kTable" + rules.Name() + ", " + cells +
           "),\n              \"every entry of table " + rules.Name() +
           " holds a puzzle and a solution of " + cells + " cells\");\n";
    out += "\n}  // namespace quintara::tables\n";
    return out;
}

bool WriteTables(const std::filesystem::path& dir, const std::vector<BuiltTable>& bank,
                 uint64_t seed) {
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    for (const BuiltTable& table : bank) {
        std::ofstream file(dir / TableFileName(table.rules), std::ios::binary | std::ios::trunc);
        file << TableSource(table, seed);
        if (!file) {
            return false;
        }
    }
    return true;
}

}  // namespace quintara::bankgen
