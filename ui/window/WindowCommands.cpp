// Start and close of the window, the controls of each game state, the function keys and the two
// check boxes of the game panel.
#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include "engine/Random.h"
#include "ui/Language.h"
#include "ui/help/HelpPages.h"
#include "ui/help/Usudk02_upgrade.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/Services.h"
#include "ui/window/Usudk0201.h"

namespace quintara {

using platform::TShiftState;
using platform::TVirtualKey;
using platform::VK_F1;
using platform::VK_F10;
using platform::VK_F4;
using platform::VK_F5;
using platform::VK_F6;
using platform::VK_F7;
using platform::VK_F8;
using platform::VK_F9;

namespace {

const std::string kNoSymbols;

void Flip(QCheckBox* box) {
    box->setChecked(!box->isChecked());
}

}  // namespace

const std::string& TfrmSudoku::Symbols(int32_t box_size) const {
    return box_size >= 3 && box_size <= 5 ? symbols_[box_size - 3] : kNoSymbols;
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
    BoxLineWidth = 3;
    ActPrint->setEnabled(false);
    SetWindowSizeFor(3);
    symbols_ = {"123456789", "0123456789ABCDEF", "ABCDEFGHIJKLMNOPQRSTUVWXY"};
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

void TfrmSudoku::FormKeyDown(QObject* /*Sender*/, TVirtualKey& Key, TShiftState Shift) {
    if (Shift != 0) {
        return;
    }
    bool handled = true;
    if (Key == VK_F1 && ActHelp->isEnabled()) {
        ActHelpExecute(ActHelp);
    } else if (Key == VK_F4 && ActSuggerisci->isEnabled()) {
        ActSuggerisciExecute(ActSuggerisci);
    } else if (Key == VK_F5 && ActPlay->isEnabled()) {
        ActPlayExecute(ActPlay);
    } else if (Key == VK_F6 && ActToggleView->isEnabled()) {
        ActToggleViewExecute(ActToggleView);
    } else if (Key == VK_F7 && ActPrint->isEnabled()) {
        ActPrintExecute(ActPrint);
    } else if (Key == VK_F8 && cbxControllo->isEnabled()) {
        Flip(cbxControllo);  // the change runs cbxControlloClick
    } else if (Key == VK_F9 && !pnlGameOn->isHidden()) {
        Flip(cbxHideTimer);  // the change runs cbxHideTimerClick
    } else if (Key == VK_F10 && ActGenera->isEnabled()) {
        ActGeneraExecute(ActGenera);
    } else {
        handled = false;
    }
    if (handled) {
        Key = 0;
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
}

void TfrmSudoku::cbxHideTimerClick() {
    Clock1->setVisible(!cbxHideTimer->isChecked());
    if (GridVisible()) {
        sg1->Repaint();
        sg1->SetFocus();
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
    if (frmShowUpgrade != nullptr) {
        frmShowUpgrade->ShowNews(message);
    }
}

}  // namespace quintara
