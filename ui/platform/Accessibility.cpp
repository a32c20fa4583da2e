// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility factory for our widgets and what the grid tells screen readers.
#include "ui/platform/Accessibility.h"

#include <QAccessibleWidget>

#include "ui/platform/DigitalClock.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/GridAccessible.h"
#include "ui/platform/LinkLabel.h"

namespace quintara::platform {

namespace {

// Names the widget that speaks a window's messages, a notification to screen readers.
constexpr char kNotifierName[] = "quintara-notifier";

// The link: its text as its name, its address as its description, pressed to open.
class TLinkAccessible : public QAccessibleWidget {
  public:
    explicit TLinkAccessible(TLinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text type) const override {
        switch (type) {
            case QAccessible::Name:
                return link()->LinkText();
            case QAccessible::Description:
                return link()->Address();
            default:
                return QAccessibleWidget::text(type);
        }
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            link()->Open();
        }
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction()
                   ? QStringList{QStringLiteral("Return"), QStringLiteral("Space")}
                   : QStringList{};
    }

  private:
    TLinkLabel* link() const { return static_cast<TLinkLabel*>(widget()); }
};

// The clock: a label named by the time it shows, so that it reads as a clock wherever a screen
// reader meets it. Its name changes every second without a word: readers pass over labels'
// new names, so a player who stays on it is not interrupted.
class TClockAccessible : public QAccessibleWidget {
  public:
    explicit TClockAccessible(TDigitalClock* clock)
        : QAccessibleWidget(clock, QAccessible::StaticText) {}

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Name) {
            return QStringLiteral("Clock %1")
                .arg(static_cast<TDigitalClock*>(widget())->TimeText());
        }
        return QAccessibleWidget::text(type);
    }
};

// A widget that derives from QWidget directly and stands as a window of its own.
bool IsPlainWindow(const QString& class_name, QWidget* widget) {
    const QMetaObject* meta = widget->metaObject();
    return widget->isWindow() && class_name == QLatin1String(meta->className()) &&
           meta->superClass() == &QWidget::staticMetaObject;
}

QAccessibleInterface* CreateInterface(const QString& class_name, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) {
        return nullptr;
    }
    if (auto* grid = qobject_cast<TDrawGrid*>(widget)) {
        return new TDrawGridAccessible(grid);
    }
    if (auto* link = qobject_cast<TLinkLabel*>(widget)) {
        return new TLinkAccessible(link);
    }
    if (auto* clock = qobject_cast<TDigitalClock*>(widget)) {
        return new TClockAccessible(clock);
    }
    if (widget->objectName() == QLatin1String(kNotifierName)) {
        return new QAccessibleWidget(widget, QAccessible::Notification);
    }
    if (IsPlainWindow(class_name, widget)) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

int ChildIndex(const TDrawGrid* grid, int col, int row) {
    return row * grid->ColCount() + col;
}

// The notification of a window: one pixel, painting nothing, hidden, made when first needed.
QWidget* NotifierOf(QWidget* window) {
    auto* notifier =
        window->findChild<QWidget*>(QLatin1String(kNotifierName), Qt::FindDirectChildrenOnly);
    if (notifier == nullptr) {
        notifier = new QWidget(window);
        notifier->setObjectName(QLatin1String(kNotifierName));
        notifier->setGeometry(0, 0, 1, 1);
        notifier->setAttribute(Qt::WA_TransparentForMouseEvents);
        notifier->hide();
    }
    return notifier;
}

}  // namespace

void InstallAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(CreateInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

void NotifyCellFocused(TDrawGrid* grid, int col, int row) {
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleEvent event(grid, QAccessible::Focus);
    event.setChild(ChildIndex(grid, col, row));
    QAccessible::updateAccessibility(&event);
}

void NotifyCellChanged(TDrawGrid* grid, int col, int row) {
    if (!QAccessible::isActive()) {
        return;
    }
    // A cell's name carries its content, so a new content is a new name.
    QAccessibleEvent event(grid, QAccessible::NameChanged);
    event.setChild(ChildIndex(grid, col, row));
    QAccessible::updateAccessibility(&event);
}

void RenewCurrentCell(TDrawGrid* grid) {
    if (!QAccessible::isActive()) {
        return;
    }
    auto* table = static_cast<TDrawGridAccessible*>(QAccessible::queryAccessibleInterface(grid));
    table->RenewCell(grid->Col(), grid->Row());
}

void SpeakMessage(QWidget* near, const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    // Shown for the moment of the notice only, so that it is no part of the window otherwise.
    QWidget* notifier = NotifierOf(near->window());
    notifier->setAccessibleName(text);
    notifier->show();
    notifier->hide();
}

bool IsScreenReaderKey(TVirtualKey key) {
    switch (key) {
        case VK_SHIFT:
        case VK_CONTROL:
        case VK_MENU:
        case VK_LWIN:
        case VK_RWIN:
        case VK_INSERT:
        case VK_CAPITAL:
            return QAccessible::isActive();
        default:
            return false;
    }
}

}  // namespace quintara::platform
