// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSurface.h"
#include "host/qt/Picture.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using chameleon::ButtonPainter;
using chameleon::ButtonState;
using host::Colour;
using host::Rect;

namespace {

constexpr unsigned kDrawFlags = host::kTextCenter | host::kTextVCenter | host::kTextWordBreak;

Rect Moved(Rect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

std::shared_ptr<host::Picture> Square(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::red);
    return host::Picture::FromImage(image, host::Picture::Kind::Bitmap);
}

class CaptionTest : public ::testing::Test {
protected:
    static constexpr int W = 120;
    static constexpr int H = 60;
    CaptionTest() {
        state.buttonWidth = W;
        state.buttonHeight = H;
        state.caption = "Start";
        state.faceColor = 0x808080;
        state.faceLightColor = 0xB0B0B0;
        state.textColor = 0x000001;
        state.textOverColor = 0x000002;
        state.lightColor = 0x000003;
        state.highlightColor = 0x000004;
        state.shadowColor = 0x000005;
        state.hotLightColor = 0x606060;
    }
    void WithPicture(int size) {
        state.pictureNormal = Square(size);
        painter.PreparePicture();
    }
    // The same surface drawn directly: each text in its colour at its rectangle.
    QImage Reference(const std::vector<std::pair<Rect, Colour>>& texts) {
        FakeSurface reference(W, H);
        auto& dc = reference.Context();
        dc.SetFont(reference.SurfaceFont());
        for (const auto& [rect, colour] : texts) {
            dc.SetTextColor(colour);
            dc.DrawText(state.caption, rect, kDrawFlags);
        }
        return reference.image().copy();
    }

    ButtonState state;
    FakeSurface surface{W, H};
    ButtonPainter painter{state, surface};
    QFontMetrics fm{surface.SurfaceFont()};
    int cw = fm.horizontalAdvance("Start");
    int lh = fm.ascent() + fm.descent();
};

} // namespace

TEST_F(CaptionTest, PreparePictureTakesTheSizeFromHimetric) {
    WithPicture(16);
    EXPECT_EQ(state.pictureRect.width, 16);
    EXPECT_EQ(state.pictureRect.height, 16);
    state.pictureNormal.reset();
    painter.PreparePicture();
    EXPECT_EQ(state.pictureRect.width, 0);
    EXPECT_EQ(state.pictureRect.height, 0);
}

TEST_F(CaptionTest, PictureLeftCentresTheCaptionInTheRestAndPutsThePictureBeforeIt) {
    WithPicture(16);
    state.picturePosition = chameleon::PicturePlace::Left;
    painter.LayoutCaption();
    const int dx = (W - (17 + cw)) / 2, dy = (H - (1 + lh)) / 2;
    EXPECT_EQ(state.captionRect, (Rect{17 + dx, 1 + dy, 17 + cw + dx, 1 + lh + dy}));
    EXPECT_EQ(state.captionMeasureRect, Moved(state.captionRect, 1, 1));
    EXPECT_EQ(state.captionWidth, cw);
    EXPECT_EQ(state.captionHeight, lh);
    EXPECT_EQ(state.pictureRect.left, state.captionRect.left - 16 - 4);
    EXPECT_EQ(state.pictureRect.top, (H - 16) / 2);
}

TEST_F(CaptionTest, PictureRightStartsTheCaptionAtTheReservedCentre) {
    WithPicture(16);
    state.picturePosition = chameleon::PicturePlace::Right;
    painter.LayoutCaption();
    EXPECT_EQ(state.captionRect.left, 1 + (W - 1 - cw - 16 - 4) / 2);
    EXPECT_EQ(state.captionRect.top, 1 + (H - 1 - lh) / 2);
    EXPECT_EQ(state.pictureRect.left, state.captionRect.right + 4);
    EXPECT_EQ(state.pictureRect.top, (H - 16) / 2);
}

TEST_F(CaptionTest, PictureTopAndBottomStackPictureAndCaption) {
    WithPicture(16);
    state.picturePosition = chameleon::PicturePlace::Top;
    painter.LayoutCaption();
    EXPECT_EQ(state.captionRect.top, 17 + (H - (17 + lh)) / 2);
    EXPECT_EQ(state.captionRect.left, 1 + (W - 1 - cw) / 2);
    EXPECT_EQ(state.pictureRect.left, (W - 16) / 2);
    EXPECT_EQ(state.pictureRect.top, state.captionRect.top - 16 - 2);

    state.picturePosition = chameleon::PicturePlace::Bottom;
    painter.LayoutCaption();
    EXPECT_EQ(state.captionRect.top, 1 + (H - (1 + lh) - 16 - 4) / 2);
    EXPECT_EQ(state.pictureRect.top, state.captionRect.bottom + 2);
    EXPECT_EQ(state.pictureRect.left, (W - 16) / 2);
}

TEST_F(CaptionTest, PictureBehindAndABlankCaptionCentreThePicture) {
    WithPicture(16);
    state.picturePosition = chameleon::PicturePlace::Behind;
    painter.LayoutCaption();
    EXPECT_EQ(state.captionRect.left, 1 + (W - 1 - cw) / 2);
    EXPECT_EQ(state.pictureRect.left, (W - 16) / 2);
    EXPECT_EQ(state.pictureRect.top, (H - 16) / 2);

    state.picturePosition = chameleon::PicturePlace::Left;
    state.caption = "   ";
    painter.LayoutCaption();
    EXPECT_EQ(state.pictureRect.left, (W - 16) / 2);
    EXPECT_EQ(state.pictureRect.top, (H - 16) / 2);
}

