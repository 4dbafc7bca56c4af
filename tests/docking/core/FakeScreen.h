// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "docking/Docking.h"

#include <map>
#include <vector>

namespace docking::testing {

// A screen of fake windows. Every window starts with its own procedure; enabling docking
// replaces it with the docking procedure and hands the replaced one to the registry, as on
// Windows.
class FakeScreen : public DockingPlatform {
public:
    struct Window {
        Rect rect;
        bool visible = true;
        PlatformData proc = 0;
    };
    static constexpr PlatformData kDockingProc = 0xD0C;

    Rect workArea{0, 0, 1280, 994};
    Point cursor{};
    std::vector<WindowHandle> order;
    std::map<WindowHandle, Window> windows;
    int attaches = 0;

    WindowHandle Add(WindowHandle h, Rect r, bool visible = true) {
        order.push_back(h);
        windows[h] = Window{r, visible, 0x1000 + h}; // its own procedure
        return h;
    }

    Rect WorkArea() override { return workArea; }
    Rect WindowRect(WindowHandle w) override { return windows.at(w).rect; }
    Point CursorPos() override { return cursor; }
    std::vector<WindowHandle> LoadedWindows() override { return order; }
    bool IsVisible(WindowHandle w) override { return windows.at(w).visible; }
    PlatformData AttachWindow(WindowHandle w) override {
        ++attaches;
        const PlatformData previous = windows.at(w).proc;
        windows.at(w).proc = kDockingProc;
        return previous;
    }
    void DetachWindow(WindowHandle w, PlatformData previous) override { windows.at(w).proc = previous; }
};

} // namespace docking::testing
