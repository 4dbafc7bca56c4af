// SPDX-License-Identifier: GPL-3.0-or-later
// The window list's reading of places, under Wine without a display: a window has a place
// while it lives and none once it has closed, as a listed window that closes before it is
// read; the work area is read. The window is a message-only one, which needs no display.
// Built with mingw-w64.
#include "WindowPlace.h"

#include <cstdio>
#include <optional>
#include <windows.h>

namespace {

int failures = 0;

void Check(bool passed, const char* what) {
    std::printf("%s: %s\n", passed ? "ok" : "FAILED", what);
    if (!passed) ++failures;
}

} // namespace

int main() {
    constexpr int kLeft = 10;
    constexpr int kTop = 20;
    constexpr int kWidth = 300;
    constexpr int kHeight = 200;
    HWND window = CreateWindowExW(0, L"STATIC", L"place", 0, kLeft, kTop, kWidth, kHeight, HWND_MESSAGE, nullptr,
                                  nullptr, nullptr);
    Check(window != nullptr, "a window is made");
    const std::optional<WindowPlace> living = PlaceOf(window);
    Check(living && living->outer.left == kLeft && living->outer.top == kTop && living->outer.right == kLeft + kWidth &&
              living->outer.bottom == kTop + kHeight,
          "a window has the place of its frame");
    Check(living && living->client.x > kLeft && living->client.x < kLeft + kWidth && living->client.y > kTop &&
              living->client.y < kTop + kHeight,
          "and of its client area, inside the frame (an overlapped window has a caption and a border)");
    DestroyWindow(window);
    Check(!PlaceOf(window), "a window that has closed has no place");
    const std::optional<RECT> area = WorkArea();
    Check(area && area->right > area->left && area->bottom > area->top, "the work area is read");
    return failures == 0 ? 0 : 1;
}
