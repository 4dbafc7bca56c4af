// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "host/core/Geometry.h"
#include "host/qt/DrawingContext.h"

#include <cstdint>

namespace chameleon {

// Every primitive draws on the surface's context as it is at the moment of the call; the
// context holds no pen or brush, so nothing outlives a call.

void ButtonPainter::DrawRect(int x, int y, int width, int height, host::Colour colour, bool frameOnly) {
    const host::Rect rect{x, y, x + width, y + height};
    if (frameOnly)
        surface_.Context().FrameRect(rect, colour);
    else
        surface_.Context().FillRect(rect, colour);
}

void ButtonPainter::DrawEllipse(int x, int y, int width, int height, host::Colour lineColour, host::Colour fillColour) {
    surface_.Context().Ellipse({x, y, x + width, y + height}, lineColour, 2, fillColour);
}

void ButtonPainter::DrawLine(int x1, int y1, int x2, int y2, host::Colour colour) {
    host::DrawingContext& dc = surface_.Context();
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2, colour);
}

void ButtonPainter::DrawPixel(int x, int y, host::Colour colour) { surface_.Context().SetPixel(x, y, colour); }

void ButtonPainter::DrawBevel(host::Colour outerTopLeft, host::Colour outerBottomRight, host::Colour innerTopLeft,
                              host::Colour innerBottomRight, std::int16_t inset, bool singleRing) {
    host::DrawingContext& dc = surface_.Context();
    const int e = inset < 0 ? -inset : inset;
    const int x = s_.buttonWidth - 1 + inset;
    const int y = s_.buttonHeight - 1 + inset;
    dc.MoveTo(e, y);
    dc.LineTo(e, e, outerTopLeft);
    dc.LineTo(x, e, outerTopLeft);
    dc.LineTo(x, y, outerBottomRight);
    dc.LineTo(e - 1, y, outerBottomRight);
    dc.MoveTo(e + 1, y - 1);
    if (singleRing) return;
    dc.LineTo(e + 1, e + 1, innerTopLeft);
    dc.LineTo(x - 1, e + 1, innerTopLeft);
    dc.LineTo(x - 1, y - 1, innerBottomRight);
    dc.LineTo(e, y - 1, innerBottomRight);
}

void ButtonPainter::DrawFocus() {
    if (!s_.showFocusRect || !s_.hasFocus) return;
    host::DrawingContext& dc = surface_.Context();
    dc.SetTextColor(s_.textColor);
    dc.DrawFocusRect(s_.faceRect);
}

} // namespace chameleon
