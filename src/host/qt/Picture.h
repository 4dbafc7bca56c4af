// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>
#include <memory>

namespace host {

// HIMETRIC (1/100 mm) and pixels at the surface's resolution (96 dots per inch unless
// given). Pixels from HIMETRIC round to the nearest integer, halves to even.
std::int32_t PixelsToHimetric(int pixels, double dpi = 96.0);
int HimetricToPixels(std::int32_t himetric, double dpi = 96.0);

// A picture property value: a bitmap or an icon with its size in HIMETRIC. Immutable once
// made; shared between the properties that hold it.
class Picture {
public:
    enum class Kind : std::uint8_t { Bitmap = 1, Icon = 3 };

    // From an image: bitmaps are kept opaque (RGB32), icons with their transparency
    // (ARGB32 premultiplied). Null when the image is null.
    static std::shared_ptr<Picture> FromImage(const QImage& image, Kind kind);
    // From the bytes of an image file (BMP, ICO, PNG, GIF, JPEG, SVG... whatever Qt reads):
    // ICO files become icons, everything else a bitmap. The bytes are kept as the stored
    // form. Null when the bytes are not a readable image.
    static std::shared_ptr<Picture> FromBytes(const QByteArray& bytes);
    // From a file or a resource path (":/..."). Null when it cannot be read.
    static std::shared_ptr<Picture> Load(const QString& path);
    // The empty picture: an object without an image, zero in size, whose stored form has
    // no bytes. Unlike no picture at all, a property holding it is written out.
    static std::shared_ptr<Picture> Empty();

    bool IsEmpty() const { return image_.isNull(); }

    Kind kind() const { return kind_; }
    bool IsIcon() const { return kind_ == Kind::Icon; }
    const QImage& Image() const { return image_; }
    std::int32_t WidthHimetric() const { return widthHimetric_; }
    std::int32_t HeightHimetric() const { return heightHimetric_; }
    int WidthPixels() const { return image_.width(); }
    int HeightPixels() const { return image_.height(); }

    // The stored form: the image file's own bytes when the picture came from a file,
    // else a PNG (bitmaps) or ICO (icons) encoding; nothing for the empty picture.
    // FromBytes(Bytes()) gives back the same kind, size and pixels.
    QByteArray Bytes() const;

private:
    Picture(QImage image, Kind kind, QByteArray bytes);

    QImage image_;
    Kind kind_;
    QByteArray bytes_;
    std::int32_t widthHimetric_ = 0;
    std::int32_t heightHimetric_ = 0;
};

} // namespace host
