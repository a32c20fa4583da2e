// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace quintara {

namespace platform {
class Services;
}

// The small news dialog: a message, a button that opens the news page of the online puzzle
// service, and "Chiudi". Created at start with the main window; lives as long as the program.
class TfrmShowUpgrade : public QDialog {
    Q_OBJECT

  public:
    explicit TfrmShowUpgrade(platform::Services& services, QWidget* parent = nullptr);

    // Shows the dialog modally with the message; returns when it is closed.
    void ShowNews(const QString& message);

    // The news page as the button opens it: the installed page, or the news host's page.
    static QString NewsAddress();

    // The dialog's controls and handlers keep their historical names: the prefix tells the kind
    // (lbl a label, btn a push button); a handler is the control's name plus the event.
    QLabel* lblMsg = nullptr;
    QPushButton* btnPuzzleDepotNews = nullptr;
    QPushButton* btnClose = nullptr;

  private:
    void btnPuzzleDepotNewsClick();

    QWidget* createMessageBand();
    QWidget* createNewsBand();
    QWidget* createCloseBand();
    void centerOnScreen();

    platform::Services& services_;
};

// The print notice, in Italian whatever the Language.
extern const char* const kPrintNotice;

}  // namespace quintara
