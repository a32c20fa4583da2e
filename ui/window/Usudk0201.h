// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "ui/game/Game.h"
#include "ui/game/PuzzleSource.h"
#include "ui/game/StateTable.h"
#include "ui/platform/Canvas.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/VirtualKeys.h"

class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;

namespace quintara {

class TfrmShowUpgrade;

namespace platform {
class Services;
class TDigitalClock;
class TLinkLabel;
class TPopupMenu;
class TRadioGroup;
}  // namespace platform

// Pen width of the lines between boxes.
inline constexpr int32_t kBoxLineWidth = 3;

// The main window: the controls of each game state, the commands and function keys, the painted
// grid with its layout, cell input, the context menu and the captions in Italian or English. The
// game itself, its rules and its state, is `game()`; the handlers forward to it and show what it
// reports. Everything the window shows or asks goes through `services`.
class TfrmSudoku : public QWidget, private GameView {
    Q_OBJECT

  public:
    explicit TfrmSudoku(platform::Services& services, PuzzleSource puzzles = BankPuzzles(),
                        QWidget* parent = nullptr);
    ~TfrmSudoku() override;

    // ---------------------------------------------------------------------------------------
    // The window's legacy names. Prefixes: Act = an action, a command whose enabling and caption
    // show on its buttons and menu items; btn = push button; cbx = check box; cbg = radio group;
    // pnl = panel; sg1 = the drawn grid; popm1 = the grid's context menu. Handlers are the
    // control's name plus the event. The widgets below are public for reading (tests, tools);
    // only the window changes them.
    // ---------------------------------------------------------------------------------------

    // Game controller.
    bool NewGame();
    void ActGeneraExecute(QObject* Sender);
    void ActPlayExecute(QObject* Sender);
    void ActToggleViewExecute(QObject* Sender);
    void ActSuggerisciExecute(QObject* Sender);

    // Commands, state and keys.
    void FormShow();
    void FormClose();
    void UpdateState();
    void FormKeyDown(QObject* Sender, platform::TVirtualKey& Key, platform::TShiftState Shift);
    void cbxControlloClick();
    void cbxHideTimerClick();
    void ActHelpExecute(QObject* Sender);
    void ActPrintExecute(QObject* Sender);
    void ShowUpgrade(const QString& message);

    // Grid painting and layout.
    void sg1DrawCell(QObject* Sender, int ACol, int ARow, platform::TRect Rect,
                     platform::TGridDrawState State);
    void SetWindowSizeFor(int32_t size);
    void SetupGrid(int32_t size);
    void btnFontPiuClick();
    void btnFontMenoClick();

    // Cell input and context menu.
    void sg1MouseDown(QObject* Sender, platform::TMouseButton Button, platform::TShiftState Shift,
                      int X, int Y);
    void sg1KeyDown(QObject* Sender, platform::TVirtualKey& Key, platform::TShiftState Shift);
    void BuildPopupMenu(GameState state);
    void N11Click(QAction* Sender);
    void N21Click();

    // Captions.
    void ApplyLanguage();

    // Actions.
    QAction* ActGenera = nullptr;
    QAction* ActPlay = nullptr;
    QAction* ActToggleView = nullptr;
    QAction* ActPrint = nullptr;
    QAction* ActSuggerisci = nullptr;
    QAction* ActHelp = nullptr;

    // Top band.
    QFrame* pnlTopMain = nullptr;
    QFrame* Panel1 = nullptr;
    QLabel* StaticText1 = nullptr;
    QLabel* StaticText2 = nullptr;
    QPushButton* btnGenera = nullptr;
    platform::TRadioGroup* cbg1 = nullptr;
    platform::TRadioGroup* cbgLivello = nullptr;
    // Right column.
    QFrame* pnlRight = nullptr;
    QFrame* pnlButtons = nullptr;
    QPushButton* btnPlay = nullptr;
    QPushButton* btnToggleView = nullptr;
    QPushButton* btnPrint = nullptr;
    QFrame* pnlGameOn = nullptr;
    QCheckBox* cbxHideTimer = nullptr;
    platform::TDigitalClock* Clock1 = nullptr;
    QCheckBox* cbxControllo = nullptr;
    QPushButton* cxButton1 = nullptr;
    QFrame* pnlLayout = nullptr;
    QLabel* StaticText3 = nullptr;
    QLabel* StaticText4 = nullptr;
    QPushButton* btnFontPiu = nullptr;
    QPushButton* btnFontMeno = nullptr;
    // Bottom band.
    QFrame* Panel3 = nullptr;
    QPushButton* btnHelp = nullptr;
    QLabel* cxLabel3 = nullptr;
    platform::TLinkLabel* cxHyperLinkEdit2 = nullptr;
    // The board.
    QFrame* pnlGrid = nullptr;
    QScrollArea* sg1Scroller = nullptr;
    platform::TDrawGrid* sg1 = nullptr;
    platform::TPopupMenu* popm1 = nullptr;
    // The news dialog, created with this window and after it; the print notice shows in it.
    TfrmShowUpgrade* frmShowUpgrade = nullptr;

    // The game on the board: its state, grids and rules.
    const Game& game() const { return game_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // Window composition.
    void CreateActions();
    void CreateTopBand();
    void CreateRightColumn();
    void CreateBottomBand();
    void CreateGridPanel();
    void ComposeWindow();
    void CreateCommandKeys();
    void AddMenuItem(MenuItem item);

    // One function key: the key, whether its command is available now, and the command.
    struct CommandKey {
        platform::TVirtualKey key;
        std::function<bool()> available;
        std::function<void()> run;
    };
    bool IsCommandKey(platform::TVirtualKey key) const;

    // What the game reports.
    void LayOut(int32_t box_size, bool size_changed) override;
    void NewPuzzle() override;
    void StateChanged() override;
    void CellsChanged(const std::vector<CellPlace>& cells) override;

    // Helpers of the handlers.
    bool GridVisible() const;
    void FocusGridIfVisible();
    CellPlace SelectedCell() const;
    void SetStateCaptions(const StateRow& row);
    void StartClock();
    void EnterInSelectedCell(char ch);
    QString CellDescription(int col, int row) const;

    platform::Services& services_;
    Game game_;
    // Learnt from the keys typed in the window; read by the key preview and the grid.
    platform::TKeyboardLayout keyboard_layout_;
    // Pen width of the box lines.
    int32_t BoxLineWidth = kBoxLineWidth;
    std::vector<CommandKey> command_keys_;
    bool shown_ = false;
    // The state a screen reader was last told of; gsNone again when a new puzzle comes.
    GameState told_state_ = GameState::gsNone;
};

}  // namespace quintara
