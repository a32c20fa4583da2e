// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <string>
#include <vector>

namespace quintara::monkey {

// Collects every warning Qt prints while it is installed: any of them fails the run. The
// offscreen platform's notes on what it cannot do ("This plugin does not support raise()", ...)
// are about the test platform, not the game, and are let through.
class QtWarnings {
  public:
    QtWarnings();
    ~QtWarnings();
    QtWarnings(const QtWarnings&) = delete;
    QtWarnings& operator=(const QtWarnings&) = delete;

    std::vector<std::string> Take();

  private:
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& text);

    QtMessageHandler previous_;
    std::vector<std::string> warnings_;
};

}  // namespace quintara::monkey
