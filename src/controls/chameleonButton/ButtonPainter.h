// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/chameleonButton/ButtonState.h"
#include "host/core/Geometry.h"

#include <QFont>
#include <QString>
#include <cstdint>
#include <memory>

namespace host {
class DrawingContext;
class Picture;
class Region;
} // namespace host

namespace chameleon {

// What the painter needs from the surface that shows the button. The control implements it
// over its child window; tests implement it over a bare image.
class ButtonSurface {
public:
    virtual ~ButtonSurface() = default;
    // The drawing context over the surface's persistent image.
    virtual host::DrawingContext& Context() = 0;
    // Fills the surface with its background (the clear operation).
    virtual void Clear() = 0;
    // Shows what was drawn.
    virtual void RefreshSurface() = 0;
    // Draws caption text in the context's font and text colour, as DrawText with `flags`
    // does. A surface shown at a device pixel ratio other than 1 may keep the text instead,
    // to draw it at the screen's resolution over its image.
    virtual void DrawCaptionText(const QString& text, const host::Rect& rect, unsigned flags);
    virtual const QFont& SurfaceFont() const = 0;
    // The public FontBold property: lays the caption out again and draws (unless drawing
    // is off), without a change report.
    virtual void SetFontBoldProperty(bool bold) = 0;
    virtual bool FontBoldProperty() const = 0;
    // Ambient DisplayAsDefault of the container.
    virtual bool DisplayAsDefault() const = 0;
    // Background and text colour of the parent window's drawing context.
    virtual host::Colour ParentBackColor() const = 0;
    virtual host::Colour ParentTextColor() const = 0;
    // Transparent style: the parent's pixels under the button, and the height handling
    // that CaptureBackground needs.
    virtual std::int32_t SurfaceHeightPixels() const = 0;
    virtual void SetSurfaceHeightPixels(std::int32_t height) = 0;
    virtual void PumpEvents() = 0;
    // Copies the parent's pixels under the surface (W x H from the surface's top-left)
    // into dest at (0, 0). Returns false when there is nothing to copy from.
    virtual bool CopyParentPixels(host::DrawingContext& dest, std::int32_t width, std::int32_t height) = 0;
};

// Colours, layout, drawing and shape of one button. Holds no state of its own beyond the
// button's record; a plain class the control hands off to.
class ButtonPainter {
public:
    ButtonPainter(ButtonState& state, ButtonSurface& surface) : s_(state), surface_(surface) {}

    ButtonState& state() { return s_; }
    ButtonSurface& surface() { return surface_; }

    // Colours.
    void DeriveColors();
    host::Colour TranslateColor(host::Colour colour) const;
    host::Colour ShiftColor(host::Colour colour, int amount, bool blueScaled = false) const;
    static host::Colour TintColor(host::Colour colour, int floor);

    // Primitives, on the surface's context.
    void DrawRect(int x, int y, int width, int height, host::Colour colour, bool frameOnly);
    void DrawEllipse(int x, int y, int width, int height, host::Colour lineColour, host::Colour fillColour);
    void DrawLine(int x1, int y1, int x2, int y2, host::Colour colour);
    void DrawPixel(int x, int y, host::Colour colour);
    void DrawBevel(host::Colour outerTopLeft, host::Colour outerBottomRight, host::Colour innerTopLeft,
                   host::Colour innerBottomRight, std::int16_t inset, bool singleRing);
    void DrawFocus();

    // Caption and pictures.
    void PreparePicture();
    void LayoutCaption();
    void PlacePicture();
    void DrawCaption(CaptionStyle captionStyle);
    void DrawCaptionEffect(const host::Rect& rect);
    void DrawPictures(std::uint8_t pictureState);
    void DrawPictureEffect(int offset, const host::Picture& picture);
    void DrawPicture(host::DrawingContext& context, int x, int y, int width, int height, const host::Picture& picture,
                     host::Colour maskColour, std::int32_t solidColor, bool darkOnly, bool greyscale, bool blend);

    // The whole button.
    void DrawButton(std::uint8_t state, bool forced);

    // Shape and background copy.
    std::shared_ptr<host::Region> BuildRegion() const;
    void CaptureBackground();
    // Creates the background copy (buttonWidth x buttonHeight) unless it exists already; the
    // show step of a transparent button calls it before capturing.
    void CreateBackgroundCopy();

private:
    ButtonState& s_;
    ButtonSurface& surface_;
};

} // namespace chameleon
