// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/DrawingContext.h"

#include "host/qt/Picture.h"
#include "host/qt/Region.h"

#include <array>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

using host::Colour;
using host::DrawingContext;
using host::Rect;

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

QImage Blank(int w, int h, Colour c = kWhite) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(host::ToArgb(c));
    return image;
}

using Pixels = std::set<std::pair<int, int>>;

Pixels PixelsOf(const DrawingContext& dc, Colour c) {
    Pixels out;
    for (int y = 0; y < dc.Height(); ++y)
        for (int x = 0; x < dc.Width(); ++x)
            if (dc.Pixel(x, y) == c) out.insert({x, y});
    return out;
}

Pixels Line(int x1, int y1, int x2, int y2, int size = 12) {
    QImage image = Blank(size, size);
    DrawingContext dc(image);
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2, kRed);
    return PixelsOf(dc, kRed);
}

} // namespace

TEST(FillRect, PaintsLeftAndTopButNotRightAndBottomEdges) {
    QImage image = Blank(8, 8);
    DrawingContext dc(image);
    dc.FillRect({2, 3, 5, 6}, kRed);
    Pixels expected;
    for (int y = 3; y < 6; ++y)
        for (int x = 2; x < 5; ++x) expected.insert({x, y});
    EXPECT_EQ(PixelsOf(dc, kRed), expected);
}

TEST(FillRect, ClipsToTheImageAndIgnoresEmptyRectangles) {
    QImage image = Blank(4, 4);
    DrawingContext dc(image);
    dc.FillRect({-3, -3, 2, 1}, kRed);
    EXPECT_EQ(PixelsOf(dc, kRed), (Pixels{{0, 0}, {1, 0}}));
    dc.FillRect({3, 3, 3, 9}, kBlue);
    dc.FillRect({1, 2, 3, 2}, kBlue);
    EXPECT_TRUE(PixelsOf(dc, kBlue).empty());
}

TEST(FillRect, TurnsASwappedRectangleRoundNextToItsLeftAndTopLikeGdi) {
    QImage image = Blank(8, 8);
    DrawingContext dc(image);
    dc.FillRect({5, 1, 2, 3}, kRed); // right left of left: columns 3 .. 5
    EXPECT_EQ(PixelsOf(dc, kRed), (Pixels{{3, 1}, {4, 1}, {5, 1}, {3, 2}, {4, 2}, {5, 2}}));
    dc.FillRect({1, 6, 3, 4}, kBlue); // bottom above top: rows 5 .. 6
    EXPECT_EQ(PixelsOf(dc, kBlue), (Pixels{{1, 5}, {2, 5}, {1, 6}, {2, 6}}));
    dc.FrameRect({7, 7, 0, 0}, kBlue);
    EXPECT_EQ(PixelsOf(dc, kBlue).size(), 4u) << "FrameRect leaves it out";
}

TEST(FrameRect, PaintsAOnePixelBorderInsideTheRectangle) {
    QImage image = Blank(8, 8);
    DrawingContext dc(image);
    dc.FrameRect({1, 1, 5, 4}, kRed);
    const Pixels expected{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}};
    EXPECT_EQ(PixelsOf(dc, kRed), expected);
}

TEST(LineTo, LeavesTheEndPointUnpaintedAndMovesTheCurrentPoint) {
    EXPECT_EQ(Line(1, 2, 5, 2), (Pixels{{1, 2}, {2, 2}, {3, 2}, {4, 2}}));
    EXPECT_EQ(Line(3, 5, 3, 1), (Pixels{{3, 5}, {3, 4}, {3, 3}, {3, 2}}));
    EXPECT_TRUE(Line(4, 4, 4, 4).empty());

    QImage image = Blank(8, 8);
    DrawingContext dc(image);
    dc.MoveTo(0, 0);
    dc.LineTo(3, 0, kRed);
    dc.LineTo(3, 2, kRed); // the corner is painted by the second line
    EXPECT_EQ(dc.CurrentX(), 3);
    EXPECT_EQ(dc.CurrentY(), 2);
    EXPECT_EQ(PixelsOf(dc, kRed), (Pixels{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}}));
}

