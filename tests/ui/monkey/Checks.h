// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace quintara::monkey {

class Driver;

// After every event: what the window shows against what the model expects. Each problem starts
// with its kind ("state:", "controls:", "outputs:", ...), which shrinking keeps constant.
std::vector<std::string> CheckWindow(Driver& driver);

// A coarse look at the grid's picture: ink of the givens' blue in every given's cell and nowhere
// else, black ink where the grid shows any other symbol, none in an empty cell.
std::vector<std::string> CheckLook(Driver& driver);

// The kind of a problem: its text up to the first colon.
std::string KindOf(const std::string& problem);

}  // namespace quintara::monkey
