// SPDX-License-Identifier: GPL-3.0-or-later
// Win32 virtual-key codes for the keys Qt reports, on each kind of platform.

#include "host/qt/VirtualKeys.h"

#include <Qt>
#include <gtest/gtest.h>
#include <ios>
#include <vector>

namespace {

using host::KeyboardPlatform;
constexpr auto kWin = KeyboardPlatform::Windows;
constexpr auto kXkb = KeyboardPlatform::Xkb;
constexpr auto kOther = KeyboardPlatform::Other;

struct Case {
    KeyboardPlatform platform;
    host::KeyFacts key; // Qt key, keypad, xkb keycode (Linux input code + 8), Windows code
    int code;
};

TEST(VirtualKeys, EachPlatformNamesTheKeyAsWindowsWould) {
    // clang-format off
    const std::vector<Case> cases = {
        {kWin, {Qt::Key_Exclam, false, 0x35, 0xDF}, 0xDF},      // Windows names its keys itself (AZERTY "!")
        {kWin, {Qt::Key_Semicolon, false, 0, 0}, 0xBA},         // ... or leaves it to the tables
        {kXkb, {Qt::Key_Less, false, 94, 0}, 0xE2},             // the 102nd key of ISO keyboards
        {kXkb, {Qt::Key_Exclam, false, 10, 0}, '1'},            // a shifted digit is its digit
        {kXkb, {Qt::Key_Minus, false, 61, 0}, 0xBF},            // punctuation by position (German "-")
        {kXkb, {Qt::Key_Udiaeresis, false, 34, 0}, 0xDB},       // a national letter by position
        {kXkb, {Qt::Key_Z, false, 29, 0}, 'Z'},                 // letters by the letter (QWERTZ)
        {kXkb, {Qt::Key_Plus, true, 86, 0}, 0x6B},              // keypad +
        {kOther, {Qt::Key_Plus, false, 0, 0}, 0xBB},            // main-row + ...
        {kOther, {Qt::Key_Plus, true, 0, 0}, 0x6B},             // ... and the keypad's
        {kOther, {Qt::Key_Minus, false, 0, 0}, 0xBD},
        {kOther, {Qt::Key_Minus, true, 0, 0}, 0x6D},
        {kOther, {Qt::Key_Comma, true, 0, 0}, 0x6E},            // the keypad's decimal comma
        {kOther, {Qt::Key_5, true, 0, 0}, 0x65},
        {kOther, {Qt::Key_Home, true, 0, 0}, 0x24},             // keypad Home with Num Lock off
        {kOther, {Qt::Key_Colon, false, 0, 0}, 0xBA},           {kOther, {Qt::Key_Equal, false, 0, 0}, 0xBB},
        {kOther, {Qt::Key_Less, false, 0, 0}, 0xBC},            {kOther, {Qt::Key_Period, false, 0, 0}, 0xBE},
        {kOther, {Qt::Key_Question, false, 0, 0}, 0xBF},        {kOther, {Qt::Key_AsciiTilde, false, 0, 0}, 0xC0},
        {kOther, {Qt::Key_BraceLeft, false, 0, 0}, 0xDB},       {kOther, {Qt::Key_Bar, false, 0, 0}, 0xDC},
        {kOther, {Qt::Key_BracketRight, false, 0, 0}, 0xDD},    {kOther, {Qt::Key_QuoteDbl, false, 0, 0}, 0xDE},
        {kOther, {Qt::Key_Menu, false, 0, 0}, 0x5D},            {kOther, {Qt::Key_NumLock, false, 0, 0}, 0x90},
        {kOther, {Qt::Key_ScrollLock, false, 0, 0}, 0x91},      {kOther, {Qt::Key_Print, false, 0, 0}, 0x2C},
        {kOther, {Qt::Key_F24, false, 0, 0}, 0x87},             {kOther, {Qt::Key_Udiaeresis, false, 0, 0}, 0},
    };
    // clang-format on
    for (const Case& c : cases)
        EXPECT_EQ(host::VirtualKeyOf(c.key, c.platform), c.code) << "key 0x" << std::hex << c.key.key;
}

} // namespace
