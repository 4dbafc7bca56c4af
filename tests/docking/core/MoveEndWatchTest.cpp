// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/MoveEndWatch.h"

#include "docking/SnapRect.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace docking {
namespace {

using Ms = MoveEndWatch::Milliseconds;

constexpr WindowHandle kMain = 1;
constexpr WindowHandle kAbout = 2;
constexpr int kQuiet = static_cast<int>(MoveEndWatch::kQuietTime.count());
constexpr int kEcho = static_cast<int>(MoveEndWatch::kEchoTime.count());

// One thing that happens to the watch: a reported move, a look at the pointer, or a window
// that is dropped.
struct Step {
    enum Kind { Move, Poll, Forget } kind;
    int at;
    WindowHandle window = 0;
    MoveEndWatch::MoveReport report{};
    bool buttonHeld = false;
};

// Where the window manager and the program put the windows unless a case says otherwise.
constexpr Point kDragged{40, 50};
constexpr Point kPlaced{300, 200};

// A move the window manager reports with the pointer away from the frame, no button held: the
// report after an Alt+drag, or one step of a move made with the keyboard.
Step WmMove(int at, WindowHandle w, Point to = kDragged) { return {Step::Move, at, w, {.at = to}}; }
// A report while the user drags with the button held, as some window managers send them.
Step DragMove(int at, WindowHandle w, bool onDecoration = false) {
    return {Step::Move, at, w, {.at = kDragged, .buttonHeld = true, .onDecoration = onDecoration}};
}
// The report that comes after the button was let go on the title bar.
Step ReleaseOnFrame(int at, WindowHandle w) { return {Step::Move, at, w, {.at = kDragged, .onDecoration = true}}; }
Step ProgramMove(int at, WindowHandle w, Point to = kPlaced) {
    return {Step::Move, at, w, {.at = to, .byProgram = true}};
}
Step Poll(int at, bool buttonHeld = false) { return {Step::Poll, at, 0, {}, buttonHeld}; }
Step Forget(int at, WindowHandle w) { return {Step::Forget, at, w, {}}; }

struct Snap {
    int at;
    WindowHandle window;
    friend bool operator==(const Snap&, const Snap&) = default;
    friend void PrintTo(const Snap& s, std::ostream* os) { *os << "window " << s.window << " at " << s.at << " ms"; }
};

struct WatchCase {
    std::string name;
    std::vector<Step> steps;
    std::vector<Snap> snaps;
};

class MoveEnd : public ::testing::TestWithParam<WatchCase> {};

TEST_P(MoveEnd, SnapsWhereTheMoveIsOver) {
    MoveEndWatch watch;
    std::vector<Snap> snaps;
    for (const Step& step : GetParam().steps) {
        switch (step.kind) {
        case Step::Move:
            if (watch.moved(step.window, Ms(step.at), step.report) == MoveEndWatch::Verdict::SnapNow) {
                snaps.push_back({step.at, step.window});
            }
            break;
        case Step::Poll:
            for (WindowHandle w : watch.poll(Ms(step.at), step.buttonHeld)) snaps.push_back({step.at, w});
            break;
        case Step::Forget: watch.forget(step.window); break;
        }
    }
    EXPECT_EQ(snaps, GetParam().snaps);
    EXPECT_FALSE(watch.watching()) << "every move is over or forgotten by the last step";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, MoveEnd,
    ::testing::Values(
        WatchCase{"ReleaseOnTheFrameSnapsAtOnce",
                  {ReleaseOnFrame(0, kMain), Poll(10 * kQuiet)},
                  {{0, kMain}}},
        WatchCase{"ReportAfterAnAltDragSnapsOnceQuiet",
                  {WmMove(0, kMain), Poll(kQuiet - 1), Poll(kQuiet), Poll(10 * kQuiet)},
                  {{kQuiet, kMain}}},
        WatchCase{"ReportsDuringTheDragWaitForTheRelease",
                  {DragMove(0, kMain), Poll(2 * kQuiet, true), DragMove(2 * kQuiet + 10, kMain),
                   Poll(4 * kQuiet, true), Poll(5 * kQuiet - 1), Poll(5 * kQuiet)},
                  {{5 * kQuiet, kMain}}},
        WatchCase{"ReportOnTheFrameWithTheButtonHeldIsNoRelease",
                  {DragMove(0, kMain, true), Poll(100, true), Poll(100 + kQuiet - 1), Poll(100 + kQuiet)},
                  {{100 + kQuiet, kMain}}},
        WatchCase{"KeyboardStepsSnapOnceAfterTheLastStep",
                  {WmMove(0, kMain), WmMove(kQuiet / 2, kMain), WmMove(kQuiet, kMain),
                   Poll(2 * kQuiet - 1), Poll(2 * kQuiet)},
                  {{2 * kQuiet, kMain}}},
        WatchCase{"ProgramPlacementIsNeverSnapped",
                  {ProgramMove(0, kMain), Poll(10 * kQuiet)},
                  {}},
        WatchCase{"ProgramPlacementCancelsAMoveNotYetOver",
                  {WmMove(0, kMain), ProgramMove(kQuiet / 2, kMain), Poll(10 * kQuiet)},
                  {}},
        WatchCase{"ProgramPlacingAnotherWindowCancelsNothing",
                  {WmMove(0, kMain), ProgramMove(kQuiet / 2, kAbout), Poll(kQuiet)},
                  {{kQuiet, kMain}}},
        WatchCase{"EachWindowEndsOnItsOwn",
                  {WmMove(0, kMain), WmMove(kQuiet / 2, kAbout), Poll(kQuiet), Poll(kQuiet + kQuiet / 2)},
                  {{kQuiet, kMain}, {kQuiet + kQuiet / 2, kAbout}}},
        // The X server confirms two quick placements after both were made: the window seems to
        // go back to the first place and on to the second, with nobody moving it.
        WatchCase{"ServerConfirmingTheProgramsPlacementsIsNoMove",
                  {ProgramMove(0, kMain, {200, 100}), ProgramMove(1, kMain, {8, 300}),
                   WmMove(2, kMain, {200, 100}), WmMove(3, kMain, {8, 300}), Poll(10 * kQuiet)},
                  {}},
        WatchCase{"MoveInTheColumnOfAPlacementSnaps",
                  {ProgramMove(0, kMain, {8, 300}), WmMove(1, kMain, {8, 290}), Poll(1 + kQuiet)},
                  {{1 + kQuiet, kMain}}},
        WatchCase{"MoveInTheRowOfAPlacementSnaps",
                  {ProgramMove(0, kMain, {8, 300}), WmMove(1, kMain, {18, 300}), Poll(1 + kQuiet)},
                  {{1 + kQuiet, kMain}}},
        WatchCase{"PlacementLongAgoIsNoConfirmation",
                  {ProgramMove(0, kMain), WmMove(kEcho, kMain, kPlaced), Poll(kEcho + kQuiet)},
                  {{kEcho + kQuiet, kMain}}},
        WatchCase{"PlacementOfAnotherWindowIsNoConfirmation",
                  {ProgramMove(0, kAbout), WmMove(1, kMain, kPlaced), Poll(1 + kQuiet)},
                  {{1 + kQuiet, kMain}}},
        WatchCase{"ForgottenWindowIsNotSnapped",
                  {WmMove(0, kMain), WmMove(0, kAbout), Forget(1, kMain), Poll(kQuiet)},
                  {{kQuiet, kAbout}}}),
    [](const ::testing::TestParamInfo<WatchCase>& info) { return info.param.name; });
// clang-format on

// A Wayland compositor dragging an XWayland window: it moves the window while the button is
// held, tells nothing of the release, and discards the program's moves until then. The
// program's side is played as the X11 glue plays it: a window whose move is over is snapped
// flush with the screen's left edge where it ends within the snap range, and moved there again
// for each retry.
class CompositorDrag {
public:
    explicit CompositorDrag(MoveEndWatch::Pointer pointer = MoveEndWatch::Pointer::Unreliable) : watch(pointer) {}

