// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "docking/Docking.h"

#include <chrono>
#include <vector>

namespace docking {

// Where the window manager moves the windows (X11), the program runs no move loop of its own:
// it hears of a move only through reports of the window's new place, which some window
// managers send while the user drags, others once the drag is over, and which come the same
// way for a drag by the title bar, a drag with Alt held anywhere on the window and a move
// made with the keyboard. This watch tells from those reports, and from whether a pointer
// button is held, when a move is over, so that the window can be snapped where it ends.
//
// A move is over when no report has come and no button has been held for kQuietTime. A report
// that comes with the pointer on the window's title bar or border and no button held is the
// release of a drag by the frame and ends the move at once. A move the program made itself is
// not the user's and ends nothing; nor does the X server's confirmation of it, which can come
// after the program has placed the window again and so report the window back at an earlier
// place: a report of a place the program gave the window within kEchoTime is taken for one.
class MoveEndWatch {
public:
    using Milliseconds = std::chrono::milliseconds;
    static constexpr Milliseconds kQuietTime{120};
    static constexpr Milliseconds kEchoTime{1000};

    struct MoveReport {
        Point at;                  // the outer frame's new top-left corner
        bool byProgram = false;    // the program placed the window (or snapped it) itself
        bool buttonHeld = false;   // a pointer button is down
        bool onDecoration = false; // the pointer is on the title bar or border the window manager draws
    };

    enum class Verdict {
        Ignore,  // nothing to snap for this report
        SnapNow, // the move is over: snap the window now
        Watch,   // call poll() every few milliseconds until it names the window
    };

    Verdict moved(WindowHandle window, Milliseconds now, const MoveReport& report);
    // The windows whose move is over by `now`, each named once.
    std::vector<WindowHandle> poll(Milliseconds now, bool buttonHeld);
    // Drops a window that is undocked, hidden or gone.
    void forget(WindowHandle window);
    bool watching() const { return !pending_.empty(); }

private:
    bool isEcho(WindowHandle window, Milliseconds now, Point at) const;
    void unwatch(WindowHandle window);

    struct Pending {
        WindowHandle window;
        Milliseconds lastActivity; // the last report, or the last time a button was seen held
    };
    struct Placement {
        WindowHandle window;
        Point at;
        Milliseconds when;
    };
    std::vector<Pending> pending_;
    std::vector<Placement> placements_; // the program's own, of the last kEchoTime
};

} // namespace docking
