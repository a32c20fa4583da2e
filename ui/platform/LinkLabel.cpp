// SPDX-License-Identifier: GPL-3.0-or-later
// The link label: mouse, keyboard and the focus frame a keyboard user needs to see.
#include "ui/platform/LinkLabel.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/platform/Accessibility.h"

namespace quintara::platform {

TLinkLabel::TLinkLabel(QWidget* parent) : QWidget(parent) {
    InstallAccessibility();
    // The hand shows over the text only, so the label follows the mouse.
    setMouseTracking(true);
    // Tab reaches it; a click opens it without leaving a focus frame behind.
    setFocusPolicy(Qt::TabFocus);
}

void TLinkLabel::setLink(const QString& address, const QString& text) {
    address_ = address;
    text_ = text;
    updateGeometry();
    update();
    // The box ends where the text does, so that it claims no room of its band beyond it.
    resize(sizeHint().width(), height());
}

QSize TLinkLabel::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return QSize(metrics.horizontalAdvance(text_), metrics.height());
}

// One line at the left, centred on whole pixels, where a rich-text label sets a link.
QRect TLinkLabel::TextRect() const {
    const QRect box = contentsRect();
    const QSize text = sizeHint();
    return QRect(QPoint(box.left(), box.top() + qMax((box.height() - text.height()) / 2, 0)), text);
}

void TLinkLabel::contextMenuEvent(QContextMenuEvent* event) {
    if (!OnText(event->pos())) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    // The words and the translation context of the menu Qt gives a rich-text link.
    connect(
        menu.addAction(QCoreApplication::translate("QWidgetTextControl", "Copy &Link Location")),
        &QAction::triggered, this, [this] { QGuiApplication::clipboard()->setText(address_); });
    menu.exec(event->globalPos());
}

void TLinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
                Open();
                event->accept();
                return;
            }
            break;
        default:
            break;
    }
    QWidget::keyPressEvent(event);
}

void TLinkLabel::mouseMoveEvent(QMouseEvent* event) {
    if (OnText(event->pos())) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    event->accept();
}

// Opens when the left button goes down and comes up on the text, as a web link does.
void TLinkLabel::mousePressEvent(QMouseEvent* event) {
    pressed_on_text_ = event->button() == Qt::LeftButton && OnText(event->pos());
    event->accept();
}

void TLinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool opens =
        pressed_on_text_ && event->button() == Qt::LeftButton && OnText(event->pos());
    pressed_on_text_ = false;
    event->accept();
    if (opens) {
        Open();
    }
}

void TLinkLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QFont underlined = font();
    underlined.setUnderline(true);
    painter.setFont(underlined);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Link));
    painter.drawText(TextRect().topLeft() + QPoint(0, fontMetrics().ascent()), text_);
    if (!hasFocus()) {
        return;
    }
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace quintara::platform
