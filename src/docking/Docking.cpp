// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/Docking.h"

namespace docking {

int Docking::Find(WindowHandle window) const {
    for (int i = 0; i < dockedCount_; ++i) {
        if (docked_[static_cast<std::size_t>(i)].hWnd == window) return i;
    }
    return -1;
}

bool Docking::IsDocked(WindowHandle window) const { return Find(window) >= 0; }

std::optional<PlatformData> Docking::prevWndProcOf(WindowHandle window) const {
    const int index = Find(window);
    if (index < 0) return std::nullopt;
    return docked_[static_cast<std::size_t>(index)].prevWndProc;
}

bool Docking::EnableDocking(WindowHandle window) {
    // A full registry cannot grow by ten more places in 16 bits: it refuses new windows
    // instead of wrapping the count around and overwriting entries.
    const bool full = dockedCount_ >= kMaxDocked;
    if (!full && dockedCount_ + 10 > dockedCapacity_) {
        dockedCapacity_ = static_cast<std::int16_t>(dockedCount_ + 10);
        docked_.resize(static_cast<std::size_t>(dockedCapacity_) + 1);
    }
    if (Find(window) >= 0) return true;
    if (full) return false;
    DockedWindow& slot = docked_[static_cast<std::size_t>(dockedCount_)];
    slot.hWnd = window;
    slot.prevWndProc = platform_.AttachWindow(window);
    ++dockedCount_;
    return true;
}

void Docking::DisableDocking(WindowHandle window) {
    if (dockedCount_ == 0) return;
    const int index = Find(window);
    if (index < 0) return;
    platform_.DetachWindow(window, docked_[static_cast<std::size_t>(index)].prevWndProc);
    RemoveAt(index);
}

void Docking::ForgetWindow(WindowHandle window) {
    const int index = Find(window);
    if (index >= 0) RemoveAt(index);
}

void Docking::RemoveAt(int index) {
    for (int j = index; j < dockedCount_ - 1; ++j) {
        docked_[static_cast<std::size_t>(j)] = docked_[static_cast<std::size_t>(j) + 1];
    }
    --dockedCount_;
    docked_[static_cast<std::size_t>(dockedCount_)] = DockedWindow{};
}

void Docking::CollectDockRects(WindowHandle moving) {
    dockRects_.assign(1, platform_.WorkArea());
    for (WindowHandle window : platform_.LoadedWindows()) {
        if (window == moving || !platform_.IsVisible(window)) continue;
        dockRects_.push_back(platform_.WindowRect(window));
    }
}

void Docking::BeginMoveOrSize(WindowHandle window) {
    const Rect r = platform_.WindowRect(window);
    const Point cursor = platform_.CursorPos();
    dragState_.cursorOffsetX = cursor.x - r.left;
    dragState_.cursorOffsetY = cursor.y - r.top;
    CollectDockRects(window);
}

Rect Docking::ProposeMove(Rect proposed) {
    SnapRect(SnapMode::Moving, proposed, 0, dockRects_, dragState_, platform_.CursorPos());
    return proposed;
}

Rect Docking::ProposeSize(Rect proposed, int sizingEdge) {
    SnapRect(SnapMode::Sizing, proposed, sizingEdge, dockRects_, dragState_, Point{});
    return proposed;
}

} // namespace docking
