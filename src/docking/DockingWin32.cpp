// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/DockingWin32.h"

namespace docking::win32 {

namespace {

HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
WindowHandle ToHandle(HWND h) { return reinterpret_cast<WindowHandle>(h); }

BOOL CALLBACK CollectThreadWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<WindowHandle>*>(list)->push_back(ToHandle(window));
    return TRUE;
}

class Win32Platform final : public DockingPlatform {
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
    // The pointer-sized variant: a 32-bit slot cannot hold a procedure address on 64-bit Windows.
    WindowProcId InstallDockingProc(WindowHandle window) override {
        return static_cast<WindowProcId>(
            SetWindowLongPtrA(ToHwnd(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DockingWindowProc)));
    }
    void RestoreWindowProc(WindowHandle window, WindowProcId previous) override {
        SetWindowLongPtrA(ToHwnd(window), GWLP_WNDPROC, static_cast<LONG_PTR>(previous));
    }
    MessageResult ForwardMessage(WindowProcId proc, WindowHandle window, unsigned message, MessageParam wParam,
                                 MessageParam lParam) override {
        return CallWindowProcA(reinterpret_cast<WNDPROC>(proc), ToHwnd(window), message, static_cast<WPARAM>(wParam),
                               static_cast<LPARAM>(lParam));
    }
    MessageResult CallDefaultProc(WindowHandle window, unsigned message, MessageParam wParam,
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
    const LRESULT result = Registry().DockingWindowProc(ToHandle(window), message, static_cast<MessageParam>(wParam),
                                                        static_cast<MessageParam>(lParam));
    // The handle of a destroyed window is handed out again; a window that goes without being
    // disabled must not leave it behind in the registry.
    if (message == WM_NCDESTROY) Registry().ForgetWindow(ToHandle(window));
    return result;
}

} // namespace docking::win32
