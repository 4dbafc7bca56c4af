// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSurface.h"
#include "host/qt/Picture.h"

#include <gtest/gtest.h>
#include <vector>

using chameleon::ButtonPainter;
using chameleon::ButtonState;
using host::Colour;
using host::Rgb;

namespace {

constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kMask = 0xC0C0C0;

// A bitmap picture from rows of colours.
std::shared_ptr<host::Picture> Bitmap(const std::vector<std::vector<Colour>>& rows) {
    QImage image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, host::ToArgb(rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]));
    return host::Picture::FromImage(image, host::Picture::Kind::Bitmap);
}

std::shared_ptr<host::Picture> Solid(int w, int h, Colour c) {
    return Bitmap(std::vector<std::vector<Colour>>(static_cast<std::size_t>(h),
                                                   std::vector<Colour>(static_cast<std::size_t>(w), c)));
}

int Count(const FakeSurface& s, Colour c) {
    int n = 0;
    for (int y = 0; y < s.image().height(); ++y)
        for (int x = 0; x < s.image().width(); ++x) n += s.Pixel(x, y) == c;
    return n;
}

class PicturesTest : public ::testing::Test {
protected:
    PicturesTest() {
        state.buttonWidth = 40;
        state.buttonHeight = 30;
        state.maskColorRGB = kMask;
        state.faceColor = Rgb(128, 128, 128);
        state.shadowColor = Rgb(64, 64, 64);
        state.highlightColor = Rgb(250, 250, 250);
        state.pictureRect = {10, 8, 4, 4};
    }
    void Draw(const host::Picture& p, int x, int y, int w, int h, std::int32_t solid = -1, bool darkOnly = false,
              bool grey = false, bool blend = false) {
        painter.DrawPicture(surface.Context(), x, y, w, h, p, kMask, solid, darkOnly, grey, blend);
    }
    ButtonState state;
    FakeSurface surface{40, 30};
    ButtonPainter painter{state, surface};
};

} // namespace

TEST_F(PicturesTest, GreyscaleRoundsBothStepsHalfToEven) {
    Draw(*Bitmap({{Rgb(255, 0, 0), kWhite, Rgb(0, 255, 0), Rgb(0, 0, 255)}}), 0, 0, 4, 1, -1, false, true);
    EXPECT_EQ(surface.Pixel(0, 0), Rgb(76, 76, 76));
    EXPECT_EQ(surface.Pixel(1, 0), Rgb(254, 254, 254));
    EXPECT_EQ(surface.Pixel(2, 0), Rgb(150, 150, 150));
    EXPECT_EQ(surface.Pixel(3, 0), Rgb(28, 28, 28));
}

TEST_F(PicturesTest, DarkOnlySilhouettesLeaveOutPixelsBrighterThan384) {
    const auto picture = Bitmap({{Rgb(128, 128, 128), Rgb(129, 128, 128), kWhite, 0}});
    Draw(*picture, 0, 0, 4, 1, 0x0000FF, true);
    EXPECT_EQ(surface.Pixel(0, 0), 0x0000FFu);
    EXPECT_EQ(surface.Pixel(1, 0), kWhite);
    EXPECT_EQ(surface.Pixel(2, 0), kWhite);
    EXPECT_EQ(surface.Pixel(3, 0), 0x0000FFu);
    Draw(*picture, 0, 1, 4, 1, 0x0000FF, false);
    for (int x = 0; x < 4; ++x) EXPECT_EQ(surface.Pixel(x, 1), 0x0000FFu);
}

TEST_F(PicturesTest, TheMaskColourIsTransparentOnlyWhenUsed) {
    const auto picture = Bitmap({{kMask, Rgb(1, 2, 3)}});
    Draw(*picture, 0, 0, 2, 1);
    EXPECT_EQ(surface.Pixel(0, 0), kWhite);
    EXPECT_EQ(surface.Pixel(1, 0), Rgb(1, 2, 3));
    Draw(*picture, 0, 1, 2, 1, 0x00FF00);
    EXPECT_EQ(surface.Pixel(0, 1), kWhite) << "silhouettes keep the mask too";
    state.useMaskColor = false;
    Draw(*picture, 0, 2, 2, 1);
    EXPECT_EQ(surface.Pixel(0, 2), kMask);
}

