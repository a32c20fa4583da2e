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

void TfrmSudoku::sg1MouseDown(QObject* /*Sender*/, platform::TMouseButton Button,
                              platform::TShiftState /*Shift*/, int X, int Y) {
    if (game_.State() != GameState::gsPlaying) {
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
    if (game_.State() != GameState::gsPlaying) {
        game_.ExplainHowToPlay();
        return;
    }
    char ch = ' ';
    if (CharacterOfKey(Key, ch)) {
        EnterInSelectedCell(ch);
    }
}

// The items of the state's row, in its order.
void TfrmSudoku::BuildPopupMenu(GameState state) {
    popm1->ClearItems();
    const StateRow* row = RowOf(state);
    if (row == nullptr) {
        return;
    }
    for (const MenuItem item : row->menu) {
        AddMenuItem(item);
    }
}

void TfrmSudoku::AddMenuItem(MenuItem item) {
    switch (item) {
        case MenuItem::Symbols: {
            const auto on_symbol = [this](QAction* chosen) { N11Click(chosen); };
            popm1->AddItem(Pick("Cancella ", "Delete "), kDeleteTag, on_symbol);
            for (const char symbol : game_.Symbols()) {
                popm1->AddItem(QString(QChar::fromLatin1(symbol)), symbol, on_symbol);
            }
            break;
        }
        case MenuItem::ErrorView:
            popm1->AddItem(cbxControllo->isChecked()
                               ? Pick("Disattiva controllo [F8]", "Disable control [F8]")
                               : cbxControllo->text().trimmed(),
                           0, [this](QAction*) { N21Click(); });
            break;
        case MenuItem::Hint:
            popm1->AddBoundAction(ActSuggerisci);
            break;
        case MenuItem::Play:
            popm1->AddActionItem(ActPlay, btnPlay->text().trimmed());
            break;
        case MenuItem::Toggle:
            popm1->AddActionItem(ActToggleView, btnToggleView->text().trimmed());
            break;
        case MenuItem::ToggleAsShown:
            popm1->AddActionItem(ActToggleView, btnToggleView->text());
            break;
    }
}

void TfrmSudoku::N11Click(QAction* Sender) {
    if (GridVisible()) {
        EnterInSelectedCell(static_cast<char>(platform::TPopupMenu::Tag(Sender) & 0xFF));
    }
}

void TfrmSudoku::N21Click() {
    if (!cbxControllo->isHidden() && cbxControllo->isEnabled()) {
        cbxControllo->setChecked(!cbxControllo->isChecked());
    }
}

}  // namespace quintara
