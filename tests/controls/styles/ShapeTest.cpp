// SPDX-License-Identifier: GPL-3.0-or-later
#include "StyleFixture.h"
#include "host/qt/Region.h"

namespace styletest {
namespace {

class ShapeTest : public StyleTest {
protected:
    std::shared_ptr<host::Region> RegionFor(int type, int w, int h) {
        st.buttonType = static_cast<chameleon::ButtonStyle>(type);
        st.buttonWidth = w;
        st.buttonHeight = h;
        return painter.BuildRegion();
    }
};

TEST_F(ShapeTest, GlossyAndRoundedStylesCutThreePixelsAtEachCorner) {
    for (int type : {3, 4}) {
        SCOPED_TRACE("style " + std::to_string(type));
        const auto region = RegionFor(type, 10, 10);
        ASSERT_TRUE(region);
        EXPECT_EQ(region->Area(), 88);
        for (auto [x, y] :
             {std::pair{0, 0}, {1, 0}, {0, 1}, {8, 0}, {9, 0}, {9, 1}, {0, 9}, {1, 9}, {0, 8}, {8, 9}, {9, 9}, {9, 8}})
            EXPECT_FALSE(region->Contains(x, y)) << x << ", " << y;
        for (auto [x, y] : {std::pair{1, 1}, {2, 0}, {7, 0}, {8, 1}, {1, 8}, {8, 8}, {0, 2}, {9, 7}})
            EXPECT_TRUE(region->Contains(x, y)) << x << ", " << y;
    }
}

TEST_F(ShapeTest, OutlinedAndBandedStylesCutTheFourCornerPixels) {
    for (int type : {1, 14}) {
        SCOPED_TRACE("style " + std::to_string(type));
        const auto region = RegionFor(type, 12, 8);
        EXPECT_EQ(region->Area(), 96 - 4);
        EXPECT_FALSE(region->Contains(0, 0));
        EXPECT_FALSE(region->Contains(11, 0));
        EXPECT_FALSE(region->Contains(0, 7));
        EXPECT_FALSE(region->Contains(11, 7));
        EXPECT_TRUE(region->Contains(1, 0));
    }
}

TEST_F(ShapeTest, DoubleLineKeepsTopLeftAndBottomRightCorners) {
    const auto region = RegionFor(5, 12, 8);
    EXPECT_EQ(region->Area(), 94);
    EXPECT_TRUE(region->Contains(0, 0));
    EXPECT_TRUE(region->Contains(11, 7));
    EXPECT_FALSE(region->Contains(0, 7));
    EXPECT_FALSE(region->Contains(11, 0));
}

TEST_F(ShapeTest, OvalIsGdisEllipticRegionAColumnNarrowerAndARowShorter) {
    const auto region = RegionFor(13, 40, 20);
    EXPECT_EQ(*region, host::Region::Ellipse({0, 0, 40, 20}));
    EXPECT_EQ(region->Bounds(), (host::Rect{0, 0, 39, 19}));
    EXPECT_FALSE(region->Contains(0, 0)) << "the corners do not take the pointer";
    EXPECT_FALSE(region->Contains(1, 1));
    EXPECT_FALSE(region->Contains(38, 18));
    EXPECT_TRUE(region->Contains(20, 10));
    EXPECT_TRUE(region->Contains(0, 9));
    EXPECT_TRUE(region->Contains(38, 9));
    EXPECT_FALSE(region->Contains(39, 9)) << "the last column is left out";
    EXPECT_TRUE(region->Contains(19, 18));
    EXPECT_FALSE(region->Contains(19, 19)) << "the last row is left out";
}

TEST_F(ShapeTest, OtherStylesAreTheFullRectangle) {
    for (int type : {2, 6, 7, 8, 9, 10, 11, 12, 0, 99}) {
        SCOPED_TRACE("style " + std::to_string(type));
        EXPECT_EQ(*RegionFor(type, 12, 8), host::Region::Rectangle({0, 0, 12, 8}));
    }
}

TEST_F(ShapeTest, FullRectangleComesBackAfterLeavingACutStyle) {
    EXPECT_EQ(RegionFor(3, 10, 10)->Area(), 88);
    EXPECT_EQ(RegionFor(2, 10, 10)->Area(), 100);
}

TEST_F(ShapeTest, EveryRegionIsANewObject) {
    const auto first = RegionFor(3, 10, 10);
    const auto second = RegionFor(3, 10, 10);
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(*first, *second);
}

class TransparentTest : public StyleTest {
protected:
    void SetUp() override {
        surface.parent = QImage(100, 60, QImage::Format_RGB32);
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 100; ++x) surface.parent.setPixel(x, y, host::ToArgb(Rgb(x, y, 77)));
        surface.left = 10;
        surface.top = 20;
        Size(11, 30, 15);
    }
};

TEST_F(TransparentTest, ShowsWhatLiesUnderTheButton) {
    painter.CreateBackgroundCopy();
    painter.CaptureBackground();
    const QImage drawn = Draw();
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(host::FromArgb(drawn.pixel(x, y)), Rgb(x + 10, y + 20, 77)) << x << ", " << y;
    st.enabled = false;
    EXPECT_EQ(Draw(), drawn);
    st.enabled = true;
    EXPECT_EQ(Draw(2), drawn);
}

TEST_F(TransparentTest, CaptureHidesPumpsAndRestoresHeight) {
    painter.CreateBackgroundCopy();
    painter.CaptureBackground();
    EXPECT_EQ(surface.pumps, 1);
    EXPECT_EQ(surface.heightWhilePumping, 0);
    EXPECT_TRUE(surface.capturingWhilePumping);
    EXPECT_FALSE(st.capturingBackground);
    EXPECT_EQ(surface.heightCalls, (std::vector<std::int32_t>{0, 15}));
    EXPECT_EQ(surface.SurfaceHeightPixels(), 15);
}

TEST_F(TransparentTest, FailedCopyKeepsOldCopyAndRestoresHeight) {
    painter.CreateBackgroundCopy();
    painter.CaptureBackground();
    const QImage before = st.backgroundDC->Image().copy();

    surface.copyFails = true;
    painter.CaptureBackground();
    EXPECT_EQ(surface.copies, 2);
    EXPECT_EQ(st.backgroundDC->Image(), before);
    EXPECT_EQ(surface.SurfaceHeightPixels(), 15);
    EXPECT_FALSE(st.capturingBackground);
}

TEST_F(TransparentTest, CaptureWithoutACopyStillRestoresHeight) {
    painter.CaptureBackground();
    EXPECT_EQ(surface.copies, 0);
    EXPECT_EQ(surface.SurfaceHeightPixels(), 15);
    EXPECT_TRUE(AllPixels(Draw(), kFace)) << "nothing captured yet: the face fill";
}

TEST_F(TransparentTest, CopyIsCreatedOnceAndCapturedOnEveryShow) {
    painter.CreateBackgroundCopy();
    const auto copy = st.backgroundDC;
    painter.CaptureBackground();
    painter.CreateBackgroundCopy();
    painter.CaptureBackground();
    EXPECT_EQ(st.backgroundDC, copy);
    EXPECT_EQ(surface.copies, 2);
}

TEST_F(TransparentTest, CopyKeepsTheSizeOfTheFirstShow) {
    painter.CreateBackgroundCopy();
    painter.CaptureBackground();
    Size(11, 40, 20);
    painter.CreateBackgroundCopy();
    EXPECT_EQ(st.backgroundDC->Width(), 30);
    EXPECT_EQ(st.backgroundDC->Height(), 15);
    painter.CaptureBackground();
    Draw();
    EXPECT_EQ(At(29, 14), Rgb(39, 34, 77));
    EXPECT_EQ(At(35, 5), kFace) << "beyond the copy the face fill stays";
    EXPECT_EQ(At(5, 17), kFace);
}

} // namespace
} // namespace styletest
