// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/Docking.h"

#include "FakeScreen.h"

#include <gtest/gtest.h>
#include <vector>

namespace docking {
namespace {

using testing::FakeScreen;

class DockingTest : public ::testing::Test {
protected:
    FakeScreen screen;
    Docking docking{screen};

    // A drag that grabs the window at (20, 10) from its corner and lets the platform propose
    // `proposed` with the cursor carried along.
    Rect Drag(WindowHandle w, Rect proposed) {
        const Rect start = screen.windows.at(w).rect;
        screen.cursor = {start.left + 20, start.top + 10};
        docking.BeginMoveOrSize(w);
        screen.cursor = {proposed.left + 20, proposed.top + 10};
        return docking.ProposeMove(proposed);
    }
};

TEST_F(DockingTest, RegistryKeepsOrderAndGrowsTenAhead) {
    screen.Add(1, {});
    screen.Add(2, {});
    EXPECT_EQ(docking.dockedCapacity(), 0);
    docking.EnableDocking(1);
    EXPECT_EQ(docking.dockedCapacity(), 10);
    docking.EnableDocking(2);
    EXPECT_EQ(docking.dockedCapacity(), 11);
    EXPECT_EQ(docking.dockedCount(), 2);
    EXPECT_EQ(docking.entry(0).hWnd, 1u);
    EXPECT_EQ(docking.entry(0).prevWndProc, 0x1001u);
    EXPECT_EQ(docking.entry(1).hWnd, 2u);
    EXPECT_EQ(screen.windows[2].proc, FakeScreen::kDockingProc);

    for (WindowHandle h = 3; h <= 11; ++h) docking.EnableDocking(screen.Add(h, {}));
    EXPECT_EQ(docking.dockedCount(), 11);
    EXPECT_EQ(docking.dockedCapacity(), 20) << "storage reaches ten places beyond the entries";
    docking.EnableDocking(1);
    EXPECT_EQ(docking.dockedCount(), 11);
    EXPECT_EQ(docking.dockedCapacity(), 21) << "room is made before looking for the window";
}

TEST_F(DockingTest, EnablingTwiceKeepsOneEntryAndOneProcedure) {
    screen.Add(1, {});
    docking.EnableDocking(1);
    docking.EnableDocking(1);
    EXPECT_EQ(docking.dockedCount(), 1);
    EXPECT_EQ(screen.attaches, 1);
    EXPECT_EQ(docking.entry(0).prevWndProc, 0x1001u) << "the original procedure is not lost";
}

TEST_F(DockingTest, DisablingFirstOfTwoKeepsSecondWorking) {
    screen.Add(1, {100, 100, 400, 400});
    screen.Add(2, {500, 500, 700, 700});
    docking.EnableDocking(1);
    docking.EnableDocking(2);
    docking.DisableDocking(1);

    EXPECT_EQ(screen.windows[1].proc, 0x1001u) << "previous procedure put back";
    ASSERT_EQ(docking.dockedCount(), 1);
    EXPECT_EQ(docking.entry(0).hWnd, 2u);
    EXPECT_EQ(docking.prevWndProcOf(2), 0x1002u);
    EXPECT_FALSE(docking.prevWndProcOf(1).has_value());
    EXPECT_EQ(docking.dockedCapacity(), 11) << "storage is not reduced";
}

TEST_F(DockingTest, DockedFromEnablingToDisablingOnly) {
    screen.Add(1, {});
    screen.Add(2, {});
    EXPECT_FALSE(docking.IsDocked(1));
    docking.EnableDocking(1);
    docking.EnableDocking(2);
    EXPECT_TRUE(docking.IsDocked(1)) << "the first entry";
    EXPECT_TRUE(docking.IsDocked(2));
    EXPECT_FALSE(docking.IsDocked(3));
    // On Windows a window without a native window yet is asked about with the handle 0; the
    // registry's unused places hold 0 as well, and are no entries.
    EXPECT_FALSE(docking.IsDocked(0));
    EXPECT_FALSE(docking.prevWndProcOf(0).has_value());
    docking.DisableDocking(1);
    EXPECT_FALSE(docking.IsDocked(1));
    EXPECT_FALSE(docking.IsDocked(0)) << "nor is the place an entry left";
}

TEST_F(DockingTest, DisablingUnknownWindowsIsSilent) {
    screen.Add(1, {});
    screen.Add(2, {});
    docking.DisableDocking(1); // empty registry
    docking.EnableDocking(1);
    docking.DisableDocking(2);
    EXPECT_EQ(docking.dockedCount(), 1);
    EXPECT_EQ(screen.windows[2].proc, 0x1002u);
}

TEST_F(DockingTest, FullRegistryRefusesInsteadOfWrapping) {
    for (WindowHandle h = 1; h <= static_cast<WindowHandle>(Docking::kMaxDocked); ++h) {
        screen.windows[h] = FakeScreen::Window{};
        ASSERT_TRUE(docking.EnableDocking(h));
    }
    EXPECT_EQ(docking.dockedCount(), 32758);
    screen.windows[99999] = FakeScreen::Window{};
    EXPECT_FALSE(docking.EnableDocking(99999));
    EXPECT_EQ(docking.dockedCount(), 32758);
    EXPECT_EQ(screen.windows[99999].proc, 0u) << "a refused window keeps its own procedure";
    EXPECT_TRUE(docking.EnableDocking(5)) << "an already docked window is still fine";
    docking.DisableDocking(1);
    EXPECT_TRUE(docking.EnableDocking(99999));
    EXPECT_EQ(docking.entry(32757).hWnd, 99999u);
}

TEST_F(DockingTest, CollectsWorkAreaThenOtherVisibleWindowsInOrder) {
    screen.Add(5, {10, 10, 20, 20});
    screen.Add(3, {30, 30, 40, 40}, false);
    screen.Add(9, {50, 50, 60, 60});
    screen.Add(4, {70, 70, 80, 80});
    docking.CollectDockRects(9);
    const std::vector<Rect> expected{screen.workArea, {10, 10, 20, 20}, {70, 70, 80, 80}};
    EXPECT_EQ(docking.dockRects(), expected);

    screen.order.clear();
    docking.CollectDockRects(9);
    EXPECT_EQ(docking.dockRects(), std::vector<Rect>{screen.workArea}) << "rebuilt, not appended";
}

TEST_F(DockingTest, StartOfMoveRecordsOffsetsAndCollectsRectangles) {
    screen.Add(1, {100, 200, 400, 500});
    screen.Add(2, {600, 200, 800, 300});
    docking.EnableDocking(1);
    screen.cursor = {130, 215};
    docking.BeginMoveOrSize(1);
    EXPECT_EQ(docking.dragState().cursorOffsetX, 30);
    EXPECT_EQ(docking.dragState().cursorOffsetY, 15);
    const std::vector<Rect> expected{screen.workArea, {600, 200, 800, 300}};
    EXPECT_EQ(docking.dockRects(), expected);
}

TEST_F(DockingTest, LoneWindowSnapsToWorkAreaOnly) {
    screen.Add(1, {300, 300, 600, 500});
    docking.EnableDocking(1);
    EXPECT_EQ(Drag(1, {10, 300, 310, 500}), (Rect{0, 300, 300, 500}));
}

TEST_F(DockingTest, SecondWindowSnapsToOuterEdgesOfTheFirst) {
    screen.Add(1, {100, 100, 500, 400}); // main window, visible, not moving
    screen.Add(2, {700, 600, 900, 800}); // about window being dragged
    docking.EnableDocking(1);
    docking.EnableDocking(2);
    EXPECT_EQ(Drag(2, {510, 100, 710, 300}), (Rect{500, 100, 700, 300}));
    EXPECT_TRUE(docking.dragState().snappedX);
}

TEST_F(DockingTest, ProposedRectanglesComeBackSnappedOrAsTheyWere) {
    screen.Add(1, {300, 300, 600, 500});
    docking.EnableDocking(1);
    docking.BeginMoveOrSize(1);
    EXPECT_EQ(docking.ProposeMove({400, 400, 500, 500}), (Rect{400, 400, 500, 500})) << "nothing near";
    EXPECT_EQ(docking.ProposeSize({300, 300, 600, 985}, kEdgeBottom), (Rect{300, 300, 600, 994}));
    EXPECT_EQ(docking.ProposeSize({9, 300, 600, 500}, kEdgeLeft), (Rect{0, 300, 600, 500})) << "the edge given";
}

TEST_F(DockingTest, ForgottenWindowLeavesRoomForANewOneWithItsHandle) {
    screen.Add(1, {});
    screen.Add(2, {});
    docking.EnableDocking(1);
    docking.EnableDocking(2);
    docking.ForgetWindow(1);
    ASSERT_EQ(docking.dockedCount(), 1);
    EXPECT_EQ(docking.entry(0).hWnd, 2u);
    const int attachesBefore = screen.attaches;
    docking.EnableDocking(1);
    EXPECT_EQ(screen.attaches, attachesBefore + 1);
}

TEST_F(DockingTest, ForgettingAWindowThatIsNotDockedChangesNothing) {
    screen.Add(1, {});
    screen.Add(2, {});
    docking.EnableDocking(1);
    docking.ForgetWindow(2);
    ASSERT_EQ(docking.dockedCount(), 1);
    EXPECT_EQ(docking.entry(0).hWnd, 1u);
    EXPECT_EQ(docking.entry(0).prevWndProc, 0x1001u);
}

TEST_F(DockingTest, SnappedFlagsCarryOverIntoTheNextMove) {
    screen.Add(1, {300, 300, 600, 500});
    docking.EnableDocking(1);
    EXPECT_EQ(Drag(1, {10, 300, 310, 500}), (Rect{0, 300, 300, 500}));
    ASSERT_TRUE(docking.dragState().snappedX);
    // The next move starts from the snapped place: the held flag re-anchors with the offset
    // just taken from the real position, so the window does not jump.
    screen.windows[1].rect = {0, 300, 300, 500};
    EXPECT_EQ(Drag(1, {40, 350, 340, 550}), (Rect{40, 350, 340, 550}));
}

} // namespace
} // namespace docking
