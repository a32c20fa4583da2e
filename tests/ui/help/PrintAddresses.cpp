// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every address the game opens, one a line, as the game computes them from where it
// runs: built beside the game (and copied beside an installed one), it sees the same pages.
#include <QApplication>
#include <cstdio>

#include "ui/Language.h"
#include "ui/help/HelpPages.h"
#include "ui/help/Links.h"
#include "ui/help/Usudk02_upgrade.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QStringList addresses;
    for (const char* language : {"IT", "EN"}) {
        quintara::Language = language;
        for (int page = 0; page < 3; ++page) {
            addresses << quintara::HelpAddress(page);
        }
    }
    addresses << quintara::TfrmShowUpgrade::NewsAddress() << quintara::links::MakerAddress();
    std::printf("%s\n", qPrintable(addresses.join(QLatin1Char('\n'))));
    return 0;
}
