// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/DrawnPictures.h"

#include <QImage>
#include <QImageReader>
#include <QStringList>
#include <cstddef>

namespace host {

namespace {

// The scales the build draws the pictures at (TAVRENDALE_PICTURE_SCALES in the build files).
const QStringList& Scales() {
    static const QStringList scales = QStringLiteral(TAVRENDALE_PICTURE_SCALES).split(QLatin1Char(','));
    return scales;
}

} // namespace

QString DrawnPictureName(const QString& svg, const QString& scale) {
    QString base = svg;
    if (base.endsWith(QLatin1String(".svg"))) base.chop(4);
    return base + QLatin1Char('@') + scale + QStringLiteral("x.png");
}

int PickDrawing(const std::vector<QSize>& drawings, QSize wanted) {
    int best = -1;
    bool bestCovers = false;
    long long bestArea = 0;
    for (std::size_t i = 0; i < drawings.size(); ++i) {
        const QSize drawn = drawings[i];
        if (drawn.isEmpty()) continue;
        const bool covers = drawn.width() >= wanted.width() && drawn.height() >= wanted.height();
        const long long area = static_cast<long long>(drawn.width()) * drawn.height();
        const bool better = covers == bestCovers ? (covers ? area < bestArea : area > bestArea) : covers;
        if (best < 0 || better) {
            best = static_cast<int>(i);
            bestCovers = covers;
            bestArea = area;
        }
    }
    return best;
}

QPixmap RenderDrawnPicture(const QString& svg, QSize size, qreal ratio) {
    const QSize wanted = size * ratio;
    QPixmap pixmap(wanted);
    pixmap.fill(Qt::transparent);
    std::vector<QSize> drawings;
    const QStringList& scales = Scales();
    for (const QString& scale : scales) drawings.push_back(QImageReader(DrawnPictureName(svg, scale)).size());
    const int pick = PickDrawing(drawings, wanted);
    if (pick >= 0) {
        QImage image = QImageReader(DrawnPictureName(svg, scales[pick])).read();
        // Like the SVG drawn directly, the picture fills the size asked for.
        if (!image.isNull() && image.size() != wanted)
            image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (!image.isNull()) pixmap = QPixmap::fromImage(image);
    }
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace host
