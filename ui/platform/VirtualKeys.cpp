// SPDX-License-Identifier: GPL-3.0-or-later
// Translation of Qt key events into the virtual-key codes of the window code.
#include "ui/platform/VirtualKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace quintara::platform {

namespace {

constexpr quint32 kX11KeycodeOffset = 8;

// The US-layout key at each evdev number of the main keyboard's character keys, which is the
// virtual key Windows gives the key at that place under a layout of another script. Digits:
// KEY_1 .. KEY_0 are 2 .. 11; letters: KEY_Q .. KEY_P 16 .. 25, KEY_A .. KEY_L 30 .. 38,
// KEY_Z .. KEY_M 44 .. 50; the others are punctuation.
struct KeyPlace {
    quint32 evdev;
    TVirtualKey vk;
};
constexpr KeyPlace kKeyPlaces[] = {
    {2, '1'},           {3, '2'},
    {4, '3'},           {5, '4'},
    {6, '5'},           {7, '6'},
    {8, '7'},           {9, '8'},
    {10, '9'},          {11, '0'},
    {12, VK_OEM_MINUS}, {13, VK_OEM_PLUS},
    {16, 'Q'},          {17, 'W'},
    {18, 'E'},          {19, 'R'},
    {20, 'T'},          {21, 'Y'},
    {22, 'U'},          {23, 'I'},
    {24, 'O'},          {25, 'P'},
    {26, VK_OEM_4},     {27, VK_OEM_6},
    {30, 'A'},          {31, 'S'},
    {32, 'D'},          {33, 'F'},
    {34, 'G'},          {35, 'H'},
    {36, 'J'},          {37, 'K'},
    {38, 'L'},          {39, VK_OEM_1},
    {40, VK_OEM_7},     {41, VK_OEM_3},
    {43, VK_OEM_5},     {44, 'Z'},
    {45, 'X'},          {46, 'C'},
    {47, 'V'},          {48, 'B'},
    {49, 'N'},          {50, 'M'},
    {51, VK_OEM_COMMA}, {52, VK_OEM_PERIOD},
    {53, VK_OEM_2},     {86, VK_OEM_102},
};

// The US-layout key at an xkb keycode's place; 0 for other keys.
TVirtualKey KeyAtPlace(quint32 keycode) {
    for (const KeyPlace& place : kKeyPlaces) {
        if (place.evdev + kX11KeycodeOffset == keycode) {
            return place.vk;
        }
    }
    return 0;
}

bool IsDigit(TVirtualKey vk) {
    return vk >= '0' && vk <= '9';
}

bool IsLetter(TVirtualKey vk) {
    return vk >= 'A' && vk <= 'Z';
}

bool IsDeadKey(int key) {
    return key >= Qt::Key_Dead_Grave && key <= Qt::Key_Dead_Longsolidusoverlay;
}

// Qt names a character key by its upper-case character, or by a Qt::Key above the characters.
bool IsCharacter(int key) {
    return key > Qt::Key_Space && key <= 0xFFFF;
}

bool IsLatinLetter(int key) {
    return IsCharacter(key) && QChar(static_cast<char16_t>(key)).isLetter() &&
           QChar::script(static_cast<uint>(key)) == QChar::Script_Latin;
}

bool IsOtherScriptLetter(int key) {
    return IsCharacter(key) && QChar(static_cast<char16_t>(key)).isLetter() && !IsLatinLetter(key);
}

// Character keys other than letters and digits. Without the physical key only the character is
// known, so the punctuation keys get their US-layout codes and any other character key (a shifted
// digit, an accented letter) a code of its own: it reaches the grid and enters nothing.
TVirtualKey FromPunctuation(int key) {
    switch (key) {
        case Qt::Key_Semicolon:
        case Qt::Key_Colon:
            return VK_OEM_1;
        case Qt::Key_Equal:
        case Qt::Key_Plus:
            return VK_OEM_PLUS;
        case Qt::Key_Comma:
        case Qt::Key_Less:
            return VK_OEM_COMMA;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return VK_OEM_MINUS;
        case Qt::Key_Period:
        case Qt::Key_Greater:
            return VK_OEM_PERIOD;
        case Qt::Key_Slash:
        case Qt::Key_Question:
            return VK_OEM_2;
        case Qt::Key_QuoteLeft:
        case Qt::Key_AsciiTilde:
            return VK_OEM_3;
        case Qt::Key_BracketLeft:
        case Qt::Key_BraceLeft:
            return VK_OEM_4;
        case Qt::Key_Backslash:
        case Qt::Key_Bar:
            return VK_OEM_5;
        case Qt::Key_BracketRight:
        case Qt::Key_BraceRight:
            return VK_OEM_6;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl:
            return VK_OEM_7;
        default:
            // Qt's codes of non-character keys start at Qt::Key_Escape.
            return (key > Qt::Key_Space && key < Qt::Key_Escape) || IsDeadKey(key) ? VK_OEM_8 : 0;
    }
}

// Punctuation that has a key of its own on the US keyboard, and so a VK_OEM code.
bool IsUsPunctuation(int key) {
    const TVirtualKey vk = FromPunctuation(key);
    return vk != 0 && vk != VK_OEM_8;
}

TVirtualKey LatinLetterOf(quint32 keysym) {
    if (keysym >= 'a' && keysym <= 'z') {
        return static_cast<TVirtualKey>(keysym - 'a' + 'A');
    }
    return keysym >= 'A' && keysym <= 'Z' ? static_cast<TVirtualKey>(keysym) : 0;
}

TVirtualKey FromKeypad(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return static_cast<TVirtualKey>(VK_NUMPAD0 + (key - Qt::Key_0));
    }
    switch (key) {
        case Qt::Key_Asterisk:
            return VK_MULTIPLY;
        case Qt::Key_Plus:
            return VK_ADD;
        case Qt::Key_Minus:
            return VK_SUBTRACT;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return VK_DECIMAL;
        case Qt::Key_Slash:
            return VK_DIVIDE;
        default:
            return 0;  // navigation keys of the keypad read like the main ones
    }
}

