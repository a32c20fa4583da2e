// SPDX-License-Identifier: GPL-3.0-or-later
// The link label: mouse, keyboard and the focus frame a keyboard user needs to see.
#include "ui/platform/LinkLabel.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "ui/platform/Accessibility.h"

namespace quintara::platform {

TLinkLabel::TLinkLabel(QWidget* parent) : QLabel(parent) {
    InstallAccessibility();
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::LinksAccessibleByMouse);
    // Tab reaches it; a click opens it without leaving a focus frame behind.
    setFocusPolicy(Qt::TabFocus);
}

void TLinkLabel::setLink(const QString& address, const QString& text) {
    address_ = address;
    link_text_ = text;
    setText(
        QStringLiteral("<a href=\"%1\">%2</a>").arg(address.toHtmlEscaped(), text.toHtmlEscaped()));
    // The box ends where the text does, so that it claims no room of its band beyond it.
    resize(sizeHint().width(), height());
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
    QLabel::keyPressEvent(event);
}

void TLinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) {
        return;
    }
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

}  // namespace quintara::platform
