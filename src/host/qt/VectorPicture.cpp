// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/VectorPicture.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <mutex>

#if TAVRENDALE_DRAW_SVG
#include <QSvgRenderer>
#else
#include "host/qt/DrawnPictures.h"
#endif

namespace host {

QPixmap RenderSvg(const QString& resource, QSize size, qreal ratio) {
#if !TAVRENDALE_DRAW_SVG
    // This build has no SVG renderer: it carries the pictures drawn when it was built.
    return RenderDrawnPicture(resource, size, ratio);
#else
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
#endif
}

namespace {

// Assistive technology is told the control is a picture, named by its accessible name.
QAccessibleInterface* PictureAccessible(const QString&, QObject* object) {
    if (auto* picture = dynamic_cast<VectorPicture*>(object))
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    return nullptr;
}

} // namespace

VectorPicture::VectorPicture(const QString& resource, QWidget* parent) : QWidget(parent), resource_(resource) {
    static std::once_flag once;
    std::call_once(once, [] { QAccessible::installFactory(PictureAccessible); });
}

void VectorPicture::paintEvent(QPaintEvent* event) {
    (void)event;
    const qreal ratio = devicePixelRatioF();
    if (drawn_.isNull() || drawn_.size() != size() * ratio) drawn_ = RenderSvg(resource_, size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawn_);
}

} // namespace host
