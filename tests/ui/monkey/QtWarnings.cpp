// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's warnings, caught for the monkey.
#include "QtWarnings.h"

#include <QString>
#include <utility>

namespace quintara::monkey {

namespace {

// A message handler gets no context of its own: the one installed collector lives here.
QtWarnings* g_collector = nullptr;

}  // namespace

QtWarnings::QtWarnings() : previous_(qInstallMessageHandler(&QtWarnings::Handle)) {
    g_collector = this;
}

QtWarnings::~QtWarnings() {
    qInstallMessageHandler(previous_);
    g_collector = nullptr;
}

std::vector<std::string> QtWarnings::Take() {
    return std::exchange(warnings_, {});
}

void QtWarnings::Handle(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    const bool platform_note = text.startsWith(QLatin1String("This plugin does not support"));
    if (g_collector != nullptr && type != QtDebugMsg && type != QtInfoMsg && !platform_note) {
        g_collector->warnings_.push_back("qt: " + text.toStdString());
    }
    if (!platform_note && g_collector != nullptr && g_collector->previous_ != nullptr) {
        g_collector->previous_(type, context, text);
    }
}

}  // namespace quintara::monkey
