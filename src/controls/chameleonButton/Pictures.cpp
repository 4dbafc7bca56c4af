// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "host/core/Geometry.h"
#include "host/qt/DrawingContext.h"
#include "host/qt/Picture.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace chameleon {

namespace {

// Trims blanks only, as the caption test for a picture-only layout does.
bool IsBlank(const QString& caption) {
    for (QChar c : caption)
        if (c != u' ') return false;
    return true;
}

// round(0.59 G + round(0.3 R) + 0.11 B), both roundings to the nearest integer with halves
// to even, computed on the exact decimal weights (hundredths and tenths) so that no binary
// fraction tips a half one way or the other.
int RoundHalfEven(int numerator, int denominator) {
    const int q = numerator / denominator;
    const int r = numerator % denominator;
    if (2 * r > denominator) return q + 1;
    if (2 * r < denominator) return q;
    return (q % 2 == 0) ? q : q + 1;
}

int GreyLevel(int red, int green, int blue) {
    const int redPart = RoundHalfEven(3 * red, 10);
    return RoundHalfEven(59 * green + 100 * redPart + 11 * blue, 100);
}

} // namespace

void ButtonPainter::PreparePicture() {
    if (!s_.pictureNormal) {
        s_.pictureRect.width = 0;
        s_.pictureRect.height = 0;
        return;
    }
    s_.pictureRect.width = host::HimetricToPixels(s_.pictureNormal->WidthHimetric());
    s_.pictureRect.height = host::HimetricToPixels(s_.pictureNormal->HeightHimetric());
}

void ButtonPainter::PlacePicture() {
    if (!s_.pictureNormal && !s_.pictureOver) return;
    const int w = s_.buttonWidth;
    const int h = s_.buttonHeight;
    const int pw = s_.pictureRect.width;
    const int ph = s_.pictureRect.height;
    auto& pic = s_.pictureRect;
    if (!IsBlank(s_.caption) && s_.picturePosition != PicturePlace::Behind) {
        switch (s_.picturePosition) {
        case PicturePlace::Left:
            pic.left = s_.captionRect.left - pw - 4;
            pic.top = (h - ph) / 2;
            break;
        case PicturePlace::Right:
            pic.left = s_.captionRect.right + 4;
            pic.top = (h - ph) / 2;
            break;
        case PicturePlace::Top:
            pic.left = (w - pw) / 2;
            pic.top = s_.captionRect.top - ph - 2;
            break;
        case PicturePlace::Bottom:
            pic.left = (w - pw) / 2;
            pic.top = s_.captionRect.bottom + 2;
            break;
        default: break;
        }
        return;
    }
    pic.left = (w - pw) / 2;
    pic.top = (h - ph) / 2;
}

void ButtonPainter::DrawPictures(std::uint8_t pictureState) {
    if (!s_.pictureNormal) return;
    const host::Picture& normal = *s_.pictureNormal;
    const host::Picture* over = s_.pictureOver.get();
    const auto& r = s_.pictureRect;
    auto draw = [&](const host::Picture& p, int dx, int dy, std::int32_t solid = -1, bool darkOnly = false,
                    bool greyscale = false, bool blend = false) {
        DrawPicture(surface_.Context(), r.left + dx, r.top + dy, r.width, r.height, p, s_.maskColorRGB, solid, darkOnly,
                    greyscale, blend);
    };
    const auto solid = [](host::Colour c) { return static_cast<std::int32_t>(c & 0xFFFFFFu); };

    switch (pictureState) {
    case 0:
        if (!s_.isOver) {
            DrawPictureEffect(0, normal);
            draw(normal, 0, 0, -1, false, s_.useGreyscale, s_.buttonType == ButtonStyle::FlatHighlight);
        } else if (s_.buttonType == ButtonStyle::FlatHighlight) {
            DrawPictureEffect(-1, normal);
            draw(normal, 1, 1, solid(s_.shadowColor));
            draw(normal, -1, -1);
        } else if (over) {
            DrawPictureEffect(0, *over);
            draw(*over, 0, 0);
        } else {
            DrawPictureEffect(0, normal);
            draw(normal, 0, 0);
        }
        break;
    case 1: {
        const int k = s_.buttonType == ButtonStyle::DoubleLine ? 0 : 1;
        if (over && s_.buttonType != ButtonStyle::FlatHighlight) {
            draw(*over, k, k);
        } else if (s_.buttonType != ButtonStyle::DoubleLine && s_.buttonType != ButtonStyle::FlatHighlight) {
            DrawPictureEffect(1, normal);
            draw(normal, 1, 1);
        } else {
            DrawPictureEffect(0, normal);
            draw(normal, 0, 0);
        }
        break;
    }
    case 2:
        switch (s_.buttonType) {
        case ButtonStyle::GlossyGradient: draw(normal, 1, 1, -1, false, true); break;
        case ButtonStyle::DoubleLine:
        case ButtonStyle::Soft3D: draw(normal, 0, 0, solid(s_.shadowColor), true); break;
        case ButtonStyle::FlatHighlight: draw(normal, 0, 0, solid(ShiftColor(s_.shadowColor, 13)), true); break;
        default:
            draw(normal, 1, 1, solid(s_.highlightColor), true);
            draw(normal, 0, 0, solid(s_.shadowColor), true);
            break;
        }
        break;
    default: break;
    }
    if (s_.picturePosition == PicturePlace::Behind) DrawCaption(s_.captionState);
}

