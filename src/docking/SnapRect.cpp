// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/SnapRect.h"

#include <cstdlib>

namespace docking {

namespace {

// Distances are taken in 64 bits: two coordinates at opposite ends of the screen range lie
// more than 32767 pixels apart, and a narrower type would wrap such a gap into a small one.
std::int64_t Distance(std::int64_t a, std::int64_t b) { return std::llabs(a - b); }

bool VerticalOverlap(const Rect& w, const Rect& a) {
    return std::int64_t{a.top} < std::int64_t{w.bottom} + kSnapRange &&
           std::int64_t{w.top} - kSnapRange < std::int64_t{a.bottom};
}

bool HorizontalOverlap(const Rect& w, const Rect& a) {
    return std::int64_t{a.left} < std::int64_t{w.right} + kSnapRange &&
           std::int64_t{w.left} - kSnapRange < std::int64_t{a.right};
}

// One axis of the moving mode: near edge (left/top) and far edge (right/bottom) of the
// working copy, the same edges of the entry, and where the result goes.
struct Axis {
    std::int32_t nearW, farW;
    std::int32_t nearA, farA;
};

// Tries the four edge pairings of one entry in order; the first that beats `best` is applied.
bool SnapAxis(const Axis& axis, bool windowEntry, std::int32_t extent, std::int64_t& best, std::int32_t& nearOut,
              std::int32_t& farOut) {
    struct Candidate {
        std::int64_t distance;
        std::int32_t nearEdge; // where the near edge lands
        bool onlyWindows;      // the work area catches from the inside only
    };
    const Candidate candidates[] = {
        {Distance(axis.nearW, axis.nearA), axis.nearA, false},
        {Distance(axis.nearW, axis.farA), axis.farA, true},
        {Distance(axis.farW, axis.nearA), axis.nearA - extent, true},
        {Distance(axis.farW, axis.farA), axis.farA - extent, false},
    };
    for (const Candidate& c : candidates) {
        if (c.onlyWindows && !windowEntry) continue;
        if (c.distance < best) {
            best = c.distance;
            nearOut = c.nearEdge;
            farOut = c.nearEdge + extent;
            return true;
        }
    }
    return false;
}

void SnapMoving(Rect& rect, const std::vector<Rect>& dockRects, DragState& state, Point cursor) {
    // While an axis is held on an edge, put the window back where the cursor would carry it,
    // so the tests below can decide afresh whether it still sticks.
    if (state.snappedX) {
        const std::int32_t shift = (cursor.x - rect.left) - state.cursorOffsetX;
        rect.left += shift;
        rect.right += shift;
    } else {
        state.cursorOffsetX = cursor.x - rect.left;
    }
    if (state.snappedY) {
        const std::int32_t shift = (cursor.y - rect.top) - state.cursorOffsetY;
        rect.top += shift;
        rect.bottom += shift;
    } else {
        state.cursorOffsetY = cursor.y - rect.top;
    }
    // The edges are tested where the window stands now; the snaps write into rect.
    const Rect w = rect;

    const std::int32_t width = w.right - w.left;
    const std::int32_t height = w.bottom - w.top;
    std::int64_t bestX = kSnapRange;
    std::int64_t bestY = kSnapRange;
    bool hitX = false;
    bool hitY = false;

    for (std::size_t i = 0; i < dockRects.size(); ++i) {
        const Rect& a = dockRects[i];
        const bool windowEntry = i >= 1;
        if (VerticalOverlap(w, a) &&
            SnapAxis({w.left, w.right, a.left, a.right}, windowEntry, width, bestX, rect.left, rect.right)) {
            hitX = true;
        }
        if (HorizontalOverlap(w, a) &&
            SnapAxis({w.top, w.bottom, a.top, a.bottom}, windowEntry, height, bestY, rect.top, rect.bottom)) {
            hitY = true;
        }
    }

    state.snappedX = hitX;
    state.snappedY = hitY;
}

void SnapSizing(Rect& rect, int sizingEdge, const std::vector<Rect>& dockRects) {
    const Rect w = rect;
    const bool leftEdge = sizingEdge == kEdgeLeft || sizingEdge == kEdgeTopLeft || sizingEdge == kEdgeBottomLeft;
    const bool topEdge = sizingEdge == kEdgeTop || sizingEdge == kEdgeTopLeft || sizingEdge == kEdgeTopRight;
    const std::int32_t x0 = leftEdge ? w.left : w.right;
    const std::int32_t y0 = topEdge ? w.top : w.bottom;
    std::int32_t newX = x0;
    std::int32_t newY = y0;
    std::int64_t bestX = kSnapRange;
    std::int64_t bestY = kSnapRange;

    for (const Rect& a : dockRects) {
        if (VerticalOverlap(w, a)) {
            if (const auto d = Distance(x0, a.left); d < bestX) {
                newX = a.left;
                bestX = d;
            } else if (const auto e = Distance(x0, a.right); e < bestX) {
                newX = a.right;
                bestX = e;
            }
        }
        if (HorizontalOverlap(w, a)) {
            if (const auto d = Distance(y0, a.top); d < bestY) {
                newY = a.top;
                bestY = d;
            } else if (const auto e = Distance(y0, a.bottom); e < bestY) {
                newY = a.bottom;
                bestY = e;
            }
        }
    }

    (leftEdge ? rect.left : rect.right) = newX;
    (topEdge ? rect.top : rect.bottom) = newY;
}

} // namespace

void SnapRect(SnapMode mode, Rect& rect, int sizingEdge, const std::vector<Rect>& dockRects, DragState& dragState,
              Point cursor) {
    if (mode == SnapMode::Moving) {
        SnapMoving(rect, dockRects, dragState, cursor);
    } else {
        SnapSizing(rect, sizingEdge, dockRects);
    }
}

} // namespace docking
