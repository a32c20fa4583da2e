// SPDX-License-Identifier: GPL-3.0-or-later
// The four game commands, forwarded to the game, and what the window does with the game's
// reports: lay the grid out, take the focus, follow the state, repaint the cells that changed.
#include <QAction>
#include <utility>

#include "ui/Language.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/RadioGroup.h"
#include "ui/window/Announcements.h"
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
    told_state_ = GameState::gsNone;
}

// The state's change is told last, after what the controls said while following it.
void TfrmSudoku::StateChanged() {
    UpdateState();
    const GameState from = std::exchange(told_state_, game_.State());
    const QString text = announcements::StateChange(from, told_state_, game_.GridSize());
    if (!text.isEmpty()) {
        sg1->Announce(text);
    }
}

// A key or menu choice refused on a given: a screen reader tells the given that stays.
void TfrmSudoku::EnterInSelectedCell(char ch) {
    if (game_.Enter(SelectedCell(), ch) == Game::Entry::OnGiven) {
        sg1->AnnounceCurrentCell();
    }
}

void TfrmSudoku::CellsChanged(const std::vector<CellPlace>& cells) {
    for (const CellPlace& cell : cells) {
        sg1->RepaintCell(cell.col, cell.row);
        sg1->CellChanged(cell.col, cell.row);
    }
}

}  // namespace quintara
