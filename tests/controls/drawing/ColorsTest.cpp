// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSurface.h"
#include "host/qt/SystemColors.h"

#include <gtest/gtest.h>

using chameleon::ButtonPainter;
using chameleon::ButtonState;
using host::Colour;
using host::Rgb;

namespace {

host::SystemColourTable FixedTable() {
    host::SystemColourTable t = host::ClassicSystemColours();
    t[host::COLOR_BTNFACE] = Rgb(200, 190, 180);
    t[host::COLOR_BTNSHADOW] = Rgb(100, 90, 80);
    t[host::COLOR_3DLIGHT] = Rgb(220, 215, 210);
    t[host::COLOR_3DDKSHADOW] = Rgb(30, 20, 10);
    t[host::COLOR_BTNHIGHLIGHT] = Rgb(250, 251, 252);
    t[host::COLOR_BTNTEXT] = Rgb(5, 6, 7);
    t[host::COLOR_HIGHLIGHT] = Rgb(0, 0, 128);
    return t;
}

class ColoursTest : public ::testing::Test {
protected:
    host::ScopedSystemColours system{FixedTable()};
    ButtonState state;
    FakeSurface surface{10, 10};
    ButtonPainter painter{state, surface};
};

} // namespace

TEST_F(ColoursTest, ShiftColorMovesEveryChannelByTheAmount) {
    EXPECT_EQ(painter.ShiftColor(Rgb(128, 128, 128), 16), Rgb(144, 144, 144));
    EXPECT_EQ(painter.ShiftColor(Rgb(128, 128, 128), -16), Rgb(112, 112, 112));
    EXPECT_EQ(painter.ShiftColor(Rgb(10, 20, 30), 0), Rgb(10, 20, 30));
}

TEST_F(ColoursTest, ShiftColorClampsEachChannel) {
    EXPECT_EQ(painter.ShiftColor(0xFFFFFF, 48), 0xFFFFFFu);
    EXPECT_EQ(painter.ShiftColor(0x000000, -64), 0x000000u);
    EXPECT_EQ(painter.ShiftColor(Rgb(250, 100, 5), 10), Rgb(255, 110, 15));
    EXPECT_EQ(painter.ShiftColor(Rgb(250, 100, 5), -10), Rgb(240, 90, 0));
    // The smallest shifts clamp too.
    EXPECT_EQ(painter.ShiftColor(0xFFFFFF, 1), 0xFFFFFFu);
    EXPECT_EQ(painter.ShiftColor(0x000000, -1), 0x000000u);
}

TEST_F(ColoursTest, ShiftColorScalesBlueInProportionWhenAsked) {
    EXPECT_EQ(painter.ShiftColor(Rgb(100, 100, 192), 48, true), Rgb(148, 148, 240));
    EXPECT_EQ(painter.ShiftColor(Rgb(100, 100, 192), 48, false), Rgb(148, 148, 240)) << "192 scales by exactly 1";
    EXPECT_EQ(painter.ShiftColor(Rgb(100, 100, 100), 48, true), Rgb(148, 148, 125));
    EXPECT_EQ(painter.ShiftColor(Rgb(100, 100, 100), 48, false), Rgb(148, 148, 148));
    EXPECT_EQ(painter.ShiftColor(Rgb(10, 10, 240), 48, true), Rgb(58, 58, 255));
    // 191 * 48 / 192 = 47.75, truncated: a divisor of 191 would give exactly 48.
    EXPECT_EQ(painter.ShiftColor(Rgb(10, 20, 191), 48, true), Rgb(58, 68, 238));
    // 100 * -104 / 192 = -54.17, truncated toward zero.
    EXPECT_EQ(painter.ShiftColor(Rgb(100, 100, 100), -104, true), Rgb(0, 0, 46));
}

TEST_F(ColoursTest, SoftBevelHalvesTheAmountTowardZero) {
    state.softBevel = true;
    EXPECT_EQ(painter.ShiftColor(Rgb(128, 128, 128), 16), Rgb(136, 136, 136));
    EXPECT_EQ(painter.ShiftColor(Rgb(100, 100, 100), -5), Rgb(98, 98, 98));
    EXPECT_EQ(painter.ShiftColor(Rgb(100, 100, 100), 47), Rgb(123, 123, 123));
}

TEST_F(ColoursTest, TintColorMapsChannelsOntoTheFloorRange) {
    EXPECT_EQ(ButtonPainter::TintColor(0x000000, 176), Rgb(176, 176, 176));
    EXPECT_EQ(ButtonPainter::TintColor(0xFFFFFF, 176), 0xFFFFFFu);
    EXPECT_EQ(ButtonPainter::TintColor(0xFFFFFF, 0), 0xFFFFFFu);
    // 128 + 127 * 128 / 255 = 191.75 → 191; 176 + 79 * 128 / 255 = 215.65 → 215.
    EXPECT_EQ(ButtonPainter::TintColor(Rgb(0, 128, 255), 128), Rgb(128, 191, 255));
    EXPECT_EQ(ButtonPainter::TintColor(Rgb(0, 0, 128), 176), Rgb(176, 176, 215));
    // Out-of-range floors stay within each channel.
    EXPECT_EQ(ButtonPainter::TintColor(Rgb(0, 255, 0), -10), Rgb(0, 255, 0));
    EXPECT_EQ(ButtonPainter::TintColor(Rgb(0, 255, 0), 300), Rgb(255, 255, 255));
}

