// SPDX-License-Identifier: GPL-3.0-or-later
// The player's input on the grid: mouse, keys and the context menu of each state.
#include <QAction>
#include <QCheckBox>
#include <QPushButton>

#include "ui/Language.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/Services.h"
#include "ui/window/Usudk0201.h"

namespace quintara {

using platform::TVirtualKey;

namespace {

constexpr int32_t kDeleteTag = ' ';

// The character a key enters: the space bar, the main keyboard's digits and letters, and the
// keypad's digits. Every other key enters nothing: their codes would otherwise read as
// lower-case letters and slip past the symbol test.
bool CharacterOfKey(TVirtualKey key, char& ch) {
    if (key == platform::VK_SPACE || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) {
        ch = static_cast<char>(key);
        return true;
    }
    if (key >= platform::VK_NUMPAD0 && key <= platform::VK_NUMPAD9) {
        ch = static_cast<char>('0' + (key - platform::VK_NUMPAD0));
        return true;
    }
    return false;
}

}  // namespace

// Writes ch into the current cell unless that cell is a given or ch is neither a space nor a
// symbol of the board.
void TfrmSudoku::TryEnter(char ch) {
    const platform::TGridRect cell = sg1->Selection();
    if (GivenGrid[cell.Top][cell.Left] != ' ') {
        sg1->AnnounceCurrentCell();  // refused: a screen reader tells the given that stays
        return;
    }
    if (ch != ' ' && !Board->IsSymbol(ch)) {
        return;
    }
    PlayGrid[cell.Top][cell.Left] = ch;
    sg1->Repaint();
    sg1->CellChanged(cell.Left, cell.Top);
    CheckCompleted();
}

void TfrmSudoku::sg1MouseDown(QObject* /*Sender*/, platform::TMouseButton Button,
                              platform::TShiftState /*Shift*/, int X, int Y) {
    if (GameState != gsPlaying) {
        return;
    }
    int col = -1;
    int row = -1;
    sg1->MouseToCell(X, Y, col, row);
    // A press outside every cell keeps the selection, which must stay a cell of the grid.
    if (Button == platform::TMouseButton::mbRight && col >= 0 && row >= 0) {
        sg1->setSelection({col, row, col, row});
        sg1->Repaint();
    }
}

void TfrmSudoku::sg1KeyDown(QObject* /*Sender*/, TVirtualKey& Key,
                            platform::TShiftState /*Shift*/) {
    switch (GameState) {
        case gsPlaying: {
            char ch = ' ';
            if (Board && CharacterOfKey(Key, ch)) {
                TryEnter(ch);
            }
            break;
        }
        case gsNone:
        case gsPuzzle:
        case gsSolution:
            services_.ShowMessage(Pick("Per iniziare a giocare clicka su [Gioca] o premi [F5] !",
                                       "To start playing click [Play] or press [F5] !"));
            break;
        case gsPlayingSolution:
            services_.ShowMessage(Pick("Per giocare clicka su [Visualizza gioco] o premi [F6] !",
                                       "To play click on [View Game] or press [F6] !"));
            break;
        default:
            break;
    }
}

void TfrmSudoku::BuildPopupMenu(uint8_t state) {
    popm1->ClearItems();
    const auto on_symbol = [this](QAction* item) { N11Click(item); };
    if (state == gsPlaying) {
        popm1->AddItem(Pick("Cancella ", "Delete "), kDeleteTag, on_symbol);
        for (const char symbol : Symbols(ActiveBoxSize)) {
            popm1->AddItem(QString(QChar::fromLatin1(symbol)), symbol, on_symbol);
        }
    }
    switch (state) {
        case gsPuzzle:
        case gsSolution:
            popm1->AddActionItem(ActPlay, btnPlay->text().trimmed());
            popm1->AddActionItem(ActToggleView, btnToggleView->text());
            break;
        case gsPlaying:
            popm1->AddItem(cbxControllo->isChecked()
                               ? Pick("Disattiva controllo [F8]", "Disable control [F8]")
                               : cbxControllo->text().trimmed(),
                           0, [this](QAction*) { N21Click(); });
            popm1->AddBoundAction(ActSuggerisci);
            popm1->AddActionItem(ActPlay, btnPlay->text().trimmed());
            popm1->AddActionItem(ActToggleView, btnToggleView->text().trimmed());
            break;
        case gsPlayingSolution:
            popm1->AddActionItem(ActPlay, btnPlay->text().trimmed());
            popm1->AddActionItem(ActToggleView, btnToggleView->text().trimmed());
            break;
        default:
            break;
    }
}

void TfrmSudoku::N11Click(QAction* Sender) {
    if (!GridVisible() || !Board || GameState != gsPlaying) {
        return;
    }
    TryEnter(static_cast<char>(platform::TPopupMenu::Tag(Sender) & 0xFF));
}

void TfrmSudoku::N21Click() {
    if (!cbxControllo->isHidden() && cbxControllo->isEnabled()) {
        cbxControllo->setChecked(!cbxControllo->isChecked());
    }
}

}  // namespace quintara
