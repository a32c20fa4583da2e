// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCheckBox>
#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "LookFixture.h"

namespace quintara {

using enum GameState;

using testing::AnyNear;
using testing::CountPixels;
using testing::HasRing;
using testing::IsBlack;
using testing::IsBlue;
using testing::IsRed;
using testing::IsWhite;

namespace {

// A point of the clash diagonal, from its start at 0 to its end at 1. Between 0.3 and 0.7 it is
// away from the focus ring and right of the symbol, so only the diagonal paints it red.
QPointF DiagonalPoint(const QRect& cell, double along) {
    const QPointF from(cell.right() + 1 - 5, cell.top() + 5);
    const QPointF to(cell.left() + 5, cell.bottom() + 1 - 5);
    return from + (to - from) * along;
}

// The diagonal runs exactly from (R - 5, T + 5) to (L + 5, B - 5): both ends red, the pixels
// beyond them not.
bool HasClashMark(const QImage& image, const QRect& cell) {
    const QPoint from = DiagonalPoint(cell, 0).toPoint();
    const QPoint to = DiagonalPoint(cell, 1).toPoint();
    return AnyNear(image, DiagonalPoint(cell, 0.3).toPoint(), IsRed) &&
           AnyNear(image, DiagonalPoint(cell, 0.7).toPoint(), IsRed) &&
           IsRed(image.pixelColor(from)) && IsRed(image.pixelColor(to)) &&
           !IsRed(image.pixelColor(from + QPoint(1, -1))) &&
           !IsRed(image.pixelColor(to + QPoint(-1, 1)));
}

// A pen one pixel wide draws the diagonal as one pixel per step along its longer side, both
// ends included: a wider pen paints more.
int DiagonalPixels(const QRect& cell) {
    return std::max(cell.width(), cell.height()) - 2 * 5 + 1;
}

// The ring's extent along the cell's middle row and middle column: the ellipse inscribed 2
// pixels in from every edge, drawn one pixel wide.
QRect RingExtent(const QImage& image, const QRect& cell) {
    int left = -1, right = -1, top = -1, bottom = -1;
    for (int x = cell.left(); x <= cell.right(); ++x) {
        if (IsRed(image.pixelColor(x, cell.center().y()))) {
            (left < 0 ? left : right) = x;
        }
    }
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        if (IsRed(image.pixelColor(cell.center().x(), y))) {
            (top < 0 ? top : bottom) = y;
        }
    }
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

enum Unit { kRow, kColumn, kBox };
constexpr const char* kUnitNames[] = {"row", "column", "box"};

// An open cell and a given that share only the unit of the rule, no other given of that symbol
// sharing any unit with the open cell: only that rule's question can find the repeat.
std::pair<QPoint, QPoint> CellsSharingOnly(const testing::WindowHarness& game, int rule) {
    const int box = game.window.game().ActiveBoxSize();
    const auto shared = [box](QPoint a, QPoint b) {
        return std::array{a.y() == b.y(), a.x() == b.x(),
                          a.x() / box == b.x() / box && a.y() / box == b.y() / box};
    };
    const auto symbol = [&](QPoint cell) {
        return game.window.game().GivenGrid()[cell.y()][cell.x()];
    };
    std::array<bool, 3> only{};
    only[static_cast<size_t>(rule)] = true;
    std::vector<QPoint> givens;
    std::vector<QPoint> opens;
    for (int row = 0; row < game.Side(); ++row) {
        for (int col = 0; col < game.Side(); ++col) {
            (game.IsGiven(col, row) ? givens : opens).emplace_back(col, row);
        }
    }
    for (const QPoint open : opens) {
        for (const QPoint given : givens) {
            const auto repeats_elsewhere = [&](QPoint other) {
                return other != given && symbol(other) == symbol(given) &&
                       shared(open, other) != std::array<bool, 3>{};
            };
            if (shared(open, given) == only &&
                std::none_of(givens.begin(), givens.end(), repeats_elsewhere)) {
                return {open, given};
            }
        }
    }
    return {QPoint(-1, -1), QPoint(-1, -1)};
}

// Whatever a cell draws, it hands the canvas back with the pen and the font colour it found.
bool PaintingRestoresPenAndFontColour(testing::WindowHarness& game) {
    platform::TDrawGrid& grid = *game.window.sg1;
    const platform::TDrawGrid::DrawCellHandler paint = grid.OnDrawCell;
    const platform::TPen found{platform::clSilver, 5, platform::TPenMode::pmNotXor};
    bool restored = true;
    grid.OnDrawCell = [&](QObject* sender, int col, int row, platform::TRect rect,
                          platform::TGridDrawState state) {
        platform::TCanvas& canvas = grid.Canvas();
        canvas.Pen = found;
        canvas.Font.Color = platform::clMaroon;
        paint(sender, col, row, rect, state);
        restored = restored && canvas.Pen.Color == found.Color && canvas.Pen.Width == found.Width &&
                   canvas.Pen.Mode == found.Mode && canvas.Font.Color == platform::clMaroon;
    };
    game.Grid();
    grid.OnDrawCell = paint;
    return restored;
}

}  // namespace

class GridLookTest : public QObject {
    Q_OBJECT

