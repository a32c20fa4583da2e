// SPDX-License-Identifier: GPL-3.0-or-later
// The monkey's checks: the controls, the clock, the grid and its layout, the three character
// grids, the context menu, the keyboard focus and everything the game said.
#include "Checks.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "Driver.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/RadioGroup.h"
#include "ui/window/Usudk0201.h"

namespace quintara::monkey {

namespace {

constexpr int kCharGridSide = 65;

class Report {
  public:
    // Adds a problem unless `holds`.
    void Expect(bool holds, const std::string& problem) {
        if (!holds) {
            problems.push_back(problem);
        }
    }
    template <typename T>
    void Equal(const T& actual, const T& expected, const std::string& what) {
        if (!(actual == expected)) {
            problems.push_back(what + ": " + Text(actual) + ", expected " + Text(expected));
        }
    }
    std::vector<std::string> problems;

  private:
    static std::string Text(const std::string& s) { return '"' + s + '"'; }
    static std::string Text(const QString& s) { return Text(s.toStdString()); }
    static std::string Text(bool b) { return b ? "yes" : "no"; }
    static std::string Text(int i) { return std::to_string(i); }
    static std::string Text(const char* s) { return Text(std::string(s)); }
};

// Shown on the window (not merely not hidden).
bool Shown(const QWidget* widget) {
    return widget->isVisible();
}

void CheckControls(Report& r, TfrmSudoku& w, const Model& m) {
    const Controls& c = m.controls();
    r.Equal(static_cast<int>(w.game().State()), static_cast<int>(m.state()), "state: game state");
    r.Equal(w.btnGenera->isEnabled(), c.generate, "controls: Generate enabled");
    r.Equal(w.cbg1->isEnabled(), c.generate, "controls: size group enabled");
    r.Equal(w.btnPlay->isEnabled(), c.game_commands, "controls: Play enabled");
    r.Equal(w.btnToggleView->isEnabled(), c.game_commands, "controls: Show solution enabled");
    r.Equal(w.ActPrint->isEnabled(), c.game_commands, "controls: Print (F7) enabled");
    r.Equal(w.ActSuggerisci->isEnabled(), c.hint, "controls: Hint enabled");
    r.Equal(Shown(w.pnlGameOn), c.game_panel, "controls: game panel shown");
    r.Equal(Shown(w.cxButton1), c.game_panel, "controls: Hint button shown");
    r.Equal(Shown(w.cbxControllo), c.game_panel, "controls: View errors box shown");
    r.Equal(Shown(w.cbxHideTimer), c.game_panel, "controls: Hide timer box shown");
    r.Expect(!Shown(w.btnPrint) && !Shown(w.cbgLivello),
             "controls: the Print button or the level group is shown");
    for (QWidget* always :
         std::initializer_list<QWidget*>{w.btnHelp, w.btnFontPiu, w.btnFontMeno}) {
        r.Expect(Shown(always) && always->isEnabled(),
                 "controls: Help, + or - is hidden or disabled");
    }
    r.Equal(w.btnPlay->text().toStdString(), m.PlayCaption(), "controls: Play caption");
    r.Equal(w.btnToggleView->text().toStdString(), m.ToggleCaption(),
            "controls: Show solution caption");
    r.Equal(w.btnGenera->text(), QStringLiteral("Generate [F10]"), "controls: Generate caption");
    r.Equal(w.cxButton1->text(), QStringLiteral("Hint! [F4]"), "controls: Hint caption");
    r.Equal(w.cbxControllo->text(), QStringLiteral("View errors [F8]"),
            "controls: View errors caption");
    r.Equal(w.cbxHideTimer->text(), QStringLiteral("Hide timer [F9]"),
            "controls: Hide timer caption");
    r.Equal(w.btnHelp->text(), QStringLiteral("Help [F1]"), "controls: Help caption");
    r.Equal(w.cbg1->ItemIndex(), m.SizeItem(), "controls: size item");
    r.Equal(w.cbxControllo->isChecked(), m.ErrorView(), "controls: View errors checked");
    r.Equal(w.cbxHideTimer->isChecked(), m.HideTimer(), "controls: Hide timer checked");
}

void CheckClock(Report& r, TfrmSudoku& w, const Model& m) {
    r.Equal(Shown(w.Clock1), m.ClockShown(), "clock: shown");
    if (m.ClockShown()) {
        r.Equal(w.Clock1->TimeText().toStdString(), m.ClockText(), "clock: time shown");
    }
}

void CheckGrid(Report& r, TfrmSudoku& w, const Model& m) {
    const platform::TDrawGrid& g = *w.sg1;
    r.Equal(Shown(&g), m.GridShown(), "grid: shown");
    r.Equal(g.FontSize(), m.FontSize(), "grid: font size");
    r.Equal(g.DefaultColWidth(), m.CellWidth(), "grid: cell width");
    r.Equal(g.DefaultRowHeight(), m.CellHeight(), "grid: cell height");
    if (!m.GridShown()) {
        return;
    }
    r.Equal(g.RowCount(), m.GridRows(), "grid: rows");
    r.Equal(g.ColCount(), m.GridRows(), "grid: columns");
    r.Equal(g.GridLineWidth(), m.LineWidth(), "grid: line width");
    r.Equal(w.game().ActiveBoxSize(), m.Box(), "grid: box size");
    const platform::TGridRect s = g.Selection();
    r.Expect(s.Left == s.Right && s.Top == s.Bottom && s.Left >= 0 && s.Top >= 0 &&
                 s.Left < m.GridRows() && s.Top < m.GridRows(),
             "grid: the selection is not one cell of the grid");
    r.Equal(s.Left, m.Selection().col, "grid: selected column");
    r.Equal(s.Top, m.Selection().row, "grid: selected row");
}

// Givens and solution as drawn, the play grid as the model played it, and nothing at all
// outside the grid's square.
void CheckCharGrids(Report& r, TfrmSudoku& w, const Model& m) {
    if (!m.HasPuzzle()) {
        return;
    }
    const int n = m.GridSize();
    const Puzzle& p = m.puzzle();
    for (int row = 0; row < kCharGridSide; ++row) {
        for (int col = 0; col < kCharGridSide; ++col) {
            const bool inside = row < n && col < n;
            const size_t at = static_cast<size_t>(row * n + col);
            const char given = inside ? p.given[at] : '\0';
            const char solution = inside ? p.solution[at] : '\0';
            const char play = inside ? m.PlayAt(col, row) : '\0';
            const std::string where =
                " at row " + std::to_string(row) + ", column " + std::to_string(col);
            if (w.game().GivenGrid()[row][col] != given) {
                r.Expect(false, "grids: the givens changed" + where);
                return;
            }
            if (w.game().SolutionGrid()[row][col] != solution) {
                r.Expect(false, "grids: the solution changed" + where);
                return;
            }
            if (w.game().PlayGrid()[row][col] != play) {
                r.Expect(false, std::string("grids: the play grid holds '") +
                                    w.game().PlayGrid()[row][col] + "', expected '" + play + "'" +
                                    where);
                return;
            }
        }
    }
}

void CheckMenu(Report& r, TfrmSudoku& w, const Model& m) {
    r.Equal(w.popm1->AutoPopup(), m.controls().menu, "menu: opens on a right click");
    if (!m.controls().menu) {
        return;
    }
    std::vector<std::string> items;
    for (const QAction* item : w.popm1->actions()) {
        items.push_back(item->text().toStdString());
    }
    r.Expect(items == m.MenuItems(), "menu: the items differ from those of the state");
}

void CheckFocus(Report& r, Driver& d) {
    const Target actual = d.FocusedTarget();
    const std::optional<Target> expected = d.model().Focus();
    if (expected) {
        r.Equal(std::string(Name(actual)), std::string(Name(*expected)), "focus: on");
        return;
    }
    // Where the toolkit put it: any control the player can reach.
    const QWidget* focused = QApplication::focusWidget();
    r.Expect(focused == nullptr || (focused->isVisible() && focused->isEnabled()),
             "focus: on a hidden or disabled widget");
    d.model().FocusMovedTo(actual);
}

void CheckOutputs(Report& r, Driver& d) {
    const std::vector<Output> expected = d.model().TakeOutputs();
    const std::vector<Output> actual = d.services().TakeOutputs();
    if (actual == expected) {
        Tally& t = d.tally();
        for (const Output& o : actual) {
            const bool congratulation = o.text.rfind("Congratulations", 0) == 0;
            t.congratulations += congratulation ? 1 : 0;
            t.questions += o.kind == Output::Kind::Question ? 1 : 0;
            t.news += o.kind == Output::Kind::News ? 1 : 0;
            t.pages += o.kind == Output::Kind::Shell ? 1 : 0;
            t.messages += o.kind == Output::Kind::Message && !congratulation ? 1 : 0;
        }
        return;
    }
    const auto list = [](const std::vector<Output>& outputs) {
        std::string text = "[";
        for (const Output& o : outputs) {
            text += (text.size() > 1 ? ", " : "") + Describe(o);
        }
        return text + "]";
    };
    r.Expect(false, "outputs: the game said " + list(actual) + ", expected " + list(expected));
}

// Counts the pixels of a colour class inside a rectangle of the image.
template <typename Wanted>
int Count(const QImage& image, const QRect& area, Wanted wanted) {
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            count += wanted(line[x]) ? 1 : 0;
        }
    }
    return count;
}

