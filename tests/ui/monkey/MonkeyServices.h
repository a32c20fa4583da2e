// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "Events.h"
#include "Model.h"
#include "ui/platform/Services.h"

namespace quintara::monkey {

// The operating system as the monkey plays it: every message box, question, dialog and web page
// is recorded in order; questions are answered and the news dialog is worked (its news button
// pressed, then closed with "Chiudi", Escape, Enter or its close button) as the current event
// says; the clock is the monkey's own, moved on by each event.
class MonkeyServices : public platform::Services {
  public:
    explicit MonkeyServices(int64_t now_ms) : now_ms_(now_ms) {}

    void ShowMessage(const QString& text) override;
    platform::DialogAnswer MessageDlg(const QString& text) override;
    int ShowModal(QDialog& dialog) override;
    void ShellExecuteA(QWidget* owner, const QString& verb, const QString& address) override;
    QDateTime Now() override;

    void SetAnswers(const Answers& answers) { answers_ = answers; }
    void AdvanceClock(int64_t ms) { now_ms_ += ms; }
    std::vector<Output> TakeOutputs();

    // Runs after the news dialog has closed: the window manager gives the main window back the
    // activation, which the offscreen platform leaves to us.
    std::function<void()> on_dialog_closed;

  private:
    void Record(Output::Kind kind, const QString& text);

    Answers answers_;
    int64_t now_ms_;
    std::vector<Output> outputs_;
};

}  // namespace quintara::monkey
