// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/SnapRect.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace host {
void PrintTo(const Rect& r, std::ostream* os) {
    *os << "(" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")";
}
} // namespace host

namespace docking {
namespace {

const Rect kWorkArea{0, 0, 1280, 994};
// A work area that no window of a case comes near, so only the other entries can catch.
const Rect kFarAway{-5000, -5000, -4000, -4000};

// Moving with the cursor at the window's top-left corner plus (20, 10), as on a title bar.
Point CursorOn(const Rect& r) { return Point{r.left + 20, r.top + 10}; }

Rect Move(Rect rect, const std::vector<Rect>& dockRects, DragState& state) {
    SnapRect(SnapMode::Moving, rect, 0, dockRects, state, CursorOn(rect));
    return rect;
}

struct MoveCase {
    std::string name;
    std::vector<Rect> dockRects;
    Rect proposed;
    Rect expected;
    bool snappedX;
    bool snappedY;
};

class MovingSnap : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MovingSnap, LandsWhereExpected) {
    const MoveCase& c = GetParam();
    DragState state;
    const Rect result = Move(c.proposed, c.dockRects, state);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(state.snappedX, c.snappedX);
    EXPECT_EQ(state.snappedY, c.snappedY);
    EXPECT_EQ(result.width(), c.proposed.width()) << "moving keeps the width";
    EXPECT_EQ(result.height(), c.proposed.height()) << "moving keeps the height";
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, MovingSnap,
    ::testing::Values(
        MoveCase{"WorkedExampleBesideAndLevelWithAnotherWindow",
                 {kWorkArea, {300, 200, 742, 472}},
                 {750, 210, 1075, 595},
                 {742, 200, 1067, 585},
                 true, true},
        MoveCase{"FourteenPixelsFromWorkAreaLeftSnaps",
                 {kWorkArea},
                 {14, 300, 314, 500},
                 {0, 300, 300, 500},
                 true, false},
        MoveCase{"FifteenPixelsFromWorkAreaLeftStays",
                 {kWorkArea},
                 {15, 300, 315, 500},
                 {15, 300, 315, 500},
                 false, false},
        MoveCase{"RightAndBottomOfWorkAreaCatchFromInside",
                 {kWorkArea},
                 {975, 690, 1270, 990},
                 {985, 694, 1280, 994},
                 true, true},
        MoveCase{"WorkAreaDoesNotCatchFromOutside",
                 {kWorkArea},
                 {-310, 300, -10, 500},
                 {-310, 300, -10, 500},
                 false, false},
        MoveCase{"EmptyListSnapsNothing",
                 {},
                 {3, 3, 303, 203},
                 {3, 3, 303, 203},
                 false, false},
        MoveCase{"NearerWindowBeatsWorkArea",
                 // left edge 10 from the work area, right edge 5 from the window's left
                 {kWorkArea, {405, 100, 700, 600}},
                 {10, 300, 400, 500},
                 {15, 300, 405, 500},
                 true, false},
        MoveCase{"EqualDistancesKeepTheWorkArea",
                 {kWorkArea, {420, 100, 700, 600}},
                 {10, 300, 410, 500},
                 {0, 300, 400, 500},
                 true, false},
        MoveCase{"EqualDistancesKeepTheEarlierWindow",
                 // top 10 below the first's bottom and 10 above the second's top
                 {kWorkArea, {100, 100, 500, 400}, {380, 420, 900, 700}},
                 {200, 410, 400, 510},
                 {200, 400, 400, 500},
                 false, true},
        MoveCase{"FirstPassingTestOfAnEntryWins",
                 // left edges 10 apart, right edges 2 apart: the left edges meet
                 {kFarAway, {300, 200, 700, 500}},
                 {310, 250, 702, 400},
                 {300, 250, 692, 400},
                 true, false},
        MoveCase{"FifteenAboveAnotherWindowIsNotLevelWithIt",
                 {kWorkArea, {500, 300, 800, 600}},
                 {190, 100, 490, 285},
                 {190, 100, 490, 285},
                 false, false},
        MoveCase{"FourteenAboveAnotherWindowIsLevelWithIt",
                 {kWorkArea, {500, 300, 800, 600}},
                 {190, 100, 490, 286},
                 {200, 114, 500, 300},
                 true, true},
        // Level with another window within 14 pixels on each of its four sides, not at 15.
        MoveCase{"FifteenBelowAnotherWindowIsNotLevelWithIt",
                 {kFarAway, {500, 300, 800, 600}},
                 {805, 615, 1005, 715},
                 {805, 615, 1005, 715},
                 false, false},
        MoveCase{"FourteenBelowAnotherWindowIsLevelWithIt",
                 {kFarAway, {500, 300, 800, 600}},
                 {805, 614, 1005, 714},
                 {800, 600, 1000, 700},
                 true, true},
        MoveCase{"FifteenLeftOfAnotherWindowIsNotLevelWithIt",
                 {kFarAway, {500, 300, 800, 600}},
                 {185, 305, 485, 505},
                 {185, 305, 485, 505},
                 false, false},
        MoveCase{"FourteenLeftOfAnotherWindowIsLevelWithIt",
                 {kFarAway, {500, 300, 800, 600}},
                 {186, 305, 486, 505},
                 {200, 300, 500, 500},
                 true, true},
        MoveCase{"FifteenRightOfAnotherWindowIsNotLevelWithIt",
                 {kFarAway, {500, 300, 800, 600}},
                 {815, 305, 1115, 505},
                 {815, 305, 1115, 505},
                 false, false},
        MoveCase{"FourteenRightOfAnotherWindowIsLevelWithIt",
                 {kFarAway, {500, 300, 800, 600}},
                 {814, 305, 1114, 505},
                 {800, 300, 1100, 500},
                 true, true},
        MoveCase{"ParkedBelowAnotherWindow",
                 {kWorkArea, {300, 200, 700, 400}},
                 {305, 408, 605, 608},
                 {300, 400, 600, 600},
                 true, true},
        MoveCase{"ParkedAboveAnotherWindow",
                 {kWorkArea, {300, 400, 700, 600}},
                 {390, 93, 690, 393},
                 {400, 100, 700, 400},
                 true, true},
        MoveCase{"GapsWiderThanSixteenBitsDoNotWrapIntoASnap",
                 // the window's right edge is 65531 pixels from the entry's left edge
                 {{-40000, -40000, -39000, -39000}, {-32768, 0, -32700, 100}},
                 {32700, 10, 32763, 60},
                 {32700, 10, 32763, 60},
                 false, false}),
    [](const ::testing::TestParamInfo<MoveCase>& info) { return info.param.name; });
// clang-format on

TEST(MovingSnapTest, DistancesAreMeasuredFromTheProposedRectangleNotAnEarlierSnap) {
    // Entry 1 pulls the left edge from 110 to 100 and so the right edge to 400. Entry 2's left
    // edge is 2 from that right edge but 12 from the proposed one: it must not catch.
    DragState state;
    const Rect result =
        Move({110, 300, 410, 500}, {{-9000, -9000, -8000, -8000}, {100, 200, 300, 700}, {398, 250, 900, 600}}, state);
    EXPECT_EQ(result, (Rect{100, 300, 400, 500}));
}

TEST(MovingSnapTest, RecordsCursorOffsetOnlyOnUnsnappedAxes) {
    DragState state;
    Rect rect{14, 300, 314, 500};
    SnapRect(SnapMode::Moving, rect, 0, {kWorkArea}, state, Point{64, 320});
    EXPECT_EQ(state.cursorOffsetX, 50);
    EXPECT_EQ(state.cursorOffsetY, 20);
    EXPECT_TRUE(state.snappedX);

    // Held on the edge, a further move keeps the offset recorded before the snap.
    rect = Rect{5, 330, 305, 530};
    SnapRect(SnapMode::Moving, rect, 0, {kWorkArea}, state, Point{60, 350});
    EXPECT_EQ(state.cursorOffsetX, 50);
    EXPECT_EQ(state.cursorOffsetY, 20);
    EXPECT_EQ(rect, (Rect{0, 330, 300, 530}));
}

TEST(MovingSnapTest, HeldSnapLetsGoAtFifteenPixelsAtTheRecordedOffset) {
    DragState state;
    const std::vector<Rect> list{kWorkArea};
    Rect rect{10, 300, 310, 500};
    SnapRect(SnapMode::Moving, rect, 0, list, state, Point{60, 320}); // offset 50
    ASSERT_EQ(rect.left, 0);
    ASSERT_TRUE(state.snappedX);

    // The platform proposes the snapped place moved with the cursor; the cursor puts the
    // left edge at 14 inside: still held.
    rect = Rect{4, 300, 304, 500};
    SnapRect(SnapMode::Moving, rect, 0, list, state, Point{64, 320});
    EXPECT_EQ(rect, (Rect{0, 300, 300, 500}));
    EXPECT_TRUE(state.snappedX);

    // At 15 it lets go and stands at the cursor minus the offset recorded before the snap.
    rect = Rect{1, 300, 301, 500};
    SnapRect(SnapMode::Moving, rect, 0, list, state, Point{65, 320});
    EXPECT_EQ(rect, (Rect{15, 300, 315, 500}));
    EXPECT_FALSE(state.snappedX);
    EXPECT_EQ(state.cursorOffsetX, 50);
}

TEST(MovingSnapTest, EmptyListClearsHeldSnaps) {
    DragState state;
    state.snappedX = true;
    state.snappedY = true;
    state.cursorOffsetX = 20;
    state.cursorOffsetY = 10;
    Rect rect{100, 100, 200, 200};
    SnapRect(SnapMode::Moving, rect, 0, {}, state, Point{120, 110});
    EXPECT_FALSE(state.snappedX);
    EXPECT_FALSE(state.snappedY);
    EXPECT_EQ(rect, (Rect{100, 100, 200, 200}));
}

struct SizeCase {
    std::string name;
    int edge;
    std::vector<Rect> dockRects;
    Rect proposed;
    Rect expected;
};

class SizingSnap : public ::testing::TestWithParam<SizeCase> {};

TEST_P(SizingSnap, MovesOnlyTheExaminedEdges) {
    const SizeCase& c = GetParam();
    DragState state;
    state.cursorOffsetX = 7;
    state.snappedY = true;
    const DragState before = state;
    Rect rect = c.proposed;
    SnapRect(SnapMode::Sizing, rect, c.edge, c.dockRects, state, Point{9999, 9999});
    EXPECT_EQ(rect, c.expected);
    EXPECT_EQ(state.cursorOffsetX, before.cursorOffsetX) << "sizing leaves the drag state alone";
    EXPECT_EQ(state.snappedX, before.snappedX);
    EXPECT_EQ(state.snappedY, before.snappedY);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Cases, SizingSnap,
    ::testing::Values(
        SizeCase{"LeftEdgeAlsoExaminesTheBottom", kEdgeLeft, {kWorkArea},
                 {12, 300, 400, 984}, {0, 300, 400, 994}},
        SizeCase{"TopEdgeAlsoExaminesTheRight", kEdgeTop, {kWorkArea},
                 {300, 8, 1270, 600}, {300, 0, 1280, 600}},
        SizeCase{"BottomRightSnapsBoth", kEdgeBottomRight, {kWorkArea},
                 {300, 300, 1266, 981}, {300, 300, 1280, 994}},
        SizeCase{"TopLeftSnapsToOuterEdgesOfAWindow", kEdgeTopLeft,
                 {kWorkArea, {100, 100, 300, 290}},
                 {310, 295, 700, 600}, {300, 290, 700, 600}},
        SizeCase{"LeftEdgeOfEntryBeatsItsRightEdge", kEdgeRight,
                 // the right edge is 12 from A.left and 3 from A.right: A.left is tried first
                 {{500, 0, 515, 900}},
                 {100, 100, 512, 300}, {100, 100, 500, 300}},
        SizeCase{"FifteenPixelsStays", kEdgeBottomLeft, {kWorkArea},
                 {15, 100, 400, 979}, {15, 100, 400, 979}},
        SizeCase{"FifteenPixelsStaysAtTopAndRight", kEdgeTop, {kWorkArea},
                 {300, 15, 1265, 600}, {300, 15, 1265, 600}},
        // The right edge is 5 from the entry's left edge, but 100 below it: not level.
        SizeCase{"EntryNotLevelVerticallyDoesNotCatch", kEdgeRight, {{500, 0, 700, 100}},
                 {100, 200, 495, 400}, {100, 200, 495, 400}},
        SizeCase{"EntryNotLevelHorizontallyDoesNotCatch", kEdgeBottom, {{0, 500, 100, 700}},
                 {200, 100, 400, 495}, {200, 100, 400, 495}},
        SizeCase{"EmptyListSnapsNothing", kEdgeBottomRight, {},
                 {1, 1, 1279, 993}, {1, 1, 1279, 993}}),
    [](const ::testing::TestParamInfo<SizeCase>& info) { return info.param.name; });
// clang-format on

struct EdgeCodeCase {
    int code;
    Rect expected;
};

void PrintTo(const EdgeCodeCase& c, std::ostream* os) { *os << "sizing edge " << c.code; }

class SizingEdgeCodes : public ::testing::TestWithParam<EdgeCodeCase> {};

// Every edge of the window is 10 pixels inside the work area; the code decides which x and
// which y edge are examined, and only those two snap.
TEST_P(SizingEdgeCodes, ExamineTheEdgesTheCodeNames) {
    DragState state;
    Rect rect{10, 10, 1270, 984};
    SnapRect(SnapMode::Sizing, rect, GetParam().code, {kWorkArea}, state, Point{});
    EXPECT_EQ(rect, GetParam().expected);
}

// The codes as the platform delivers them with a sizing notification, written as numbers.
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    PlatformCodes, SizingEdgeCodes,
    ::testing::Values(EdgeCodeCase{1, {0, 10, 1270, 994}},   // left: left and bottom
                      EdgeCodeCase{2, {10, 10, 1280, 994}},  // right: right and bottom
                      EdgeCodeCase{3, {10, 0, 1280, 984}},   // top: top and right
                      EdgeCodeCase{4, {0, 0, 1270, 984}},    // top-left
                      EdgeCodeCase{5, {10, 0, 1280, 984}},   // top-right
                      EdgeCodeCase{6, {10, 10, 1280, 994}},  // bottom: bottom and right
                      EdgeCodeCase{7, {0, 10, 1270, 994}},   // bottom-left
                      EdgeCodeCase{8, {10, 10, 1280, 994}}), // bottom-right
    [](const ::testing::TestParamInfo<EdgeCodeCase>& info) { return "Code" + std::to_string(info.param.code); });
// clang-format on

} // namespace
} // namespace docking
