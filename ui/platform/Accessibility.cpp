// SPDX-License-Identifier: GPL-3.0-or-later
// The accessibility factory for our widgets and the grid's two notifications.
#include "ui/platform/Accessibility.h"

#include <QAccessibleWidget>

#include "ui/platform/DrawGrid.h"
#include "ui/platform/GridAccessible.h"
#include "ui/platform/LinkLabel.h"

namespace quintara::platform {

namespace {

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
    if (IsPlainWindow(class_name, widget)) {
        return new QAccessibleWidget(widget, QAccessible::Window);
    }
    return nullptr;
}

int ChildIndex(const TDrawGrid* grid, int col, int row) {
    return row * grid->ColCount() + col;
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

}  // namespace quintara::platform
