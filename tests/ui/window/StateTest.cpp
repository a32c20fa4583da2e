// SPDX-License-Identifier: GPL-3.0-or-later
// Game states: the controls of each state, the command transitions, the function keys and the
// rules of Generate.
#include <QFrame>
#include <QLabel>
#include <QRadioButton>

#include "support/WindowHarness.h"
#include "ui/platform/DigitalClock.h"

using namespace quintara;
using enum GameState;
using quintara::testing::LanguageScope;
using quintara::testing::WindowHarness;

namespace {

struct Enabling {
    bool generate, print, toggle, play, hint;
};

void CheckEnabling(TfrmSudoku& w, Enabling e) {
    QCOMPARE(w.ActGenera->isEnabled(), e.generate);
    QCOMPARE(w.cbg1->isEnabled(), e.generate);
    QCOMPARE(w.cbgLivello->isEnabled(), e.generate);
    QCOMPARE(w.btnGenera->isEnabled(), e.generate);
    QCOMPARE(w.ActPrint->isEnabled(), e.print);
    QCOMPARE(w.ActToggleView->isEnabled(), e.toggle);
    QCOMPARE(w.btnToggleView->isEnabled(), e.toggle);
    QCOMPARE(w.ActPlay->isEnabled(), e.play);
    QCOMPARE(w.btnPlay->isEnabled(), e.play);
    QCOMPARE(w.ActSuggerisci->isEnabled(), e.hint);
    QVERIFY(w.ActHelp->isEnabled());
    QVERIFY(w.cbxControllo->isEnabled());
}

}  // namespace

class StateTest : public QObject {
    Q_OBJECT

  private slots:
    void startShowsOnlyGenerateSizeAndHelp() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        QCOMPARE(w.game().State(), gsNone);
        QVERIFY(w.sg1->isHidden());
        QVERIFY(w.pnlGameOn->isHidden());
        QVERIFY(w.Clock1->isHidden());
        QVERIFY(w.cbgLivello->isHidden());
        QVERIFY(w.btnPrint->isHidden());
        QVERIFY(!w.popm1->AutoPopup());
        QCOMPARE(w.cbg1->ItemIndex(), 0);
        QCOMPARE(w.cbgLivello->ItemIndex(), 0);
        QVERIFY(!w.cbxControllo->isChecked());
        QVERIFY(!w.cbxHideTimer->isChecked());
        QVERIFY(w.windowTitle().startsWith(QStringLiteral("Quintara Vers.1.3")));
        CheckEnabling(w, {true, false, false, false, false});
        QVERIFY(h.services.messages.isEmpty());

