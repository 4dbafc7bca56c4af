// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/chameleonButton/ButtonPainter.h"
#include "host/core/Geometry.h"
#include "host/qt/DrawingContext.h"

#include <QFont>
#include <QImage>
#include <QPalette>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <vector>

class QPainter;

namespace chameleon {

class chameleonButton;

// The button's surface: a persistent image that every drawing goes into (the button's
// widget shows it again whenever the window system asks), the font the caption is drawn
// with, and the parent-window services the painter needs.
//
// The image has one pixel for each pixel of the button, so every drawing rule holds pixel
// for pixel. Where the screen has more device pixels to a pixel (a scale factor such as 1.25
// or 1.5), a drawing keeps its caption text out of the image: the surface shows the image
// scaled to the device pixels and draws the caption over it at the device's resolution,
// where the scaled image alone would show a blown-up, smeared caption.
class ButtonSurfaceImpl final : public ButtonSurface {
public:
    explicit ButtonSurfaceImpl(chameleonButton& owner);

    host::DrawingContext& Context() override { return context_; }
    // Starts a drawing: the background, and the device pixel ratio the drawing is for.
    void Clear() override;
    void RefreshSurface() override;
    void DrawCaptionText(const QString& text, const host::Rect& rect, unsigned flags) override;
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
    // The device pixel ratio the last drawing was made for.
    qreal DrawnRatio() const { return ratio_; }
    // What the widget shows: the image, or at another ratio the image scaled with the
    // caption drawn over it at the device's resolution.
    void Show(QPainter& painter);

private:
    // Caption text kept out of the image, to be drawn at the device's resolution.
    struct TextRun {
        QString text;
        host::Rect rect;
        unsigned flags;
        QFont font;
        host::Colour colour;
    };

    QColor ParentColor(QPalette::ColorRole role) const;

    chameleonButton& owner_;
    QImage image_;
    host::DrawingContext context_;
    QFont font_;
    int refreshCount_ = 0;
    qreal ratio_ = 1.0;
    std::vector<TextRun> runs_;
    QImage shown_; // image_ and runs_ at ratio_; null until shown, and after every drawing
};

} // namespace chameleon