TEST_F(PicturesTest, BlendingWeighsThePictureTwiceTheBackground) {
    surface.Context().FillRect({0, 0, 2, 1}, Rgb(0, 0, 100));
    Draw(*Bitmap({{Rgb(255, 0, 0), Rgb(10, 20, 31)}}), 0, 0, 2, 1, -1, false, false, true);
    EXPECT_EQ(surface.Pixel(0, 0), Rgb(170, 0, 33));
    EXPECT_EQ(surface.Pixel(1, 0), Rgb(6, 13, 54));
}

TEST_F(PicturesTest, AnOddWidthPictureIsComposedWithoutShear) {
    std::vector<std::vector<Colour>> rows(5, std::vector<Colour>(15));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 15; ++x) rows[y][x] = Rgb(x * 16, y * 50, 7);
    Draw(*Bitmap(rows), 3, 2, 15, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 15; ++x) ASSERT_EQ(surface.Pixel(x + 3, y + 2), rows[y][x]) << x << "," << y;
    EXPECT_EQ(surface.Pixel(2, 2), kWhite);
    EXPECT_EQ(surface.Pixel(18, 2), kWhite);
    EXPECT_EQ(surface.Pixel(3, 7), kWhite);
}

TEST_F(PicturesTest, SizesOfZeroDrawNothingAndNegativeOnesMeanThePicturesOwn) {
    const auto picture = Solid(3, 2, 0x0000FF);
    Draw(*picture, 0, 0, 0, 2);
    Draw(*picture, 0, 0, 3, 0);
    EXPECT_EQ(Count(surface, 0x0000FF), 0);
    Draw(*picture, 5, 5, -1, -1);
    EXPECT_EQ(Count(surface, 0x0000FF), 6);
    EXPECT_EQ(picture->Image().pixel(0, 0), host::ToArgb(0x0000FF)) << "the picture itself stays intact";
}

TEST_F(PicturesTest, IconsAreDrawnOverTheMaskColourSoTheirSurroundIsTransparent) {
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 255, 255));
    image.setPixel(1, 0, qRgba(0, 0, 0, 0));
    const auto icon = host::Picture::FromImage(image, host::Picture::Kind::Icon);
    Draw(*icon, 0, 0, 3, 1);
    EXPECT_EQ(surface.Pixel(0, 0), 0xFF0000u);
    EXPECT_EQ(surface.Pixel(1, 0), kWhite);
    EXPECT_EQ(surface.Pixel(2, 0), kWhite) << "beyond the icon's own size";
    state.useMaskColor = false;
    Draw(*icon, 0, 1, 3, 1);
    EXPECT_EQ(surface.Pixel(1, 1), kMask);
}

TEST_F(PicturesTest, PictureOverWithoutPictureNormalIsNeverDrawn) {
    state.pictureOver = Solid(4, 4, 0x0000FF);
    for (std::uint8_t pictureState : {0, 1, 2})
        for (bool over : {false, true}) {
            state.isOver = over;
            painter.DrawPictures(pictureState);
        }
    EXPECT_EQ(Count(surface, 0x0000FF), 0);
}

TEST_F(PicturesTest, ShadowEffectsDrawOneCopyAndRaisedOnesTwo) {
    state.pictureNormal = Solid(4, 4, 0x0000FF);
    const Colour darker = Rgb(88, 88, 88), lighter = Rgb(168, 168, 168);
    struct Case {
        int effect;
        int dark, light;
    };
    // A 4 x 4 copy offset by one pixel shows 7 pixels beside the picture.
    for (const Case c : {Case{0, 0, 0}, Case{1, 7, 7}, Case{2, 7, 7}, Case{3, 7, 0}, Case{4, 7, 0}, Case{9, 7, 0}}) {
        surface.Clear();
        state.specialEffect = static_cast<chameleon::CaptionEffect>(c.effect);
        painter.DrawPictures(0);
        EXPECT_EQ(Count(surface, darker), c.dark) << c.effect;
        EXPECT_EQ(Count(surface, lighter), c.light) << c.effect;
        EXPECT_EQ(Count(surface, 0x0000FF), 16);
        if (c.effect == 1) {
            EXPECT_EQ(surface.Pixel(14, 12), darker);
        }
        if (c.effect == 2) {
            EXPECT_EQ(surface.Pixel(14, 12), lighter);
        }
    }
}

