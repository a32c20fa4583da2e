// SPDX-License-Identifier: GPL-3.0-or-later
// Places of events: whole prefixes, and the "3,17,40-52" form of the command line.
#include "Places.h"

namespace quintara::monkey {

std::vector<size_t> Prefix(size_t count) {
    std::vector<size_t> places(count);
    for (size_t i = 0; i < count; ++i) {
        places[i] = i;
    }
    return places;
}

std::string FormatPlaces(const std::vector<size_t>& places) {
    std::string text;
    for (size_t i = 0; i < places.size();) {
        size_t j = i;
        while (j + 1 < places.size() && places[j + 1] == places[j] + 1) {
            ++j;
        }
        text += (text.empty() ? "" : ",") + std::to_string(places[i]);
        if (j > i) {
            text += "-" + std::to_string(places[j]);
        }
        i = j + 1;
    }
    return text;
}

namespace {

// More places than any stream the monkey plays.
constexpr size_t kMostPlaces = 100000000;

// A whole number that fills `text` exactly.
std::optional<size_t> Number(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos ||
        text.size() > 18) {
        return std::nullopt;
    }
    return static_cast<size_t>(std::stoull(text));
}

}  // namespace

std::optional<std::vector<size_t>> ParsePlaces(const std::string& text) {
    std::vector<size_t> places;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find(',', at);
        if (end == std::string::npos) {
            end = text.size();
        }
        const std::string part = text.substr(at, end - at);
        const size_t dash = part.find('-');
        const std::optional<size_t> first = Number(part.substr(0, dash));
        const std::optional<size_t> last =
            dash == std::string::npos ? first : Number(part.substr(dash + 1));
        if (!first || !last || *first > *last || *last - *first > kMostPlaces) {
            return std::nullopt;
        }
        for (size_t place = *first; place <= *last; ++place) {
            places.push_back(place);
        }
        at = end + 1;
    }
    return places;
}

}  // namespace quintara::monkey
