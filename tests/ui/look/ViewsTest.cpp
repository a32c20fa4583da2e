// SPDX-License-Identifier: GPL-3.0-or-later
// What each view paints in the cells, and where a symbol stands in its cell.
#include <QPushButton>
#include <cstdlib>
#include <functional>

#include "LookFixture.h"

namespace quintara {

using enum GameState;

using testing::CountPixels;
using testing::HasRing;
using testing::IsBlack;
using testing::IsBlue;
using testing::IsRed;
using testing::IsWhite;

namespace {

// The first cell painted wrong for its view, empty when none is: givens blue only; in a
// solution view every other cell black only; in the other views an empty cell blank (but for
// the red ring).
QString ViewFault(const testing::WindowHarness& game, const QImage& image, bool solution) {
    for (int row = 0; row < game.Side(); ++row) {
        for (int col = 0; col < game.Side(); ++col) {
            const QRect cell = game.Interior(col, row);
            const int blue = CountPixels(image, cell, IsBlue);
            const int black = CountPixels(image, cell, IsBlack);
            bool right = false;
            if (game.IsGiven(col, row)) {
                right = blue > 0 && black == 0;
            } else if (solution) {
                right = black > 0 && blue == 0;
            } else {
                right = game.window.game().PlayGrid()[row][col] != ' ' ||
                        CountPixels(image, cell,
                                    [](QColor c) { return !IsWhite(c) && !IsRed(c); }) == 0;
            }
            if (!right) {
                return QStringLiteral("cell %1,%2").arg(col).arg(row);
            }
        }
    }
    return {};
}

// The smallest rectangle holding every painted pixel of the area.
QRect InkBounds(const QImage& image, const QRect& area) {
    QRect ink;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!IsWhite(image.pixelColor(x, y))) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    return ink;
}

}  // namespace

class ViewsTest : public QObject {
    Q_OBJECT

  private slots:
    void eachStatePaintsItsOwnGrid_data();
    void eachStatePaintsItsOwnGrid();
    void symbolAsWideAsEightEndsAtTheCentre_data();
    void symbolAsWideAsEightEndsAtTheCentre();
};

void ViewsTest::eachStatePaintsItsOwnGrid_data() {
    testing::AddBoxSizeRows();
}

// The puzzle and the play views paint the player's grid, never a symbol of the solution in an
// empty cell; the solution views, and the view left by a failed new game, paint the solution.
// Only play rings the current cell, no view but play marks clashes, and the font buttons work in
// every state.
void ViewsTest::eachStatePaintsItsOwnGrid() {
    QFETCH(int, box);
    bool broken = false;
    PuzzleSource puzzles = BankPuzzles();
    puzzles.GetPuzzle = [&broken, fetch = puzzles.GetPuzzle](int32_t size, char level,
                                                             int32_t index, std::string& puzzle,
                                                             std::string& solution) {
        const bool found = fetch(size, level, index, puzzle, solution);
        if (broken) {
            puzzle.pop_back();  // a cell short: the engine refuses it
        }
        return found;
    };
    testing::WindowHarness game(puzzles);
    game.Generate(SizeItemOf(box));
    const auto enter_a_clash = [&] {
        game.Key(Qt::Key_F8);
        const QPoint given = game.FindCell([&](int c, int r) { return game.IsGiven(c, r); });
        const QPoint open =
            game.FindCell([&](int c, int r) { return r == given.y() && !game.IsGiven(c, r); });
        game.Click(open.x(), open.y());
        game.Key(game.window.game().GivenGrid()[given.y()][given.x()]);
    };
    const struct {
        const char* view;
        std::function<void()> reach;
        GameState state;
        bool solution;
    } steps[] = {
        {"puzzle", [] {}, gsPuzzle, false},
        {"solution", [&] { game.Key(Qt::Key_F6); }, gsSolution, true},
        {"play", [&] { game.Key(Qt::Key_F5); }, gsPlaying, false},
        {"solution during play, a clash on view",
         [&] {
             enter_a_clash();
             game.Key(Qt::Key_F6);
         },
         gsPlayingSolution, true},
        {"failed new game",
         [&] {
             game.services.answers.push_back(platform::DialogAnswer::Yes);
             game.Key(Qt::Key_F5);
             broken = true;
             game.Key(Qt::Key_F10);
         },
         gsNone, true},
    };
    for (const auto& step : steps) {
        step.reach();
        QCOMPARE(game.window.game().State(), step.state);
        QVERIFY(game.window.sg1->hasFocus());
        const QImage image = game.Grid();
        const QString fault = ViewFault(game, image, step.solution);
        QVERIFY2(fault.isEmpty(), qPrintable(QString::fromLatin1(step.view) + ": " + fault));

        const QRect current = game.Cell(game.window.sg1->Col(), game.window.sg1->Row());
        const int red = CountPixels(image, image.rect(), IsRed);
        if (step.state == gsPlaying) {
            QVERIFY(HasRing(image, current));
            QCOMPARE(red, CountPixels(image, current, IsRed));
        } else {
            QVERIFY2(red == 0, step.view);
        }
        QVERIFY(game.window.btnFontPiu->isEnabled() && game.window.btnFontMeno->isEnabled());
    }
}

void ViewsTest::symbolAsWideAsEightEndsAtTheCentre_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("larger");  // presses of "+"
    QTest::newRow("9x9") << 3 << 0;
    QTest::newRow("9x9 at 16 points") << 3 << 8;
    QTest::newRow("16x16") << 4 << 0;
}

// Every "8" of the solution view, bold given or not, ends at its cell's horizontal centre and
// stands at its vertical centre.
void ViewsTest::symbolAsWideAsEightEndsAtTheCentre() {
    QFETCH(int, box);
    QFETCH(int, larger);
    testing::WindowHarness game;
    game.Generate(SizeItemOf(box));
    for (int i = 0; i < larger; ++i) {
        QTest::mouseClick(game.window.btnFontPiu, Qt::LeftButton);
    }
    QCoreApplication::processEvents();  // the grid takes its new size
    game.Key(Qt::Key_F6);
    const QImage image = game.Grid();
    int eights = 0;
    for (int row = 0; row < game.Side(); ++row) {
        for (int col = 0; col < game.Side(); ++col) {
            if (game.window.game().SolutionGrid()[row][col] != '8') {
                continue;
            }
            ++eights;
            const QRect cell = game.Cell(col, row);
            const QRect ink = InkBounds(image, game.Interior(col, row));
            const int centre = cell.left() + cell.width() / 2;
            const QByteArray where = QByteArray::number(col) + "," + QByteArray::number(row);
            QVERIFY2(ink.right() < centre && ink.right() >= centre - 4, where.constData());
            QVERIFY2(std::abs(ink.top() + ink.bottom() + 1 - 2 * cell.top() - cell.height()) <= 3,
                     where.constData());
        }
    }
    QCOMPARE(eights, game.Side());
}

}  // namespace quintara

QTEST_MAIN(quintara::ViewsTest)
#include "ViewsTest.moc"
