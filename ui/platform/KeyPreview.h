// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

#include "ui/platform/VirtualKeys.h"

class QWidget;

namespace quintara::platform {

// Key preview: every key pressed in a window goes to the window's key handler before the
// focused control sees it; a handler that sets the key to 0 consumes it. Function keys the
// handler claims are kept from shortcuts, so they arrive as key presses. A press that a Windows
// keyboard reports as two key-downs (AltGr) is followed by the second one.
class TKeyPreview : public QObject {
    Q_OBJECT

  public:
    using KeyHandler = std::function<void(QObject* sender, TVirtualKey& key, TShiftState shift)>;
    using KeyClaim = std::function<bool(TVirtualKey key)>;

    // Watches the application's events for the widgets of `window`, reading keys with the
    // window's `layout`, which must outlive the preview.
    TKeyPreview(QWidget* window, TKeyboardLayout& layout, KeyHandler handler, KeyClaim claims);
    ~TKeyPreview() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void customEvent(QEvent* event) override;

  private:
    bool InWindow(QObject* watched) const;
    void QueueSecondKey(int key);

    QPointer<QWidget> window_;
    TKeyboardLayout& layout_;
    KeyHandler handler_;
    KeyClaim claims_;
};

}  // namespace quintara::platform
