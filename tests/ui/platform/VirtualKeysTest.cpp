// SPDX-License-Identifier: GPL-3.0-or-later
// Qt key events to virtual-key codes on each platform path, and the key preview that hands them
// to the window before its controls.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/platform/DrawGrid.h"
#include "ui/platform/KeyPreview.h"
#include "ui/platform/VirtualKeys.h"

using namespace quintara::platform;

namespace {

// X11 and Wayland keycodes are evdev numbers plus 8.
constexpr quint32 kX11Key1 = 10;
constexpr quint32 kX11Key0 = 19;
constexpr quint32 kX11KeyQ = 24;
constexpr quint32 kX11KeyA = 38;
constexpr quint32 kX11KeyM = 58;
constexpr quint32 kX11KeyB = 56;
constexpr quint32 kX11KeySemicolon = 47;
constexpr quint32 kX11KeySlash = 61;
constexpr quint32 kX11KeyGrave = 49;
constexpr quint32 kX11KeyApostrophe = 48;

// An X11 key typed in a window that knows its layout from the keys typed before.
TVirtualKey X11Key(TKeyboardLayout& layout, int key, Qt::KeyboardModifiers mods, quint32 keycode,
                   quint32 keysym) {
    const QKeyEvent event(QEvent::KeyPress, key, mods, keycode, keysym, 0);
    return layout.VirtualKeyOf(event);
}

TVirtualKey QtKey(int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    const QKeyEvent event(QEvent::KeyPress, key, mods);
    return TKeyboardLayout(NativeKeys::None).VirtualKeyOf(event);
}

TVirtualKey WindowsKey(int key, Qt::KeyboardModifiers mods, quint32 vk) {
    const QKeyEvent event(QEvent::KeyPress, key, mods, 0, vk, 0);
    return TKeyboardLayout(NativeKeys::Windows).VirtualKeyOf(event);
}

// A window whose grid records the keys that reach it, behind a key preview that records the
// keys it sees and consumes F5.
struct PreviewedGrid {
    PreviewedGrid() : grid(new TDrawGrid(layout, &window)) {
        (new QVBoxLayout(&window))->addWidget(grid);
        new TKeyPreview(
            &window, layout,
            [this](QObject*, TVirtualKey& key, TShiftState) {
                previewed.append(key);
                if (key == VK_F5) {
                    key = 0;
                }
            },
            [](TVirtualKey key) { return key == VK_F5; });
        grid->OnKeyDown = [this](QObject*, TVirtualKey& key, TShiftState) {
            reached.append(key);
            if (on_key) {
                on_key();
            }
        };
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window)) {
            qWarning("the window did not become active: key checks will fail");
        }
        grid->setFocus();
    }

    TKeyboardLayout layout;
    QWidget window;
    TDrawGrid* grid;
    QList<TVirtualKey> previewed;
    QList<TVirtualKey> reached;
    std::function<void()> on_key;
};

}  // namespace

class VirtualKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void digitsByPlaceAndLatinLettersByKeysymOnX11() {
        TKeyboardLayout layout(NativeKeys::X11);
        const auto X11Key = [&layout](auto... press) { return ::X11Key(layout, press...); };
        QCOMPARE(X11Key(Qt::Key_Exclam, Qt::ShiftModifier, kX11Key1, '!'), TVirtualKey('1'));
        QCOMPARE(X11Key(Qt::Key_ParenRight, Qt::ShiftModifier, kX11Key0, ')'), TVirtualKey('0'));
        QCOMPARE(X11Key(Qt::Key_A, Qt::NoModifier, kX11KeyA, 'a'), TVirtualKey('A'));
        QCOMPARE(X11Key(Qt::Key_A, Qt::ShiftModifier, kX11KeyA, 'A'), TVirtualKey('A'));
        // French AZERTY: the key at the US "A" place types "q", the US "Q" place "a".
        QCOMPARE(X11Key(Qt::Key_Q, Qt::NoModifier, kX11KeyA, 'q'), TVirtualKey('Q'));
        QCOMPARE(X11Key(Qt::Key_A, Qt::NoModifier, kX11KeyQ, 'a'), TVirtualKey('A'));
        // ... and a comma at the US "M" place: punctuation, not M.
        QCOMPARE(X11Key(Qt::Key_Comma, Qt::NoModifier, kX11KeyM, ','), VK_OEM_COMMA);
        // Keypad digits carry the keypad modifier; with NumLock off they arrive as arrows, and
        // the keypad 5 as Clear.
        QCOMPARE(X11Key(Qt::Key_5, Qt::KeypadModifier, 84, 0xffb5), TVirtualKey(0x65));
        QCOMPARE(X11Key(Qt::Key_Left, Qt::KeypadModifier, 83, 0xff96), VK_LEFT);
        QCOMPARE(X11Key(Qt::Key_Clear, Qt::KeypadModifier, 84, 0xff9d), VK_CLEAR);
        QCOMPARE(X11Key(Qt::Key_F1, Qt::NoModifier, 67, 0xffbe), VK_F1);
    }

    // Each layout as its keys arrive, in the order typed: a layout that moves Latin letters is
    // known by its first moved letter. Keysyms above 0x1000000 are Unicode ones; Qt names a
    // letter key by its upper-case character.
    void everyLayoutAsWindowsGivesItsKeysOnX11() {
        struct Press {
            quint32 place;
            int qt_key;
            quint32 keysym;
            TVirtualKey vk;
        };
        const auto u = [](char16_t c) { return 0x1000000u + c; };
        const QList<QPair<const char*, QList<Press>>> layouts = {
            {"us", {{kX11KeyA, Qt::Key_A, 'a', 'A'}, {kX11KeySemicolon, ';', ';', VK_OEM_1}}},
            {"fr",
             {{kX11KeyA, Qt::Key_Q, 'q', 'Q'},
              {kX11KeyM, ',', ',', VK_OEM_COMMA},
              {kX11KeySemicolon, Qt::Key_M, 'm', 'M'},
              {kX11Key1 + 1, 0xC9, 0xe9, '2'}}},
            {"gr",
             {{kX11KeyA, 0x391, 0x7e1, 'A'},
              {kX11KeyQ, ';', ';', 'Q'},
              {kX11KeyQ + 1, 0x3A3, 0x7f2, 'W'}}},
            {"ru",
             {{kX11KeyA, 0x424, 0x6c6, 'A'},
              {kX11KeyM, 0x42C, 0x6d8, 'M'},
              {kX11KeyGrave, 0x401, 0x6a3, VK_OEM_3},
              {kX11KeySlash, '.', '.', VK_OEM_PERIOD}}},
            {"il",
             {{kX11KeyA, 0x5E9, 0xcf9, 'A'},
              {kX11KeyQ, '/', '/', 'Q'},
              {kX11KeyQ + 1, '\'', '\'', 'W'}}},
            {"th", {{kX11KeyA, 0xE1F, 0xdbf, 'A'}, {kX11KeyB, 0xE34, 0xdd4, 'B'}}},
            {"in",
             {{kX11KeyA, 0x94B, u(0x94B), 'A'},
              {kX11KeyA + 2, 0x94D, u(0x94D), 'D'},
              {kX11KeyQ + 2, 0x93E, u(0x93E), 'E'}}},
            {"tr(f)",
             {{kX11KeyQ + 2, 0x11E, 0x2bb, VK_OEM_8},
              {kX11KeyB, 0xC7, 0xe7, VK_OEM_8},
              {kX11KeyA + 2, Qt::Key_E, 'e', 'E'},
              {kX11KeyM, Qt::Key_S, 's', 'S'}}},
            {"us(dvorak)", {{kX11KeyA + 1, Qt::Key_O, 'o', 'O'}, {kX11KeyQ, '\'', '\'', VK_OEM_7}}},
        };
        // All in one window, as a player who switches layouts types them; a layout's first key
        // tells what it does with the letters.
        TKeyboardLayout window(NativeKeys::X11);
        for (const auto& layout : layouts) {  // named for the reader: a failure shows the values
            for (const Press& press : layout.second) {
                QCOMPARE(X11Key(window, press.qt_key, {}, press.place, press.keysym), press.vk);
            }
        }
        // Shifted, a Hebrew letter key gives the Latin capital of its place, which tells nothing.
        QCOMPARE(X11Key(window, 0x5E9, {}, kX11KeyA, 0xcf9), TVirtualKey('A'));
        QCOMPARE(X11Key(window, Qt::Key_Q, Qt::ShiftModifier, kX11KeyQ, 'Q'), TVirtualKey('Q'));
        QCOMPARE(X11Key(window, '/', {}, kX11KeyQ, '/'), TVirtualKey('Q'));

        // Another window learns from its own keys alone: AZERTY typed in one leaves the other's
        // "," on the US "M" standing for M.
        TKeyboardLayout french(NativeKeys::X11), other(NativeKeys::X11);
        QCOMPARE(X11Key(french, Qt::Key_Q, {}, kX11KeyA, 'q'), TVirtualKey('Q'));
        QCOMPARE(X11Key(other, ',', {}, kX11KeyM, ','), TVirtualKey('M'));
        QCOMPARE(X11Key(french, ',', {}, kX11KeyM, ','), VK_OEM_COMMA);
    }

    // Keys with no character still have a code, so they reach the grid.
    void keysWithoutCharactersHaveTheirWindowsCodes() {
        QCOMPARE(QtKey(Qt::Key_AltGr), VK_CONTROL);
        QCOMPARE(QtKey(Qt::Key_Super_L), VK_LWIN);
        QCOMPARE(QtKey(Qt::Key_Super_R), VK_RWIN);
        QCOMPARE(QtKey(Qt::Key_Meta), VK_LWIN);
        QCOMPARE(QtKey(Qt::Key_Clear, Qt::KeypadModifier), VK_CLEAR);
        // A dead key: by its place where the platform tells it, else as some character key.
        TKeyboardLayout x11(NativeKeys::X11);
        QCOMPARE(X11Key(x11, Qt::Key_Dead_Acute, {}, kX11KeyApostrophe, 0xfe51), VK_OEM_7);
        QCOMPARE(X11Key(x11, Qt::Key_Dead_Circumflex, {}, kX11KeyGrave, 0xfe52), VK_OEM_3);
        QCOMPARE(QtKey(Qt::Key_Dead_Acute), VK_OEM_8);
        QCOMPARE(QtKey(0x0424), VK_OEM_8);  // a Cyrillic letter, place unknown
        QCOMPARE(QtKey(Qt::Key_unknown), TVirtualKey(0));

        const QKeyEvent altgr(QEvent::KeyPress, Qt::Key_AltGr, Qt::NoModifier);
        QCOMPARE(SecondKeyOf(altgr, NativeKeys::X11), int(Qt::Key_Alt));
        QCOMPARE(SecondKeyOf(altgr, NativeKeys::None), int(Qt::Key_Alt));
        QCOMPARE(SecondKeyOf(altgr, NativeKeys::Windows), 0);  // Windows sends both itself
        const QKeyEvent control(QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
        QCOMPARE(SecondKeyOf(control, NativeKeys::X11), 0);
    }

    void virtualKeysFromQtKeys() {
        QCOMPARE(QtKey(Qt::Key_A), TVirtualKey('A'));
        QCOMPARE(QtKey(Qt::Key_Z, Qt::ShiftModifier), TVirtualKey('Z'));
        QCOMPARE(QtKey(Qt::Key_7), TVirtualKey('7'));
        for (int digit = 0; digit <= 9; ++digit) {
            QCOMPARE(QtKey(Qt::Key_0 + digit, Qt::KeypadModifier), TVirtualKey(0x60 + digit));
        }
        QCOMPARE(QtKey(Qt::Key_Asterisk, Qt::KeypadModifier), VK_MULTIPLY);
        QCOMPARE(QtKey(Qt::Key_F1), TVirtualKey(0x70));
        QCOMPARE(QtKey(Qt::Key_F10), TVirtualKey(0x79));
        QCOMPARE(QtKey(Qt::Key_F12), TVirtualKey(0x7B));
        QCOMPARE(QtKey(Qt::Key_Space), VK_SPACE);
        QCOMPARE(QtKey(Qt::Key_Down), VK_DOWN);
        QCOMPARE(QtKey(Qt::Key_Shift), VK_SHIFT);
        // Character keys whose physical key is unknown still reach the grid, as non-symbols.
        QCOMPARE(QtKey(Qt::Key_Exclam, Qt::ShiftModifier), VK_OEM_8);
        QCOMPARE(QtKey(Qt::Key_Egrave), VK_OEM_8);
        QCOMPARE(QtKey(Qt::Key_Minus), VK_OEM_MINUS);
        QCOMPARE(QtKey(Qt::Key_Period), VK_OEM_PERIOD);
        QCOMPARE(QtKey(Qt::Key_CapsLock), VK_CAPITAL);
        QCOMPARE(ShiftStateOf(Qt::ShiftModifier | Qt::ControlModifier),
                 TShiftState(ssShift | ssCtrl));
        QCOMPARE(ShiftStateOf(Qt::AltModifier | Qt::KeypadModifier), ssAlt);
    }

    // On Windows the event carries the virtual-key code itself.
    void windowsCodesAreTakenAsTheyAre() {
        QCOMPARE(WindowsKey(Qt::Key_5, Qt::KeypadModifier, 0x65), TVirtualKey(0x65));
        QCOMPARE(WindowsKey(Qt::Key_Less, Qt::NoModifier, VK_OEM_102), VK_OEM_102);
        QCOMPARE(WindowsKey(0x0424, Qt::NoModifier, 'A'), TVirtualKey('A'));
        QCOMPARE(WindowsKey(Qt::Key_Exclam, Qt::ShiftModifier, '1'), TVirtualKey('1'));
        QCOMPARE(WindowsKey(Qt::Key_F5, Qt::NoModifier, 0), VK_F5);  // none given: by Qt::Key
    }

    // The window sees keys first, consumes what it sets to 0, and keeps its function keys from
    // shortcuts.
    void keyPreviewComesFirst() {
        PreviewedGrid w;
        int shortcut_runs = 0;
        auto* shortcut = new QAction(&w.window);
        shortcut->setShortcut(Qt::Key_F5);
        w.window.addAction(shortcut);
        connect(shortcut, &QAction::triggered, [&shortcut_runs] { ++shortcut_runs; });

        QTest::keyClick(w.grid, Qt::Key_F5);
        QTest::keyClick(w.grid, Qt::Key_B);
        QCOMPARE(shortcut_runs, 0);
        QVERIFY(w.previewed.contains(VK_F5));
        QVERIFY(w.previewed.contains(TVirtualKey('B')));
        QCOMPARE(w.reached, QList<TVirtualKey>({TVirtualKey('B')}));
    }

    // AltGr reaches the window and the grid as two key-downs, the second queued behind the
    // first; a modal box that the first opened takes the second, as on Windows.
    void altGrArrivesAsControlThenAlt() {
        PreviewedGrid w;
        QKeyEvent altgr(QEvent::KeyPress, Qt::Key_AltGr, Qt::NoModifier);
        QApplication::sendEvent(w.grid, &altgr);
        QCOMPARE(w.reached, QList<TVirtualKey>({VK_CONTROL}));
        QCoreApplication::processEvents();
        QCOMPARE(w.reached, QList<TVirtualKey>({VK_CONTROL, VK_MENU}));
        QCOMPARE(w.previewed, QList<TVirtualKey>({VK_CONTROL, VK_MENU}));

        w.reached.clear();
        w.on_key = [&w] {
            w.on_key = nullptr;
            QDialog box(&w.window);
            QTimer::singleShot(50, &box, &QDialog::accept);
            box.exec();
        };
        QKeyEvent again(QEvent::KeyPress, Qt::Key_AltGr, Qt::NoModifier);
        QApplication::sendEvent(w.grid, &again);
        QCoreApplication::processEvents();
        QCOMPARE(w.reached, QList<TVirtualKey>({VK_CONTROL}));
    }
};

QTEST_MAIN(VirtualKeysTest)
#include "VirtualKeysTest.moc"
