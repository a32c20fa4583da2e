// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "LookFixture.h"
#include "ui/platform/LinkLabel.h"
#include "ui/resources/Resources.h"

namespace quintara {

using enum GameState;

namespace {

QSize CellSize(const testing::WindowHarness& game) {
    return {game.window.sg1->DefaultColWidth(), game.window.sg1->DefaultRowHeight()};
}

void Press(QPushButton* button, int times) {
    for (int i = 0; i < times; ++i) {
        QTest::mouseClick(button, Qt::LeftButton);
    }
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void gridIsLaidOutForEachSize_data();
    void gridIsLaidOutForEachSize();
    void fontButtonsStepCellsByOnePixelBetween8And16Points();
    void fontSizeCarriesIntoLaterLayouts();
    void gridPanelFillsItsPlaceAfterEverySizeChange_data();
    void gridPanelFillsItsPlaceAfterEverySizeChange();
    void smallestWindowCutsNoControl_data();
    void smallestWindowCutsNoControl();
    void windowIconComesInEveryBuiltSizeAndScales();
};

void LayoutTest::gridIsLaidOutForEachSize_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<QSize>("cell");
    QTest::addColumn<int>("line");
    QTest::newRow("9x9") << 3 << QSize(44, 34) << 3;
    QTest::newRow("16x16") << 4 << QSize(34, 24) << 2;
    QTest::newRow("25x25") << 5 << QSize(34, 24) << 2;
}

void LayoutTest::gridIsLaidOutForEachSize() {
    QFETCH(int, box);
    QFETCH(QSize, cell);
    QFETCH(int, line);
    testing::WindowHarness game;
    game.Generate(SizeItemOf(box));

    const platform::TDrawGrid& grid = *game.window.sg1;
    QVERIFY(grid.isVisible());
    QCOMPARE(grid.FontSize(), 8);
    QCOMPARE(grid.RowCount(), box * box);
    QCOMPARE(grid.ColCount(), box * box);
    QCOMPARE(CellSize(game), cell);
    QCOMPARE(grid.GridLineWidth(), line);
    QCOMPARE(grid.Selection().Left, 0);
    QCOMPARE(grid.Selection().Top, 0);

    // The painted cells: white across the cell, then the separator of the grid's line width.
    const QImage image = game.Grid();
    const QRect first = game.Cell(0, 0);
    QCOMPARE(first.size(), cell);
    QCOMPARE(game.Cell(1, 0).left() - first.left(), cell.width() + line);
    QCOMPARE(game.Cell(0, 1).top() - first.top(), cell.height() + line);
    QVERIFY(testing::IsWhite(image.pixelColor(first.right(), first.top() + 1)));
    QVERIFY(!testing::IsWhite(image.pixelColor(first.right() + 1, first.top() + 1)));
}

void LayoutTest::fontButtonsStepCellsByOnePixelBetween8And16Points() {
    testing::WindowHarness game;
    game.Generate(SizeItemOf(3));
    const QSize window = game.window.size();
    QPushButton* plus = game.window.btnFontPiu;
    QPushButton* minus = game.window.btnFontMeno;
    const QPoint given = game.FindCell([&](int c, int r) { return game.IsGiven(c, r); });
    const auto ink = [&] {
        return testing::Coverage(game.Grid(), game.Interior(given.x(), given.y()));
    };

    Press(minus, 1);
    QCOMPARE(game.window.sg1->FontSize(), 8);
    QCOMPARE(CellSize(game), QSize(44, 34));
    const int small_ink = ink();

    Press(plus, 8);
    QCOMPARE(game.window.sg1->FontSize(), 16);
    QCOMPARE(CellSize(game), QSize(52, 42));
    QVERIFY2(ink() > small_ink * 3 / 2, "the symbols are not drawn larger");
    Press(plus, 1);
    QCOMPARE(game.window.sg1->FontSize(), 16);
    QCOMPARE(CellSize(game), QSize(52, 42));
    QCOMPARE(game.Cell(0, 0).size(), QSize(52, 42));

    Press(minus, 3);
    QCOMPARE(game.window.sg1->FontSize(), 13);
    QCOMPARE(CellSize(game), QSize(49, 39));
    // The steps leave the window, the thin lines and the box lines alone.
    QCOMPARE(game.window.size(), window);
    QCOMPARE(game.window.sg1->GridLineWidth(), 3);
}

void LayoutTest::fontSizeCarriesIntoLaterLayouts() {
    testing::WindowHarness game;
    game.Generate(SizeItemOf(3));
    Press(game.window.btnFontPiu, 4);
    QCOMPARE(CellSize(game), QSize(48, 38));

    game.Generate(SizeItemOf(4));
    QCOMPARE(game.window.sg1->FontSize(), 12);
    QCOMPARE(CellSize(game), QSize(38, 28));
    game.Generate(SizeItemOf(5));
    QCOMPARE(CellSize(game), QSize(38, 28));
    game.Generate(SizeItemOf(3));
    QCOMPARE(CellSize(game), QSize(48, 38));
}

void LayoutTest::gridPanelFillsItsPlaceAfterEverySizeChange_data() {
    QTest::addColumn<bool>("maximized");
    QTest::newRow("restored") << false;
    QTest::newRow("maximized") << true;
}

// The panel of the grid takes all the room between the bands and the right column, whatever
// size the last game asked the window for; a restored window takes the size's own size.
void LayoutTest::gridPanelFillsItsPlaceAfterEverySizeChange() {
    QFETCH(bool, maximized);
    testing::WindowHarness game;
    const TfrmSudoku& w = game.window;
    if (maximized) {
        game.window.showMaximized();
        QTRY_VERIFY(w.isMaximized());
    }
    for (int box : {3, 4, 5, 3}) {
        game.Generate(SizeItemOf(box));
        QCoreApplication::processEvents();
        const QRect grid = w.pnlGrid->geometry();
        QCOMPARE(grid.left(), 0);
        QCOMPARE(grid.top(), w.pnlTopMain->geometry().bottom() + 1);
        QCOMPARE(grid.right() + 1, w.pnlRight->geometry().left());
        QCOMPARE(grid.bottom() + 1, w.Panel3->geometry().top());
        QCOMPARE(w.pnlRight->geometry().right(), w.width() - 1);
        QCOMPARE(w.isMaximized(), maximized);
        if (!maximized) {  // widened to the minimum that keeps the controls whole
            QCOMPARE(w.size(), QSize(std::max(box == 3 ? 598 : 752, w.minimumWidth()), 688));
        }
    }
}

void LayoutTest::smallestWindowCutsNoControl_data() {
    QTest::addColumn<int>("box");
    QTest::newRow("9x9") << 3;
    QTest::newRow("25x25") << 5;
}

// Shrunk as far as it goes, during play (the game panel shown), the window tiles to half of a
// 1,366 pixel screen (with 4 pixel borders) and fits a 720 pixel work area under a 48 pixel panel
// and a 37 pixel title bar; it still shows every control of its bands and of the right column
// whole, and a grid that does not fit scrolls. A longer link text widens the least width.
void LayoutTest::smallestWindowCutsNoControl() {
    QFETCH(int, box);
    testing::WindowHarness game;
    TfrmSudoku& w = game.window;
    game.Generate(SizeItemOf(box));
    game.Play();
    w.resize(1000, 767);  // the design's size: everything in its design place
    QCoreApplication::processEvents();
    QCOMPARE(w.StaticText2->pos(), QPoint(712, 24));
    QCOMPARE(w.cxHyperLinkEdit2->pos(), QPoint(556, 13));
    QCOMPARE(w.pnlGameOn->height(), 184);
    platform::TLinkLabel* link = w.cxHyperLinkEdit2;
    const QString host = link->LinkText();
    for (const QString& text : {host, host.repeated(3)}) {
        link->setLink(link->Address(), text);
        QCOMPARE(link->width(), link->sizeHint().width());
        QVERIFY(link->width() < QFontMetrics(link->font()).horizontalAdvance(text) + 8);
        w.resize(100, 100);
        QCoreApplication::processEvents();
        if (text == host && box == 3) {
            QVERIFY2(w.width() <= 1366 / 2 - 8 && w.height() <= 720 - 48 - 37,
                     qPrintable(QStringLiteral("%1 x %2").arg(w.width()).arg(w.height())));
        }
        for (QWidget* band : {static_cast<QWidget*>(w.pnlTopMain),
                              static_cast<QWidget*>(w.pnlRight), static_cast<QWidget*>(w.Panel3)}) {
            for (const QWidget* control : band->findChildren<QWidget*>()) {
                if (!control->isVisibleTo(&w)) {
                    continue;
                }
                const QRect placed(control->mapTo(&w, QPoint(0, 0)), control->size());
                const QByteArray what = QByteArray(control->metaObject()->className()) + " at " +
                                        QByteArray::number(placed.x()) + "," +
                                        QByteArray::number(placed.y());
                QVERIFY2(w.rect().contains(placed), what.constData());
                QVERIFY2(control->parentWidget()->rect().contains(control->geometry()),
                         what.constData());
            }
        }
    }
    const QSize needed = w.sg1->sizeHint();
    QCOMPARE(w.sg1->size().expandedTo(needed), w.sg1->size());
    if (box == 5) {
        QVERIFY(w.sg1Scroller->horizontalScrollBar()->isVisible());
        QVERIFY(w.sg1Scroller->verticalScrollBar()->isVisible());
    }
}

// The window system carries the sizes the icon names: the committed bitmaps, as packed into the
// game, none of them drawn anew; and the pictures the window shows are the committed ones too.
void LayoutTest::windowIconComesInEveryBuiltSizeAndScales() {
    testing::WindowHarness game;
    const auto committed = [](const QString& name) {
        return QImage(QStringLiteral(QUINTARA_PICTURES_DIR "/") + name)
            .convertToFormat(QImage::Format_ARGB32);
    };
    const QIcon icon = game.window.windowIcon();
    QCOMPARE(icon.availableSizes(),
             QList<QSize>({QSize(48, 48), QSize(128, 128), QSize(256, 256)}));
    for (const int side : {48, 128, 256}) {
        const QSize size(side, side);
        QCOMPARE(icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32),
                 committed(QStringLiteral("icon-%1.png").arg(side)));
    }
    for (const char* name : {"logo.png", "help.png", "news.png"}) {
        QCOMPARE(
            Picture(QString::fromLatin1(name)).toImage().convertToFormat(QImage::Format_ARGB32),
            committed(QString::fromLatin1(name)));
    }
    // Larger than any bitmap: only the scalable drawing gives it.
    QCOMPARE(icon.pixmap(QSize(512, 512)).size(), QSize(512, 512));
}

}  // namespace quintara

QTEST_MAIN(quintara::LayoutTest)
#include "LayoutTest.moc"