    void press() { dragging_ = true; }
    void release() { dragging_ = false; }
    // One step of the drag; the compositor reports it with the pointer frozen away from the frame.
    MoveEndWatch::Verdict drag(int at, Point to, MoveEndWatch::MoveReport report = {}) {
        place(to);
        report.at = to;
        return watch.moved(kMain, Ms(at), report);
    }
    // The X server's answer to a move the compositor discarded: the place the window keeps.
    void refusal(int at) { watch.moved(kMain, Ms(at), {.at = where_}); }
    void poll(int at, bool buttonHeld = false) {
        for (WindowHandle w : watch.poll(Ms(at), buttonHeld)) {
            ++ends;
            if (where_.x >= kSnapRange) continue; // nothing to snap to
            const Point from = where_;
            program(kFlush);
            watch.snapped(w, from, kFlush, Ms(at));
        }
        const auto whereIs = [this](WindowHandle) { return findable ? std::optional<Point>(where_) : std::nullopt; };
        for (const MoveEndWatch::Retry& retry : watch.retries(Ms(at), whereIs)) {
            ++retries;
            program(retry.to);
        }
    }
    // Polls every 20 ms from `from` to `to`, as the glue's timer does.
    void pollUntil(int from, int to) {
        for (int at = from; at <= to; at += 20) poll(at);
    }
    Point where() const { return where_; }

