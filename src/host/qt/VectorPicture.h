// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace host {

// `resource` (an SVG file) drawn to fill `size` device-independent pixels at `ratio`
// device pixels to one; a picture that cannot be read gives a transparent pixmap.
QPixmap RenderSvg(const QString& resource, QSize size, qreal ratio);

// An image control showing an SVG picture stretched to its size. The picture is drawn
// when the control is first painted, at the screen's pixel ratio, so hidden pictures
// cost nothing at start-up and shown ones stay crisp at any scale.
class VectorPicture final : public QWidget {
public:
    VectorPicture(const QString& resource, QWidget* parent);

    const QString& resource() const { return resource_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString resource_;
    QPixmap drawn_;
};

} // namespace host
