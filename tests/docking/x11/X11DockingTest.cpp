// SPDX-License-Identifier: GPL-3.0-or-later
#include "XDrag.h"
#include "docking/SnapRect.h"
#include "docking/WindowDocking.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace docking {
namespace {

using testing::DragTitleBar;
using testing::DragWithAlt;
using testing::KeyboardMoveKeys;
using testing::StepLeftWithKeyboard;
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

// Where the drags of a single window start, relative to the work area. The screen is 640 by 512
// of Qt's units when Qt scales by 2, and the title bar then lies, in the server's pixels, over
// the window's client area: pointer and geometry compared in different units would miss it.
const QPoint kStart(200, 100);

enum class Grip { TitleBar, AltAnywhere };

// Drags `w` so that its left edge is released at `releasedLeft`.
void DragLeftEdgeTo(QWidget* w, int releasedLeft, int dy = 0, Grip grip = Grip::TitleBar) {
    const QPoint delta(releasedLeft - w->frameGeometry().left(), dy);
    const QString error = grip == Grip::TitleBar ? DragTitleBar(w, delta) : DragWithAlt(w, delta);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST_F(X11Docking, ReleasedTenPixelsFromTheWorkAreaEdgeEndsFlush) {
    auto w = DockedWindow("near", workArea.topLeft() + kStart, {300, 200});
    ASSERT_TRUE(w) << "the window manager did not frame the window";
    DragLeftEdgeTo(w.get(), workArea.left() + 10);
    EXPECT_TRUE(WaitFor([&] { return w->frameGeometry().left() == workArea.left(); }, 3000))
        << "left edge at " << w->frameGeometry().left();
    EXPECT_EQ(w->frameGeometry().top(), workArea.top() + kStart.y()) << "the other axis is left alone";
    DisableDocking(w.get());
}

TEST_F(X11Docking, ReleasedTwentyPixelsFromTheWorkAreaEdgeStays) {
    auto w = DockedWindow("far", workArea.topLeft() + kStart, {300, 200});
    ASSERT_TRUE(w) << "the window manager did not frame the window";
    DragLeftEdgeTo(w.get(), workArea.left() + 20);
    EXPECT_TRUE(WaitFor([&] { return w->frameGeometry().left() == workArea.left() + 20; }, 3000))
        << "left edge at " << w->frameGeometry().left();
    WaitFor([] { return false; }, 500);
    EXPECT_EQ(w->frameGeometry().left(), workArea.left() + 20);
    DisableDocking(w.get());
}

// The window manager moves the window without the pointer ever on its frame, and reports the
// new place only once the button is up.
TEST_F(X11Docking, AltDragReleasedTenPixelsFromTheWorkAreaEdgeEndsFlush) {
    auto w = DockedWindow("alt", workArea.topLeft() + kStart, {300, 200});
    ASSERT_TRUE(w) << "the window manager did not frame the window";
    DragLeftEdgeTo(w.get(), workArea.left() + 10, 0, Grip::AltAnywhere);
    EXPECT_TRUE(WaitFor([&] { return w->frameGeometry().left() == workArea.left(); }, 3000))
        << "left edge at " << w->frameGeometry().left();
    EXPECT_EQ(w->frameGeometry().top(), workArea.top() + kStart.y()) << "the other axis is left alone";
    DisableDocking(w.get());
}

// Moves made with the keyboard, one step at a time from just beyond the snap range: the window
// stays while a step ends at the range or farther, and snaps once one ends closer. The pointer
// is away in the screen's corner all the while.
TEST_F(X11Docking, KeyboardMoveEndingNearTheWorkAreaEdgeEndsFlush) {
    if (KeyboardMoveKeys().isEmpty()) GTEST_SKIP() << "no keyboard move known for this window manager";
    auto w = DockedWindow("keys", workArea.topLeft() + QPoint(kSnapRange + 2, kStart.y()), {300, 200});
    ASSERT_TRUE(w) << "the window manager did not frame the window";
    w->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return w->isActiveWindow(); }, 3000)) << "the window did not become active";

    constexpr int kMaxSteps = 10;
    for (int step = 0; step < kMaxSteps && w->frameGeometry().left() > workArea.left(); ++step) {
        const int before = w->frameGeometry().left();
        const QString error = StepLeftWithKeyboard(w.get());
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
        ASSERT_TRUE(WaitFor([&] { return w->frameGeometry().left() < before; }, 3000)) << "the window did not move";
        WaitFor([] { return false; }, 400); // a snap comes once the move has been quiet for a while
        const int left = w->frameGeometry().left();
        if (left != workArea.left()) {
            ASSERT_GE(left, workArea.left() + kSnapRange)
                << "a keyboard move ended " << left - workArea.left() << " pixels from the edge without snapping";
        }
    }
    EXPECT_EQ(w->frameGeometry().left(), workArea.left());
    EXPECT_EQ(w->frameGeometry().top(), workArea.top() + kStart.y()) << "the other axis is left alone";
    DisableDocking(w.get());
}

TEST_F(X11Docking, SecondWindowReleasedBesideTheFirstEndsFlushAgainstIt) {
    auto first = DockedWindow("first", workArea.topLeft() + QPoint(100, 150), {300, 200});
    ASSERT_TRUE(first) << "the window manager did not frame the window";
    auto second = DockedWindow("second", workArea.topLeft() + QPoint(450, 330), {160, 120});
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
    auto w = DockedWindow("placed", workArea.topLeft() + kStart, {300, 200});
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
