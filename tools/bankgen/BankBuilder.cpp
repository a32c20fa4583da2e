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
    int table;
    int index;
    std::optional<Entry> entry;
    int attempt = 0;
};

// Builds the entry from the first attempt at or after `job.attempt` that succeeds.
void RunJob(uint64_t seed, Job& job) {
    const TableSpec& spec = BankTables()[static_cast<size_t>(job.table)];
    Rng target_rng(AttemptSeed(seed, job.table, job.index, kTargetStream));
    const int target = DrawTarget(spec, target_rng);
    for (; job.attempt < kMaxAttempts; ++job.attempt) {
        Rng rng(AttemptSeed(seed, job.table, job.index, job.attempt));
        job.entry = TryGenerate(spec, target, rng);
        if (job.entry) {
            return;
        }
    }
}

std::vector<Job> PlanJobs() {
    std::vector<Job> jobs;
    const auto tables = BankTables();
    for (int table = 0; table < static_cast<int>(tables.size()); ++table) {
        // Entry 0 of the first table is the fixed example.
        for (int index = table == 0 ? 1 : 0; index < tables[static_cast<size_t>(table)].count;
             ++index) {
            jobs.push_back({table, index, std::nullopt});
        }
    }
    return jobs;
}

void RunJobs(uint64_t seed, int workers, std::vector<Job>& jobs) {
    // Largest grids first, so the slow jobs do not end up alone at the tail.
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

std::optional<std::vector<BuiltTable>> BuildBank(uint64_t seed, int workers) {
    std::vector<Job> jobs = PlanJobs();
    RunJobs(seed, workers, jobs);

    std::vector<BuiltTable> bank;
    for (const TableSpec& spec : BankTables()) {
        bank.push_back({spec, {}});
    }
    bank[0].entries.push_back({std::string(kExamplePuzzle), std::string(kExampleSolution)});
    std::set<std::string> seen{std::string(kExamplePuzzle), std::string(kExampleSolution)};
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
