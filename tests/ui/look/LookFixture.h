// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "ui/help/Usudk02_upgrade.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/RecordingServices.h"
#include "ui/window/Usudk0201.h"

namespace quintara::testing {

// The real main window with its news dialog, shown offscreen, driven as a player would and read
// back from grab() images of the grid.
class LookedAtGame {
  public:
    explicit LookedAtGame(PuzzleSource puzzles = BankPuzzles()) : window(services, puzzles) {
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) {
            qWarning("the window did not become active: focus checks will fail");
        }
    }

    // Generate a puzzle of boxes of this side (3, 4 or 5); the layout it requests then settles,
    // as the event loop lets it after a command.
    void Generate(int box_size) {
        window.cbg1->setItemIndex(SizeItemOf(box_size));
        window.ActGeneraExecute(nullptr);
        QCoreApplication::processEvents();
    }
    void Play() { window.ActPlayExecute(nullptr); }
    // A key pressed on the grid, through the window's key preview.
    void Key(int key) { QTest::keyClick(window.sg1, static_cast<Qt::Key>(key)); }

    QImage Grid() const { return window.sg1->grab().toImage(); }
    QRect Cell(int col, int row) const {
        const platform::TRect rect = window.sg1->CellRect(col, row);
        return QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1));
    }
    // The cell without its last pixel rows and columns, where box lines may fall.
    QRect Interior(int col, int row) const { return Cell(col, row).adjusted(0, 0, -2, -2); }
    int Side() const { return window.sg1->ColCount(); }
    bool IsGiven(int col, int row) const { return window.game().GivenGrid()[row][col] != ' '; }

    // The first cell, row by row, that passes the test; (-1, -1) when none does.
    QPoint FindCell(const std::function<bool(int col, int row)>& wanted) const {
        for (int row = 0; row < Side(); ++row) {
            for (int col = 0; col < Side(); ++col) {
                if (wanted(col, row)) {
                    return {col, row};
                }
            }
        }
        return {-1, -1};
    }

    // Selects a cell with the mouse, as a player does.
    void Click(int col, int row) {
        QTest::mouseClick(window.sg1, Qt::LeftButton, {}, Cell(col, row).center());
    }

    platform::RecordingServices services;
    TfrmSudoku window;
    TfrmShowUpgrade& news = *window.frmShowUpgrade;
};

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
