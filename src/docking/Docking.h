// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "docking/SnapRect.h"
#include "host/core/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace docking {

// Window handles and window procedures are opaque values to the module; the platform
// layer gives them their meaning (HWND and WNDPROC on Windows, widgets on X11).
using WindowHandle = std::uintptr_t;
using WindowProcId = std::uintptr_t;
using MessageParam = std::uintptr_t;
using MessageResult = std::intptr_t;

// The three notifications of the platform's move/size loop that docking acts on, and its end.
constexpr unsigned kMsgEnterSizeMove = 0x0231;
constexpr unsigned kMsgExitSizeMove = 0x0232;
constexpr unsigned kMsgSizing = 0x0214;
constexpr unsigned kMsgMoving = 0x0216;

// What the module needs from the windowing system; tests fake it.
class DockingPlatform {
public:
    virtual ~DockingPlatform() = default;
    virtual Rect WorkArea() = 0;
    virtual Rect WindowRect(WindowHandle window) = 0;
    virtual Point CursorPos() = 0;
    // The program's loaded windows, in the runtime's order.
    virtual std::vector<WindowHandle> LoadedWindows() = 0;
    virtual bool IsVisible(WindowHandle window) = 0;
    // Puts the docking procedure in place on the window and returns the one it replaced.
    virtual WindowProcId InstallDockingProc(WindowHandle window) = 0;
    virtual void RestoreWindowProc(WindowHandle window, WindowProcId previous) = 0;
    virtual MessageResult ForwardMessage(WindowProcId proc, WindowHandle window, unsigned message, MessageParam wParam,
                                         MessageParam lParam) = 0;
    // For a window whose procedure is not known any more (see DockingWindowProc).
    virtual MessageResult CallDefaultProc(WindowHandle window, unsigned message, MessageParam wParam,
                                          MessageParam lParam) = 0;
};

struct DockedWindow {
    WindowHandle hWnd = 0;
    WindowProcId prevWndProc = 0;
};

// The registry of docked windows, the snap rectangles and the drag state shared by all of
// them. One instance serves the whole program.
class Docking {
public:
    // The registry keeps its count in 16 bits with room for ten more entries beyond it.
    static constexpr std::int16_t kMaxDocked = 32767 - 10 + 1;

    explicit Docking(DockingPlatform& platform) : platform_(platform) {}
    Docking(const Docking&) = delete;
    Docking& operator=(const Docking&) = delete;

    // Returns false only when the registry is full; enabling a docked window again is a no-op.
    bool EnableDocking(WindowHandle window);
    void DisableDocking(WindowHandle window);
    MessageResult DockingWindowProc(WindowHandle window, unsigned message, MessageParam wParam, MessageParam lParam);
    void CollectDockRects(WindowHandle moving);

    // Drops a window that is gone without being disabled, so that a later window given the
    // same handle is not taken for it. Its procedure is not touched.
    void ForgetWindow(WindowHandle window);

    bool IsDocked(WindowHandle window) const;
    std::int16_t dockedCount() const { return dockedCount_; }
    std::int16_t dockedCapacity() const { return dockedCapacity_; }
    const DockedWindow& entry(int index) const { return docked_.at(static_cast<std::size_t>(index)); }
    const std::vector<Rect>& dockRects() const { return dockRects_; }
    const DragState& dragState() const { return dragState_; }
    DragState& dragState() { return dragState_; }

private:
    int Find(WindowHandle window) const;
    void RemoveAt(int index);

    DockingPlatform& platform_;
    std::vector<DockedWindow> docked_;
    std::int16_t dockedCount_ = 0;
    std::int16_t dockedCapacity_ = 0;
    std::vector<Rect> dockRects_;
    DragState dragState_;
};

} // namespace docking