  private slots:
    void givensAreBlueAndEntriesBlack();
    void givensAreBoldInEveryView();
    void ringOnlyOnTheFocusedCurrentCellWhilePlaying();
    void clashMarksFollowEachRule_data();
    void clashMarksFollowEachRule();
    void boxLinesAfterEveryBoxAndNotAtTheLeftOrTop_data();
    void boxLinesAfterEveryBoxAndNotAtTheLeftOrTop();
};

void GridLookTest::givensAreBlueAndEntriesBlack() {
    testing::WindowHarness game;
    game.Generate(SizeItemOf(3));
    game.Play();
    const QPoint given = game.FindCell([&](int c, int r) { return game.IsGiven(c, r); });
    const QPoint empty = game.FindCell([&](int c, int r) { return !game.IsGiven(c, r); });
    // An entry that clashes with nothing: the cell's solution symbol.
    game.Click(empty.x(), empty.y());
    QTest::keyClick(game.window.sg1, game.window.game().SolutionGrid()[empty.y()][empty.x()]);
    QCOMPARE(game.window.game().PlayGrid()[empty.y()][empty.x()],
             game.window.game().SolutionGrid()[empty.y()][empty.x()]);
    game.window.setFocus();  // no ring in the way

    const QImage image = game.Grid();
    const QRect given_cell = game.Interior(given.x(), given.y());
    const QRect entry_cell = game.Interior(empty.x(), empty.y());
    QVERIFY(CountPixels(image, given_cell, IsBlue) > 0);
    QCOMPARE(CountPixels(image, given_cell, IsBlack), 0);
    QVERIFY(CountPixels(image, entry_cell, IsBlack) > 0);
    QCOMPARE(CountPixels(image, entry_cell, IsBlue), 0);
    // White background up to the cell's edges.
    QVERIFY(IsWhite(image.pixelColor(entry_cell.topLeft() + QPoint(1, 1))));
}

void GridLookTest::givensAreBoldInEveryView() {
    testing::WindowHarness game;
    game.Generate(SizeItemOf(3));
    game.window.ActToggleViewExecute(nullptr);
    QCOMPARE(game.window.game().State(), gsSolution);
    // In the solution view a given and an open cell holding the same symbol differ only in
    // colour and weight.
    const QPoint given = game.FindCell([&](int c, int r) { return game.IsGiven(c, r); });
    const char symbol = game.window.game().SolutionGrid()[given.y()][given.x()];
    const QPoint open = game.FindCell([&](int c, int r) {
        return !game.IsGiven(c, r) && game.window.game().SolutionGrid()[r][c] == symbol;
    });
    QVERIFY(open.x() >= 0);

    const QRect given_cell = game.Interior(given.x(), given.y());
    const QRect open_cell = game.Interior(open.x(), open.y());
    const auto given_is_bolder = [&] {
        const QImage image = game.Grid();
        return CountPixels(image, given_cell, IsBlue) > 0 &&
               CountPixels(image, open_cell, IsBlack) > 0 &&
               testing::Coverage(image, given_cell) > testing::Coverage(image, open_cell) * 11 / 10;
    };
    QVERIFY2(given_is_bolder(), "solution view");
    // In play the same symbol typed into the open cell is the player's: regular.
    game.Key(Qt::Key_F6);
    game.Play();
    game.Click(open.x(), open.y());
    game.Key(symbol);
    game.window.btnPlay->setFocus();  // no ring in the way
    QVERIFY2(given_is_bolder(), "play view");
}

void GridLookTest::ringOnlyOnTheFocusedCurrentCellWhilePlaying() {
    testing::WindowHarness game;
    game.Generate(SizeItemOf(3));
    game.window.sg1->SetFocus();
    const QPoint current(4, 4);
    game.window.sg1->setSelection({current.x(), current.y(), current.x(), current.y()});
    QVERIFY(!HasRing(game.Grid(), game.Cell(4, 4)));  // gsPuzzle

    game.Play();
    game.window.sg1->setSelection({current.x(), current.y(), current.x(), current.y()});
    QVERIFY(game.window.sg1->hasFocus());
    QImage image = game.Grid();
    QVERIFY(HasRing(image, game.Cell(4, 4)));
    QCOMPARE(RingExtent(image, game.Cell(4, 4)), game.Cell(4, 4).adjusted(2, 2, -2, -2));
    for (const QPoint other : {QPoint(0, 0), QPoint(5, 4), QPoint(4, 3), QPoint(8, 8)}) {
        QCOMPARE(CountPixels(image, game.Cell(other.x(), other.y()), IsRed), 0);
    }

    game.window.btnPlay->setFocus();
    QVERIFY(!game.window.sg1->hasFocus());
    QCOMPARE(CountPixels(game.Grid(), game.Cell(4, 4), IsRed), 0);

    game.window.sg1->SetFocus();
    game.window.ActToggleViewExecute(nullptr);
    QCOMPARE(game.window.game().State(), gsPlayingSolution);
    game.window.sg1->SetFocus();
    QCOMPARE(CountPixels(game.Grid(), game.Cell(4, 4), IsRed), 0);
}

void GridLookTest::clashMarksFollowEachRule_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("rule");
    for (const int box : {3, 4, 5}) {
        for (const int rule : {kRow, kColumn, kBox}) {
            QTest::addRow("%dx%d %s", box * box, box * box, kUnitNames[rule]) << box << rule;
        }
    }
}

