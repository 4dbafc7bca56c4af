// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "controls/chameleonButton/StyleLooks.h"
#include "host/core/Geometry.h"

#include <cstdint>

namespace chameleon {

namespace {

constexpr std::uint8_t kStateUp = 0;
constexpr std::uint8_t kStateDown = 2;

// In the custom scheme the hovered look is derived from BackOver as a whole (face and every
// shade). The swap touches the field only and is undone however the drawing ends.
class HoverColours {
public:
    explicit HoverColours(ButtonPainter& painter) : painter_(painter) {
        ButtonState& s = painter_.state();
        active_ = s.isOver && s.colorScheme == ColourSource::CustomColours;
        if (!active_) return;
        savedBackColor_ = s.backColor;
        s.backColor = s.backOver;
        painter_.DeriveColors();
    }
    ~HoverColours() {
        if (!active_) return;
        painter_.state().backColor = savedBackColor_;
        painter_.DeriveColors();
    }
    HoverColours(const HoverColours&) = delete;
    HoverColours& operator=(const HoverColours&) = delete;

private:
    ButtonPainter& painter_;
    bool active_ = false;
    host::Colour savedBackColor_ = 0;
};

} // namespace

void ButtonPainter::DrawButton(std::uint8_t state, bool forced) {
    // A two-state button that is on always looks pressed.
    if (s_.checkBoxBehaviour && s_.value) state = kStateDown;

    const bool changed = forced || s_.caption != s_.lastCaption || state != s_.lastState;
    if (!changed || s_.buttonHeight == 0 || !s_.redrawEnabled) return;

    s_.lastState = state;
    s_.lastCaption = s_.caption;

    surface_.Clear();
    {
        HoverColours hover(*this);
        DrawRect(0, 0, s_.buttonWidth, s_.buttonHeight, s_.faceColor, false);

        looks::Look look;
        std::uint8_t pictureState;
        if (!s_.enabled) {
            look = looks::Look::Disabled;
            pictureState = 2;
        } else if (state == kStateDown) {
            look = looks::Look::Pressed;
            pictureState = 1;
        } else if (state == kStateUp) {
            look = looks::Look::Normal;
            pictureState = 0;
        } else {
            // Unknown state on an enabled button: the face fill alone.
            surface_.RefreshSurface();
            return;
        }

        if (looks::IsPaletteStyle(s_.buttonType))
            looks::DrawPaletteStyle(*this, look);
        else
            looks::DrawBevelStyle(*this, look);
        DrawPictures(pictureState);
    }
    surface_.RefreshSurface();
}

namespace looks {

bool IsPaletteStyle(ButtonStyle buttonType) {
    switch (buttonType) {
    case ButtonStyle::GlossyGradient:
    case ButtonStyle::RoundedLight:
    case ButtonStyle::DoubleLine:
    case ButtonStyle::FlatHighlight:
    case ButtonStyle::BandedGradient: return true;
    default: return false;
    }
}

CaptionStyle CaptionStyleFor(ButtonStyle buttonType, Look look, bool isOver) {
    switch (look) {
    case Look::Normal: return isOver ? CaptionStyle::Hovered : CaptionStyle::Normal;
    case Look::Pressed:
        return buttonType == ButtonStyle::BandedGradient ? CaptionStyle::PressedBanded : CaptionStyle::Pressed;
    case Look::Disabled:
        switch (buttonType) {
        case ButtonStyle::GlossyGradient: return CaptionStyle::DisabledGlossy;
        case ButtonStyle::DoubleLine:
        case ButtonStyle::Soft3D:
        case ButtonStyle::FlatHighlight: return CaptionStyle::DisabledFlat;
        case ButtonStyle::BandedGradient: return CaptionStyle::DisabledBanded;
        default: return CaptionStyle::DisabledEmbossed;
        }
    }
    return CaptionStyle::Normal;
}

} // namespace looks

} // namespace chameleon
