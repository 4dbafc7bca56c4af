// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where Windows has put a window, for the Wine test's window list. A window can close between
// being listed and being read: Windows then fails the calls and leaves their outputs as they
// were, so every result is checked, and such a window has no place. Built with mingw-w64.

#include <optional>
#include <windows.h>

struct WindowPlace {
    RECT outer;   // the window with its frame, in screen coordinates
    POINT client; // the top-left corner of its client area, in screen coordinates
};

inline std::optional<WindowPlace> PlaceOf(HWND window) {
    WindowPlace place{};
    if (!GetWindowRect(window, &place.outer)) return std::nullopt;
    if (!ClientToScreen(window, &place.client)) return std::nullopt;
    return place;
}

// The primary screen's work area, or nothing when Windows does not give it.
inline std::optional<RECT> WorkArea() {
    RECT area{};
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0)) return std::nullopt;
    return area;
}
