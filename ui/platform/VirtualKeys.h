// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <qnamespace.h>

#include <cstdint>

class QKeyEvent;

namespace quintara::platform {

// 16-bit Windows virtual-key codes, the key numbers the window code works with.
using TVirtualKey = uint16_t;

inline constexpr TVirtualKey VK_BACK = 0x08;
inline constexpr TVirtualKey VK_TAB = 0x09;
inline constexpr TVirtualKey VK_CLEAR = 0x0C;
inline constexpr TVirtualKey VK_RETURN = 0x0D;
inline constexpr TVirtualKey VK_SHIFT = 0x10;
inline constexpr TVirtualKey VK_CONTROL = 0x11;
inline constexpr TVirtualKey VK_MENU = 0x12;
inline constexpr TVirtualKey VK_PAUSE = 0x13;
inline constexpr TVirtualKey VK_CAPITAL = 0x14;
inline constexpr TVirtualKey VK_ESCAPE = 0x1B;
inline constexpr TVirtualKey VK_SPACE = 0x20;
inline constexpr TVirtualKey VK_PRIOR = 0x21;
inline constexpr TVirtualKey VK_NEXT = 0x22;
inline constexpr TVirtualKey VK_END = 0x23;
inline constexpr TVirtualKey VK_HOME = 0x24;
inline constexpr TVirtualKey VK_LEFT = 0x25;
inline constexpr TVirtualKey VK_UP = 0x26;
inline constexpr TVirtualKey VK_RIGHT = 0x27;
inline constexpr TVirtualKey VK_DOWN = 0x28;
inline constexpr TVirtualKey VK_SNAPSHOT = 0x2C;
inline constexpr TVirtualKey VK_INSERT = 0x2D;
inline constexpr TVirtualKey VK_DELETE = 0x2E;
inline constexpr TVirtualKey VK_LWIN = 0x5B;
inline constexpr TVirtualKey VK_RWIN = 0x5C;
inline constexpr TVirtualKey VK_APPS = 0x5D;
inline constexpr TVirtualKey VK_NUMPAD0 = 0x60;
inline constexpr TVirtualKey VK_NUMPAD9 = 0x69;
inline constexpr TVirtualKey VK_MULTIPLY = 0x6A;
inline constexpr TVirtualKey VK_ADD = 0x6B;
inline constexpr TVirtualKey VK_SUBTRACT = 0x6D;
inline constexpr TVirtualKey VK_DECIMAL = 0x6E;
inline constexpr TVirtualKey VK_DIVIDE = 0x6F;
inline constexpr TVirtualKey VK_F1 = 0x70;
inline constexpr TVirtualKey VK_F4 = 0x73;
inline constexpr TVirtualKey VK_F5 = 0x74;
inline constexpr TVirtualKey VK_F6 = 0x75;
inline constexpr TVirtualKey VK_F7 = 0x76;
inline constexpr TVirtualKey VK_F8 = 0x77;
inline constexpr TVirtualKey VK_F9 = 0x78;
inline constexpr TVirtualKey VK_F10 = 0x79;
inline constexpr TVirtualKey VK_F12 = 0x7B;
inline constexpr TVirtualKey VK_NUMLOCK = 0x90;
inline constexpr TVirtualKey VK_SCROLL = 0x91;
// Punctuation keys of the main keyboard, named by their US-layout characters.
inline constexpr TVirtualKey VK_OEM_1 = 0xBA;       // ; :
inline constexpr TVirtualKey VK_OEM_PLUS = 0xBB;    // = +
inline constexpr TVirtualKey VK_OEM_COMMA = 0xBC;   // , <
inline constexpr TVirtualKey VK_OEM_MINUS = 0xBD;   // - _
inline constexpr TVirtualKey VK_OEM_PERIOD = 0xBE;  // . >
inline constexpr TVirtualKey VK_OEM_2 = 0xBF;       // / ?
inline constexpr TVirtualKey VK_OEM_3 = 0xC0;       // ` ~
inline constexpr TVirtualKey VK_OEM_4 = 0xDB;       // [ {
inline constexpr TVirtualKey VK_OEM_5 = 0xDC;       // \ |
inline constexpr TVirtualKey VK_OEM_6 = 0xDD;       // ] }
inline constexpr TVirtualKey VK_OEM_7 = 0xDE;       // ' "
inline constexpr TVirtualKey VK_OEM_8 = 0xDF;       // any other character key
inline constexpr TVirtualKey VK_OEM_102 = 0xE2;     // the extra key beside left Shift: < > |

// The modifiers held with a key or a mouse button: a set of the flags below.
using TShiftState = uint8_t;
inline constexpr TShiftState ssShift = 0x01;
inline constexpr TShiftState ssAlt = 0x02;
inline constexpr TShiftState ssCtrl = 0x04;

// What a key event tells of the key beyond Qt::Key, by platform:
// - Windows: nativeVirtualKey() is the Windows virtual-key code itself, and is taken as it is.
// - X11 and Wayland: nativeScanCode() is the xkb keycode (the evdev number + 8), which tells the
//   key's place on the keyboard, and nativeVirtualKey() the keysym, which tells what the layout
//   puts there. As Windows gives the key at that place: the digit row by place, so Shift+1 gives
//   '1'; A to Z by keysym, so a French or German layout types the letter it shows; another
//   Latin letter (Turkish F's "ğ" on the US "E") as a key that is no letter; letters of other
//   scripts (Russian, Greek, ...), combining marks (Thai, Devanagari), dead keys and other
//   symbols on letter keys by place, as the codes of the US key at that place ("A" to "Z",
//   VK_OEM_...). Punctuation on a letter key goes by place too, unless the layout was seen to move
//   Latin letters off their US keys, as AZERTY does before putting "," on M.
// - Anything else (and synthetic events without native data): Qt::Key alone.
// The keypad is read from Qt::Key with the keypad modifier everywhere but on Windows.
enum class NativeKeys { Windows, X11, None };

// The platform the application runs on.
NativeKeys CurrentNativeKeys();

// A key event does not name its layout, so what a window knows of it is learnt from the keys
// typed there. One per window, shared by everything in it that reads keys (its key preview, its
// grid), so that a key means the same to each of them.
class TKeyboardLayout {
  public:
    explicit TKeyboardLayout(NativeKeys native = CurrentNativeKeys()) : native_(native) {}

