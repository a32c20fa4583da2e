// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <QUrl>
#include <QWidget>

#include "support/LanguageScope.h"
#include "ui/Language.h"
#include "ui/help/HelpPages.h"
#include "ui/help/Links.h"
#include "ui/platform/RecordingServices.h"

namespace quintara {

using testing::LanguageScope;

class HelpPagesTest : public QObject {
    Q_OBJECT

  private slots:
    void opensThePageOfEachState_data();
    void opensThePageOfEachState();
    void stateThreeDoesNothing();
    void unknownStatesShowTheInternalError_data();
    void unknownStatesShowTheInternalError();
};

void HelpPagesTest::opensThePageOfEachState_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("address");
    // The installed pages, as the default build opens them.
    const QString site = QUrl::fromLocalFile(links::PagesFolder()).toString() +
                         QStringLiteral("/w_orvella-quintara0-hlp");
    const struct {
        int state;
        int page;
    } pages[] = {{0, 0}, {1, 1}, {2, 1}, {4, 2}, {5, 2}};
    for (const auto& [state, page] : pages) {
        const QString stem = site + QString::number(page);
        QTest::addRow("state %d IT", state) << state << "IT" << stem + ".html";
        QTest::addRow("state %d EN", state) << state << "EN" << stem + "-EN.html";
        // Anything but "IT" reads English.
        QTest::addRow("state %d FR", state) << state << "FR" << stem + "-EN.html";
    }
}

void HelpPagesTest::opensThePageOfEachState() {
    QFETCH(int, state);
    QFETCH(QString, language);
    QFETCH(QString, address);
    const LanguageScope scope(language.toLatin1().constData());
    platform::RecordingServices services;
    QWidget owner;

    showHelp(static_cast<uint8_t>(state), services, &owner);

    QCOMPARE(services.shell_calls.size(), 1);
    QCOMPARE(services.shell_calls[0].owner, &owner);
    QCOMPARE(services.shell_calls[0].verb, QStringLiteral("open"));
    QCOMPARE(services.shell_calls[0].address, address);
    QVERIFY(services.messages.isEmpty());
}

void HelpPagesTest::stateThreeDoesNothing() {
    for (const char* language : {"IT", "EN"}) {
        const LanguageScope scope(language);
        platform::RecordingServices services;
        showHelp(3, services, nullptr);
        QVERIFY(services.shell_calls.isEmpty());
        QVERIFY(services.messages.isEmpty());
    }
}

void HelpPagesTest::unknownStatesShowTheInternalError_data() {
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("message");
    QTest::newRow("9 EN") << 9 << "EN"
                          << "Internal error showHelp001: state:9 unmanaged !";
    QTest::newRow("9 IT") << 9 << "IT"
                          << "Internal error showHelp001: stato:9 non gestito !";
    QTest::newRow("6 EN") << 6 << "EN"
                          << "Internal error showHelp001: state:6 unmanaged !";
    QTest::newRow("255 IT") << 255 << "IT"
                            << "Internal error showHelp001: stato:255 non gestito !";
}

void HelpPagesTest::unknownStatesShowTheInternalError() {
    QFETCH(int, state);
    QFETCH(QString, language);
    QFETCH(QString, message);
    const LanguageScope scope(language.toLatin1().constData());
    platform::RecordingServices services;

    showHelp(static_cast<uint8_t>(state), services, nullptr);

    QCOMPARE(services.messages, QStringList{message});
    QVERIFY(services.shell_calls.isEmpty());
}

}  // namespace quintara

QTEST_MAIN(quintara::HelpPagesTest)
#include "HelpPagesTest.moc"
