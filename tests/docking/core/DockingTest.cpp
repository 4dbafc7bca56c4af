// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/Docking.h"

#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace docking {
namespace {

// A screen of fake windows. Every window starts with its own procedure; installing the docking
// procedure replaces it, as on the platform.
class FakeScreen : public DockingPlatform {
public:
    struct Window {
        Rect rect;
        bool visible = true;
        WindowProcId proc = 0;
    };
    struct Call {
        WindowProcId proc;
        WindowHandle window;
        unsigned message;
        MessageParam wParam;
        MessageParam lParam;
    };
    static constexpr WindowProcId kDockingProc = 0xD0C;

    Rect workArea{0, 0, 1280, 994};
    Point cursor{};
    std::vector<WindowHandle> order;
    std::map<WindowHandle, Window> windows;
    std::vector<Call> calls;
    std::vector<Call> defaultCalls;
    MessageResult nextResult = 0;

    WindowHandle Add(WindowHandle h, Rect r, bool visible = true) {
        order.push_back(h);
        windows[h] = Window{r, visible, 0x1000 + h};
        return h;
    }

    Rect WorkArea() override { return workArea; }
    Rect WindowRect(WindowHandle w) override { return windows.at(w).rect; }
    Point CursorPos() override { return cursor; }
    std::vector<WindowHandle> LoadedWindows() override { return order; }
    bool IsVisible(WindowHandle w) override { return windows.at(w).visible; }
    WindowProcId InstallDockingProc(WindowHandle w) override {
        ++installs;
        const WindowProcId previous = windows.at(w).proc;
        windows.at(w).proc = kDockingProc;
        return previous;
    }
    void RestoreWindowProc(WindowHandle w, WindowProcId previous) override { windows.at(w).proc = previous; }
    MessageResult ForwardMessage(WindowProcId proc, WindowHandle w, unsigned m, MessageParam wp,
                                 MessageParam lp) override {
        calls.push_back({proc, w, m, wp, lp});
        return nextResult;
    }
    MessageResult CallDefaultProc(WindowHandle w, unsigned m, MessageParam wp, MessageParam lp) override {
        defaultCalls.push_back({0, w, m, wp, lp});
        return nextResult;
    }

    int installs = 0;
};

class DockingTest : public ::testing::Test {
protected:
    FakeScreen screen;
    Docking docking{screen};

