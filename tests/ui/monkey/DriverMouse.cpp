// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's hands on the mouse: clicks on what lies under a point, and the context menu worked
// while it is open.
#include <QApplication>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include "Driver.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/LinkLabel.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/RadioGroup.h"
#include "ui/window/Usudk0201.h"

namespace quintara::monkey {

QWidget* Driver::AimedWidget(Aim aim) const {
    for (const Control& control : Controls()) {
        if (control.aim == aim) {
            return control.widget;
        }
    }
    return window_->Panel1;  // the title band
}

QPoint Driver::CellCentreInGrid(Cell cell) const {
    const int pitch_x = model_.CellWidth() + model_.LineWidth();
    const int pitch_y = model_.CellHeight() + model_.LineWidth();
    return window_->sg1->contentsRect().topLeft() +
           QPoint(cell.col * pitch_x + model_.CellWidth() / 2,
                  cell.row * pitch_y + model_.CellHeight() / 2);
}

QPoint Driver::CellCentre(Cell cell) const {
    return window_->sg1->mapTo(window_.get(), CellCentreInGrid(cell));
}

// The cell under a point of the window by the model's geometry: a point on the thin line after a
// cell belongs to that cell; none beyond the last cell.
std::optional<Cell> Driver::CellAt(QPoint at) const {
    const QPoint p =
        window_->sg1->mapFrom(window_.get(), at) - window_->sg1->contentsRect().topLeft();
    const int col = p.x() / (model_.CellWidth() + model_.LineWidth());
    const int row = p.y() / (model_.CellHeight() + model_.LineWidth());
    if (p.x() < 0 || p.y() < 0 || col >= model_.GridRows() || row >= model_.GridRows()) {
        return std::nullopt;
    }
    return Cell{col, row};
}

namespace {

// Where a rectangle settles whether a click counts: inside it, clearly; outside, clearly; within
// two pixels of its edge, a matter of pixels the monkey does not bet on.
std::optional<bool> Inside(const QRect& area, QPoint p) {
    if (area.adjusted(2, 2, -2, -2).contains(p)) {
        return true;
    }
    if (area.adjusted(-2, -2, 2, 2).contains(p)) {
        return std::nullopt;
    }
    return false;
}

// The part of a check box or radio item that takes a click: its box and its text.
QRect ClickArea(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
    return button.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect, &option, &button);
}

// The part of the link label that opens the link: its text.
QRect LinkText(const platform::TLinkLabel& link) {
    const QFontMetrics metrics(link.font());
    const QRect contents = link.contentsRect();
    const QString text = link.LinkText();
    return QRect(contents.left(), contents.top() + (contents.height() - metrics.height()) / 2,
                 metrics.horizontalAdvance(text), metrics.height());
}

}  // namespace

