// SPDX-License-Identifier: GPL-3.0-or-later
// Win32 virtual-key codes for the keys Qt reports, on each kind of platform.

#include "host/qt/VirtualKeys.h"

#include <Qt>
#include <gtest/gtest.h>
#include <ios>
#include <ostream>
#include <string>

namespace {

using host::KeyboardPlatform;
constexpr auto kWin = KeyboardPlatform::Windows;
constexpr auto kXkb = KeyboardPlatform::Xkb;
constexpr auto kOther = KeyboardPlatform::Other;

struct Case {
    const char* name;
    KeyboardPlatform platform;
    host::KeyFacts key; // Qt key, keypad, xkb keycode (Linux input code + 8), Windows code
    int code;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class VirtualKeysTest : public ::testing::TestWithParam<Case> {};

TEST_P(VirtualKeysTest, EachPlatformNamesTheKeyAsWindowsWould) {
    const Case& c = GetParam();
    EXPECT_EQ(host::VirtualKeyOf(c.key, c.platform), c.code)
        << "key 0x" << std::hex << c.key.key << (c.key.keypad ? " on the keypad" : "");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Keys, VirtualKeysTest,
    ::testing::Values(
        Case{"WindowsNamesItsKeysItself", kWin, {Qt::Key_Exclam, false, 0x35, 0xDF}, 0xDF},   // AZERTY "!"
        Case{"WindowsLeavesTheRestToTheTables", kWin, {Qt::Key_Semicolon, false, 0, 0}, 0xBA},
        Case{"XkbTheIsoKeyboards102ndKey", kXkb, {Qt::Key_Less, false, 94, 0}, 0xE2},
        Case{"XkbAShiftedDigitIsItsDigit", kXkb, {Qt::Key_Exclam, false, 10, 0}, '1'},
        Case{"XkbPunctuationByPosition", kXkb, {Qt::Key_Minus, false, 61, 0}, 0xBF},          // German "-"
        Case{"XkbANationalLetterByPosition", kXkb, {Qt::Key_Udiaeresis, false, 34, 0}, 0xDB},
        Case{"XkbLettersByTheLetter", kXkb, {Qt::Key_Z, false, 29, 0}, 'Z'},                  // QWERTZ
        Case{"XkbKeypadPlus", kXkb, {Qt::Key_Plus, true, 86, 0}, 0x6B},
        Case{"MainRowPlus", kOther, {Qt::Key_Plus, false, 0, 0}, 0xBB},
        Case{"KeypadPlus", kOther, {Qt::Key_Plus, true, 0, 0}, 0x6B},
        Case{"MainRowMinus", kOther, {Qt::Key_Minus, false, 0, 0}, 0xBD},
        Case{"KeypadMinus", kOther, {Qt::Key_Minus, true, 0, 0}, 0x6D},
        Case{"KeypadDecimalComma", kOther, {Qt::Key_Comma, true, 0, 0}, 0x6E},
        Case{"Keypad5", kOther, {Qt::Key_5, true, 0, 0}, 0x65},
        Case{"KeypadHomeWithNumLockOff", kOther, {Qt::Key_Home, true, 0, 0}, 0x24},
        Case{"Colon", kOther, {Qt::Key_Colon, false, 0, 0}, 0xBA},
        Case{"Equal", kOther, {Qt::Key_Equal, false, 0, 0}, 0xBB},
        Case{"Less", kOther, {Qt::Key_Less, false, 0, 0}, 0xBC},
        Case{"Period", kOther, {Qt::Key_Period, false, 0, 0}, 0xBE},
        Case{"Question", kOther, {Qt::Key_Question, false, 0, 0}, 0xBF},
        Case{"Tilde", kOther, {Qt::Key_AsciiTilde, false, 0, 0}, 0xC0},
        Case{"BraceLeft", kOther, {Qt::Key_BraceLeft, false, 0, 0}, 0xDB},
        Case{"Bar", kOther, {Qt::Key_Bar, false, 0, 0}, 0xDC},
        Case{"BracketRight", kOther, {Qt::Key_BracketRight, false, 0, 0}, 0xDD},
        Case{"QuoteDbl", kOther, {Qt::Key_QuoteDbl, false, 0, 0}, 0xDE},
        Case{"Menu", kOther, {Qt::Key_Menu, false, 0, 0}, 0x5D},
        Case{"NumLock", kOther, {Qt::Key_NumLock, false, 0, 0}, 0x90},
        Case{"ScrollLock", kOther, {Qt::Key_ScrollLock, false, 0, 0}, 0x91},
        Case{"Print", kOther, {Qt::Key_Print, false, 0, 0}, 0x2C},
        Case{"F24", kOther, {Qt::Key_F24, false, 0, 0}, 0x87},
        Case{"ANationalLetterWithoutPositionHasNone", kOther, {Qt::Key_Udiaeresis, false, 0, 0}, 0}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });
// clang-format on

} // namespace
