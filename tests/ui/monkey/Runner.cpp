// SPDX-License-Identifier: GPL-3.0-or-later
// Runs of the monkey: one seed on one window, the checks after each event, and shrinking.
#include "Runner.h"

#include <QDateTime>

#include "Checks.h"
#include "Crash.h"
#include "Driver.h"
#include "QtWarnings.h"
#include "Reduce.h"

namespace quintara::monkey {

namespace {

// Every run starts its clock here: a summer morning, far from any change of the clocks.
int64_t StartOfPlay() {
    return QDateTime(QDate(2026, 6, 1), QTime(8, 0), Qt::UTC).toMSecsSinceEpoch();
}

}  // namespace

Played Runner::Play(uint32_t seed, const std::vector<Event>& stream,
                    const std::vector<size_t>& order) {
    (void)warnings_.Take();
    Driver driver(seed, StartOfPlay());
    Played played;
    for (const size_t index : order) {
        MarkPosition(seed, index);
        driver.Perform(stream[index], index);
        ++played.events;
        std::vector<std::string> problems = CheckWindow(driver);
        for (std::string& warning : warnings_.Take()) {
            problems.push_back(std::move(warning));
        }
        const bool last = played.events == order.size();
        if (problems.empty() && (played.events % look_every_ == 0 || last)) {
            problems = CheckLook(driver);
        }
        if (!problems.empty()) {
            played.failure = Failure{index, std::move(problems)};
            break;
        }
    }
    played.tally = driver.tally();
    return played;
}

std::vector<size_t> Runner::Shrink(uint32_t seed, const std::vector<Event>& stream,
                                   std::vector<size_t> played, const Failure& failure,
                                   double seconds, size_t& trials) {
    const std::string kind = KindOf(failure.problems.front());
    const auto fails = [&](std::vector<size_t>& candidate) {
        ++trials;
        const Played trial = Play(seed, stream, candidate);
        if (!trial.failure || KindOf(trial.failure->problems.front()) != kind) {
            return false;
        }
        candidate.resize(trial.events);  // the events after the failure never ran
        return true;
    };
    return Reduce(std::move(played), seconds, fails);
}

}  // namespace quintara::monkey
