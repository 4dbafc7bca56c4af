// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Region.h"

#include <gtest/gtest.h>

using host::Rect;
using host::Region;

TEST(Region, RectangleHoldsItsPixelsWithoutRightAndBottomEdges) {
    const Region r = Region::Rectangle({2, 3, 6, 5});
    EXPECT_EQ(r.Area(), 8);
    EXPECT_TRUE(r.Contains(2, 3));
    EXPECT_TRUE(r.Contains(5, 4));
    EXPECT_FALSE(r.Contains(6, 4));
    EXPECT_FALSE(r.Contains(5, 5));
    EXPECT_EQ(r.Bounds(), (Rect{2, 3, 6, 5}));
    EXPECT_TRUE(Region::Rectangle({4, 4, 4, 9}).IsEmpty());
}

TEST(Region, SubtractingCornerPixelsLeavesTheRest) {
    // Three pixels cut at each corner of a 10 x 10 square leave 88.
    Region r = Region::Rectangle({0, 0, 10, 10});
    const int cuts[][2] = {{0, 0}, {1, 0}, {0, 1}, {8, 0}, {9, 0}, {9, 1},
                           {0, 9}, {1, 9}, {0, 8}, {8, 9}, {9, 9}, {9, 8}};
    for (const auto& c : cuts) r.Subtract(Region::Rectangle({c[0], c[1], c[0] + 1, c[1] + 1}));
    EXPECT_EQ(r.Area(), 88);
    for (const auto& c : cuts) EXPECT_FALSE(r.Contains(c[0], c[1]));
    EXPECT_TRUE(r.Contains(2, 0));
    EXPECT_TRUE(r.Contains(1, 1));
    EXPECT_EQ(r.Bounds(), (Rect{0, 0, 10, 10}));
}

TEST(Region, SubtractingFromTheMiddleSplitsRowsAndWholeRowsDisappear) {
    Region r = Region::Rectangle({0, 0, 6, 3});
    r.Subtract(Region::Rectangle({2, 1, 4, 2}));
    EXPECT_EQ(r.Area(), 16);
    EXPECT_TRUE(r.Contains(1, 1));
    EXPECT_FALSE(r.Contains(2, 1));
    EXPECT_TRUE(r.Contains(4, 1));
    r.Subtract(Region::Rectangle({-5, 0, 20, 1}));
    EXPECT_EQ(r.Bounds(), (Rect{0, 1, 6, 3}));
    r.Subtract(Region::Rectangle({0, 0, 6, 3}));
    EXPECT_TRUE(r.IsEmpty());
    EXPECT_EQ(r.Bounds(), Rect{});
}

TEST(Region, TheInscribedEllipseIsSymmetricAndLeavesTheCornersOut) {
    for (const Rect box : {Rect{0, 0, 89, 25}, Rect{0, 0, 10, 10}, Rect{2, 1, 9, 6}, Rect{0, 0, 1, 1}}) {
        const Region e = Region::Ellipse(box);
        EXPECT_EQ(e.Bounds(), box) << box.width() << "x" << box.height();
        if (box.width() > 2) {
            EXPECT_FALSE(e.Contains(box.left, box.top));
            EXPECT_FALSE(e.Contains(box.right - 1, box.bottom - 1));
        }
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x) {
                EXPECT_EQ(e.Contains(x, y), e.Contains(box.left + box.right - 1 - x, y));
                EXPECT_EQ(e.Contains(x, y), e.Contains(x, box.top + box.bottom - 1 - y));
            }
    }
    // Close to the area of the ellipse, pi / 4 of the box.
    const Region big = Region::Ellipse({0, 0, 200, 100});
    EXPECT_NEAR(static_cast<double>(big.Area()), 3.14159265 / 4 * 200 * 100, 200);
}

TEST(Region, EllipseRowsStayExactForBoxesFarBeyondAnyScreen) {
    const Rect box{0, 0, 2000000000, 1000000000};
    int left = -1, right = -1;
    ASSERT_TRUE(host::EllipseRowSpan(box, 500000000, left, right));
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 2000000000);
    ASSERT_TRUE(host::EllipseRowSpan(box, 0, left, right));
    EXPECT_GT(left, 0);
    EXPECT_EQ(left + right, 2000000000) << "symmetric about the centre";
    EXPECT_FALSE(host::EllipseRowSpan(box, 1000000000, left, right));
}

TEST(Region, ConvertsToTheSameQtRegion) {
    Region r = Region::Ellipse({0, 0, 30, 12});
    r.Subtract(Region::Rectangle({10, 0, 12, 12}));
    const QRegion q = r.ToQRegion();
    int area = 0;
    for (const QRect& rect : q) area += rect.width() * rect.height();
    EXPECT_EQ(area, r.Area());
    for (int y = -1; y < 13; ++y)
        for (int x = -1; x < 31; ++x) EXPECT_EQ(q.contains(QPoint(x, y)), r.Contains(x, y)) << x << "," << y;
}