TVirtualKey FromQtKey(int key) {
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return static_cast<TVirtualKey>(key);  // Qt::Key uses the upper-case ASCII codes here
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<TVirtualKey>(VK_F1 + (key - Qt::Key_F1));
    }
    switch (key) {
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
        case Qt::Key_AltGr:  // followed by VK_MENU, see SecondKeyOf
            return VK_CONTROL;
        case Qt::Key_Alt:
            return VK_MENU;
        case Qt::Key_Clear:  // keypad 5 without NumLock
            return VK_CLEAR;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Insert:
            return VK_INSERT;
        case Qt::Key_Delete:
            return VK_DELETE;
        case Qt::Key_Pause:
            return VK_PAUSE;
        case Qt::Key_CapsLock:
            return VK_CAPITAL;
        case Qt::Key_NumLock:
            return VK_NUMLOCK;
        case Qt::Key_ScrollLock:
            return VK_SCROLL;
        case Qt::Key_Print:
            return VK_SNAPSHOT;
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
            return VK_LWIN;
        case Qt::Key_Super_R:
            return VK_RWIN;
        case Qt::Key_Menu:
            return VK_APPS;
        default:
            return FromPunctuation(key);
    }
}

}  // namespace

NativeKeys CurrentNativeKeys() {
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("windows")) {
        return NativeKeys::Windows;
    }
    const bool xkb =
        platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
    return xkb ? NativeKeys::X11 : NativeKeys::None;
}

// Something other than a letter or a digit on a letter key: a combining mark (Thai, Devanagari),
// a symbol, or punctuation of a layout that keeps the Latin letters in place.
TVirtualKey TKeyboardLayout::FromNonLetterOnLetterKey(TVirtualKey at_place, int key) const {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return 0;
    }
    if (IsUsPunctuation(key) && moves_latin_letters_) {
        return 0;
    }
    return IsCharacter(key) ? at_place : 0;
}

// Digits by place; A to Z by keysym; other Latin letters as Windows' Latin layouts give them, a
// key that is no letter from A to Z; letters of other scripts and dead keys by place; anything
// else on a letter key as above. 0 when the native data says nothing more than Qt::Key does.
TVirtualKey TKeyboardLayout::FromX11(quint32 keycode, quint32 keysym, int key) {
    const TVirtualKey at_place = KeyAtPlace(keycode);
    if (IsDigit(at_place)) {
        return at_place;
    }
    if (const TVirtualKey letter = LatinLetterOf(keysym)) {
        moves_latin_letters_ |= at_place != 0 && letter != at_place;
        return letter;
    }
    if (IsLatinLetter(key)) {
        moves_latin_letters_ |= at_place != 0;
        return IsLetter(at_place) ? VK_OEM_8 : at_place;
    }
    if (IsOtherScriptLetter(key)) {
        moves_latin_letters_ = false;
        return at_place;
    }
    if (IsDeadKey(key)) {
        return at_place;
    }
    return IsLetter(at_place) ? FromNonLetterOnLetterKey(at_place, key) : 0;
}

TVirtualKey TKeyboardLayout::VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    if (native_ == NativeKeys::Windows && event.nativeVirtualKey() != 0) {
        return static_cast<TVirtualKey>(event.nativeVirtualKey());
    }
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (const TVirtualKey vk = FromKeypad(key)) {
            return vk;
        }
        return FromQtKey(key);
    }
    if (native_ == NativeKeys::X11) {
        if (const TVirtualKey vk = FromX11(event.nativeScanCode(), event.nativeVirtualKey(), key)) {
            return vk;
        }
    }
    return FromQtKey(key);
}

int SecondKeyOf(const QKeyEvent& event, NativeKeys native) {
    return native != NativeKeys::Windows && event.key() == Qt::Key_AltGr ? Qt::Key_Alt : 0;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers mods) {
    TShiftState state = 0;
    if (mods.testFlag(Qt::ShiftModifier)) {
        state |= ssShift;
    }
    if (mods.testFlag(Qt::AltModifier)) {
        state |= ssAlt;
    }
    if (mods.testFlag(Qt::ControlModifier)) {
        state |= ssCtrl;
    }
    return state;
}

}  // namespace quintara::platform
