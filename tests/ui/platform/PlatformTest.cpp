// SPDX-License-Identifier: GPL-3.0-or-later
// The platform layer's own rules: action-bound buttons, the drawn grid's geometry and states,
// the canvas, the clock, the popup menu and the radio group. Keys: VirtualKeysTest.
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimeZone>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/platform/Actions.h"
#include "ui/platform/Canvas.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/KeyPreview.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/QtServices.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/RecordingServices.h"
#include "ui/platform/VirtualKeys.h"

using namespace quintara::platform;

namespace {

// Runs `answer` on the next modal message box, polled: the box's own loop blocks the caller.
void OnNextMessageBox(const std::function<void(QMessageBox*)>& answer) {
    auto* poll = new QTimer;
    auto* clock = new QElapsedTimer;
    clock->start();
    QObject::connect(poll, &QTimer::timeout, [poll, clock, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box != nullptr || clock->elapsed() > 3000) {
            poll->stop();
            poll->deleteLater();
            delete clock;
            if (box != nullptr) {
                answer(box);
            }
        }
    });
    poll->start(10);
}

struct DrawnCell {
    int col, row;
    TRect rect;
    TGridDrawState state;
};

}  // namespace

class PlatformTest : public QObject {
    Q_OBJECT

  private slots:
    void buttonTakesCaptionOnlyWhileItShowsTheOldOne() {
        QAction action(QStringLiteral("Genera [F10]"));
        QPushButton button;
        BindButton(&action, &button);
        QCOMPARE(button.text(), QStringLiteral("Genera [F10]"));
        action.setText(QStringLiteral("Rigenera [F10]"));
        QCOMPARE(button.text(), QStringLiteral("Rigenera [F10]"));
        button.setText(QStringLiteral("own text"));
        action.setText(QStringLiteral("Generate [F10]"));
        QCOMPARE(button.text(), QStringLiteral("own text"));
        // Back to the action's present caption: the next change is taken again.
        button.setText(QStringLiteral("Generate [F10]"));
        action.setText(QStringLiteral("Genera [F10]"));
        QCOMPARE(button.text(), QStringLiteral("Genera [F10]"));

        int runs = 0;
        connect(&action, &QAction::triggered, [&runs] { ++runs; });
        action.setEnabled(false);
        QVERIFY(!button.isEnabled());
        action.setEnabled(true);
        QVERIFY(button.isEnabled());
        button.click();
        QCOMPARE(runs, 1);
    }

