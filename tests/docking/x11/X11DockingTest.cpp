// SPDX-License-Identifier: GPL-3.0-or-later
#include "XDrag.h"
#include "docking/WindowDocking.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace docking {
namespace {

using testing::DragTitleBar;
using testing::WaitFor;
using testing::WaitForFrame;

// A docked test window whose outer frame stands at `topLeft`.
std::unique_ptr<QWidget> DockedWindow(const QString& title, QPoint topLeft, QSize size) {
    auto w = std::make_unique<QWidget>();
    w->setWindowTitle(title);
    w->resize(size);
    w->show();
    EnableDocking(w.get());
    if (!WaitForFrame(w.get())) return nullptr;
    w->move(topLeft);
    WaitFor([&] { return w->frameGeometry().topLeft() == topLeft; }, 2000);
    return w;
}

class X11Docking : public ::testing::Test {
protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb")) {
            GTEST_SKIP() << "needs an X server (run through scripts/docking/with-xserver.sh)";
        }
        workArea = QGuiApplication::primaryScreen()->availableGeometry();
    }
    QRect workArea;
};

// Drags `w` so that its left edge is released at `releasedLeft` and waits for the window
// manager's report of the new place.
void DragLeftEdgeTo(QWidget* w, int releasedLeft, int dy = 0) {
    const QString error = DragTitleBar(w, QPoint(releasedLeft - w->frameGeometry().left(), dy));
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST_F(X11Docking, ReleasedTenPixelsFromTheWorkAreaEdgeEndsFlush) {
    auto w = DockedWindow("near", workArea.topLeft() + QPoint(200, 200), {300, 200});
    ASSERT_TRUE(w) << "the window manager did not frame the window";
    DragLeftEdgeTo(w.get(), workArea.left() + 10);
    EXPECT_TRUE(WaitFor([&] { return w->frameGeometry().left() == workArea.left(); }, 3000))
        << "left edge at " << w->frameGeometry().left();
    EXPECT_EQ(w->frameGeometry().top(), workArea.top() + 200) << "the other axis is left alone";
    DisableDocking(w.get());
}

TEST_F(X11Docking, ReleasedTwentyPixelsFromTheWorkAreaEdgeStays) {
    auto w = DockedWindow("far", workArea.topLeft() + QPoint(200, 200), {300, 200});
    ASSERT_TRUE(w) << "the window manager did not frame the window";
    DragLeftEdgeTo(w.get(), workArea.left() + 20);
    EXPECT_TRUE(WaitFor([&] { return w->frameGeometry().left() == workArea.left() + 20; }, 3000))
        << "left edge at " << w->frameGeometry().left();
    WaitFor([] { return false; }, 500);
    EXPECT_EQ(w->frameGeometry().left(), workArea.left() + 20);
    DisableDocking(w.get());
}

TEST_F(X11Docking, SecondWindowReleasedBesideTheFirstEndsFlushAgainstIt) {
    auto first = DockedWindow("first", workArea.topLeft() + QPoint(100, 150), {300, 200});
    ASSERT_TRUE(first) << "the window manager did not frame the window";
    auto second = DockedWindow("second", workArea.topLeft() + QPoint(600, 500), {250, 180});
    ASSERT_TRUE(second) << "the window manager did not frame the window";

    const QRect target = first->frameGeometry();
    const int dy = target.top() - second->frameGeometry().top();
    DragLeftEdgeTo(second.get(), target.left() + target.width() + 10, dy);
    EXPECT_TRUE(WaitFor([&] { return second->frameGeometry().left() == target.left() + target.width(); }, 3000))
        << "left edge at " << second->frameGeometry().left() << ", first window ends at "
        << target.left() + target.width();
    EXPECT_EQ(second->frameGeometry().top(), target.top());
    DisableDocking(second.get());
    DisableDocking(first.get());
}

TEST_F(X11Docking, WindowPlacedByTheProgramIsNotSnapped) {
    auto w = DockedWindow("placed", workArea.topLeft() + QPoint(200, 200), {300, 200});
    ASSERT_TRUE(w) << "the window manager did not frame the window";
    const QPoint placed = workArea.topLeft() + QPoint(8, 300);
    w->move(placed);
    WaitFor([] { return false; }, 600);
    EXPECT_EQ(w->frameGeometry().topLeft(), placed);
    DisableDocking(w.get());
}

} // namespace
} // namespace docking

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
