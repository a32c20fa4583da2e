// SPDX-License-Identifier: GPL-3.0-or-later
// The digital clock showing local time plus an offset.
#include "ui/platform/DigitalClock.h"

#include <QAccessible>
#include <QDateTime>
#include <QPainter>
#include <QPainterPath>
#include <utility>

#include "ui/platform/Canvas.h"
#include "ui/platform/Services.h"

namespace quintara::platform {

namespace {

constexpr qint64 kMsPerSecond = 1000;
constexpr qint64 kSecondsPerMinute = 60;
constexpr qint64 kSecondsPerHour = 3600;
constexpr qint64 kSecondsPerDay = 86400;

// The outline is stroked on the glyphs' edges, so half of it shows outside the silver.
constexpr qreal kOutlineWidth = 2.0;
// Room between the digits, so neighbouring outlines do not run together.
constexpr qreal kDigitSpacing = 2.0;
constexpr QPointF kShadowOffset(1.5, 1.5);
const QColor kOutlineColor(40, 40, 48);
const QColor kShadowColor(0, 0, 0, 110);

// The text's glyphs centred in `face`, placed on its baseline.
QPainterPath CentredText(const QString& text, QFont font, const QRect& face) {
    font.setLetterSpacing(QFont::AbsoluteSpacing, kDigitSpacing);
    const QFontMetricsF metrics(font);
    // The spacing also follows the last digit; it is not part of what shows.
    const qreal width = metrics.horizontalAdvance(text) - kDigitSpacing;
    const qreal x = face.left() + (face.width() - width) / 2.0;
    const qreal baseline =
        face.top() + (face.height() + metrics.ascent() - metrics.descent()) / 2.0;
    QPainterPath path;
    path.addText(QPointF(x, baseline), font, text);
    return path;
}

}  // namespace

TDigitalClock::TDigitalClock(Services& services, QWidget* parent)
    : QFrame(parent), services_(services), timer_(this) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    // Nothing fills the background: the panel behind shows through.
    setAutoFillBackground(false);
    QPalette digits = palette();
    digits.setColor(QPalette::WindowText, ToQColor(clSilver));
    setPalette(digits);
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &TDigitalClock::Refresh);
    Refresh();
}

// Counted on the wall clock the offset was read from: adding real seconds would put the shown
// time an hour off on the days the clocks change.
QString TDigitalClock::TimeText() const {
    const qint64 offset = TimeOffset.Days * kSecondsPerDay + TimeOffset.Hours * kSecondsPerHour +
                          TimeOffset.Minutes * kSecondsPerMinute + TimeOffset.Seconds;
    const qint64 now = services_.Now().time().msecsSinceStartOfDay() / kMsPerSecond;
    const qint64 of_day = ((now + offset) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    return QTime::fromMSecsSinceStartOfDay(static_cast<int>(of_day * kMsPerSecond))
        .toString(QStringLiteral("HH:mm:ss"));
}

// A new time is drawn and, as a label's text would be, told to screen readers as a new name.
void TDigitalClock::Refresh() {
    QString now = TimeText();
    if (now == text_) {
        return;
    }
    text_ = std::move(now);
    update();
    QAccessibleEvent renamed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
}

// The timer runs only while the clock can be seen (it is hidden in every state but play, and
// with the window when that is minimized), so an idle game wakes nobody; shown again, the clock
// catches up before it is painted.
void TDigitalClock::showEvent(QShowEvent* event) {
    Refresh();
    timer_.start();
    QFrame::showEvent(event);
}

void TDigitalClock::hideEvent(QHideEvent* event) {
    timer_.stop();
    QFrame::hideEvent(event);
}

void TDigitalClock::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(contentsRect());
    const QPainterPath digits = CentredText(text_, font(), contentsRect());
    painter.fillPath(digits.translated(kShadowOffset), kShadowColor);
    painter.strokePath(
        digits, QPen(kOutlineColor, kOutlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.fillPath(digits, palette().color(QPalette::WindowText));
}

}  // namespace quintara::platform
