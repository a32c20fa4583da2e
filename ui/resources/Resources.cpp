// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/resources/Resources.h"

#include <QDateTime>
#include <QFileInfo>
#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmapCache>
#include <QtGlobal>
#include <algorithm>
#include <cstring>

#include "ui/resources/PackedPictures.h"

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

// The runs laid out as pixels; runs beyond the picture's end are cut, pixels no run reaches stay
// transparent.
QImage Unpacked(const PackedPicture& picture) {
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    if (image.isNull()) {
        return image;
    }
    // 32-bit rows need no padding, so the pixels follow one another as the runs do.
    auto* pixels = reinterpret_cast<std::uint32_t*>(image.bits());
    const qsizetype size = static_cast<qsizetype>(picture.width) * picture.height;
    qsizetype at = 0;
    for (int run = 0; run < picture.run_count && at < size; ++run) {
        const qsizetype count = std::min<qsizetype>(picture.runs[2 * run], size - at);
        std::fill_n(pixels + at, count, picture.runs[2 * run + 1]);
        at += count;
    }
    std::fill(pixels + at, pixels + size, 0u);
    return image;
}

// The packed picture of that file name as a pixmap, null if there is none; with
// Qt::NoFormatConversion, its pixels are kept as they are packed.
QPixmap Unpacked(const QString& name, Qt::ImageConversionFlags flags) {
    const QByteArray wanted = name.toUtf8();
    for (const PackedPicture& picture : PackedPictures()) {
        if (std::strcmp(picture.name, wanted.constData()) == 0) {
            return QPixmap::fromImage(Unpacked(picture), flags);
        }
    }
    return {};
}

// The bitmaps at the sizes they were drawn for, the scalable drawing at every other size. Qt's
// own engines keep either several bitmaps or one drawing, not both. It names bitmap sizes only,
// so only a caller that wants another size opens the drawing and the plugins it needs. A bitmap
// is unpacked when asked for and not kept, since the window system takes its own copy; a plain
// one skips QIcon, whose engine would keep every bitmap in the pixmap cache for good.
class AppIconEngine : public QIconEngine {
  public:
    QIconEngine* clone() const override { return new AppIconEngine(*this); }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        if (BitmapSizes().contains(size)) {
            // As packed, straight alpha: the form an X11 window takes, which it then copies
            // without converting.
            const QPixmap bitmap =
                Unpacked(QStringLiteral("icon-%1.png").arg(size.width()), Qt::NoFormatConversion);
            return mode == QIcon::Normal ? bitmap : QIcon(bitmap).pixmap(size, mode, state);
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

// Only the icon's scalable drawing is a resource; it is registered once.
void InitResources() {
    static const bool registered = [] {
        InitQuintaraResources();
        return true;
    }();
    Q_UNUSED(registered);
}

}  // namespace

QPixmap Picture(const QString& name) {
    return Unpacked(name, Qt::AutoColor);
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
    const QPixmap packed = Picture(frame.fileName());
    if (packed.isNull()) {
        return;
    }
    const QString key = QStringLiteral("qt_pixmap") + frame.absoluteFilePath() +
                        CacheKeyDigits(static_cast<uint>(frame.lastModified().toSecsSinceEpoch())) +
                        CacheKeyDigits(static_cast<quint64>(frame.size())) +
                        CacheKeyDigits(static_cast<uint>(0));
    QPixmapCache::insert(key, packed);
}

QIcon AppIcon() {
    InitResources();
    return QIcon(new AppIconEngine);
}

}  // namespace quintara
