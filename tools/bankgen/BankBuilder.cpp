// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/bankgen/BankBuilder.h"

#include <atomic>
#include <set>
#include <string>
#include <thread>

namespace quintara::bankgen {

namespace {

// Attempts per entry before the build gives up; far beyond what any table needs.
constexpr int kMaxAttempts = 100000;

// The stream that draws an entry's target count, apart from every attempt's stream, so that
// failed attempts cannot bias the table's mean.
constexpr int kTargetStream = -1;

struct Job {
    const TableRules* rules;
    int table;
    int index;
    std::optional<Entry> entry;
    int attempt = 0;
};

// Builds the entry from the first attempt at or after `job.attempt` that succeeds.
void RunJob(uint64_t seed, Job& job) {
    Rng target_rng(AttemptSeed(seed, job.table, job.index, kTargetStream));
    const int target = DrawTarget(*job.rules, target_rng);
    for (; job.attempt < kMaxAttempts; ++job.attempt) {
        Rng rng(AttemptSeed(seed, job.table, job.index, job.attempt));
        job.entry = TryGenerate(*job.rules, target, rng);
        if (job.entry) {
            return;
        }
    }
}

bool HoldsExample(const TableRules& rules) {
    return rules.box == 3 && rules.level == 'E';
}

std::vector<Job> PlanJobs(std::span<const TableRules> tables) {
    std::vector<Job> jobs;
    for (int table = 0; table < static_cast<int>(tables.size()); ++table) {
        const TableRules& rules = tables[static_cast<size_t>(table)];
        for (int index = HoldsExample(rules) ? 1 : 0; index < rules.count; ++index) {
            jobs.push_back({&rules, table, index, std::nullopt});
        }
    }
    return jobs;
}

void RunJobs(uint64_t seed, int workers, std::vector<Job>& jobs) {
    // Last tables (the largest grids) first, so the slow jobs do not end up alone at the tail.
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            RunJob(seed, jobs[jobs.size() - 1 - i]);
        }
    };
    std::vector<std::thread> threads;
    for (int w = 1; w < workers; ++w) {
        threads.emplace_back(work);
    }
    work();
    for (auto& thread : threads) {
        thread.join();
    }
}

}  // namespace

std::optional<std::vector<BuiltTable>> BuildBank(uint64_t seed, int workers,
                                                 std::span<const TableRules> tables) {
    std::vector<Job> jobs = PlanJobs(tables);
    RunJobs(seed, workers, jobs);

    std::vector<BuiltTable> bank;
    std::set<std::string> seen;
    for (const TableRules& rules : tables) {
        bank.push_back({rules, {}});
        if (HoldsExample(rules)) {
            bank.back().entries.push_back(
                {std::string(kExamplePuzzle), std::string(kExampleSolution)});
            seen.insert(std::string(kExamplePuzzle));
            seen.insert(std::string(kExampleSolution));
        }
    }
    for (Job& job : jobs) {
        while (job.entry && (seen.count(job.entry->puzzle) || seen.count(job.entry->solution))) {
            ++job.attempt;
            RunJob(seed, job);
        }
        if (!job.entry) {
            return std::nullopt;
        }
        seen.insert(job.entry->puzzle);
        seen.insert(job.entry->solution);
        bank[static_cast<size_t>(job.table)].entries.push_back(*job.entry);
    }
    return bank;
}

}  // namespace quintara::bankgen
