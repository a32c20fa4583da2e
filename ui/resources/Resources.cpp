// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resources/Resources.h"

#include <QDateTime>
#include <QFileInfo>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>
#include <QPixmapCache>
#include <QtGlobal>

// Q_INIT_RESOURCE names a function at global scope, so it may not be called from inside a
// namespace.
static void InitQuintaraResources() {
    Q_INIT_RESOURCE(quintara);
}

namespace quintara {

namespace {

// The sizes drawn as bitmaps, which the icon names and an X11 window carries as they are.
QList<QSize> BitmapSizes() {
    return {QSize(48, 48), QSize(128, 128), QSize(256, 256)};
}

// The bitmaps at the sizes they were drawn for, the scalable drawing at every other size. Qt's
// own engines keep either several bitmaps or one drawing, not both. It names bitmap sizes only,
// so only a caller that wants another size opens the drawing and the plugins it needs. A bitmap
// is read when asked for and not kept: the window system asks once, when the window is made.
class AppIconEngine : public QIconEngine {
  public:
    QIconEngine* clone() const override { return new AppIconEngine(*this); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (BitmapSizes().contains(size)) {
            return QIcon(Picture(QStringLiteral("icon-%1.png").arg(size.width())))
                .pixmap(size, mode, state);
        }
        if (drawing_.isNull()) {
            drawing_ = QIcon(QStringLiteral(":/quintara/quintara.svg"));
        }
        return drawing_.pixmap(size, mode, state);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) override {
        return BitmapSizes();
    }
#else
    QList<QSize> availableSizes(QIcon::Mode /*mode*/, QIcon::State /*state*/) const override {
        return BitmapSizes();
    }
#endif

  private:
    QIcon drawing_;
};

// The bytes of a value in memory order, each with its low digit first, as QPixmap writes numbers
// into the keys of its cache.
template <typename Number>
QString CacheKeyDigits(Number value) {
    static constexpr char kDigits[] = "0123456789abcdef";
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    QString digits;
    for (size_t i = 0; i < sizeof value; ++i) {
        digits += QLatin1Char(kDigits[bytes[i] & 0xf]);
        digits += QLatin1Char(kDigits[bytes[i] >> 4]);
    }
    return digits;
}

// Read with the built-in PNG decoder, as Picture does.
QPixmap ReadPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

}  // namespace

// The icon, the window and the news dialog each ask; the resources are registered once.
void InitResources() {
    static const bool registered = [] {
        InitQuintaraResources();
        return true;
    }();
    Q_UNUSED(registered);
}

// Told the format, the reader takes Qt's own PNG decoder; left to guess, it first loads every
// image-format plugin to ask whether one of them reads the file better.
QPixmap Picture(const QString& name) {
    InitResources();
    return ReadPng(QStringLiteral(":/quintara/") + name);
}

// A pixmap loaded from a file name is first looked up in QPixmapCache under "qt_pixmap", the
// path, its time, its size and the pixmap kind (0, a colour pixmap). Should a Qt version build
// the key differently, the style reads the file itself as before, only more slowly.
void PreloadStylePictures() {
    const QFileInfo frame(
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
    if (!frame.exists()) {
        return;
    }
    const QString key = QStringLiteral("qt_pixmap") + frame.absoluteFilePath() +
                        CacheKeyDigits(static_cast<uint>(frame.lastModified().toSecsSinceEpoch())) +
                        CacheKeyDigits(static_cast<quint64>(frame.size())) +
                        CacheKeyDigits(static_cast<uint>(0));
    QPixmapCache::insert(key, ReadPng(frame.absoluteFilePath()));
}

QIcon AppIcon() {
    InitResources();
    return QIcon(new AppIconEngine);
}

}  // namespace quintara
