// SPDX-License-Identifier: GPL-3.0-or-later
// Where the tool windows open next to the window they belong to, for screens of every size.
#include "windowkit/Placement.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <ostream>

namespace {

using host::Rect;
using windowkit::WindowSize;

// A tool window's frame at the size it opens at, and at the smallest it is made beside its
// owner; with openbox's frame (a pixel at each side, 20 above and 5 below).
struct ToolFrame {
    WindowSize preferred;
    WindowSize smallest;
};
constexpr ToolFrame kWorkCurve{{782, 267}, {460, 240}};
constexpr ToolFrame kExamSheets{{802, 645}, {622, 397}};
constexpr ToolFrame kSheetResults{{1012, 585}, {622, 385}};

struct PlacementCase {
    const char* name;
    ToolFrame window;
    Rect workArea;
    Rect owner;
    Rect expected;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.name; }

std::int64_t Covered(const Rect& a, const Rect& b) {
    const std::int64_t width = std::max(0, std::min(a.right, b.right) - std::max(a.left, b.left));
    const std::int64_t height = std::max(0, std::min(a.bottom, b.bottom) - std::max(a.top, b.top));
    return width * height;
}

class PlacementTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTest, OpensBesideTheOwnerWithinTheWorkArea) {
    const PlacementCase& c = GetParam();
    const Rect placed = windowkit::FrameBeside(c.workArea, c.owner, c.window.preferred, c.window.smallest);
    EXPECT_EQ(placed, c.expected) << placed.left << ", " << placed.top << ", " << placed.right << ", " << placed.bottom;
    EXPECT_GE(placed.left, c.workArea.left);
    EXPECT_GE(placed.top, c.workArea.top);
    EXPECT_LE(placed.right, c.workArea.right);
    EXPECT_LE(placed.bottom, c.workArea.bottom);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Screens, PlacementTest, testing::Values(
    PlacementCase{"RoomyScreenRightOfTheOwner",   kWorkCurve, {0, 0, 2560, 1440}, {1057, 587, 1503, 853}, {1503, 587, 2285, 854}},
    PlacementCase{"OwnerAtTheRightEdgeLeftOfIt",  kWorkCurve, {0, 0, 1920, 1080}, {1400, 100, 1846, 366}, {618, 100, 1400, 367}},
    // Centred on 1366 x 768: 460 px on either side, 251 below; below is the most room.
    PlacementCase{"LaptopScreenBelowSmaller",     kWorkCurve, {0, 0, 1366, 768},  {460, 250, 906, 517},   {460, 517, 1242, 768}},
    PlacementCase{"LevelButAboveTheTaskbar",      kWorkCurve, {0, 0, 1920, 1040}, {100, 850, 546, 1116},  {546, 773, 1328, 1040}},
    PlacementCase{"OnlyASideNarrowerThanWanted",  kWorkCurve, {0, 0, 1600, 900},  {0, 0, 1000, 700},      {1000, 0, 1600, 267}},
    // No side has room for the smallest readable window: it covers the owner, least in
    // the corner that shares the least with it.
    PlacementCase{"NoRoomCentredOwner",           kWorkCurve, {0, 0, 1024, 600},  {289, 167, 735, 433},   {564, 360, 1024, 600}},
    PlacementCase{"NoRoomOwnerOffCentre",         kWorkCurve, {0, 0, 1024, 600},  {300, 100, 746, 366},   {0, 360, 460, 600}},
    PlacementCase{"ScreenSmallerThanTheWindow",   kWorkCurve, {0, 0, 400, 300},   {0, 0, 400, 300},       {0, 60, 400, 300}},
    PlacementCase{"WorkAreaNotAtTheOrigin",       kWorkCurve, {1920, 24, 3286, 792}, {2380, 274, 2826, 541}, {2380, 541, 3162, 792}},
    // Beside the main window centred on 1366 x 768 (465 px left of it, 466 right, 252 above,
    // 253 below), neither the exam sheets nor their results fit: each covers the corner
    // that shares the least with it, whole, at its smallest.
    PlacementCase{"ExamSheetsOnALaptopInTheCorner", kExamSheets, {0, 0, 1366, 768}, {465, 252, 900, 515}, {744, 371, 1366, 768}},
    PlacementCase{"ResultsOnALaptopInTheCorner",  kSheetResults, {0, 0, 1366, 768}, {465, 252, 900, 515}, {744, 383, 1366, 768}},
    // On 1920 x 1080 the exam sheets fit right of it, narrower; the results, wider still,
    // fit at their size on 2560 x 1440.
    PlacementCase{"ExamSheetsOnFullHdRightNarrower", kExamSheets, {0, 0, 1920, 1080}, {742, 399, 1177, 662}, {1177, 399, 1920, 1044}},
    PlacementCase{"ResultsOnARoomyScreenRightOfIt", kSheetResults, {0, 0, 2560, 1440}, {1062, 579, 1497, 842}, {1497, 579, 2509, 1164}}));
// clang-format on

// Wherever there is room beside the owner the window takes none of it; where there is not,
// no other corner of the work area would have covered less.
TEST(PlacementTest, CoversTheOwnerOnlyWhereNoSideHasRoom) {
    const Rect area{0, 0, 1024, 600};
    for (int left = 0; left + 446 <= area.right; left += 37)
        for (int top = 0; top + 266 <= area.bottom; top += 29) {
            const Rect owner{left, top, left + 446, top + 266};
            const Rect placed = windowkit::FrameBeside(area, owner, kWorkCurve.preferred, kWorkCurve.smallest);
            const bool room =
                area.right - owner.right >= kWorkCurve.smallest.width || owner.left >= kWorkCurve.smallest.width ||
                area.bottom - owner.bottom >= kWorkCurve.smallest.height || owner.top >= kWorkCurve.smallest.height;
            SCOPED_TRACE(testing::Message() << "owner at " << left << ", " << top);
            if (room) {
                EXPECT_EQ(Covered(placed, owner), 0);
                EXPECT_GE(placed.width(), kWorkCurve.smallest.width);
                EXPECT_GE(placed.height(), kWorkCurve.smallest.height);
                continue;
            }
            for (const int x : {area.left, area.right - kWorkCurve.smallest.width})
                for (const int y : {area.top, area.bottom - kWorkCurve.smallest.height})
                    EXPECT_LE(Covered(placed, owner),
                              Covered({x, y, x + kWorkCurve.smallest.width, y + kWorkCurve.smallest.height}, owner));
        }
}

} // namespace