    MessageResult SendMoving(WindowHandle w, Rect& proposed) {
        return docking.DockingWindowProc(w, kMsgMoving, 0, reinterpret_cast<MessageParam>(&proposed));
    }
    // A drag that grabs the window at (20, 10) from its corner and lets the platform propose
    // `proposed` with the cursor carried along.
    Rect Drag(WindowHandle w, Rect proposed) {
        const Rect start = screen.windows.at(w).rect;
        screen.cursor = {start.left + 20, start.top + 10};
        docking.DockingWindowProc(w, kMsgEnterSizeMove, 0, 0);
        screen.cursor = {proposed.left + 20, proposed.top + 10};
        EXPECT_EQ(SendMoving(w, proposed), 1);
        docking.DockingWindowProc(w, kMsgExitSizeMove, 0, 0);
        return proposed;
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
    EXPECT_EQ(screen.installs, 1);
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
    EXPECT_EQ(docking.dockedCapacity(), 11) << "storage is not reduced";

    screen.nextResult = 77;
    EXPECT_EQ(docking.DockingWindowProc(2, 0x000F, 3, 4), 77);
    ASSERT_EQ(screen.calls.size(), 1u);
    EXPECT_EQ(screen.calls[0].proc, 0x1002u);
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

TEST_F(DockingTest, StartOfMoveRecordsOffsetsAndIsForwarded) {
    screen.Add(1, {100, 200, 400, 500});
    docking.EnableDocking(1);
    screen.cursor = {130, 215};
    screen.nextResult = 5;
    EXPECT_EQ(docking.DockingWindowProc(1, kMsgEnterSizeMove, 0, 0), 5);
    EXPECT_EQ(docking.dragState().cursorOffsetX, 30);
    EXPECT_EQ(docking.dragState().cursorOffsetY, 15);
    EXPECT_EQ(docking.dockRects().size(), 1u);
    ASSERT_EQ(screen.calls.size(), 1u);
    EXPECT_EQ(screen.calls[0].message, kMsgEnterSizeMove);
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

TEST_F(DockingTest, MovingAndSizingAreAnsweredNotForwarded) {
    screen.Add(1, {300, 300, 600, 500});
    docking.EnableDocking(1);
    docking.DockingWindowProc(1, kMsgEnterSizeMove, 0, 0);
    screen.calls.clear();
    screen.nextResult = 42;

    Rect far{400, 400, 500, 500};
    EXPECT_EQ(SendMoving(1, far), 1) << "answered 1 also when nothing snapped";
    EXPECT_EQ(far, (Rect{400, 400, 500, 500}));

    Rect sized{300, 300, 600, 985};
    EXPECT_EQ(docking.DockingWindowProc(1, kMsgSizing, kEdgeBottom, reinterpret_cast<MessageParam>(&sized)), 1);
    EXPECT_EQ(sized, (Rect{300, 300, 600, 994}));
    EXPECT_TRUE(screen.calls.empty());

    EXPECT_EQ(docking.DockingWindowProc(1, kMsgMoving, 0, 0), 1) << "no rectangle: nothing to snap";
    EXPECT_TRUE(screen.calls.empty());
}

TEST_F(DockingTest, OtherMessagesReachThePreviousProcedureUnchanged) {
    screen.Add(1, {});
    screen.Add(2, {});
    docking.EnableDocking(1);
    docking.EnableDocking(2);
    const struct {
        unsigned message;
        MessageParam wParam;
        MessageParam lParam;
        MessageResult result;
    } cases[] = {
        {kMsgExitSizeMove, 0, 0, 0},
        {0x0112 /* system command */, 0xF010, 0x00640032, -1},
        {0x0010 /* close */, 0, 0, 0x7FFFFFFF},
        {0x0201 /* button down */, ~MessageParam{0}, 0x12345678, 12345},
    };
    for (const auto& c : cases) {
        screen.calls.clear();
        screen.nextResult = c.result;
        EXPECT_EQ(docking.DockingWindowProc(2, c.message, c.wParam, c.lParam), c.result);
        ASSERT_EQ(screen.calls.size(), 1u);
        EXPECT_EQ(screen.calls[0].proc, 0x1002u);
        EXPECT_EQ(screen.calls[0].window, 2u);
        EXPECT_EQ(screen.calls[0].message, c.message);
        EXPECT_EQ(screen.calls[0].wParam, c.wParam);
        EXPECT_EQ(screen.calls[0].lParam, c.lParam);
    }
}

TEST_F(DockingTest, MessagesForAnUnregisteredWindowGoToTheDefaultProcedure) {
    screen.Add(1, {});
    docking.EnableDocking(1);
    docking.DisableDocking(1);
    screen.nextResult = 9;
    EXPECT_EQ(docking.DockingWindowProc(1, 0x000F, 1, 2), 9);
    EXPECT_TRUE(screen.calls.empty());
    ASSERT_EQ(screen.defaultCalls.size(), 1u);
    EXPECT_EQ(screen.defaultCalls[0].message, 0x000Fu);
}

TEST_F(DockingTest, ForgottenWindowLeavesRoomForANewOneWithItsHandle) {
    screen.Add(1, {});
    screen.Add(2, {});
    docking.EnableDocking(1);
    docking.EnableDocking(2);
    docking.ForgetWindow(1);
    ASSERT_EQ(docking.dockedCount(), 1);
    EXPECT_EQ(docking.entry(0).hWnd, 2u);
    const int installsBefore = screen.installs;
    docking.EnableDocking(1);
    EXPECT_EQ(screen.installs, installsBefore + 1);
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