TEST(LineTo, ChoosesTheNearestPixelOnSlopedLinesWithTiesTowardTheSmallerCoordinate) {
    EXPECT_EQ(Line(0, 0, 4, 4), (Pixels{{0, 0}, {1, 1}, {2, 2}, {3, 3}}));
    EXPECT_EQ(Line(4, 0, 0, 4), (Pixels{{4, 0}, {3, 1}, {2, 2}, {1, 3}}));
    EXPECT_EQ(Line(0, 0, 5, 2), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
    EXPECT_EQ(Line(0, 0, 4, 2), (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
    EXPECT_EQ(Line(0, 0, 2, 4), (Pixels{{0, 0}, {0, 1}, {1, 2}, {1, 3}}));
}

TEST(LineTo, ALineAndItsReverseShareEveryPixelButTheirEnds) {
    const std::vector<std::array<int, 4>> lines{{0, 0, 7, 3}, {1, 9, 10, 2}, {2, 1, 5, 11}, {0, 5, 11, 6}};
    for (const auto& l : lines) {
        Pixels forward = Line(l[0], l[1], l[2], l[3]);
        Pixels backward = Line(l[2], l[3], l[0], l[1]);
        forward.erase({l[0], l[1]});
        backward.erase({l[2], l[3]});
        EXPECT_EQ(forward, backward) << l[0] << "," << l[1] << " -> " << l[2] << "," << l[3];
    }
}

TEST(LineTo, ClipsPixelsOutsideTheImage) {
    EXPECT_EQ(Line(-2, 1, 2, 1, 4), (Pixels{{0, 1}, {1, 1}}));
    EXPECT_EQ(Line(5, 3, -3, 3, 4), (Pixels{{3, 3}, {2, 3}, {1, 3}, {0, 3}}));
    EXPECT_EQ(Line(1, 6, 1, -1, 4), (Pixels{{1, 3}, {1, 2}, {1, 1}, {1, 0}}));
    // A far end point still sets the slope of the part that shows.
    const Pixels far = Line(0, 0, 2000000000, 1000000000, 4);
    EXPECT_EQ(far, (Pixels{{0, 0}, {1, 0}, {2, 1}, {3, 1}}));
}

TEST(SetPixel, PaintsOnePixelAndIgnoresPointsOutside) {
    QImage image = Blank(3, 3);
    DrawingContext dc(image);
    dc.SetPixel(1, 2, kBlue);
    dc.SetPixel(3, 0, kBlue);
    dc.SetPixel(-1, 0, kBlue);
    EXPECT_EQ(PixelsOf(dc, kBlue), (Pixels{{1, 2}}));
    EXPECT_EQ(dc.Pixel(7, 7), 0u);
}

TEST(Ellipse, WithAOnePixelPenCoversTheRegionOfItsBoxOneLargerAndOutlinesItsEdge) {
    for (const Rect box : {Rect{0, 0, 20, 10}, Rect{1, 2, 10, 11}, Rect{0, 0, 89, 25}, Rect{3, 1, 6, 4}}) {
        QImage image = Blank(92, 28);
        DrawingContext dc(image);
        dc.Ellipse(box, kRed, 1, kBlue);
        const host::Region region = host::Region::Ellipse({box.left, box.top, box.right + 1, box.bottom + 1});
        for (int y = 0; y < dc.Height(); ++y)
            for (int x = 0; x < dc.Width(); ++x)
                EXPECT_EQ(dc.Pixel(x, y) != kWhite, region.Contains(x, y)) << x << "," << y;
        // The outline runs through the box's edge pixels.
        const int middleY = (box.top + box.bottom) / 2;
        const int middleX = (box.left + box.right) / 2;
        EXPECT_EQ(dc.Pixel(box.left, middleY), kRed);
        EXPECT_EQ(dc.Pixel(box.right - 1, middleY), kRed);
        EXPECT_EQ(dc.Pixel(middleX, box.top), kRed);
        EXPECT_EQ(dc.Pixel(middleX, box.bottom - 1), kRed);
        EXPECT_EQ(dc.Pixel(middleX, middleY), kBlue);
    }
}

TEST(Ellipse, WithATwoPixelPenStraddlesTheOutlineUpAndLeft) {
    QImage image = Blank(13, 9);
    DrawingContext dc(image);
    dc.Ellipse({1, 1, 12, 8}, kRed, 2, kBlue);
    // What GDI paints: 'r' pen, 'b' brush. The pen reaches one pixel out of the box at the
    // left and top, none at the right and bottom.
    // clang-format off
    const std::vector<std::string> map{
        "...rrrrrr....",
        ".rrrrrrrrrr..",
        "rrrrrbbrrrrr.",
        "rrrbbbbbbrrr.",
        "rrbbbbbbbbrr.",
        "rrrrbbbbrrrr.",
        "rrrrrrrrrrrr.",
        "..rrrrrrrr...",
        ".............",
    };
    // clang-format on
    std::vector<std::string> painted;
    for (int y = 0; y < 9; ++y) {
        std::string row;
        for (int x = 0; x < 13; ++x) row += dc.Pixel(x, y) == kRed ? 'r' : dc.Pixel(x, y) == kBlue ? 'b' : '.';
        painted.push_back(row);
    }
    EXPECT_EQ(painted, map);
}

TEST(Ellipse, ABoxTwoPixelsAcrossIsARectangleAndAnInvertedBoxIsPutInOrder) {
    QImage image = Blank(8, 8);
    DrawingContext dc(image);
    dc.Ellipse({2, 1, 4, 6}, kRed, 1, kBlue);
    Pixels column;
    for (int y = 1; y < 6; ++y) column.insert({2, y}), column.insert({3, y});
    EXPECT_EQ(PixelsOf(dc, kRed), column) << "a frame with no room for the brush";

    QImage a = Blank(12, 12);
    QImage b = Blank(12, 12);
    DrawingContext ordered(a);
    DrawingContext inverted(b);
    ordered.Ellipse({1, 2, 10, 11}, kRed, 2, kBlue);
    inverted.Ellipse({10, 11, 1, 2}, kRed, 2, kBlue);
    EXPECT_EQ(a, b);
    inverted.Ellipse({5, 5, 5, 9}, 0, 2, 0);
    EXPECT_EQ(a, b) << "an empty box paints nothing";
    inverted.Ellipse({-2000000000, -2000000000, 2000000000, 2000000000}, 0, 2, 0);
    EXPECT_EQ(a, b) << "nor does one far beyond any screen";
}

TEST(DrawFocusRect, InvertsEveryOtherBorderPixelOnce) {
    QImage image = Blank(10, 8);
    DrawingContext dc(image);
    dc.DrawFocusRect({1, 1, 9, 7});
    Pixels expected;
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 9; ++x) {
            const bool border = x == 1 || x == 8 || y == 1 || y == 6;
            if (border && (x + y) % 2 == 0) expected.insert({x, y});
        }
    EXPECT_EQ(PixelsOf(dc, 0x000000), expected);
    dc.DrawFocusRect({1, 1, 9, 7});
    EXPECT_TRUE(PixelsOf(dc, 0x000000).empty());
}

TEST(DrawFocusRect, InvertsTheColourUnderneath) {
    QImage image = Blank(4, 4, 0x123456);
    DrawingContext dc(image);
    dc.DrawFocusRect({0, 0, 4, 4});
    EXPECT_EQ(dc.Pixel(0, 0), 0xEDCBA9u);
    EXPECT_EQ(dc.Pixel(1, 0), 0x123456u);
}

TEST(DrawFocusRect, CombinesEvenPixelsWithTheBackgroundAndOddOnesWithTheTextColour) {
    QImage image = Blank(6, 4);
    DrawingContext dc(image);
    dc.SetTextColor(0x010203);
    dc.SetBkColor(0x00FF00);
    dc.DrawFocusRect({0, 0, 6, 4});
    EXPECT_EQ(dc.Pixel(0, 0), 0xFF00FFu);
    EXPECT_EQ(dc.Pixel(1, 0), 0xFEFDFCu);
    EXPECT_EQ(dc.Pixel(5, 3), 0xFF00FFu);
    EXPECT_EQ(dc.Pixel(2, 2), kWhite) << "inside the frame";
}

TEST(ContextState, SettersReturnThePreviousValue) {
    QImage image = Blank(1, 1);
    DrawingContext dc(image);
    dc.SetTextColor(kRed);
    EXPECT_EQ(dc.SetTextColor(kBlue), kRed);
    EXPECT_EQ(dc.TextColor(), kBlue);
    dc.SetBkColor(0x00FF00);
    EXPECT_EQ(dc.SetBkColor(kRed), 0x00FF00u);
}

TEST(BitBlt, CopiesTheBlockAndLeavesPixelsWhoseSourceLiesOutside) {
    host::MemoryContext source(3, 2);
    source.FillRect({0, 0, 3, 2}, kRed);
    source.SetPixel(2, 1, kBlue);
    QImage image = Blank(6, 6);
    DrawingContext dc(image);
    dc.BitBlt(1, 1, 4, 2, source, 0, 0);
    EXPECT_EQ(dc.Pixel(1, 1), kRed);
    EXPECT_EQ(dc.Pixel(3, 2), kBlue);
    EXPECT_EQ(dc.Pixel(4, 1), kWhite); // beyond the source's right edge
    EXPECT_EQ(dc.Pixel(1, 3), kWhite);
    dc.BitBlt(0, 3, 3, 3, source, -1, 1);
    EXPECT_EQ(dc.Pixel(0, 3), kWhite);
    EXPECT_EQ(dc.Pixel(1, 3), kRed);
    EXPECT_EQ(dc.Pixel(2, 3), kRed);
    EXPECT_EQ(dc.Pixel(1, 4), kWhite);
}

TEST(BitBlt, ClipsAtTheDestinationAndHandlesOverlapWithinOneContext) {
    QImage image = Blank(5, 1);
    DrawingContext dc(image);
    for (int x = 0; x < 5; ++x) dc.SetPixel(x, 0, static_cast<Colour>(x + 1));
    dc.BitBlt(1, 0, 5, 1, dc, 0, 0);
    EXPECT_EQ(dc.Pixel(0, 0), 1u);
    for (int x = 1; x < 5; ++x) EXPECT_EQ(dc.Pixel(x, 0), static_cast<Colour>(x));
}

TEST(MemoryContext, StartsBlackAndLeavesTheImageItCopiedAlone) {
    host::MemoryContext fresh(4, 3);
    EXPECT_EQ(PixelsOf(fresh, 0).size(), 12u);
    const QImage original = Blank(2, 2, kRed);
    host::MemoryContext over(original);
    over.FillRect({0, 0, 2, 2}, kBlue);
    EXPECT_EQ(original.pixel(0, 0), host::ToArgb(kRed));
    EXPECT_EQ(over.Pixel(1, 1), kBlue);
}

TEST(Dib24, RowsArePaddedToFourBytes) {
    const std::vector<std::pair<int, std::size_t>> cases{{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {15, 48}, {32, 96}};
    for (auto [width, stride] : cases) EXPECT_EQ(DrawingContext::DibStride(width), stride) << width;
    EXPECT_EQ(DrawingContext::DibSize(15, 3), 144u);
}

TEST(Dib24, RowsRunBottomUpWithPixelsInBlueGreenRedOrder) {
    QImage image = Blank(2, 2);
    DrawingContext dc(image);
    dc.SetPixel(0, 0, host::Rgb(1, 2, 3));
    dc.SetPixel(1, 1, host::Rgb(7, 8, 9));
    std::vector<std::uint8_t> bits(DrawingContext::DibSize(2, 2), 0xAA);
    dc.ReadDib24(0, 0, 2, 2, bits.data());
    // Bottom row first: (0,1) white, (1,1), then 2 padding bytes; then the top row.
    const std::vector<std::uint8_t> expected{255, 255, 255, 9, 8, 7, 0, 0, 3, 2, 1, 255, 255, 255, 0, 0};
    EXPECT_EQ(bits, expected);
}

TEST(Dib24, AnOddWidthRoundTripsWithoutShear) {
    QImage image = Blank(15, 6);
    DrawingContext dc(image);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 15; ++x) dc.SetPixel(x, y, host::Rgb(x * 10, y * 30, (x * y) % 256));
    std::vector<std::uint8_t> bits(DrawingContext::DibSize(15, 6));
    dc.ReadDib24(0, 0, 15, 6, bits.data());
    QImage copy = Blank(17, 8);
    DrawingContext target(copy);
    target.WriteDib24(1, 2, 15, 6, bits.data());
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 15; ++x) ASSERT_EQ(target.Pixel(x + 1, y + 2), dc.Pixel(x, y)) << x << "," << y;
    EXPECT_EQ(target.Pixel(0, 2), kWhite);
    EXPECT_EQ(target.Pixel(16, 7), kWhite);
}

TEST(Dib24, ReadsBlackOutsideAndClipsWritesAtTheEdges) {
    QImage image = Blank(2, 2, kRed);
    DrawingContext dc(image);
    std::vector<std::uint8_t> bits(DrawingContext::DibSize(3, 1));
    dc.ReadDib24(1, 1, 3, 1, bits.data());
    EXPECT_EQ(bits[2], 255); // (1,1) red
    EXPECT_EQ(bits[5], 0);   // (2,1) outside
    std::fill(bits.begin(), bits.end(), 0x40);
    dc.WriteDib24(-1, -1, 3, 1, bits.data());
    EXPECT_EQ(dc.Pixel(0, 0), kRed); // row -1 is outside
    dc.WriteDib24(-1, 1, 3, 1, bits.data());
    EXPECT_EQ(dc.Pixel(0, 1), 0x404040u);
    EXPECT_EQ(dc.Pixel(1, 1), 0x404040u);
}

TEST(DrawIcon, KeepsTheBackgroundUnderTransparentPixelsAndBlendsPartialOnes) {
    QImage icon(3, 1, QImage::Format_ARGB32);
    icon.setPixel(0, 0, qRgba(0, 0, 255, 255));
    icon.setPixel(1, 0, qRgba(0, 0, 0, 0));
    icon.setPixel(2, 0, qRgba(0, 0, 0, 128));
    const auto picture = host::Picture::FromImage(icon, host::Picture::Kind::Icon);
    QImage image = Blank(5, 2);
    DrawingContext dc(image);
    dc.DrawIcon(1, 1, *picture);
    EXPECT_EQ(dc.Pixel(1, 1), kBlue);
    EXPECT_EQ(dc.Pixel(2, 1), kWhite);
    EXPECT_EQ(dc.Pixel(3, 1), 0x7F7F7Fu);
    EXPECT_EQ(dc.Pixel(1, 0), kWhite); // drawn at its own size only
    EXPECT_EQ(dc.Pixel(4, 1), kWhite);
}
