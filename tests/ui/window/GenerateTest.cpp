// SPDX-License-Identifier: GPL-3.0-or-later
// Generation: the failure of each step, the retries and their messages, and what a failure
// leaves on display.
#include "support/WindowHarness.h"

using namespace quintara;
using enum GameState;
using quintara::testing::LanguageScope;
using quintara::testing::Repeated;
using quintara::testing::Supply;
using quintara::testing::SwitchableBank;
using quintara::testing::WindowHarness;

namespace {

const QString kRetries = QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES");

}  // namespace

class GenerateTest : public QObject {
    Q_OBJECT

  private slots:
    void emptyBankGivesUpAfterTenRetries() {
        int count_calls = 0;
        WindowHarness h(PuzzleSource{[&count_calls](int32_t, char) {
                                         ++count_calls;
                                         return 0;
                                     },
                                     &GetPuzzle});
        h.Generate();
        QCOMPARE(count_calls, 11);
        QCOMPARE(h.services.messages,
                 Repeated(QStringLiteral("ENGINE ERROR: 001"), 11) + QStringList(kRetries));
        QCOMPARE(h.w().game().State(), gsNone);
        QVERIFY(!h.w().sg1->isHidden());  // laid out by the first attempt
        QVERIFY(!h.w().game().Board());
    }

    // The size group offers three items; a fourth one is refused by every attempt.
    void unknownSizeItemIsRefused() {
        WindowHarness h;
        LanguageScope language("EN");
        h.w().cbg1->setItems({"3x3", "4x4", "5x5", "6x6"});
        h.Generate(3);
        language.Set("IT");
        h.Key(Qt::Key_F10);
        QCOMPARE(
            h.services.messages,
            Repeated(QStringLiteral("incorrect checkbox index:3"), 11) + QStringList(kRetries) +
                Repeated(QStringLiteral("index of checkbox errato:3"), 11) + QStringList(kRetries));
        QCOMPARE(h.w().game().State(), gsNone);
        QVERIFY(h.w().sg1->isHidden());
    }

    // A success after failed attempts: each failure has shown its message; the Generate button
    // is relabelled, unless it was the eleventh attempt, which still ends with the retries
    // message. Every attempt asks for the easy level and draws an index below the count.
    void successAfterFailedAttempts() {
        for (const int succeeding : {2, 11}) {
            int attempts = 0;
            QString levels;
            bool indices_in_range = true;
            const PuzzleSource late{
                [&](int32_t box_size, char level) {
                    levels.append(QLatin1Char(level));
                    return ++attempts < succeeding ? 0 : GetPuzzleCount(box_size, level);
                },
                [&](int32_t box_size, char level, int32_t index, std::string& puzzle,
                    std::string& solution) {
                    indices_in_range &= index >= 0 && index < GetPuzzleCount(box_size, level);
                    return GetPuzzle(box_size, level, index, puzzle, solution);
                }};
            WindowHarness h(late);
            LanguageScope language("IT");
            h.w().ApplyLanguage();
            h.Generate(succeeding == 2 ? 1 : 0);
            QCOMPARE(h.services.messages,
                     Repeated(QStringLiteral("ENGINE ERROR: 001"), succeeding - 1) +
                         (succeeding == 11 ? QStringList(kRetries) : QStringList()));
            QCOMPARE(levels, QString(succeeding, QLatin1Char('E')));
            QVERIFY(indices_in_range);
            QCOMPARE(h.w().game().State(), gsPuzzle);
            QCOMPARE(h.w().btnGenera->text(), succeeding == 11 ? QStringLiteral("Genera [F10]")
                                                               : QStringLiteral("Rigenera [F10]"));
        }
    }
};

QTEST_MAIN(GenerateTest)
#include "GenerateTest.moc"
