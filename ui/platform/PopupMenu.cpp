// SPDX-License-Identifier: GPL-3.0-or-later
// Context menu with tagged items and a switchable right-click opening.
#include "ui/platform/PopupMenu.h"

namespace quintara::platform {

TPopupMenu::TPopupMenu(QWidget* owner) : QMenu(owner), owner_(owner) {
    connect(owner_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& pos) { exec(owner_->mapToGlobal(pos)); });
    setAutoPopup(false);
}

void TPopupMenu::setAutoPopup(bool on) {
    auto_popup_ = on;
    // PreventContextMenu keeps the click from travelling on to the parents.
    owner_->setContextMenuPolicy(on ? Qt::CustomContextMenu : Qt::PreventContextMenu);
}

void TPopupMenu::ClearItems() {
    for (QAction* item : actions()) {
        removeAction(item);
        if (item->parent() == this) {
            item->deleteLater();
        }
    }
}

QAction* TPopupMenu::AddItem(const QString& caption, int32_t tag, const ClickHandler& on_click) {
    auto* item = new QAction(caption, this);
    item->setData(tag);
    connect(item, &QAction::triggered, this, [item, on_click] { on_click(item); });
    addAction(item);
    return item;
}

QAction* TPopupMenu::AddActionItem(QAction* action, const QString& caption) {
    auto* item = new QAction(caption, this);
    item->setEnabled(action->isEnabled());
    connect(action, &QAction::changed, item,
            [item, action] { item->setEnabled(action->isEnabled()); });
    connect(item, &QAction::triggered, action, &QAction::trigger);
    addAction(item);
    return item;
}

QAction* TPopupMenu::AddBoundAction(QAction* action) {
    addAction(action);
    return action;
}

int32_t TPopupMenu::Tag(const QAction* item) {
    return item->data().toInt();
}

}  // namespace quintara::platform
