// SPDX-License-Identifier: GPL-3.0-or-later
#include "StyleFixture.h"

namespace styletest {
namespace {

class PaletteStylesTest : public StyleTest {};

// The glossy face is (180, 180, 192): a blue-scaled darkening by a moves every channel by a.
Colour GlossRow(int amount) { return Rgb(180 - amount, 180 - amount, 192 - amount); }

struct GradientRow {
    int height;
    int row;
    int amount;
};

void PrintTo(const GradientRow& r, std::ostream* os) { *os << "H " << r.height << " row " << r.row; }

class GlossyGradientRows : public StyleTest, public ::testing::WithParamInterface<GradientRow> {};

TEST_P(GlossyGradientRows, RowIsDarkenedByRoundedShare) {
    const GradientRow& r = GetParam();
    Size(3, 40, r.height);
    Draw();
    EXPECT_EQ(At(20, r.row), GlossRow(r.amount));
}

// H = 25: row i darkens by i. H = 50: by i / 2 with halves to even.
INSTANTIATE_TEST_SUITE_P(Heights, GlossyGradientRows,
                         ::testing::Values(GradientRow{25, 3, 3}, GradientRow{25, 12, 12}, GradientRow{25, 21, 21},
                                           GradientRow{50, 3, 2}, GradientRow{50, 4, 2}, GradientRow{50, 5, 2},
                                           GradientRow{50, 7, 4}, GradientRow{50, 9, 4}, GradientRow{50, 11, 6},
                                           GradientRow{50, 13, 6}, GradientRow{50, 45, 22}, GradientRow{50, 46, 23}));

TEST_F(PaletteStylesTest, GlossyPressedGradientIsUpsideDown) {
    Size(3, 40, 25);
    Draw(2);
    // Pressed base (148, 148, 160); row r darkens by 25 - r, blue in proportion to itself.
    EXPECT_EQ(At(20, 3), Rgb(126, 126, 142));
    EXPECT_EQ(At(20, 12), Rgb(135, 135, 150));
    EXPECT_EQ(At(20, 21), Rgb(144, 144, 157));
    EXPECT_EQ(At(0, 0), Colour{0x733C00});
    EXPECT_EQ(At(1, 1), Colour{0x7B4D10});
    EXPECT_EQ(At(37, 12), kFaceLight) << "inner right edge keeps the unshifted face";
}

TEST_F(PaletteStylesTest, GlossyOutlineAndPlainEdges) {
    Size(3, 40, 25);
    Draw();
    EXPECT_EQ(At(0, 0), Colour{0x733C00});
    EXPECT_EQ(At(39, 24), Colour{0x733C00});
    for (auto [x, y] : {std::pair{1, 1}, {1, 23}, {38, 1}, {38, 23}}) EXPECT_EQ(At(x, y), Colour{0x7B4D10});
    EXPECT_EQ(At(20, 23), GlossRow(48)) << "bottom edge";
    EXPECT_EQ(At(20, 1), Rgb(196, 196, 208)) << "top edge +16";
    EXPECT_EQ(At(1, 12), GlossRow(5)) << "left edge";
    EXPECT_EQ(At(38, 12), GlossRow(36)) << "right edge";
}

TEST_F(PaletteStylesTest, GlossyHoverShowsOrangeEdgesEvenWhenFocused) {
    Size(3, 40, 25);
    st.hasFocus = true;
    st.isOver = true;
    Draw();
    EXPECT_EQ(At(1, 12), Colour{0x31B2FF}) << "frame";
    EXPECT_EQ(At(38, 12), Colour{0x31B2FF});
    EXPECT_EQ(At(20, 23), Colour{0x0096E7}) << "bottom";
    EXPECT_EQ(At(20, 1), Colour{0xCEF3FF}) << "top";
    EXPECT_EQ(At(20, 2), Colour{0x8CDBFF}) << "second top";
    EXPECT_EQ(At(2, 12), Colour{0x6BCBFF}) << "sides";
    EXPECT_EQ(At(37, 12), Colour{0x6BCBFF});
}

TEST_F(PaletteStylesTest, GlossyBlueEdgesMarkFocusOrDefaultOnlyWithShowFocusRect) {
    Size(3, 40, 25);
    st.hasFocus = true;
    const QImage focused = Draw();
    EXPECT_EQ(At(1, 12), Colour{0xE7AE8C});
    EXPECT_EQ(At(20, 23), Colour{0xEF826B});
    EXPECT_EQ(At(20, 1), Colour{0xFFE7CE});
    EXPECT_EQ(At(20, 2), Colour{0xF7D7BD});
    EXPECT_EQ(At(2, 12), Colour{0xF0D1B5});

    st.hasFocus = false;
    surface.displayAsDefault = true;
    EXPECT_EQ(Draw(), focused) << "the default button wears the same blue edges";

    st.hasFocus = true;
    st.showFocusRect = false;
    Draw();
    EXPECT_EQ(At(20, 1), Rgb(196, 196, 208)) << "plain edges without ShowFocusRect";
}

TEST_F(PaletteStylesTest, GlossyDisabledIsFlat) {
    Size(3, 40, 25);
    st.enabled = false;
    Draw();
    EXPECT_EQ(At(20, 12), GlossRow(24));
    EXPECT_EQ(At(0, 0), GlossRow(84));
    EXPECT_EQ(At(1, 1), GlossRow(72));
    EXPECT_EQ(At(20, 23), GlossRow(24));
}

// A button lower or narrower than its edges shows the order of the steps and where each line
// ends: a later edge paints over an earlier one and over the corner pixels, a line whose end
// lies before its start runs backwards, and one that ends where it starts paints nothing.
struct TinyButton {
    const char* name;
    int type;
    std::uint8_t state;
    std::vector<std::string> map;
};

void PrintTo(const TinyButton& b, std::ostream* os) { *os << b.name; }

// Glossy normal: S*(face light, n) moves every channel by n. Pressed: B = (148, 148, 160),
// and S*(B, n) moves blue by 160 * n / 192, truncated. V is the shadow -32, n the face -9, m
// the shadow -48.
// clang-format off
const std::map<char, Colour> kTinyLegend{
    {'o', 0x733C00}, {'c', 0x7B4D10}, {'F', kFaceLight},
    {'B', GlossRow(32)}, {'E', GlossRow(-16)}, {'G', GlossRow(-10)}, {'J', GlossRow(10)}, {'D', GlossRow(24)},
    {'O', Rgb(158, 158, 168)}, {'Q', Rgb(116, 116, 134)}, {'R', Rgb(124, 124, 140)},
    {'d', kDark}, {'f', kFace}, {'s', kShadow}, {'h', kHighlight},
    {'V', Rgb(88, 88, 88)}, {'n', Rgb(191, 191, 191)}, {'m', Rgb(72, 72, 72)}};
// clang-format on

class TinyButtonTest : public StyleTest, public ::testing::WithParamInterface<TinyButton> {};

TEST_P(TinyButtonTest, PaintsTheStepsInOrder) {
    const TinyButton& b = GetParam();
    Size(b.type, static_cast<int>(b.map[0].size()), static_cast<int>(b.map.size()));
    EXPECT_TRUE(MatchesMap(Draw(b.state), b.map, kTinyLegend));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Palette, TinyButtonTest, ::testing::Values(
    // The gradient is painted over everywhere. Plain edges: (1, 1 -> 6, 1) -32 and
    // (1, 2 -> 6, 2) +10 cover the left corner pixels, (5, 3 -> 5, 1) -24 and (2, 3 -> 2, 1)
    // -10 run upwards, (6, 2 -> 6, 2) and (1, 2 -> 1, 2) are empty.
    TinyButton{"GlossyNormal8x4", 3, 0, {
        "oooooooo",
        "oBEEEEco",
        "oGJGGGco",
        "ooJooDoo"}},
    // Pressed edges: +10 and -24 over the left corners, (5, 3 -> 5, 1) in the unshifted face
    // light runs up from the outline.
    TinyButton{"GlossyPressed8x4", 3, 2, {
        "oooooooo",
        "oOQQQQco",
        "oRRRRRco",
        "oooooFoo"}},
    // Rounded light: (1, 2 -> 2, 0) in the face, (3, 2 -> 2, 2) and (2, 2 -> 2, 1) in the
    // highlight, (1, 1 -> 2, 1) and pixel (1, 0) in the face, (2, 2 -> 3, 2) and pixel
    // (2, 1) in the shadow, pixel (3, 3) in the highlight.
    TinyButton{"RoundedNormal5x4", 4, 0, {
        "dfddd",
        "dfsdd",
        "dfshd",
        "dddhd"}},
    // Rounded light pressed: pixel (1, 1) in the shadow after the dark corners, (3, 2 -> 1, 4)
    // in shadow -32 over (2, 3); both lines in shadow -16 are (3, 3 -> 3, 3), empty.
    TinyButton{"RoundedPressed5x5", 4, 2, {
        "ddddd",
        "dssdd",
        "dssVd",
        "ddVdd",
        "ddddd"}},
    // Banded pressed: the bottom highlight line (2, 1 -> 6, 1) stops before the face -9;
    // (6, 2 -> 6, 2) is empty.
    TinyButton{"BandedPressed8x3", 14, 2, {
        "mmmmmmmm",
        "mnhhhhnm",
        "mmmmmmmm"}}),
    [](const ::testing::TestParamInfo<TinyButton>& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(PaletteStylesTest, RoundedLightCornersAndFace) {
    Size(4, 20, 12);
    Draw();
    EXPECT_EQ(At(0, 5), kDark);
    EXPECT_EQ(At(1, 10), kDark);
    EXPECT_EQ(At(18, 10), kDark);
    EXPECT_EQ(At(10, 5), kLight) << "light face";
    EXPECT_EQ(At(10, 2), kHighlight);
    EXPECT_EQ(At(18, 5), kShadow);
    EXPECT_EQ(At(17, 5), kFace);
}

TEST_F(PaletteStylesTest, RoundedLightPressedDerivesFaceLightFromTheFaceAndShowsNoFocus) {
    Size(4, 20, 12);
    st.hasFocus = true;
    Draw(2);
    // Face (200, 200, 200) lightened by 48, whatever the face light was before the draw.
    EXPECT_EQ(st.faceLightColor, Rgb(248, 248, 248));
    EXPECT_EQ(At(10, 5), Rgb(104, 104, 104)) << "pressed face: shadow -16";
    EXPECT_EQ(At(10, 1), Rgb(56, 56, 56)) << "inner frame: shadow -64";
    EXPECT_EQ(At(0, 0), kDark);
}

TEST_F(PaletteStylesTest, DoubleLineCaptionFrameMarksFocus) {
    Size(5, 40, 20);
    st.captionRect = {10, 5, 30, 15};
    st.captionMeasureRect = {11, 6, 31, 16};
    st.captionWidth = 20;
    st.captionHeight = 10;
    constexpr Colour kFrame = 0xCC9999;
    for (std::uint8_t state : {0, 2}) {
        SCOPED_TRACE(state == 0 ? "normal" : "pressed");
        st.hasFocus = false;
        Draw(state);
        EXPECT_NE(At(8, 4), kFrame);
        st.hasFocus = true;
        Draw(state);
        EXPECT_EQ(At(8, 4), kFrame);
        EXPECT_EQ(At(31, 15), kFrame);
        EXPECT_EQ(At(20, 4), kFrame);
        EXPECT_NE(At(20, 10), kFrame);
        st.showFocusRect = false;
        Draw(state);
        EXPECT_NE(At(8, 4), kFrame);
        st.showFocusRect = true;
    }
    st.enabled = false;
    Draw();
    EXPECT_NE(At(8, 4), kFrame) << "disabled";
}

TEST_F(PaletteStylesTest, DoubleLineEdges) {
    Size(5, 20, 10);
    Draw();
    EXPECT_EQ(At(0, 0), Rgb(94, 94, 94)) << "dark outer line";
    EXPECT_EQ(At(1, 1), kHighlight);
    EXPECT_EQ(At(1, 8), Rgb(146, 146, 146)) << "lighter pixel by the cut corner";
    EXPECT_EQ(At(18, 1), Rgb(146, 146, 146));
    EXPECT_EQ(At(10, 5), Rgb(212, 212, 212));
    Draw(2);
    EXPECT_EQ(At(10, 5), Rgb(136, 136, 136));
    EXPECT_EQ(At(19, 5), kHighlight);
    EXPECT_EQ(At(10, 9), kHighlight);
}

TEST_F(PaletteStylesTest, FlatHighlightHoverAndPress) {
    Size(9, 30, 14);
    EXPECT_TRUE(AllPixels(Draw(), kFace));
    st.isOver = true;
    Draw();
    EXPECT_EQ(At(0, 0), kHot);
    EXPECT_EQ(At(15, 7), kHotLight);
    Draw(2);
    EXPECT_EQ(At(15, 7), Rgb(128, 128, 191)) << "hot colour tinted from 128";
    EXPECT_EQ(At(0, 0), kHot);
}

TEST_F(PaletteStylesTest, FlatHighlightPressedFromKeyboardShowsFrameOnly) {
    Size(9, 30, 14);
    st.isOver = false;
    Draw(2);
    EXPECT_EQ(At(0, 0), kHot);
    EXPECT_EQ(At(29, 13), kHot);
    EXPECT_EQ(At(15, 7), kFace);
    EXPECT_EQ(At(1, 1), kFace);
}

TEST_F(PaletteStylesTest, FlatHighlightPressedInCustomSchemeDarkensTheHoverFace) {
    Size(9, 30, 14);
    st.colorScheme = chameleon::ColourSource::CustomColours;
    st.backColor = Rgb(100, 120, 140);
    st.backOver = Rgb(100, 120, 140);
    painter.DeriveColors();
    st.isOver = true;
    Draw(2);
    EXPECT_EQ(At(15, 7), Rgb(68, 88, 108));
}

TEST_F(PaletteStylesTest, BandedGradientRowsBandsAndFrames) {
    Size(14, 40, 25);
    Draw();
    // Highlight (250, 250, 250) darkened by round(58 / 25 * i).
    for (auto [row, amount] : {std::pair{4, 9}, {5, 12}, {10, 23}, {20, 46}, {21, 49}})
        EXPECT_EQ(At(20, row), Rgb(250 - amount, 250 - amount, 250 - amount)) << "row " << row;
    EXPECT_EQ(At(0, 12), Rgb(70, 70, 70));
    EXPECT_EQ(At(1, 12), Rgb(191, 191, 191));
    EXPECT_EQ(At(20, 2), kHighlight);
    EXPECT_EQ(At(20, 3), kHighlight);
    EXPECT_EQ(At(3, 12), kHighlight);

    st.isOver = true;
    Draw();
    EXPECT_EQ(At(20, 12), kLight);

    st.enabled = false;
    Draw();
    EXPECT_EQ(At(20, 10), Rgb(227, 227, 227)) << "disabled keeps the gradient under the pointer";
}

TEST_F(PaletteStylesTest, BandedGradientPressed) {
    Size(14, 40, 25);
    Draw(2);
    EXPECT_EQ(At(20, 12), Rgb(191, 191, 191));
    EXPECT_EQ(At(0, 0), Rgb(72, 72, 72));
    EXPECT_EQ(At(20, 23), kHighlight);
    EXPECT_EQ(At(38, 12), kHighlight);
}

TEST_F(PaletteStylesTest, BandedDefaultButtonCaptionIsBoldWhileFontBoldStaysOff) {
    st.caption = "Go on";
    Size(14, 80, 25);
    surface.displayAsDefault = true;
    const QImage asDefault = Draw();
    EXPECT_FALSE(surface.FontBoldProperty());
    EXPECT_EQ(surface.boldCalls, (std::vector<bool>{true, false}));
    EXPECT_EQ(surface.redrawDuringBold, (std::vector<bool>{false, false})) << "no drawing from the round trip";
    EXPECT_TRUE(st.redrawEnabled);

    surface.displayAsDefault = false;
    const QImage plain = Draw();
    EXPECT_NE(asDefault, plain);

    surface.boldCalls.clear();
    surface.font.setBold(true);
    painter.LayoutCaption();
    EXPECT_EQ(Draw(), asDefault) << "the default caption is the bold caption";
    EXPECT_TRUE(surface.boldCalls.empty());
}

} // namespace
} // namespace styletest