bool IsBlue(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 90 && qGreen(c) < 90;
}

// Black text, antialiased: thin strokes like an "I" come out grey, never coloured.
bool IsBlack(QRgb c) {
    const int low = std::min({qRed(c), qGreen(c), qBlue(c)});
    const int high = std::max({qRed(c), qGreen(c), qBlue(c)});
    return high < 170 && high - low < 40;
}

}  // namespace

std::string KindOf(const std::string& problem) {
    return problem.substr(0, problem.find(':'));
}

std::vector<std::string> CheckWindow(Driver& driver) {
    Report r;
    for (std::string& fault : driver.model().TakeFaults()) {
        r.problems.push_back("model: " + fault);
    }
    for (std::string& problem : driver.TakeProblems()) {
        r.problems.push_back(problem);
    }
    CheckOutputs(r, driver);
    TfrmSudoku& w = driver.window();
    const Model& m = driver.model();
    CheckControls(r, w, m);
    CheckClock(r, w, m);
    CheckGrid(r, w, m);
    CheckCharGrids(r, w, m);
    CheckMenu(r, w, m);
    CheckFocus(r, driver);
    ++driver.tally().states[static_cast<size_t>(m.state())];
    return r.problems;
}

std::vector<std::string> CheckLook(Driver& driver) {
    const Model& m = driver.model();
    if (!m.GridShown() || !m.HasPuzzle()) {
        return {};
    }
    platform::TDrawGrid& grid = *driver.window().sg1;
    const QImage image = grid.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint origin = grid.contentsRect().topLeft();
    const int pitch_x = m.CellWidth() + m.LineWidth();
    const int pitch_y = m.CellHeight() + m.LineWidth();
    Report r;
    for (int row = 0; row < m.GridSize(); ++row) {
        for (int col = 0; col < m.GridSize(); ++col) {
            // The cell without its last two pixel rows and columns, where box lines fall.
            const QRect cell(origin.x() + col * pitch_x, origin.y() + row * pitch_y,
                             m.CellWidth() - 2, m.CellHeight() - 2);
            const bool given =
                m.puzzle().given[static_cast<size_t>(row * m.GridSize() + col)] != ' ';
            const char shown = m.Shown(col, row);
            const int blue = Count(image, cell, IsBlue);
            const int black = Count(image, cell, IsBlack);
            const std::string where =
                " at row " + std::to_string(row) + ", column " + std::to_string(col);
            if (given) {
                r.Expect(blue > 2 && black == 0, "look: no blue given" + where);
            } else if (shown != ' ') {
                r.Expect(black > 1 && blue == 0, "look: no black symbol" + where);
            } else {
                r.Expect(black == 0 && blue == 0, "look: ink in an empty cell" + where);
            }
            if (!r.problems.empty()) {
                return r.problems;
            }
        }
    }
    return r.problems;
}

}  // namespace quintara::monkey
