// SPDX-License-Identifier: GPL-3.0-or-later
// One game at a time: generation with retries, play and quit, the two views, the hint, erasing
// entries and the completion test.
#include <QAction>
#include <QCheckBox>

#include "bank/PuzzleBank.h"
#include "engine/Random.h"
#include "ui/Language.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/RadioGroup.h"
#include "ui/platform/Services.h"
#include "ui/window/Announcements.h"
#include "ui/window/Usudk0201.h"

namespace quintara {

namespace {

// Attempts after the first one before Generate gives up.
constexpr int kGenerateRetries = 10;

constexpr qint64 kMsPerSecond = 1000;
constexpr qint64 kMsPerMinute = 60 * kMsPerSecond;
constexpr qint64 kMsPerHour = 60 * kMsPerMinute;

QString Text(const std::string& engine_text) {
    return QString::fromLatin1(engine_text.c_str());
}

// Level letters of the difficulty group's items; '\0' (no stored puzzles) for anything else.
char LevelCodeOf(int item) {
    constexpr char kLevels[] = {'E', 'M', 'A'};
    return item >= 0 && item < 3 ? kLevels[item] : '\0';
}

}  // namespace

PuzzleSource BankPuzzles() {
    return {&quintara::GetPuzzleCount, &quintara::GetPuzzle};
}

bool TfrmSudoku::NewGame() {
    const int item = cbg1->ItemIndex();
    if (item < 0 || item > SizeItemOf(kLargestBoxSize)) {
        services_.ShowMessage(Pick("index of checkbox errato:", "incorrect checkbox index:") +
                              QString::number(item));
        return false;
    }
    const int32_t box_size = BoxSizeOfItem(item);
    if (!GridVisible() || box_size != ActiveBoxSize) {
        if (box_size != ActiveBoxSize) {
            SetWindowSizeFor(box_size);
        }
        SetupGrid(box_size);
    }
    const char level = LevelCodeOf(cbgLivello->ItemIndex());

    const int32_t count = puzzles_.GetPuzzleCount(box_size, level);
    if (count <= 0) {
        services_.ShowMessage(QStringLiteral("ENGINE ERROR: 001"));
        return false;
    }
    const int32_t index = RandomBelow(count);
    std::string puzzle;
    std::string solution;
    if (!puzzles_.GetPuzzle(box_size, level, index, puzzle, solution)) {
        services_.ShowMessage(QStringLiteral("ENGINE ERROR: 002"));
        return false;
    }

    if (Board && box_size == ActiveBoxSize) {
        Board->LoadGame(puzzle, solution, Symbols(box_size));
    } else {
        Board = std::make_unique<TsdBoard>(box_size, Symbols(box_size), puzzle, solution);
    }
    ActiveBoxSize = box_size;

    bool success = !Board->HasError();
    if (success) {
        Board->Genera();
        success = !Board->HasError() && Board->CheckSolution();
    }
    if (success) {
        CharGrid exported_puzzle{};
        CharGrid exported_solution{};
        Board->ExportPuzzle(exported_puzzle);
        Board->ExportSolution(exported_solution);
        PlayGrid = exported_puzzle;
        GivenGrid = exported_puzzle;
        SolutionGrid = exported_solution;
        sg1->SetFocus();
        GameState = gsPuzzle;
    } else {
        if (Board->HasError()) {
            services_.ShowMessage(Text(Board->GetErrorText()));
        }
        GameState = gsNone;
    }
    UpdateState();
    return success;
}

void TfrmSudoku::ActGeneraExecute(QObject* /*Sender*/) {
    int retries = 0;
    while (!NewGame() && retries < kGenerateRetries) {
        ++retries;
    }
    if (retries == kGenerateRetries) {
        services_.ShowMessage(QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES"));
        return;
    }
    if (ActPrint->isEnabled()) {
        ActGenera->setText(Pick("Rigenera [F10]", "Generate [F10]"));
    }
    if (GameState == gsPuzzle) {
        sg1->Announce(announcements::NewPuzzle(ActiveBoxSize * ActiveBoxSize));
    }
}

void TfrmSudoku::ActPlayExecute(QObject* /*Sender*/) {
    if (GameState == gsPlaying || GameState == gsPlayingSolution) {
        const platform::DialogAnswer answer =
            services_.MessageDlg(Pick("Abbandona il gioco in corso ?", "Quit the current game ?"));
        if (answer == platform::DialogAnswer::Yes) {
            GameState = gsPuzzle;
            ClearEntries();
            UpdateState();
            sg1->Announce(announcements::GameQuit());
        } else {
            FocusGridIfVisible();
        }
        return;
    }
    GameState = gsPlaying;
    UpdateState();
    StartTime = services_.Now();
    // The clock shows local time plus this offset, that is the time since the start; the
    // start's milliseconds are dropped.
    const QTime start = StartTime.time();
    Clock1->TimeOffset.Hours = -start.hour();
    Clock1->TimeOffset.Minutes = -start.minute();
    Clock1->TimeOffset.Seconds = -start.second();
    Clock1->Refresh();
    sg1->Announce(announcements::PlayStarted());
}

void TfrmSudoku::ActToggleViewExecute(QObject* /*Sender*/) {
    switch (GameState) {
        case gsPuzzle:
            GameState = gsSolution;
            break;
        case gsSolution:
            GameState = gsPuzzle;
            break;
        case gsPlaying:
            GameState = gsPlayingSolution;
            break;
        case gsPlayingSolution:
            GameState = gsPlaying;
            break;
        default:
            return;
    }
    UpdateState();
    sg1->Announce(announcements::ViewShown(GameState));
}

void TfrmSudoku::ActSuggerisciExecute(QObject* /*Sender*/) {
    const platform::TGridRect cell = sg1->Selection();
    if (GivenGrid[cell.Top][cell.Left] == ' ') {
        services_.ShowMessage(Pick("Per questa casella il miglior simbolo e' :",
                                   "For this box the best symbol is :") +
                              QChar::fromLatin1(SolutionGrid[cell.Top][cell.Left]) +
                              QStringLiteral(": "));
    }
    FocusGridIfVisible();
}

void TfrmSudoku::ClearEntries() {
    if (!Board) {
        return;
    }
    const int32_t size = Board->GetGridSize();
    for (int32_t row = 0; row < size; ++row) {
        for (int32_t col = 0; col < size; ++col) {
            if (GivenGrid[row][col] == ' ') {
                PlayGrid[row][col] = ' ';
            }
        }
    }
}

bool TfrmSudoku::CellClashes(int row, int col) const {
    const char ch = PlayGrid[row][col];
    return Board->ColHasOther(ch, row, col, PlayGrid) ||
           Board->RowHasOther(ch, row, col, PlayGrid) || Board->BoxHasOther(ch, row, col, PlayGrid);
}

void TfrmSudoku::CheckCompleted() {
    if (!Board) {
        return;
    }
    const int32_t size = Board->GetGridSize();
    for (int32_t row = 0; row < size; ++row) {
        for (int32_t col = 0; col < size; ++col) {
            if (PlayGrid[row][col] == ' ') {
                return;
            }
        }
    }
    for (int32_t row = 0; row < size; ++row) {
        for (int32_t col = 0; col < size; ++col) {
            if (CellClashes(row, col)) {
                return;
            }
        }
    }
    ShowCongratulation();
}

// Elapsed time as total hours, then the minutes and seconds left over. Counted in whole
// milliseconds, so 1 h 2 min 3 s never comes out as 3 min 2 s through rounding of a day fraction.
void TfrmSudoku::ShowCongratulation() {
    const qint64 span = qAbs(StartTime.msecsTo(services_.Now()));
    const qint64 hours = span / kMsPerHour;
    const qint64 minutes = span / kMsPerMinute - 60 * hours;
    const qint64 seconds = span / kMsPerSecond - 3600 * hours - 60 * minutes;
    const QString h = QString::number(hours);
    const QString m = QString::number(minutes);
    const QString s = QString::number(seconds);
    if (IsItalian()) {
        services_.ShowMessage(QStringLiteral("Congratulazioni !\r\nhai completato CORRETTAMENTE\r\n"
                                             "il Sudoku in:") +
                              h + QStringLiteral(": ore, :") + m + QStringLiteral(" min. e ") + s +
                              QStringLiteral(" secondi."));
    } else {
        services_.ShowMessage(
            QStringLiteral("Congratulations !\r\nYou've successfully completed\r\n"
                           "the Sudoku puzzle in:") +
            h + QStringLiteral(": hours, :") + m + QStringLiteral(" min. and ") + s +
            QStringLiteral(" seconds."));
    }
}

}  // namespace quintara
