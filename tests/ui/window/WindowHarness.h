#pragma once

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "support/LanguageScope.h"
#include "support/RecordingServices.h"
#include "ui/Language.h"
#include "ui/help/Usudk02_upgrade.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/RadioGroup.h"
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

    // First cell (row-major) whose given is empty, or a given when `given` is true.
    QPoint FindCell(bool given) const {
        const int size = window->ActiveBoxSize * window->ActiveBoxSize;
        for (int row = 0; row < size; ++row) {
            for (int col = 0; col < size; ++col) {
                if ((window->GivenGrid[row][col] != ' ') == given) {
                    return {col, row};
                }
            }
        }
        return {-1, -1};
    }

    QStringList MenuCaptions() const {
        QStringList captions;
        for (const QAction* item : window->popm1->actions()) {
            captions.append(item->text());
        }
        return captions;
    }

    RecordingServices services;
    std::unique_ptr<TfrmSudoku> window;
    TfrmShowUpgrade* news = nullptr;
};

}  // namespace quintara::testing
