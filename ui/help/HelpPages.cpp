// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/help/HelpPages.h"

#include <array>

#include "ui/Language.h"
#include "ui/game/GameState.h"
#include "ui/help/Links.h"
#include "ui/platform/Services.h"

namespace quintara {

namespace {

constexpr std::array<const char*, 3> kItalianPages = {
    "/w_orvella-quintara0-hlp0.aspx",
    "/w_orvella-quintara0-hlp1.aspx",
    "/w_orvella-quintara0-hlp2.aspx",
};
constexpr std::array<const char*, 3> kEnglishPages = {
    "/w_orvella-quintara0-hlp0-EN.aspx",
    "/w_orvella-quintara0-hlp1-EN.aspx",
    "/w_orvella-quintara0-hlp2-EN.aspx",
};

// The page of a game state, or -1 when the state has none.
int PageForState(uint8_t state) {
    switch (static_cast<GameState>(state)) {
        case GameState::gsNone:
            return 0;
        case GameState::gsPuzzle:
        case GameState::gsSolution:
            return 1;
        case GameState::gsPlaying:
        case GameState::gsPlayingSolution:
            return 2;
    }
    return -1;
}

}  // namespace

QString HelpAddress(int page) {
    if (page < 0 || page >= static_cast<int>(kItalianPages.size())) {
        return {};
    }
    const auto index = static_cast<size_t>(page);
    return links::HelpPageAddress(Pick(kItalianPages[index], kEnglishPages[index]));
}

void showHelp(uint8_t state, platform::Services& services, QWidget* owner) {
    constexpr uint8_t kFirstUnknownState = StateNumber(GameState::gsPlayingSolution) + 1;
    if (state >= kFirstUnknownState) {
        services.ShowMessage(
            Pick("Internal error showHelp001: stato:", "Internal error showHelp001: state:") +
            QString::number(state) + Pick(" non gestito !", " unmanaged !"));
        return;
    }
    const int page = PageForState(state);
    if (page >= 0) {
        services.ShellExecuteA(owner, QStringLiteral("open"), HelpAddress(page));
    }
}

}  // namespace quintara
