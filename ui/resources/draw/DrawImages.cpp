// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the game's bitmaps into the folder given on the command line. The application icon follows
// quintara.svg shape for shape, so the bitmaps and the scalable icon look the same.
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kGivenBlue(0x00, 0x00, 0xFF);
const QColor kMarkRed(0xFF, 0x00, 0x00);

QImage Transparent(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The icon in its 256-unit design space: a maroon tile holding a 3x3 board with two givens, an
// entry marked as a clash and the red ring of the current cell.
void PaintIcon(QPainter& p, qreal side) {
    p.save();
    p.scale(side / 256.0, side / 256.0);
    p.setPen(Qt::NoPen);
    p.setBrush(kMaroon);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(44, 44, 168, 168), 10, 10);
    p.setPen(QPen(kMaroon, 5, Qt::SolidLine, Qt::FlatCap));
    for (const qreal at : {100.0, 156.0}) {
        p.drawLine(QPointF(at, 44), QPointF(at, 212));
        p.drawLine(QPointF(44, at), QPointF(212, at));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kGivenBlue);
    for (const QPointF centre : {QPointF(72, 72), QPointF(184, 128), QPointF(72, 184)}) {
        p.drawEllipse(centre, 12, 12);
    }
    p.setBrush(Qt::black);
    p.drawEllipse(QPointF(184, 184), 12, 12);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kMarkRed, 6));
    p.drawEllipse(QPointF(128, 128), 20, 20);
    p.setPen(QPen(kMarkRed, 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(202, 166), QPointF(166, 202));
    p.restore();
}

QImage Icon(int side) {
    QImage image = Transparent(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    PaintIcon(p, side);
    return image;
}

// A small white board of n x n boxes, for the three sizes shown in the logo.
void PaintMiniBoard(QPainter& p, const QRectF& area, int boxes) {
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(area);
    const qreal step = area.width() / boxes;
    p.setPen(QPen(kMaroon, 1.2));
    for (int i = 1; i < boxes; ++i) {
        p.drawLine(QPointF(area.left() + i * step, area.top()),
                   QPointF(area.left() + i * step, area.bottom()));
        p.drawLine(QPointF(area.left(), area.top() + i * step),
                   QPointF(area.right(), area.top() + i * step));
    }
}

// The picture of the maroon title band: the icon, then boards of 3, 4 and 5 boxes a side.
QImage Logo() {
    QImage image(152, 58, QImage::Format_ARGB32_Premultiplied);
    image.fill(kMaroon);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(2, 1);
    PaintIcon(p, 56);
    p.resetTransform();
    int x = 64;
    for (const int boxes : {3, 4, 5}) {
        PaintMiniBoard(p, QRectF(x, 17, 24, 24), boxes);
        x += 29;
    }
    return image;
}

QImage Help() {
    QImage image = Transparent(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(QColor(0x1A, 0x4C, 0xC8));
    p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(22);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
    return image;
}

// A page with a folded corner and a red badge: something new to read.
QImage News() {
    QImage image = Transparent(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath page;
    page.moveTo(4, 3);
    page.lineTo(19, 3);
    page.lineTo(25, 9);
    page.lineTo(25, 29);
    page.lineTo(4, 29);
    page.closeSubpath();
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(19, 3), QPointF(19, 9));
    p.drawLine(QPointF(19, 9), QPointF(25, 9));
    p.setPen(QPen(kMaroon, 2));
    for (const qreal y : {13.0, 17.5, 22.0}) {
        p.drawLine(QPointF(8, y), QPointF(21, y));
    }
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(kMarkRed);
    p.drawEllipse(QPointF(24, 23), 7, 7);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(12);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(17, 16, 14, 14), Qt::AlignCenter, QStringLiteral("!"));
    return image;
}

bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const bool saved = image.save(folder.filePath(name));
    if (!saved) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
    }
    return saved;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quintara_draw_images OUTDIR\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = Save(Logo(), folder, QStringLiteral("logo.png")) &&
              Save(Help(), folder, QStringLiteral("help.png")) &&
              Save(News(), folder, QStringLiteral("news.png"));
    for (const int side : {48, 128, 256}) {
        ok = ok && Save(Icon(side), folder, QStringLiteral("icon-%1.png").arg(side));
    }
    return ok ? 0 : 1;
}