void ButtonPainter::DrawPictureEffect(int offset, const host::Picture& picture) {
    if (s_.specialEffect < CaptionEffect::Raised) return;
    host::Colour base = s_.hotLightColor;
    if (s_.buttonType == ButtonStyle::GlossyGradient)
        base = s_.faceLightColor;
    else if (offset != -1 || s_.colorScheme == ColourSource::CustomColours)
        base = s_.faceColor;
    const bool sunken = s_.specialEffect == CaptionEffect::Sunken;
    const auto& r = s_.pictureRect;
    auto silhouette = [&](int d, int amount) {
        DrawPicture(surface_.Context(), r.left + offset + d, r.top + offset + d, r.width, r.height, picture,
                    s_.maskColorRGB, static_cast<std::int32_t>(ShiftColor(base, amount)), false, false, false);
    };
    silhouette(1, sunken ? 40 : -40);
    if (s_.specialEffect > CaptionEffect::Sunken) return;
    silhouette(-1, sunken ? -40 : 40);
}

void ButtonPainter::DrawPicture(host::DrawingContext& context, int x, int y, int width, int height,
                                const host::Picture& picture, host::Colour maskColour, std::int32_t solidColor,
                                bool darkOnly, bool greyscale, bool blend) {
    if (width == 0 || height == 0) return;
    if (width < 0) width = host::HimetricToPixels(picture.WidthHimetric());
    if (height < 0) height = host::HimetricToPixels(picture.HeightHimetric());
    if (width <= 0 || height <= 0) return;

    // The source image: the bitmap itself, or the icon drawn over the mask colour so that
    // the area around it counts as transparent.
    std::optional<host::MemoryContext> source;
    if (picture.IsIcon()) {
        source.emplace(width, height);
        source->FillRect({0, 0, width, height}, s_.maskColorRGB);
        source->DrawIcon(0, 0, picture);
    } else {
        source.emplace(picture.Image());
    }

    const std::size_t stride = host::DrawingContext::DibStride(width);
    const std::size_t size = host::DrawingContext::DibSize(width, height);
    std::vector<std::uint8_t> background(size);
    std::vector<std::uint8_t> image(size);
    context.ReadDib24(x, y, width, height, background.data());
    source->ReadDib24(0, 0, width, height, image.data());

    const host::Colour mask = maskColour & 0xFFFFFFu;
    const bool useMask = s_.useMaskColor;
    for (int row = 0; row < height; ++row) {
        std::uint8_t* bg = background.data() + static_cast<std::size_t>(row) * stride;
        const std::uint8_t* px = image.data() + static_cast<std::size_t>(row) * stride;
        for (int i = 0; i < width; ++i, bg += 3, px += 3) {
            const int b = px[0], g = px[1], r = px[2];
            if (useMask && host::Rgb(r, g, b) == mask) continue;
            if (solidColor >= 0) {
                if (darkOnly && r + g + b > 384) continue;
                bg[0] = static_cast<std::uint8_t>(host::BlueOf(static_cast<host::Colour>(solidColor)));
                bg[1] = static_cast<std::uint8_t>(host::GreenOf(static_cast<host::Colour>(solidColor)));
                bg[2] = static_cast<std::uint8_t>(host::RedOf(static_cast<host::Colour>(solidColor)));
            } else if (greyscale) {
                const auto grey = static_cast<std::uint8_t>(GreyLevel(r, g, b));
                bg[0] = bg[1] = bg[2] = grey;
            } else if (blend) {
                bg[0] = static_cast<std::uint8_t>((2 * b + bg[0]) / 3);
                bg[1] = static_cast<std::uint8_t>((2 * g + bg[1]) / 3);
                bg[2] = static_cast<std::uint8_t>((2 * r + bg[2]) / 3);
            } else {
                bg[0] = static_cast<std::uint8_t>(b);
                bg[1] = static_cast<std::uint8_t>(g);
                bg[2] = static_cast<std::uint8_t>(r);
            }
        }
    }
    context.WriteDib24(x, y, width, height, background.data());
}

} // namespace chameleon
