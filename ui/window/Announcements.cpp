// SPDX-License-Identifier: GPL-3.0-or-later
// The words a screen reader speaks after a command.
#include "ui/window/Announcements.h"

#include "ui/Language.h"

namespace quintara::announcements {

using enum GameState;

namespace {

bool InPlay(GameState state) {
    return state == gsPlaying || state == gsPlayingSolution;
}

}  // namespace

QString StateChange(GameState from, GameState to, int32_t grid_size) {
    if (from == to) {
        return {};
    }
    switch (to) {
        case gsPuzzle:
            if (from == gsNone) {
                return Pick("Nuova partita %1 per %1", "New puzzle, %1 by %1").arg(grid_size);
            }
            return InPlay(from) ? Pick("Gioco abbandonato, inserimenti cancellati",
                                       "Game quit, entries erased")
                                : Pick("Gioco mostrato", "Game shown");
        case gsPlaying:
            return from == gsPlayingSolution
                       ? Pick("Gioco mostrato", "Game shown")
                       : Pick("In gioco, orologio avviato", "Playing, clock started");
        case gsSolution:
        case gsPlayingSolution:
            return Pick("Soluzione mostrata", "Solution shown");
        default:
            return {};
    }
}

QString ErrorView(bool on) {
    return on ? Pick("Controllo errori attivo", "Error view on")
              : Pick("Controllo errori spento", "Error view off");
}

QString ClockShown(bool shown) {
    return shown ? Pick("Orologio mostrato", "Clock shown")
                 : Pick("Orologio nascosto", "Clock hidden");
}

}  // namespace quintara::announcements
