// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>
#include <cstdint>
#include <functional>

namespace quintara::platform {

// The context menu of one control. Its items carry a caption, a 32-bit Tag (kept in the item's
// data) and either a click handler, which receives the item, or a bound action; opening on a
// right click can be switched on and off.
class TPopupMenu : public QMenu {
    Q_OBJECT

  public:
    using ClickHandler = std::function<void(QAction* sender)>;

    // The menu belongs to `owner`, the control it opens on; it starts switched off.
    explicit TPopupMenu(QWidget* owner);

    bool AutoPopup() const { return auto_popup_; }
    void setAutoPopup(bool on);

    // Removes every item and frees those the menu made. They are freed once control is back in
    // the event loop, so an item's click handler may rebuild the menu it belongs to.
    void ClearItems();
    QAction* AddItem(const QString& caption, int32_t tag, const ClickHandler& on_click);
    // An item with its own caption that runs `action` and is enabled while the action is.
    QAction* AddActionItem(QAction* action, const QString& caption);
    // The action itself as an item, showing the action's own caption.
    QAction* AddBoundAction(QAction* action);

    static int32_t Tag(const QAction* item);

  private:
    QWidget* owner_;
    bool auto_popup_ = false;
};

}  // namespace quintara::platform
