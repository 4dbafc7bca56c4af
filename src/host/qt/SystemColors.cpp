// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/SystemColors.h"

#include <QApplication>
#include <QPalette>

#ifdef Q_OS_WIN
#include <cstddef>
#include <windows.h>
#endif

namespace host {

namespace {

const SystemColourTable* g_override = nullptr;

} // namespace

Colour FromQColor(const QColor& c) { return Rgb(c.red(), c.green(), c.blue()); }

const SystemColourTable& ClassicSystemColours() {
    static const SystemColourTable table = {
        Rgb(212, 208, 200), // 0 scroll bar
        Rgb(58, 110, 165),  // 1 background
        Rgb(10, 36, 106),   // 2 active caption
        Rgb(128, 128, 128), // 3 inactive caption
        Rgb(212, 208, 200), // 4 menu
        Rgb(255, 255, 255), // 5 window
        Rgb(0, 0, 0),       // 6 window frame
        Rgb(0, 0, 0),       // 7 menu text
        Rgb(0, 0, 0),       // 8 window text
        Rgb(255, 255, 255), // 9 caption text
        Rgb(212, 208, 200), // 10 active border
        Rgb(212, 208, 200), // 11 inactive border
        Rgb(128, 128, 128), // 12 application workspace
        Rgb(10, 36, 106),   // 13 highlight
        Rgb(255, 255, 255), // 14 highlight text
        Rgb(212, 208, 200), // 15 button face
        Rgb(128, 128, 128), // 16 button shadow
        Rgb(128, 128, 128), // 17 grey text
        Rgb(0, 0, 0),       // 18 button text
        Rgb(212, 208, 200), // 19 inactive caption text
        Rgb(255, 255, 255), // 20 button highlight
        Rgb(64, 64, 64),    // 21 3-D dark shadow
        Rgb(212, 208, 200), // 22 3-D light
        Rgb(0, 0, 0),       // 23 tooltip text
        Rgb(255, 255, 225), // 24 tooltip background
        Rgb(181, 181, 181), // 25 (unused)
        Rgb(0, 0, 128),     // 26 hot-tracked item
        Rgb(166, 202, 240), // 27 gradient active caption
        Rgb(192, 192, 192), // 28 gradient inactive caption
        Rgb(49, 106, 197),  // 29 menu highlight
        Rgb(236, 233, 216), // 30 menu bar
    };
    return table;
}

std::optional<Colour> SystemColour(int index) {
    if (index < 0 || index >= kSystemColourCount) return std::nullopt;
    if (g_override) return (*g_override)[static_cast<std::size_t>(index)];
#ifdef Q_OS_WIN
    const DWORD c = ::GetSysColor(index);
    return static_cast<Colour>(c);
#else
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return ClassicSystemColours()[static_cast<std::size_t>(index)];
    const QPalette palette = QApplication::palette();
    const auto role = [&](QPalette::ColorRole r) { return FromQColor(palette.color(QPalette::Active, r)); };
    switch (index) {
    case COLOR_BTNFACE: return role(QPalette::Button);
    case COLOR_BTNSHADOW: return role(QPalette::Dark);
    case COLOR_3DLIGHT: return role(QPalette::Midlight);
    case COLOR_3DDKSHADOW: return role(QPalette::Shadow);
    case COLOR_BTNHIGHLIGHT: return role(QPalette::Light);
    case COLOR_BTNTEXT: return role(QPalette::ButtonText);
    case COLOR_HIGHLIGHT: return role(QPalette::Highlight);
    case 14: return role(QPalette::HighlightedText);
    case 5: return role(QPalette::Base);
    case 8: return role(QPalette::Text);
    case 17: return FromQColor(palette.color(QPalette::Disabled, QPalette::Text));
    case 23: return role(QPalette::ToolTipText);
    case 24: return role(QPalette::ToolTipBase);
    default: return ClassicSystemColours()[static_cast<std::size_t>(index)];
    }
#endif
}

std::optional<Colour> TranslateColour(Colour colour) {
    switch (colour >> 24) {
    case 0x00: return colour;
    case 0x02: return colour & 0x00FFFFFFu;
    case 0x80:
        // The index is the low byte; the bytes between must be clear, as the platform checks.
        if ((colour & 0x00FFFF00u) != 0) return std::nullopt;
        return SystemColour(static_cast<int>(colour & 0xFF));
    default: return std::nullopt;
    }
}

ScopedSystemColours::ScopedSystemColours(const SystemColourTable& table) : previous_(g_override), table_(table) {
    g_override = &table_;
}

ScopedSystemColours::~ScopedSystemColours() { g_override = previous_; }

} // namespace host
