// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Geometry.h"

// Where a window opens next to the window it belongs to, in plain screen rectangles.
namespace windowkit {

struct WindowSize {
    int width = 0;
    int height = 0;
};

// The frame of a window that opens beside `owner` (its frame) within `workArea`: right of
// it, else left, below or above, top or left edges level with the owner's where the work
// area allows, covering none of the owner. At `preferred` size where a side has room for
// it; else on the side with the most room, at the largest size up to `preferred` that
// fits there, as long as that is at least `smallest`. Only where no side has room for
// `smallest` does the window cover the owner: at `smallest` (or the work area, where that
// is smaller), in the corner of the work area where it covers the least of it.
host::Rect FrameBeside(const host::Rect& workArea, const host::Rect& owner, WindowSize preferred, WindowSize smallest);

} // namespace windowkit
