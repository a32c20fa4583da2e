// SPDX-License-Identifier: GPL-3.0-or-later
// Every command from every game state, checked against the state table written out below: the
// state it leads to, what else the player gets (a message, a question, a dialog, a help page, or
// the key going on to the grid), and the controls, captions, menu and grid view of the state it
// leaves on screen. Then no command while a box is open, and the focus each command hands back
// to the grid.
#include <QTimer>
#include <algorithm>
#include <functional>

#include "support/StateRules.h"
#include "support/WindowHarness.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/QtServices.h"

using namespace quintara;
using enum GameState;
using platform::DialogAnswer;
using quintara::testing::Repeated;
using quintara::testing::Supply;
using quintara::testing::SwitchableBank;
using quintara::testing::WindowHarness;
using namespace quintara::testing;

namespace {

// Where a case starts: the five states, and gsNone once more after a generation that failed its
// solution check, with the last game's grid still on display.
enum Start { kNoneAtStart, kNoneAfterFailure, kPuzzle, kSolution, kPlaying, kPlayingSolution };
const char* const kStartNames[] = {"gsNone at start", "gsNone after a failure",
                                   "gsPuzzle",        "gsSolution",
                                   "gsPlaying",       "gsPlayingSolution"};

// The table's columns: gsNone, gsPuzzle, gsSolution, gsPlaying, gsPlayingSolution.
constexpr int Column(Start start) {
    return start <= kNoneAfterFailure ? 0 : start - 1;
}

// Each command of the state table as the player gives it.
struct Key {
    const char* name;
    Qt::Key key;
    Command command;
    Supply supply = Supply::Bank;
    DialogAnswer answer = DialogAnswer::Yes;  // to the quit question, when it is asked
};

using enum Supply;
const Key kKeys[] = {
    {"F1 help", Qt::Key_F1, Command::Help},
    {"F4 hint", Qt::Key_F4, Command::Hint},
    {"F5 answered Yes", Qt::Key_F5, Command::PlayAnsweredYes},
    {"F5 answered No", Qt::Key_F5, Command::PlayAnsweredNo, Supply::Bank, DialogAnswer::No},
    {"F6 view", Qt::Key_F6, Command::Toggle},
    {"F7 print", Qt::Key_F7, Command::Print},
    {"F8 error view", Qt::Key_F8, Command::ErrorView},
    {"F9 hide timer", Qt::Key_F9, Command::HideTimer},
    {"F10 generate", Qt::Key_F10, Command::Generate},
    {"F10, engine error", Qt::Key_F10, Command::GenerateEngineFails, EngineFails},
    {"F10, bad solution", Qt::Key_F10, Command::GenerateSolutionClashes, SolutionClashes},
    {"F10, fetch fails", Qt::Key_F10, Command::GenerateFetchFails, FetchFails},
};

// The messages a command brings from a column: the grid's reply to a key passed on, the hint,
// or each failed attempt's message and the final one.
QStringList MessagesOf(const Key& command, int column, int cells, QChar hint) {
    if (After(command.command, column) == kPass) {
        if (column == 3) {
            return {};
        }
        return {column == 4 ? "To play click on [View Game] or press [F6] !"
                            : "To start playing click [Play] or press [F5] !"};
    }
    const QString retries = QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES");
    switch (command.supply) {
        case Supply::EngineFails:
            return Repeated(QStringLiteral("Generator Puzzle dimension expected:%1 received:%2")
                                .arg(cells)
                                .arg(cells - 1),
                            11) +
                   QStringList(retries);
        case Supply::FetchFails:
            return Repeated(QStringLiteral("ENGINE ERROR: 002"), 11) + QStringList(retries);
        case Supply::SolutionClashes:
            return {retries};
        default:
            break;
    }
    if (command.key == Qt::Key_F4) {
        return {QStringLiteral("For this box the best symbol is :") + hint + ": "};
    }
    return {};
}

// Brings a fresh window to `start`, with the first empty cell selected and the layout settled.
void Reach(WindowHarness& h, Supply& supply, Start start, int size_item) {
    if (start != kNoneAtStart) {
        h.Generate(size_item);
    }
    if (start == kNoneAfterFailure) {
        supply = Supply::SolutionClashes;
        h.Key(Qt::Key_F10);
        supply = Supply::Bank;
    }
    if (start == kPlaying || start == kPlayingSolution) {
        h.Play();
    }
    if (start == kSolution || start == kPlayingSolution) {
        h.Key(Qt::Key_F6);
    }
    QCoreApplication::processEvents();
    const QPoint empty = h.FindCell(false);
    h.Select(empty.x(), empty.y());
    h.services.messages.clear();
}

// Opens a real modal box, as the game does, and while it is open presses every function key
// where the player's keys could go: at the box, which has the focus, and at the game's window.
// Boxes the window opens meanwhile are only recorded.
class KeysUnderABox {
  public:
    explicit KeysUnderABox(WindowHarness& h) : h_(h) {
        h.services.while_box_open = [this] {
            Open([] { platform::QtServices().ShowMessage({}); });
        };
        h.services.on_modal = [this](QDialog& dialog) {
            Open([&dialog] { platform::QtServices().ShowModal(dialog); });
            return int{QDialog::Rejected};
        };
    }
    int opened = 0;

