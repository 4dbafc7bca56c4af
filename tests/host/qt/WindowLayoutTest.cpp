// SPDX-License-Identifier: GPL-3.0-or-later
// Centring a window with its frame, whatever frame the window manager gives it.
#include "host/qt/WindowLayout.h"

#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

struct CentringCase {
    const char* what;
    QRect area;
    QSize client;
    QMargins frame;
    QPoint frameTopLeft;
};

TEST(CentredFramePosition, CentresTheWholeWindowFrameIncluded) {
    const CentringCase cases[] = {
        {"no frame", {0, 0, 1600, 900}, {433, 242}, {}, {583, 329}},
        // A title bar of 20 and borders of 1: the client sits 10 pixels lower than it would
        // alone, and the frame's centre is the area's.
        {"title bar and borders", {0, 0, 1600, 900}, {433, 242}, {1, 20, 1, 1}, {582, 318}},
        {"thick borders on every side", {0, 0, 1366, 768}, {312, 336}, {8, 31, 8, 8}, {519, 196}},
        // A work area that does not start at the screen's corner (a panel at the top).
        {"work area below a panel", {0, 32, 1024, 736}, {433, 242}, {1, 20, 1, 1}, {294, 268}},
    };
    for (const CentringCase& c : cases) {
        const QPoint topLeft = host::CentredFramePosition(c.area, c.client, c.frame);
        EXPECT_EQ(topLeft, c.frameTopLeft) << c.what;
        const QRect whole(topLeft, c.client.grownBy(c.frame));
        EXPECT_LE(std::abs(whole.center().x() - c.area.center().x()), 1) << c.what;
        EXPECT_LE(std::abs(whole.center().y() - c.area.center().y()), 1) << c.what;
    }
}

TEST(CentreOnScreen, PlacesTheWindowInTheMiddleOfTheWorkArea) {
    QWidget window;
    window.setFixedSize(433, 242);
    host::CentreOnScreen(&window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QRect area = window.screen()->availableGeometry();
    EXPECT_LE(std::abs(window.frameGeometry().center().x() - area.center().x()), 1);
    EXPECT_LE(std::abs(window.frameGeometry().center().y() - area.center().y()), 1);
}

} // namespace
