// The digital clock showing local time plus an offset.
#include "ui/platform/DigitalClock.h"

#include <QDateTime>

#include "ui/platform/Services.h"

namespace quintara::platform {

namespace {

constexpr qint64 kSecondsPerMinute = 60;
constexpr qint64 kSecondsPerHour = 3600;
constexpr qint64 kSecondsPerDay = 86400;

}  // namespace

TDigitalClock::TDigitalClock(Services& services, QWidget* parent)
    : QLabel(parent), services_(services) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("color: silver; background: transparent;"));
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &TDigitalClock::Refresh);
    timer_.start();
    Refresh();
}

QString TDigitalClock::TimeText() const {
    const qint64 offset = TimeOffset.Days * kSecondsPerDay + TimeOffset.Hours * kSecondsPerHour +
                          TimeOffset.Minutes * kSecondsPerMinute + TimeOffset.Seconds;
    return services_.Now().addSecs(offset).toString(QStringLiteral("HH:mm:ss"));
}

void TDigitalClock::Refresh() {
    setText(TimeText());
}

void TDigitalClock::showEvent(QShowEvent* event) {
    Refresh();
    QLabel::showEvent(event);
}

}  // namespace quintara::platform
