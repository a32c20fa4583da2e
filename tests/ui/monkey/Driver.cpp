// The monkey's hands: real key presses and clicks on the offscreen window, the same inputs told to
// the model.
#include "Driver.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <random>

#include "engine/Random.h"
#include "ui/platform/DigitalClock.h"
#include "ui/platform/DrawGrid.h"
#include "ui/platform/PopupMenu.h"
#include "ui/platform/RadioGroup.h"
#include "ui/window/Usudk0201.h"

namespace quintara::monkey {

namespace {

// The generator's state for one event: the same for an event whatever ran before it.
uint32_t GeneratorState(uint32_t seed, size_t index) {
    std::seed_seq sequence{seed, static_cast<uint32_t>(index), static_cast<uint32_t>(index >> 32)};
    std::array<uint32_t, 1> state{};
    sequence.generate(state.begin(), state.end());
    return state[0];
}

Qt::Key KeyOf(const Chord& chord) {
    return static_cast<Qt::Key>(chord.key);
}

Qt::KeyboardModifiers ModifiersOf(const Chord& chord) {
    return chord.keypad ? chord.mods | Qt::KeypadModifier : chord.mods;
}

// The text a keyboard sends with a key: its character for the Latin-1 keys, nothing for the
// others (the test library knows the text of ASCII keys only).
QString TextOf(const Chord& chord) {
    if (chord.key < Qt::Key_Space || chord.key > Qt::Key_ydiaeresis) {
        return {};
    }
    const QChar character(static_cast<char16_t>(chord.key));
    return chord.mods.testFlag(Qt::ShiftModifier) ? QString(character)
                                                  : QString(character.toLower());
}

Chord SymbolKey(char symbol) {
    return symbol >= 'A' ? Chord{Qt::Key_A + (symbol - 'A'), Qt::NoModifier, false}
                         : Chord{Qt::Key_0 + (symbol - '0'), Qt::NoModifier, false};
}

bool IsArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

}  // namespace

Tally& Tally::operator+=(const Tally& other) {
    puzzles += other.puzzles;
    congratulations += other.congratulations;
    questions += other.questions;
    news += other.news;
    pages += other.pages;
    messages += other.messages;
    menus += other.menus;
    menu_items += other.menu_items;
    closes += other.closes;
    for (size_t i = 0; i < states.size(); ++i) {
        states[i] += other.states[i];
    }
    return *this;
}

std::string Tally::Summary() const {
    const auto n = [](size_t count) { return std::to_string(count); };
    return n(puzzles) + " puzzles, " + n(congratulations) + " completed, " + n(questions) +
           " quit questions, " + n(news) + " news dialogs, " + n(pages) + " web pages, " +
           n(messages) + " other messages, " + n(menus) + " menus (" + n(menu_items) +
           " items chosen), " + n(closes) + " closes; events ending in each state: none " +
           n(states[0]) + ", puzzle " + n(states[1]) + ", solution " + n(states[2]) + ", playing " +
           n(states[4]) + ", playing with the solution " + n(states[5]);
}

Driver::Driver(uint32_t seed, int64_t start_ms)
    : seed_(seed), services_(start_ms), model_(start_ms) {
    services_.on_dialog_closed = [this] { EnsureActive(); };
    Open();
}

Driver::~Driver() = default;

// The program's start: the main window, which creates its news dialog.
void Driver::Open() {
    window_ = std::make_unique<TfrmSudoku>(services_);
    window_->show();
    EnsureActive();
    (void)QTest::qWaitForWindowExposed(window_.get());
}

// The player closes the window mid-game and starts the program again.
void Driver::Reopen() {
    window_.reset();
    model_ = Model(services_.Now().toMSecsSinceEpoch());
    Open();
}

// A window manager gives the main window the activation back when a popup or a dialog closes;
// the offscreen platform does not, so the monkey does.
void Driver::EnsureActive() {
    if (QApplication::activeWindow() != window_.get()) {
        window_->activateWindow();
        QCoreApplication::processEvents();
        // A window that comes back without a focused control gives the focus to its first one.
        const std::optional<Target> focus = model_.Focus();
        if (focus == Target::Nothing || focus == Target::Window) {
            model_.ForgetFocus();
        }
    }
}

std::vector<std::string> Driver::TakeProblems() {
    return std::exchange(problems_, {});
}

void Driver::Problem(std::string text) {
    problems_.push_back(std::move(text));
}

void Driver::Perform(const Event& event, size_t index) {
    RandomState = GeneratorState(seed_, index);
    services_.SetAnswers(event.answers);
    model_.SetAnswers(event.answers);
    services_.AdvanceClock(event.advance_ms);
    model_.AdvanceClock(event.advance_ms);
    EnsureActive();
    switch (event.kind) {
        case Kind::Key:
            Key(event.chord);
            break;
        case Kind::Hold:
            Hold(event.chord, event.count);
            break;
        case Kind::Click:
            Click(event.button, event.aim, event.x, event.y, event.menu);
            break;
        case Kind::FontBurst:
            for (int i = 0; i < event.count; ++i) {
                Click(Mouse::Left, event.plus ? Aim::FontPlus : Aim::FontMinus, 0, 0, {});
            }
            break;
        case Kind::Smart:
            Smart(event);
            break;
        case Kind::Resize:
            Resize(event.x, event.y);
            break;
        case Kind::Close:
            Close();
            break;
    }
}

// ---- keys ------------------------------------------------------------------------------------

void Driver::Key(const Chord& chord) {
    Press(chord);
    Release(chord);
}

void Driver::Hold(const Chord& chord, int presses) {
    for (int i = 0; i < presses; ++i) {
        Press(chord);
    }
    Release(chord);
}

void Driver::Press(const Chord& chord) {
    SyncFocus();
    const std::optional<Target> before = model_.Focus();
    QTest::sendKeyEvent(QTest::Press, window_->windowHandle(), KeyOf(chord), TextOf(chord),
                        ModifiersOf(chord));
    model_.KeyPress(chord);
    TakePuzzleIfDrawn();
    // Arrows move among the size items, checking the next one; where is the toolkit's choice.
    const bool on_size_item =
        before == Target::Size0 || before == Target::Size1 || before == Target::Size2;
    if (on_size_item && IsArrow(chord.key)) {
        model_.SizeItemChosen(window_->cbg1->ItemIndex());
    }
}

void Driver::Release(const Chord& chord) {
    QTest::sendKeyEvent(QTest::Release, window_->windowHandle(), KeyOf(chord), TextOf(chord),
                        ModifiersOf(chord));
    model_.KeyRelease(chord);
    TakePuzzleIfDrawn();
}

// Before a key goes in, the model must know where it goes: where it cannot follow the toolkit it
// learns the focus here; where it can, the focus must be where it says.
void Driver::SyncFocus() {
    const Target actual = FocusedTarget();
    const std::optional<Target> expected = model_.Focus();
    if (!expected) {
        model_.FocusMovedTo(actual);
    } else if (*expected != actual) {
        Problem(std::string("focus: on ") + Name(actual) + " before a key, expected on " +
                Name(*expected));
        model_.FocusMovedTo(actual);
    }
}

void Driver::TakePuzzleIfDrawn() {
    if (!model_.AwaitingPuzzle()) {
        return;
    }
    const TfrmSudoku& w = *window_;
    Puzzle puzzle;
    puzzle.box = w.ActiveBoxSize;
    const int n = std::clamp(w.ActiveBoxSize, 0, 8) * std::clamp(w.ActiveBoxSize, 0, 8);
    for (int row = 0; row < n; ++row) {
        for (int col = 0; col < n; ++col) {
            puzzle.given.push_back(w.GivenGrid[row][col]);
            puzzle.solution.push_back(w.SolutionGrid[row][col]);
            puzzle.play.push_back(w.PlayGrid[row][col]);
        }
    }
    model_.TakePuzzle(puzzle);
    ++tally_.puzzles;
}

// ---- the mouse -------------------------------------------------------------------------------

QWidget* Driver::AimedWidget(Aim aim) const {
    TfrmSudoku& w = *window_;
    switch (aim) {
        case Aim::Generate:
            return w.btnGenera;
        case Aim::SizeItem0:
        case Aim::SizeItem1:
        case Aim::SizeItem2:
            return w.cbg1->Button(static_cast<int>(aim) - static_cast<int>(Aim::SizeItem0));
        case Aim::Play:
            return w.btnPlay;
        case Aim::Toggle:
            return w.btnToggleView;
        case Aim::Print:
            return w.btnPrint;
        case Aim::Hint:
            return w.cxButton1;
        case Aim::HideTimer:
            return w.cbxHideTimer;
        case Aim::ErrorView:
            return w.cbxControllo;
        case Aim::FontPlus:
            return w.btnFontPiu;
        case Aim::FontMinus:
            return w.btnFontMeno;
        case Aim::Help:
            return w.btnHelp;
        case Aim::Link:
            return w.cxHyperLinkEdit2;
        case Aim::Clock:
            return w.Clock1;
        default:
            return w.Panel1;
    }
}

QPoint Driver::CellCentreInGrid(Cell cell) const {
    const int pitch_x = model_.CellWidth() + model_.LineWidth();
    const int pitch_y = model_.CellHeight() + model_.LineWidth();
    return window_->sg1->contentsRect().topLeft() +
           QPoint(cell.col * pitch_x + model_.CellWidth() / 2,
                  cell.row * pitch_y + model_.CellHeight() / 2);
}

QPoint Driver::CellCentre(Cell cell) const {
    return window_->sg1->mapTo(window_.get(), CellCentreInGrid(cell));
}

// The cell under a point of the window by the model's geometry: a point on the thin line after a
// cell belongs to that cell; none beyond the last cell.
std::optional<Cell> Driver::CellAt(QPoint at) const {
    const QPoint p =
        window_->sg1->mapFrom(window_.get(), at) - window_->sg1->contentsRect().topLeft();
    const int col = p.x() / (model_.CellWidth() + model_.LineWidth());
    const int row = p.y() / (model_.CellHeight() + model_.LineWidth());
    if (p.x() < 0 || p.y() < 0 || col >= model_.GridRows() || row >= model_.GridRows()) {
        return std::nullopt;
    }
    return Cell{col, row};
}

namespace {

// Where a rectangle settles whether a click counts: inside it, clearly; outside, clearly; within
// two pixels of its edge, a matter of pixels the monkey does not bet on.
std::optional<bool> Inside(const QRect& area, QPoint p) {
    if (area.adjusted(2, 2, -2, -2).contains(p)) {
        return true;
    }
    if (area.adjusted(-2, -2, 2, 2).contains(p)) {
        return std::nullopt;
    }
    return false;
}

// The part of a check box or radio item that takes a click: its box and its text.
QRect ClickArea(const QAbstractButton& button) {
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const bool radio = qobject_cast<const QRadioButton*>(&button) != nullptr;
    return button.style()->subElementRect(
        radio ? QStyle::SE_RadioButtonClickRect : QStyle::SE_CheckBoxClickRect, &option, &button);
}

// The part of the link label that opens the link: its text.
QRect LinkText(const QLabel& link) {
    const QFontMetrics metrics(link.font());
    const QRect contents = link.contentsRect();
    const QString text = QString(link.text()).remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return QRect(contents.left(), contents.top() + (contents.height() - metrics.height()) / 2,
                 metrics.horizontalAdvance(text), metrics.height());
}

}  // namespace

// What a click at a point lands on, and whether it works the control there: the link opens and
// check boxes and radio items switch only on their text. Nothing for a click on such an edge.
std::optional<Driver::Hit> Driver::HitAt(QPoint at) const {
    const QWidget* widget = window_->childAt(at);
    const Target target = Classify(widget);
    const auto* button = qobject_cast<const QAbstractButton*>(widget);
    std::optional<bool> works = true;
    if (target == Target::Link) {
        works = Inside(LinkText(*window_->cxHyperLinkEdit2), widget->mapFrom(window_.get(), at));
    } else if (button != nullptr && qobject_cast<const QPushButton*>(button) == nullptr) {
        works = Inside(ClickArea(*button), widget->mapFrom(window_.get(), at));
    }
    if (!works) {
        return std::nullopt;
    }
    if (target == Target::Link && !*works) {
        return Hit{Target::Inert, true};
    }
    return Hit{target, *works};
}

void Driver::Click(Mouse button, Aim aim, uint16_t x, uint16_t y, const MenuScript& menu) {
    if (aim == Aim::Cell) {
        const int n = model_.GridRows();
        const Cell cell{static_cast<int>(x * n / 65536), static_cast<int>(y * n / 65536)};
        ClickAt(button, CellCentre(cell), menu);
    } else if (aim == Aim::BesideCells) {
        const int n = model_.GridRows();
        const QPoint last = CellCentre({n - 1, n - 1});
        ClickAt(button, last + QPoint(model_.CellWidth(), model_.CellHeight()), menu);
    } else {
        QWidget* widget = AimedWidget(aim);
        // Check boxes, radio items and the link react on their text's left part.
        const bool left_part = aim == Aim::SizeItem0 || aim == Aim::SizeItem1 ||
                               aim == Aim::SizeItem2 || aim == Aim::HideTimer ||
                               aim == Aim::ErrorView || aim == Aim::Link;
        const QPoint inside = left_part ? QPoint(8, widget->height() / 2) : widget->rect().center();
        ClickAt(button, widget->mapTo(window_.get(), inside), menu);
    }
}

// Presses and releases a mouse button at a point of the window. What the point lands on is what
// the toolkit finds there; the model hears of it before the click, so that a menu the click opens
// can be checked against it.
void Driver::ClickAt(Mouse button, QPoint at, const MenuScript& menu) {
    if (!window_->rect().contains(at)) {
        return;  // the aim lies outside a window made small: no click
    }
    const std::optional<Hit> found = HitAt(at);
    if (!found) {
        return;
    }
    const Target hit = found->target;
    const bool menu_expected =
        model_.Click(button, hit, hit == Target::Grid ? CellAt(at) : std::nullopt, found->works);
    static constexpr std::array<Qt::MouseButton, 3> kButtons = {Qt::LeftButton, Qt::RightButton,
                                                                Qt::MiddleButton};
    const Qt::MouseButton qt_button = kButtons[static_cast<size_t>(button)];
    if (qt_button != Qt::RightButton) {
        QTest::mouseClick(window_->windowHandle(), qt_button, {}, at);
        TakePuzzleIfDrawn();
        return;
    }
    // The menu runs its own event loop from the press on: work it from a timer of that loop.
    bool menu_ran = false;
    QTimer in_menu;
    in_menu.setSingleShot(true);
    QObject::connect(&in_menu, &QTimer::timeout, [&] {
        auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        const bool own_menu = hit == Target::Link || hit == Target::ScrollBar;
        if (open != nullptr && open != window_->popm1 && own_menu) {
            // The toolkit's menu of a link or a scroll bar, not the game's; Qt 5 frees the
            // link's as it closes, so it is closed without a key that would outlive it.
            open->close();
        } else if (open != nullptr) {
            menu_ran = true;
            RunMenu(*open, menu_expected, menu);
        }
    });
    in_menu.start(0);
    QTest::mouseClick(window_->windowHandle(), qt_button, {}, at);
    in_menu.stop();
    if (menu_expected && !menu_ran) {
        Problem("menu: a right click on the grid opened no context menu");
    }
    TakePuzzleIfDrawn();
    EnsureActive();
}

void Driver::RunMenu(QMenu& open, bool expected, const MenuScript& script) {
    QMenu* menu = &open;
    QWindow* handle = menu->windowHandle();
    if (!expected || menu != window_->popm1) {
        Problem("menu: a context menu opened where none should");
        QTest::keyClick(handle, Qt::Key_Escape);
        return;
    }
    ++tally_.menus;
    std::vector<std::string> shown;
    for (const QAction* item : menu->actions()) {
        shown.push_back(item->text().toStdString());
        if (!item->isEnabled() || !item->isVisible()) {
            Problem("menu: item \"" + shown.back() + "\" is not usable");
        }
    }
    const std::vector<std::string> items = model_.MenuItems();
    if (shown != items) {
        Problem("menu: the open menu shows other items than expected");
    }
    if (shown.empty()) {
        QTest::keyClick(handle, Qt::Key_Escape);
        return;
    }
    if (script.stray) {
        // No key changes the game while the menu is open; some close the menu.
        QTest::keyClick(handle, KeyOf(script.stray_key), ModifiersOf(script.stray_key));
        if (QApplication::activePopupWidget() != menu) {
            return;
        }
    }
    const size_t index = script.item % std::max<size_t>(items.size(), 1);
    switch (script.choice) {
        case MenuChoice::ItemByMouse:
            ++tally_.menu_items;
            model_.ChooseMenuItem(index);
            QTest::mouseClick(
                handle, Qt::LeftButton, {},
                menu->actionGeometry(menu->actions().value(static_cast<int>(index % shown.size())))
                    .center());
            break;
        case MenuChoice::ItemByKeys:
            ++tally_.menu_items;
            model_.ChooseMenuItem(index);
            for (size_t i = 0; i <= index; ++i) {
                QTest::keyClick(handle, Qt::Key_Down);
            }
            QTest::keyClick(handle, Qt::Key_Return);
            break;
        case MenuChoice::Escape:
            QTest::keyClick(handle, Qt::Key_Escape);
            break;
    }
}

// ---- the other events ------------------------------------------------------------------------

// Fills open cells with the solution's symbols as a player would: scroll the cell into view,
// click it, type its symbol or pick it from the context menu.
void Driver::Smart(const Event& event) {
    if (model_.state() != State::Playing || !model_.HasPuzzle()) {
        return;
    }
    std::vector<Cell> cells = model_.OpenCells();
    std::mt19937 order(event.pick);
    std::shuffle(cells.begin(), cells.end(), order);
    if (event.count > 0 && cells.size() > static_cast<size_t>(event.count)) {
        cells.resize(static_cast<size_t>(event.count));
    }
    const std::string_view alphabet = Model::Alphabet(model_.Box());
    for (const Cell cell : cells) {
        if (model_.state() != State::Playing) {
            return;
        }
        const QPoint centre = CellCentreInGrid(cell);
        window_->sg1Scroller->ensureVisible(centre.x(), centre.y(), model_.CellWidth(),
                                            model_.CellHeight());
        ClickAt(Mouse::Left, CellCentre(cell), {});
        const char symbol = model_.SolutionAt(cell);
        if (event.by_menu) {
            MenuScript pick;
            pick.choice = MenuChoice::ItemByMouse;
            pick.item = static_cast<uint32_t>(alphabet.find(symbol) + 1);
            ClickAt(Mouse::Right, CellCentre(cell), pick);
        } else {
            Key(SymbolKey(symbol));
        }
    }
}

void Driver::Resize(uint16_t width, uint16_t height) {
    if (height == 0) {
        window_->showMaximized();
    } else {
        if (window_->isMaximized()) {
            window_->showNormal();
        }
        window_->resize(width, height);
    }
    QCoreApplication::processEvents();
}

// Closing asks nothing, even in the middle of a game; then the program starts again.
void Driver::Close() {
    window_->close();
    if (window_->isVisible()) {
        Problem("close: the window stayed open");
    }
    const std::vector<Output> said = services_.TakeOutputs();
    if (!said.empty()) {
        Problem("close: closing the window said " + Describe(said.front()));
    }
    ++tally_.closes;
    Reopen();
}

// ---- what is where ---------------------------------------------------------------------------

Target Driver::FocusedTarget() const {
    return Classify(QApplication::focusWidget());
}

Target Driver::Classify(const QWidget* widget) const {
    const TfrmSudoku& w = *window_;
    if (widget == nullptr) {
        return Target::Nothing;
    }
    if (widget == window_.get()) {
        return Target::Window;
    }
    if (widget == w.sg1) {
        return Target::Grid;
    }
    if (qobject_cast<const QScrollBar*>(widget) != nullptr) {
        return Target::ScrollBar;
    }
    if (widget == w.sg1Scroller || widget == w.sg1Scroller->viewport()) {
        return Target::GridArea;
    }
    const std::array<std::pair<const QWidget*, Target>, 14> known = {{
        {w.btnGenera, Target::Generate},
        {w.cbg1->Button(0), Target::Size0},
        {w.cbg1->Button(1), Target::Size1},
        {w.cbg1->Button(2), Target::Size2},
        {w.btnPlay, Target::Play},
        {w.btnToggleView, Target::Toggle},
        {w.cxButton1, Target::Hint},
        {w.cbxHideTimer, Target::HideTimer},
        {w.cbxControllo, Target::ErrorView},
        {w.btnFontPiu, Target::FontPlus},
        {w.btnFontMeno, Target::FontMinus},
        {w.btnHelp, Target::Help},
        {w.cxHyperLinkEdit2, Target::Link},
        {w.btnPrint, Target::Inert},  // hidden for good: never under a click
    }};
    for (const auto& [known_widget, target] : known) {
        if (widget == known_widget) {
            return target;
        }
    }
    return Target::Inert;
}

}  // namespace quintara::monkey