TEST_F(ColoursTest, TranslateColorTurnsSystemColoursIntoValuesAndFailuresIntoBlack) {
    EXPECT_EQ(painter.TranslateColor(0x80000000u | host::COLOR_BTNFACE), Rgb(200, 190, 180));
    EXPECT_EQ(painter.TranslateColor(0x00123456u), 0x00123456u);
    EXPECT_EQ(painter.TranslateColor(0x800000FEu), 0u);
}

TEST_F(ColoursTest, SystemSchemeReadsTheSystemColours) {
    for (int scheme : {1, 0, 5, -3}) {
        state.colorScheme = static_cast<chameleon::ColourSource>(scheme);
        state.maskColor = 0x80000000u | host::COLOR_BTNFACE;
        painter.DeriveColors();
        EXPECT_EQ(state.faceColor, Rgb(200, 190, 180)) << scheme;
        EXPECT_EQ(state.shadowColor, Rgb(100, 90, 80));
        EXPECT_EQ(state.lightColor, Rgb(220, 215, 210));
        EXPECT_EQ(state.darkShadowColor, Rgb(30, 20, 10));
        EXPECT_EQ(state.highlightColor, Rgb(250, 251, 252));
        EXPECT_EQ(state.textColor, Rgb(5, 6, 7));
        EXPECT_EQ(state.textOverColor, Rgb(5, 6, 7));
        EXPECT_EQ(state.hotColor, Rgb(0, 0, 128));
        EXPECT_EQ(state.hotLightColor, Rgb(176, 176, 215));
        EXPECT_EQ(state.maskColorRGB, Rgb(200, 190, 180));
        EXPECT_EQ(state.faceLightColor, Rgb(248, 238, 228));
    }
}

TEST_F(ColoursTest, CustomSchemeShadesTheBackColour) {
    state.colorScheme = chameleon::ColourSource::CustomColours;
    state.backColor = Rgb(100, 150, 200);
    state.foreColor = 0x80000000u | host::COLOR_BTNTEXT;
    state.foreOver = Rgb(9, 8, 7);
    painter.DeriveColors();
    EXPECT_EQ(state.faceColor, Rgb(100, 150, 200));
    EXPECT_EQ(state.textColor, Rgb(5, 6, 7));
    EXPECT_EQ(state.textOverColor, Rgb(9, 8, 7));
    EXPECT_EQ(state.shadowColor, Rgb(36, 86, 136));
    EXPECT_EQ(state.lightColor, Rgb(131, 181, 231));
    EXPECT_EQ(state.highlightColor, Rgb(147, 197, 247));
    EXPECT_EQ(state.darkShadowColor, Rgb(0, 0, 8));
    EXPECT_EQ(state.hotColor, Rgb(0, 22, 72));
    EXPECT_EQ(state.hotLightColor, Rgb(100, 150, 200));
    EXPECT_EQ(state.faceLightColor, Rgb(148, 198, 248));

    state.softBevel = true;
    painter.DeriveColors();
    EXPECT_EQ(state.shadowColor, Rgb(68, 118, 168));
    EXPECT_EQ(state.highlightColor, Rgb(123, 173, 223));
    EXPECT_EQ(state.faceLightColor, Rgb(124, 174, 224));
}

TEST_F(ColoursTest, FixedPaletteIgnoresTheSystemAndSoftBevelExceptForFaceLight) {
    state.colorScheme = chameleon::ColourSource::FixedPalette;
    for (bool soft : {false, true}) {
        state.softBevel = soft;
        painter.DeriveColors();
        EXPECT_EQ(state.faceColor, 0xC0C0C0u);
        EXPECT_EQ(state.shadowColor, 0x808080u);
        EXPECT_EQ(state.lightColor, 0xDFDFDFu);
        EXPECT_EQ(state.darkShadowColor, 0u);
        EXPECT_EQ(state.highlightColor, 0xFFFFFFu);
        EXPECT_EQ(state.textColor, 0u);
        EXPECT_EQ(state.textOverColor, 0u);
        EXPECT_EQ(state.hotColor, 0x800000u);
        EXPECT_EQ(state.hotLightColor, 0xD1ADADu);
        EXPECT_EQ(state.faceLightColor, soft ? Rgb(216, 216, 216) : Rgb(240, 240, 240));
    }
}

TEST_F(ColoursTest, ContainerSchemeTakesTheParentsColours) {
    state.colorScheme = chameleon::ColourSource::ContainerColours;
    surface.parentBack = Rgb(60, 70, 80);
    surface.parentText = Rgb(1, 2, 3);
    painter.DeriveColors();
    EXPECT_EQ(state.faceColor, Rgb(60, 70, 80));
    EXPECT_EQ(state.textColor, Rgb(1, 2, 3));
    EXPECT_EQ(state.textOverColor, Rgb(1, 2, 3));
    EXPECT_EQ(state.shadowColor, Rgb(0, 6, 16));
    EXPECT_EQ(state.lightColor, Rgb(91, 101, 111));
    EXPECT_EQ(state.highlightColor, Rgb(107, 117, 127));
    EXPECT_EQ(state.darkShadowColor, Rgb(0, 0, 0));
    EXPECT_EQ(state.hotColor, Rgb(0, 0, 128));
    EXPECT_EQ(state.hotLightColor, Rgb(176, 176, 215));
}

TEST_F(ColoursTest, FaceLightIsBlueScaledExactlyForStyleThree) {
    state.colorScheme = chameleon::ColourSource::CustomColours;
    state.backColor = Rgb(100, 100, 100);
    for (int type = 1; type <= 14; ++type) {
        state.buttonType = static_cast<chameleon::ButtonStyle>(type);
        painter.DeriveColors();
        EXPECT_EQ(state.faceLightColor, type == 3 ? Rgb(148, 148, 125) : Rgb(148, 148, 148)) << type;
    }
}
