// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "docking/SnapRect.h"
#include "host/core/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace docking {

// A window is an opaque value to the module; the platform layer gives it its meaning (an HWND
// on Windows, the widget on X11).
using WindowHandle = std::uintptr_t;
// What a platform keeps for each docked window from enabling to disabling: on Windows the
// window procedure that the docking procedure replaced; nothing elsewhere.
using PlatformData = std::uintptr_t;

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
    // Docking was enabled for the window: the platform starts telling the module of its moves
    // and returns what it wants back when docking is disabled for it.
    virtual PlatformData AttachWindow(WindowHandle window) = 0;
    // Docking was disabled for the window: the platform stops telling of its moves.
    virtual void DetachWindow(WindowHandle window, PlatformData data) = 0;
};

struct DockedWindow {
    WindowHandle hWnd = 0;
    PlatformData prevWndProc = 0; // what AttachWindow returned for the window
};

// The registry of docked windows, the snap rectangles and the drag state shared by all of
// them. One instance serves the whole program.
//
// The platform plays each move or resize of a docked window to it: BeginMoveOrSize once, then
// ProposeMove or ProposeSize for every rectangle the window would take, which comes back
// snapped. Nothing needs to be told when the move is over: the rectangles and the drag state
// are kept for the next one.
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

    // A move or resize of the window begins: records where the cursor holds the window and
    // collects the rectangles it may snap to.
    void BeginMoveOrSize(WindowHandle window);
    // The rectangle the window would take next while it is moved, snapped; its size is kept.
    Rect ProposeMove(Rect proposed);
    // The rectangle the window would take next while it is resized by `sizingEdge` (SizingEdge),
    // with the dragged edges snapped.
    Rect ProposeSize(Rect proposed, int sizingEdge);

    void CollectDockRects(WindowHandle moving);

    // Drops a window that is gone without being disabled, so that a later window given the
    // same handle is not taken for it. The platform is not told.
    void ForgetWindow(WindowHandle window);

    bool IsDocked(WindowHandle window) const;
    // What AttachWindow returned for a docked window; nothing for any other.
    std::optional<PlatformData> prevWndProcOf(WindowHandle window) const;
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
