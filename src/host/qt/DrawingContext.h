// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Geometry.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <cstddef>
#include <cstdint>

class QPainter;

namespace host {

class Picture;

// Text drawing flags, with the platform's meanings.
enum TextFlags : unsigned {
    kTextLeft = 0x0000,
    kTextCenter = 0x0001,
    kTextRight = 0x0002,
    // Honoured together with kTextSingleLine only, as on the platform: multi-line text
    // always starts at the top of its rectangle.
    kTextVCenter = 0x0004,
    kTextWordBreak = 0x0010,
    kTextSingleLine = 0x0020,
    // Measure only: the rectangle's right and bottom become the edges of the laid-out
    // text; nothing is drawn.
    kTextCalcRect = 0x0400,
    // "&" is shown literally.
    kTextNoPrefix = 0x0800,
};

// A raster drawing context over an image. Every operation is exact pixel code of our own
// (no anti-aliasing, no painter state) that paints the pixels the platform's GDI paints,
// checked against GDI itself under Wine (tests/host/qt/wine); only glyph rendering comes
// from Qt's font engine. Colours are plain red-green-blue values (Geometry.h); the high
// byte is ignored. Rectangles exclude their right and bottom edges, lines their end point.
// Everything is clipped to the image; nothing allocates per pixel.
//
// The image is not owned: the context draws on whatever the referenced QImage holds at the
// time of the call, so the owner may resize or replace it. Formats other than RGB32 and
// ARGB32 are converted to RGB32 on first use.
class DrawingContext {
public:
    explicit DrawingContext(QImage& image);
    virtual ~DrawingContext();
    DrawingContext(const DrawingContext&) = delete;
    DrawingContext& operator=(const DrawingContext&) = delete;

    QImage& Image() { return *image_; }
    const QImage& Image() const { return *image_; }
    int Width() const { return image_->width(); }
    int Height() const { return image_->height(); }

    // State of the context: text colour, background colour, current font, current point.
    // The setters return the previous value, as on the platform.
    Colour SetTextColor(Colour colour);
    Colour TextColor() const { return textColour_; }
    Colour SetBkColor(Colour colour);
    Colour BkColor() const { return bkColour_; }
    void SetFont(const QFont& font);
    const QFont& Font() const { return font_; }

    // Pixels.
    void SetPixel(int x, int y, Colour colour);
    // Outside the image: 0 (black).
    Colour Pixel(int x, int y) const;

    // Rectangles: FillRect paints every pixel of the rectangle; FrameRect a one-pixel
    // border just inside it. Empty rectangles paint nothing. FillRect turns a rectangle
    // whose right lies left of its left round as GDI does: it paints right + 1 .. left
    // (likewise bottom and top); FrameRect paints nothing for it.
    void FillRect(const Rect& rect, Colour colour);
    void FrameRect(const Rect& rect, Colour colour);

    // Lines from the current point; LineTo paints a one-pixel line up to but not including
    // (x, y) and makes (x, y) the current point. Pixel choice, GDI's own: the major axis
    // steps one pixel at a time, the minor coordinate is the exact line rounded to the
    // nearest pixel, a tie going toward the smaller coordinate (so 1, 2 -> 2, 0 paints
    // (1, 2) and (1, 1)), whichever way the line runs.
    void MoveTo(int x, int y);
    void LineTo(int x, int y, Colour colour);
    int CurrentX() const { return curX_; }
    int CurrentY() const { return curY_; }

    // GDI's Ellipse with a solid pen of penWidth pixels (less than 1 counts as 1) and a
    // solid brush. The box is put in order first (left above right...); an empty box paints
    // nothing, and a box 2 pixels or less across is drawn as GDI's Rectangle. Otherwise the
    // inside is the elliptic region that fills the box (Region::Ellipse of the box one
    // pixel larger to the right and bottom), and the outline is GDI's rasterized ellipse
    // path through the box's edge pixels. A 1-pixel pen paints that path; a wider pen
    // straddles it with round joins, width / 2 of its pixels above or left of the path,
    // so a 2-pixel outline on (0, 0, W, H) pokes one pixel out at the left and top. A box
    // reaching farther than 2^24 pixels from the origin paints nothing.
    void Ellipse(const Rect& box, Colour penColour, int penWidth, Colour fillColour);

