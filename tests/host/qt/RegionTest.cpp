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

TEST(Region, RectangleIsPutInOrderLikeGdis) {
    EXPECT_EQ(Region::Rectangle({6, 5, 2, 3}), Region::Rectangle({2, 3, 6, 5}));
    EXPECT_EQ(Region::Rectangle({2, 5, 6, 3}).Area(), 8);
}

TEST(Region, EllipseLosesTheRightColumnAndBottomRowOfItsBox) {
    // GDI's elliptic region on (0, 0, 10, 10) is 9 x 9 and holds 61 pixels.
    const Region e = Region::Ellipse({0, 0, 10, 10});
    EXPECT_EQ(e.Area(), 61);
    EXPECT_EQ(e.Bounds(), (Rect{0, 0, 9, 9}));
    for (const Rect box : {Rect{0, 0, 89, 25}, Rect{2, 1, 10, 7}, Rect{3, 3, 7, 13}}) {
        const Region r = Region::Ellipse(box);
        const Rect inner{box.left, box.top, box.right - 1, box.bottom - 1};
        EXPECT_EQ(r.Bounds(), inner) << box.width() << "x" << box.height();
        EXPECT_FALSE(r.Contains(inner.left, inner.top));
        EXPECT_FALSE(r.Contains(inner.right - 1, inner.bottom - 1));
        for (int y = inner.top; y < inner.bottom; ++y)
            for (int x = inner.left; x < inner.right; ++x) {
                EXPECT_EQ(r.Contains(x, y), r.Contains(inner.left + inner.right - 1 - x, y));
                EXPECT_EQ(r.Contains(x, y), r.Contains(x, inner.top + inner.bottom - 1 - y));
            }
    }
    // Close to the area of the ellipse, pi / 4 of the box.
    const Region big = Region::Ellipse({0, 0, 2001, 1001});
    EXPECT_NEAR(static_cast<double>(big.Area()), 3.14159265 / 4 * 2000 * 1000, 2000);
}

TEST(Region, EllipseOfFewPixelsIsARectangleAndAnInvertedBoxIsPutInOrder) {
    EXPECT_EQ(Region::Ellipse({4, 4, 6, 9}), Region::Rectangle({4, 4, 5, 8})) << "one column left";
    EXPECT_EQ(Region::Ellipse({4, 4, 4, 9}), Region::Rectangle({3, 4, 4, 8})) << "a box of width 0 keeps a column";
    EXPECT_TRUE(Region::Ellipse({0, 0, 1, 1}).IsEmpty());
    EXPECT_EQ(Region::Ellipse({12, 10, 2, 1}), Region::Ellipse({2, 1, 12, 10}));
    // A box far beyond any screen would cost time and memory in proportion: refused.
    EXPECT_TRUE(Region::Ellipse({0, 0, 2000000000, 1000000000}).IsEmpty());
}

TEST(Region, TallThinEllipsesEndInTheirMiddlePixels) {
    // The rasterizing walk runs out of width before it reaches the ends of so thin an
    // ellipse; the end rows hold the middle pixel, or the middle two on an even width.
    const Region odd = Region::Ellipse({0, 0, 4, 40});
    EXPECT_TRUE(odd.Contains(1, 0));
    EXPECT_FALSE(odd.Contains(0, 0));
    EXPECT_TRUE(odd.Contains(1, 38));
    const Region even = Region::Ellipse({0, 0, 3, 30});
    EXPECT_TRUE(even.Contains(0, 0));
    EXPECT_TRUE(even.Contains(1, 28));
    EXPECT_EQ(even.Area(), 2 * 29);
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
