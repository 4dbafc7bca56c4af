// SPDX-License-Identifier: GPL-3.0-or-later
// Docking on real Win32 windows, run under Wine in its virtual desktop. Built with mingw-w64
// from the same docking sources as the program; no test framework is available there, so
// checks are counted by hand. Exit code 0 when every check passed.
#include "docking/DockingWin32.h" // first: it brings windows.h in after the shared headers

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

int failures = 0;
int checks = 0;

#define CHECK(cond)                                                                                                    \
    do {                                                                                                               \
        ++checks;                                                                                                      \
        if (!(cond)) {                                                                                                 \
            ++failures;                                                                                                \
            std::printf("FAILED %s:%d: %s\n", __FILE__, __LINE__, #cond);                                              \
        }                                                                                                              \
    } while (0)

#define CHECK_EQ(a, b)                                                                                                 \
    do {                                                                                                               \
        ++checks;                                                                                                      \
        const long long va = static_cast<long long>(a);                                                                \
        const long long vb = static_cast<long long>(b);                                                                \
        if (va != vb) {                                                                                                \
            ++failures;                                                                                                \
            std::printf("FAILED %s:%d: %s == %s (%lld vs %lld)\n", __FILE__, __LINE__, #a, #b, va, vb);                \
        }                                                                                                              \
    } while (0)

constexpr UINT kProbe = WM_APP + 7;

// What the window's own procedure received.
struct Seen {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int enterSizeMove = 0;
    int moving = 0;
    int exitSizeMove = 0;
};
Seen seen;

LRESULT CALLBACK OwnWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case kProbe:
        seen.message = message;
        seen.wParam = wParam;
        seen.lParam = lParam;
        return static_cast<LRESULT>(wParam * 3 + static_cast<WPARAM>(lParam)) | (LRESULT{1} << 40);
    case WM_ENTERSIZEMOVE: ++seen.enterSizeMove; break;
    case WM_MOVING:
    case WM_SIZING: ++seen.moving; break;
    case WM_EXITSIZEMOVE: ++seen.exitSizeMove; break;
    default: break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeWindow(const char* title, int x, int y, int w, int h) {
    HWND window = CreateWindowExA(0, "DockingTestWindow", title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, x, y, w, h,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

RECT WorkArea() {
    RECT r{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0);
    return r;
}

RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

void Pump(DWORD ms) {
    const DWORD end = GetTickCount() + ms;
    MSG msg;
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
}

// Wine reports a new cursor position only once the X server has taken it: wait for that, or
// the docking procedure would read the previous one.
bool CursorSettlesAt(int x, int y, int tolerance = 0) {
    for (int i = 0; i < 200; ++i) {
        POINT p{};
        GetCursorPos(&p);
        if (std::abs(p.x - x) <= tolerance && std::abs(p.y - y) <= tolerance) return true;
        Sleep(5);
    }
    return false;
}

// On a busy machine an X event from before the warp can still carry the cursor back to where
// it was after Wine has reported the new place once: wait until the place holds.
void PlaceCursor(int x, int y) {
    bool holds = false;
    for (int attempt = 0; attempt < 5 && !holds; ++attempt) {
        SetCursorPos(x, y);
        if (!CursorSettlesAt(x, y)) continue;
        Sleep(60);
        POINT p{};
        GetCursorPos(&p);
        holds = p.x == x && p.y == y;
    }
    CHECK(holds);
}

LRESULT SendMoving(HWND window, RECT& r) { return SendMessageA(window, WM_MOVING, 0, reinterpret_cast<LPARAM>(&r)); }

void MessagesToADockedWindow() {
    std::printf("-- messages to a docked window\n");
    const RECT work = WorkArea();
    HWND main = MakeWindow("Main", work.left + 200, work.top + 150, 300, 200);
    const WNDPROC own = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(main, GWLP_WNDPROC));

    CHECK(docking::win32::EnableDocking(main));
    CHECK(docking::win32::EnableDocking(main));
    CHECK_EQ(docking::win32::Registry().dockedCount(), 1);
    CHECK(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(main, GWLP_WNDPROC)) == &docking::win32::DockingWindowProc);

    // Others are forwarded with their arguments and their result unchanged.
    seen = Seen{};
    const LRESULT r = SendMessageA(main, kProbe, 0x1234, 0x5678);
    CHECK_EQ(r, (0x1234 * 3 + 0x5678) | (LRESULT{1} << 40));
    CHECK_EQ(seen.message, kProbe);
    CHECK_EQ(seen.wParam, 0x1234);
    CHECK_EQ(seen.lParam, 0x5678);

    // A move: start, proposals near the work area's left edge, end.
    seen = Seen{};
    PlaceCursor(work.left + 250, work.top + 160);
    SendMessageA(main, WM_ENTERSIZEMOVE, 0, 0);
    CHECK_EQ(seen.enterSizeMove, 1);
    const RECT before = WindowRectOf(main);
    const LONG width = before.right - before.left;
    RECT proposed{work.left + 10, before.top, work.left + 10 + width, before.bottom};
    PlaceCursor(work.left + 60, work.top + 160);
    CHECK_EQ(SendMoving(main, proposed), 1);
    CHECK_EQ(proposed.left, work.left);
    CHECK_EQ(proposed.right, work.left + width);

    RECT distant{work.left + 100, before.top, work.left + 100 + width, before.bottom};
    PlaceCursor(work.left + 150, work.top + 160);
    CHECK_EQ(SendMoving(main, distant), 1);
    CHECK_EQ(distant.left, work.left + 100);
    CHECK_EQ(seen.moving, 0);

    RECT sized{before.left, before.top, work.right - 9, work.bottom - 12};
    CHECK_EQ(SendMessageA(main, WM_SIZING, WMSZ_BOTTOMRIGHT, reinterpret_cast<LPARAM>(&sized)), 1);
    CHECK_EQ(sized.right, work.right);
    CHECK_EQ(sized.bottom, work.bottom);
    CHECK_EQ(sized.left, before.left);
    CHECK_EQ(seen.moving, 0);

    SendMessageA(main, WM_EXITSIZEMOVE, 0, 0);
    CHECK_EQ(seen.exitSizeMove, 1);

    // A second window snaps to the first one's outer edges.
    HWND about = MakeWindow("About", work.left + 600, work.top + 400, 200, 150);
    CHECK(docking::win32::EnableDocking(about));
    const RECT mainRect = WindowRectOf(main);
    const RECT aboutRect = WindowRectOf(about);
    PlaceCursor(aboutRect.left + 20, aboutRect.top + 10);
    SendMessageA(about, WM_ENTERSIZEMOVE, 0, 0);
    RECT beside{mainRect.right + 10, mainRect.top + 4, mainRect.right + 10 + 200, mainRect.top + 4 + 150};
    PlaceCursor(beside.left + 20, beside.top + 10);
    CHECK_EQ(SendMoving(about, beside), 1);
    CHECK_EQ(beside.left, mainRect.right);
    CHECK_EQ(beside.top, mainRect.top);
    SendMessageA(about, WM_EXITSIZEMOVE, 0, 0);

    // Disabling the first keeps the second docked; the first gets its own procedure back.
    docking::win32::DisableDocking(main);
    CHECK(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(main, GWLP_WNDPROC)) == own);
    CHECK_EQ(docking::win32::Registry().dockedCount(), 1);
    seen = Seen{};
    CHECK_EQ(SendMessageA(about, kProbe, 2, 1), 7 | (LRESULT{1} << 40));
    CHECK_EQ(seen.wParam, 2);

    // A docked window destroyed without being disabled leaves the registry.
    DestroyWindow(about);
    CHECK_EQ(docking::win32::Registry().dockedCount(), 0);
    DestroyWindow(main);
}

// The synthetic pointer input of one drag, sent from a worker thread.
struct DragInput {
    POINT press;
    int dx;
    std::atomic<bool> done{false};
};

void MovePointerTo(int x, int y) {
    const int screenW = GetSystemMetrics(SM_CXSCREEN);
    const int screenH = GetSystemMetrics(SM_CYSCREEN);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = (x * 65535 + screenW / 2) / (screenW - 1);
    in.mi.dy = (y * 65535 + screenH / 2) / (screenH - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
    CursorSettlesAt(x, y, 1); // normalised coordinates may land a pixel off
    Sleep(40);
}

void PressButton(DWORD flag) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flag;
    SendInput(1, &in, sizeof in);
    Sleep(80);
}

// Generous pauses: Wine's cursor position catches up with synthetic input only after a while,
// and the move loop takes the grab offset from the cursor position when it starts.
DWORD WINAPI SendDragInput(LPVOID param) {
    auto* drag = static_cast<DragInput*>(param);
    Sleep(200);
    MovePointerTo(drag->press.x, drag->press.y);
    Sleep(300);
    PressButton(MOUSEEVENTF_LEFTDOWN);
    Sleep(300);
    constexpr int kSteps = 10;
    for (int i = 1; i <= kSteps; ++i) MovePointerTo(drag->press.x + drag->dx * i / kSteps, drag->press.y);
    Sleep(300);
    PressButton(MOUSEEVENTF_LEFTUP);
    Sleep(200);
    drag->done = true;
    return 0;
}

// Drags the title bar with synthetic mouse input from a worker thread while this thread runs
// the system's move loop; returns the window's left edge after the drag.
LONG DragTitleBar(HWND window, int dx) {
    const RECT r = WindowRectOf(window);
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    DragInput drag;
    drag.press = POINT{r.left + (r.right - r.left) / 3, r.top + GetSystemMetrics(SM_CYFRAME) + caption / 2};
    drag.dx = dx;
    HANDLE worker = CreateThread(nullptr, 0, SendDragInput, &drag, 0, nullptr);
    while (!drag.done) Pump(20);
    WaitForSingleObject(worker, INFINITE);
    CloseHandle(worker);
    Pump(100);
    return WindowRectOf(window).left;
}

// On a loaded machine Wine now and then drops the synthetic press, and the window never
// leaves its place; such a drag is tried again, a drag that moved the window is not.
LONG DragTitleBarTo(HWND window, LONG targetLeft) {
    LONG left = WindowRectOf(window).left;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const LONG before = WindowRectOf(window).left;
        left = DragTitleBar(window, targetLeft - before);
        if (left != before) break;
        std::printf("   the window did not move; dragging again\n");
    }
    return left;
}

