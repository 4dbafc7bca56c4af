// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/DrawnPictures.h"

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The three drawings of a 32 x 32 picture: 32, 48 and 64 pixels.
const std::vector<QSize> kSquare{{32, 32}, {48, 48}, {64, 64}};

} // namespace

TEST(DrawnPictures, PickTheSmallestDrawingThatCoversTheSizeAsked) {
    struct Case {
        std::vector<QSize> drawings;
        QSize wanted;
        int pick;
    };
    const Case cases[] = {
        {kSquare, {32, 32}, 0},                    // exactly scale 1
        {kSquare, {16, 16}, 0},                    // the small window icon: scaled down from scale 1
        {kSquare, {40, 40}, 1},                    // 1.25: down from 1.5, never up from 1
        {kSquare, {49, 49}, 2},                    // just past 1.5
        {kSquare, {96, 96}, 2},                    // past every drawing: the largest
        {{{64, 64}, {32, 32}}, {20, 20}, 1},       // order does not matter
        {{{105, 117}, {158, 176}}, {110, 100}, 1}, // both sides must be covered
        {{{0, 0}, {48, 48}}, {32, 32}, 1},         // a missing drawing is passed over
        {{{0, 0}, {0, 0}}, {32, 32}, -1},          // none at all
    };
    for (const Case& c : cases)
        EXPECT_EQ(host::PickDrawing(c.drawings, c.wanted), c.pick) << c.wanted.width() << "x" << c.wanted.height();
}

TEST(DrawnPictures, NameTheDrawingsAfterTheSvg) {
    EXPECT_EQ(host::DrawnPictureName(QStringLiteral(":/about/art/icon.svg"), QStringLiteral("1.5")),
              QStringLiteral(":/about/art/icon@1.5x.png"));
    EXPECT_EQ(host::DrawnPictureName(QStringLiteral("hand"), QStringLiteral("2")), QStringLiteral("hand@2x.png"));
}

TEST(DrawnPictures, FillTheSizeAskedFromTheBestDrawing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString svg = dir.filePath(QStringLiteral("pic.svg"));
    // Each drawing in a colour of its own, so the one used shows in the result.
    const struct {
        const char* scale;
        int size;
        QColor colour;
    } drawings[] = {{"1", 10, Qt::red}, {"1.5", 15, Qt::green}, {"2", 20, Qt::blue}};
    for (const auto& drawing : drawings) {
        QImage image(drawing.size, drawing.size, QImage::Format_ARGB32);
        image.fill(drawing.colour);
        ASSERT_TRUE(image.save(host::DrawnPictureName(svg, QString::fromLatin1(drawing.scale)), "png"));
    }
    const struct {
        QSize size;
        qreal ratio;
        QColor colour;
    } cases[] = {{{10, 10}, 1.0, Qt::red},
                 {{10, 10}, 1.25, Qt::green},
                 {{10, 10}, 2.0, Qt::blue},
                 {{10, 10}, 3.0, Qt::blue},
                 {{7, 12}, 1.0, Qt::green}};
    for (const auto& c : cases) {
        const QPixmap pixmap = host::RenderDrawnPicture(svg, c.size, c.ratio);
        EXPECT_EQ(pixmap.size(), c.size * c.ratio);
        EXPECT_EQ(pixmap.devicePixelRatio(), c.ratio);
        const QImage image = pixmap.toImage();
        EXPECT_EQ(image.pixelColor(image.width() / 2, image.height() / 2), c.colour) << c.ratio;
    }
    // No drawings: transparent, at the size asked.
    const QImage none = host::RenderDrawnPicture(dir.filePath(QStringLiteral("none.svg")), {8, 8}, 1.0).toImage();
    EXPECT_EQ(none.size(), QSize(8, 8));
    EXPECT_EQ(qAlpha(none.pixel(4, 4)), 0);
}
