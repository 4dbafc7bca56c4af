// SPDX-License-Identifier: GPL-3.0-or-later
#include "docking/DockingX11.h"
#include "docking/WindowDocking.h"

#include <QApplication>
#include <QMenu>
#include <QScreen>
#include <gtest/gtest.h>
#include <memory>

namespace docking {
namespace {

// Headless: the toolkit side of docking (work area, window list, frames, moving the window)
// without a window manager. The end of a drag is played with SnapAfterMove.
class QtDockingTest : public ::testing::Test {
protected:
    void SetUp() override {
        docking = DockingX11::instance();
        ASSERT_NE(docking, nullptr);
        workArea = QGuiApplication::primaryScreen()->availableGeometry();
    }
    // `frame` is the outer rectangle: that is what snaps.
    std::unique_ptr<QWidget> Window(QRect frame, bool show = true) {
        auto w = std::make_unique<QWidget>();
        w->resize(frame.size());
        if (show) w->show();
        w->move(frame.topLeft());
        QApplication::processEvents();
        return w;
    }
    DockingX11* docking = nullptr;
    QRect workArea;
};

TEST_F(QtDockingTest, WindowNearTheWorkAreaEdgeEndsFlush) {
    auto w = Window({workArea.left() + 10, workArea.top() + 100, 200, 150});
    EnableDocking(w.get());
    docking->SnapAfterMove(w.get());
    EXPECT_EQ(w->frameGeometry().topLeft(), QPoint(workArea.left(), workArea.top() + 100));
    DisableDocking(w.get());
}

TEST_F(QtDockingTest, WindowFarFromEveryEdgeStays) {
    auto w = Window({workArea.left() + 20, workArea.top() + 100, 200, 150});
    EnableDocking(w.get());
    docking->SnapAfterMove(w.get());
    EXPECT_EQ(w->frameGeometry().topLeft(), QPoint(workArea.left() + 20, workArea.top() + 100));
    DisableDocking(w.get());
}

TEST_F(QtDockingTest, SecondWindowSnapsBesideTheFirstAndHiddenOnesAreIgnored) {
    auto first = Window({workArea.left() + 100, workArea.top() + 100, 200, 150});
    auto hidden = Window({workArea.left() + 305, workArea.top() + 100, 50, 50}, false);
    QMenu menu; // a pop-up is no window of the program's to snap to
    auto second = Window({first->frameGeometry().right() + 1 + 10, workArea.top() + 100, 120, 90});
    EnableDocking(first.get());
    EnableDocking(second.get());
    docking->SnapAfterMove(second.get());
    EXPECT_EQ(second->frameGeometry().left(), first->frameGeometry().right() + 1);
    EXPECT_EQ(second->frameGeometry().top(), first->frameGeometry().top());
    DisableDocking(second.get());
    DisableDocking(first.get());
}

TEST_F(QtDockingTest, OnlyDockedWindowsSnap) {
    auto w = Window({workArea.left() + 10, workArea.top() + 100, 200, 150});
    docking->SnapAfterMove(w.get());
    EXPECT_EQ(w->frameGeometry().left(), workArea.left() + 10);

    EnableDocking(w.get());
    DisableDocking(w.get());
    docking->SnapAfterMove(w.get());
    EXPECT_EQ(w->frameGeometry().left(), workArea.left() + 10);
}

TEST_F(QtDockingTest, EnablingTwiceRegistersOnce) {
    const int before = docking->core().dockedCount();
    auto w = Window({200, 200, 100, 100});
    EnableDocking(w.get());
    EnableDocking(w.get());
    EXPECT_EQ(docking->core().dockedCount(), before + 1);
    DisableDocking(w.get());
    EXPECT_EQ(docking->core().dockedCount(), before);
}

TEST_F(QtDockingTest, DestroyedWindowLeavesTheRegistry) {
    const int before = docking->core().dockedCount();
    auto w = Window({200, 200, 100, 100});
    EnableDocking(w.get());
    ASSERT_EQ(docking->core().dockedCount(), before + 1);
    w.reset();
    EXPECT_EQ(docking->core().dockedCount(), before);
}

TEST_F(QtDockingTest, NullWindowIsIgnored) {
    const int before = docking->core().dockedCount();
    EnableDocking(nullptr);
    DisableDocking(nullptr);
    EXPECT_EQ(docking->core().dockedCount(), before);
}

} // namespace
} // namespace docking

int main(int argc, char** argv) {
    // Listing the tests at build time happens without the test's environment.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
