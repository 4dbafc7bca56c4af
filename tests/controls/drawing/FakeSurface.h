// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/chameleonButton/ButtonPainter.h"
#include "host/qt/DrawingContext.h"

#include <QImage>

// A button surface over a bare image, with a fixed font and parent colours.
class FakeSurface : public chameleon::ButtonSurface {
public:
    FakeSurface(int width, int height, host::Colour background = 0xFFFFFF)
        : image_(width, height, QImage::Format_RGB32), context_(image_), background_(background) {
        font_.setFamily("DejaVu Sans");
        font_.setPixelSize(11);
        Clear();
    }

    host::DrawingContext& Context() override { return context_; }
    void Clear() override { image_.fill(host::ToArgb(background_)); }
    void RefreshSurface() override {}
    const QFont& SurfaceFont() const override { return font_; }
    void SetFontBoldProperty(bool bold) override { font_.setBold(bold); }
    bool FontBoldProperty() const override { return font_.bold(); }
    bool DisplayAsDefault() const override { return false; }
    host::Colour ParentBackColor() const override { return parentBack; }
    host::Colour ParentTextColor() const override { return parentText; }
    std::int32_t SurfaceHeightPixels() const override { return image_.height(); }
    void SetSurfaceHeightPixels(std::int32_t) override {}
    void PumpEvents() override {}
    bool CopyParentPixels(host::DrawingContext&, std::int32_t, std::int32_t) override { return false; }

    QImage& image() { return image_; }
    const QImage& image() const { return image_; }
    QFont& font() { return font_; }
    host::Colour Pixel(int x, int y) const { return context_.Pixel(x, y); }

    host::Colour parentBack = 0x336699;
    host::Colour parentText = 0x102030;

private:
    QImage image_;
    host::DrawingContext context_;
    host::Colour background_;
    QFont font_;
};