TEST_F(PicturesTest, NormalStateShowsGreyscaleUntilThePointerComesOver) {
    state.pictureNormal = Solid(4, 4, Rgb(255, 0, 0));
    state.useGreyscale = true;
    painter.DrawPictures(0);
    EXPECT_EQ(surface.Pixel(10, 8), Rgb(76, 76, 76));
    state.isOver = true;
    painter.DrawPictures(0);
    EXPECT_EQ(surface.Pixel(10, 8), Rgb(255, 0, 0));
}

TEST_F(PicturesTest, HoveredPicturesSwapOrLiftOverTheirShadow) {
    state.pictureNormal = Solid(4, 4, 0x0000FF);
    state.pictureOver = Solid(4, 4, 0x00FF00);
    state.isOver = true;
    painter.DrawPictures(0);
    EXPECT_EQ(Count(surface, 0x00FF00), 16);
    EXPECT_EQ(Count(surface, 0x0000FF), 0);

    surface.Clear();
    state.buttonType = chameleon::ButtonStyle::FlatHighlight;
    painter.DrawPictures(0);
    EXPECT_EQ(surface.Pixel(9, 7), 0x0000FFu) << "lifted one pixel up and left";
    EXPECT_EQ(surface.Pixel(13, 11), state.shadowColor);
    EXPECT_EQ(Count(surface, 0x00FF00), 0);
}

TEST_F(PicturesTest, PressedPicturesMoveByOneExceptForStyleFive) {
    state.pictureNormal = Solid(4, 4, 0x0000FF);
    painter.DrawPictures(1);
    EXPECT_EQ(surface.Pixel(10, 8), kWhite);
    EXPECT_EQ(surface.Pixel(11, 9), 0x0000FFu);
    surface.Clear();
    state.buttonType = chameleon::ButtonStyle::DoubleLine;
    painter.DrawPictures(1);
    EXPECT_EQ(surface.Pixel(10, 8), 0x0000FFu);
    EXPECT_EQ(surface.Pixel(14, 12), kWhite);
}

TEST_F(PicturesTest, DisabledPicturesAreEmbossedOrFlatByStyle) {
    state.pictureNormal = Bitmap({{0, kWhite}, {0, 0}});
    state.pictureRect = {10, 8, 2, 2};
    painter.DrawPictures(2);
    // Highlight at +1 under the shadow at 0: the dark pixels only.
    EXPECT_EQ(surface.Pixel(10, 8), state.shadowColor);
    EXPECT_EQ(surface.Pixel(11, 8), kWhite);
    EXPECT_EQ(surface.Pixel(11, 9), state.shadowColor);
    EXPECT_EQ(surface.Pixel(12, 9), kWhite);
    EXPECT_EQ(surface.Pixel(11, 10), state.highlightColor);
    EXPECT_EQ(surface.Pixel(12, 10), state.highlightColor);

    surface.Clear();
    state.buttonType = chameleon::ButtonStyle::Soft3D;
    painter.DrawPictures(2);
    EXPECT_EQ(surface.Pixel(10, 8), state.shadowColor);
    EXPECT_EQ(Count(surface, state.highlightColor), 0);

    surface.Clear();
    state.buttonType = chameleon::ButtonStyle::FlatHighlight;
    painter.DrawPictures(2);
    EXPECT_EQ(surface.Pixel(10, 8), painter.ShiftColor(state.shadowColor, 13));
}

TEST_F(PicturesTest, APictureBehindTheCaptionGetsTheCaptionDrawnOverIt) {
    state.pictureNormal = Solid(30, 20, 0x0000FF);
    state.pictureRect = {5, 5, 30, 20};
    state.picturePosition = chameleon::PicturePlace::Behind;
    state.caption = "HH";
    state.textColor = Rgb(0, 0, 0);
    painter.LayoutCaption();
    state.pictureRect = {5, 5, 30, 20};
    state.captionState = chameleon::CaptionStyle::Normal;
    painter.DrawPictures(0);
    int ink = 0;
    for (int y = 5; y < 25; ++y)
        for (int x = 5; x < 35; ++x) ink += surface.Pixel(x, y) != 0x0000FFu;
    EXPECT_GT(ink, 0) << "the caption shows over the picture";
    EXPECT_EQ(state.captionState, chameleon::CaptionStyle::Normal);

    surface.Clear();
    state.picturePosition = chameleon::PicturePlace::Left;
    painter.DrawPictures(0);
    EXPECT_EQ(Count(surface, 0x0000FF), 600) << "beside the caption the picture is drawn alone";
}
