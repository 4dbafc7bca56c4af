// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/DockingWin32.h"

#include "docking/DockingWin32Messages.h"

namespace docking::win32 {

static_assert(kEnterSizeMove == WM_ENTERSIZEMOVE && kExitSizeMove == WM_EXITSIZEMOVE);
static_assert(kSizing == WM_SIZING && kMoving == WM_MOVING && kNcDestroy == WM_NCDESTROY);
static_assert(sizeof(MessageParam) == sizeof(WPARAM) && sizeof(MessageParam) == sizeof(LPARAM));
static_assert(sizeof(MessageResult) == sizeof(LRESULT));

namespace {

HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
WindowHandle ToHandle(HWND h) { return reinterpret_cast<WindowHandle>(h); }

BOOL CALLBACK CollectThreadWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(ToHandle(window));
    return TRUE;
}

class Win32Platform final : public DockingPlatform, public MessageForwarder {
public:
    std::function<std::vector<HWND>()> loadedWindows;

    Rect WorkArea() override {
        RECT r{};
        SystemParametersInfoA(SPI_GETWORKAREA, 1, &r, 0);
        return Rect{r.left, r.top, r.right, r.bottom};
    }
    Rect WindowRect(WindowHandle window) override {
        RECT r{};
        GetWindowRect(ToHwnd(window), &r);
        return Rect{r.left, r.top, r.right, r.bottom};
    }
    Point CursorPos() override {
        POINT p{};
        GetCursorPos(&p);
        return Point{p.x, p.y};
    }
    std::vector<WindowHandle> LoadedWindows() override {
        std::vector<WindowHandle> windows;
        if (loadedWindows) {
            for (HWND w : loadedWindows()) windows.push_back(ToHandle(w));
        } else {
            EnumThreadWindows(GetCurrentThreadId(), CollectThreadWindow, reinterpret_cast<LPARAM>(&windows));
        }
        return windows;
    }
    bool IsVisible(WindowHandle window) override { return IsWindowVisible(ToHwnd(window)) != FALSE; }

    // The docking procedure replaces the window's own, which is kept as the window's platform
    // data. The pointer-sized variant: a 32-bit slot cannot hold a procedure address on 64-bit
    // Windows.
    PlatformData AttachWindow(WindowHandle window) override {
        return static_cast<PlatformData>(
            SetWindowLongPtrA(ToHwnd(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DockingWindowProc)));
    }
    void DetachWindow(WindowHandle window, PlatformData prevWndProc) override {
        SetWindowLongPtrA(ToHwnd(window), GWLP_WNDPROC, static_cast<LONG_PTR>(prevWndProc));
    }

    MessageResult CallPrevious(PlatformData prevWndProc, WindowHandle window, unsigned message, MessageParam wParam,
                               MessageParam lParam) override {
        return CallWindowProcA(reinterpret_cast<WNDPROC>(prevWndProc), ToHwnd(window), message,
                               static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
    }
    MessageResult CallDefault(WindowHandle window, unsigned message, MessageParam wParam,
                              MessageParam lParam) override {
        return DefWindowProcA(ToHwnd(window), message, static_cast<WPARAM>(wParam), static_cast<LPARAM>(lParam));
    }
};

Win32Platform& Platform() {
    static Win32Platform platform;
    return platform;
}

} // namespace

Docking& Registry() {
    static Docking docking(Platform());
    return docking;
}

bool EnableDocking(HWND window) { return Registry().EnableDocking(ToHandle(window)); }

void DisableDocking(HWND window) { Registry().DisableDocking(ToHandle(window)); }

void SetLoadedWindows(std::function<std::vector<HWND>()> list) { Platform().loadedWindows = std::move(list); }

LRESULT CALLBACK DockingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DockingMessage(Registry(), Platform(), ToHandle(window), message, static_cast<MessageParam>(wParam),
                          static_cast<MessageParam>(lParam));
}

} // namespace docking::win32
