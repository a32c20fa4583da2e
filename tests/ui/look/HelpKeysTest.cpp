// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLabel>
#include <QPushButton>

#include "LookFixture.h"
#include "ui/help/Links.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/LinkLabel.h"

namespace quintara {

using enum GameState;

namespace {

// The page the last help request opened, with the window as owner.
QString LastHelpPage(const testing::WindowHarness& game) {
    if (game.services.shell_calls.isEmpty()) {
        return {};
    }
    const auto& call = game.services.shell_calls.last();
    if (call.owner != &game.window || call.verb != QStringLiteral("open")) {
        return QStringLiteral("wrong owner or verb");
    }
    return call.address.section(QLatin1Char('/'), -1);
}

}  // namespace

class HelpKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void helpOpensThePageOfTheStateAndFocusesTheGrid();
    void f7ShowsThePrintNoticeAndTheGameGoesOn();
    void makerLinkOpensTheSiteOnOneClick();
};

void HelpKeysTest::helpOpensThePageOfTheStateAndFocusesTheGrid() {
    testing::WindowHarness game;
    QCOMPARE(game.window.btnHelp->size(), QSize(126, 40));
    QCOMPARE(game.window.btnHelp->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!game.window.btnHelp->icon().isNull());
    QTest::keyClick(&game.window, Qt::Key_F1);
    QCOMPARE(LastHelpPage(game), QStringLiteral("w_orvella-quintara0-hlp0-EN.html"));

    game.Generate(SizeItemOf(3));
    const struct {
        GameState state;
        const char* page;
    } pages[] = {{gsPuzzle, "w_orvella-quintara0-hlp1-EN.html"},
                 {gsSolution, "w_orvella-quintara0-hlp1-EN.html"},
                 {gsPlaying, "w_orvella-quintara0-hlp2-EN.html"},
                 {gsPlayingSolution, "w_orvella-quintara0-hlp2-EN.html"}};
    for (const auto& [state, page] : pages) {
        switch (state) {
            case gsSolution:
            case gsPlayingSolution:
                game.window.ActToggleViewExecute(nullptr);
                break;
            case gsPlaying:
                game.window.ActToggleViewExecute(nullptr);
                game.Play();
                break;
            default:
                break;
        }
        QCOMPARE(game.window.game().State(), state);
        const qsizetype opened = game.services.shell_calls.size();

        game.window.btnPlay->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
        QCOMPARE(LastHelpPage(game), QString::fromLatin1(page));
        QVERIFY(game.window.sg1->hasFocus());

        game.window.btnPlay->setFocus();
        QTest::mouseClick(game.window.btnHelp, Qt::LeftButton);
        QCOMPARE(LastHelpPage(game), QString::fromLatin1(page));
        QVERIFY(game.window.sg1->hasFocus());
        QCOMPARE(game.services.shell_calls.size(), opened + 2);
    }
    QVERIFY(game.services.messages.isEmpty());
}

void HelpKeysTest::f7ShowsThePrintNoticeAndTheGameGoesOn() {
    testing::WindowHarness game;
    game.Generate(SizeItemOf(3));
    game.Play();
    const CharGrid play = game.window.game().PlayGrid();
    const QDateTime started = game.window.game().StartTime();
    // Two blanks open each line, "In  questa  versione" holds two double blanks and the third
    // line ends in a blank before its line break.
    const QString written_out = QStringLiteral(
        "\x20\x20In\x20\x20questa\x20\x20versione non e' supportata la stampa !\x0D\x0A"
        "\x20\x20Se vuoi sudoku da stampare, chiudi questo messaggio e\x0D\x0A"
        "\x20\x20scaricali da PuzzleDepot con il pulsante in basso\x20\x0D\x0A"
        "\x20\x20[Scarica e stampa..].");
    QString title;
    QString notice;
    bool news_page_opened = false;
    game.services.on_modal = [&](QDialog& dialog) {
        title = dialog.windowTitle();
        notice = game.news.lblMsg->text();
        dialog.show();
        QTest::mouseClick(game.news.btnPuzzleDepotNews, Qt::LeftButton);
        news_page_opened = dialog.isVisible() && !game.services.shell_calls.isEmpty();
        QTest::mouseClick(game.news.btnClose, Qt::LeftButton);
        return dialog.result();
    };

    game.window.btnFontPiu->setFocus();  // as after a click on "+"
    QTest::keyClick(game.window.btnFontPiu, Qt::Key_F7);

    QCOMPARE(game.services.modal_dialogs, QList<QDialog*>{&game.news});
    QCOMPARE(title, QStringLiteral("Nuove versioni ?"));
    QCOMPARE(notice, written_out);  // Italian though the game runs in English
    QVERIFY(news_page_opened);
    QVERIFY(!game.news.isVisible());
    QCOMPARE(game.window.game().State(), gsPlaying);
    QVERIFY(game.window.game().PlayGrid() == play);
    QCOMPARE(game.window.game().StartTime(), started);
    QTRY_VERIFY(game.window.sg1->hasFocus());
    QVERIFY(game.window.Clock1->isVisible());
    game.services.now = game.services.now.addSecs(7);
    game.window.Clock1->Refresh();
    QCOMPARE(game.window.Clock1->TimeText(), QStringLiteral("00:00:07"));
}

// The link in the bottom band opens the maker's site with a single click, the window as owner.
void HelpKeysTest::makerLinkOpensTheSiteOnOneClick() {
    testing::WindowHarness game;
    platform::TLinkLabel* link = game.window.cxHyperLinkEdit2;
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(4, link->height() / 2));
    QCOMPARE(game.services.shell_calls.size(), 1);
    QCOMPARE(game.services.shell_calls[0].owner, &game.window);
    QCOMPARE(game.services.shell_calls[0].verb, QStringLiteral("open"));
    QCOMPARE(game.services.shell_calls[0].address, links::MakerAddress());
    QVERIFY(links::MakerAddress().endsWith(QStringLiteral("/share/quintara/help/about.html")));
}

}  // namespace quintara

QTEST_MAIN(quintara::HelpKeysTest)
#include "HelpKeysTest.moc"
