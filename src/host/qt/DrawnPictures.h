// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <vector>

namespace host {

// Pictures drawn at build time. Where the program cannot draw SVG itself, the build draws
// each picture "name.svg" to "name@1x.png", "name@1.25x.png" and so on up to "name@2x.png",
// scale 1 being the picture's own size.

// The drawing of `svg` at `scale`: ("dir/icon.svg", "1.5") gives "dir/icon@1.5x.png".
QString DrawnPictureName(const QString& svg, const QString& scale);

// Which of the drawings, given by their sizes in pixels, best makes a picture of `wanted`
// pixels: the smallest that covers it, so the picture is only ever scaled down; the largest
// when none does. -1 when there is none.
int PickDrawing(const std::vector<QSize>& drawings, QSize wanted);

// `svg` made from its drawings to fill `size` device-independent pixels at `ratio` device
// pixels to one; transparent when there is no drawing.
QPixmap RenderDrawnPicture(const QString& svg, QSize size, qreal ratio);

} // namespace host
