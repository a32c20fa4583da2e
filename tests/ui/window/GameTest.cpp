// SPDX-License-Identifier: GPL-3.0-or-later
// The game controller: hint, quit, erasing entries, completion with a controlled clock, and the
// player's entries by key.
#include <QPaintEvent>
#include <QTimeZone>

#include "bank/PuzzleBank.h"
#include "support/LanguageScope.h"
#include "support/WindowHarness.h"
#include "ui/platform/DigitalClock.h"

using namespace quintara;
using enum GameState;
using quintara::testing::LanguageScope;
using quintara::testing::Repeated;
using quintara::testing::WindowHarness;

namespace {

// The areas a widget is asked to paint.
class PaintedAreas : public QObject {
  public:
    explicit PaintedAreas(QWidget* widget) { widget->installEventFilter(this); }
    QList<QRect> areas;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            areas.append(static_cast<QPaintEvent*>(event)->rect());
        }
        return false;
    }
};

// The bank's puzzle with all its givens but four cells at the corners of a rectangle, two rows
// of one band, that hold a, b and b, a in the solution: the next puzzle if the drawn one has no
// such rectangle.
PuzzleSource TwoWayPuzzle() {
    return {&GetPuzzleCount, [](int32_t box_size, char level, int32_t index, std::string& puzzle,
                                std::string& solution) {
                const int32_t count = GetPuzzleCount(box_size, level);
                const int side = box_size * box_size;
                for (int32_t tried = 0; tried < count; ++tried) {
                    GetPuzzle(box_size, level, (index + tried) % count, puzzle, solution);
                    const auto at = [&](int row, int col) -> char& {
                        return puzzle[std::size_t(row * side + col)];
                    };
                    puzzle = solution;
                    for (int r1 = 0; r1 < side; ++r1) {
                        for (int r2 = r1 + 1; r2 % box_size != 0; ++r2) {
                            for (int c1 = 0; c1 < side; ++c1) {
                                for (int c2 = c1 + 1; c2 < side; ++c2) {
                                    if (at(r1, c1) == at(r2, c2) && at(r1, c2) == at(r2, c1)) {
                                        at(r1, c1) = at(r1, c2) = at(r2, c1) = at(r2, c2) = '?';
                                        return true;
                                    }
                                }
                            }
                        }
                    }
                }
                return false;
            }};
}

// Fills every empty cell but the last with its solution symbol, by key; returns the last one.
QPoint FillAllButOne(WindowHarness& h) {
    TfrmSudoku& w = h.w();
    const int size = w.game().Board()->GetGridSize();
    QPoint last(-1, -1);
    for (int row = 0; row < size; ++row) {
        for (int col = 0; col < size; ++col) {
            if (w.game().GivenGrid()[row][col] != ' ') {
                continue;
            }
            if (last.x() >= 0) {
                h.Select(last.x(), last.y());
                h.Key(w.game().SolutionGrid()[last.y()][last.x()]);
            }
            last = {col, row};
        }
    }
    h.Select(last.x(), last.y());
    return last;
}

}  // namespace

class GameTest : public QObject {
    Q_OBJECT

