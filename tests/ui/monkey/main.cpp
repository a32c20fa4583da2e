// SPDX-License-Identifier: GPL-3.0-or-later
// quintara_monkey: seeded random play on the real window, checked against a model of the game.
// Without --worker it supervises a worker process that plays (see Supervisor.h).
#include <malloc.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmapCache>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <random>
#include <string>

#include "Crash.h"
#include "Events.h"
#include "Options.h"
#include "QtWarnings.h"
#include "Runner.h"
#include "Supervisor.h"

using namespace quintara::monkey;

namespace {

// Set by Ctrl-C during a soak, which then ends after the seed it is playing; a signal handler has
// no other way to say so.
volatile std::sig_atomic_t g_stop = 0;

void OnInterrupt(int /*signal*/) {
    g_stop = 1;
}

// Resident memory of this process in kB, from /proc/self/status: in all (VmRSS), and the part
// that is anonymous memory rather than pages of mapped files (libraries, fonts); with the bytes
// the heap has handed out and not taken back.
struct Memory {
    long resident_kb = -1;
    long anonymous_kb = -1;
    long heap_kb = -1;

    static Memory Read() {
        Memory memory;
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmRSS:", 0) == 0) {
                memory.resident_kb = std::strtol(line.c_str() + 6, nullptr, 10);
            } else if (line.rfind("RssAnon:", 0) == 0) {
                memory.anonymous_kb = std::strtol(line.c_str() + 8, nullptr, 10);
            }
        }
        memory.heap_kb = static_cast<long>(mallinfo2().uordblks / 1024);
        return memory;
    }

    std::string Text() const {
        return std::to_string(resident_kb) + " kB (anonymous " + std::to_string(anonymous_kb) +
               " kB, heap in use " + std::to_string(heap_kb) + " kB)";
    }
};

// Memory is read with the objects the toolkit deletes later gone and the heap's free pages given
// back: what is left is what lives on.
void SettleMemory() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    malloc_trim(0);
}

// The style caches a picture of each button under a name that holds its size, and Qt 6.4's pixmap
// cache keeps about 120 bytes for every name it ever saw, past its limit and past clear(): the
// monkey's endless resizes would measure that, not the game. Nothing is cached during a soak.
void TurnOffPixmapCache() {
    QPixmapCache::setCacheLimit(0);
}

std::string DescribeAnswers(const Answers& a) {
    static constexpr const char* kAnswers[] = {"Yes", "No", "Cancel", "Escape"};
    static constexpr const char* kCloses[] = {"Chiudi", "Escape", "Enter", "its close button"};
    return std::string("answers ") + kAnswers[static_cast<int>(a.answer)] + "; news button x" +
           std::to_string(a.news_clicks) + ", closed with " +
           kCloses[static_cast<int>(a.news_close)];
}

class Worker {
  public:
    explicit Worker(const Options& options)
        : options_(options), runner_(warnings_, options.look_every) {}

    int Run() { return options_.soak ? Soak() : Seeds(); }

  private:
    int Seeds();
    int Soak();
    // Plays one seed; prints and shrinks a failure. Returns the events played.
    size_t PlaySeed(uint32_t seed, size_t events);

    static uint32_t FreshSeed() {
        std::random_device device;
        return device();
    }

    Options options_;
    QtWarnings warnings_;
    Runner runner_;
    size_t findings_ = 0;
    double play_seconds_ = 0;  // time spent playing, without shrinking
    Tally tally_;
};

size_t Worker::PlaySeed(uint32_t seed, size_t events) {
    const std::vector<size_t> order = options_.keep ? *options_.keep : Prefix(events);
    const std::vector<Event> stream = EventStream(seed, order.back() + 1);
    QElapsedTimer clock;
    clock.start();
    const Played played = runner_.Play(seed, stream, order);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    play_seconds_ += seconds;
    tally_ += played.tally;
    if (!played.failure) {
        if (!options_.quiet) {
            std::printf("monkey: seed %u: %zu events, ok (%.0f events/s)\n", seed, played.events,
                        static_cast<double>(played.events) / seconds);
            std::fflush(stdout);
        }
        return played.events;
    }
    ++findings_;
    const Failure& f = *played.failure;
    std::printf("monkey: FAILED: seed %u, event %zu (%zu played):\n", seed, f.index, played.events);
    for (const std::string& problem : f.problems) {
        std::printf("          %s\n", problem.c_str());
    }
    std::printf("          the event: #%zu %s; %s\n", f.index, Describe(stream[f.index]).c_str(),
                DescribeAnswers(stream[f.index].answers).c_str());
    std::vector<size_t> places(order.begin(), order.begin() + static_cast<long>(played.events));
    if (options_.shrink) {
        size_t trials = 0;
        QElapsedTimer shrinking;
        shrinking.start();
        const size_t before = places.size();
        places = runner_.Shrink(seed, stream, places, f, options_.shrink_seconds, trials);
        std::printf("monkey: shrunk to %zu of %zu events in %zu trials (%.0f s):\n", places.size(),
                    before, trials, static_cast<double>(shrinking.elapsed()) / 1000.0);
        for (const size_t place : places) {
            std::printf("          #%zu %s; %s\n", place, Describe(stream[place]).c_str(),
                        DescribeAnswers(stream[place].answers).c_str());
        }
    }
    std::printf("monkey: replay: ./quintara monkey --seed %u --keep %s\n", seed,
                FormatPlaces(places).c_str());
    std::fflush(stdout);
    return played.events;
}

