// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/chameleonButton/Surface.h"

#include "controls/chameleonButton/chameleonButton.h"
#include "host/qt/SystemColors.h"

#include <QCoreApplication>
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

void ButtonSurfaceImpl::Clear() { image_.fill(QColor::fromRgb(host::ToArgb(ParentBackColor()))); }

void ButtonSurfaceImpl::RefreshSurface() {
    ++refreshCount_;
    owner_.update();
}

void ButtonSurfaceImpl::RepaintNow() {
    ++refreshCount_;
    owner_.repaint();
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
