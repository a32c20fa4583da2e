// Translation of Qt key events into the virtual-key codes of the window code.
#include "ui/platform/VirtualKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace quintara::platform {

namespace {

// Evdev numbers of the main keyboard's digit row: KEY_1 .. KEY_9 are 2 .. 10, KEY_0 is 11.
constexpr quint32 kX11KeycodeOffset = 8;
constexpr quint32 kEvdevKey1 = 2;
constexpr quint32 kEvdevKey0 = 11;

TVirtualKey Ascii(char c) {
    return static_cast<TVirtualKey>(c);
}

// Digits by keycode, letters by keysym; 0 when X11 says nothing useful about the key.
TVirtualKey FromX11(quint32 keycode, quint32 keysym) {
    if (keycode >= kX11KeycodeOffset) {
        const quint32 evdev = keycode - kX11KeycodeOffset;
        if (evdev >= kEvdevKey1 && evdev < kEvdevKey0) {
            return static_cast<TVirtualKey>('1' + (evdev - kEvdevKey1));
        }
        if (evdev == kEvdevKey0) {
            return Ascii('0');
        }
    }
    if (keysym >= 'a' && keysym <= 'z') {
        return static_cast<TVirtualKey>(keysym - 'a' + 'A');
    }
    if (keysym >= 'A' && keysym <= 'Z') {
        return static_cast<TVirtualKey>(keysym);
    }
    return 0;
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
            return key > Qt::Key_Space && key <= Qt::Key_ydiaeresis ? VK_OEM_8 : 0;
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
            return VK_CONTROL;
        case Qt::Key_Alt:
            return VK_MENU;
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
            return VK_LWIN;
        case Qt::Key_Menu:
            return VK_APPS;
        default:
            return FromPunctuation(key);
    }
}

}  // namespace

NativeKeys CurrentNativeKeys() {
    const QString platform = QGuiApplication::platformName();
    const bool xkb =
        platform == QLatin1String("xcb") || platform.startsWith(QLatin1String("wayland"));
    return xkb ? NativeKeys::X11 : NativeKeys::None;
}

TVirtualKey VirtualKeyOf(const QKeyEvent& event, NativeKeys native) {
    const int key = event.key();
    if (event.modifiers().testFlag(Qt::KeypadModifier)) {
        if (const TVirtualKey vk = FromKeypad(key)) {
            return vk;
        }
        return FromQtKey(key);
    }
    if (native == NativeKeys::X11) {
        if (const TVirtualKey vk = FromX11(event.nativeScanCode(), event.nativeVirtualKey())) {
            return vk;
        }
    }
    return FromQtKey(key);
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
