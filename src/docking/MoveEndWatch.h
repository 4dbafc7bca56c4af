// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "docking/Docking.h"

#include <chrono>
#include <functional>
#include <optional>
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
//
// On XWayland the Wayland compositor moves the window, and it keeps the pointer to itself while
// it does: the X server shows no button held and the pointer frozen where the drag began. It
// sends no report when the user lets go, and it discards the program's own moves while its drag
// goes on. There (Pointer::Unreliable) the pointer is not looked at, a move is over once no
// report has come for kQuietTime, and a window snapped at that moment, which may be in a pause
// of the drag rather than at its end, is checked every kRetryInterval and moved again while it
// does not stand where it was snapped to, kRetries times at most: the first move after the
// release holds.
class MoveEndWatch {
public:
    using Milliseconds = std::chrono::milliseconds;
    static constexpr Milliseconds kQuietTime{120};
    static constexpr Milliseconds kEchoTime{1000};
    static constexpr Milliseconds kRetryInterval{100};
    static constexpr int kRetries = 150; // a pause of fifteen seconds before the release

    enum class Pointer {
        Reliable,   // an X11 window manager's drag: the server shows the button held
        Unreliable, // a Wayland compositor's drag of an XWayland window
    };
    explicit MoveEndWatch(Pointer pointer = Pointer::Reliable) : pointer_(pointer) {}

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

    // With Pointer::Unreliable: the program has moved `window` from `from` to `to` where its
    // move seemed over, and the compositor may have discarded that.
    void snapped(WindowHandle window, Point from, Point to, Milliseconds now);
    struct Retry {
        WindowHandle window;
        Point to;
    };
    using WhereIs = std::function<std::optional<Point>(WindowHandle)>;
    // The snapped windows due for a look by `now` that `whereIs` does not find where they were
    // snapped to: move each to `to` again. A window found there, or that cannot be found, or
    // out of tries, is no longer looked at.
    std::vector<Retry> retries(Milliseconds now, const WhereIs& whereIs);

    // Drops a window that is undocked, hidden or gone.
    void forget(WindowHandle window);
    bool watching() const { return !pending_.empty() || !snaps_.empty(); }

private:
    bool isEcho(WindowHandle window, Milliseconds now, Point at) const;
    void unwatch(WindowHandle window);
    // A report about a window snapped but not yet found in place.
    enum class SnapReport { None, Arrived, Refused, MovedOn };
    SnapReport reportOnSnap(WindowHandle window, Point at);

    struct Pending {
        WindowHandle window;
        Milliseconds lastActivity; // the last report, or the last time a button was seen held
    };
    struct Placement {
        WindowHandle window;
        Point at;
        Milliseconds when;
    };
    struct Snapped {
        WindowHandle window;
        Point from;
        Point to;
        Milliseconds nextLook;
        int triesLeft;
    };
    Pointer pointer_;
    std::vector<Pending> pending_;
    std::vector<Placement> placements_; // the program's own, of the last kEchoTime
    std::vector<Snapped> snaps_;        // not yet found in place (Pointer::Unreliable)
};

} // namespace docking
