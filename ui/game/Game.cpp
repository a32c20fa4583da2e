// SPDX-License-Identifier: GPL-3.0-or-later
// One game at a time: generation with retries, play and quit, the two views, the hint, entries,
// erasing them and the completion test.
#include "ui/game/Game.h"

#include <algorithm>

#include "bank/PuzzleBank.h"
#include "engine/Random.h"
#include "ui/Language.h"
#include "ui/game/StateTable.h"
#include "ui/platform/Services.h"

namespace quintara {

using enum GameState;

namespace {

// Attempts after the first one before Generate gives up.
constexpr int kGenerateRetries = 10;

constexpr qint64 kMsPerSecond = 1000;
constexpr qint64 kMsPerMinute = 60 * kMsPerSecond;
constexpr qint64 kMsPerHour = 60 * kMsPerMinute;

// Level letters of the difficulty group's items; '\0' (no stored puzzles) for anything else.
char LevelCodeOf(int item) {
    constexpr char kLevels[] = {'E', 'M', 'A'};
    return item >= 0 && item < 3 ? kLevels[item] : '\0';
}

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.c_str());
}

}  // namespace

PuzzleSource BankPuzzles() {
    return {&quintara::GetPuzzleCount, &quintara::GetPuzzle};
}

Game::Game(platform::Services& services, PuzzleSource puzzles, GameView& view)
    : services_(services), puzzles_(std::move(puzzles)), view_(view) {}

Game::~Game() = default;

void Game::Reset() {
    board_.reset();
    box_size_ = kSmallestBoxSize;
    laid_out_ = false;
    state_ = gsNone;
}

bool Game::Playing() const {
    return state_ == gsPlaying || state_ == gsPlayingSolution;
}

void Game::SetState(GameState state) {
    state_ = state;
    view_.StateChanged();
}

// The grid takes the new size at once, so that its box lines and its cells always agree, even
// when the attempt then fails before a board of that size exists.
void Game::LayOutFor(int32_t box_size) {
    const bool size_changed = box_size != box_size_;
    box_size_ = box_size;
    laid_out_ = true;
    for (auto& row : play_) {
        row.fill('.');
    }
    view_.LayOut(box_size, size_changed);
}

// A board of the same size is reloaded; another size needs a new one.
bool Game::LoadBoard(int32_t box_size, const std::string& puzzle, const std::string& solution) {
    const std::string alphabet(SymbolsOf(box_size));
    if (board_ && board_->GetGridSize() == box_size * box_size) {
        board_->LoadGame(puzzle, solution, alphabet);
    } else {
        board_ = std::make_unique<TsdBoard>(box_size, alphabet, puzzle, solution);
    }
    if (board_->HasError()) {
        return false;
    }
    board_->Genera();
    return !board_->HasError() && board_->CheckSolution();
}

bool Game::NewGame(int size_item, int level_item) {
    if (size_item < 0 || size_item > SizeItemOf(kLargestBoxSize)) {
        services_.ShowMessage(Pick("index of checkbox errato:", "incorrect checkbox index:") +
                              QString::number(size_item));
        return false;
    }
    const int32_t box_size = BoxSizeOfItem(size_item);
    if (!laid_out_ || box_size != box_size_) {
        LayOutFor(box_size);
    }
    const char level = LevelCodeOf(level_item);

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

    const bool success = LoadBoard(box_size, puzzle, solution);
    if (success) {
        CharGrid exported_puzzle{};
        CharGrid exported_solution{};
        board_->ExportPuzzle(exported_puzzle);
        board_->ExportSolution(exported_solution);
        play_ = exported_puzzle;
        given_ = exported_puzzle;
        solution_ = exported_solution;
        view_.NewPuzzle();
    } else if (board_->HasError()) {
        services_.ShowMessage(Latin1(board_->GetErrorText()));
    }
    SetState(success ? gsPuzzle : gsNone);
    return success;
}

bool Game::Generate(int size_item, int level_item) {
    int retries = 0;
    while (!NewGame(size_item, level_item) && retries < kGenerateRetries) {
        ++retries;
    }
    if (retries == kGenerateRetries) {
        services_.ShowMessage(QStringLiteral("INTERNAL ERROR ENGINE 10 RETRIES"));
        return false;
    }
    return true;
}

void Game::Play() {
    SetState(gsPlaying);
    start_time_ = services_.Now();
}

bool Game::Quit() {
    const platform::DialogAnswer answer =
        services_.MessageDlg(Pick("Abbandona il gioco in corso ?", "Quit the current game ?"));
    if (answer != platform::DialogAnswer::Yes) {
        return false;
    }
    state_ = gsPuzzle;
    ClearEntries();
    view_.StateChanged();
    return true;
}

void Game::ToggleView() {
    if (state_ == gsNone) {
        return;
    }
    if (const StateRow* row = RowOf(state_)) {
        SetState(row->toggled);
    }
}

bool Game::InGrid(CellPlace cell) const {
    return cell.col >= 0 && cell.row >= 0 && cell.col < GridSize() && cell.row < GridSize();
}

void Game::Hint(CellPlace cell) {
    if (!InGrid(cell) || IsGiven(cell.row, cell.col)) {
        return;
    }
    services_.ShowMessage(
        Pick("Per questa casella il miglior simbolo e' :", "For this box the best symbol is :") +
        QChar::fromLatin1(solution_[cell.row][cell.col]) + QStringLiteral(": "));
}

