// SPDX-License-Identifier: GPL-3.0-or-later
#include "StyleFixture.h"

namespace styletest {
namespace {

class DrawButtonTest : public StyleTest {};

TEST_F(DrawButtonTest, UnforcedDrawWithUnchangedStateAndCaptionDrawsNothing) {
    Size(7, 20, 10);
    painter.DrawButton(0, true);
    ASSERT_EQ(surface.clears, 1);

    surface.image.fill(0);
    painter.DrawButton(0, false);
    EXPECT_EQ(surface.clears, 1);
    EXPECT_TRUE(AllPixels(surface.image, 0));

    painter.DrawButton(0, true);
    EXPECT_EQ(surface.clears, 2);
    EXPECT_EQ(At(10, 5), kFace);
}

TEST_F(DrawButtonTest, UnforcedDrawHappensWhenStateOrCaptionChanged) {
    Size(7, 20, 10);
    painter.DrawButton(0, true);
    painter.DrawButton(2, false);
    EXPECT_EQ(surface.clears, 2);
    EXPECT_EQ(st.lastState, 2);
    EXPECT_EQ(At(0, 0), kShadow) << "pressed look";

    st.caption = "";
    st.lastCaption = "old";
    painter.DrawButton(2, false);
    EXPECT_EQ(surface.clears, 3);
    EXPECT_EQ(st.lastCaption, "");
}

TEST_F(DrawButtonTest, NothingIsDrawnWithoutHeightOrWhileRedrawIsOff) {
    Size(7, 20, 10);
    st.buttonHeight = 0;
    painter.DrawButton(0, true);
    EXPECT_EQ(surface.clears, 0);

    st.buttonHeight = 10;
    st.redrawEnabled = false;
    painter.DrawButton(2, true);
    EXPECT_EQ(surface.clears, 0);
    EXPECT_EQ(st.lastState, 0) << "a skipped drawing records nothing";
}

TEST_F(DrawButtonTest, TwoStateButtonThatIsOnAlwaysLooksPressed) {
    Size(7, 20, 10);
    st.checkBoxBehaviour = true;
    st.value = true;
    painter.DrawButton(0, true);
    EXPECT_EQ(st.lastState, 2);
    EXPECT_EQ(At(0, 0), kShadow);
    EXPECT_EQ(At(19, 9), kHighlight);

    st.value = false;
    painter.DrawButton(0, true);
    EXPECT_EQ(st.lastState, 0);
    EXPECT_EQ(At(0, 0), kHighlight);
}

TEST_F(DrawButtonTest, UnknownStateOnEnabledButtonShowsFaceOnly) {
    Size(1, 20, 10);
    EXPECT_TRUE(AllPixels(Draw(1), kFace));
    EXPECT_EQ(st.lastState, 1);
}

TEST_F(DrawButtonTest, DisabledButtonDrawsDisabledLookWhateverTheState) {
    for (int type = 1; type <= 14; ++type) {
        SCOPED_TRACE("style " + std::to_string(type));
        Size(type, 40, 20);
        st.enabled = false;
        const QImage up = Draw(0);
        const QImage down = Draw(2);
        EXPECT_EQ(up, down);
    }
}

TEST_F(DrawButtonTest, DisabledButtonNeverShowsFocusMark) {
    for (int type = 1; type <= 14; ++type) {
        SCOPED_TRACE("style " + std::to_string(type));
        Size(type, 40, 20);
        st.enabled = false;
        st.hasFocus = false;
        const QImage unfocused = Draw();
        st.hasFocus = true;
        surface.displayAsDefault = true;
        const QImage focused = Draw();
        surface.displayAsDefault = false;
        EXPECT_EQ(unfocused, focused);
    }
}

TEST_F(DrawButtonTest, FocusMarkShowsOnEnabledFocusedButtons) {
    // The styles that draw the platform focus rectangle in their normal look.
    for (int type : {1, 6, 7, 8, 9, 11, 12, 14}) {
        SCOPED_TRACE("style " + std::to_string(type));
        Size(type, 40, 20);
        st.hasFocus = false;
        const QImage unfocused = Draw();
        st.hasFocus = true;
        EXPECT_NE(Draw(), unfocused);
        st.showFocusRect = false;
        EXPECT_EQ(Draw(), unfocused) << "ShowFocusRect off hides it";
        st.showFocusRect = true;
        st.hasFocus = false;
    }
}

TEST_F(DrawButtonTest, CustomSchemeHoverDerivesEveryShadeFromBackOverAndRestoresAfter) {
    Size(7, 20, 10);
    st.colorScheme = chameleon::ColourSource::CustomColours;
    st.backColor = Rgb(100, 150, 200);
    st.backOver = Rgb(30, 60, 90);
    st.foreColor = 0;
    st.foreOver = 0;
    painter.DeriveColors();
    const Colour restingHighlight = st.highlightColor;

    st.isOver = true;
    Draw();
    EXPECT_EQ(At(10, 5), Rgb(30, 60, 90)) << "hover face";
    EXPECT_EQ(At(0, 0), Rgb(77, 107, 137)) << "highlight derived from BackOver (+47)";
    EXPECT_EQ(At(19, 9), Rgb(0, 0, 26)) << "shadow derived from BackOver (-64)";

    EXPECT_EQ(st.backColor, Rgb(100, 150, 200));
    EXPECT_EQ(st.faceColor, Rgb(100, 150, 200));
    EXPECT_EQ(st.highlightColor, restingHighlight);

    st.isOver = false;
    Draw();
    EXPECT_EQ(At(10, 5), Rgb(100, 150, 200));
}

TEST_F(DrawButtonTest, HoverInOtherSchemesKeepsTheFace) {
    Size(10, 20, 10);
    st.isOver = true;
    EXPECT_TRUE(AllPixels(Draw(), kFace));
}

TEST_F(DrawButtonTest, PictureOnlyAndUnknownStylesDrawFaceOnly) {
    for (int type : {10, 0, 15, 99}) {
        SCOPED_TRACE("style " + std::to_string(type));
        Size(type, 30, 12);
        st.hasFocus = true;
        EXPECT_TRUE(AllPixels(Draw(0), kFace));
        EXPECT_TRUE(AllPixels(Draw(2), kFace));
        st.enabled = false;
        EXPECT_TRUE(AllPixels(Draw(0), kFace));
        st.enabled = true;
    }
}

TEST_F(DrawButtonTest, ShowsWhatWasDrawn) {
    Size(2, 20, 10);
    Draw();
    EXPECT_EQ(surface.refreshes, 1);
}

} // namespace
} // namespace styletest
