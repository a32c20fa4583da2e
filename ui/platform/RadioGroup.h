// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace quintara::platform {

// A captioned group of radio buttons laid out in columns, whose items can be replaced by
// position; ItemIndex is the checked item, -1 when none is.
class TRadioGroup : public QGroupBox {
    Q_OBJECT

  public:
    explicit TRadioGroup(int columns, QWidget* parent = nullptr);

    void setItems(const QStringList& items);
    QStringList Items() const;
    // Replaces the text of one item; an index outside the list changes nothing.
    void setItem(int index, const QString& text);
    int ItemIndex() const;
    void setItemIndex(int index);
    QRadioButton* Button(int index) const;

  private:
    int columns_;
    QGridLayout* layout_;
    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
};

}  // namespace quintara::platform
