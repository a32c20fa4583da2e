// SPDX-License-Identifier: GPL-3.0-or-later
// Radio group with replaceable items.
#include "ui/platform/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

namespace quintara::platform {

TRadioGroup::TRadioGroup(int columns, QWidget* parent)
    : QGroupBox(parent),
      columns_(columns < 1 ? 1 : columns),
      layout_(new QGridLayout(this)),
      group_(new QButtonGroup(this)) {
    layout_->setContentsMargins(8, 2, 8, 2);
}

void TRadioGroup::setItems(const QStringList& items) {
    qDeleteAll(buttons_);
    buttons_.clear();
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items.at(i), this);
        group_->addButton(button, i);
        layout_->addWidget(button, i / columns_, i % columns_);
        buttons_.append(button);
    }
}

QStringList TRadioGroup::Items() const {
    QStringList items;
    for (const QRadioButton* button : buttons_) {
        items.append(button->text());
    }
    return items;
}

void TRadioGroup::setItem(int index, const QString& text) {
    if (index >= 0 && index < buttons_.size()) {
        buttons_.at(index)->setText(text);
    }
}

int TRadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void TRadioGroup::setItemIndex(int index) {
    if (index >= 0 && index < buttons_.size()) {
        buttons_.at(index)->setChecked(true);
    }
}

QRadioButton* TRadioGroup::Button(int index) const {
    return index >= 0 && index < buttons_.size() ? buttons_.at(index) : nullptr;
}

}  // namespace quintara::platform
