// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace quintara::platform {

// A web link shown as underlined text that opens on a single click, like the Windows link
// control, and also from the keyboard: Tab reaches it, Enter or Space opens it. Opening means
// emitting linkActivated with the address; the owner decides what to do with it.
// It draws its one line itself: a label that takes the focus, or shows rich text, builds a text
// document, and loads a font the window does not show, to lay out these few words.
class TLinkLabel : public QWidget {
    Q_OBJECT

  public:
    explicit TLinkLabel(QWidget* parent = nullptr);

    // Shows the text as a link to the address, and fits the box's width to it.
    void setLink(const QString& address, const QString& text);
    QString Address() const { return address_; }
    // The shown text, which screen readers read too.
    QString LinkText() const { return text_; }
    void Open() { emit linkActivated(address_); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

  signals:
    void linkActivated(const QString& address);

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // Where the text stands: only a click there opens the link, as on a web page.
    QRect TextRect() const;
    bool OnText(const QPoint& at) const { return TextRect().contains(at); }

    QString address_;
    QString text_;
    bool pressed_on_text_ = false;
};

}  // namespace quintara::platform
