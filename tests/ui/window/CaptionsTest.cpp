// SPDX-License-Identifier: GPL-3.0-or-later
// The window's texts in English and Italian, as the player reads them.
#include <QLabel>
#include <functional>

#include "support/WindowHarness.h"
#include "ui/platform/LinkLabel.h"

using namespace quintara;
using enum GameState;
using quintara::testing::LanguageScope;
using quintara::testing::WindowHarness;

namespace {

// The bilingual texts on the controls in sight, top to bottom: Generate, the size group, the
// Play and view buttons, the two lines over "+" and "-", Help, and the game panel while it shows.
QStringList Shown(TfrmSudoku& w) {
    QStringList texts{w.btnGenera->text(),     w.cbg1->title(),       w.btnPlay->text(),
                      w.btnToggleView->text(), w.StaticText3->text(), w.StaticText4->text(),
                      w.btnHelp->text()};
    if (w.pnlGameOn->isVisible()) {
        texts << w.cbxHideTimer->text() << w.cbxControllo->text() << w.cxButton1->text();
    }
    return texts;
}

}  // namespace

class CaptionsTest : public QObject {
    Q_OBJECT

  private slots:
    // English at start, or Italian once applied, then a game walked through every state: the
    // view and Play buttons follow the state, Generate reads "Rigenera" in Italian once a game is
    // on display, and every other text stays as the language set it.
    void captionsAfterEachStateChange() {
        const QString en_fixed[] = {"Sudoku size ", "", "Font and Grid size +/-", "Help [F1]"};
        const QString it_fixed[] = {"Dimensione ", "Dimensione +/-",
                                    "dei caratteri e della griglia", "Guida [F1]"};
        const auto row = [](const QString(&fixed)[4], const QString& generate, const QString& play,
                            const QString& view) {
            return QStringList{generate, fixed[0], play, view, fixed[1], fixed[2], fixed[3]};
        };
        const QStringList en_panel{"Hide timer [F9]", "View errors [F8]", "Hint! [F4]"};
        const QStringList it_panel{"Nascondi timer [F9]", "Controllo attivo [F8]", "Suggerimento!"};
        const struct {
            const char* language;
            QList<QStringList> steps;
        } languages[] = {
            {"EN",
             {row(en_fixed, "Generate [F10]", "Play [F5]", "Show solution"),
              row(en_fixed, "Generate [F10]", " Play [F5] ", " Show solution [F6] "),
              row(en_fixed, "Generate [F10]", " Play [F5] ", " Show game [F6] "),
              row(en_fixed, "Generate [F10]", " Quit game [F5] ", " Show solution [F6] ") +
                  en_panel,
              row(en_fixed, "Generate [F10]", " Quit game [F5] ", " Show game [F6] "),
              row(en_fixed, "Generate [F10]", " Play [F5] ", " Show solution [F6] ")}},
            {"IT",
             {row(it_fixed, "Genera [F10]", "Gioca [F5]", "Visualizza soluzione"),
              row(it_fixed, "Rigenera [F10]", " Gioca [F5] ", " Mostra soluzione [F6] "),
              row(it_fixed, "Rigenera [F10]", " Gioca [F5] ", " Mostra gioco [F6] "),
              row(it_fixed, "Rigenera [F10]", " Abbandona gioco [F5] ", " Mostra soluzione [F6] ") +
                  it_panel,
              row(it_fixed, "Rigenera [F10]", " Abbandona gioco [F5] ", " Mostra gioco [F6] "),
              row(it_fixed, "Rigenera [F10]", " Gioca [F5] ", " Mostra soluzione [F6] ")}},
        };
        for (const auto& [language, steps] : languages) {
            WindowHarness h;
            LanguageScope scope(Language);
            if (QByteArray(language) == "IT") {
                scope.Set("IT");
                h.w().ApplyLanguage();
            }
            const std::function<void()> walk[] = {
                [] {},
                [&] { h.Generate(); },
                [&] { h.Key(Qt::Key_F6); },
                [&] { h.Play(); },
                [&] { h.Key(Qt::Key_F6); },
                [&] {
                    h.services.answers.push_back(platform::DialogAnswer::Yes);
                    h.Play();
                },
            };
            for (int step = 0; step < steps.size(); ++step) {
                walk[step]();
                QCOMPARE(Shown(h.w()), steps[step]);
            }
        }
    }

    // The product's name, version, size items, font buttons and the bottom band's maker notice
    // and link read the same in both languages.
    void textsOutsideTheLanguageAreTheSameInBoth() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        const auto untouched = [&w] {
            return QStringList{w.windowTitle().left(17),  w.StaticText1->text(),
                               w.StaticText2->text(),     w.btnFontPiu->text(),
                               w.btnFontMeno->text(),     w.cxLabel3->text(),
                               w.cxHyperLinkEdit2->LinkText()} +
                   w.cbg1->Items();
        };
        const QStringList english = untouched();
        QCOMPARE(english.mid(0, 5),
                 QStringList({"Quintara Vers.1.3", "Quintara", "Vers.1.3", "+", "-"}));
        QCOMPARE(english.mid(7), QStringList({"3x3", "4x4", "5x5"}));
        const LanguageScope italian("IT");
        w.ApplyLanguage();
        QCOMPARE(untouched(), english);
    }

    void onlyExactlyITIsItalian() {
        for (const char* language : {"it", "en", "", "IT "}) {
            WindowHarness h;
            LanguageScope scope("IT");
            h.w().ApplyLanguage();
            scope.Set(language);
            h.w().ApplyLanguage();
            QCOMPARE(h.w().btnHelp->text(), QStringLiteral("Help [F1]"));
            QCOMPARE(h.w().cbgLivello->Items(), QStringList({"Simple", "Medium", "high"}));
        }
    }
};

QTEST_MAIN(CaptionsTest)
#include "CaptionsTest.moc"
