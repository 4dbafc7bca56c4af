// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/Surface.h"

#include "controls/chameleonButton/chameleonButton.h"
#include "host/qt/SystemColors.h"

#include <QCoreApplication>
#include <QPainter>
#include <QRectF>
#include <QtMath>
#include <algorithm>

namespace chameleon {

ButtonSurfaceImpl::ButtonSurfaceImpl(chameleonButton& owner)
    : owner_(owner), image_(1, 1, QImage::Format_RGB32), context_(image_) {
    image_.fill(Qt::black);
}

void ButtonSurfaceImpl::Resize(int width, int height) {
    if (image_.width() == width && image_.height() == height) return;
    // A zero-sized image cannot be drawn on; the painter draws nothing at height 0 anyway.
    image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    Clear();
}

void ButtonSurfaceImpl::Clear() {
    image_.fill(QColor::fromRgb(host::ToArgb(ParentBackColor())));
    ratio_ = owner_.devicePixelRatioF();
    runs_.clear();
    shown_ = QImage();
}

void ButtonSurfaceImpl::RefreshSurface() {
    ++refreshCount_;
    shown_ = QImage();
    owner_.update();
}

void ButtonSurfaceImpl::RepaintNow() {
    ++refreshCount_;
    shown_ = QImage();
    owner_.repaint();
}

void ButtonSurfaceImpl::DrawCaptionText(const QString& text, const host::Rect& rect, unsigned flags) {
    if (ratio_ == 1.0) {
        context_.DrawText(text, rect, flags);
        return;
    }
    runs_.push_back({text, rect, flags, context_.Font(), context_.TextColor()});
}

void ButtonSurfaceImpl::Show(QPainter& painter) {
    if (ratio_ == 1.0) {
        painter.drawImage(0, 0, image_);
        return;
    }
    if (shown_.isNull()) {
        shown_ = QImage(qCeil(image_.width() * ratio_), qCeil(image_.height() * ratio_), QImage::Format_RGB32);
        shown_.setDevicePixelRatio(ratio_);
        QPainter scaled(&shown_);
        // Without smoothing, each pixel of the image becomes a block of device pixels: lines
        // and edges stay hard rather than blurring into their neighbours.
        scaled.drawImage(QRectF(0, 0, image_.width(), image_.height()), image_);
        for (const TextRun& run : runs_) host::PaintText(scaled, run.font, run.colour, run.text, run.rect, run.flags);
    }
    painter.drawImage(0, 0, shown_);
}

void ButtonSurfaceImpl::SetFontBoldProperty(bool bold) { owner_.SetFontBold(bold); }

bool ButtonSurfaceImpl::FontBoldProperty() const { return owner_.FontBold(); }

bool ButtonSurfaceImpl::DisplayAsDefault() const { return owner_.AmbientInfo().displayAsDefault; }

QColor ButtonSurfaceImpl::ParentColor(QPalette::ColorRole role) const {
    const QWidget* parent = owner_.parentWidget();
    return (parent ? parent->palette() : owner_.palette()).color(role);
}

host::Colour ButtonSurfaceImpl::ParentBackColor() const { return host::FromQColor(ParentColor(QPalette::Window)); }

host::Colour ButtonSurfaceImpl::ParentTextColor() const { return host::FromQColor(ParentColor(QPalette::WindowText)); }

std::int32_t ButtonSurfaceImpl::SurfaceHeightPixels() const { return owner_.height(); }

void ButtonSurfaceImpl::SetSurfaceHeightPixels(std::int32_t height) { owner_.resize(owner_.width(), height); }

void ButtonSurfaceImpl::PumpEvents() { QCoreApplication::processEvents(); }

bool ButtonSurfaceImpl::CopyParentPixels(host::DrawingContext& dest, std::int32_t width, std::int32_t height) {
    QWidget* parent = owner_.parentWidget();
    if (!parent || width <= 0 || height <= 0) return false;
    QImage pixels = parent->grab(QRect(owner_.pos(), QSize(width, height))).toImage();
    if (pixels.isNull()) return false;
    if (pixels.width() != width || pixels.height() != height)
        pixels = pixels.scaled(width, height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const host::MemoryContext source(pixels);
    dest.BitBlt(0, 0, width, height, source, 0, 0);
    return true;
}

} // namespace chameleon
