// SPDX-License-Identifier: GPL-3.0-or-later
// The words a screen reader speaks after a command.
#include "ui/window/Announcements.h"

#include "ui/Language.h"
#include "ui/window/Usudk0201.h"

namespace quintara::announcements {

QString NewPuzzle(int32_t grid_size) {
    return Pick("Nuova partita %1 per %1", "New puzzle, %1 by %1").arg(grid_size);
}

QString PlayStarted() {
    return Pick("In gioco, orologio avviato", "Playing, clock started");
}

QString GameQuit() {
    return Pick("Gioco abbandonato, inserimenti cancellati", "Game quit, entries erased");
}

QString ViewShown(uint8_t state) {
    return state == gsSolution || state == gsPlayingSolution
               ? Pick("Soluzione mostrata", "Solution shown")
               : Pick("Gioco mostrato", "Game shown");
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
