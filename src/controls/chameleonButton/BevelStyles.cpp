// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "controls/chameleonButton/StyleLooks.h"
#include "host/core/Geometry.h"

#include <cstdint>

namespace chameleon::looks {

namespace {

struct Bevel {
    ButtonPainter& p;
    ButtonState& s;

    void Caption(Look look) { p.DrawCaption(CaptionStyleFor(s.buttonType, look, s.isOver)); }
    int W() const { return s.buttonWidth; }
    int H() const { return s.buttonHeight; }
    bool DefaultLook() const { return s.showFocusRect && p.surface().DisplayAsDefault(); }
    void Outline(host::Colour colour) { p.DrawRect(0, 0, W(), H(), colour, true); }
    void Raised(std::int16_t inset) {
        p.DrawBevel(s.highlightColor, s.darkShadowColor, s.lightColor, s.shadowColor, inset, false);
    }
    void Single(host::Colour topLeft, host::Colour bottomRight) {
        p.DrawBevel(topLeft, bottomRight, topLeft, bottomRight, 0, true);
    }

    void OutlinedBevel(Look look) {
        Caption(look);
        if (look == Look::Pressed)
            p.DrawBevel(s.shadowColor, s.highlightColor, s.shadowColor, s.highlightColor, -1, false);
        else
            p.DrawBevel(s.highlightColor, s.shadowColor, s.highlightColor, s.shadowColor, -1, false);
        Outline(s.darkShadowColor);
        if (look != Look::Disabled) p.DrawFocus();
    }

    void Classic3D(Look look) {
        Caption(look);
        if (look == Look::Disabled) {
            Raised(0);
            return;
        }
        const bool asDefault = DefaultLook();
        if (look == Look::Normal) {
            if (asDefault) {
                Raised(-1);
                p.DrawFocus();
                Outline(s.darkShadowColor);
            } else {
                Raised(0);
            }
            return;
        }
        if (asDefault) {
            Outline(s.darkShadowColor);
            p.DrawRect(1, 1, W() - 2, H() - 2, s.shadowColor, true);
            p.DrawFocus();
        } else {
            p.DrawBevel(s.darkShadowColor, s.highlightColor, s.shadowColor, s.lightColor, 0, false);
        }
    }

    void Soft3D(Look look) {
        const host::Colour l = p.ShiftColor(s.lightColor, 8);
        Caption(look);
        if (look == Look::Pressed)
            p.DrawBevel(s.shadowColor, l, s.shadowColor, l, 0, false);
        else
            p.DrawBevel(l, s.shadowColor, l, s.shadowColor, 0, false);
        if (look != Look::Disabled) p.DrawFocus();
    }

    void ThinRaised(Look look) {
        Caption(look);
        if (look == Look::Pressed)
            Single(s.shadowColor, s.highlightColor);
        else
            Single(s.highlightColor, s.shadowColor);
        if (look != Look::Disabled) p.DrawFocus();
    }

    void FlatThinHover(Look look) {
        Caption(look);
        if (look == Look::Disabled) return;
        if (look == Look::Pressed)
            Single(s.shadowColor, s.highlightColor);
        else if (s.isOver)
            Single(s.highlightColor, s.shadowColor);
        p.DrawFocus();
    }

    void Flat3DHover(Look look) {
        Caption(look);
        if (look == Look::Disabled) return;
        if (look == Look::Pressed)
            p.DrawBevel(s.darkShadowColor, s.highlightColor, s.shadowColor, s.lightColor, 0, false);
        else if (s.isOver)
            Raised(0);
        p.DrawFocus();
    }

    void Transparent(Look look) {
        DrawBackgroundCopy(p);
        Caption(look);
        if (look != Look::Disabled) p.DrawFocus();
    }

    void Oval(Look look) {
        if (look == Look::Normal)
            p.DrawEllipse(0, 0, W(), H(), s.isOver ? s.shadowColor : s.faceColor, s.faceColor);
        else if (look == Look::Pressed)
            p.DrawEllipse(0, 0, W(), H(), s.darkShadowColor, p.ShiftColor(s.faceColor, -32));
        Caption(look);
    }
};

} // namespace

void DrawBevelStyle(ButtonPainter& painter, Look look) {
    Bevel b{painter, painter.state()};
    switch (painter.state().buttonType) {
    case ButtonStyle::OutlinedBevel: b.OutlinedBevel(look); break;
    case ButtonStyle::Classic3D: b.Classic3D(look); break;
    case ButtonStyle::Soft3D: b.Soft3D(look); break;
    case ButtonStyle::ThinRaised: b.ThinRaised(look); break;
    case ButtonStyle::FlatThinHover: b.FlatThinHover(look); break;
    case ButtonStyle::Transparent: b.Transparent(look); break;
    case ButtonStyle::Flat3DHover: b.Flat3DHover(look); break;
    case ButtonStyle::Oval: b.Oval(look); break;
    default: break; // picture-only and unknown styles: the face fill and the pictures
    }
}

} // namespace chameleon::looks
