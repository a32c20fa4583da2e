// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>

class QWidget;

namespace quintara {

namespace platform {
class Services;
}

// Address of help page 0, 1 or 2 in the current Language.
QString HelpAddress(int page);

// Opens the help page of a game state in the browser through the shell's "open"; state 3 does
// nothing, states 6 and above show an internal-error message.
void showHelp(uint8_t state, platform::Services& services, QWidget* owner);

}  // namespace quintara
