// SPDX-License-Identifier: GPL-3.0-or-later
#include "StyleFixture.h"

namespace styletest {
namespace {

class BevelStylesTest : public StyleTest {};

const std::map<char, Colour> kLegend{{'f', kFace},   {'l', kLight}, {'h', kHighlight},
                                     {'s', kShadow}, {'d', kDark},  {'L', Rgb(228, 228, 228)}};

// Whole small buttons with an empty caption: every pixel is fixed by the style.
struct WholeButton {
    const char* name;
    int type;
    std::uint8_t state;
    bool enabled;
    std::vector<std::string> map;
};

void PrintTo(const WholeButton& b, std::ostream* os) { *os << b.name; }

class WholeButtonTest : public StyleTest, public ::testing::WithParamInterface<WholeButton> {};

TEST_P(WholeButtonTest, MatchesHandDrawnMap) {
    const WholeButton& b = GetParam();
    Size(b.type, 12, 8);
    st.enabled = b.enabled;
    EXPECT_TRUE(MatchesMap(Draw(b.state), b.map, kLegend));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    SmallButtons, WholeButtonTest,
    ::testing::Values(
        WholeButton{"ThinRaisedNormal", 7, 0, true,
                    {"hhhhhhhhhhhs", "hffffffffffs", "hffffffffffs", "hffffffffffs", "hffffffffffs",
                     "hffffffffffs", "hffffffffffs", "ssssssssssss"}},
        WholeButton{"ThinRaisedPressed", 7, 2, true,
                    {"sssssssssssh", "sffffffffffh", "sffffffffffh", "sffffffffffh", "sffffffffffh",
                     "sffffffffffh", "sffffffffffh", "hhhhhhhhhhhh"}},
        WholeButton{"OutlinedBevelNormal", 1, 0, true,
                    {"dddddddddddd", "dhhhhhhhhhsd", "dhhhhhhhhssd", "dhhffffffssd", "dhhffffffssd",
                     "dhsssssssssd", "dssssssssssd", "dddddddddddd"}},
        WholeButton{"OutlinedBevelPressed", 1, 2, true,
                    {"dddddddddddd", "dssssssssshd", "dsssssssshhd", "dssffffffhhd", "dssffffffhhd",
                     "dshhhhhhhhhd", "dhhhhhhhhhhd", "dddddddddddd"}},
        WholeButton{"OutlinedBevelDisabledKeepsNormalBevel", 1, 2, false,
                    {"dddddddddddd", "dhhhhhhhhhsd", "dhhhhhhhhssd", "dhhffffffssd", "dhhffffffssd",
                     "dhsssssssssd", "dssssssssssd", "dddddddddddd"}},
        WholeButton{"Classic3DNormal", 2, 0, true,
                    {"hhhhhhhhhhhd", "hlllllllllsd", "hlffffffffsd", "hlffffffffsd", "hlffffffffsd",
                     "hlffffffffsd", "hssssssssssd", "dddddddddddd"}},
        WholeButton{"Classic3DPressed", 2, 2, true,
                    {"dddddddddddh", "dssssssssslh", "dsfffffffflh", "dsfffffffflh", "dsfffffffflh",
                     "dsfffffffflh", "dllllllllllh", "hhhhhhhhhhhh"}},
        WholeButton{"Soft3DNormal", 6, 0, true,
                    {"LLLLLLLLLLLs", "LLLLLLLLLLss", "LLffffffffss", "LLffffffffss", "LLffffffffss",
                     "LLffffffffss", "Lsssssssssss", "ssssssssssss"}}),
    [](const ::testing::TestParamInfo<WholeButton>& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(BevelStylesTest, Classic3DShowsOutlineAndFocusOnlyAsDefaultButton) {
    Size(2, 40, 20);
    st.hasFocus = true;
    const QImage focusedNotDefault = Draw();
    st.hasFocus = false;
    EXPECT_EQ(Draw(), focusedNotDefault) << "a focused non-default button shows no focus rectangle";
    EXPECT_EQ(At(0, 0), kHighlight);
    EXPECT_EQ(At(39, 19), kDark);

    surface.displayAsDefault = true;
    Draw();
    EXPECT_EQ(At(0, 0), kDark) << "outline";
    EXPECT_EQ(At(1, 1), kHighlight) << "bevel one pixel in";
    EXPECT_EQ(At(38, 18), kDark);
    EXPECT_EQ(At(37, 17), kShadow);
    const QImage defaultUnfocused = surface.image.copy();
    st.hasFocus = true;
    EXPECT_NE(Draw(), defaultUnfocused) << "focus rectangle on the default button";

    st.showFocusRect = false;
    Draw();
    EXPECT_EQ(At(0, 0), kHighlight) << "without ShowFocusRect there is no default look";
}

TEST_F(BevelStylesTest, Classic3DPressedAsDefaultIsTwoFrames) {
    Size(2, 40, 20);
    surface.displayAsDefault = true;
    Draw(2);
    EXPECT_EQ(At(0, 0), kDark);
    EXPECT_EQ(At(39, 19), kDark);
    EXPECT_EQ(At(1, 1), kShadow);
    EXPECT_EQ(At(38, 18), kShadow);
    EXPECT_EQ(At(2, 2), kFace);
}

TEST_F(BevelStylesTest, FlatStylesShowEdgesOnlyWhileHovered) {
    for (int type : {8, 12}) {
        SCOPED_TRACE("style " + std::to_string(type));
        Size(type, 30, 14);
        st.isOver = false;
        EXPECT_TRUE(AllPixels(Draw(), kFace));
        st.enabled = false;
        st.isOver = true;
        EXPECT_TRUE(AllPixels(Draw(), kFace)) << "disabled: caption only";
        st.enabled = true;

        Draw();
        EXPECT_EQ(At(0, 0), kHighlight);
        EXPECT_EQ(At(29, 13), type == 8 ? kShadow : kDark);
        EXPECT_EQ(At(1, 1), type == 8 ? kFace : kLight);
        st.isOver = false;
    }
}

TEST_F(BevelStylesTest, FlatStylesPressedShowSunkenEdges) {
    Size(8, 30, 14);
    Draw(2);
    EXPECT_EQ(At(0, 0), kShadow);
    EXPECT_EQ(At(29, 13), kHighlight);
    Size(12, 30, 14);
    Draw(2);
    EXPECT_EQ(At(0, 0), kDark);
    EXPECT_EQ(At(1, 1), kShadow);
    EXPECT_EQ(At(28, 12), kLight);
    EXPECT_EQ(At(29, 13), kHighlight);
}

TEST_F(BevelStylesTest, OvalOutlineShowsOnlyOnHover) {
    Size(13, 40, 20);
    EXPECT_TRUE(AllPixels(Draw(), kFace)) << "outline in the face colour";
    st.isOver = true;
    Draw();
    // The 2-pixel pen straddles the outline up and left, as GDI's does: one pixel of it
    // shows at the left and top edges, two at the right and bottom.
    EXPECT_EQ(At(0, 10), kShadow);
    EXPECT_EQ(At(1, 10), kFace);
    EXPECT_EQ(At(38, 10), kShadow);
    EXPECT_EQ(At(39, 10), kShadow);
    EXPECT_EQ(At(37, 10), kFace);
    EXPECT_EQ(At(20, 0), kShadow);
    EXPECT_EQ(At(20, 1), kFace);
    EXPECT_EQ(At(20, 18), kShadow);
    EXPECT_EQ(At(20, 19), kShadow);
    EXPECT_EQ(At(0, 0), kFace) << "outside the ellipse only the face fill";
}

TEST_F(BevelStylesTest, OvalPressedIsDarkerWithDarkOutline) {
    Size(13, 40, 20);
    Draw(2);
    EXPECT_EQ(At(20, 10), Rgb(168, 168, 168));
    EXPECT_EQ(At(0, 10), kDark);
    EXPECT_EQ(At(0, 0), kFace);
}

TEST_F(BevelStylesTest, OvalDisabledDrawsNoEllipse) {
    Size(13, 40, 20);
    st.enabled = false;
    st.isOver = true;
    EXPECT_TRUE(AllPixels(Draw(0), kFace));
    EXPECT_TRUE(AllPixels(Draw(2), kFace));
}

TEST_F(BevelStylesTest, OvalNeverShowsFocusRectangle) {
    Size(13, 40, 20);
    const QImage unfocused = Draw();
    st.hasFocus = true;
    EXPECT_EQ(Draw(), unfocused);
}

} // namespace
} // namespace styletest
