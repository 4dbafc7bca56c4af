// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "host/core/Geometry.h"
#include "host/qt/DrawingContext.h"

#include <cstdint>

namespace chameleon {

namespace {

constexpr unsigned kDrawFlags = host::kTextCenter | host::kTextVCenter | host::kTextWordBreak;
constexpr unsigned kMeasureFlags = host::kTextCalcRect | host::kTextWordBreak;

host::Rect Moved(const host::Rect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

} // namespace

void ButtonPainter::LayoutCaption() {
    const int w = s_.buttonWidth;
    const int h = s_.buttonHeight;
    const int pw = s_.pictureRect.width;
    const int ph = s_.pictureRect.height;
    host::Rect& measure = s_.captionMeasureRect;
    switch (s_.picturePosition) {
    case PicturePlace::Left: measure = {pw + 1, 1, w - 2, h - 2}; break;
    case PicturePlace::Right: measure = {1, 1, w - 2 - pw, h - 2}; break;
    case PicturePlace::Top: measure = {1, ph + 1, w - 2, h - 2}; break;
    case PicturePlace::Bottom: measure = {1, 1, w - 2, h - 2 - ph}; break;
    case PicturePlace::Behind: measure = {1, 1, w - 2, h - 2}; break;
    default:
        // An unknown position keeps the caption where it is. Measuring in the pressed
        // rectangle (one pixel right and down of it) would move it on every layout.
        measure = s_.captionRect;
        break;
    }

    host::DrawingContext& dc = surface_.Context();
    dc.SetFont(surface_.SurfaceFont());
    const host::Rect measured = dc.DrawText(s_.caption, measure, kMeasureFlags);
    s_.captionRect = measured;
    s_.captionWidth = measured.width();
    s_.captionHeight = measured.height();

    int dx = 0, dy = 0;
    switch (s_.picturePosition) {
    case PicturePlace::Right:
        dx = (w - measured.right - pw - 4) / 2;
        dy = (h - measured.bottom) / 2;
        break;
    case PicturePlace::Bottom:
        dx = (w - measured.right) / 2;
        dy = (h - measured.bottom - ph - 4) / 2;
        break;
    case PicturePlace::Left:
    case PicturePlace::Top:
    case PicturePlace::Behind:
        dx = (w - measured.right) / 2;
        dy = (h - measured.bottom) / 2;
        break;
    default: break;
    }
    s_.captionRect = Moved(s_.captionRect, dx, dy);
    s_.captionMeasureRect = Moved(s_.captionRect, 1, 1);
    PlacePicture();
}

void ButtonPainter::DrawCaption(CaptionStyle captionStyle) {
    s_.captionState = captionStyle;
    host::DrawingContext& dc = surface_.Context();
    dc.SetFont(surface_.SurfaceFont());
    auto text = [&](const host::Rect& rect, host::Colour colour) {
        dc.SetTextColor(colour);
        surface_.DrawCaptionText(s_.caption, rect, kDrawFlags);
    };
    switch (captionStyle) {
    case CaptionStyle::Normal:
        DrawCaptionEffect(s_.captionRect);
        text(s_.captionRect, s_.textColor);
        break;
    case CaptionStyle::Hovered:
        DrawCaptionEffect(s_.captionRect);
        text(s_.captionRect, s_.textOverColor);
        break;
    case CaptionStyle::Pressed:
        DrawCaptionEffect(s_.captionMeasureRect);
        text(s_.captionMeasureRect, s_.buttonType == ButtonStyle::RoundedLight ? s_.lightColor : s_.textOverColor);
        break;
    case CaptionStyle::DisabledEmbossed:
        text(s_.captionMeasureRect, s_.highlightColor);
        text(s_.captionRect, s_.shadowColor);
        break;
    case CaptionStyle::DisabledFlat: text(s_.captionRect, s_.shadowColor); break;
    case CaptionStyle::DisabledGlossy: text(s_.captionRect, ShiftColor(s_.faceLightColor, -104, true)); break;
    case CaptionStyle::DisabledBanded:
        text(s_.captionMeasureRect, s_.highlightColor);
        text(s_.captionRect, s_.faceColor);
        break;
    case CaptionStyle::PressedBanded:
        text(s_.captionMeasureRect, ShiftColor(s_.shadowColor, -50));
        text(s_.captionRect, s_.highlightColor);
        break;
    default: break;
    }
}

void ButtonPainter::DrawCaptionEffect(const host::Rect& rect) {
    if (s_.specialEffect <= CaptionEffect::None) return;
    host::Colour base = s_.faceColor;
    if (s_.buttonType == ButtonStyle::GlossyGradient || s_.buttonType == ButtonStyle::RoundedLight ||
        s_.buttonType == ButtonStyle::BandedGradient)
        base = s_.faceLightColor;
    else if (s_.buttonType == ButtonStyle::FlatHighlight && s_.lastState == kStateNormal && s_.isOver &&
             s_.colorScheme != ColourSource::CustomColours)
        base = s_.hotLightColor;
    const bool sunken = s_.specialEffect == CaptionEffect::Sunken;

    host::DrawingContext& dc = surface_.Context();
    dc.SetFont(surface_.SurfaceFont());
    dc.SetTextColor(ShiftColor(base, sunken ? 40 : -40));
    surface_.DrawCaptionText(s_.caption, Moved(rect, 1, 1), kDrawFlags);
    if (s_.specialEffect >= CaptionEffect::Shadow) return;
    dc.SetTextColor(ShiftColor(base, sunken ? -40 : 40));
    surface_.DrawCaptionText(s_.caption, Moved(rect, -1, -1), kDrawFlags);
}

void ButtonSurface::DrawCaptionText(const QString& text, const host::Rect& rect, unsigned flags) {
    Context().DrawText(text, rect, flags);
}

} // namespace chameleon