// The cells of the same row, column and box: the only ones whose clash mark an entry can change.
std::vector<CellPlace> Game::CellsMarkedAround(CellPlace cell) const {
    std::vector<CellPlace> cells;
    const int side = GridSize();
    const int box_col = cell.col - cell.col % box_size_;
    const int box_row = cell.row - cell.row % box_size_;
    for (int i = 0; i < side; ++i) {
        cells.push_back({i, cell.row});
        cells.push_back({cell.col, i});
        cells.push_back({box_col + i % box_size_, box_row + i / box_size_});
    }
    return cells;
}

Game::Entry Game::Enter(CellPlace cell, char ch) {
    if (state_ != gsPlaying || !board_) {
        return Entry::NotPlaying;
    }
    if (!InGrid(cell) || given_[cell.row][cell.col] != ' ') {
        return Entry::OnGiven;
    }
    if (ch != ' ' && !board_->IsSymbol(ch)) {
        return Entry::NotASymbol;
    }
    const std::vector<CellPlace> around = CellsMarkedAround(cell);
    std::vector<bool> marked_before;
    for (const CellPlace& place : around) {
        marked_before.push_back(ShowsClash(place.row, place.col));
    }
    play_[cell.row][cell.col] = ch;
    std::vector<CellPlace> changed = {cell};
    for (size_t i = 0; i < around.size(); ++i) {
        const CellPlace& place = around[i];
        if (ShowsClash(place.row, place.col) != marked_before[i] &&
            std::find(changed.begin(), changed.end(), place) == changed.end()) {
            changed.push_back(place);
        }
    }
    view_.CellsChanged(changed);
    CheckCompleted();
    return Entry::Written;
}

void Game::ExplainHowToPlay() {
    if (state_ == gsPlayingSolution) {
        services_.ShowMessage(Pick("Per giocare clicka su [Visualizza gioco] o premi [F6] !",
                                   "To play click on [View Game] or press [F6] !"));
    } else if (state_ != gsPlaying) {
        services_.ShowMessage(Pick("Per iniziare a giocare clicka su [Gioca] o premi [F5] !",
                                   "To start playing click [Play] or press [F5] !"));
    }
}

void Game::SetErrorView(bool on) {
    error_view_ = on;
}

void Game::ClearEntries() {
    if (!board_) {
        return;
    }
    const int32_t size = board_->GetGridSize();
    for (int32_t row = 0; row < size; ++row) {
        for (int32_t col = 0; col < size; ++col) {
            if (given_[row][col] == ' ') {
                play_[row][col] = ' ';
            }
        }
    }
}

char Game::ShownSymbol(int row, int col) const {
    const bool shows_play = state_ == gsPuzzle || state_ == gsPlaying;
    return shows_play ? play_[row][col] : solution_[row][col];
}

bool Game::IsGiven(int row, int col) const {
    return given_[row][col] != ' ';
}

bool Game::Clashes(int row, int col) const {
    const char ch = play_[row][col];
    return board_ &&
           (board_->ColHasOther(ch, row, col, play_) || board_->RowHasOther(ch, row, col, play_) ||
            board_->BoxHasOther(ch, row, col, play_));
}

bool Game::ShowsClash(int row, int col) const {
    return state_ == gsPlaying && error_view_ && play_[row][col] != ' ' && Clashes(row, col);
}

void Game::CheckCompleted() {
    const int32_t size = board_->GetGridSize();
    for (int32_t row = 0; row < size; ++row) {
        for (int32_t col = 0; col < size; ++col) {
            if (play_[row][col] == ' ') {
                return;
            }
        }
    }
    for (int32_t row = 0; row < size; ++row) {
        for (int32_t col = 0; col < size; ++col) {
            if (Clashes(row, col)) {
                return;
            }
        }
    }
    services_.ShowMessage(CongratulationText());
}

// Elapsed time as total hours, then the minutes and seconds left over. Counted in whole
// milliseconds, so 1 h 2 min 3 s never comes out as 3 min 2 s through rounding of a day fraction.
QString Game::CongratulationText() const {
    const qint64 span = qAbs(start_time_.msecsTo(services_.Now()));
    const qint64 hours = span / kMsPerHour;
    const qint64 minutes = span / kMsPerMinute - 60 * hours;
    const qint64 seconds = span / kMsPerSecond - 3600 * hours - 60 * minutes;
    const QString h = QString::number(hours);
    const QString m = QString::number(minutes);
    const QString s = QString::number(seconds);
    if (IsItalian()) {
        return QStringLiteral(
                   "Congratulazioni !\r\nhai completato CORRETTAMENTE\r\nil Sudoku in:") +
               h + QStringLiteral(": ore, :") + m + QStringLiteral(" min. e ") + s +
               QStringLiteral(" secondi.");
    }
    return QStringLiteral(
               "Congratulations !\r\nYou've successfully completed\r\n"
               "the Sudoku puzzle in:") +
           h + QStringLiteral(": hours, :") + m + QStringLiteral(" min. and ") + s +
           QStringLiteral(" seconds.");
}

}  // namespace quintara
