// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "controls/chameleonButton/StyleLooks.h"
#include "host/core/Geometry.h"

#include <cmath>
#include <cstdint>

namespace chameleon::looks {

namespace {

// The pressed double-line caption: the text alone in the hover text colour at the resting
// position, with no effect copies. It leaves captionState alone, so a caption drawn over
// a picture keeps the style it had before.
void DrawCaptionTextOnly(ButtonPainter& painter) {
    ButtonState& s = painter.state();
    const host::Rect savedMeasure = s.captionMeasureRect;
    const CaptionEffect savedEffect = s.specialEffect;
    const CaptionStyle savedCaptionState = s.captionState;
    s.captionMeasureRect = s.captionRect;
    s.specialEffect = CaptionEffect::None;
    painter.DrawCaption(CaptionStyle::Pressed);
    s.captionMeasureRect = savedMeasure;
    s.specialEffect = savedEffect;
    s.captionState = savedCaptionState;
}

// Fixed colours of the glossy style and of the double-line focus frame.
constexpr host::Colour kGlossOutline = 0x733C00;
constexpr host::Colour kGlossInnerCorner = 0x7B4D10;
constexpr int kGlossDepth = 25;
constexpr int kBandedDepth = 58;
constexpr host::Colour kDoubleLineFocus = 0xCC9999;

// The edge set a glossy button wears on hover (orange) or as focus mark (blue).
struct GlossEdges {
    host::Colour frame, bottom, top, secondTop, sides;
};
constexpr GlossEdges kHoverEdges{0x31B2FF, 0x0096E7, 0xCEF3FF, 0x8CDBFF, 0x6BCBFF};
constexpr GlossEdges kFocusEdges{0xE7AE8C, 0xEF826B, 0xFFE7CE, 0xF7D7BD, 0xF0D1B5};

struct Palette {
    ButtonPainter& p;
    ButtonState& s;

    int W() const { return s.buttonWidth; }
    int H() const { return s.buttonHeight; }
    void Caption(Look look) { p.DrawCaption(CaptionStyleFor(s.buttonType, look, s.isOver)); }
    host::Colour S(host::Colour c, int n) const { return p.ShiftColor(c, n, false); }
    host::Colour SB(host::Colour c, int n) const { return p.ShiftColor(c, n, true); }
    void Corners(int inset, host::Colour colour) {
        p.DrawPixel(inset, inset, colour);
        p.DrawPixel(inset, H() - 1 - inset, colour);
        p.DrawPixel(W() - 1 - inset, inset, colour);
        p.DrawPixel(W() - 1 - inset, H() - 1 - inset, colour);
    }

    // --- Glossy gradient -------------------------------------------------------------
    void GlossOutline() {
        p.DrawRect(0, 0, W(), H(), kGlossOutline, true);
        Corners(1, kGlossInnerCorner);
    }
    void GlossEdgeSet(const GlossEdges& e) {
        p.DrawRect(1, 2, W() - 2, H() - 4, e.frame, true);
        p.DrawLine(2, H() - 2, W() - 2, H() - 2, e.bottom);
        p.DrawLine(2, 1, W() - 2, 1, e.top);
        p.DrawLine(1, 2, W() - 1, 2, e.secondTop);
        p.DrawLine(2, 3, 2, H() - 3, e.sides);
        p.DrawLine(W() - 3, 3, W() - 3, H() - 3, e.sides);
    }
    void GlossyGradient(Look look) {
        const host::Colour fl = s.faceLightColor;
        if (look == Look::Disabled) {
            p.DrawRect(0, 0, W(), H(), SB(fl, -24), false);
            Caption(look);
            p.DrawRect(0, 0, W(), H(), SB(fl, -84), true);
            Corners(1, SB(fl, -72));
            return;
        }
        if (look == Look::Pressed) {
            const host::Colour b = SB(fl, -32);
            DrawGradient(p, b, kGlossDepth, true, true);
            Caption(look);
            GlossOutline();
            p.DrawLine(2, H() - 2, W() - 2, H() - 2, SB(b, 16));
            p.DrawLine(1, H() - 3, W() - 2, H() - 3, SB(b, 10));
            p.DrawLine(W() - 2, 2, W() - 2, H() - 2, SB(b, 5));
            p.DrawLine(W() - 3, 3, W() - 3, H() - 3, fl);
            p.DrawLine(2, 1, W() - 2, 1, SB(b, -32));
            p.DrawLine(1, 2, W() - 2, 2, SB(b, -24));
            p.DrawLine(1, 2, 1, H() - 2, SB(b, -32));
            p.DrawLine(2, 2, 2, H() - 2, SB(b, -22));
            return;
        }
        DrawGradient(p, fl, kGlossDepth, true, false);
        Caption(look);
        GlossOutline();
        // Hover wins over focus; the blue edges are the focus mark, so no focus rectangle.
        if (s.isOver) {
            GlossEdgeSet(kHoverEdges);
        } else if ((s.hasFocus || p.surface().DisplayAsDefault()) && s.showFocusRect) {
            GlossEdgeSet(kFocusEdges);
        } else {
            p.DrawLine(2, H() - 2, W() - 2, H() - 2, SB(fl, -48));
            p.DrawLine(1, H() - 3, W() - 2, H() - 3, SB(fl, -32));
            p.DrawLine(W() - 2, 2, W() - 2, H() - 2, SB(fl, -36));
            p.DrawLine(W() - 3, 3, W() - 3, H() - 3, SB(fl, -24));
            p.DrawLine(2, 1, W() - 2, 1, SB(fl, 16));
            p.DrawLine(1, 2, W() - 2, 2, SB(fl, 10));
            p.DrawLine(1, 2, 1, H() - 2, SB(fl, -5));
            p.DrawLine(2, 3, 2, H() - 3, SB(fl, -10));
        }
    }