// What a click at a point lands on, and whether it works the control there: the link opens and
// check boxes and radio items switch only on their text. Nothing for a click on such an edge.
std::optional<Driver::Hit> Driver::HitAt(QPoint at) const {
    const QWidget* widget = window_->childAt(at);
    const Target target = Classify(widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    std::optional<bool> works = true;
    if (target == Target::Link) {
        works = Inside(LinkText(*window_->cxHyperLinkEdit2), widget->mapFrom(window_.get(), at));
    } else if (button != nullptr && qobject_cast<const QPushButton*>(button) == nullptr) {
        works = Inside(ClickArea(*button), widget->mapFrom(window_.get(), at));
    }
    if (!works) {
        return std::nullopt;
    }
    if (target == Target::Link && !*works) {
        return Hit{Target::Inert, true};
    }
    return Hit{target, *works};
}

void Driver::Click(Mouse button, Aim aim, uint16_t x, uint16_t y, const MenuScript& menu) {
    if (aim == Aim::Cell) {
        const int n = model_.GridRows();
        const Cell cell{static_cast<int>(x * n / 65536), static_cast<int>(y * n / 65536)};
        ClickAt(button, CellCentre(cell), menu);
    } else if (aim == Aim::BesideCells) {
        const int n = model_.GridRows();
        const QPoint last = CellCentre({n - 1, n - 1});
        ClickAt(button, last + QPoint(model_.CellWidth(), model_.CellHeight()), menu);
    } else {
        QWidget* widget = AimedWidget(aim);
        // Check boxes, radio items and the link react on their text's left part.
        const bool left_part = aim == Aim::SizeItem0 || aim == Aim::SizeItem1 ||
                               aim == Aim::SizeItem2 || aim == Aim::HideTimer ||
                               aim == Aim::ErrorView || aim == Aim::Link;
        const QPoint inside = left_part ? QPoint(8, widget->height() / 2) : widget->rect().center();
        ClickAt(button, widget->mapTo(window_.get(), inside), menu);
    }
}

// Presses and releases a mouse button at a point of the window. What the point lands on is what
// the toolkit finds there; the model hears of it before the click, so that a menu the click opens
// can be checked against it.
void Driver::ClickAt(Mouse button, QPoint at, const MenuScript& menu) {
    if (!window_->rect().contains(at)) {
        return;  // the aim lies outside a window made small: no click
    }
    const std::optional<Hit> found = HitAt(at);
    if (!found) {
        return;
    }
    const Target hit = found->target;
    const bool menu_expected =
        model_.Click(button, hit, hit == Target::Grid ? CellAt(at) : std::nullopt, found->works);
    static constexpr std::array<Qt::MouseButton, 3> kButtons = {Qt::LeftButton, Qt::RightButton,
                                                                Qt::MiddleButton};
    const Qt::MouseButton qt_button = kButtons[static_cast<size_t>(button)];
    if (qt_button != Qt::RightButton) {
        QTest::mouseClick(window_->windowHandle(), qt_button, {}, at);
        TakePuzzleIfDrawn();
        return;
    }
    // The menu runs its own event loop from the press on: work it from a timer of that loop.
    bool menu_ran = false;
    QTimer in_menu;
    in_menu.setSingleShot(true);
    QObject::connect(&in_menu, &QTimer::timeout, [&] {
        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const bool own_menu = hit == Target::Link || hit == Target::ScrollBar;
        if (open != nullptr && open != window_->popm1 && own_menu) {
            // The toolkit's menu of a link or a scroll bar, not the game's; Qt 5 frees the
            // link's as it closes, so it is closed without a key that would outlive it.
            open->close();
        } else if (open != nullptr) {
            menu_ran = true;
            RunMenu(*open, menu_expected, menu);
        }
    });
    in_menu.start(0);
    QTest::mouseClick(window_->windowHandle(), qt_button, {}, at);
    in_menu.stop();
    if (menu_expected && !menu_ran) {
        Problem("menu: a right click on the grid opened no context menu");
    }
    TakePuzzleIfDrawn();
    EnsureActive();
}

void Driver::RunMenu(QMenu& open, bool expected, const MenuScript& script) {
    QMenu* menu = &open;
    QWindow* handle = menu->windowHandle();
    if (!expected || menu != window_->popm1) {
        Problem("menu: a context menu opened where none should");
        QTest::keyClick(handle, Qt::Key_Escape);
        return;
    }
    ++tally_.menus;
    std::vector<std::string> shown;
    for (const QAction* item : menu->actions()) {
        shown.push_back(item->text().toStdString());
        if (!item->isEnabled() || !item->isVisible()) {
            Problem("menu: item \"" + shown.back() + "\" is not usable");
        }
    }
    const std::vector<std::string> items = model_.MenuItems();
    if (shown != items) {
        Problem("menu: the open menu shows other items than expected");
    }
    if (shown.empty()) {
        QTest::keyClick(handle, Qt::Key_Escape);
        return;
    }
    if (script.stray) {
        // No key changes the game while the menu is open; some close the menu.
        QTest::keyClick(handle, KeyOf(script.stray_key), ModifiersOf(script.stray_key));
        if (QApplication::activePopupWidget() != menu) {
            return;
        }
    }
    const size_t index = script.item % std::max<size_t>(items.size(), 1);
    switch (script.choice) {
        case MenuChoice::ItemByMouse:
            ++tally_.menu_items;
            model_.ChooseMenuItem(index);
            QTest::mouseClick(
                handle, Qt::LeftButton, {},
                menu->actionGeometry(menu->actions().value(static_cast<int>(index % shown.size())))
                    .center());
            break;
        case MenuChoice::ItemByKeys:
            ++tally_.menu_items;
            model_.ChooseMenuItem(index);
            for (size_t i = 0; i <= index; ++i) {
                QTest::keyClick(handle, Qt::Key_Down);
            }
            QTest::keyClick(handle, Qt::Key_Return);
            break;
        case MenuChoice::Escape:
            QTest::keyClick(handle, Qt::Key_Escape);
            break;
    }
}

}  // namespace quintara::monkey