TEST_F(CaptionTest, WithoutPicturesThePictureBoxStaysPut) {
    state.pictureRect = {7, 8, 0, 0};
    painter.LayoutCaption();
    EXPECT_EQ(state.pictureRect.left, 7);
    EXPECT_EQ(state.pictureRect.top, 8);
}

TEST_F(CaptionTest, ALongCaptionWrapsIntoLines) {
    state.caption = "Start Stop Start Stop";
    state.buttonWidth = fm.horizontalAdvance("Start Stop") + 3;
    painter.LayoutCaption();
    EXPECT_EQ(state.captionHeight, 2 * lh);
    EXPECT_EQ(state.captionRect.top, 1 + (H - 1 - 2 * lh) / 2);
}

TEST_F(CaptionTest, AnUnknownPositionKeepsTheCaptionWhereItIs) {
    painter.LayoutCaption();
    const Rect before = state.captionRect;
    state.picturePosition = static_cast<chameleon::PicturePlace>(7);
    painter.LayoutCaption();
    painter.LayoutCaption();
    EXPECT_EQ(state.captionRect, before);
    EXPECT_EQ(state.captionMeasureRect, Moved(before, 1, 1));
}

TEST_F(CaptionTest, PlainStylesDrawOneTextInTheirColour) {
    painter.LayoutCaption();
    const Rect r = state.captionRect, m = state.captionMeasureRect;
    struct Case {
        std::uint8_t style;
        int type;
        std::vector<std::pair<Rect, Colour>> texts;
    };
    const std::vector<Case> cases{
        {0, 2, {{r, 0x000001}}},
        {1, 2, {{r, 0x000002}}},
        {2, 2, {{m, 0x000002}}},
        {2, 4, {{m, 0x000003}}},
        {3, 2, {{m, 0x000004}, {r, 0x000005}}},
        {4, 2, {{r, 0x000005}}},
        {5, 3, {{r, painter.ShiftColor(0xB0B0B0, -104, true)}}},
        {6, 14, {{m, 0x000004}, {r, 0x808080}}},
        {7, 14, {{m, painter.ShiftColor(0x000005, -50)}, {r, 0x000004}}},
    };
    for (const Case& c : cases) {
        surface.Clear();
        state.buttonType = static_cast<chameleon::ButtonStyle>(c.type);
        painter.DrawCaption(static_cast<chameleon::CaptionStyle>(c.style));
        EXPECT_EQ(static_cast<int>(state.captionState), c.style);
        EXPECT_EQ(surface.image(), Reference(c.texts)) << int(c.style) << " type " << c.type;
    }
    bool inked = false;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) inked |= surface.Pixel(x, y) == 0x000004u;
    EXPECT_TRUE(inked);
}

TEST_F(CaptionTest, SpecialEffectsAddCopiesAroundTheCaption) {
    painter.LayoutCaption();
    const Rect r = state.captionRect;
    const Colour darker = painter.ShiftColor(0x808080, -40), lighter = painter.ShiftColor(0x808080, 40);
    struct Case {
        int effect;
        std::vector<std::pair<Rect, Colour>> texts;
    };
    const std::vector<Case> cases{
        {0, {{r, 0x000001}}},
        {-1, {{r, 0x000001}}},
        {1, {{Moved(r, 1, 1), darker}, {Moved(r, -1, -1), lighter}, {r, 0x000001}}},
        {2, {{Moved(r, 1, 1), lighter}, {Moved(r, -1, -1), darker}, {r, 0x000001}}},
        {3, {{Moved(r, 1, 1), darker}, {r, 0x000001}}},
        {9, {{Moved(r, 1, 1), darker}, {r, 0x000001}}},
    };
    for (const Case& c : cases) {
        surface.Clear();
        state.specialEffect = static_cast<chameleon::CaptionEffect>(c.effect);
        painter.DrawCaption(chameleon::CaptionStyle::Normal);
        EXPECT_EQ(surface.image(), Reference(c.texts)) << "effect " << c.effect;
    }
    // Disabled looks draw no copies.
    surface.Clear();
    state.specialEffect = chameleon::CaptionEffect::Raised;
    painter.DrawCaption(chameleon::CaptionStyle::DisabledFlat);
    EXPECT_EQ(surface.image(), Reference({{r, 0x000005}}));
}

TEST_F(CaptionTest, EffectCopiesTakeTheirBaseFromTheStyle) {
    painter.LayoutCaption();
    const Rect r = state.captionRect;
    state.specialEffect = chameleon::CaptionEffect::Shadow;
    struct Case {
        int type;
        bool over;
        int scheme;
        Colour base;
    };
    for (const Case c : {Case{3, false, 1, 0xB0B0B0}, Case{4, false, 1, 0xB0B0B0}, Case{14, true, 1, 0xB0B0B0},
                         Case{9, true, 1, 0x606060}, Case{9, true, 2, 0x808080}, Case{9, false, 1, 0x808080},
                         Case{2, true, 1, 0x808080}}) {
        surface.Clear();
        state.buttonType = static_cast<chameleon::ButtonStyle>(c.type);
        state.isOver = c.over;
        state.colorScheme = static_cast<chameleon::ColourSource>(c.scheme);
        painter.DrawCaption(chameleon::CaptionStyle::Hovered);
        EXPECT_EQ(surface.image(), Reference({{Moved(r, 1, 1), painter.ShiftColor(c.base, -40)}, {r, 0x000002}}))
            << "type " << c.type;
    }
}
