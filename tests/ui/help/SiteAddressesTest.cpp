// SPDX-License-Identifier: GPL-3.0-or-later
// The links of a build for web sites (the QUINTARA_*_SITE cache variables set): the exact web
// addresses, the link's text and the title name the site.
#include <QTest>

#include "support/LanguageScope.h"
#include "ui/help/HelpPages.h"
#include "ui/help/Links.h"
#include "ui/help/Usudk02_upgrade.h"

namespace quintara {

class SiteAddressesTest : public QObject {
    Q_OBJECT

  private slots:
    void helpPagesAreOnTheHelpSite() {
        testing::LanguageScope scope("IT");
        QCOMPARE(HelpAddress(2),
                 QStringLiteral("https://www.orvella.example/w_orvella-quintara0-hlp2.aspx"));
        scope.Set("EN");
        QCOMPARE(HelpAddress(0),
                 QStringLiteral("https://www.orvella.example/w_orvella-quintara0-hlp0-EN.aspx"));
    }

    void newsPageIsOnTheNewsHost() {
        QCOMPARE(links::NewsAddress(),
                 QStringLiteral("news.puzzledepot.example/puzzleDepot/quintara-news.aspx"
                                "?fid=QNT13W0001"));
        QCOMPARE(TfrmShowUpgrade::NewsAddress(), "https://" + links::NewsAddress());
    }

    void makerLinkAndTitleNameTheSite() {
        QCOMPARE(links::MakerAddress(), QStringLiteral("https://www.orvella.example"));
        QCOMPARE(links::MakerLinkText(), QStringLiteral("www.orvella.example"));
        QCOMPARE(links::WindowTitle(),
                 QStringLiteral("Quintara Vers.1.3 - Orvella - www.orvella.example"));
    }
};

}  // namespace quintara

QTEST_MAIN(quintara::SiteAddressesTest)
#include "SiteAddressesTest.moc"