    // --- Rounded light ---------------------------------------------------------------
    void RoundedLight(Look look) {
        if (look == Look::Pressed) {
            const host::Colour pressedFace = S(s.shadowColor, -16);
            p.DrawRect(1, 1, W() - 2, H() - 2, pressedFace, false);
            // The caption effect takes its base from the pressed face for this one caption;
            // afterwards the face light is derived from the face again, not put back, so a
            // value the glossy style's blue scaling left behind does not survive this draw.
            s.faceLightColor = pressedFace;
            Caption(look);
            s.faceLightColor = S(s.faceColor, 48);
            p.DrawRect(0, 0, W(), H(), s.darkShadowColor, true);
            p.DrawRect(1, 1, W() - 2, H() - 2, S(s.shadowColor, -64), true);
            p.DrawRect(2, 2, W() - 4, H() - 4, S(s.shadowColor, -32), true);
            p.DrawPixel(2, 2, S(s.shadowColor, -64));
            p.DrawPixel(3, 3, S(s.shadowColor, -32));
            Corners(1, s.darkShadowColor);
            p.DrawLine(W() - 3, 1, W() - 3, H() - 3, s.shadowColor);
            p.DrawLine(1, H() - 3, W() - 2, H() - 3, s.shadowColor);
            p.DrawPixel(W() - 4, H() - 4, s.shadowColor);
            p.DrawLine(W() - 2, 3, W() - 2, H() - 2, S(s.shadowColor, -16));
            p.DrawLine(3, H() - 2, W() - 2, H() - 2, S(s.shadowColor, -16));
            const host::Colour corner = S(s.shadowColor, -32);
            p.DrawLine(W() - 2, H() - 3, W() - 4, H() - 1, corner);
            p.DrawPixel(2, H() - 2, corner);
            p.DrawPixel(W() - 2, 2, corner);
            return;
        }
        p.DrawRect(1, 1, W() - 2, H() - 2, s.lightColor, false);
        Caption(look);
        p.DrawRect(0, 0, W(), H(), s.darkShadowColor, true);
        Corners(1, s.darkShadowColor);
        p.DrawLine(1, 2, 2, 0, s.faceColor);
        p.DrawLine(3, 2, W() - 3, 2, s.highlightColor);
        p.DrawLine(2, 2, 2, H() - 3, s.highlightColor);
        p.DrawPixel(3, 3, s.highlightColor);
        p.DrawLine(W() - 3, 1, W() - 3, H() - 3, s.faceColor);
        p.DrawLine(1, H() - 3, W() - 3, H() - 3, s.faceColor);
        p.DrawPixel(W() - 4, H() - 4, s.faceColor);
        p.DrawLine(W() - 2, 2, W() - 2, H() - 2, s.shadowColor);
        p.DrawLine(2, H() - 2, W() - 2, H() - 2, s.shadowColor);
        p.DrawPixel(W() - 3, H() - 3, s.shadowColor);
    }

    // --- Double line -----------------------------------------------------------------
    void CaptionFocusFrame() {
        if (!(s.hasFocus && s.showFocusRect)) return;
        p.DrawRect(s.captionRect.left - 2, s.captionRect.top - 1, s.captionWidth + 4, s.captionHeight + 2,
                   kDoubleLineFocus, true);
    }
    void DoubleLine(Look look) {
        if (look == Look::Disabled) {
            Caption(look);
            p.DrawRect(0, 0, W(), H(), s.shadowColor, true);
            return;
        }
        if (look == Look::Pressed) {
            p.DrawRect(1, 1, W() - 2, H() - 2, S(s.shadowColor, 16), false);
            p.DrawRect(0, 0, W() - 1, H() - 1, S(s.shadowColor, -26), true);
            p.DrawLine(W() - 1, 1, W() - 1, H(), s.highlightColor);
            p.DrawLine(1, H() - 1, W() - 1, H() - 1, s.highlightColor);
            DrawCaptionTextOnly(p);
            CaptionFocusFrame();
            return;
        }
        p.DrawRect(1, 1, W() - 1, H() - 1, S(s.faceColor, 12), false);
        Caption(look);
        p.DrawRect(1, 1, W() - 1, H() - 1, s.highlightColor, true);
        p.DrawRect(0, 0, W() - 1, H() - 1, S(s.shadowColor, -26), true);
        p.DrawPixel(1, H() - 2, S(s.shadowColor, 26));
        p.DrawPixel(W() - 2, 1, S(s.shadowColor, 26));
        CaptionFocusFrame();
    }

