// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows-style canvas over QPainter, and the cache of fonts and shaped texts behind it.
#include "ui/platform/Canvas.h"

#include <QPaintDevice>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace quintara::platform {

namespace {

QPainter::CompositionMode CompositionOf(TPenMode mode) {
    switch (mode) {
        case TPenMode::pmNot:
            return QPainter::RasterOp_NotDestination;
        case TPenMode::pmXor:
            return QPainter::RasterOp_SourceXorDestination;
        case TPenMode::pmNotXor:
            return QPainter::RasterOp_NotSourceXorDestination;
        case TPenMode::pmCopy:
            break;
    }
    return QPainter::CompositionMode_SourceOver;
}

// Angle of (x, y) seen from the ellipse's centre, in degrees counter-clockwise from 3 o'clock,
// on the circle the ellipse is stretched from.
double AngleOnEllipse(const QRectF& box, int x, int y) {
    const QPointF centre = box.center();
    const double dx = (x - centre.x()) / (box.width() > 0 ? box.width() : 1.0);
    const double dy = (centre.y() - y) / (box.height() > 0 ? box.height() : 1.0);
    return std::atan2(dy, dx) * 180.0 / std::numbers::pi;
}

QFont BuildFont(const TFont& request, int dots_per_inch) {
    QFont font(request.Name);
    font.setPixelSize(FontPixelHeight(request.Size, dots_per_inch));
    font.setBold((request.Style & fsBold) != 0);
    font.setItalic((request.Style & fsItalic) != 0);
    return font;
}

}  // namespace

QColor ToQColor(TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

int FontPixelHeight(int points, int dots_per_inch) {
    return (points * dots_per_inch + 36) / 72;
}

TTextCache::Face::Face(const TFont& request, int dpi, uint64_t id)
    : name(request.Name),
      size(request.Size),
      style(request.Style),
      dots_per_inch(dpi),
      serial(id),
      font(BuildFont(request, dpi)),
      metrics(font),
      ascent(metrics.ascent()),
      height(metrics.height()) {}

bool TTextCache::Face::Serves(const TFont& request, int dpi) const {
    return request.Size == size && request.Style == style && dpi == dots_per_inch &&
           request.Name == name;
}

int TTextCache::Face::Width(const QString& text) {
    if (const auto found = widths_.constFind(text); found != widths_.constEnd()) {
        return found.value();
    }
    if (widths_.size() >= kMaxTextsPerFace) {
        widths_.clear();
    }
    return widths_.insert(text, metrics.horizontalAdvance(text)).value();
}

const QStaticText& TTextCache::Face::Laid(const QString& text) {
    if (const auto found = laid_.constFind(text); found != laid_.constEnd()) {
        return found.value();
    }
    if (laid_.size() >= kMaxTextsPerFace) {
        laid_.clear();
    }
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), font);
    return laid_.insert(text, laid).value();
}

TTextCache::Face& TTextCache::FaceFor(const TFont& request, int dots_per_inch) {
    if (last_ < faces_.size() && faces_[last_]->Serves(request, dots_per_inch)) {
        return *faces_[last_];
    }
    for (std::size_t i = 0; i < faces_.size(); ++i) {
        if (faces_[i]->Serves(request, dots_per_inch)) {
            last_ = i;
            return *faces_[i];
        }
    }
    if (faces_.size() >= kMaxFaces) {
        faces_.clear();
    }
    faces_.push_back(std::make_unique<Face>(request, dots_per_inch, ++faces_built_));
    last_ = faces_.size() - 1;
    return *faces_.back();
}

TCanvas::TCanvas(QPainter& painter, TTextCache* cache)
    : painter_(painter),
      dots_per_inch_(painter.device() != nullptr ? painter.device()->logicalDpiY() : 96),
      own_cache_(cache == nullptr ? std::make_unique<TTextCache>() : nullptr),
      cache_(cache != nullptr ? *cache : *own_cache_) {}

TTextCache::Face& TCanvas::CurrentFace() {
    return cache_.FaceFor(Font, dots_per_inch_);
}

void TCanvas::ApplyPen() {
    QPen pen(ToQColor(Pen.Color));
    pen.setWidth(Pen.Width < 1 ? 1 : Pen.Width);
    pen.setCapStyle(Pen.Width > 1 ? Qt::RoundCap : Qt::SquareCap);
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.setCompositionMode(CompositionOf(Pen.Mode));
}

void TCanvas::FillRect(const TRect& rect) {
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.fillRect(QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1)),
                      ToQColor(Brush.Color));
}

void TCanvas::TextOut(int x, int y, const QString& text) {
    TTextCache::Face& face = CurrentFace();
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.fillRect(QRect(x, y, face.Width(text), face.height), ToQColor(Brush.Color));
    if (painter_serial_ != face.serial) {
        painter_.setFont(face.font);
        painter_serial_ = face.serial;
    }
    painter_.setPen(ToQColor(Font.Color));
    // One character is what a cell shows; longer texts are rare enough to lay out each time.
    if (text.size() == 1) {
        painter_.drawStaticText(x, y, face.Laid(text));
    } else {
        painter_.drawText(x, y + face.ascent, text);
    }
}

int TCanvas::TextWidth(const QString& text) {
    return CurrentFace().Width(text);
}

// The height of the font's character cell, whatever the text.
int TCanvas::TextHeight(const QString& /*text*/) {
    return CurrentFace().height;
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
    ApplyPen();
    // The right and bottom edges of the box are exclusive, as everywhere on this canvas.
    const QRectF box(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
    if (x3 == x4 && y3 == y4) {
        painter_.drawEllipse(box);
        return;
    }
    const double start = AngleOnEllipse(box, x3, y3);
    double span = AngleOnEllipse(box, x4, y4) - start;
    if (span <= 0) {
        span += 360.0;
    }
    painter_.drawArc(box, static_cast<int>(std::lround(start * 16)),
                     static_cast<int>(std::lround(span * 16)));
}

void TCanvas::MoveTo(int x, int y) {
    pen_x_ = x;
    pen_y_ = y;
}

void TCanvas::LineTo(int x, int y) {
    ApplyPen();
    painter_.drawLine(pen_x_, pen_y_, x, y);
    MoveTo(x, y);
}

}  // namespace quintara::platform
