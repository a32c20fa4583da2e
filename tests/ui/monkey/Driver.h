// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "Events.h"
#include "Model.h"
#include "MonkeyServices.h"
#include "Tally.h"

class QMenu;
class QWidget;

namespace quintara {
class TfrmSudoku;
}

namespace quintara::monkey {

// How a chord goes to the toolkit: its key, and its modifiers with the keypad's.
Qt::Key KeyOf(const Chord& chord);
Qt::KeyboardModifiers ModifiersOf(const Chord& chord);

// The real game window, offscreen, with the monkey's services and the model that shadows it.
// Events go in through the window's own input path: key presses and mouse clicks to the
// window's handle, keys and clicks into the context menu while it is open.
class Driver {
  public:
    Driver(uint32_t seed, int64_t start_ms);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Plays one event, feeding the model the same inputs. `index` is the event's place in the
    // seed's stream, which seeds the game's generator so a shorter replay draws the same puzzles.
    void Perform(const Event& event, size_t index);

    TfrmSudoku& window() { return *window_; }
    Model& model() { return model_; }
    MonkeyServices& services() { return services_; }
    // Problems seen during the last event that the checks cannot see afterwards (the focus
    // before a key, the context menu while it was open).
    std::vector<std::string> TakeProblems();
    Tally& tally() { return tally_; }
    // What the focused widget is, in the model's terms.
    Target FocusedTarget() const;

  private:
    void Open();
    void Reopen();
    void EnsureActive();

    void Key(const Chord& chord);
    void Hold(const Chord& chord, int presses);
    void Press(const Chord& chord);
    void Release(const Chord& chord);
    void Click(Mouse button, Aim aim, uint16_t x, uint16_t y, const MenuScript& menu);
    void ClickAt(Mouse button, QPoint at, const MenuScript& menu);
    void RunMenu(QMenu& open, bool expected, const MenuScript& script);
    void Smart(const Event& event);
    void Resize(uint16_t width, uint16_t height);
    void Close();

    void SyncFocus();
    void TakePuzzleIfDrawn();
    // A cell's centre by the model's geometry, in the grid's and in the window's coordinates.
    QPoint CellCentreInGrid(Cell cell) const;
    QPoint CellCentre(Cell cell) const;
    // Each control the events aim at, with the target the model knows it by and its widget:
    // the one table both for aiming a click and for naming what a click or the focus landed on.
    struct Control {
        Aim aim;
        Target target;
        QWidget* widget;
    };
    std::array<Control, 15> Controls() const;
    QWidget* AimedWidget(Aim aim) const;
    std::optional<Cell> CellAt(QPoint at) const;
    struct Hit {
        Target target;
        bool works;  // works the control, not only focuses it
    };
    std::optional<Hit> HitAt(QPoint at) const;
    Target Classify(const QWidget* widget) const;
    void Problem(std::string text);

    uint32_t seed_;
    MonkeyServices services_;
    std::unique_ptr<TfrmSudoku> window_;
    Model model_;
    std::vector<std::string> problems_;
    Tally tally_;
};

}  // namespace quintara::monkey
