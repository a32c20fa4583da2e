// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quintara {

// Upper-casing of the game's single-byte texts: only a to z change, every other byte stays.
constexpr char UpperAscii(char character) {
    return (character >= 'a' && character <= 'z') ? static_cast<char>(character - 'a' + 'A')
                                                  : character;
}

}  // namespace quintara
