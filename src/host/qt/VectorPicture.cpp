// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/VectorPicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace host {

QPixmap RenderSvg(const QString& resource, QSize size, qreal ratio) {
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(resource);
    if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

VectorPicture::VectorPicture(const QString& resource, QWidget* parent) : QWidget(parent), resource_(resource) {}

void VectorPicture::paintEvent(QPaintEvent* event) {
    (void)event;
    const qreal ratio = devicePixelRatioF();
    if (drawn_.isNull() || drawn_.size() != size() * ratio) drawn_ = RenderSvg(resource_, size(), ratio);
    QPainter painter(this);
    painter.drawPixmap(0, 0, drawn_);
}

} // namespace host
