#include <QLabel>
#include <QPushButton>

#include "LookFixture.h"
#include "ui/platform/DigitalClock.h"

namespace quintara {

namespace {

// The page the last help request opened, with the window as owner.
QString LastHelpPage(const testing::LookedAtGame& game) {
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
};

void HelpKeysTest::helpOpensThePageOfTheStateAndFocusesTheGrid() {
    testing::LookedAtGame game;
    QTest::keyClick(&game.window, Qt::Key_F1);
    QCOMPARE(LastHelpPage(game), QStringLiteral("w_orvella-quintara0-hlp0-EN.aspx"));

    game.Generate(3);
    const struct {
        uint8_t state;
        const char* page;
    } pages[] = {{gsPuzzle, "w_orvella-quintara0-hlp1-EN.aspx"},
                 {gsSolution, "w_orvella-quintara0-hlp1-EN.aspx"},
                 {gsPlaying, "w_orvella-quintara0-hlp2-EN.aspx"},
                 {gsPlayingSolution, "w_orvella-quintara0-hlp2-EN.aspx"}};
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
        QCOMPARE(game.window.GameState, state);
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
    testing::LookedAtGame game;
    game.Generate(3);
    game.Play();
    const CharGrid play = game.window.PlayGrid;
    const QDateTime started = game.window.StartTime;
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

    QTest::keyClick(game.window.sg1, Qt::Key_F7);

    QCOMPARE(game.services.modal_dialogs, QList<QDialog*>{&game.news});
    QCOMPARE(title, QStringLiteral("Nuove versioni ?"));
    QCOMPARE(notice, QString::fromLatin1(kPrintNotice));  // Italian though the game runs in English
    QVERIFY(news_page_opened);
    QVERIFY(!game.news.isVisible());
    QCOMPARE(game.window.GameState, gsPlaying);
    QVERIFY(game.window.PlayGrid == play);
    QCOMPARE(game.window.StartTime, started);
    QTRY_VERIFY(game.window.sg1->hasFocus());
    QVERIFY(game.window.Clock1->isVisible());
    game.services.now = game.services.now.addSecs(7);
    game.window.Clock1->Refresh();
    QCOMPARE(game.window.Clock1->TimeText(), QStringLiteral("00:00:07"));
}

}  // namespace quintara

QTEST_MAIN(quintara::HelpKeysTest)
#include "HelpKeysTest.moc"
