// SPDX-License-Identifier: GPL-3.0-or-later
// Action-to-button binding with the Windows framework's caption rule.
#include "ui/platform/Actions.h"

#include <QAbstractButton>
#include <QAction>

namespace quintara::platform {

TButtonBinding::TButtonBinding(QAction* action, QAbstractButton* button)
    : QObject(button), action_(action), button_(button), previous_caption_(action->text()) {
    button_->setText(previous_caption_);
    button_->setEnabled(action_->isEnabled());
    connect(action_, &QAction::changed, this, &TButtonBinding::ActionChanged);
    connect(button_, &QAbstractButton::clicked, action_, &QAction::trigger);
}

void TButtonBinding::ActionChanged() {
    const QString caption = action_->text();
    if (caption != previous_caption_) {
        if (button_->text() == previous_caption_) {
            button_->setText(caption);
        }
        previous_caption_ = caption;
    }
    button_->setEnabled(action_->isEnabled());
}

void BindButton(QAction* action, QAbstractButton* button) {
    new TButtonBinding(action, button);
}

}  // namespace quintara::platform
