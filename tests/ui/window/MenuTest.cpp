// SPDX-License-Identifier: GPL-3.0-or-later
// The grid's context menu in each state, its items on the current cell, and the mouse.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>

#include "support/WindowHarness.h"

using namespace quintara;
using enum GameState;
using quintara::testing::LanguageScope;
using quintara::testing::WindowHarness;

namespace {

QAction* Item(WindowHarness& h, const QString& caption) {
    for (QAction* item : h.w().popm1->actions()) {
        if (item->text() == caption) {
            return item;
        }
    }
    return nullptr;
}

QPoint CellCentre(WindowHarness& h, int col, int row) {
    const platform::TRect r = h.grid().CellRect(col, row);
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

// A right click through the window, the way a player's reaches the grid. While a popup opened by
// the click is showing, `on_popup` runs on it (polled: the menu's own loop blocks the click).
// True when a popup opened.
bool RightClick(WindowHarness& h, QPoint grid_pos, const std::function<void(QMenu*)>& on_popup) {
    bool opened = false;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            opened = true;
            poll.stop();
            on_popup(menu);
        } else if (clock.elapsed() > 3000) {
            poll.stop();
        }
    });
    poll.start();
    QWidget* top = h.w().window();
    QTest::mouseClick(top->windowHandle(), Qt::RightButton, {}, h.grid().mapTo(top, grid_pos));
    QTest::qWait(50);
    return opened;
}

}  // namespace

class MenuTest : public QObject {
    Q_OBJECT

  private slots:
    void menuOfEachState() {
        WindowHarness h;
        h.Generate(0);
        QCOMPARE(h.MenuCaptions(),
                 QStringList({"Play [F5]", " Show solution [F6] "}));  // toggle keeps its blanks
        h.Key(Qt::Key_F6);
        QCOMPARE(h.MenuCaptions(), QStringList({"Play [F5]", " Show game [F6] "}));
        h.Play();
        const QStringList symbols = {"1", "2", "3", "4", "5", "6", "7", "8", "9"};
        QCOMPARE(h.MenuCaptions(), QStringList("Delete ") + symbols +
                                       QStringList({"View errors [F8]", "Hint! [F4]",
                                                    "Quit game [F5]", "Show solution [F6]"}));
        h.Key(Qt::Key_F8);
        QCOMPARE(h.MenuCaptions(), QStringList("Delete ") + symbols +
                                       QStringList({"Disable control [F8]", "Hint! [F4]",
                                                    "Quit game [F5]", "Show solution [F6]"}));
        h.Key(Qt::Key_F6);
        QCOMPARE(h.MenuCaptions(), QStringList({"Quit game [F5]", "Show game [F6]"}));
    }

    void symbolItemsFollowTheSize() {
        const char* alphabets[] = {"0123456789ABCDEF", "ABCDEFGHIJKLMNOPQRSTUVWXY"};
        for (int item : {1, 2}) {
            WindowHarness h;
            h.Generate(item);
            h.Play();
            const QList<QAction*> items = h.w().popm1->actions();
            const QString alphabet = QString::fromLatin1(alphabets[item - 1]);
            QCOMPARE(items.size(), 1 + alphabet.size() + 4);
            QCOMPARE(platform::TPopupMenu::Tag(items[0]), 32);
            for (int i = 0; i < alphabet.size(); ++i) {
                QCOMPARE(items[1 + i]->text(), QString(alphabet[i]));
                QCOMPARE(platform::TPopupMenu::Tag(items[1 + i]), alphabet[i].unicode());
            }
        }
    }

