// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/VirtualKeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <algorithm>
#include <iterator>
#include <utility>

namespace host {

namespace {

// Win32 codes that are not simply a character, after their Win32 names (VK_OEM_1 is
// vk::Oem1; <windows.h> takes the VK_ names for its macros).
namespace vk {
enum Code : std::uint8_t {
    Cancel = 0x03,
    Back = 0x08,
    Tab = 0x09,
    Clear = 0x0C,
    Return = 0x0D,
    Shift = 0x10,
    Control = 0x11,
    Menu = 0x12,
    Pause = 0x13,
    Capital = 0x14,
    Kana = 0x15,
    Kanji = 0x19,
    Escape = 0x1B,
    Convert = 0x1C,
    Nonconvert = 0x1D,
    Modechange = 0x1F,
    Space = 0x20,
    Prior = 0x21,
    Next = 0x22,
    End = 0x23,
    Home = 0x24,
    Left = 0x25,
    Up = 0x26,
    Right = 0x27,
    Down = 0x28,
    Select = 0x29,
    Print = 0x2A,
    Execute = 0x2B,
    Snapshot = 0x2C,
    Insert = 0x2D,
    Delete = 0x2E,
    Help = 0x2F,
    Lwin = 0x5B,
    Rwin = 0x5C,
    Apps = 0x5D,
    Sleep = 0x5F,
    Numpad0 = 0x60,
    Multiply = 0x6A,
    Add = 0x6B,
    Subtract = 0x6D,
    Decimal = 0x6E,
    Divide = 0x6F,
    F1 = 0x70,
    Numlock = 0x90,
    Scroll = 0x91,
    BrowserBack = 0xA6,
    BrowserForward = 0xA7,
    BrowserRefresh = 0xA8,
    BrowserStop = 0xA9,
    BrowserSearch = 0xAA,
    BrowserFavorites = 0xAB,
    BrowserHome = 0xAC,
    VolumeMute = 0xAD,
    VolumeDown = 0xAE,
    VolumeUp = 0xAF,
    MediaNextTrack = 0xB0,
    MediaPrevTrack = 0xB1,
    MediaStop = 0xB2,
    MediaPlayPause = 0xB3,
    LaunchMail = 0xB4,
    LaunchMediaSelect = 0xB5,
    LaunchApp1 = 0xB6,
    LaunchApp2 = 0xB7,
    Oem1 = 0xBA,
    OemPlus = 0xBB,
    OemComma = 0xBC,
    OemMinus = 0xBD,
    OemPeriod = 0xBE,
    Oem2 = 0xBF,
    Oem3 = 0xC0,
    Oem4 = 0xDB,
    Oem5 = 0xDC,
    Oem6 = 0xDD,
    Oem7 = 0xDE,
    Oem102 = 0xE2,
    Play = 0xFA,
    Zoom = 0xFB,
};
} // namespace vk

constexpr int kFunctionKeys = 24;

using Entry = std::pair<int, std::uint8_t>;

template <std::size_t N> std::uint8_t Find(const Entry (&table)[N], int key) {
    const auto it = std::find_if(std::begin(table), std::end(table), [key](const Entry& e) { return e.first == key; });
    return it == std::end(table) ? 0 : it->second;
}

// clang-format off
// Keys that type no character (and the space bar), whatever the layout.
constexpr Entry kNamedKeys[] = {
    {Qt::Key_Cancel, vk::Cancel}, {Qt::Key_Backspace, vk::Back}, {Qt::Key_Tab, vk::Tab}, {Qt::Key_Backtab, vk::Tab},
    {Qt::Key_Clear, vk::Clear}, {Qt::Key_Return, vk::Return}, {Qt::Key_Enter, vk::Return},
    {Qt::Key_Shift, vk::Shift}, {Qt::Key_Control, vk::Control}, {Qt::Key_Alt, vk::Menu}, {Qt::Key_AltGr, vk::Menu},
    {Qt::Key_Pause, vk::Pause}, {Qt::Key_CapsLock, vk::Capital},
    {Qt::Key_Kana_Lock, vk::Kana}, {Qt::Key_Katakana, vk::Kana}, {Qt::Key_Hangul, vk::Kana},
    {Qt::Key_Kanji, vk::Kanji}, {Qt::Key_Hangul_Hanja, vk::Kanji}, {Qt::Key_Escape, vk::Escape},
    {Qt::Key_Henkan, vk::Convert}, {Qt::Key_Muhenkan, vk::Nonconvert}, {Qt::Key_Mode_switch, vk::Modechange},
    {Qt::Key_Space, vk::Space}, {Qt::Key_PageUp, vk::Prior}, {Qt::Key_PageDown, vk::Next},
    {Qt::Key_End, vk::End}, {Qt::Key_Home, vk::Home},
    {Qt::Key_Left, vk::Left}, {Qt::Key_Up, vk::Up}, {Qt::Key_Right, vk::Right}, {Qt::Key_Down, vk::Down},
    {Qt::Key_Select, vk::Select}, {Qt::Key_Printer, vk::Print}, {Qt::Key_Execute, vk::Execute},
    {Qt::Key_Print, vk::Snapshot}, {Qt::Key_SysReq, vk::Snapshot},
    {Qt::Key_Insert, vk::Insert}, {Qt::Key_Delete, vk::Delete}, {Qt::Key_Help, vk::Help},
    {Qt::Key_Meta, vk::Lwin}, {Qt::Key_Super_L, vk::Lwin}, {Qt::Key_Super_R, vk::Rwin}, {Qt::Key_Menu, vk::Apps},
    {Qt::Key_Sleep, vk::Sleep}, {Qt::Key_NumLock, vk::Numlock}, {Qt::Key_ScrollLock, vk::Scroll},
    {Qt::Key_Back, vk::BrowserBack}, {Qt::Key_Forward, vk::BrowserForward}, {Qt::Key_Refresh, vk::BrowserRefresh},
    {Qt::Key_Stop, vk::BrowserStop}, {Qt::Key_Search, vk::BrowserSearch}, {Qt::Key_Favorites, vk::BrowserFavorites},
    {Qt::Key_HomePage, vk::BrowserHome},
    {Qt::Key_VolumeMute, vk::VolumeMute}, {Qt::Key_VolumeDown, vk::VolumeDown}, {Qt::Key_VolumeUp, vk::VolumeUp},
    {Qt::Key_MediaNext, vk::MediaNextTrack}, {Qt::Key_MediaPrevious, vk::MediaPrevTrack},
    {Qt::Key_MediaStop, vk::MediaStop}, {Qt::Key_MediaTogglePlayPause, vk::MediaPlayPause},
    {Qt::Key_LaunchMail, vk::LaunchMail}, {Qt::Key_LaunchMedia, vk::LaunchMediaSelect},
    {Qt::Key_MediaPlay, vk::MediaPlayPause}, {Qt::Key_Launch0, vk::LaunchApp1}, {Qt::Key_Launch1, vk::LaunchApp2},
    {Qt::Key_Play, vk::Play}, {Qt::Key_Zoom, vk::Zoom},
};

// Keypad keys that type a character (digits with Num Lock on, operators, the decimal
// separator, which is a comma on some layouts).
constexpr Entry kKeypadKeys[] = {
    {Qt::Key_Asterisk, vk::Multiply}, {Qt::Key_Plus, vk::Add}, {Qt::Key_Minus, vk::Subtract},
    {Qt::Key_Period, vk::Decimal}, {Qt::Key_Comma, vk::Decimal}, {Qt::Key_Slash, vk::Divide},
};

// xkb keycodes (Linux input codes + 8) of the digit row and the punctuation keys.
constexpr Entry kXkbPositions[] = {
    {10, '1'}, {11, '2'}, {12, '3'}, {13, '4'}, {14, '5'}, {15, '6'}, {16, '7'}, {17, '8'}, {18, '9'}, {19, '0'},
    {20, vk::OemMinus}, {21, vk::OemPlus}, {34, vk::Oem4}, {35, vk::Oem6}, {47, vk::Oem1}, {48, vk::Oem7},
    {49, vk::Oem3}, {51, vk::Oem5}, {59, vk::OemComma}, {60, vk::OemPeriod}, {61, vk::Oem2}, {94, vk::Oem102},
};

// The characters of a US keyboard's digit row and punctuation keys, both levels.
constexpr Entry kUsCharacters[] = {
    {'0', '0'}, {'1', '1'}, {'2', '2'}, {'3', '3'}, {'4', '4'}, {'5', '5'}, {'6', '6'}, {'7', '7'}, {'8', '8'},
    {'9', '9'}, {')', '0'}, {'!', '1'}, {'@', '2'}, {'#', '3'}, {'$', '4'}, {'%', '5'}, {'^', '6'}, {'&', '7'},
    {'*', '8'}, {'(', '9'},
    {';', vk::Oem1}, {':', vk::Oem1}, {'=', vk::OemPlus}, {'+', vk::OemPlus}, {',', vk::OemComma},
    {'<', vk::OemComma}, {'-', vk::OemMinus}, {'_', vk::OemMinus}, {'.', vk::OemPeriod}, {'>', vk::OemPeriod},
    {'/', vk::Oem2}, {'?', vk::Oem2}, {'`', vk::Oem3}, {'~', vk::Oem3}, {'[', vk::Oem4}, {'{', vk::Oem4},
    {'\\', vk::Oem5}, {'|', vk::Oem5}, {']', vk::Oem6}, {'}', vk::Oem6}, {'\'', vk::Oem7}, {'"', vk::Oem7},
};
// clang-format on

} // namespace

KeyboardPlatform CurrentKeyboardPlatform() {
    const QString name = QGuiApplication::platformName();
    if (name == QLatin1String("windows")) return KeyboardPlatform::Windows;
    if (name == QLatin1String("xcb") || name.startsWith(QLatin1String("wayland"))) return KeyboardPlatform::Xkb;
    return KeyboardPlatform::Other;
}

std::uint8_t VirtualKeyOf(const KeyFacts& key, KeyboardPlatform platform) {
    if (platform == KeyboardPlatform::Windows && key.nativeVirtualKey > 0 && key.nativeVirtualKey < 0xFF)
        return static_cast<std::uint8_t>(key.nativeVirtualKey);
    if (key.keypad) {
        if (key.key >= Qt::Key_0 && key.key <= Qt::Key_9)
            return static_cast<std::uint8_t>(vk::Numpad0 + key.key - Qt::Key_0);
        if (const std::uint8_t code = Find(kKeypadKeys, key.key)) return code;
    }
    if (key.key >= Qt::Key_F1 && key.key < Qt::Key_F1 + kFunctionKeys)
        return static_cast<std::uint8_t>(vk::F1 + key.key - Qt::Key_F1);
    if (const std::uint8_t code = Find(kNamedKeys, key.key)) return code;
    if (key.key >= Qt::Key_A && key.key <= Qt::Key_Z) return static_cast<std::uint8_t>(key.key);
    if (platform == KeyboardPlatform::Xkb && key.nativeScanCode != 0) {
        if (const std::uint8_t code = Find(kXkbPositions, static_cast<int>(key.nativeScanCode))) return code;
    }
    return Find(kUsCharacters, key.key);
}

std::uint8_t VirtualKeyOf(const QKeyEvent& event) {
    const KeyFacts facts{event.key(), event.modifiers().testFlag(Qt::KeypadModifier), event.nativeScanCode(),
                         event.nativeVirtualKey()};
    return VirtualKeyOf(facts, CurrentKeyboardPlatform());
}

} // namespace host
