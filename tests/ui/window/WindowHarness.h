// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
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

// The real main window, shown offscreen with its news dialog, over the recording services.
class WindowHarness {
  public:
    explicit WindowHarness(PuzzleSource puzzles = BankPuzzles())
        : window(std::make_unique<TfrmSudoku>(services, puzzles)), news(window->frmShowUpgrade) {
        window->show();
        window->activateWindow();
        (void)QTest::qWaitForWindowExposed(window.get());
    }

    TfrmSudoku& w() { return *window; }
    platform::TDrawGrid& grid() { return *window->sg1; }

    // A key pressed on the grid, through the window's key preview.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window->sg1, key, modifiers);
    }
    void Key(char character) { QTest::keyClick(window->sg1, static_cast<Qt::Key>(character)); }

    // Generate with the size group on item `size_item` (0: 3x3, 1: 4x4, 2: 5x5).
    void Generate(int size_item = 0) {
        window->cbg1->setItemIndex(size_item);
        Key(Qt::Key_F10);
    }
    void Play() { Key(Qt::Key_F5); }

    void Select(int col, int row) { window->sg1->setSelection({col, row, col, row}); }

    // First cell (row-major) whose given is empty, or a given when `given` is true; `skip` passes
    // over that many matching cells first. (-1, -1) when there is none.
    QPoint FindCell(bool given, int skip = 0) const {
        const int size = window->game().ActiveBoxSize() * window->game().ActiveBoxSize();
        for (int row = 0; row < size; ++row) {
            for (int col = 0; col < size; ++col) {
                if ((window->game().GivenGrid()[row][col] != ' ') == given && skip-- == 0) {
                    return {col, row};
                }
            }
        }
        return {-1, -1};
    }

    // Pixels of a cell's inside that are not white, as the screen shows the window now: what
    // was painted and flushed, not what a fresh rendering would give.
    int InkOnScreen(QPoint cell) const {
        const QImage screen = window->screen()->grabWindow(window->winId()).toImage();
        const platform::TRect r = window->sg1->CellRect(cell.x(), cell.y());
        const QPoint top_left = window->sg1->mapTo(window.get(), QPoint(r.Left, r.Top));
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
        for (const QAction* item : window->popm1->actions()) {
            captions.append(item->text());
        }
        return captions;
    }

    platform::RecordingServices services;
    std::unique_ptr<TfrmSudoku> window;
    TfrmShowUpgrade* news = nullptr;
};

}  // namespace quintara::testing
