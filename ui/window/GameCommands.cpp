// SPDX-License-Identifier: GPL-3.0-or-later
// The four game commands, forwarded to the game, and what the window does with the game's
// reports: lay the grid out, take the focus, follow the state, repaint the cells that changed.
#include <QAction>

#include "ui/Language.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/RadioGroup.h"
#include "ui/window/Usudk0201.h"

namespace quintara {

bool TfrmSudoku::NewGame() {
    return game_.NewGame(cbg1->ItemIndex(), cbgLivello->ItemIndex());
}

void TfrmSudoku::ActGeneraExecute(QObject* /*Sender*/) {
    if (game_.Generate(cbg1->ItemIndex(), cbgLivello->ItemIndex()) && ActPrint->isEnabled()) {
        ActGenera->setText(Pick("Rigenera [F10]", "Generate [F10]"));
    }
}

void TfrmSudoku::ActPlayExecute(QObject* /*Sender*/) {
    if (game_.Playing()) {
        if (!game_.Quit()) {
            FocusGridIfVisible();
        }
        return;
    }
    game_.Play();
    StartClock();
}

// The clock shows local time plus this offset, that is the time since the start; the start's
// milliseconds are dropped.
void TfrmSudoku::StartClock() {
    const QTime start = game_.StartTime().time();
    Clock1->TimeOffset.Hours = -start.hour();
    Clock1->TimeOffset.Minutes = -start.minute();
    Clock1->TimeOffset.Seconds = -start.second();
    Clock1->Refresh();
}

void TfrmSudoku::ActToggleViewExecute(QObject* /*Sender*/) {
    game_.ToggleView();
}

void TfrmSudoku::ActSuggerisciExecute(QObject* /*Sender*/) {
    game_.Hint(SelectedCell());
    FocusGridIfVisible();
}

void TfrmSudoku::LayOut(int32_t box_size, bool size_changed) {
    if (size_changed) {
        SetWindowSizeFor(box_size);
    }
    SetupGrid(box_size);
}

void TfrmSudoku::NewPuzzle() {
    sg1->SetFocus();
}

void TfrmSudoku::StateChanged() {
    UpdateState();
}

void TfrmSudoku::CellsChanged(const std::vector<CellPlace>& cells) {
    for (const CellPlace& cell : cells) {
        sg1->RepaintCell(cell.col, cell.row);
        sg1->CellChanged(cell.col, cell.row);
    }
}

}  // namespace quintara
