// SPDX-License-Identifier: GPL-3.0-or-later
// bankgen --out DIR [--seed N]: builds the nine puzzle tables from the seed, proves every entry
// and writes the table sources into DIR.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>

#include "tools/bankgen/Audit.h"
#include "tools/bankgen/BankBuilder.h"
#include "tools/bankgen/TableWriter.h"

namespace {

using quintara::bankgen::BuiltTable;

// The seed of the committed tables.
constexpr uint64_t kDefaultSeed = 20261209;

struct Options {
    std::string out;
    uint64_t seed = kDefaultSeed;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view name = argv[i];
        char* end = nullptr;
        if (name == "--out") {
            options.out = argv[i + 1];
        } else if (name == "--seed") {
            options.seed = std::strtoull(argv[i + 1], &end, 10);
            if (end == argv[i + 1] || *end != '\0') {
                return false;
            }
        } else {
            return false;
        }
    }
    return argc % 2 == 1 && !options.out.empty();
}

// Proves the whole bank before anything is written; prints every fault.
bool AuditBank(const std::vector<BuiltTable>& bank) {
    std::vector<quintara::bankgen::LabelledEntry> all;
    std::vector<std::string> joined;
    for (const BuiltTable& table : bank) {
        for (const auto& entry : table.entries) {
            joined.push_back(entry.puzzle + entry.solution);
        }
    }
    size_t next = 0;
    bool sound = true;
    for (const BuiltTable& table : bank) {
        for (size_t i = 0; i < table.entries.size(); ++i, ++next) {
            const std::string label = table.rules.Name() + "[" + std::to_string(i) + "]";
            for (const auto& fault : quintara::bankgen::AuditEntry(table.rules, joined[next])) {
                std::fprintf(stderr, "bankgen: %s: %s\n", label.c_str(), fault.c_str());
                sound = false;
            }
            all.push_back({label, joined[next], static_cast<int>(table.entries[i].puzzle.size())});
        }
    }
    for (const auto& fault : quintara::bankgen::AuditRepeats(all)) {
        std::fprintf(stderr, "bankgen: %s\n", fault.c_str());
        sound = false;
    }
    return sound;
}

void PrintMeans(const std::vector<BuiltTable>& bank) {
    for (const BuiltTable& table : bank) {
        long givens = 0;
        for (const auto& entry : table.entries) {
            for (const char c : entry.puzzle) {
                givens += c != quintara::bankgen::kBlank;
            }
        }
        std::printf("  table %s: %zu entries, mean givens %.2f (reference %.1f)\n",
                    table.rules.Name().c_str(), table.entries.size(),
                    static_cast<double>(givens) / static_cast<double>(table.entries.size()),
                    table.rules.reference_mean);
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: bankgen --out DIR [--seed N]\n");
        return 2;
    }
    const auto start = std::chrono::steady_clock::now();
    const int workers = static_cast<int>(std::max(2U, std::thread::hardware_concurrency()));
    const auto bank = quintara::bankgen::BuildBank(options.seed, workers);
    if (!bank) {
        std::fprintf(stderr, "bankgen: some entry could not be built\n");
        return 1;
    }
    const auto built = std::chrono::steady_clock::now();
    if (!AuditBank(*bank)) {
        return 1;
    }
    if (!quintara::bankgen::WriteTables(options.out, *bank, options.seed)) {
        std::fprintf(stderr, "bankgen: cannot write the tables into %s\n", options.out.c_str());
        return 1;
    }
    const auto done = std::chrono::steady_clock::now();
    using Seconds = std::chrono::duration<double>;
    std::printf("bankgen: seed %llu, %d workers, built in %.2f s, proved in %.2f s\n",
                static_cast<unsigned long long>(options.seed), workers,
                Seconds(built - start).count(), Seconds(done - built).count());
    PrintMeans(*bank);
    return 0;
}
