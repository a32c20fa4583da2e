// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "support/WindowHarness.h"

namespace quintara::testing {

// Data rows of a test run once per board size, with the box side in column "box".
inline void AddBoxSizeRows() {
    QTest::addColumn<int>("box");
    QTest::newRow("9x9") << 3;
    QTest::newRow("16x16") << 4;
    QTest::newRow("25x25") << 5;
}

// Colour classes of the painted grid; text is antialiased, so only clear cases count.
inline bool IsRed(QColor c) {
    return c.red() > 180 && c.green() < 90 && c.blue() < 90;
}
inline bool IsBlue(QColor c) {
    return c.blue() > 180 && c.red() < 90 && c.green() < 90;
}
inline bool IsBlack(QColor c) {
    return c.red() < 70 && c.green() < 70 && c.blue() < 70;
}
inline bool IsWhite(QColor c) {
    return c == QColor(Qt::white);
}

inline int CountPixels(const QImage& image, const QRect& area, bool (*wanted)(QColor)) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += wanted(image.pixelColor(x, y)) ? 1 : 0;
        }
    }
    return count;
}

// Lines may fall a pixel either side of their ideal place: look at the 3 x 3 around a point.
inline bool AnyNear(const QImage& image, QPoint at, bool (*wanted)(QColor)) {
    return CountPixels(image, QRect(at - QPoint(1, 1), QSize(3, 3)), wanted) > 0;
}

// The focus ring's top and left, an ellipse 2 pixels inside the cell.
inline bool HasRing(const QImage& image, const QRect& cell) {
    return AnyNear(image, QPoint(cell.center().x(), cell.top() + 2), IsRed) &&
           AnyNear(image, QPoint(cell.left() + 2, cell.center().y()), IsRed);
}

// Pixels touched by paint: a bold glyph covers more of them than the same glyph in regular.
inline int Coverage(const QImage& image, const QRect& area) {
    return CountPixels(image, area, [](QColor c) { return !IsWhite(c); });
}

}  // namespace quintara::testing
