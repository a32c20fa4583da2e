// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

class QDialog;
class QWidget;

namespace quintara::platform {

// Answers of the confirmation dialog (Yes is its default button, Escape answers Cancel).
enum class DialogAnswer { Yes, No, Cancel };

// What the window code asks of the operating system: message boxes, the confirmation dialog,
// modal display of a dialog, the shell's "open" and the local time. The game uses the Qt
// implementation (QtServices); tests pass a recording double that captures every text and
// answers questions.
class Services {
  public:
    virtual ~Services() = default;

    // A modal box with one OK button, titled with the application title.
    virtual void ShowMessage(const QString& text) = 0;
    // A modal confirmation with Yes, No and Cancel.
    virtual DialogAnswer MessageDlg(const QString& text) = 0;
    // Shows a dialog modally and returns its result code when it closes.
    virtual int ShowModal(QDialog& dialog) = 0;
    // The shell's "open" on a web address; the result is not reported.
    virtual void ShellExecuteA(QWidget* owner, const QString& verb, const QString& address) = 0;
    // The local date and time, millisecond resolution.
    virtual QDateTime Now() = 0;
};

}  // namespace quintara::platform
