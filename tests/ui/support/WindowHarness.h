// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <functional>
#include <memory>

#include "bank/PuzzleBank.h"
#include "support/LanguageScope.h"
#include "support/Supply.h"
#include "ui/Language.h"
#include "ui/help/Usudk02_upgrade.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/RecordingServices.h"
#include "ui/window/Usudk0201.h"

namespace quintara::testing {

// The real main window with its news dialog, shown offscreen over the recording services,
// driven as a player would: keys through the window's key preview, clicks on the grid; and read
// back from its fields, its menu, the screen and grab() images of the grid.
class WindowHarness {
  public:
    explicit WindowHarness(PuzzleSource puzzles = BankPuzzles())
        : owned_(std::make_unique<TfrmSudoku>(services, std::move(puzzles))),
          window(*owned_),
          news(*window.frmShowUpgrade) {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            qWarning("the window did not become active: focus checks will fail");
        }
    }

    TfrmSudoku& w() { return window; }
    platform::TDrawGrid& grid() { return *window.sg1; }

    // A key pressed on the grid, through the window's key preview.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window.sg1, key, modifiers);
    }
    void Key(char character) { QTest::keyClick(window.sg1, static_cast<Qt::Key>(character)); }

    // Generate with the size group on item `size_item` (0: 3x3, 1: 4x4, 2: 5x5); the layout it
    // requests then settles, as the event loop lets it after a command.
    void Generate(int size_item = 0) {
        window.cbg1->setItemIndex(size_item);
        Key(Qt::Key_F10);
        QCoreApplication::processEvents();
    }
    void Play() { Key(Qt::Key_F5); }

    void Select(int col, int row) { window.sg1->setSelection({col, row, col, row}); }
    // Selects a cell with the mouse, as a player does.
    void Click(int col, int row) {
        QTest::mouseClick(window.sg1, Qt::LeftButton, {}, Cell(col, row).center());
    }

    int Side() const { return window.sg1->ColCount(); }
    bool IsGiven(int col, int row) const { return window.game().IsGiven(row, col); }
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
    // First cell whose given is empty, or a given when `given` is true; `skip` passes over that
    // many matching cells first. (-1, -1) when there is none.
    QPoint FindCell(bool given, int skip = 0) const {
        return FindCell(
            [&](int col, int row) { return IsGiven(col, row) == given && skip-- == 0; });
    }

    QImage Grid() const { return window.sg1->grab().toImage(); }
    QRect Cell(int col, int row) const {
        const platform::TRect rect = window.sg1->CellRect(col, row);
        return QRect(QPoint(rect.Left, rect.Top), QPoint(rect.Right - 1, rect.Bottom - 1));
    }
    // The cell without its last pixel rows and columns, where box lines may fall.
    QRect Interior(int col, int row) const { return Cell(col, row).adjusted(0, 0, -2, -2); }

    // Pixels of a cell's inside that are not white, as the screen shows the window now: what
    // was painted and flushed, not what a fresh rendering would give.
    int InkOnScreen(QPoint cell) const {
        const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
        const platform::TRect r = window.sg1->CellRect(cell.x(), cell.y());
        const QPoint top_left = window.sg1->mapTo(&window, QPoint(r.Left, r.Top));
        int ink = 0;
        for (int y = 3; y < r.Bottom - r.Top - 3; ++y) {
            for (int x = 3; x < r.Right - r.Left - 3; ++x) {
                ink += screen.pixelColor(top_left + QPoint(x, y)) != QColor(Qt::white) ? 1 : 0;
            }
        }
        return ink;
    }

    QStringList MenuCaptions() const {
        QStringList captions;
        for (const QAction* item : window.popm1->actions()) {
            captions.append(item->text());
        }
        return captions;
    }

    platform::RecordingServices services;

  private:
    std::unique_ptr<TfrmSudoku> owned_;

  public:
    TfrmSudoku& window;
    TfrmShowUpgrade& news;
};

}  // namespace quintara::testing