    // The virtual-key code of a Qt key event; 0 when the key has none.
    TVirtualKey VirtualKeyOf(const QKeyEvent& event);

  private:
    TVirtualKey FromX11(quint32 keycode, quint32 keysym, int key);
    TVirtualKey FromNonLetterOnLetterKey(TVirtualKey at_place, int key) const;

    NativeKeys native_;
    // Whether the layout was seen to move Latin letters off their US keys (AZERTY, QWERTZ,
    // Dvorak, Turkish F): a Latin letter on another key than its US one says so, a letter of
    // another script says not. Such a layout puts punctuation on a letter key only after moving
    // that letter elsewhere, so its punctuation keeps its own code, as Windows gives it ("," on
    // AZERTY's M is VK_OEM_COMMA); any other layout's punctuation on a letter key (Greek ";" on
    // Q, Hebrew "/" on Q) stands for the key's place.
    bool moves_latin_letters_ = false;
};

// The Qt key of a second key-down that a Windows keyboard sends for the same press, 0 for none:
// AltGr is VK_CONTROL then VK_MENU there, so its second key is Qt::Key_Alt. Windows itself sends
// both, so its path has none.
int SecondKeyOf(const QKeyEvent& event, NativeKeys native = CurrentNativeKeys());

// Shift, Ctrl and Alt among Qt's modifiers.
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);

}  // namespace quintara::platform