int Worker::Seeds() {
    std::vector<uint32_t> seeds = options_.seeds;
    for (size_t i = 0; i < options_.fresh; ++i) {
        seeds.push_back(FreshSeed());
    }
    if (options_.fresh > 0) {
        std::printf("monkey: new seeds this run:");
        for (size_t i = seeds.size() - options_.fresh; i < seeds.size(); ++i) {
            std::printf(" %u", seeds[i]);
        }
        std::printf("\n");
    }
    QElapsedTimer clock;
    clock.start();
    size_t events = 0;
    for (const uint32_t seed : seeds) {
        events += PlaySeed(seed, options_.events);
    }
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    std::printf("monkey: %zu events over %zu seeds in %.1f s (%.0f events/s), %zu findings\n",
                events, seeds.size(), seconds, static_cast<double>(events) / play_seconds_,
                findings_);
    std::printf("monkey: reached: %s\n", tally_.Summary().c_str());
    return findings_ == 0 ? 0 : 1;
}

// Plays new seeds until the time is up; memory is read between seeds, when no window is open.
int Worker::Soak() {
    constexpr size_t kEarly = 10000;
    constexpr size_t kLate = 1000000;
    constexpr long kAllowedGrowthKb = 1024;
    TurnOffPixmapCache();
    SettleMemory();
    const Memory start = Memory::Read();
    const std::string how_long =
        options_.minutes > 0 ? "for " + QString::number(options_.minutes).toStdString() + " minutes"
                             : std::string("until stopped (Ctrl-C stops after the current seed)");
    std::printf(
        "monkey: soak %s, %zu events a seed, the pixmap cache off; resident memory at start %s\n",
        how_long.c_str(), options_.events, start.Text().c_str());
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(options_.minutes * 60));
    const auto time_left = [&] {
        return options_.minutes == 0 || std::chrono::steady_clock::now() < deadline;
    };
    std::signal(SIGINT, &OnInterrupt);
    QElapsedTimer clock;
    clock.start();
    size_t events = 0;
    size_t seeds = 0;
    std::optional<std::pair<size_t, Memory>> early;
    std::optional<std::pair<size_t, Memory>> late;
    while (g_stop == 0 && time_left()) {
        events += PlaySeed(FreshSeed(), options_.events);
        ++seeds;
        SettleMemory();
        const Memory now = Memory::Read();
        if (!early && events >= kEarly) {
            early = {events, now};
        }
        if (!late && events >= kLate) {
            late = {events, now};
        }
        std::printf("monkey: soak: %zu events, %.0f events/s, resident %s\n", events,
                    static_cast<double>(events) / play_seconds_, now.Text().c_str());
        std::fflush(stdout);
    }
    SettleMemory();
    const Memory end = Memory::Read();
    const double seconds = static_cast<double>(clock.elapsed()) / 1000.0;
    std::printf(
        "monkey: soak done: %zu events over %zu seeds in %.0f s (%.0f events/s), "
        "%zu findings\n",
        events, seeds, seconds, static_cast<double>(events) / play_seconds_, findings_);
    std::printf("monkey: resident memory at start: %s\n", start.Text().c_str());
    for (const auto& mark : {early, late}) {
        if (mark) {
            std::printf("monkey: resident memory after %zu events: %s\n", mark->first,
                        mark->second.Text().c_str());
        }
    }
    std::printf("monkey: resident memory at the end: %s\n", end.Text().c_str());
    int status = findings_ == 0 ? 0 : 1;
    if (early && late) {
        const long growth = late->second.resident_kb - early->second.resident_kb;
        const bool grew = growth > kAllowedGrowthKb;
        std::printf("monkey: %s: resident memory grew by %ld kB from %zu to %zu events\n",
                    grew ? "FAILED" : "ok", growth, early->first, late->first);
        status = grew ? 1 : status;
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = ParseOptions(argc, argv);
    if (!options) {
        return 2;
    }
    if (options->list) {
        const std::vector<size_t> places = options->keep ? *options->keep : Prefix(options->events);
        const std::vector<Event> stream = EventStream(options->seeds.front(), places.back() + 1);
        for (const size_t place : places) {
            std::printf("#%zu %s; %s\n", place, Describe(stream[place]).c_str(),
                        DescribeAnswers(stream[place].answers).c_str());
        }
        return 0;
    }
    if (!options->worker) {
        return Supervise(*options);
    }
    // Local time is UTC, so the monkey's clock never meets a change of the clocks.
    setenv("TZ", "UTC", 1);
    tzset();
    int qt_argc = 1;
    QApplication application(qt_argc, argv);
    application.setQuitOnLastWindowClosed(false);  // the monkey closes and reopens the window
    InstallCrashReport(options->report_fd);
    return Worker(*options).Run();
}
