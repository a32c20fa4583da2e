// Key preview through an application-wide event filter.
#include "ui/platform/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quintara::platform {

TKeyPreview::TKeyPreview(QWidget* window, KeyHandler handler, KeyClaim claims)
    : QObject(window), window_(window), handler_(std::move(handler)), claims_(std::move(claims)) {
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
    TVirtualKey key = VirtualKeyOf(*key_event);
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
    handler_(window_, key, shift);
    return key == 0;
}

}  // namespace quintara::platform
