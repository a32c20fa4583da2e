// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resources/Resources.h"

#include <QIconEngine>
#include <QPainter>
#include <QtGlobal>
#include <algorithm>
#include <iterator>

// Q_INIT_RESOURCE names a function at global scope, so it may not be called from inside a
// namespace.
static void InitQuintaraResources() {
    Q_INIT_RESOURCE(quintara);
}

namespace quintara {

namespace {

constexpr int kBitmapSides[] = {48, 128, 256};

// The bitmaps at the sizes they were drawn for, the scalable drawing at every other size. Qt's
// own engines keep either several bitmaps or one drawing, not both. It names no sizes of its
// own, as a scalable icon does, so a window system asks for each size it wants.
class AppIconEngine : public QIconEngine {
  public:
    AppIconEngine() {
        for (const int side : kBitmapSides) {
            bitmaps_.addFile(QStringLiteral(":/quintara/icon-%1.png").arg(side), QSize(side, side));
        }
    }

    QIconEngine* clone() const override { return new AppIconEngine(*this); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const bool drawn_as_bitmap = size.width() == size.height() &&
                                     std::find(std::begin(kBitmapSides), std::end(kBitmapSides),
                                               size.width()) != std::end(kBitmapSides);
        return (drawn_as_bitmap ? bitmaps_ : drawing_).pixmap(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

  private:
    QIcon bitmaps_;
    QIcon drawing_{QStringLiteral(":/quintara/quintara.svg")};
};

}  // namespace

// The icon, the window and the news dialog each ask; the resources are registered once.
void InitResources() {
    static const bool registered = [] {
        InitQuintaraResources();
        return true;
    }();
    Q_UNUSED(registered);
}

QIcon AppIcon() {
    InitResources();
    return QIcon(new AppIconEngine);
}

}  // namespace quintara