    static constexpr Point kFlush{0, 50};
    MoveEndWatch watch;
    int ends = 0; // moves found over
    int retries = 0;
    bool findable = true;

private:
    void place(Point to) { where_ = to; }
    void program(Point to) {
        if (!dragging_) place(to);
    }
    bool dragging_ = false;
    Point where_{200, 50};
};

constexpr Point kNearEdge{10, 50};
constexpr int kPause = 2000; // the user holds still that long before letting go

// The drag of the issue: to 10 pixels from the edge, held still, let go.
void DragAndPause(CompositorDrag& d) {
    d.press();
    for (int step = 0; step < 4; ++step) d.drag(step * 40, Point{200 - step * 60, 50});
    d.drag(160, kNearEdge);
    d.pollUntil(180, 160 + kPause);
}

TEST(CompositorDrag, PausedDragSnapsOnceTheButtonIsLetGo) {
    CompositorDrag d;
    DragAndPause(d);
    EXPECT_EQ(d.ends, 1);
    EXPECT_EQ(d.where().x, kNearEdge.x) << "the compositor discards moves while it drags";
    d.release();
    const int released = 160 + kPause;
    d.pollUntil(released, released + static_cast<int>(MoveEndWatch::kRetryInterval.count()) + 20);
    EXPECT_EQ(d.where().x, CompositorDrag::kFlush.x);
    EXPECT_FALSE(d.watch.watching()) << "a window found where it was snapped to is no longer looked at";
    const int looks = d.retries;
    d.pollUntil(released + 200, released + 2000);
    EXPECT_EQ(d.retries, looks);
}

TEST(CompositorDrag, FrozenPointerNeitherEndsNorProlongsTheMove) {
    // The server may show the button up over the title bar while the compositor still drags:
    // no end. Nor does a button it shows held keep the move from ending.
    CompositorDrag d;
    d.press();
    EXPECT_EQ(d.drag(0, kNearEdge, {.at = {}, .onDecoration = true}), MoveEndWatch::Verdict::Watch);
    d.poll(MoveEndWatch::kQuietTime.count(), true);
    EXPECT_EQ(d.ends, 1);
}

TEST(CompositorDrag, TriesAreBoundedWhenTheWindowNeverGetsThere) {
    CompositorDrag d;
    DragAndPause(d); // never let go
    d.pollUntil(160 + kPause, 160 + kPause + 10 * MoveEndWatch::kRetries * 20);
    EXPECT_EQ(d.retries, MoveEndWatch::kRetries);
    EXPECT_FALSE(d.watch.watching());
}

TEST(CompositorDrag, RefusalOfTheSnapIsNoNewMove) {
    CompositorDrag d;
    DragAndPause(d);
    d.refusal(160 + kPause);
    d.release();
    d.pollUntil(160 + kPause + 20, 160 + kPause + 400);
    EXPECT_EQ(d.where().x, CompositorDrag::kFlush.x);
    EXPECT_EQ(d.ends, 1);
}

TEST(CompositorDrag, DraggingOnAfterThePauseEndsAnewWhereTheDragEnds) {
    CompositorDrag d;
    DragAndPause(d);
    const int on = 160 + kPause;
    d.drag(on, Point{300, 50}); // the user moves on, away from the edge, and lets go there
    d.release();
    d.pollUntil(on + 20, on + 1000);
    EXPECT_EQ(d.ends, 2);
    EXPECT_EQ(d.where().x, 300) << "the first snap is not retried once the user has moved on";
}

TEST(CompositorDrag, WindowThatCannotBeFoundIsNoLongerLookedAt) {
    CompositorDrag d;
    DragAndPause(d);
    d.findable = false;
    d.pollUntil(160 + kPause, 160 + kPause + 200);
    EXPECT_FALSE(d.watch.watching());
}

TEST(CompositorDrag, ForgottenWindowIsNotMovedAgain) {
    CompositorDrag d;
    DragAndPause(d);
    const int looks = d.retries;
    d.watch.forget(kMain);
    d.release();
    d.pollUntil(160 + kPause, 160 + kPause + 500);
    EXPECT_EQ(d.retries, looks);
    EXPECT_FALSE(d.watch.watching());
}

TEST(CompositorDrag, X11WindowManagerIsTakenAtItsWord) {
    // There the server shows the held button and the window manager takes the program's moves:
    // where one does not hold (a window manager that keeps the window where it is), the program
    // does not insist.
    CompositorDrag d(MoveEndWatch::Pointer::Reliable);
    d.press();
    d.drag(0, kNearEdge);
    d.pollUntil(20, 1000);
    EXPECT_EQ(d.ends, 1);
    EXPECT_EQ(d.retries, 0);
    EXPECT_FALSE(d.watch.watching());
}

} // namespace
} // namespace docking
