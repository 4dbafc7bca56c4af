// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/chameleonButton/ButtonPainter.h"
#include "host/core/Geometry.h"
#include "host/qt/DrawingContext.h"

#include <QFont>
#include <QImage>
#include <QPalette>
#include <QWidget>
#include <cstdint>

namespace chameleon {

class chameleonButton;

// The button's surface: a persistent image that every drawing goes into (the button's
// widget shows it again whenever the window system asks), the font the caption is drawn
// with, and the parent-window services the painter needs.
class ButtonSurfaceImpl final : public ButtonSurface {
public:
    explicit ButtonSurfaceImpl(chameleonButton& owner);

    host::DrawingContext& Context() override { return context_; }
    void Clear() override;
    void RefreshSurface() override;
    const QFont& SurfaceFont() const override { return font_; }
    void SetFontBoldProperty(bool bold) override;
    bool FontBoldProperty() const override;
    bool DisplayAsDefault() const override;
    host::Colour ParentBackColor() const override;
    host::Colour ParentTextColor() const override;
    std::int32_t SurfaceHeightPixels() const override;
    void SetSurfaceHeightPixels(std::int32_t height) override;
    void PumpEvents() override;
    bool CopyParentPixels(host::DrawingContext& dest, std::int32_t width, std::int32_t height) override;

    // Puts what was drawn on screen before returning, where RefreshSurface only asks for
    // it: the click shows the button up before the window's handler runs.
    void RepaintNow();
    // Gives the image the surface's client size; its content starts as the background.
    void Resize(int width, int height);
    void SetFont(const QFont& font) { font_ = font; }
    const QImage& Image() const { return image_; }
    int RefreshCount() const { return refreshCount_; }

private:
    QColor ParentColor(QPalette::ColorRole role) const;

    chameleonButton& owner_;
    QImage image_;
    host::DrawingContext context_;
    QFont font_;
    int refreshCount_ = 0;
};

} // namespace chameleon
