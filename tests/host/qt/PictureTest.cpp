// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Picture.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using host::Picture;

namespace {

QByteArray Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Sample(int w, int h, bool alpha) {
    QImage image(w, h, alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgba(x * 7, y * 5, 99, alpha && x == 0 ? 0 : 255));
    return image;
}

} // namespace

TEST(Himetric, ConvertsAtNinetySixDotsPerInch) {
    EXPECT_EQ(host::PixelsToHimetric(32), 847);
    EXPECT_EQ(host::HimetricToPixels(847), 32);
    EXPECT_EQ(host::PixelsToHimetric(16), 423);
    EXPECT_EQ(host::HimetricToPixels(423), 16);
    for (int px = 0; px < 300; ++px) EXPECT_EQ(host::HimetricToPixels(host::PixelsToHimetric(px)), px);
}

TEST(Himetric, RoundsHalvesToEven) {
    // At 254 dots per inch ten HIMETRIC units are one pixel.
    EXPECT_EQ(host::HimetricToPixels(5, 254), 0);
    EXPECT_EQ(host::HimetricToPixels(15, 254), 2);
    EXPECT_EQ(host::HimetricToPixels(25, 254), 2);
    EXPECT_EQ(host::HimetricToPixels(26, 254), 3);
}

TEST(Picture, ImageFilesBecomeBitmapsAndIconFilesIcons) {
    const auto bitmap = Picture::FromBytes(Encode(Sample(15, 9, false), "png"));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(bitmap->WidthPixels(), 15);
    EXPECT_EQ(bitmap->HeightHimetric(), host::PixelsToHimetric(9));

    const auto icon = Picture::FromBytes(Encode(Sample(16, 16, true), "ico"));
    ASSERT_TRUE(icon);
    EXPECT_TRUE(icon->IsIcon());
    EXPECT_EQ(qAlpha(icon->Image().pixel(0, 3)), 0);
    EXPECT_EQ(qAlpha(icon->Image().pixel(1, 3)), 255);
}

TEST(Picture, StoredBytesGiveBackTheSamePicture) {
    for (auto kind : {Picture::Kind::Bitmap, Picture::Kind::Icon}) {
        const auto original = Picture::FromImage(Sample(16, 16, kind == Picture::Kind::Icon), kind);
        ASSERT_TRUE(original);
        const auto copy = Picture::FromBytes(original->Bytes());
        ASSERT_TRUE(copy);
        EXPECT_EQ(copy->kind(), kind);
        EXPECT_EQ(copy->WidthHimetric(), original->WidthHimetric());
        EXPECT_EQ(copy->Image(), original->Image());
    }
    const QByteArray file = Encode(Sample(4, 4, false), "bmp");
    EXPECT_EQ(Picture::FromBytes(file)->Bytes(), file) << "a loaded file keeps its own bytes";
}

TEST(Picture, UnreadableSourcesGiveNoPicture) {
    EXPECT_FALSE(Picture::FromBytes(QByteArray()));
    EXPECT_FALSE(Picture::FromBytes(QByteArray("not an image at all")));
    EXPECT_FALSE(Picture::FromBytes(Encode(Sample(4, 4, false), "png").left(20)));
    EXPECT_FALSE(Picture::Load("/nonexistent/picture.bmp"));
    EXPECT_FALSE(Picture::FromImage(QImage(), Picture::Kind::Bitmap));
}

TEST(Picture, LoadsFromAFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("face.png");
    ASSERT_TRUE(Sample(5, 3, false).save(path));
    const auto picture = Picture::Load(path);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->HeightPixels(), 3);
}
