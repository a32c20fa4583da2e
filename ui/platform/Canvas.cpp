// The Windows-style canvas over QPainter.
#include "ui/platform/Canvas.h"

#include <QFontMetrics>
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

}  // namespace

QColor ToQColor(TColor color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

int FontPixelHeight(int points, int dots_per_inch) {
    return (points * dots_per_inch + 36) / 72;
}

TCanvas::TCanvas(QPainter& painter)
    : painter_(painter),
      dots_per_inch_(painter.device() != nullptr ? painter.device()->logicalDpiY() : 96) {}

void TCanvas::UpdateFont() {
    if (Font.Name == built_name_ && Font.Size == built_size_ && Font.Style == built_style_) {
        return;
    }
    qt_font_ = QFont(Font.Name);
    qt_font_.setPixelSize(FontPixelHeight(Font.Size, dots_per_inch_));
    qt_font_.setBold((Font.Style & fsBold) != 0);
    qt_font_.setItalic((Font.Style & fsItalic) != 0);
    metrics_ = QFontMetrics(qt_font_);
    built_name_ = Font.Name;
    built_size_ = Font.Size;
    built_style_ = Font.Style;
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
    UpdateFont();
    painter_.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter_.fillRect(QRect(x, y, metrics_.horizontalAdvance(text), metrics_.height()),
                      ToQColor(Brush.Color));
    painter_.setFont(qt_font_);
    painter_.setPen(ToQColor(Font.Color));
    painter_.drawText(x, y + metrics_.ascent(), text);
}

int TCanvas::TextWidth(const QString& text) {
    UpdateFont();
    return metrics_.horizontalAdvance(text);
}

// The height of the font's character cell, whatever the text.
int TCanvas::TextHeight(const QString& /*text*/) {
    UpdateFont();
    return metrics_.height();
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