// An entry that repeats a given only in the row, only in the column or only in the box: both
// cells carry the diagonal while the error view is on, and nothing does once it is off.
void GridLookTest::clashMarksFollowEachRule() {
    QFETCH(int, box);
    QFETCH(int, rule);
    testing::WindowHarness game;
    game.Generate(SizeItemOf(box));
    game.Play();
    game.Key(Qt::Key_F8);
    QVERIFY(game.window.cbxControllo->isChecked());
    const auto [open, given] = CellsSharingOnly(game, rule);
    QVERIFY2(open.x() >= 0, "no pair of cells for this rule");
    const char symbol = game.window.game().GivenGrid()[given.y()][given.x()];
    game.Click(open.x(), open.y());
    game.Key(symbol);
    QCOMPARE(game.window.game().PlayGrid()[open.y()][open.x()], symbol);
    game.window.btnPlay->setFocus();  // the ring would cross the diagonal

    QImage image = game.Grid();
    QVERIFY(HasClashMark(image, game.Cell(open.x(), open.y())));
    QVERIFY(HasClashMark(image, game.Cell(given.x(), given.y())));
    QCOMPARE(CountPixels(image, game.Cell(given.x(), given.y()), IsRed),
             DiagonalPixels(game.Cell(given.x(), given.y())));
    // Only cells holding that symbol can clash: the givens agree with each other.
    for (int row = 0; row < game.Side(); ++row) {
        for (int col = 0; col < game.Side(); ++col) {
            if (CountPixels(image, game.Cell(col, row), IsRed) > 0) {
                QCOMPARE(game.window.game().PlayGrid()[row][col], symbol);
            }
        }
    }
    QVERIFY(PaintingRestoresPenAndFontColour(game));

    game.Key(Qt::Key_F8);
    QVERIFY(!game.window.cbxControllo->isChecked());
    game.window.btnPlay->setFocus();
    image = game.Grid();
    QCOMPARE(CountPixels(image, image.rect(), IsRed), 0);
}

void GridLookTest::boxLinesAfterEveryBoxAndNotAtTheLeftOrTop_data() {
    testing::AddBoxSizeRows();
}

void GridLookTest::boxLinesAfterEveryBoxAndNotAtTheLeftOrTop() {
    QFETCH(int, box);
    testing::WindowHarness game;
    game.Generate(SizeItemOf(box));
    QCOMPARE(game.Side(), box * box);
    const QImage image = game.Grid();

    for (int i = 0; i < game.Side(); ++i) {
        const bool after_box = (i + 1) % box == 0;
        // Last pixel column of column i, at half height of row 0; last pixel row of row i, in
        // the right quarter of column 0 (the symbol ends at the centre).
        const QRect column = game.Cell(i, 0);
        const QRect row = game.Cell(0, i);
        const QColor right = image.pixelColor(column.right(), column.center().y());
        const QColor bottom = image.pixelColor(row.left() + row.width() * 3 / 4, row.bottom());
        QVERIFY2(after_box ? IsBlack(right) : IsWhite(right), qPrintable(QString::number(i)));
        QVERIFY2(after_box ? IsBlack(bottom) : IsWhite(bottom), qPrintable(QString::number(i)));
        // Nothing thick at the grid's left and top edges.
        const QRect left = game.Cell(0, i);
        const QRect top = game.Cell(i, 0);
        QVERIFY(!IsBlack(image.pixelColor(left.left(), left.center().y())));
        QVERIFY(!IsBlack(image.pixelColor(top.left() + top.width() * 3 / 4, top.top())));
    }
}

}  // namespace quintara

QTEST_MAIN(quintara::GridLookTest)
#include "GridLookTest.moc"
