// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet's digits laid out once: drawn pixel for pixel as Qt's drawText draws them in
// every size the zoom gives, every place and every direction, and laid out again when the
// font or the direction changes.
#include "sheet/LaidOutText_p.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

namespace {

// The font sizes of the sheet's zoom steps, 0.5 to 3 times 18 pixels.
constexpr std::array kPixelSizes = {9, 11, 14, 16, 18, 23, 27, 32, 36, 45, 54};
const QColor kPencil(0x2B, 0x3F, 0x8C);
const QColor kTint(0xFF, 0xF7, 0xD6);

struct PlaceCase {
    const char* name;
    // The rectangle's size in digit widths and rows.
    double widthInDigits;
    double heightInRows;
    // Where the painter's origin lies on the image, as a widget's offset in its window.
    QPoint origin;
    // The rectangle's top left, from that origin.
    QPoint at;
    Qt::LayoutDirection direction;
};

void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class LaidOutTextTest : public testing::TestWithParam<PlaceCase> {};

QImage Paint(const QFont& font, Qt::LayoutDirection direction, const QPoint& origin, const QRect& rect,
             const auto& draw) {
    QImage image(rect.right() + origin.x() + 40, rect.bottom() + origin.y() + 40, QImage::Format_RGB32);
    image.fill(kTint);
    QPainter painter(&image);
    painter.translate(origin);
    painter.setLayoutDirection(direction);
    painter.setFont(font);
    painter.setPen(kPencil);
    draw(painter);
    return image;
}

TEST_P(LaidOutTextTest, DrawsEveryDigitAndTheDashAsDrawTextDoes) {
    const PlaceCase& place = GetParam();
    const QString texts[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", QStringLiteral("\u2013")};
    for (const int pixels : kPixelSizes) {
        QFont font;
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(pixels);
        const QFontMetrics metrics(font);
        const QRect rect(place.at,
                         QSize(static_cast<int>(std::lround(place.widthInDigits * metrics.horizontalAdvance('0'))),
                               static_cast<int>(std::lround(place.heightInRows * metrics.height()))));
        for (const QString& text : texts) {
            const QImage expected = Paint(font, place.direction, place.origin, rect,
                                          [&](QPainter& painter) { painter.drawText(rect, Qt::AlignCenter, text); });
            const QImage drawn = Paint(font, place.direction, place.origin, rect, [&](QPainter& painter) {
                sheet::LaidOutText(text, painter.font(), painter.layoutDirection()).drawCentred(&painter, rect);
            });
            EXPECT_EQ(drawn, expected) << "\"" << text.toStdString() << "\" at " << pixels << " pixels";
            // Something was drawn at all: the pencil's own colour is in it.
            EXPECT_NE(expected, Paint(font, place.direction, place.origin, rect, [](QPainter&) {}))
                << "\"" << text.toStdString() << "\" at " << pixels << " pixels";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Places, LaidOutTextTest,
                         testing::Values(PlaceCase{"ADigitInItsColumn", 1.5, 1.0, {0, 0}, {3, 5}, Qt::LeftToRight},
                                         PlaceCase{"AnAnswerBesideIt", 1.3, 1.0, {0, 0}, {17, 9}, Qt::LeftToRight},
                                         PlaceCase{"ALineCell", 1.8, 1.0, {0, 0}, {0, 0}, Qt::LeftToRight},
                                         // Odd sizes centre the text on half pixels.
                                         PlaceCase{"OddSizes", 1.37, 1.11, {0, 0}, {7, 3}, Qt::LeftToRight},
                                         // Smaller than the text: cut at the rectangle as drawText cuts it.
                                         PlaceCase{"TooSmallIsCut", 0.5, 0.5, {0, 0}, {11, 13}, Qt::LeftToRight},
                                         PlaceCase{
                                             "InAWidgetOffsetInItsWindow", 1.5, 1.0, {13, 29}, {5, 7}, Qt::LeftToRight},
                                         PlaceCase{"RightToLeft", 1.3, 1.0, {3, 1}, {9, 4}, Qt::RightToLeft},
                                         PlaceCase{"RightToLeftAndCut", 0.6, 0.7, {0, 0}, {2, 2}, Qt::RightToLeft}));

// Lays out for each painter in turn; how many layouts that took.
std::uint64_t LayoutsFor(const std::vector<std::pair<QFont, Qt::LayoutDirection>>& paints) {
    sheet::SheetDigitTexts texts;
    QImage image(8, 8, QImage::Format_RGB32);
    for (const auto& [font, direction] : paints) {
        QPainter painter(&image);
        painter.setFont(font);
        painter.setLayoutDirection(direction);
        texts.prepare(painter);
    }
    return texts.layouts();
}

TEST(SheetDigitTextsTest, AreLaidOutAgainOnlyWhenTheFontOrTheDirectionChanges) {
    QFont normal;
    normal.setPixelSize(18);
    QFont zoomed = normal;
    zoomed.setPixelSize(27);
    QFont bold = normal;
    bold.setBold(true);
    QFont serif = normal;
    serif.setFamilies({QStringLiteral("DejaVu Serif")});
    struct Case {
        const char* name;
        std::vector<std::pair<QFont, Qt::LayoutDirection>> paints;
        std::uint64_t layouts;
    };
    const Case cases[] = {
        {"OnePaint", {{normal, Qt::LeftToRight}}, 1},
        {"PaintsInTheSameFont", {{normal, Qt::LeftToRight}, {normal, Qt::LeftToRight}, {normal, Qt::LeftToRight}}, 1},
        {"AZoom", {{normal, Qt::LeftToRight}, {zoomed, Qt::LeftToRight}}, 2},
        {"AZoomAndBack", {{normal, Qt::LeftToRight}, {zoomed, Qt::LeftToRight}, {normal, Qt::LeftToRight}}, 3},
        {"BoldFont", {{normal, Qt::LeftToRight}, {bold, Qt::LeftToRight}}, 2},
        {"AnotherFamily", {{normal, Qt::LeftToRight}, {serif, Qt::LeftToRight}}, 2},
        {"AnotherDirection", {{normal, Qt::LeftToRight}, {normal, Qt::RightToLeft}}, 2},
    };
    for (const Case& c : cases) EXPECT_EQ(LayoutsFor(c.paints), c.layouts) << c.name;
}

} // namespace
