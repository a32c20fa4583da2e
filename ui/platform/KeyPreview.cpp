// SPDX-License-Identifier: GPL-3.0-or-later
// Key preview through an application-wide event filter.
#include "ui/platform/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quintara::platform {

namespace {

// The second key-down of a press, queued behind the first.
class SecondKeyEvent : public QEvent {
  public:
    static constexpr Type kType = static_cast<Type>(QEvent::User + 1);
    explicit SecondKeyEvent(int key) : QEvent(kType), key_(key) {}
    int Key() const { return key_; }

  private:
    int key_;
};

}  // namespace

TKeyPreview::TKeyPreview(QWidget* window, TKeyboardLayout& layout, KeyHandler handler,
                         KeyClaim claims)
    : QObject(window),
      window_(window),
      layout_(layout),
      handler_(std::move(handler)),
      claims_(std::move(claims)) {
    qApp->installEventFilter(this);
}

TKeyPreview::~TKeyPreview() {
    qApp->removeEventFilter(this);
}

bool TKeyPreview::InWindow(QObject* watched) const {
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget != nullptr && window_ != nullptr && widget->window() == window_;
}

// An ignored key press travels on to the parents and passes here again; the handler leaves
// keys it does not consume untouched, so seeing one twice is harmless.
bool TKeyPreview::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type != QEvent::KeyPress && type != QEvent::ShortcutOverride) || !InWindow(watched)) {
        return QObject::eventFilter(watched, event);
    }
    auto* key_event = static_cast<QKeyEvent*>(event);
    TVirtualKey key = layout_.VirtualKeyOf(*key_event);
    const TShiftState shift = ShiftStateOf(key_event->modifiers());
    if (key == 0) {
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        if (shift == 0 && claims_(key)) {
            event->accept();
        }
        return false;
    }
    if (watched == QApplication::focusWidget()) {
        QueueSecondKey(SecondKeyOf(*key_event));
    }
    handler_(window_, key, shift);
    return key == 0;
}

// Queued as Windows queues the second key-down: a message box that the first one opened takes
// it; otherwise it goes to the control that has the focus, through this preview again.
void TKeyPreview::QueueSecondKey(int key) {
    if (key != 0) {
        QCoreApplication::postEvent(this, new SecondKeyEvent(key));
    }
}

void TKeyPreview::customEvent(QEvent* event) {
    if (event->type() != SecondKeyEvent::kType) {
        QObject::customEvent(event);
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    if (QApplication::activeModalWidget() != nullptr || focus == nullptr || !InWindow(focus)) {
        return;
    }
    QKeyEvent press(QEvent::KeyPress, static_cast<SecondKeyEvent*>(event)->Key(),
                    Qt::ControlModifier | Qt::AltModifier);
    QCoreApplication::sendEvent(focus, &press);
}

}  // namespace quintara::platform