    // The platform's dotted focus frame: each pixel of the rectangle's one-pixel border is
    // combined by exclusive or with the background colour where x + y is even and with
    // the text colour where it is odd (the platform inverts through a checkered brush
    // whose set bits take the background colour, its clear bits the text colour). With
    // black text on white every other border pixel is inverted and the rest stay; drawing
    // it twice restores the pixels. Wine's own DrawFocusRect, a dotted pen that starts at
    // the rectangle's top-right corner, puts the dots where right - 1 + top has the
    // parity, not x + y; we follow the platform's brush.
    void DrawFocusRect(const Rect& rect);

    // Text in the current font and text colour; no background is painted. With
    // kTextCalcRect returns the measured rectangle (left and top kept); otherwise draws
    // and returns rect. Word breaking follows the platform: lines break at blanks and at
    // line feeds, a word wider than the rectangle stays whole on its line. Unless
    // kTextNoPrefix, "&" underlines the next character and "&&" shows one "&".
    Rect DrawText(const QString& text, const Rect& rect, unsigned flags);
    // Height of one line in the current font.
    int LineHeight() const;

    // Copies width x height pixels of source at (sx, sy) to (x, y). As with GDI, only
    // pixels that lie inside both images are copied: a destination pixel whose source
    // lies outside the source image keeps its colour.
    void BitBlt(int x, int y, int width, int height, const DrawingContext& source, int sx, int sy);

    // 24-bit device-independent pixel arrays: rows bottom-up, each pixel blue, green, red,
    // each row padded to a multiple of 4 bytes (DibStride). The buffer must hold
    // DibSize(width, height) bytes. Reading outside the image gives black; writing outside
    // it is clipped. The padding bytes are written as 0 by ReadDib24 and ignored by
    // WriteDib24.
    static constexpr std::size_t DibStride(int width) {
        return (static_cast<std::size_t>(width) * 3 + 3) & ~static_cast<std::size_t>(3);
    }
    static constexpr std::size_t DibSize(int width, int height) {
        return DibStride(width) * static_cast<std::size_t>(height);
    }
    void ReadDib24(int x, int y, int width, int height, std::uint8_t* bits) const;
    void WriteDib24(int x, int y, int width, int height, const std::uint8_t* bits);

    // Draws an icon picture at its own pixel size with (x, y) its top-left corner; its
    // transparent pixels leave the context as it was, partly transparent ones blend.
    // A bitmap picture is copied opaquely.
    void DrawIcon(int x, int y, const Picture& picture);

protected:
    QImage* image_;

private:
    // Prepares the image for direct pixel access; false when there is nothing to draw on.
    bool Writable();
    void Plot(int x, int y, std::uint32_t argb);
    // Paints the rectangle clipped to the image; nothing when it is empty or turned round.
    void Paint(const Rect& rect, std::uint32_t argb);
    // The pixels of a line from (x1, y1) up to but not including (x2, y2).
    void PlotLine(int x1, int y1, int x2, int y2, std::uint32_t argb);

    Colour textColour_ = 0;
    Colour bkColour_ = 0xFFFFFF;
    QFont font_;
    int curX_ = 0;
    int curY_ = 0;
};

// A memory drawing context with its own bitmap (the platform's compatible memory context
// with a compatible bitmap selected into it). A new bitmap is black.
class MemoryContext : public DrawingContext {
public:
    MemoryContext(int width, int height);
    // A context over a copy of an image (a bitmap selected into a memory context); the
    // image passed in is never changed.
    explicit MemoryContext(const QImage& image);

private:
    QImage own_;
};

// Draws text as DrawingContext::DrawText draws it in `rect` (line breaks, alignment,
// access-key underline, picture-font symbols), through a painter whose device may have any
// device pixel ratio: the layout is measured at one device pixel to a pixel, so the lines
// break and stand where DrawText puts them, while the glyphs are rendered at the device's
// own resolution. kTextCalcRect is not for this function.
void PaintText(QPainter& painter, const QFont& font, Colour colour, const QString& text, const Rect& rect,
               unsigned flags);

// Conversions between the 32-bit colour values and Qt's pixels.
constexpr std::uint32_t ToArgb(Colour c) {
    return 0xFF000000u | (static_cast<std::uint32_t>(RedOf(c)) << 16) | (static_cast<std::uint32_t>(GreenOf(c)) << 8) |
           static_cast<std::uint32_t>(BlueOf(c));
}
constexpr Colour FromArgb(std::uint32_t argb) {
    return Rgb(static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF),
               static_cast<int>(argb & 0xFF));
}

} // namespace host
