// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/platform/Services.h"

namespace quintara::platform {

// The game's services: Qt message boxes titled with the application title, the desktop's URL
// opener for the shell, and the system clock.
class QtServices : public Services {
  public:
    void ShowMessage(const QString& text) override;
    DialogAnswer MessageDlg(const QString& text) override;
    int ShowModal(QDialog& dialog) override;
    void ShellExecuteA(QWidget* owner, const QString& verb, const QString& address) override;
    QDateTime Now() override;
};

}  // namespace quintara::platform
