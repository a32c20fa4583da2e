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
#include "ui/Language.h"
#include "ui/help/HelpPages.h"
#include "ui/help/Usudk02_upgrade.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/Services.h"
#include "ui/window/Announcements.h"
#include "ui/window/Usudk0201.h"

namespace quintara {

using platform::TShiftState;
using platform::TVirtualKey;

namespace {

const std::string kNoSymbols;

void Flip(QCheckBox* box) {
    box->setChecked(!box->isChecked());
}

}  // namespace

const std::string& TfrmSudoku::Symbols(int32_t box_size) const {
    return box_size >= kSmallestBoxSize && box_size <= kLargestBoxSize
               ? symbols_[SizeItemOf(box_size)]
               : kNoSymbols;
}

bool TfrmSudoku::GridVisible() const {
    return !sg1->isHidden();
}

void TfrmSudoku::FocusGridIfVisible() {
    if (GridVisible()) {
        sg1->SetFocus();
    }
}

void TfrmSudoku::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
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
    ActiveBoxSize = 3;
    Board.reset();
    BoxLineWidth = kBoxLineWidth;
    ActPrint->setEnabled(false);
    SetWindowSizeFor(3);
    symbols_ = {std::string(SymbolsOf(3)), std::string(SymbolsOf(4)), std::string(SymbolsOf(5))};
    cbgLivello->setItemIndex(0);
    GameState = gsNone;
    UpdateState();
    Language = "EN";
    ApplyLanguage();
}

void TfrmSudoku::FormClose() {
    Board.reset();
}

void TfrmSudoku::SetStateCaptions() {
    const bool solution_shown = GameState == gsSolution || GameState == gsPlayingSolution;
    const bool playing = GameState == gsPlaying || GameState == gsPlayingSolution;
    btnToggleView->setText(solution_shown
                               ? Pick(" Mostra gioco [F6] ", " Show game [F6] ")
                               : Pick(" Mostra soluzione [F6] ", " Show solution [F6] "));
    btnPlay->setText(playing ? Pick(" Abbandona gioco [F5] ", " Quit game [F5] ")
                             : Pick(" Gioca [F5] ", " Play [F5] "));
}

void TfrmSudoku::UpdateState() {
    for (QAction* action : {ActGenera, ActPrint, ActToggleView, ActPlay, ActSuggerisci}) {
        action->setEnabled(false);
    }
    Clock1->hide();
    pnlGameOn->hide();
    cbg1->setEnabled(false);
    cbgLivello->setEnabled(false);
    popm1->setAutoPopup(false);

    const auto enable_generate = [this] {
        ActGenera->setEnabled(true);
        cbg1->setEnabled(true);
        cbgLivello->setEnabled(true);
    };
    const auto enable_game_commands = [this] {
        ActPrint->setEnabled(true);
        ActToggleView->setEnabled(true);
        ActPlay->setEnabled(true);
    };
    switch (GameState) {
        case gsNone:
            enable_generate();
            // After a failed attempt the grid shows another grid than before; without a repaint
            // the old view would stay until something else happened to repaint it.
            if (GridVisible()) {
                sg1->Repaint();
            }
            break;
        case gsPuzzle:
        case gsSolution:
        case gsPlayingSolution:
            SetStateCaptions();
            if (GameState != gsPlayingSolution) {
                enable_generate();
            }
            enable_game_commands();
            BuildPopupMenu(GameState);
            popm1->setAutoPopup(true);
            if (GridVisible()) {
                sg1->Repaint();
            }
            break;
        case gsPlaying:
            pnlGameOn->show();
            {
                // Unchecked on every entry into play; the handler runs once either way.
                const QSignalBlocker blocker(cbxHideTimer);
                cbxHideTimer->setChecked(false);
            }
            cbxHideTimerClick();
            SetStateCaptions();
            enable_game_commands();
            ActSuggerisci->setEnabled(true);
            BuildPopupMenu(gsPlaying);
            popm1->setAutoPopup(true);
            if (GridVisible()) {
                sg1->Repaint();
                sg1->SetFocus();
            }
            break;
        default:
            services_.ShowMessage(Pick("Internal error 001: stato:", "Internal error 001: state:") +
                                  QString::number(GameState) +
                                  Pick(" non gestito !", " unmanaged !"));
            break;
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
    if (!GridVisible()) {
        return;
    }
    sg1->Repaint();
    sg1->SetFocus();
    if (GameState == gsPlaying) {
        BuildPopupMenu(gsPlaying);
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
    showHelp(GameState, services_, this);
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