        // The title band is maroon between the name and the version; the size items stand in
        // one row, left to right.
        const QImage band = w.Panel1->grab().toImage();
        QCOMPARE(band.pixelColor(600, 4), QColor(0x80, 0x00, 0x00));
        const QList<QRadioButton*> sizes = w.cbg1->findChildren<QRadioButton*>();
        QCOMPARE(sizes.size(), 3);
        for (int i = 1; i < 3; ++i) {
            QCOMPARE(sizes[i]->y(), sizes[0]->y());
            QVERIFY(sizes[i]->x() >= sizes[i - 1]->x() + sizes[i - 1]->width());
        }
    }

    void commandsMoveThroughTheStates() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate();
        QCOMPARE(w.game().State(), gsPuzzle);
        CheckEnabling(w, {true, true, true, true, false});
        QCOMPARE(w.btnPlay->text(), QStringLiteral(" Play [F5] "));
        QCOMPARE(w.btnToggleView->text(), QStringLiteral(" Show solution [F6] "));
        QVERIFY(w.pnlGameOn->isHidden());
        QVERIFY(w.popm1->AutoPopup());

        h.Key(Qt::Key_F6);
        QCOMPARE(w.game().State(), gsSolution);
        CheckEnabling(w, {true, true, true, true, false});
        QCOMPARE(w.btnPlay->text(), QStringLiteral(" Play [F5] "));
        QCOMPARE(w.btnToggleView->text(), QStringLiteral(" Show game [F6] "));

        h.Play();  // from the solution view too
        QCOMPARE(w.game().State(), gsPlaying);
        CheckEnabling(w, {false, true, true, true, true});
        QCOMPARE(w.btnPlay->text(), QStringLiteral(" Quit game [F5] "));
        QCOMPARE(w.btnToggleView->text(), QStringLiteral(" Show solution [F6] "));
        QVERIFY(!w.pnlGameOn->isHidden());
        QVERIFY(!w.Clock1->isHidden());
        QVERIFY(!w.cbxHideTimer->isChecked());
        QVERIFY(w.sg1->hasFocus());

        for (const bool hidden : {true, false, true, false}) {  // F9 shows it again, and again
            h.Key(Qt::Key_F9);
            QCOMPARE(w.cbxHideTimer->isChecked(), hidden);
            QCOMPARE(w.Clock1->isVisible(), !hidden);
        }
        h.Key(Qt::Key_F9);

        const QDateTime start = w.game().StartTime();
        const int offset_seconds = w.Clock1->TimeOffset.Seconds;
        h.services.now = h.services.now.addSecs(61);
        h.Key(Qt::Key_F6);
        QCOMPARE(w.game().State(), gsPlayingSolution);
        CheckEnabling(w, {false, true, true, true, false});
        QVERIFY(w.pnlGameOn->isHidden());
        QCOMPARE(w.btnPlay->text(), QStringLiteral(" Quit game [F5] "));
        QCOMPARE(w.btnToggleView->text(), QStringLiteral(" Show game [F6] "));

        h.Key(Qt::Key_F6);
        QCOMPARE(w.game().State(), gsPlaying);
        QVERIFY(!w.pnlGameOn->isHidden());
        QVERIFY(!w.cbxHideTimer->isChecked());  // unchecked again on entering play
        QVERIFY(!w.Clock1->isHidden());
        QCOMPARE(w.game().StartTime(), start);  // the views do not touch the clock
        QCOMPARE(w.Clock1->TimeOffset.Seconds, offset_seconds);
        QVERIFY(h.services.messages.isEmpty());
    }

    // Keys that start nothing reach the grid, whose key handler then tells how to play.
    void keysThatStartNothingAtStart() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        for (Qt::Key key : {Qt::Key_F4, Qt::Key_F5, Qt::Key_F6, Qt::Key_F7, Qt::Key_F9,
                            Qt::Key_Minus, Qt::Key_Period, Qt::Key_CapsLock}) {
            h.services.messages.clear();
            h.Key(key);
            QCOMPARE(w.game().State(), gsNone);
            QCOMPARE(h.services.messages,
                     QStringList(QStringLiteral("To start playing click [Play] or press [F5] !")));
        }
        h.services.messages.clear();
        h.Key(Qt::Key_F8);  // flips the hidden error-view box, consumed
        QVERIFY(w.cbxControllo->isChecked());
        QVERIFY(h.services.messages.isEmpty());
        h.Key(Qt::Key_F1);
        QCOMPARE(h.services.shell_calls.size(), 1);
        QVERIFY(h.services.shell_calls[0].address.endsWith(QStringLiteral("-hlp0-EN.html")));
        QVERIFY(h.services.messages.isEmpty());
        h.Generate();
        h.Play();  // the choice made at start takes effect in play
        QVERIFY(w.cbxControllo->isVisible() && w.cbxControllo->isChecked());
        QVERIFY(h.MenuCaptions().contains(QStringLiteral("Disable control [F8]")));
    }

    void modifiedFunctionKeysPassToTheGrid() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate();
        const QString hint = QStringLiteral("To start playing click [Play] or press [F5] !");
        const struct {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        } keys[] = {{Qt::Key_F5, Qt::ShiftModifier},
                    {Qt::Key_F6, Qt::ControlModifier},
                    {Qt::Key_F10, Qt::AltModifier}};
        for (const auto& k : keys) {
            h.services.messages.clear();
            h.Key(k.key, k.modifiers);
            QCOMPARE(w.game().State(), gsPuzzle);
            // The modifier's own key press reaches the grid as well.
            QCOMPARE(h.services.messages, QStringList({hint, hint}));
        }
        h.services.messages.clear();
        h.Key(Qt::Key_F6);  // handled: never reaches the grid
        QCOMPARE(w.game().State(), gsSolution);
        QVERIFY(h.services.messages.isEmpty());
        h.Key(Qt::Key_F4);  // Hint is disabled here: passes on
        QCOMPARE(h.services.messages, QStringList(hint));
    }

    void f7ShowsThePrintNoticeInTheNewsDialog() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate();
        h.Play();
        w.btnHelp->setFocus();  // the notice hands the focus to the grid when it closes
        QTest::keyClick(w.btnHelp, Qt::Key_F7);
        QCOMPARE(h.services.modal_dialogs.size(), 1);
        QCOMPARE(h.services.modal_dialogs[0], static_cast<QDialog*>(&h.news));
        QCOMPARE(h.news.lblMsg->text(), QString::fromUtf8(kPrintNotice));
        QCOMPARE(w.game().State(), gsPlaying);
        QVERIFY(w.sg1->hasFocus());
        QVERIFY(h.services.messages.isEmpty());
    }

    void f1OpensTheHelpPageOfTheState() {
        WindowHarness h;
        h.Generate();
        h.Key(Qt::Key_F1);
        h.Play();
        h.w().btnHelp->setFocus();
        QTest::keyClick(h.w().btnHelp, Qt::Key_F1);
        QCOMPARE(h.services.shell_calls.size(), 2);
        QVERIFY(h.services.shell_calls[0].address.endsWith(QStringLiteral("-hlp1-EN.html")));
        QVERIFY(h.services.shell_calls[1].address.endsWith(QStringLiteral("-hlp2-EN.html")));
        QVERIFY(h.w().sg1->hasFocus());
    }

    void generateLaysOutPerSize() {
        const struct {
            int item, cells, width, height, line;
        } sizes[] = {{0, 9, 44, 34, 3}, {1, 16, 34, 24, 2}, {2, 25, 34, 24, 2}};
        for (const auto& size : sizes) {
            WindowHarness h;
            TfrmSudoku& w = h.w();
            h.Generate(size.item);
            QCOMPARE(w.game().State(), gsPuzzle);
            QCOMPARE(w.game().ActiveBoxSize(), size.item + 3);
            QCOMPARE(w.sg1->RowCount(), size.cells);
            QCOMPARE(w.sg1->ColCount(), size.cells);
            QCOMPARE(w.sg1->DefaultColWidth(), size.width);
            QCOMPARE(w.sg1->DefaultRowHeight(), size.height);
            QCOMPARE(w.sg1->GridLineWidth(), size.line);
            QVERIFY(!w.sg1->isHidden());
            QCOMPARE(w.game().Board()->GetGridSize(), size.cells);
            // Puzzle and play grid agree; the solution is full.
            for (int r = 0; r < size.cells; ++r) {
                for (int c = 0; c < size.cells; ++c) {
                    QCOMPARE(w.game().PlayGrid()[r][c], w.game().GivenGrid()[r][c]);
                    QVERIFY(w.game().SolutionGrid()[r][c] != ' ');
                }
            }
            QVERIFY(h.services.messages.isEmpty());
        }
    }

    void sameSizeReusesBoardAndSelection() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate(1);
        const TsdBoard* board = w.game().Board();
        h.Select(7, 5);
        w.btnFontPiu->click();
        h.Generate(1);
        QCOMPARE(w.game().Board(), board);
        QCOMPARE(w.sg1->Col(), 7);
        QCOMPARE(w.sg1->Row(), 5);
        QCOMPARE(w.sg1->DefaultColWidth(), 35);  // the font step is kept too
        QCOMPARE(w.btnGenera->text(), QStringLiteral("Generate [F10]"));

        h.Generate(0);  // another size: laid out anew from the current font size
        QCOMPARE(w.game().ActiveBoxSize(), 3);
        QCOMPARE(w.game().Board()->GetGridSize(), 9);
        QCOMPARE(w.sg1->Col(), 0);
        QCOMPARE(w.sg1->Row(), 0);
        QCOMPARE(w.sg1->DefaultColWidth(), 45);
        QCOMPARE(w.sg1->DefaultRowHeight(), 35);
    }

    void generateRelabelsItsButtonInItalian() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        const LanguageScope italian("IT");
        w.ApplyLanguage();
        QCOMPARE(w.btnGenera->text(), QStringLiteral("Genera [F10]"));
        h.Generate();
        QCOMPARE(w.ActGenera->text(), QStringLiteral("Rigenera [F10]"));
        QCOMPARE(w.btnGenera->text(), QStringLiteral("Rigenera [F10]"));
    }

    void clockShowsTimeSinceStart() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.services.now = QDateTime(QDate(2026, 3, 14), QTime(21, 47, 13, 600));
        h.Generate();
        h.Play();
        QCOMPARE(w.game().StartTime(), h.services.now);
        QCOMPARE(w.Clock1->TimeOffset.Days, 0);
        QCOMPARE(w.Clock1->TimeOffset.Hours, -21);
        QCOMPARE(w.Clock1->TimeOffset.Minutes, -47);
        QCOMPARE(w.Clock1->TimeOffset.Seconds, -13);
        QCOMPARE(w.Clock1->text(), QStringLiteral("00:00:00"));
        h.services.now = h.services.now.addSecs(3 * 3600 + 25);
        QCOMPARE(w.Clock1->TimeText(), QStringLiteral("03:00:25"));
    }

    void closingDuringPlayAsksNothing() {
        WindowHarness h;
        h.Generate();
        h.Play();
        QVERIFY(h.w().close());
        QVERIFY(!h.w().isVisible());
        QVERIFY(!h.w().game().Board());
        QVERIFY(h.services.questions.isEmpty());
    }

    void errorViewAndHideTimerKeys() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate();
        h.Key(Qt::Key_F9);  // game panel hidden: passes on
        QVERIFY(!w.cbxHideTimer->isChecked());
        QCOMPARE(h.services.messages.size(), 1);
        h.services.messages.clear();
        h.Play();
        h.Key(Qt::Key_F8);
        QVERIFY(w.cbxControllo->isChecked());
        QVERIFY(h.MenuCaptions().contains(QStringLiteral("Disable control [F8]")));
        h.Key(Qt::Key_F8);
        QVERIFY(!w.cbxControllo->isChecked());
        QVERIFY(h.MenuCaptions().contains(QStringLiteral("View errors [F8]")));
        QVERIFY(h.services.messages.isEmpty());
    }
};

QTEST_MAIN(StateTest)
#include "StateTest.moc"
