// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/MoveEndWatch.h"

#include <algorithm>

namespace docking {

MoveEndWatch::Verdict MoveEndWatch::moved(WindowHandle window, Milliseconds now, const MoveReport& report) {
    if (report.byProgram) {
        // The program's own placement wins over a move of the user's that had not ended yet.
        unwatch(window);
        std::erase_if(placements_, [now](const Placement& p) { return now - p.when >= kEchoTime; });
        placements_.push_back({window, report.at, now});
        return Verdict::Ignore;
    }
    if (isEcho(window, now, report.at)) return Verdict::Ignore;
    if (report.onDecoration && !report.buttonHeld) {
        unwatch(window);
        return Verdict::SnapNow;
    }
    const auto it =
        std::find_if(pending_.begin(), pending_.end(), [window](const Pending& p) { return p.window == window; });
    if (it != pending_.end()) {
        it->lastActivity = now;
    } else {
        pending_.push_back({window, now});
    }
    return Verdict::Watch;
}

std::vector<WindowHandle> MoveEndWatch::poll(Milliseconds now, bool buttonHeld) {
    std::vector<WindowHandle> ended;
    if (buttonHeld) {
        // The drag goes on, whether or not the window manager reports it.
        for (Pending& p : pending_) p.lastActivity = now;
        return ended;
    }
    std::erase_if(pending_, [&](const Pending& p) {
        if (now - p.lastActivity < kQuietTime) return false;
        ended.push_back(p.window);
        return true;
    });
    return ended;
}

void MoveEndWatch::forget(WindowHandle window) {
    unwatch(window);
    std::erase_if(placements_, [window](const Placement& p) { return p.window == window; });
}

void MoveEndWatch::unwatch(WindowHandle window) {
    std::erase_if(pending_, [window](const Pending& p) { return p.window == window; });
}

bool MoveEndWatch::isEcho(WindowHandle window, Milliseconds now, Point at) const {
    return std::any_of(placements_.begin(), placements_.end(), [&](const Placement& p) {
        return p.window == window && p.at.x == at.x && p.at.y == at.y && now - p.when < kEchoTime;
    });
}

} // namespace docking
