// SPDX-License-Identifier: GPL-3.0-or-later
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include "ui/help/Links.h"
#include "ui/help/Usudk02_upgrade.h"
#include "ui/platform/RecordingServices.h"

namespace quintara {

class NewsDialogTest : public QObject {
    Q_OBJECT

  private slots:
    void looksAsDefined();
    void showNewsShowsTheMessageModally();
    void newsButtonOpensTheNewsPageAndStaysOpen();
    void chiudiClosesWithCancel();
    void enterPressesChiudiWhereverTheFocusIs();
};

void NewsDialogTest::looksAsDefined() {
    platform::RecordingServices services;
    TfrmShowUpgrade dialog(services);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Nuove versioni ?"));
    QCOMPARE(dialog.size(), QSize(437, 169));
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());

    QVERIFY(!dialog.lblMsg->wordWrap());
    QCOMPARE(dialog.lblMsg->geometry(), QRect(0, 0, 437, 81));
    const QFont message = dialog.lblMsg->font();
    QCOMPARE(message.family(), QStringLiteral("Verdana"));
    QCOMPARE(message.pixelSize(), 13);
    QVERIFY(message.bold());
    QVERIFY(message.italic());
    QCOMPARE(dialog.lblMsg->palette().color(QPalette::WindowText), QColor(Qt::blue));

    QCOMPARE(dialog.btnPuzzleDepotNews->text(),
             QStringLiteral("Verifica se ci sono aggiornamenti, novita' o nuove versioni  !"));
    QCOMPARE(dialog.btnPuzzleDepotNews->size(), QSize(438, 40));
    QCOMPARE(dialog.btnPuzzleDepotNews->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(dialog.btnPuzzleDepotNews->font().pixelSize(), 11);
    QVERIFY2(!dialog.btnPuzzleDepotNews->icon().isNull(), "news.png is not in the resources");

    QCOMPARE(dialog.btnClose->text(), QStringLiteral("Chiudi"));
    QVERIFY(dialog.btnClose->isDefault());

    // White message band on top, silver band under it, the close band at the bottom 47 pixels.
    const QImage image = dialog.grab().toImage();
    QCOMPARE(image.pixelColor(430, 75), QColor(Qt::white));
    QCOMPARE(image.pixelColor(430, 81 + 41 - 1 - 0), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(image.pixelColor(430, 169 - 47) != QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(dialog.btnClose->parentWidget()->geometry(), QRect(0, 169 - 47, 437, 47));
}

void NewsDialogTest::showNewsShowsTheMessageModally() {
    platform::RecordingServices services;
    TfrmShowUpgrade dialog(services);
    const QString notice = QString::fromLatin1(kPrintNotice);
    QString shown;
    QPoint centre;
    services.on_modal = [&](QDialog&) {
        shown = dialog.lblMsg->text();
        centre = dialog.frameGeometry().center();
        return int{QDialog::Rejected};
    };

    dialog.ShowNews(notice);

    QCOMPARE(services.modal_dialogs, QList<QDialog*>{&dialog});
    QCOMPARE(shown, notice);
    const QPoint screen_centre = QGuiApplication::primaryScreen()->availableGeometry().center();
    QVERIFY((centre - screen_centre).manhattanLength() <= 2);
    // The label keeps the message until the next one.
    QCOMPARE(dialog.lblMsg->text(), notice);
    dialog.ShowNews(QStringLiteral("second"));
    QCOMPARE(dialog.lblMsg->text(), QStringLiteral("second"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Nuove versioni ?"));
}

void NewsDialogTest::newsButtonOpensTheNewsPageAndStaysOpen() {
    platform::RecordingServices services;
    TfrmShowUpgrade dialog(services);
    bool stillOpen = false;
    services.on_modal = [&](QDialog& shown) {
        shown.show();
        QTest::mouseClick(dialog.btnPuzzleDepotNews, Qt::LeftButton);
        stillOpen = shown.isVisible();
        shown.hide();
        return shown.result();
    };

    dialog.ShowNews(QStringLiteral("news"));

    QVERIFY(stillOpen);
    QCOMPARE(services.shell_calls.size(), 1);
    QCOMPARE(services.shell_calls[0].owner, &dialog);
    QCOMPARE(services.shell_calls[0].verb, QStringLiteral("open"));
    QCOMPARE(
        services.shell_calls[0].address,
        QUrl::fromLocalFile(links::PagesFolder() + "/puzzleDepot/quintara-news.html").toString());
}

void NewsDialogTest::chiudiClosesWithCancel() {
    platform::RecordingServices services;
    TfrmShowUpgrade dialog(services);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(dialog.btnClose, Qt::LeftButton);

    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int{QDialog::Rejected});
    QVERIFY(services.shell_calls.isEmpty());
}

void NewsDialogTest::enterPressesChiudiWhereverTheFocusIs() {
    platform::RecordingServices services;
    TfrmShowUpgrade dialog(services);
    for (QPushButton* focused : {dialog.btnClose, dialog.btnPuzzleDepotNews}) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Return);
        QVERIFY2(!dialog.isVisible(), qPrintable(focused->text()));
    }
    QVERIFY(services.shell_calls.isEmpty());
}

}  // namespace quintara

QTEST_MAIN(quintara::NewsDialogTest)
#include "NewsDialogTest.moc"
