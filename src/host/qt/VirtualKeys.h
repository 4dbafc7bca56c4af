// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Win32 virtual-key codes for Qt key events, the codes a control's KeyDown and KeyUp
// events carry.

#include <QtGlobal>
#include <cstdint>

class QKeyEvent;

namespace host {

// Where the key event came from: Windows names the virtual key itself; X11 and Wayland
// give the xkb keycode of the key's position; other platforms give only the Qt key.
enum class KeyboardPlatform : std::uint8_t { Windows, Xkb, Other };

// The parts of a key event the code is read from.
struct KeyFacts {
    int key = 0; // Qt::Key
    bool keypad = false;
    quint32 nativeScanCode = 0;
    quint32 nativeVirtualKey = 0;
};

KeyboardPlatform CurrentKeyboardPlatform();

// The virtual-key code of a key (1 to 254), or 0 for a key that has none.
//  - On Windows it is the code the system gave the key.
//  - Keypad keys take the keypad codes (VK_NUMPAD0 to 9, VK_ADD, VK_SUBTRACT, ...), so the
//    keypad's + and - differ from the main row's (VK_OEM_PLUS, VK_OEM_MINUS).
//  - Letters take the letter's code whatever the layout puts where ('A' to 'Z').
//  - The digit row and the punctuation keys are named by their position: under xkb the
//    code of the key at that place on a US keyboard (the 102nd key of ISO keyboards is
//    VK_OEM_102), so Shift+1 is still '1'; without positions, by the character the key
//    types on a US keyboard, shifted or not.
std::uint8_t VirtualKeyOf(const KeyFacts& key, KeyboardPlatform platform);
std::uint8_t VirtualKeyOf(const QKeyEvent& event);

} // namespace host
