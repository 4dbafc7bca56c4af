// SPDX-License-Identifier: GPL-3.0-or-later
// The docking procedure's rules, without Windows: which messages it answers, which it hands
// on, and what it tells the registry. The Wine test holds the same rules against real windows.
#include "docking/DockingWin32Messages.h"

#include "FakeScreen.h"

#include <gtest/gtest.h>
#include <vector>

namespace docking::win32 {
namespace {

using docking::testing::FakeScreen;

// Records what the docking procedure hands on, and answers with `nextResult`.
class RecordingForwarder : public MessageForwarder {
public:
    static constexpr PlatformData kDefaultProc = 0xDEF;

    struct Call {
        PlatformData proc; // kDefaultProc for the system's default handling
        WindowHandle window;
        unsigned message;
        MessageParam wParam;
        MessageParam lParam;
    };
    std::vector<Call> calls;
    MessageResult nextResult = 0;

    MessageResult CallPrevious(PlatformData prevWndProc, WindowHandle window, unsigned message, MessageParam wParam,
                               MessageParam lParam) override {
        calls.push_back({prevWndProc, window, message, wParam, lParam});
        return nextResult;
    }
    MessageResult CallDefault(WindowHandle window, unsigned message, MessageParam wParam,
                              MessageParam lParam) override {
        calls.push_back({kDefaultProc, window, message, wParam, lParam});
        return nextResult;
    }
};

constexpr unsigned kPaint = 0x000F;
constexpr unsigned kClose = 0x0010;
constexpr unsigned kSysCommand = 0x0112;
constexpr unsigned kLButtonDown = 0x0201;

class DockingWin32MessagesTest : public ::testing::Test {
protected:
    FakeScreen screen;
    Docking docking{screen};
    RecordingForwarder forwarder;

    MessageResult Send(WindowHandle w, unsigned message, MessageParam wParam = 0, MessageParam lParam = 0) {
        return DockingMessage(docking, forwarder, w, message, wParam, lParam);
    }
    // lParam of WM_MOVING and WM_SIZING points to the proposed rectangle.
    MessageResult SendRect(WindowHandle w, unsigned message, Rect& proposed, MessageParam wParam = 0) {
        return Send(w, message, wParam, reinterpret_cast<MessageParam>(&proposed));
    }
};

TEST_F(DockingWin32MessagesTest, StartOfMoveIsActedOnThenHandedOn) {
    screen.Add(1, {100, 200, 400, 500});
    docking.EnableDocking(1);
    screen.cursor = {130, 215};
    forwarder.nextResult = 5;
    EXPECT_EQ(Send(1, kEnterSizeMove, 6, 7), 5);
    EXPECT_EQ(docking.dragState().cursorOffsetX, 30);
    EXPECT_EQ(docking.dragState().cursorOffsetY, 15);
    EXPECT_EQ(docking.dockRects().size(), 1u);
    ASSERT_EQ(forwarder.calls.size(), 1u);
    EXPECT_EQ(forwarder.calls[0].proc, 0x1001u);
    EXPECT_EQ(forwarder.calls[0].message, kEnterSizeMove);
    EXPECT_EQ(forwarder.calls[0].wParam, 6u);
    EXPECT_EQ(forwarder.calls[0].lParam, 7u);
}

TEST_F(DockingWin32MessagesTest, MovingAndSizingAreAnsweredNotForwarded) {
    screen.Add(1, {300, 300, 600, 500});
    docking.EnableDocking(1);
    Send(1, kEnterSizeMove);
    forwarder.calls.clear();
    forwarder.nextResult = 42;

    Rect far{400, 400, 500, 500};
    EXPECT_EQ(SendRect(1, kMoving, far), 1) << "answered 1 also when nothing snapped";
    EXPECT_EQ(far, (Rect{400, 400, 500, 500}));

    screen.cursor = {30, 310};
    Rect near{10, 300, 310, 500};
    EXPECT_EQ(SendRect(1, kMoving, near), 1);
    EXPECT_EQ(near, (Rect{0, 300, 300, 500})) << "the snapped rectangle is written back";

    Rect sized{300, 300, 600, 985};
    EXPECT_EQ(SendRect(1, kSizing, sized, kEdgeBottom), 1);
    EXPECT_EQ(sized, (Rect{300, 300, 600, 994}));
    Rect sizedLeft{9, 300, 600, 500};
    EXPECT_EQ(SendRect(1, kSizing, sizedLeft, kEdgeLeft), 1);
    EXPECT_EQ(sizedLeft, (Rect{0, 300, 600, 500})) << "wParam is the edge being dragged";
    EXPECT_TRUE(forwarder.calls.empty());

    EXPECT_EQ(Send(1, kMoving), 1) << "no rectangle: nothing to snap";
    EXPECT_EQ(Send(1, kSizing, kEdgeBottom), 1);
    EXPECT_TRUE(forwarder.calls.empty());
}

TEST_F(DockingWin32MessagesTest, OtherMessagesReachThePreviousProcedureUnchanged) {
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
        {kExitSizeMove, 0, 0, 0},
        {kSysCommand, 0xF010, 0x00640032, -1},
        {kClose, 0, 0, 0x7FFFFFFF},
        {kLButtonDown, ~MessageParam{0}, 0x12345678, 12345},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        forwarder.calls.clear();
        forwarder.nextResult = c.result;
        EXPECT_EQ(Send(2, c.message, c.wParam, c.lParam), c.result);
        ASSERT_EQ(forwarder.calls.size(), 1u);
        EXPECT_EQ(forwarder.calls[0].proc, 0x1002u);
        EXPECT_EQ(forwarder.calls[0].window, 2u);
        EXPECT_EQ(forwarder.calls[0].message, c.message);
        EXPECT_EQ(forwarder.calls[0].wParam, c.wParam);
        EXPECT_EQ(forwarder.calls[0].lParam, c.lParam);
    }
}

// The first of two docked windows is disabled: its messages go to the system's default handling
// should any still come, the second window's still go to its own procedure.
TEST_F(DockingWin32MessagesTest, AfterDisablingEachWindowsMessagesGoWhereTheyBelong) {
    screen.Add(1, {});
    screen.Add(2, {});
    docking.EnableDocking(1);
    docking.EnableDocking(2);
    docking.DisableDocking(1);

    forwarder.nextResult = 9;
    EXPECT_EQ(Send(1, kPaint, 1, 2), 9);
    forwarder.nextResult = 77;
    EXPECT_EQ(Send(2, kPaint, 3, 4), 77);
    ASSERT_EQ(forwarder.calls.size(), 2u);
    EXPECT_EQ(forwarder.calls[0].proc, RecordingForwarder::kDefaultProc);
    EXPECT_EQ(forwarder.calls[0].message, kPaint);
    EXPECT_EQ(forwarder.calls[1].proc, 0x1002u);
}

TEST_F(DockingWin32MessagesTest, LastMessageIsHandedOnThenTheWindowLeavesTheRegistry) {
    screen.Add(1, {});
    screen.Add(2, {});
    docking.EnableDocking(1);
    docking.EnableDocking(2);
    forwarder.nextResult = 3;
    EXPECT_EQ(Send(1, kNcDestroy), 3);
    ASSERT_EQ(forwarder.calls.size(), 1u);
    EXPECT_EQ(forwarder.calls[0].proc, 0x1001u) << "the window's own procedure still sees its end";
    ASSERT_EQ(docking.dockedCount(), 1);
    EXPECT_EQ(docking.entry(0).hWnd, 2u);
}

} // namespace
} // namespace docking::win32
