// The window's texts in English and Italian.
#include <QLabel>

#include "WindowHarness.h"

using namespace quintara;
using quintara::testing::LanguageScope;
using quintara::testing::WindowHarness;

namespace {

struct Texts {
    QString generate, play, toggle, print, hide, control, hint, text3, text4, help, size, level;
    QStringList levels;
    QString act_print, act_generate, act_toggle, act_play, act_hint, act_help;
};

Texts Read(TfrmSudoku& w) {
    return {w.btnGenera->text(),     w.btnPlay->text(),      w.btnToggleView->text(),
            w.btnPrint->text(),      w.cbxHideTimer->text(), w.cbxControllo->text(),
            w.cxButton1->text(),     w.StaticText3->text(),  w.StaticText4->text(),
            w.btnHelp->text(),       w.cbg1->title(),        w.cbgLivello->title(),
            w.cbgLivello->Items(),   w.ActPrint->text(),     w.ActGenera->text(),
            w.ActToggleView->text(), w.ActPlay->text(),      w.ActSuggerisci->text(),
            w.ActHelp->text()};
}

void CheckEnglish(TfrmSudoku& w) {
    const Texts t = Read(w);
    QCOMPARE(t.generate, QStringLiteral("Generate [F10]"));
    QCOMPARE(t.play, QStringLiteral("Play [F5]"));
    QCOMPARE(t.toggle, QStringLiteral("Show solution"));
    QCOMPARE(t.print, QStringLiteral("Print [F7]"));
    QCOMPARE(t.hide, QStringLiteral("Hide timer [F9]"));
    QCOMPARE(t.control, QStringLiteral("View errors [F8]"));
    QCOMPARE(t.hint, QStringLiteral("Hint! [F4]"));
    QCOMPARE(t.text3, QString());
    QCOMPARE(t.text4, QStringLiteral("Font and Grid size +/-"));
    QCOMPARE(t.help, QStringLiteral("Help [F1]"));
    QCOMPARE(t.size, QStringLiteral("Sudoku size "));
    QCOMPARE(t.level, QStringLiteral("Difficulty level "));
    QCOMPARE(t.levels, QStringList({"Simple", "Medium", "high"}));
    QCOMPARE(t.act_print, QStringLiteral("Print [F7]"));
    QCOMPARE(t.act_generate, QStringLiteral("Generate [F10]"));
    QCOMPARE(t.act_toggle, QStringLiteral("Show solution"));
    QCOMPARE(t.act_play, QStringLiteral("Play [F5]"));
    QCOMPARE(t.act_hint, QStringLiteral("Hint! [F4]"));
    QCOMPARE(t.act_help, QStringLiteral("Help [F1]"));
}

}  // namespace

class CaptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void startsInEnglish() {
        WindowHarness h;
        QCOMPARE(QString::fromStdString(Language), QStringLiteral("EN"));
        CheckEnglish(h.w());
        QCOMPARE(h.w().cbg1->Items(), QStringList({"3x3", "4x4", "5x5"}));
        QCOMPARE(h.w().StaticText1->text(), QStringLiteral("Quintara"));
        QCOMPARE(h.w().StaticText2->text(), QStringLiteral("Vers.1.3"));
        QCOMPARE(h.w().btnFontPiu->text(), QStringLiteral("+"));
        QCOMPARE(h.w().btnFontMeno->text(), QStringLiteral("-"));
    }

    void italianTexts() {
        WindowHarness h;
        TfrmSudoku& w = h.w();
        const LanguageScope italian("IT");
        w.ApplyLanguage();
        const Texts t = Read(w);
        QCOMPARE(t.generate, QStringLiteral("Genera [F10]"));
        QCOMPARE(t.play, QStringLiteral("Gioca [F5]"));
        QCOMPARE(t.toggle, QStringLiteral("Visualizza soluzione"));
        QCOMPARE(t.print, QStringLiteral("Stampa [F7]"));
        QCOMPARE(t.hide, QStringLiteral("Nascondi timer [F9]"));
        QCOMPARE(t.control, QStringLiteral("Controllo attivo [F8]"));
        QCOMPARE(t.hint, QStringLiteral("Suggerimento!"));  // the button keeps its own text
        QCOMPARE(t.text3, QStringLiteral("Dimensione +/-"));
        QCOMPARE(t.text4, QStringLiteral("dei caratteri e della griglia"));
        QCOMPARE(t.help, QStringLiteral("Guida [F1]"));
        QCOMPARE(t.size, QStringLiteral("Dimensione "));
        QCOMPARE(t.level, QString::fromUtf8("Livello di difficoltà"));
        QCOMPARE(t.levels, QStringList({"Semplice", "Medio", "Alto"}));
        QCOMPARE(t.act_print, QStringLiteral("Stampa [F7]"));
        QCOMPARE(t.act_generate, QStringLiteral("Genera [F10]"));
        QCOMPARE(t.act_toggle, QStringLiteral("Visualizza soluzione"));
        QCOMPARE(t.act_play, QStringLiteral("Gioca"));
        QCOMPARE(t.act_hint, QStringLiteral("Suggerimento! [F4]"));
        QCOMPARE(t.act_help, QStringLiteral("Guida [F1]"));
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
