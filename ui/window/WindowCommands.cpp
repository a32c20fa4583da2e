// SPDX-License-Identifier: GPL-3.0-or-later
// Start and close of the window, the controls of each game state, the function keys and the two
// check boxes of the game panel.
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <algorithm>

#include "engine/Random.h"
#include "engine/Symbols.h"
#include "ui/Language.h"
#include "ui/help/HelpPages.h"
#include "ui/help/Usudk02_upgrade.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/Services.h"
#include "ui/resources/Resources.h"
#include "ui/window/Announcements.h"
#include "ui/window/Usudk0201.h"

namespace quintara {

using platform::TShiftState;
using platform::TVirtualKey;

namespace {

void Flip(QCheckBox* box) {
    box->setChecked(!box->isChecked());
}

}  // namespace

bool TfrmSudoku::GridVisible() const {
    return !sg1->isHidden();
}

void TfrmSudoku::FocusGridIfVisible() {
    if (GridVisible()) {
        sg1->SetFocus();
    }
}

CellPlace TfrmSudoku::SelectedCell() const {
    const platform::TGridRect cell = sg1->Selection();
    return {cell.Left, cell.Top};
}

void TfrmSudoku::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
        // Given once the window exists, the icon's bitmaps are converted for the window system
        // once; given before, Qt converts them as it makes the window and again as it hands the
        // widget's icon on. The window is not yet on the screen either way.
        setWindowIcon(AppIcon());
        FormShow();
    }
}

void TfrmSudoku::closeEvent(QCloseEvent* event) {
    FormClose();
    QWidget::closeEvent(event);
}

void TfrmSudoku::FormShow() {
    SeedFromClock();
    sg1->hide();
    game_.Reset();
    BoxLineWidth = kBoxLineWidth;
    ActPrint->setEnabled(false);
    SetWindowSizeFor(kSmallestBoxSize);
    cbgLivello->setItemIndex(0);
    UpdateState();
    Language = "EN";
    ApplyLanguage();
}

void TfrmSudoku::FormClose() {
    game_.FreeBoard();
}

// The button texts are set before the menu is built, since two of its items take their captions.
void TfrmSudoku::SetStateCaptions(const StateRow& row) {
    if (row.play.english != nullptr) {
        btnPlay->setText(Pick(row.play.italian, row.play.english));
    }
    if (row.toggle.english != nullptr) {
        btnToggleView->setText(Pick(row.toggle.italian, row.toggle.english));
    }
}

// Every control first as no state has it, then as the state's row says.
void TfrmSudoku::UpdateState() {
    for (QAction* action : {ActGenera, ActPrint, ActToggleView, ActPlay, ActSuggerisci}) {
        action->setEnabled(false);
    }
    Clock1->hide();
    pnlGameOn->hide();
    cbg1->setEnabled(false);
    cbgLivello->setEnabled(false);
    popm1->setAutoPopup(false);

    const StateRow* row = RowOf(game_.State());
    if (row == nullptr) {
        services_.ShowMessage(UnmanagedStateMessage(StateNumber(game_.State())));
        return;
    }
    if (row->game_panel) {
        pnlGameOn->show();
        {
            // Cleared on every entry into play; the handler runs once either way.
            const QSignalBlocker blocker(cbxHideTimer);
            cbxHideTimer->setChecked(false);
        }
        cbxHideTimerClick();
    }
    SetStateCaptions(*row);
    ActGenera->setEnabled(row->generate);
    cbg1->setEnabled(row->generate);
    cbgLivello->setEnabled(row->generate);
    for (QAction* action : {ActPrint, ActToggleView, ActPlay}) {
        action->setEnabled(row->game_commands);
    }
    ActSuggerisci->setEnabled(row->hint);
    if (!row->menu.empty()) {
        BuildPopupMenu(row->state);
        popm1->setAutoPopup(true);
    }
    // In gsNone too: after a failed attempt the grid shows another grid than before, and the old
    // view must not stay until something else repaints it.
    if (GridVisible()) {
        sg1->Repaint();
        if (row->focus_grid) {
            sg1->SetFocus();
        }
    }
}

// The function keys in the order the key handler tests them. The key preview claims these keys
// from shortcuts; the handler runs the first one whose command is available.
void TfrmSudoku::CreateCommandKeys() {
    const auto action_key = [this](TVirtualKey key, QAction* action,
                                   void (TfrmSudoku::*execute)(QObject*)) {
        return CommandKey{key, [action] { return action->isEnabled(); },
                          [this, action, execute] { (this->*execute)(action); }};
    };
    command_keys_ = {
        action_key(platform::VK_F1, ActHelp, &TfrmSudoku::ActHelpExecute),
        action_key(platform::VK_F4, ActSuggerisci, &TfrmSudoku::ActSuggerisciExecute),
        action_key(platform::VK_F5, ActPlay, &TfrmSudoku::ActPlayExecute),
        action_key(platform::VK_F6, ActToggleView, &TfrmSudoku::ActToggleViewExecute),
        action_key(platform::VK_F7, ActPrint, &TfrmSudoku::ActPrintExecute),
        // The check boxes' changes run their click handlers.
        {platform::VK_F8, [this] { return cbxControllo->isEnabled(); },
         [this] { Flip(cbxControllo); }},
        {platform::VK_F9, [this] { return !pnlGameOn->isHidden(); },
         [this] { Flip(cbxHideTimer); }},
        action_key(platform::VK_F10, ActGenera, &TfrmSudoku::ActGeneraExecute),
    };
}

bool TfrmSudoku::IsCommandKey(TVirtualKey key) const {
    return std::any_of(command_keys_.begin(), command_keys_.end(),
                       [key](const CommandKey& command) { return command.key == key; });
}

void TfrmSudoku::FormKeyDown(QObject* /*Sender*/, TVirtualKey& Key, TShiftState Shift) {
    if (Shift != 0) {
        return;
    }
    for (const CommandKey& command : command_keys_) {
        if (command.key == Key && command.available()) {
            command.run();
            Key = 0;
            return;
        }
    }
}

void TfrmSudoku::cbxControlloClick() {
    game_.SetErrorView(cbxControllo->isChecked());
    if (!GridVisible()) {
        return;
    }
    sg1->Repaint();
    sg1->SetFocus();
    if (game_.State() == GameState::gsPlaying) {
        BuildPopupMenu(GameState::gsPlaying);
    }
    sg1->Announce(announcements::ErrorView(cbxControllo->isChecked()));
}

void TfrmSudoku::cbxHideTimerClick() {
    Clock1->setVisible(!cbxHideTimer->isChecked());
    if (GridVisible()) {
        sg1->Repaint();
        sg1->SetFocus();
        sg1->Announce(announcements::ClockShown(!cbxHideTimer->isChecked()));
    }
}

void TfrmSudoku::ActHelpExecute(QObject* /*Sender*/) {
    showHelp(StateNumber(game_.State()), services_, this);
    FocusGridIfVisible();
}

void TfrmSudoku::ActPrintExecute(QObject* /*Sender*/) {
    ShowUpgrade(QString::fromUtf8(kPrintNotice));
    FocusGridIfVisible();
}

void TfrmSudoku::ShowUpgrade(const QString& message) {
    frmShowUpgrade->ShowNews(message);
}

}  // namespace quintara
