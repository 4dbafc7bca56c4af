// SPDX-License-Identifier: GPL-3.0-or-later
// Lists what the window manager knows of the visible top-level windows, for the Wine test of
// the program: one line per window, front to back, then the work area.
//   window <handle> <left> <top> <width> <height> <client left> <client top> <title>
//   workarea <left> <top> <width> <height>
// All in Windows' screen coordinates. A window that closes while it is being read is left
// out; without a work area the list ends with a message on the standard error and exit
// code 1. Built with mingw-w64.
#include "WindowPlace.h"

#include <cstdio>
#include <optional>
#include <string>
#include <windows.h>

namespace {

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

BOOL CALLBACK ListWindow(HWND window, LPARAM) {
    if (!IsWindowVisible(window)) return TRUE;
    wchar_t title[512] = {};
    GetWindowTextW(window, title, 512);
    const std::optional<WindowPlace> place = PlaceOf(window);
    if (!place) return TRUE;
    const RECT& outer = place->outer;
    std::printf("window %p %ld %ld %ld %ld %ld %ld %s\n", static_cast<void*>(window), outer.left, outer.top,
                outer.right - outer.left, outer.bottom - outer.top, place->client.x, place->client.y,
                Utf8(title).c_str());
    return TRUE;
}

} // namespace

int main() {
    if (!EnumWindows(ListWindow, 0)) {
        std::fprintf(stderr, "window-list: the windows cannot be listed (error %lu)\n", GetLastError());
        return 1;
    }
    const std::optional<RECT> area = WorkArea();
    if (!area) {
        std::fprintf(stderr, "window-list: the work area cannot be read (error %lu)\n", GetLastError());
        return 1;
    }
    std::printf("workarea %ld %ld %ld %ld\n", area->left, area->top, area->right - area->left,
                area->bottom - area->top);
    return 0;
}
