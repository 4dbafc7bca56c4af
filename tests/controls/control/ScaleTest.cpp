// SPDX-License-Identifier: GPL-3.0-or-later
// The button on a screen with 1.5 device pixels to a pixel (run with QT_SCALE_FACTOR=1.5):
// the face is its one-to-one picture scaled up, the caption is drawn at the device's
// resolution.

#include "TestSupport.h"

#include <QPainter>
#include <QtMath>
#include <gtest/gtest.h>
#include <vector>

namespace {

using testsupport::ShownButton;

constexpr qreal kRatio = 1.5;
constexpr int kMargin = 2; // device pixels around the caption's scaled rectangle

struct ScaleCase {
    const char* caption;
    const char* family;
    int buttonType;
};

const ScaleCase kCases[] = {{"E&xit", "DejaVu Sans", 3}, {"<<< &Back", "DejaVu Sans", 2}, {"4", "Webdings", 14}};

// The font and caption of the case; no focus, whose look the two windows would not share.
void Prepare(ShownButton& b, const ScaleCase& c, const QString& caption) {
    QFont font(c.family);
    font.setPointSizeF(12);
    b->SetFont(font);
    b->SetCaption(caption);
    b->clearFocus();
}

// The device columns that a one-to-one image `width` pixels wide, scaled up without
// smoothing (as the screen showed the whole button before), fills from the same pixel as
// the column left of them.
std::vector<int> ColumnsRepeatingTheirLeftNeighbour(int width, QSize deviceSize) {
    QImage columns(width, 1, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) columns.setPixel(x, 0, qRgb(x, 0, 0));
    QImage scaled(deviceSize.width(), 1, QImage::Format_RGB32);
    scaled.setDevicePixelRatio(kRatio);
    {
        QPainter painter(&scaled);
        painter.drawImage(QRectF(0, 0, width, 1.0 / kRatio), columns);
    }
    std::vector<int> repeating;
    for (int x = 1; x < scaled.width(); ++x)
        if (scaled.pixel(x, 0) == scaled.pixel(x - 1, 0)) repeating.push_back(x);
    return repeating;
}

} // namespace

TEST(ButtonAtScale, CaptionStaysOutOfTheImageAndIsDrawnSharpOverTheScaledFace) {
    for (const ScaleCase& c : kCases) {
        SCOPED_TRACE(c.caption);
        ShownButton b(89, 25, c.buttonType);
        ShownButton blank(89, 25, c.buttonType);
        ASSERT_EQ(b->devicePixelRatioF(), kRatio) << "run with QT_SCALE_FACTOR=1.5";
        Prepare(b, c, QString::fromLatin1(c.caption));
        Prepare(blank, c, QString());

        // Every pixel rule holds in the image, which keeps the face alone.
        EXPECT_TRUE(b->SurfaceImage() == blank->SurfaceImage()) << "the caption is kept out of the image";

        const QImage shown = b->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage face = blank->grab().toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(shown.size(), face.size());
        const host::Rect r = b->State().captionRect;
        const QRect caption(QPoint(qFloor(r.left * kRatio) - kMargin, qFloor(r.top * kRatio) - kMargin),
                            QPoint(qCeil(r.right * kRatio) + kMargin, qCeil(r.bottom * kRatio) + kMargin));
        int inside = 0, outside = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != face.pixel(x, y)) ++(caption.contains(x, y) ? inside : outside);
        EXPECT_EQ(outside, 0) << "the face around the caption is the scaled image";
        EXPECT_GT(inside, 20) << "the caption is drawn";

        // Not a one-to-one caption blown up, as before: there, device columns filled from the
        // same pixel of the image are alike everywhere.
        int split = 0;
        for (int x : ColumnsRepeatingTheirLeftNeighbour(b->SurfaceImage().width(), shown.size()))
            for (int y = caption.top(); y <= caption.bottom() && y < shown.height(); ++y)
                if (caption.contains(x, y) && shown.pixel(x, y) != shown.pixel(x - 1, y)) ++split;
        EXPECT_GT(split, 0) << "the caption is drawn at the device's resolution";
    }
}
