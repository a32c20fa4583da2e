// SPDX-License-Identifier: GPL-3.0-or-later
// The window's texts in the language of the moment.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "ui/Language.h"
#include "ui/platform/RadioGroup.h"
#include "ui/window/Usudk0201.h"

namespace quintara {

// Controls first, then the difficulty items, then the actions: a button takes an action's new
// caption only while it still shows the old one, so the controls' own texts stay.
void TfrmSudoku::ApplyLanguage() {
    const bool italian = IsItalian();
    const auto text = [italian](const char* it, const char* en) {
        return QString::fromUtf8(italian ? it : en);
    };

    btnGenera->setText(text("Genera [F10]", "Generate [F10]"));
    btnPlay->setText(text("Gioca [F5]", "Play [F5]"));
    btnToggleView->setText(text("Visualizza soluzione", "Show solution"));
    btnPrint->setText(text("Stampa [F7]", "Print [F7]"));
    cbxHideTimer->setText(text("Nascondi timer [F9]", "Hide timer [F9]"));
    cbxControllo->setText(text("Controllo attivo [F8]", "View errors [F8]"));
    cxButton1->setText(text("Suggerimento!", "Hint! [F4]"));
    StaticText3->setText(text("Dimensione +/-", ""));
    StaticText4->setText(text("dei caratteri e della griglia", "Font and Grid size +/-"));
    btnHelp->setText(text("Guida [F1]", "Help [F1]"));
    cbg1->setTitle(text("Dimensione ", "Sudoku size "));
    cbgLivello->setTitle(text("Livello di difficoltà", "Difficulty level "));

    cbgLivello->setItem(0, text("Semplice", "Simple"));
    cbgLivello->setItem(1, text("Medio", "Medium"));
    cbgLivello->setItem(2, text("Alto", "high"));

    ActPrint->setText(text("Stampa [F7]", "Print [F7]"));
    ActGenera->setText(text("Genera [F10]", "Generate [F10]"));
    ActToggleView->setText(text("Visualizza soluzione", "Show solution"));
    ActPlay->setText(text("Gioca", "Play [F5]"));
    ActSuggerisci->setText(text("Suggerimento! [F4]", "Hint! [F4]"));
    ActHelp->setText(text("Guida [F1]", "Help [F1]"));
}

}  // namespace quintara
