// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace quintara::platform {

// A web link shown as underlined text that opens on a single click, like the Windows link
// control, and also from the keyboard: Tab reaches it, Enter or Space opens it. Opening means
// emitting QLabel's linkActivated with the address; the owner decides what to do with it.
class TLinkLabel : public QLabel {
    Q_OBJECT

  public:
    explicit TLinkLabel(QWidget* parent = nullptr);

    // Shows the text as a link to the address, and fits the box's width to it.
    void setLink(const QString& address, const QString& text);
    QString Address() const { return address_; }
    // The shown text, for screen readers.
    QString LinkText() const { return link_text_; }
    void Open() { emit linkActivated(address_); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QString address_;
    QString link_text_;
};

}  // namespace quintara::platform