  private slots:
    void hintOnEveryCellButGivens() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate();
        h.Play();
        const QPoint empty = h.FindCell(false);
        const QPoint given = h.FindCell(true);
        const QChar answer = QChar::fromLatin1(w.game().SolutionGrid()[empty.y()][empty.x()]);
        h.Select(given.x(), given.y());
        h.Key(Qt::Key_F4);
        QVERIFY(h.services.messages.isEmpty());
        h.Select(empty.x(), empty.y());
        h.Key(Qt::Key_F4);
        const LanguageScope italian("IT");
        h.Key(Qt::Key_F4);
        QCOMPARE(h.services.messages,
                 QStringList({QStringLiteral("For this box the best symbol is :") + answer + ": ",
                              QStringLiteral("Per questa casella il miglior simbolo e' :") +
                                  answer + ": "}));
        QCOMPARE(w.game().PlayGrid()[empty.y()][empty.x()], ' ');  // nothing written
        const char wrong = answer == QLatin1Char('1') ? '2' : '1';
        h.Key(wrong);  // a cell holding an entry, right or wrong, gets its hint too
        w.btnHelp->setFocus();
        QTest::keyClick(w.btnHelp, Qt::Key_F4);
        QCOMPARE(h.services.messages.size(), 3);
        QCOMPARE(h.services.messages.last(), h.services.messages[1]);
        QCOMPARE(w.game().PlayGrid()[empty.y()][empty.x()], wrong);
        QVERIFY(w.sg1->hasFocus());
    }

    void quitAsksAndOnlyYesQuits() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate();
        h.Play();
        const QPoint empty = h.FindCell(false);
        h.Select(empty.x(), empty.y());
        h.Key('5');
        const char entry = w.game().PlayGrid()[empty.y()][empty.x()];
        QVERIFY(entry == '5');
        for (auto answer : {platform::DialogAnswer::No, platform::DialogAnswer::Cancel}) {
            h.services.answers.push_back(answer);
            h.Play();
            QCOMPARE(w.game().State(), gsPlaying);
            QCOMPARE(w.game().PlayGrid()[empty.y()][empty.x()], entry);
        }
        h.Key(Qt::Key_F6);
        const LanguageScope italian("IT");
        h.services.answers.push_back(platform::DialogAnswer::Yes);
        h.Play();  // quitting from the solution view of a game
        QCOMPARE(w.game().State(), gsPuzzle);
        QCOMPARE(h.services.questions,
                 QStringList({QStringLiteral("Quit the current game ?"),
                              QStringLiteral("Quit the current game ?"),
                              QStringLiteral("Abbandona il gioco in corso ?")}));
        // Entries erased, givens kept.
        QCOMPARE(w.game().PlayGrid(), w.game().GivenGrid());
        const CharGrid puzzle = w.game().GivenGrid();
        h.services.now = h.services.now.addSecs(500);
        h.Play();  // the same puzzle again, the clock from zero
        QCOMPARE(w.game().GivenGrid(), puzzle);
        QCOMPARE(w.Clock1->text(), QStringLiteral("00:00:00"));
    }

    void entriesByKey() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate(0);
        h.Play();
        const QPoint empty = h.FindCell(false);
        const QPoint given = h.FindCell(true);
        const char given_symbol = w.game().GivenGrid()[given.y()][given.x()];
        auto at = [&w](QPoint p) { return w.game().PlayGrid()[p.y()][p.x()]; };
        h.Select(empty.x(), empty.y());
        QCoreApplication::processEvents();
        const int blank = h.InkOnScreen(empty);  // at most the ring of the current cell
        h.Key('5');
        QCOMPARE(at(empty), '5');
        QVERIFY(h.InkOnScreen(empty) > blank);  // on screen at once, before any event
        h.Key('7');                             // replaces without a question
        QCOMPARE(at(empty), '7');
        h.Key('A');  // no symbol of 9 x 9
        QCOMPARE(at(empty), '7');
        h.Key(Qt::Key_Space);
        QCOMPARE(at(empty), ' ');
        QCOMPARE(h.InkOnScreen(empty), blank);
        h.Key(Qt::Key_3, Qt::KeypadModifier);
        QCOMPARE(at(empty), '3');
        h.Key(Qt::Key_Insert);
        h.Key(Qt::Key_Asterisk, Qt::KeypadModifier);
        QCOMPARE(at(empty), '3');
        h.Select(given.x(), given.y());
        h.Key('5');
        h.Key(Qt::Key_Space);
        QCOMPARE(at(given), given_symbol);
        QVERIFY(h.services.messages.isEmpty());
        QVERIFY(h.services.questions.isEmpty());
    }

    // An entry repaints its own cell and, with the error view on, the cells whose clash mark it
    // changes: never the whole grid.
    void entryRepaintsOnlyTheCellsItChanges() {
        for (const bool error_view : {false, true}) {
            WindowHarness h;
            TfrmSudoku& w = h.w();
            h.Generate(2);
            h.Play();
            w.cbxControllo->setChecked(error_view);
            const QPoint empty = h.FindCell(false);
            h.Select(empty.x(), empty.y());
            QCoreApplication::processEvents();
            PaintedAreas painted(w.sg1);
            h.Key(w.game().SolutionGrid()[empty.y()][empty.x()]);
            QVERIFY(!painted.areas.isEmpty());
            const platform::TRect cell = w.sg1->CellRect(empty.x(), empty.y());
            const QRect own = QRect(QPoint(cell.Left, cell.Top), QPoint(cell.Right, cell.Bottom));
            for (const QRect& area : painted.areas) {
                QVERIFY(area.width() < 3 * own.width() && area.height() < 3 * own.height());
            }
            QVERIFY(painted.areas.first().intersects(own));
        }
    }

    // Keypad digits enter digits and other non-character keys nothing, so no lower-case letter
    // ever reaches the play grid of the lettered sizes.
    void lettersAndKeypadOnLetteredSizes() {
        for (int item : {1, 2}) {
            WindowHarness h;
            TfrmSudoku& w = h.w();
            h.Generate(item);
            h.Play();
            const QPoint empty = h.FindCell(false);
            auto at = [&w, empty] { return w.game().PlayGrid()[empty.y()][empty.x()]; };
            h.Select(empty.x(), empty.y());
            h.Key(Qt::Key_B);
            QCOMPARE(at(), 'B');
            h.Key(Qt::Key_C, Qt::ShiftModifier);
            QCOMPARE(at(), 'C');
            h.Key(Qt::Key_1, Qt::KeypadModifier);
            QCOMPARE(at(), item == 1 ? '1' : 'C');
            for (Qt::Key key : {Qt::Key_Asterisk, Qt::Key_Plus, Qt::Key_Minus, Qt::Key_Slash}) {
                h.Key(key, Qt::KeypadModifier);
            }
            h.Key(Qt::Key_F11);
            h.Key(Qt::Key_F12);
            QCOMPARE(at(), item == 1 ? '1' : 'C');
            h.Key(Qt::Key_Z);
            QCOMPARE(at(), item == 1 ? '1' : 'C');  // Z: a symbol of neither size
        }
    }

    void keysOutsidePlayTellHowToPlay() {
        WindowHarness h;
        LanguageScope language("EN");
        h.Generate();
        h.Key(Qt::Key_Left);
        h.Key('5');
        language.Set("IT");
        h.Key(Qt::Key_Down);
        language.Set("EN");
        h.Play();
        h.Key(Qt::Key_F6);
        h.Key(Qt::Key_Up);
        language.Set("IT");
        h.Key('1');
        const QString start = QStringLiteral("To start playing click [Play] or press [F5] !");
        QCOMPARE(h.services.messages,
                 QStringList(
                     {start, start,
                      QStringLiteral("Per iniziare a giocare clicka su [Gioca] o premi [F5] !"),
                      QStringLiteral("To play click on [View Game] or press [F6] !"),
                      QStringLiteral("Per giocare clicka su [Visualizza gioco] o premi [F6] !")}));
    }

    // AltGr, the Windows keys, a dead key and the keypad 5 without NumLock reach the grid: outside
    // play they tell how to play (AltGr twice: it is two key-downs), in play they enter nothing.
    void keysWithoutCharactersReachTheGrid() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        const auto press_each = [&h] {
            for (const int key : {int(Qt::Key_AltGr), int(Qt::Key_Super_L), int(Qt::Key_Super_R),
                                  int(Qt::Key_Dead_Acute)}) {
                QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
                QApplication::sendEvent(h.w().sg1, &press);
            }
            h.Key(Qt::Key_Clear, Qt::KeypadModifier);
            QCoreApplication::processEvents();
        };
        h.Generate();
        press_each();
        QCOMPARE(h.services.messages,
                 Repeated(QStringLiteral("To start playing click [Play] or press [F5] !"), 6));
        h.services.messages.clear();
        h.Play();
        const QPoint empty = h.FindCell(false);
        h.Select(empty.x(), empty.y());
        press_each();
        QCOMPARE(w.game().PlayGrid()[empty.y()][empty.x()], ' ');
        QVERIFY(h.services.messages.isEmpty());
    }

    void arrowKeysMoveTheCurrentCellWhilePlaying() {
        WindowHarness h;
        h.Generate(0);
        h.Play();
        h.Key(Qt::Key_Right);
        h.Key(Qt::Key_Right);
        h.Key(Qt::Key_Down);
        QCOMPARE(h.w().sg1->Col(), 2);
        QCOMPARE(h.w().sg1->Row(), 1);
        h.Key(Qt::Key_Up);
        h.Key(Qt::Key_Up);  // stops at the edge
        QCOMPARE(h.w().sg1->Row(), 0);
        QVERIFY(h.services.messages.isEmpty());
    }

    void completionReportsTheElapsedTime_data() {
        QTest::addColumn<QDateTime>("start");
        QTest::addColumn<qint64>("elapsed_ms");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("message");
        const QDateTime morning(QDate(2026, 3, 14), QTime(10, 0, 0, 250));
        const QDateTime late(QDate(2026, 3, 14), QTime(23, 59, 30, 0));
        QTest::newRow("1h 2min 3s") << morning << qint64(3723000) << "EN"
                                    << "Congratulations !\r\nYou've successfully completed\r\nthe "
                                       "Sudoku puzzle in:1: hours, :2 min. and 3 seconds.";
        QTest::newRow("2h 0min 5s") << morning << qint64(7205000) << "EN"
                                    << "Congratulations !\r\nYou've successfully completed\r\nthe "
                                       "Sudoku puzzle in:2: hours, :0 min. and 5 seconds.";
        QTest::newRow("past midnight")
            << late << qint64(125000) << "EN"
            << "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku puzzle in:0: "
               "hours, :2 min. and 5 seconds.";
        // Clocks go forward an hour at 02:00 in Rome that night: the message gives the time the
        // player really took, not the difference of the two clock readings.
        const QDateTime before_change(QDate(2026, 3, 29), QTime(1, 30), QTimeZone("Europe/Rome"));
        QTest::newRow("across the change of the clocks")
            << before_change << qint64(3600000) << "EN"
            << "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku puzzle in:1: "
               "hours, :0 min. and 0 seconds.";
        // The clock set back while playing: the time between the two readings, never negative.
        QTest::newRow("clock set back")
            << morning << qint64(-3723000) << "EN"
            << "Congratulations !\r\nYou've successfully completed\r\nthe Sudoku puzzle in:1: "
               "hours, :2 min. and 3 seconds.";
        QTest::newRow("italian") << morning << qint64(3723000) << "IT"
                                 << "Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil "
                                    "Sudoku in:1: ore, :2 min. e 3 secondi.";
    }

    void completionReportsTheElapsedTime() {
        QFETCH(QDateTime, start);
        QFETCH(qint64, elapsed_ms);
        QFETCH(QString, language);
        QFETCH(QString, message);
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.services.now = start;
        h.Generate(0);
        h.Play();
        const QPoint last = FillAllButOne(h);
        QVERIFY(h.services.messages.isEmpty());  // an empty cell left: no congratulation
        h.services.now = start.addMSecs(elapsed_ms);
        const LanguageScope scope(language.toStdString());
        h.Key(w.game().SolutionGrid()[last.y()][last.x()]);
        QCOMPARE(h.services.messages, QStringList(message));
        QCOMPARE(w.game().State(), gsPlaying);  // the game goes on until Quit
    }

    void fullGridWithAClashIsNoWin() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate(0);
        h.Play();
        const QPoint last = FillAllButOne(h);
        const char right = w.game().SolutionGrid()[last.y()][last.x()];
        h.Key(right == '1' ? '2' : '1');
        QVERIFY(h.services.messages.isEmpty());
        h.Key(Qt::Key_Space);
        h.Key(right);
        QCOMPARE(h.services.messages.size(), 1);
        h.Key(right);  // every accepted entry that leaves the grid solved says so again
        QCOMPARE(h.services.messages.size(), 2);
    }

    // Solved by the rules alone: filling a rectangle of four cells the other way round than the
    // solution breaks no rule, and wins.
    void fullGridWinsByTheRulesNotByTheSolution() {
        for (int item : {0, 1, 2}) {
            WindowHarness h(TwoWayPuzzle());
            TfrmSudoku& w = h.w();
            h.Generate(item);
            h.Play();
            QList<QPoint> empty;
            for (int skip = 0; h.FindCell(false, skip).x() >= 0; ++skip) {
                empty.append(h.FindCell(false, skip));
            }
            QCOMPARE(empty.size(), 4);
            for (const QPoint cell : empty) {
                const QPoint mate = empty[empty.indexOf(cell) ^ 1];  // the other one of its row
                QCOMPARE(mate.y(), cell.y());
                h.Select(cell.x(), cell.y());
                h.Key(w.game().SolutionGrid()[cell.y()][mate.x()]);
            }
            QVERIFY(w.game().PlayGrid() != w.game().SolutionGrid());
            QCOMPARE(h.services.messages.size(), 1);
            QVERIFY(h.services.messages[0].startsWith(QStringLiteral("Congratulations !")));
        }
    }
};

QTEST_MAIN(GameTest)
#include "GameTest.moc"
