// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's operating system: recorded outputs, seeded answers, the real news dialog worked
// by mouse and keyboard.
#include "MonkeyServices.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <utility>

#include "ui/help/Usudk02_upgrade.h"

namespace quintara::monkey {

namespace {

void Press(QDialog& dialog, QPushButton* button) {
    QTest::mouseClick(dialog.windowHandle(), Qt::LeftButton, {},
                      button->mapTo(&dialog, button->rect().center()));
}

}  // namespace

void MonkeyServices::Record(Output::Kind kind, const QString& text) {
    outputs_.push_back({kind, text.toStdString()});
}

void MonkeyServices::ShowMessage(const QString& text) {
    Record(Output::Kind::Message, text);  // OK and Escape both just close it
}

platform::DialogAnswer MonkeyServices::MessageDlg(const QString& text) {
    Record(Output::Kind::Question, text);
    switch (answers_.answer) {
        case Answer::Yes:
            return platform::DialogAnswer::Yes;
        case Answer::No:
            return platform::DialogAnswer::No;
        default:
            return platform::DialogAnswer::Cancel;  // Escape answers Cancel
    }
}

// Opens the real dialog and works it while it would be modal; what it showed is recorded as its
// title and message, and a dialog that will not close is recorded too.
int MonkeyServices::ShowModal(QDialog& dialog) {
    auto* news = qobject_cast<TfrmShowUpgrade*>(&dialog);
    const QString message = news != nullptr ? news->lblMsg->text() : QString();
    Record(Output::Kind::News, dialog.windowTitle() + QStringLiteral("\n") + message);
    dialog.show();
    dialog.activateWindow();
    QCoreApplication::processEvents();
    if (news != nullptr) {
        for (int i = 0; i < answers_.news_clicks; ++i) {
            Press(dialog, news->btnPuzzleDepotNews);
        }
    }
    switch (answers_.news_close) {
        case NewsClose::Chiudi:
            if (news != nullptr) {
                Press(dialog, news->btnClose);
            }
            break;
        case NewsClose::Escape:
            QTest::keyClick(dialog.windowHandle(), Qt::Key_Escape);
            break;
        case NewsClose::Enter:
            QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
            break;
        case NewsClose::CloseButton:
            dialog.close();
            break;
    }
    if (dialog.isVisible()) {
        Record(Output::Kind::News, QStringLiteral("the dialog stayed open"));
        dialog.hide();
    }
    if (on_dialog_closed) {
        on_dialog_closed();
    }
    return dialog.result();
}

void MonkeyServices::ShellExecuteA(QWidget* /*owner*/, const QString& verb,
                                   const QString& address) {
    Record(Output::Kind::Shell, verb + QStringLiteral(" ") + address);
}

QDateTime MonkeyServices::Now() {
    return QDateTime::fromMSecsSinceEpoch(now_ms_);
}

std::vector<Output> MonkeyServices::TakeOutputs() {
    return std::exchange(outputs_, {});
}

}  // namespace quintara::monkey