    void gridGeometry() {
        TKeyboardLayout layout;
        TDrawGrid grid(layout);
        grid.setContentsMargins(3, 4, 0, 0);
        grid.setColCount(9);
        grid.setRowCount(9);
        grid.setDefaultColWidth(44);
        grid.setDefaultRowHeight(34);
        grid.setGridLineWidth(3);
        const TRect cell = grid.CellRect(2, 1);
        QCOMPARE(cell.Left, 3 + 2 * 47);
        QCOMPARE(cell.Top, 4 + 37);
        QCOMPARE(cell.Right - cell.Left, 44);
        QCOMPARE(cell.Bottom - cell.Top, 34);
        QCOMPARE(grid.sizeHint(), QSize(3 + 9 * 47, 4 + 9 * 37));

        int col = 0;
        int row = 0;
        grid.MouseToCell(cell.Left, cell.Top, col, row);
        QCOMPARE(QPoint(col, row), QPoint(2, 1));
        grid.MouseToCell(cell.Right + 1, cell.Bottom, col, row);  // on the separators
        QCOMPARE(QPoint(col, row), QPoint(2, 1));
        for (const QPoint outside :
             {QPoint(1, 50), QPoint(50, 2), QPoint(3 + 9 * 47, 50), QPoint(50, 4 + 9 * 37 + 5)}) {
            grid.MouseToCell(outside.x(), outside.y(), col, row);
            QCOMPARE(QPoint(col, row), QPoint(-1, -1));
        }
        // The selection is always a cell of the grid.
        grid.setSelection({-1, -1, -1, -1});
        QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(0, 0));
        grid.setSelection({12, 30, 12, 30});
        QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(8, 8));
        grid.setColCount(4);
        QCOMPARE(grid.Col(), 3);
    }

    void drawStatesAndSeparators() {
        TKeyboardLayout keyboard;
        QWidget window;
        auto* grid = new TDrawGrid(keyboard, &window);
        auto* other = new QPushButton(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(grid);
        layout->addWidget(other);
        grid->setColCount(3);
        grid->setRowCount(2);
        grid->setDefaultColWidth(20);
        grid->setDefaultRowHeight(10);
        grid->setGridLineWidth(2);
        QList<DrawnCell> drawn;
        grid->OnDrawCell = [&drawn, grid](QObject*, int c, int r, TRect rect, TGridDrawState s) {
            drawn.append({c, r, rect, s});
            grid->Canvas().FillRect(rect);
        };
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        grid->setSelection({1, 1, 1, 1});

        other->setFocus();
        drawn.clear();
        const QImage unfocused = grid->grab().toImage();
        QCOMPARE(drawn.size(), 6);
        for (const DrawnCell& cell : drawn) {
            const bool current = cell.col == 1 && cell.row == 1;
            QCOMPARE(cell.state, current ? gdSelected : TGridDrawState(0));
        }
        grid->setFocus();
        drawn.clear();
        grid->grab();
        for (const DrawnCell& cell : drawn) {
            if (cell.col == 1 && cell.row == 1) {
                QCOMPARE(cell.state, TGridDrawState(gdSelected | gdFocused));
            }
        }
        // Separators GridLineWidth wide right of and below each cell; cells white.
        const QColor line = ToQColor(grid->LineColor());
        QCOMPARE(unfocused.pixelColor(20, 5), line);
        QCOMPARE(unfocused.pixelColor(21, 5), line);
        QCOMPARE(unfocused.pixelColor(22, 5), QColor(Qt::white));
        QCOMPARE(unfocused.pixelColor(5, 10), line);
        QCOMPARE(unfocused.pixelColor(5, 11), line);
        QCOMPARE(unfocused.pixelColor(5, 12), QColor(Qt::white));
    }

    void arrowKeysAndLeftClickMoveTheCurrentCell() {
        TKeyboardLayout layout;
        TDrawGrid grid(layout);
        grid.setColCount(4);
        grid.setRowCount(4);
        grid.show();
        QTest::keyClick(&grid, Qt::Key_Right);
        QTest::keyClick(&grid, Qt::Key_Down);
        QTest::keyClick(&grid, Qt::Key_Down);
        QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(1, 2));
        QTest::keyClick(&grid, Qt::Key_Left);
        QTest::keyClick(&grid, Qt::Key_Left);
        QCOMPARE(grid.Col(), 0);
        const TRect cell = grid.CellRect(3, 1);
        QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(cell.Left + 2, cell.Top + 2));
        QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 1));
        QTest::mouseClick(&grid, Qt::RightButton, {}, QPoint(grid.CellRect(0, 0).Left + 1, 1));
        QCOMPARE(QPoint(grid.Col(), grid.Row()), QPoint(3, 1));
    }

    void canvasDrawsLikeWindows() {
        QCOMPARE(FontPixelHeight(8, 96), 11);
        QCOMPARE(FontPixelHeight(12, 96), 16);
        QCOMPARE(ToQColor(clRed), QColor(255, 0, 0));
        QCOMPARE(ToQColor(clBlue), QColor(0, 0, 255));
        QCOMPARE(ToQColor(0x00336699), QColor(0x99, 0x66, 0x33));

        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            TCanvas canvas(painter);
            canvas.Pen.Color = clRed;
            // Equal start and end points: the whole ellipse inside (2, 2) .. (38, 28).
            canvas.Arc(2, 2, 38, 28, 38, 0, 38, 0);
        }
        const QColor red(Qt::red);
        QCOMPARE(image.pixelColor(2, 14), red);   // left
        QCOMPARE(image.pixelColor(37, 14), red);  // right, 38 exclusive
        QCOMPARE(image.pixelColor(20, 2), red);   // top
        QCOMPARE(image.pixelColor(20, 27), red);  // bottom
        QCOMPARE(image.pixelColor(20, 14), QColor(Qt::white));
        QCOMPARE(image.pixelColor(38, 14), QColor(Qt::white));

        image.fill(Qt::white);
        {
            QPainter painter(&image);
            TCanvas canvas(painter);
            canvas.Pen.Color = clBlack;
            canvas.Pen.Width = 3;
            canvas.MoveTo(20, 5);
            canvas.LineTo(20, 25);
            canvas.Brush.Color = clBlue;
            canvas.FillRect({0, 0, 4, 3});
        }
        QCOMPARE(image.pixelColor(20, 15), QColor(Qt::black));
        QCOMPARE(image.pixelColor(16, 15), QColor(Qt::white));
        QCOMPARE(image.pixelColor(24, 15), QColor(Qt::white));
        QCOMPARE(image.pixelColor(3, 2), QColor(Qt::blue));
        QCOMPARE(image.pixelColor(4, 2), QColor(Qt::white));  // Right exclusive
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::white));  // Bottom exclusive
    }

    // Text drawn from the canvas's cache lands on the same pixels, with the same widths, as text
    // laid out afresh: in both weights alternating cell by cell, at every grid font size, on
    // the first repaint that fills the cache and on the next that reads it.
    void cachedTextMatchesFreshText() {
        const QString symbols = QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXY");
        const auto font_of = [](int points, int index) {
            return TFont{QStringLiteral("MS Sans Serif"), points,
                         TFontStyles(index % 2 ? fsBold : 0), index % 3 ? clBlack : clBlue};
        };
        for (int points = 8; points <= 16; ++points) {
            const QSize size(static_cast<int>(symbols.size()) * 24, 30);
            QImage fresh(size, QImage::Format_RGB32);
            fresh.fill(Qt::white);
            {
                QPainter painter(&fresh);
                for (int i = 0; i < symbols.size(); ++i) {
                    const TFont request = font_of(points, i);
                    QFont font(request.Name);
                    font.setPixelSize(FontPixelHeight(points, 96));
                    font.setBold(request.Style == fsBold);
                    painter.setFont(font);
                    painter.setPen(ToQColor(request.Color));
                    painter.drawText(i * 24, 4 + QFontMetrics(font).ascent(), symbols.mid(i, 1));
                }
            }
            TTextCache cache;
            for (int repaint = 0; repaint < 2; ++repaint) {
                QImage cached(size, QImage::Format_RGB32);
                cached.fill(Qt::white);
                QPainter painter(&cached);
                TCanvas canvas(painter, &cache);
                for (int i = 0; i < symbols.size(); ++i) {
                    canvas.Font = font_of(points, i);
                    const QString symbol = symbols.mid(i, 1);
                    QFont font(canvas.Font.Name);
                    font.setPixelSize(FontPixelHeight(points, 96));
                    font.setBold(canvas.Font.Style == fsBold);
                    QCOMPARE(canvas.TextWidth(symbol),
                             QFontMetrics(font).horizontalAdvance(symbol));
                    QCOMPARE(canvas.TextHeight(symbol), QFontMetrics(font).height());
                    canvas.TextOut(i * 24, 4, symbol);
                }
                painter.end();
                QCOMPARE(cached, fresh);
            }
        }
    }

    // A cache filled past its bounds starts over and still answers right.
    void textCacheStaysBounded() {
        QImage image(8, 8, QImage::Format_RGB32);
        QPainter painter(&image);
        TTextCache cache;
        TCanvas canvas(painter, &cache);
        for (int points = 1; points <= int(TTextCache::kMaxFaces) * 2; ++points) {
            canvas.Font.Size = points;
            QVERIFY(canvas.TextHeight(QStringLiteral("8")) > 0);
        }
        canvas.Font.Size = 8;
        const int eight = canvas.TextWidth(QStringLiteral("8"));
        for (int i = 0; i < TTextCache::kMaxTextsPerFace * 2; ++i) {
            canvas.TextWidth(QString::number(i));
        }
        QCOMPARE(canvas.TextWidth(QStringLiteral("8")), eight);
        QCOMPARE(canvas.TextWidth(QStringLiteral("88")), 2 * eight);
    }

    void clockShowsTimePlusOffset() {
        quintara::platform::RecordingServices services;
        services.now = QDateTime(QDate(2026, 3, 14), QTime(0, 0, 10));
        TDigitalClock clock(services);
        QCOMPARE(clock.TimeText(), QStringLiteral("00:00:10"));
        clock.TimeOffset.Hours = -23;
        clock.TimeOffset.Minutes = -59;
        clock.TimeOffset.Seconds = -59;
        QCOMPARE(clock.TimeText(), QStringLiteral("00:00:11"));  // wraps on the 24-hour scale
        clock.TimeOffset = {1, 2, 3, 4};
        QCOMPARE(clock.TimeText(), QStringLiteral("02:03:14"));
        clock.show();
        services.now = services.now.addSecs(1);
        QTRY_COMPARE_WITH_TIMEOUT(clock.text(), QStringLiteral("02:03:15"), 2500);
    }

    // The clock wakes the program only while it can be seen, and what it shows on coming back
    // is the time of that moment, not of when it was hidden.
    void clockTicksOnlyWhileShownAndCatchesUpAtOnce() {
        quintara::platform::RecordingServices services;
        services.now = QDateTime(QDate(2026, 3, 14), QTime(10, 0, 0));
        QWidget panel;
        auto* clock = new TDigitalClock(services, &panel);
        const auto* timer = clock->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
        QVERIFY(timer != nullptr);
        QVERIFY(!timer->isActive());
        panel.show();
        QVERIFY(timer->isActive());
        clock->hide();
        QVERIFY(!timer->isActive());
        services.now = services.now.addSecs(5);
        clock->show();
        QCOMPARE(clock->text(), QStringLiteral("10:00:05"));
        panel.hide();
        QVERIFY(!timer->isActive());
    }

    // On the days the clocks change, a game started at 10:00 shows 00:00:00 at its start: the
    // offset counts on the wall clock, not across the hour that was skipped or repeated.
    void clockAddsTheOffsetOnTheWallClock() {
        const QTimeZone rome("Europe/Rome");
        if (!rome.isValid()) {
            QSKIP("no time zone data");
        }
        quintara::platform::RecordingServices services;
        TDigitalClock clock(services);
        clock.TimeOffset.Hours = -10;
        for (const QDate day : {QDate(2026, 3, 29), QDate(2026, 10, 25)}) {
            services.now = QDateTime(day, QTime(10, 0, 0), rome);
            QCOMPARE(clock.TimeText(), QStringLiteral("00:00:00"));
        }
    }

    // Silver digits with a dark edge on the panel behind, which shows through between them.
    void clockDigitsAreSilverOnADarkEdge() {
        quintara::platform::RecordingServices services;
        services.now = QDateTime(QDate(2026, 3, 14), QTime(18, 48, 8));
        const QColor panel(0xF0, 0xF0, 0xF0);
        QWidget behind;
        QPalette palette = behind.palette();
        palette.setColor(QPalette::Window, panel);
        behind.setPalette(palette);
        behind.setAutoFillBackground(true);
        behind.resize(200, 60);
        auto* clock = new TDigitalClock(services, &behind);
        QFont font(QStringLiteral("Verdana"));
        font.setPixelSize(19);
        font.setBold(true);
        clock->setFont(font);
        clock->setGeometry(10, 10, 156, 32);
        behind.show();
        const QImage image = behind.grab(clock->geometry()).toImage();
        int silver = 0;
        int dark = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor pixel = image.pixelColor(x, y);
                silver += pixel == ToQColor(clSilver) ? 1 : 0;
                dark += pixel.lightness() < 80 ? 1 : 0;
            }
        }
        QVERIFY(silver > 40);
        QVERIFY(dark > 40);
        const QRect face = clock->contentsRect();
        QCOMPARE(image.pixelColor(face.left() + 2, face.center().y()), panel);
        QCOMPARE(image.pixelColor(face.right() - 2, face.top() + 1), panel);
    }

    void popupMenuItems() {
        QWidget owner;
        TPopupMenu menu(&owner);
        QCOMPARE(owner.contextMenuPolicy(), Qt::PreventContextMenu);
        menu.setAutoPopup(true);
        QCOMPARE(owner.contextMenuPolicy(), Qt::CustomContextMenu);
        menu.setAutoPopup(false);
        QCOMPARE(owner.contextMenuPolicy(), Qt::PreventContextMenu);

        QAction command(QStringLiteral("Hint! [F4]"));
        int command_runs = 0;
        connect(&command, &QAction::triggered, [&command_runs] { ++command_runs; });
        QAction* clicked = nullptr;
        QAction* symbol = menu.AddItem(QStringLiteral("A"), 'A',
                                       [&clicked](QAction* sender) { clicked = sender; });
        QAction* proxy = menu.AddActionItem(&command, QStringLiteral("Own caption"));
        menu.AddBoundAction(&command);
        QCOMPARE(TPopupMenu::Tag(symbol), 'A');
        symbol->trigger();
        QCOMPARE(clicked, symbol);
        proxy->trigger();
        QCOMPARE(command_runs, 1);
        command.setEnabled(false);
        QVERIFY(!proxy->isEnabled());
        QCOMPARE(menu.actions().last()->text(), QStringLiteral("Hint! [F4]"));
        menu.ClearItems();
        QVERIFY(menu.actions().isEmpty());
        QCOMPARE(command.text(), QStringLiteral("Hint! [F4]"));  // bound actions survive
    }

    // A click handler may rebuild the menu it belongs to: its item lives until it has returned.
    void popupItemMayRebuildItsOwnMenu() {
        QWidget owner;
        TPopupMenu menu(&owner);
        int32_t tag_seen_after_rebuild = 0;
        const QPointer<QAction> item =
            menu.AddItem(QStringLiteral("Disable control [F8]"), 7, [&](QAction* sender) {
                menu.ClearItems();
                menu.AddItem(QStringLiteral("View errors [F8]"), 0, [](QAction*) {});
                tag_seen_after_rebuild = TPopupMenu::Tag(sender);
            });
        item->trigger();
        QCOMPARE(tag_seen_after_rebuild, 7);
        QCOMPARE(menu.actions().size(), 1);
        QVERIFY(!item.isNull());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(item.isNull());
    }

    void qtServicesAskWithYesAsDefaultAndEscapeAsCancel() {
        QApplication::setApplicationName(QStringLiteral("Quintara"));
        QtServices services;
        QString title;
        OnNextMessageBox([&title](QMessageBox* box) {
            title = box->windowTitle();
            QTest::keyClick(box, Qt::Key_Return);
        });
        QCOMPARE(services.MessageDlg(QStringLiteral("Quit the current game ?")), DialogAnswer::Yes);
        QCOMPARE(title, QStringLiteral("Quintara"));
        OnNextMessageBox([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(services.MessageDlg(QStringLiteral("Quit the current game ?")),
                 DialogAnswer::Cancel);
        QString text;
        OnNextMessageBox([&text](QMessageBox* box) {
            text = box->text();
            QTest::keyClick(box, Qt::Key_Return);
        });
        services.ShowMessage(QStringLiteral("ENGINE ERROR: 001"));
        QCOMPARE(text, QStringLiteral("ENGINE ERROR: 001"));
        QVERIFY(qAbs(services.Now().msecsTo(QDateTime::currentDateTime())) < 5000);
    }

    void radioGroupReplacesItemsByPosition() {
        TRadioGroup group(3);
        group.setItems(
            {QStringLiteral("Semplice    "), QStringLiteral("Medio"), QStringLiteral("Alto")});
        QCOMPARE(group.ItemIndex(), -1);
        group.setItemIndex(1);
        QCOMPARE(group.ItemIndex(), 1);
        group.setItem(0, QStringLiteral("Simple"));
        group.setItem(3, QStringLiteral("ignored"));
        group.setItemIndex(7);
        QCOMPARE(group.Items(), QStringList({"Simple", "Medio", "Alto"}));
        QCOMPARE(group.ItemIndex(), 1);
        group.Button(2)->click();
        QCOMPARE(group.ItemIndex(), 2);
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
