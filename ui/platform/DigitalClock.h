// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>
#include <QTimer>
#include <cstdint>

namespace quintara::platform {

class Services;

// Signed offset added to the local time; the fields are written directly by the window code.
struct TTimeOffset {
    int32_t Days = 0;
    int32_t Hours = 0;
    int32_t Minutes = 0;
    int32_t Seconds = 0;
};

// A digital clock: the local time plus TimeOffset as hh:mm:ss on the 24-hour scale, refreshed
// every second while it can be seen, and at once when it is shown. Silver digits on whatever lies
// behind, in a sunken bevel; each digit carries a dark outline and a soft shadow, so silver stays
// readable on a light panel. A frame, not a label: a label that takes the focus (the clock is a
// Tab stop) builds a text document, and lays it out again every second, for text it never shows.
class TDigitalClock : public QFrame {
    Q_OBJECT

  public:
    explicit TDigitalClock(Services& services, QWidget* parent = nullptr);

    // What the clock shows at this moment.
    QString TimeText() const;
    // What it shows: the time of its last refresh.
    QString text() const { return text_; }
    // Redraws from the current time and offset.
    void Refresh();

    TTimeOffset TimeOffset;

    static constexpr int kRefreshMs = 1000;

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    Services& services_;
    QTimer timer_;
    QString text_;
};

}  // namespace quintara::platform
