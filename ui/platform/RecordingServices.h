// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

#include "ui/platform/Services.h"

namespace quintara::platform {

// Stand-in for the operating system where no person answers (tests, the picture tool, the
// benchmarks): records every text the window shows, answers its questions from a queue, runs
// hooks where a message box, a question or a modal dialog would be open, and tells the time its
// owner sets.
class RecordingServices : public Services {
  public:
    struct ShellCall {
        QWidget* owner;
        QString verb;
        QString address;
    };

    void ShowMessage(const QString& text) override {
        messages.append(text);
        if (while_box_open) {
            while_box_open();
        }
    }

    DialogAnswer MessageDlg(const QString& text) override {
        questions.append(text);
        if (while_box_open) {
            while_box_open();
        }
        if (answers.empty()) {
            return DialogAnswer::Cancel;
        }
        const DialogAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    int ShowModal(QDialog& dialog) override {
        modal_dialogs.append(&dialog);
        return on_modal ? on_modal(dialog) : int{QDialog::Rejected};
    }

    void ShellExecuteA(QWidget* owner, const QString& verb, const QString& address) override {
        shell_calls.append({owner, verb, address});
    }

    QDateTime Now() override { return now; }

    QStringList messages;
    QStringList questions;
    std::deque<DialogAnswer> answers;  // empty: every question is answered Cancel
    QList<QDialog*> modal_dialogs;
    std::function<void()> while_box_open;   // runs while a message box or question would be open
    std::function<int(QDialog&)> on_modal;  // runs while a dialog would be open
    QList<ShellCall> shell_calls;
    QDateTime now{QDate(2026, 3, 14), QTime(10, 0, 0)};
};

}  // namespace quintara::platform
