// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <chrono>
#include <vector>

namespace quintara::monkey {

// Delta debugging over a list of event places (ddmin, trying complements): drops ever smaller
// chunks while `fails` says the rest still fails; `fails` may trim what it is given to the events
// that ran before the failure. Gives up after `seconds`.
template <typename Fails>
std::vector<size_t> Reduce(std::vector<size_t> places, double seconds, Fails fails) {
    const auto deadline = std::chrono::steady_clock::now() +
                          std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                              std::chrono::duration<double>(seconds));
    size_t parts = 2;
    while (places.size() > 1 && std::chrono::steady_clock::now() < deadline) {
        const size_t chunk = (places.size() + parts - 1) / parts;
        bool reduced = false;
        for (size_t start = 0; start < places.size() && !reduced; start += chunk) {
            std::vector<size_t> candidate(places.begin(),
                                          places.begin() + static_cast<long>(start));
            const size_t end = std::min(places.size(), start + chunk);
            candidate.insert(candidate.end(), places.begin() + static_cast<long>(end),
                             places.end());
            if (!candidate.empty() && fails(candidate)) {
                places = std::move(candidate);
                parts = std::max<size_t>(parts - 1, 2);
                reduced = true;
            }
            if (std::chrono::steady_clock::now() >= deadline) {
                break;
            }
        }
        if (!reduced) {
            if (chunk == 1) {
                break;
            }
            parts = std::min(parts * 2, places.size());
        }
    }
    return places;
}

}  // namespace quintara::monkey
