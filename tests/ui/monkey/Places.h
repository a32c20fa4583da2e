// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quintara::monkey {

// Places of events in a seed's stream, as runs replay them and the command line writes them.

// Places 0 .. count-1.
std::vector<size_t> Prefix(size_t count);
// "3,17,40-52" and back; nothing for a text that is not such a list.
std::string FormatPlaces(const std::vector<size_t>& places);
std::optional<std::vector<size_t>> ParsePlaces(const std::string& text);

}  // namespace quintara::monkey
