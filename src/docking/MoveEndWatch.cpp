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
    switch (reportOnSnap(window, report.at)) {
    case SnapReport::Arrived:
    case SnapReport::Refused: return Verdict::Ignore;
    case SnapReport::MovedOn:
    case SnapReport::None: break;
    }
    if (isEcho(window, now, report.at)) return Verdict::Ignore;
    if (pointer_ == Pointer::Reliable && report.onDecoration && !report.buttonHeld) {
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
    if (buttonHeld && pointer_ == Pointer::Reliable) {
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

void MoveEndWatch::snapped(WindowHandle window, Point from, Point to, Milliseconds now) {
    if (pointer_ == Pointer::Reliable) return; // the window manager takes the program's moves
    std::erase_if(snaps_, [window](const Snapped& s) { return s.window == window; });
    snaps_.push_back({window, from, to, now + kRetryInterval, kRetries});
}

std::vector<MoveEndWatch::Retry> MoveEndWatch::retries(Milliseconds now, const WhereIs& whereIs) {
    std::vector<Retry> due;
    std::erase_if(snaps_, [&](Snapped& s) {
        if (now < s.nextLook) return false;
        const std::optional<Point> at = whereIs(s.window);
        if (!at || (at->x == s.to.x && at->y == s.to.y) || s.triesLeft <= 0) return true;
        --s.triesLeft;
        s.nextLook = now + kRetryInterval;
        due.push_back({s.window, s.to});
        return false;
    });
    return due;
}

MoveEndWatch::SnapReport MoveEndWatch::reportOnSnap(WindowHandle window, Point at) {
    const auto it =
        std::find_if(snaps_.begin(), snaps_.end(), [window](const Snapped& s) { return s.window == window; });
    if (it == snaps_.end()) return SnapReport::None;
    if (at.x == it->to.x && at.y == it->to.y) {
        snaps_.erase(it);
        return SnapReport::Arrived;
    }
    // The compositor answers a move it discarded with the place the window keeps.
    if (at.x == it->from.x && at.y == it->from.y) return SnapReport::Refused;
    snaps_.erase(it); // the user drags the window on: that move ends on its own
    return SnapReport::MovedOn;
}

void MoveEndWatch::forget(WindowHandle window) {
    unwatch(window);
    std::erase_if(placements_, [window](const Placement& p) { return p.window == window; });
    std::erase_if(snaps_, [window](const Snapped& s) { return s.window == window; });
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
