// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader learns of the real window through Qt's accessibility interfaces: the
// board as a table of named cells in every view, the current cell as the focused child, the
// maker's link and the window itself; and, recorded as Qt hands them to a screen reader, the
// events that make one speak each change where the player stands.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QLabel>

#include "support/WindowHarness.h"
#include "ui/help/Links.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/LinkLabel.h"

using namespace quintara;
using enum GameState;
using quintara::testing::WindowHarness;

namespace {

QAccessibleInterface* Board(WindowHarness& h) {
    return QAccessible::queryAccessibleInterface(h.w().sg1);
}

QString CellName(WindowHarness& h, int row, int col) {
    QAccessibleInterface* cell = Board(h)->tableInterface()->cellAt(row, col);
    return cell != nullptr ? cell->text(QAccessible::Name) : QStringLiteral("<no cell>");
}

QString Place(int row, int col) {
    return QStringLiteral("Row %1, column %2: ").arg(row + 1).arg(col + 1);
}

QString Symbol(char ch) {
    return QString(QChar::fromLatin1(ch));
}

// The first empty cell and, in its row, a given and another empty cell.
struct RowWithGiven {
    QPoint empty;
    QPoint given;
    QPoint other;
};

RowWithGiven FindRowWithGiven(const TfrmSudoku& w) {
    const int size = w.game().ActiveBoxSize() * w.game().ActiveBoxSize();
    for (int row = 0; row < size; ++row) {
        RowWithGiven found{{-1, -1}, {-1, -1}, {-1, -1}};
        for (int col = 0; col < size; ++col) {
            QPoint& slot = w.game().GivenGrid()[row][col] != ' ' ? found.given
                           : found.empty.x() < 0                 ? found.empty
                                                                 : found.other;
            if (slot.x() < 0) {
                slot = {col, row};
            }
        }
        if (found.given.x() >= 0 && found.other.x() >= 0) {
            return found;
        }
    }
    return {};
}

// What a screen reader would be told: focus events, cells' new names and notifications shown,
// each as "kind: name".
QStringList heard;

void Record(QAccessibleEvent* event) {
    QAccessibleInterface* source = event->accessibleInterface();
    const QAccessible::Role role = source->role();
    const QString name = source->text(QAccessible::Name);
    if (event->type() == QAccessible::Focus) {
        heard.append("focus: " + name);
    } else if (event->type() == QAccessible::NameChanged && role == QAccessible::Cell) {
        heard.append("name: " + name);
    } else if (event->type() == QAccessible::ObjectShow && role == QAccessible::Notification) {
        heard.append("notification: " + name);
    }
}

// As when a screen reader starts or stops listening.
void SetReaderListening(bool listening) {
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(listening);
}

// What was heard since the last call, once the queued notices have gone out.
QStringList Heard() {
    QCoreApplication::processEvents();
    return std::exchange(heard, {});
}

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QAccessible::installUpdateHandler(Record);
        SetReaderListening(true);
        QVERIFY(QAccessible::isActive());
    }

    void eachChangeIsSpokenWhereThePlayerStands() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate();
        h.Play();
        const QPoint empty = h.FindCell(false);
        const QPoint given = h.FindCell(true);
        const QString at_empty = Place(empty.y(), empty.x());
        h.Select(empty.x(), empty.y());
        Heard();
        QAccessibleInterface* before = Board(h)->focusChild();
        const char right = w.game().SolutionGrid()[empty.y()][empty.x()];
        h.Key(right);
        // Focused afresh: a new object, which a screen reader speaks where it passes over a name.
        QCOMPARE(Heard(), QStringList({"name: " + at_empty + Symbol(right),
                                       "focus: " + at_empty + Symbol(right)}));
        QVERIFY(Board(h)->focusChild() != before);
        QVERIFY(!before->isValid());
        h.Key(' ');
        QCOMPARE(Heard(),
                 QStringList({"name: " + at_empty + "empty", "focus: " + at_empty + "empty"}));
        h.Select(given.x(), given.y());
        Heard();
        h.Key(right == '1' ? '2' : '1');
        const char shown = w.game().GivenGrid()[given.y()][given.x()];
        QCOMPARE(Heard(),
                 QStringList{"focus: " + Place(given.y(), given.x()) + Symbol(shown) + ", given"});

        // Commands are told without moving the focus.
        h.services.answers = {platform::DialogAnswer::Yes};
        const QList<std::pair<Qt::Key, QString>> commands = {
            {Qt::Key_F8, "Error view on"},
            {Qt::Key_F8, "Error view off"},
            {Qt::Key_F9, "Clock hidden"},
            {Qt::Key_F9, "Clock shown"},
            {Qt::Key_F6, "Solution shown"},
            {Qt::Key_F6, "Game shown"},
            {Qt::Key_F5, "Game quit, entries erased"},
            {Qt::Key_F10, "New puzzle, 9 by 9"},
            {Qt::Key_F5, "Playing, clock started"}};
        for (const auto& [key, text] : commands) {
            h.Key(key);
            QCOMPARE(Heard(), QStringList{"notification: " + text});
            QVERIFY(w.sg1->hasFocus());
        }
    }

    void currentCellIsFocusedLastWhenTheGridTakesTheFocusBack() {
        WindowHarness h;
        h.Generate(2);
        h.Play();
        h.Key(Qt::Key_Right);
        Heard();
        h.w().btnPlay->setFocus();
        Heard();
        h.w().sg1->setFocus(Qt::ActiveWindowFocusReason);
        const QStringList heard_now = Heard();
        QCOMPARE(heard_now.size(), 2);
        QCOMPARE(heard_now.first(), QStringLiteral("focus: Board"));
        QVERIFY(heard_now.last().startsWith("focus: Row 1, column 2: "));
    }

    void modifiersAloneDoNotNagWhileAReaderListens() {
        WindowHarness h;
        h.Generate();
        for (const Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_Meta,
                                  Qt::Key_Super_L, Qt::Key_Insert, Qt::Key_CapsLock}) {
            h.Key(key);
        }
        QCOMPARE(h.services.messages, QStringList());
        SetReaderListening(false);
        h.Key(Qt::Key_Shift);
        SetReaderListening(true);
        QCOMPARE(h.services.messages.size(), 1);
    }

    void clockIsReachedByTabAndNamedByItsTime() {
        WindowHarness h;
        h.Generate();
        h.Play();
        platform::TDigitalClock* clock = h.w().Clock1;
        for (int tabs = 0; tabs < 40 && !clock->hasFocus(); ++tabs) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(clock->hasFocus());
        QCOMPARE(QAccessible::queryAccessibleInterface(clock)->text(QAccessible::Name),
                 "Clock " + clock->TimeText());
    }

    void boardIsATableOfNamedCellsInEverySize() {
        WindowHarness h;
        for (int item = 0; item < 3; ++item) {
            h.Generate(item);
            const TfrmSudoku& w = h.w();
            const int size = w.game().ActiveBoxSize() * w.game().ActiveBoxSize();
            QAccessibleInterface* board = Board(h);
            QCOMPARE(board->role(), QAccessible::Table);
            QCOMPARE(board->text(QAccessible::Name), QStringLiteral("Board"));
            QCOMPARE(board->tableInterface()->rowCount(), size);
            QCOMPARE(board->tableInterface()->columnCount(), size);
            QCOMPARE(board->childCount(), size * size);
            for (int row = 0; row < size; ++row) {
                for (int col = 0; col < size; ++col) {
                    const char given = w.game().GivenGrid()[row][col];
                    const QString expected =
                        given == ' ' ? QStringLiteral("empty") : Symbol(given) + ", given";
                    QCOMPARE(CellName(h, row, col), Place(row, col) + expected);
                    QAccessibleInterface* cell = board->child(row * size + col);
                    QCOMPARE(cell, board->tableInterface()->cellAt(row, col));
                    QCOMPARE(cell->role(), QAccessible::Cell);
                    QCOMPARE(cell->parent(), board);
                    QCOMPARE(board->indexOfChild(cell), row * size + col);
                    QCOMPARE(cell->tableCellInterface()->rowIndex(), row);
                    QCOMPARE(cell->tableCellInterface()->columnIndex(), col);
                }
            }
            QCOMPARE(board->child(size * size), nullptr);
        }
    }

    void namesTellEntriesGivensSolutionAndClashesApart() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate();
        h.Play();
        const RowWithGiven row = FindRowWithGiven(w);
        QVERIFY(row.other.x() >= 0);
        const char right = w.game().SolutionGrid()[row.empty.y()][row.empty.x()];
        const char given = w.game().GivenGrid()[row.given.y()][row.given.x()];
        const QString given_name = Place(row.given.y(), row.given.x()) + Symbol(given) + ", given";
        const auto name_of = [&h](QPoint cell) { return CellName(h, cell.y(), cell.x()); };

        h.Select(row.empty.x(), row.empty.y());
        h.Key(right);
        QCOMPARE(name_of(row.empty), Place(row.empty.y(), row.empty.x()) + Symbol(right));

        // The solution view names its own symbols apart from the givens.
        h.Key(Qt::Key_F6);
        QCOMPARE(name_of(row.empty),
                 Place(row.empty.y(), row.empty.x()) + Symbol(right) + ", solution");
        const char hidden = w.game().SolutionGrid()[row.other.y()][row.other.x()];
        QCOMPARE(name_of(row.other),
                 Place(row.other.y(), row.other.x()) + Symbol(hidden) + ", solution");
        QCOMPARE(name_of(row.given), given_name);
        h.Key(Qt::Key_F6);

        // A clash is told only while the error view is on, on the entry and the given alike.
        h.Select(row.other.x(), row.other.y());
        h.Key(given);
        const QString entry_name = Place(row.other.y(), row.other.x()) + Symbol(given);
        QCOMPARE(name_of(row.other), entry_name);
        h.Key(Qt::Key_F8);
        QCOMPARE(name_of(row.other), entry_name + ", clashes");
        QCOMPARE(name_of(row.given), given_name + ", clashes");
        QCOMPARE(name_of(row.empty), Place(row.empty.y(), row.empty.x()) + Symbol(right));
        h.Key(Qt::Key_F8);
        QCOMPARE(name_of(row.other), entry_name);
        QCOMPARE(name_of(row.given), given_name);

        h.Key(' ');
        QCOMPARE(name_of(row.other), Place(row.other.y(), row.other.x()) + "empty");
    }

    void currentCellIsTheFocusedChild() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        h.Generate();
        h.Play();
        QAccessibleInterface* board = Board(h);
        QCOMPARE(board->focusChild(), board->tableInterface()->cellAt(0, 0));
        h.Key(Qt::Key_Right);
        h.Key(Qt::Key_Right);
        h.Key(Qt::Key_Down);
        QAccessibleInterface* current = board->tableInterface()->cellAt(1, 2);
        QCOMPARE(board->focusChild(), current);
        QVERIFY(board->focusChild()->text(QAccessible::Name).startsWith("Row 2, column 3: "));
        QVERIFY(current->state().focused);
        QVERIFY(current->state().selected);
        QVERIFY(current->tableCellInterface()->isSelected());
        QVERIFY(!board->tableInterface()->cellAt(0, 0)->state().focused);
        QCOMPARE(board->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{current});

        // Away from the grid the cell stays the selected one, without the focus.
        w.btnPlay->setFocus();
        QCOMPARE(board->focusChild(), nullptr);
        QVERIFY(!current->state().focused);
        QVERIFY(current->state().selected);
    }

    void cellsFollowTheGridSize() {
        WindowHarness h;
        h.Generate(1);
        QAccessibleInterface* corner = Board(h)->tableInterface()->cellAt(15, 15);
        QAccessibleInterface* first = Board(h)->tableInterface()->cellAt(0, 0);
        QVERIFY(corner->isValid());
        h.Generate(0);
        QVERIFY(!corner->isValid());
        QCOMPARE(corner->text(QAccessible::Name), QString());
        QVERIFY(first->isValid());
        QCOMPARE(Board(h)->childCount(), 81);
        QCOMPARE(Board(h)->tableInterface()->cellAt(9, 0), nullptr);
        // A point of the screen finds its cell, as a screen reader's mouse review does.
        QAccessibleInterface* cell = Board(h)->tableInterface()->cellAt(4, 7);
        QCOMPARE(Board(h)->childAt(cell->rect().center().x(), cell->rect().center().y()), cell);
    }

    void windowIsANamedWindow() {
        WindowHarness h;
        QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&h.w());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), h.w().windowTitle());
        QVERIFY(window->text(QAccessible::Name).startsWith("Quintara Vers.1.3"));
    }

    void makersLinkIsReachedByTabAndOpenedByKeys() {
        WindowHarness h;
        platform::TLinkLabel* link = h.w().cxHyperLinkEdit2;
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(link);
        QCOMPARE(node->role(), QAccessible::Link);
        QCOMPARE(node->text(QAccessible::Name), QStringLiteral("About Quintara"));

        h.w().btnHelp->setFocus();
        for (int tabs = 0; tabs < 40 && !link->hasFocus(); ++tabs) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QVERIFY(link->hasFocus());
        QTest::keyClick(link, Qt::Key_Return);
        QTest::keyClick(link, Qt::Key_Space);
        node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(h.services.shell_calls.size(), 3);
        for (const auto& call : h.services.shell_calls) {
            QCOMPARE(call.verb, QStringLiteral("open"));
            QCOMPARE(call.address, links::MakerAddress());
        }
        // A click on the text opens it too, and leaves no focus frame behind.
        h.w().btnHelp->setFocus();
        QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(8, link->height() / 2));
        QCOMPARE(h.services.shell_calls.size(), 4);
        QVERIFY(!link->hasFocus());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