    // --- Flat highlight --------------------------------------------------------------
    void FlatHighlight(Look look) {
        if (look == Look::Disabled) {
            Caption(look);
            return;
        }
        if (look == Look::Pressed) {
            if (s.isOver) {
                const host::Colour fill = s.colorScheme == ColourSource::CustomColours
                                              ? S(s.hotLightColor, -32)
                                              : ButtonPainter::TintColor(s.hotColor, 128);
                p.DrawRect(0, 0, W(), H(), fill, false);
            }
            Caption(look);
            p.DrawRect(0, 0, W(), H(), s.hotColor, true);
            p.DrawFocus();
            return;
        }
        if (s.isOver) p.DrawRect(1, 1, W(), H(), s.hotLightColor, false);
        Caption(look);
        if (s.isOver) p.DrawRect(0, 0, W(), H(), s.hotColor, true);
        p.DrawFocus();
    }

    // --- Banded gradient -------------------------------------------------------------
    void BandedFrameAndBands() {
        p.DrawRect(0, 0, W(), H(), S(s.shadowColor, -50), true);
        p.DrawRect(1, 1, W() - 2, H() - 2, S(s.faceColor, -9), true);
        p.DrawRect(2, 2, W() - 4, 2, s.highlightColor, false);
        p.DrawRect(2, 4, 2, H() - 6, s.highlightColor, false);
    }
    // The default button's caption is bold for this one caption. Drawing is off meanwhile,
    // so the FontBold round trip re-lays the caption out without drawing.
    void BoldDefaultCaption(Look look) {
        if (!p.surface().DisplayAsDefault()) {
            Caption(look);
            return;
        }
        const bool savedRedraw = s.redrawEnabled;
        const bool savedBold = p.surface().FontBoldProperty();
        s.redrawEnabled = false;
        p.surface().SetFontBoldProperty(true);
        Caption(look);
        p.surface().SetFontBoldProperty(savedBold);
        s.redrawEnabled = savedRedraw;
    }
    void BandedGradient(Look look) {
        if (look == Look::Pressed) {
            p.DrawRect(1, 1, W(), H(), S(s.faceColor, -9), false);
            p.DrawRect(0, 0, W(), H(), S(s.shadowColor, -48), true);
            p.DrawLine(2, H() - 2, W() - 2, H() - 2, s.highlightColor);
            p.DrawLine(W() - 2, 2, W() - 2, H() - 1, s.highlightColor);
            Caption(look);
            p.DrawFocus();
            return;
        }
        if (look == Look::Normal && s.isOver)
            p.DrawRect(0, 0, W(), H(), s.lightColor, false);
        else
            DrawGradient(p, s.highlightColor, kBandedDepth, false, false);
        if (look == Look::Disabled) {
            BandedFrameAndBands();
            Caption(look);
            return;
        }
        BoldDefaultCaption(look);
        BandedFrameAndBands();
        p.DrawFocus();
    }
};

} // namespace

void DrawGradient(ButtonPainter& painter, host::Colour base, int depth, bool blueScaled, bool upsideDown) {
    const int w = painter.state().buttonWidth;
    const int h = painter.state().buttonHeight;
    if (h <= 0) return;
    // The ratio is kept in single precision; the product is exact in double, and lrint
    // rounds halves to even in the default rounding mode.
    const float k = static_cast<float>(depth) / static_cast<float>(h);
    for (int i = 1; i <= h; ++i) {
        const int amount = static_cast<int>(std::lrint(static_cast<double>(k) * i));
        const int row = upsideDown ? h - i : i;
        // A one-row fill paints exactly the pixels of the line (0, row) -> (w, row), at a
        // fraction of the cost of plotting them one by one.
        painter.DrawRect(0, row, w, 1, painter.ShiftColor(base, -amount, blueScaled), false);
    }
}

void DrawPaletteStyle(ButtonPainter& painter, Look look) {
    Palette pal{painter, painter.state()};
    switch (painter.state().buttonType) {
    case ButtonStyle::GlossyGradient: pal.GlossyGradient(look); break;
    case ButtonStyle::RoundedLight: pal.RoundedLight(look); break;
    case ButtonStyle::DoubleLine: pal.DoubleLine(look); break;
    case ButtonStyle::FlatHighlight: pal.FlatHighlight(look); break;
    case ButtonStyle::BandedGradient: pal.BandedGradient(look); break;
    default: break;
    }
}

} // namespace chameleon::looks
