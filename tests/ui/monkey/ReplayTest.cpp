// SPDX-License-Identifier: GPL-3.0-or-later
// What replaying and shrinking a failure rely on: a seed's events are always the same and a short
// stream is the start of a long one; the reducer finds the events that fail together; places
// survive the command line.
#include <gtest/gtest.h>

#include <algorithm>

#include "Events.h"
#include "Places.h"
#include "Reduce.h"

namespace quintara::monkey {
namespace {

bool Holds(const std::vector<size_t>& places, size_t place) {
    return std::find(places.begin(), places.end(), place) != places.end();
}

TEST(EventStream, ASeedGivesTheSameEventsAndAShortStreamStartsTheLongOne) {
    const std::vector<Event> stream = EventStream(7, 2000);
    EXPECT_EQ(EventStream(7, 2000), stream);
    const std::vector<Event> start = EventStream(7, 300);
    EXPECT_TRUE(std::equal(start.begin(), start.end(), stream.begin()));
    EXPECT_NE(EventStream(8, 2000), stream);
}

TEST(Reduce, FindsTheTwoEventsThatFailTogether) {
    size_t trials = 0;
    const auto fails = [&](std::vector<size_t>& places) {
        ++trials;
        return Holds(places, 17) && Holds(places, 130);
    };
    EXPECT_EQ(Reduce(Prefix(200), 60, fails), (std::vector<size_t>{17, 130}));
    EXPECT_LT(trials, 200u);
}

// A run stops at its failure: the places after it are dropped by the predicate.
TEST(Reduce, KeepsWhatTheFailingRunTrimmedTo) {
    const auto fails = [](std::vector<size_t>& places) {
        const auto at = std::find(places.begin(), places.end(), 40);
        if (at == places.end() || !Holds(places, 3)) {
            return false;
        }
        places.erase(at + 1, places.end());
        return true;
    };
    EXPECT_EQ(Reduce(Prefix(1000), 60, fails), (std::vector<size_t>{3, 40}));
}

TEST(Reduce, StopsWhenItsTimeIsUp) {
    const auto always = [](std::vector<size_t>&) { return true; };
    EXPECT_EQ(Reduce(Prefix(50), 0, always), Prefix(50));
}

TEST(Places, WrittenAndReadBack) {
    std::vector<size_t> places = {3, 17};
    for (size_t i = 40; i <= 52; ++i) {
        places.push_back(i);
    }
    EXPECT_EQ(FormatPlaces(places), "3,17,40-52");
    EXPECT_EQ(ParsePlaces("3,17,40-52"), places);
    EXPECT_EQ(ParsePlaces("5"), std::vector<size_t>{5});
    for (const char* wrong : {"3,x", "9-4", "a-b", ",", "7,,8", "3x", "", "4-"}) {
        EXPECT_FALSE(ParsePlaces(wrong).has_value()) << wrong;
    }
}

}  // namespace
}  // namespace quintara::monkey
