// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Geometry.h"

#include <cstdint>
#include <vector>

namespace docking {

using host::Rect;

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

enum class SnapMode : int { Moving = 1, Sizing = 2 };

// The platform's sizing-edge codes, as delivered with a sizing notification.
enum SizingEdge : int {
    kEdgeLeft = 1,
    kEdgeRight = 2,
    kEdgeTop = 3,
    kEdgeTopLeft = 4,
    kEdgeTopRight = 5,
    kEdgeBottom = 6,
    kEdgeBottomLeft = 7,
    kEdgeBottomRight = 8,
};

// Largest distance over which an edge snaps, and the tolerance of the "level with" tests.
constexpr std::int32_t kSnapRange = 15;

// Shared by every docked window: only one window is dragged at a time.
struct DragState {
    std::int32_t cursorOffsetX = 0;
    std::int32_t cursorOffsetY = 0;
    bool snappedX = false;
    bool snappedY = false;
};

// Changes the proposed rectangle so that its edges jump onto nearby edges of dockRects.
// Entry 0 of dockRects is the work area, the others are the program's other windows.
// Moving keeps the size and uses the cursor and dragState to let go of an edge again;
// sizing moves only the dragged edges and leaves dragState alone.
void SnapRect(SnapMode mode, Rect& rect, int sizingEdge, const std::vector<Rect>& dockRects, DragState& dragState,
              Point cursor);

} // namespace docking
