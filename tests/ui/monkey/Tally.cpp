// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's summary of what it reached.
#include "Tally.h"

namespace quintara::monkey {

Tally& Tally::operator+=(const Tally& other) {
    puzzles += other.puzzles;
    congratulations += other.congratulations;
    questions += other.questions;
    news += other.news;
    pages += other.pages;
    messages += other.messages;
    menus += other.menus;
    menu_items += other.menu_items;
    closes += other.closes;
    for (size_t i = 0; i < states.size(); ++i) {
        states[i] += other.states[i];
    }
    return *this;
}

std::string Tally::Summary() const {
    const auto n = [](size_t count) { return std::to_string(count); };
    return n(puzzles) + " puzzles, " + n(congratulations) + " completed, " + n(questions) +
           " quit questions, " + n(news) + " news dialogs, " + n(pages) + " web pages, " +
           n(messages) + " other messages, " + n(menus) + " menus (" + n(menu_items) +
           " items chosen), " + n(closes) + " closes; events ending in each state: none " +
           n(states[0]) + ", puzzle " + n(states[1]) + ", solution " + n(states[2]) + ", playing " +
           n(states[4]) + ", playing with the solution " + n(states[5]);
}

}  // namespace quintara::monkey
