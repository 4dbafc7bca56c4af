// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/MoveEndWatch.h"

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

} // namespace
} // namespace docking
