// SPDX-License-Identifier: GPL-3.0-or-later
// The supervising process: one worker for the run, fresh workers to shrink a crash.
#include "Supervisor.h"

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>

#include "Events.h"
#include "Places.h"
#include "Reduce.h"

namespace quintara::monkey {

namespace {

struct Outcome {
    int status = 0;      // exit status; 128 + the signal when killed
    std::string report;  // what the worker wrote on the report pipe
};

struct Crash {
    uint32_t seed = 0;
    size_t index = 0;
};

// Starts this program as a worker with `arguments`, waits for it and collects its report.
Outcome RunWorker(const std::vector<std::string>& arguments, bool silent) {
    int pipe_fds[2];
    if (pipe2(pipe_fds, O_CLOEXEC) != 0) {
        return {1, {}};
    }
    const pid_t child = fork();
    if (child == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);        // a killed supervisor takes its worker along
        std::signal(SIGINT, SIG_DFL);            // the supervisor's indifference is not inherited
        const int report_fd = dup(pipe_fds[1]);  // without close-on-exec
        if (silent) {
            const int null_fd = open("/dev/null", O_WRONLY);
            dup2(null_fd, STDOUT_FILENO);
            dup2(null_fd, STDERR_FILENO);
        }
        std::vector<std::string> all = {"quintara_monkey", "--worker", "--report-fd",
                                        std::to_string(report_fd)};
        all.insert(all.end(), arguments.begin(), arguments.end());
        std::vector<char*> argv;
        for (std::string& a : all) {
            argv.push_back(a.data());
        }
        argv.push_back(nullptr);
        execv("/proc/self/exe", argv.data());
        _exit(127);
    }
    close(pipe_fds[1]);
    Outcome outcome;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(pipe_fds[0], buffer, sizeof buffer)) > 0) {
        outcome.report.append(buffer, static_cast<size_t>(got));
    }
    close(pipe_fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}

std::optional<Crash> CrashIn(const std::string& report) {
    const size_t at = report.rfind("monkey: CRASH ");
    Crash crash;
    if (at == std::string::npos ||
        std::sscanf(report.c_str() + at, "monkey: CRASH seed=%u event=%zu", &crash.seed,
                    &crash.index) != 2) {
        return std::nullopt;
    }
    return crash;
}

void PrintEvents(uint32_t seed, const std::vector<size_t>& places) {
    const std::vector<Event> stream = EventStream(seed, places.back() + 1);
    for (const size_t place : places) {
        std::printf("          #%zu %s\n", place, Describe(stream[place]).c_str());
    }
}

}  // namespace

int Supervise(const Options& options) {
    // Ctrl-C is the worker's to handle: a soak then ends after its seed and prints its figures.
    std::signal(SIGINT, SIG_IGN);
    const Outcome run = RunWorker(options.arguments, false);
    const std::optional<Crash> crash = CrashIn(run.report);
    if (!crash) {
        return run.status;
    }
    std::printf("monkey: the worker died at seed %u, event %zu (exit status %d)\n", crash->seed,
                crash->index, run.status);
    std::vector<size_t> places = Prefix(crash->index + 1);
    if (options.shrink) {
        size_t trials = 0;
        const auto started = std::chrono::steady_clock::now();
        const auto crashes = [&](std::vector<size_t>& candidate) {
            ++trials;
            const Outcome trial = RunWorker({"--seed", std::to_string(crash->seed), "--keep",
                                             FormatPlaces(candidate), "--no-shrink", "--quiet"},
                                            true);
            const std::optional<Crash> again = CrashIn(trial.report);
            if (!again) {
                return false;
            }
            for (size_t i = 0; i < candidate.size(); ++i) {
                if (candidate[i] == again->index) {
                    candidate.resize(i + 1);  // the events after the crash never ran
                }
            }
            return true;
        };
        places = Reduce(std::move(places), options.shrink_seconds, crashes);
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started;
        std::printf("monkey: the crash shrunk to %zu of %zu events in %zu workers (%.0f s):\n",
                    places.size(), crash->index + 1, trials, took.count());
        PrintEvents(crash->seed, places);
    }
    std::printf("monkey: replay: ./quintara monkey --seed %u --keep %s\n", crash->seed,
                FormatPlaces(places).c_str());
    std::fflush(stdout);
    return run.status == 0 ? 1 : run.status;
}

}  // namespace quintara::monkey
