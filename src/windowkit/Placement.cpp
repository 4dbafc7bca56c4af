// SPDX-License-Identifier: GPL-3.0-or-later
#include "windowkit/Placement.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

namespace windowkit {

namespace {

enum class Side { Right, Left, Below, Above };
constexpr std::array kSides = {Side::Right, Side::Left, Side::Below, Side::Above};

// Like std::clamp, but the lower bound wins where the range is empty.
int Within(int value, int low, int high) { return std::max(low, std::min(value, high)); }

// The part of the work area on one side of the owner.
host::Rect FreeOn(Side side, const host::Rect& area, const host::Rect& owner) {
    switch (side) {
    case Side::Right: return {std::max(owner.right, area.left), area.top, area.right, area.bottom};
    case Side::Left: return {area.left, area.top, std::min(owner.left, area.right), area.bottom};
    case Side::Below: return {area.left, std::max(owner.bottom, area.top), area.right, area.bottom};
    case Side::Above: return {area.left, area.top, area.right, std::min(owner.top, area.bottom)};
    }
    return {};
}

// A window of `size` against the owner on `side`, level with it, kept inside `free`.
host::Rect Against(Side side, const host::Rect& free, const host::Rect& owner, WindowSize size) {
    int left = 0;
    int top = 0;
    switch (side) {
    case Side::Right: left = free.left; break;
    case Side::Left: left = free.right - size.width; break;
    case Side::Below: top = free.top; break;
    case Side::Above: top = free.bottom - size.height; break;
    }
    if (side == Side::Right || side == Side::Left)
        top = Within(owner.top, free.top, free.bottom - size.height);
    else
        left = Within(owner.left, free.left, free.right - size.width);
    return {left, top, left + size.width, top + size.height};
}

std::int64_t Area(WindowSize size) { return std::int64_t{size.width} * size.height; }

} // namespace

host::Rect FrameBeside(const host::Rect& workArea, const host::Rect& owner, WindowSize preferred, WindowSize smallest) {
    std::optional<host::Rect> best;
    std::int64_t bestArea = 0;
    for (const Side side : kSides) {
        const host::Rect free = FreeOn(side, workArea, owner);
        const WindowSize size{std::min(preferred.width, free.width()), std::min(preferred.height, free.height())};
        if (size.width < smallest.width || size.height < smallest.height) continue;
        if (size.width == preferred.width && size.height == preferred.height) return Against(side, free, owner, size);
        if (Area(size) > bestArea) {
            best = Against(side, free, owner, size);
            bestArea = Area(size);
        }
    }
    if (best) return *best;

    // No side has room. Across and down independently, the window goes to whichever end
    // of the work area shares less with the owner: how much it covers is the product of
    // the two, and the span a window shares with the owner grows and then shrinks again as
    // it slides, so the least lies at one end or the other.
    const WindowSize size{std::min(smallest.width, workArea.width()), std::min(smallest.height, workArea.height())};
    const auto nearerEnd = [](int low, int high, int length, int ownerLow, int ownerHigh) {
        const auto shared = [&](int from) {
            return std::max(0, std::min(from + length, ownerHigh) - std::max(from, ownerLow));
        };
        return shared(high - length) <= shared(low) ? high - length : low;
    };
    const int left = nearerEnd(workArea.left, workArea.right, size.width, owner.left, owner.right);
    const int top = nearerEnd(workArea.top, workArea.bottom, size.height, owner.top, owner.bottom);
    return {left, top, left + size.width, top + size.height};
}

} // namespace windowkit