    void italianMenus() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        const LanguageScope italian("IT");
        w.ApplyLanguage();
        h.Generate(0);
        QCOMPARE(h.MenuCaptions(), QStringList({"Gioca [F5]", " Mostra soluzione [F6] "}));
        h.Play();
        const QStringList tail = h.MenuCaptions().mid(10);
        QCOMPARE(h.MenuCaptions().first(), QStringLiteral("Cancella "));
        QCOMPARE(tail, QStringList({"Controllo attivo [F8]", "Suggerimento! [F4]",
                                    "Abbandona gioco [F5]", "Mostra soluzione [F6]"}));
        QCOMPARE(w.cxButton1->text(), QStringLiteral("Suggerimento!"));
        h.Key(Qt::Key_F8);
        QCOMPARE(h.MenuCaptions().at(10), QStringLiteral("Disattiva controllo [F8]"));
    }

    void itemsEnterAndDeleteButNotOnGivens() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate(0);
        h.Play();
        const QPoint empty = h.FindCell(false);
        const QPoint given = h.FindCell(true);
        h.Select(empty.x(), empty.y());
        Item(h, "7")->trigger();
        QCOMPARE(w.game().PlayGrid()[empty.y()][empty.x()], '7');
        Item(h, "Delete ")->trigger();
        QCOMPARE(w.game().PlayGrid()[empty.y()][empty.x()], ' ');
        h.Select(given.x(), given.y());
        const char given_symbol = w.game().GivenGrid()[given.y()][given.x()];
        Item(h, "Delete ")->trigger();
        Item(h, given_symbol == '7' ? "8" : "7")->trigger();
        QCOMPARE(w.game().PlayGrid()[given.y()][given.x()], given_symbol);
        QVERIFY(h.services.messages.isEmpty());
    }

    void boundItemsRunTheirCommands() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate(0);
        Item(h, " Show solution [F6] ")->trigger();
        QCOMPARE(w.game().State(), gsSolution);
        Item(h, "Play [F5]")->trigger();
        QCOMPARE(w.game().State(), gsPlaying);
        const QPoint empty = h.FindCell(false);
        h.Select(empty.x(), empty.y());
        Item(h, "Hint! [F4]")->trigger();
        QCOMPARE(h.services.messages.size(), 1);
        h.services.answers.push_back(platform::DialogAnswer::Yes);
        Item(h, "Quit game [F5]")->trigger();
        QCOMPARE(w.game().State(), gsPuzzle);
    }

    void errorViewItemSwitchesTheBox() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate(0);
        h.Play();
        Item(h, "View errors [F8]")->trigger();
        QVERIFY(w.cbxControllo->isChecked());
        Item(h, "Disable control [F8]")->trigger();
        QVERIFY(!w.cbxControllo->isChecked());
        QVERIFY(Item(h, "View errors [F8]") != nullptr);
    }

    void rightClickSelectsTheCellThenOpensTheMenu() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate(0);
        h.Play();
        // An empty cell away from the current one, so that only the click can select it.
        const QPoint first = h.FindCell(false);
        const QPoint empty =
            first == QPoint(w.sg1->Col(), w.sg1->Row()) ? h.FindCell(false, 1) : first;
        QStringList seen;
        const bool opened = RightClick(h, CellCentre(h, empty.x(), empty.y()), [&](QMenu* menu) {
            for (QAction* item : menu->actions()) {
                seen.append(item->text());
            }
            Item(h, "7")->trigger();
            menu->close();
        });
        QVERIFY(opened);
        QCOMPARE(seen.first(), QStringLiteral("Delete "));
        QCOMPARE(w.sg1->Col(), empty.x());
        QCOMPARE(w.sg1->Row(), empty.y());
        QCOMPARE(w.game().PlayGrid()[empty.y()][empty.x()], '7');
    }

    void rightPressOutsideTheCellsKeepsTheSelection() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate(0);
        h.Play();
        h.Select(4, 6);
        const platform::TRect last = h.grid().CellRect(8, 8);
        const QPoint outside(last.Right + 20, last.Bottom + 20);
        int col = 0;
        int row = 0;
        h.grid().MouseToCell(outside.x(), outside.y(), col, row);
        QCOMPARE(col, -1);
        QCOMPARE(row, -1);
        RightClick(h, outside, [](QMenu* menu) { menu->close(); });
        QCOMPARE(w.sg1->Col(), 4);
        QCOMPARE(w.sg1->Row(), 6);
        h.Key('5');  // still a cell of the grid: a key acts on it safely
        QVERIFY(w.game().PlayGrid()[6][4] == '5' || w.game().GivenGrid()[6][4] != ' ');
    }

    void rightClickOutsidePlayOnlyOpensTheMenu() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate(0);
        const bool opened = RightClick(h, CellCentre(h, 3, 3), [](QMenu* menu) { menu->close(); });
        QVERIFY(opened);
        QCOMPARE(w.sg1->Col(), 0);  // the selection moves only while playing
        QCOMPARE(w.sg1->Row(), 0);
    }

    // A symbol item chosen outside play, as one left over from an earlier menu, enters nothing.
    void symbolItemsEnterNothingOutsidePlay() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        QAction item;
        item.setData(int('5'));
        for (const Qt::Key key : {Qt::Key_F10, Qt::Key_F6, Qt::Key_F5, Qt::Key_F6}) {
            h.Key(key);  // puzzle, solution, playing, playing solution
            if (w.game().State() == gsPlaying) {
                continue;
            }
            const CharGrid before = w.game().PlayGrid();
            for (int cell = 0; cell < 3; ++cell) {
                h.Select(h.FindCell(false, cell).x(), h.FindCell(false, cell).y());
                w.N11Click(&item);
            }
            QCOMPARE(w.game().PlayGrid(), before);
        }
    }

    void noMenuWithoutAGame() {
        testing::Supply supply = testing::Supply::Bank;
        WindowHarness h(testing::SwitchableBank(supply));
        TfrmSudoku& w = h.w();
        h.Generate(0);
        supply = testing::Supply::EngineFails;
        h.Generate(0);
        QCOMPARE(w.game().State(), gsNone);
        QCOMPARE(w.sg1->contextMenuPolicy(), Qt::PreventContextMenu);
        const bool opened = RightClick(h, CellCentre(h, 3, 3), [](QMenu* menu) { menu->close(); });
        QVERIFY(!opened);
    }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
