// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <cmath>
#include <utility>

namespace host {

namespace {

constexpr double kHimetricPerInch = 2540.0;

QImage Normalised(const QImage& image, Picture::Kind kind) {
    if (kind == Picture::Kind::Icon) return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return image.convertToFormat(QImage::Format_RGB32);
}

} // namespace

std::int32_t PixelsToHimetric(int pixels, double dpi) {
    return static_cast<std::int32_t>(std::nearbyint(pixels * kHimetricPerInch / dpi));
}

int HimetricToPixels(std::int32_t himetric, double dpi) {
    // nearbyint rounds halves to even in the default rounding mode.
    return static_cast<int>(std::nearbyint(himetric * dpi / kHimetricPerInch));
}

Picture::Picture(QImage image, Kind kind, QByteArray bytes)
    : image_(std::move(image)), kind_(kind), bytes_(std::move(bytes)), widthHimetric_(PixelsToHimetric(image_.width())),
      heightHimetric_(PixelsToHimetric(image_.height())) {}

std::shared_ptr<Picture> Picture::FromImage(const QImage& image, Kind kind) {
    if (image.isNull()) return nullptr;
    return std::shared_ptr<Picture>(new Picture(Normalised(image, kind), kind, QByteArray()));
}

std::shared_ptr<Picture> Picture::FromBytes(const QByteArray& bytes) {
    if (bytes.isEmpty()) return nullptr;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QByteArray format = reader.format().toLower();
    QImage image = reader.read();
    if (image.isNull()) return nullptr;
    const Kind kind = (format == "ico" || format == "cur") ? Kind::Icon : Kind::Bitmap;
    return std::shared_ptr<Picture>(new Picture(Normalised(image, kind), kind, bytes));
}

std::shared_ptr<Picture> Picture::Load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    return FromBytes(file.readAll());
}

std::shared_ptr<Picture> Picture::Empty() {
    return std::shared_ptr<Picture>(new Picture(QImage(), Kind::Bitmap, QByteArray()));
}

QByteArray Picture::Bytes() const {
    if (!bytes_.isEmpty() || IsEmpty()) return bytes_;
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    const char* format = kind_ == Kind::Icon ? "ico" : "png";
    QImageWriter writer(&buffer, format);
    if (!writer.write(image_)) {
        // Without the icon plugin an icon still keeps its pixels and transparency.
        out.clear();
        buffer.seek(0);
        image_.save(&buffer, "png");
    }
    return out;
}

} // namespace host