  private:
    void Open(const std::function<void()>& show) {
        if (open_) {
            return;
        }
        open_ = true;
        QTimer::singleShot(0, [this] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                ++opened;
                for (int key = Qt::Key_F1; key <= Qt::Key_F10; ++key) {
                    QTest::keyClick(box->windowHandle(), Qt::Key(key));
                    QTest::keyClick(h_.w().windowHandle(), Qt::Key(key));
                }
                box->close();
            }
        });
        show();
        open_ = false;
    }

    WindowHarness& h_;
    bool open_ = false;
};

}  // namespace

class TransitionTest : public QObject {
    Q_OBJECT

  private slots:
    void everyCommandFromEveryState_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("size_item");
        int row = 0;
        for (int start = kNoneAtStart; start <= kPlayingSolution; ++start) {
            for (int command = 0; command < int(std::size(kKeys)); ++command, ++row) {
                const int size_item = row % 3;  // the sizes take turns
                QTest::addRow("%s from %s, %dx%d", kKeys[command].name, kStartNames[start],
                              size_item + 3, size_item + 3)
                    << start << command << size_item;
            }
        }
    }

    void everyCommandFromEveryState() {
        QFETCH(int, start);
        QFETCH(int, command);
        QFETCH(int, size_item);
        Supply supply = Supply::Bank;
        WindowHarness h(SwitchableBank(supply));
        TfrmSudoku& w = h.w();
        Reach(h, supply, Start(start), size_item);
        const Key& c = kKeys[command];
        const int from = Column(Start(start));
        const int to = After(c.command, from) == kPass ? from : After(c.command, from);
        const QString play_before = w.btnPlay->text();
        const QString toggle_before = w.btnToggleView->text();
        const bool error_view = w.cbxControllo->isChecked() != (c.key == Qt::Key_F8);
        const bool timer_hidden = c.key == Qt::Key_F9 && from == 3;
        const bool game_on_display =
            start != kNoneAtStart || (c.key == Qt::Key_F10 && c.supply == Supply::Bank);
        const int side = (size_item + 3) * (size_item + 3);
        const QChar hint = QChar::fromLatin1(w.game().SolutionGrid()[w.sg1->Row()][w.sg1->Col()]);

        supply = c.supply;
        h.services.answers.push_back(c.answer);
        h.Key(c.key);

        QCOMPARE(w.game().State(), kStates[to]);
        QCOMPARE(h.services.messages, MessagesOf(c, from, side * side, hint));
        const bool asks = c.key == Qt::Key_F5 && from >= 3;
        QCOMPARE(h.services.questions.size(), asks ? 1 : 0);
        const bool prints = c.key == Qt::Key_F7 && After(c.command, from) != kPass;
        QCOMPARE(h.services.modal_dialogs.size(), prints ? 1 : 0);
        QCOMPARE(h.services.shell_calls.size(), c.key == Qt::Key_F1 ? 1 : 0);

        const View& v = kViews[to];
        QCOMPARE(w.btnGenera->isEnabled(), v.generate);
        QCOMPARE(w.cbg1->isEnabled(), v.generate);
        QCOMPARE(w.btnPlay->isEnabled(), v.play);
        QCOMPARE(w.btnToggleView->isEnabled(), v.toggle);
        QCOMPARE(w.ActPrint->isEnabled(), to != 0);
        QVERIFY(w.btnPrint->isHidden());
        QCOMPARE(w.pnlGameOn->isVisible(), v.game_panel);
        QCOMPARE(w.cxButton1->isVisible() && w.cxButton1->isEnabled(), v.hint);
        QCOMPARE(w.Clock1->isVisible(), v.game_panel && !timer_hidden);
        QCOMPARE(w.cbxHideTimer->isChecked(), timer_hidden);
        QCOMPARE(w.cbxControllo->isChecked(), error_view);
        QCOMPARE(w.btnPlay->text(), v.play_text ? QString(v.play_text) : play_before);
        QCOMPARE(w.btnToggleView->text(), v.toggle_text ? QString(v.toggle_text) : toggle_before);
        QCOMPARE(w.popm1->AutoPopup(), to != 0);
        if (to != 0) {
            const QString symbols = QString::fromStdString(std::string(SymbolsOf(size_item + 3)));
            QCOMPARE(h.MenuCaptions(), MenuOf(to, symbols, error_view));
        }
        QCOMPARE(w.sg1->isVisible(), start != kNoneAtStart || c.key == Qt::Key_F10);
        if (game_on_display) {
            // An empty cell away from the current one: blank, or the solution's symbol.
            const QPoint empty = h.FindCell(false, 1);
            const platform::TRect r = w.sg1->CellRect(empty.x(), empty.y());
            QVERIFY(w.sg1->visibleRegion().contains(
                QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top)));
            QCOMPARE(h.InkOnScreen(empty) > 0, v.solution_shown);
        }
    }

    // A message box, the quit question and the news dialog are modal: the game behind them takes
    // no key, so no function key pressed meanwhile starts anything.
    void functionKeysDoNothingWhileABoxIsOpen() {
        const struct {
            const char* name;
            bool playing;
            Qt::Key opener;  // the key that opens the box
            int messages, questions, dialogs;
        } cases[] = {
            {"the grid's reply", false, Qt::Key_5, 1, 0, 0},
            {"the hint", true, Qt::Key_F4, 1, 0, 0},
            {"the quit question", true, Qt::Key_F5, 0, 1, 0},
            {"the print notice in play", true, Qt::Key_F7, 0, 0, 1},
            {"the print notice", false, Qt::Key_F7, 0, 0, 1},
        };
        for (const auto& c : cases) {
            WindowHarness h;
            TfrmSudoku& w = h.w();
            h.Generate();
            if (c.playing) {
                h.Play();
            }
            const QPoint empty = h.FindCell(false);
            h.Select(empty.x(), empty.y());
            const GameState state = w.game().State();
            const CharGrid puzzle = w.game().GivenGrid();
            h.services.answers.push_back(platform::DialogAnswer::No);
            KeysUnderABox keys(h);
            h.Key(c.opener);
            QVERIFY2(keys.opened == 1, c.name);
            QCOMPARE(w.game().State(), state);
            QCOMPARE(w.game().GivenGrid(), puzzle);
            QCOMPARE(w.cbxControllo->isChecked(), false);
            QCOMPARE(h.services.messages.size(), c.messages);
            QCOMPARE(h.services.questions.size(), c.questions);
            QCOMPARE(h.services.modal_dialogs.size(), c.dialogs);
            QVERIFY(h.services.shell_calls.isEmpty());
        }
    }

    // A command given with the mouse, or by its key while another control has the focus, hands
    // the focus back to the grid.
    void commandsHandTheFocusBackToTheGrid() {
        const auto click = [](QWidget* control) { QTest::mouseClick(control, Qt::LeftButton); };
        struct Case {
            const char* name;
            Start start;
            bool on_given;
            DialogAnswer answer;
            std::function<void(TfrmSudoku&)> act;
        };
        const Case cases[] = {
            {"Generate", kNoneAtStart, false, DialogAnswer::Yes,
             [&](TfrmSudoku& w) { click(w.btnGenera); }},
            {"Play", kPuzzle, false, DialogAnswer::Yes, [&](TfrmSudoku& w) { click(w.btnPlay); }},
            {"Quit answered No", kPlaying, false, DialogAnswer::No,
             [&](TfrmSudoku& w) { click(w.btnPlay); }},
            {"Quit answered Cancel", kPlayingSolution, false, DialogAnswer::Cancel,
             [&](TfrmSudoku& w) { click(w.btnPlay); }},
            {"Show game", kPlayingSolution, false, DialogAnswer::Yes,
             [&](TfrmSudoku& w) { click(w.btnToggleView); }},
            {"Hint on an empty cell", kPlaying, false, DialogAnswer::Yes,
             [&](TfrmSudoku& w) { click(w.cxButton1); }},
            {"Hint on a given", kPlaying, true, DialogAnswer::Yes,
             [&](TfrmSudoku& w) { click(w.cxButton1); }},
            {"error-view box", kPlaying, false, DialogAnswer::Yes,
             [&](TfrmSudoku& w) { click(w.cbxControllo); }},
            {"hide-timer box", kPlaying, false, DialogAnswer::Yes,
             [&](TfrmSudoku& w) { click(w.cbxHideTimer); }},
            {"F8 error view", kPuzzle, false, DialogAnswer::Yes,
             [](TfrmSudoku& w) { QTest::keyClick(w.btnHelp, Qt::Key_F8); }},
        };
        for (const Case& c : cases) {
            Supply supply = Supply::Bank;
            WindowHarness h(SwitchableBank(supply));
            TfrmSudoku& w = h.w();
            Reach(h, supply, c.start, 0);
            if (c.on_given) {
                const QPoint given = h.FindCell(true);
                h.Select(given.x(), given.y());
            }
            h.services.answers.push_back(c.answer);
            w.btnHelp->setFocus();
            QVERIFY(!w.sg1->hasFocus());
            c.act(w);
            QVERIFY2(w.sg1->hasFocus(), c.name);
        }
    }
};

QTEST_MAIN(TransitionTest)
#include "TransitionTest.moc"
