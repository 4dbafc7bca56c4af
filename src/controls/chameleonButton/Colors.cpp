// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "host/core/Geometry.h"
#include "host/qt/SystemColors.h"

#include <algorithm>
#include <optional>

namespace chameleon {

namespace {

constexpr host::Colour kSystem = host::kSystemColourFlag;

int Clamp(int channel, int amount) {
    if (amount > 0) return std::min(channel, 255);
    if (amount < 0) return std::max(channel, 0);
    return channel;
}

} // namespace

host::Colour ButtonPainter::TranslateColor(host::Colour colour) const {
    return host::TranslateColour(colour).value_or(0);
}

host::Colour ButtonPainter::ShiftColor(host::Colour colour, int amount, bool blueScaled) const {
    if (s_.softBevel) amount /= 2;
    int red = host::RedOf(colour) + amount;
    int green = host::GreenOf(colour) + amount;
    int blue = host::BlueOf(colour);
    blue += blueScaled ? (blue * amount) / 192 : amount;
    // Channels only move in the direction of the shift, so only that side needs a bound;
    // a plain value cannot leave 0..255 on the other side.
    return host::Rgb(Clamp(red, amount), Clamp(green, amount), Clamp(blue, amount));
}

host::Colour ButtonPainter::TintColor(host::Colour colour, int floor) {
    // Floors outside 0..255 would push a channel into its neighbour when joined.
    auto tint = [floor](int c) { return std::clamp(floor + ((255 - floor) * c) / 255, 0, 255); };
    return host::Rgb(tint(host::RedOf(colour)), tint(host::GreenOf(colour)), tint(host::BlueOf(colour)));
}

void ButtonPainter::DeriveColors() {
    auto fromFace = [this] {
        s_.shadowColor = ShiftColor(s_.faceColor, -64);
        s_.lightColor = ShiftColor(s_.faceColor, 31);
        s_.highlightColor = ShiftColor(s_.faceColor, 47);
        s_.darkShadowColor = ShiftColor(s_.faceColor, -192);
    };
    switch (s_.colorScheme) {
    case ColourSource::CustomColours:
        s_.faceColor = TranslateColor(s_.backColor);
        s_.textColor = TranslateColor(s_.foreColor);
        s_.textOverColor = TranslateColor(s_.foreOver);
        fromFace();
        s_.hotColor = ShiftColor(s_.faceColor, -128);
        s_.hotLightColor = s_.faceColor;
        break;
    case ColourSource::FixedPalette:
        s_.faceColor = 0xC0C0C0;
        s_.shadowColor = 0x808080;
        s_.lightColor = 0xDFDFDF;
        s_.darkShadowColor = 0;
        s_.highlightColor = 0xFFFFFF;
        s_.textColor = 0;
        s_.textOverColor = 0;
        s_.hotColor = 0x800000;
        s_.hotLightColor = 0xD1ADAD;
        break;
    case ColourSource::ContainerColours:
        s_.faceColor = TranslateColor(surface_.ParentBackColor());
        s_.textColor = TranslateColor(surface_.ParentTextColor());
        s_.textOverColor = s_.textColor;
        fromFace();
        s_.hotColor = TranslateColor(kSystem | host::COLOR_HIGHLIGHT);
        s_.hotLightColor = TintColor(s_.hotColor, 176);
        break;
    case ColourSource::SystemColours:
    default:
        s_.faceColor = TranslateColor(kSystem | host::COLOR_BTNFACE);
        s_.shadowColor = TranslateColor(kSystem | host::COLOR_BTNSHADOW);
        s_.lightColor = TranslateColor(kSystem | host::COLOR_3DLIGHT);
        s_.darkShadowColor = TranslateColor(kSystem | host::COLOR_3DDKSHADOW);
        s_.highlightColor = TranslateColor(kSystem | host::COLOR_BTNHIGHLIGHT);
        s_.textColor = TranslateColor(kSystem | host::COLOR_BTNTEXT);
        s_.textOverColor = s_.textColor;
        s_.hotColor = TranslateColor(kSystem | host::COLOR_HIGHLIGHT);
        s_.hotLightColor = TintColor(s_.hotColor, 176);
        break;
    }
    s_.maskColorRGB = TranslateColor(s_.maskColor);
    s_.faceLightColor = ShiftColor(s_.faceColor, 48, s_.buttonType == ButtonStyle::GlossyGradient);
}

} // namespace chameleon