void RealDrags() {
    std::printf("-- real drags of a docked window's title bar\n");
    const RECT work = WorkArea();
    HWND window = MakeWindow("Drag me", work.left + 200, work.top + 200, 320, 220);
    docking::win32::EnableDocking(window);
    SetForegroundWindow(window);
    Pump(300);

    seen = Seen{};
    const LONG flush = DragTitleBarTo(window, work.left + 10);
    CHECK(seen.enterSizeMove >= 1);
    CHECK_EQ(seen.exitSizeMove, seen.enterSizeMove);
    CHECK_EQ(seen.moving, 0);
    CHECK_EQ(flush, work.left);

    // Dragged back out to 20 pixels from the edge, it stays where it was released.
    const LONG away = DragTitleBarTo(window, work.left + 20);
    CHECK_EQ(away, work.left + 20);

    docking::win32::DisableDocking(window);
    DestroyWindow(window);
}

} // namespace

int main() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = OwnWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "DockingTestWindow";
    RegisterClassA(&wc);
    // The windows of this test, in the order they were made; the program's own list works alike.
    docking::win32::SetLoadedWindows([] {
        std::vector<HWND> windows;
        for (const char* title : {"Main", "About", "Drag me"}) {
            if (HWND w = FindWindowA("DockingTestWindow", title)) windows.push_back(w);
        }
        return windows;
    });

    MessagesToADockedWindow();
    RealDrags();

    std::printf("%d checks, %d failed\n", checks, failures);
    std::fflush(stdout);
    return failures == 0 ? 0 : 1;
}
