// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet painted in parts: any strip painted by itself, or any region of strips, comes
// out as the same strip of the whole sheet painted at once, in every order of work and
// zoom.
#include "sheet/SheetPainter.h"

#include "engine/Sheet.h"
#include "engine/SheetFormat.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace {

using sheet::SheetMarks;

struct PartCase {
    const char* name;
    engine::WorkOrder order;
    double zoom;
};

void PrintTo(const PartCase& c, std::ostream* os) { *os << c.name; }

class SheetPainterPartsTest : public testing::TestWithParam<PartCase> {
protected:
    void SetUp() override {
        engine::CustomFormat custom;
        custom.order = GetParam().order;
        custom.units = 4;
        custom.digitsPerUnit = 10;
        engine::FormatError error;
        format_ = *engine::MakeCustomFormat(custom, error);
        sheet_ = engine::MakeSheet(format_, 3);
        QFont font;
        font.setStyleHint(QFont::SansSerif);
        painter_.setSheet(format_, sheet_, font);
        painter_.setZoom(GetParam().zoom);
        // Answers in every unit, a pass among them, the cursor and the cue in the second unit.
        written_.assign(painter_.pairTotal(), SheetMarks::kBlank);
        for (std::size_t pair = 0; pair < written_.size(); pair += 2)
            written_[pair] = pair % 7 == 0 ? SheetMarks::kPassed : static_cast<std::int8_t>(pair % 10);
        strokes_ = {{1, 1000, 2, 4}};
        marks_.written = written_;
        marks_.unit = 1;
        marks_.pair = 6;
        marks_.cursorShown = true;
        marks_.cueCalled = true;
        marks_.strokes = strokes_;
    }

    // The sheet with only `part` painted, on a grey that no paint leaves.
    QImage Painted(const QRegion& part) const {
        QImage image(painter_.sheetSize(), QImage::Format_RGB32);
        image.fill(QColor(0x80, 0x80, 0x80));
        QPainter painter(&image);
        painter.setClipRegion(part);
        painter_.paint(&painter, part, marks_);
        return image;
    }

    // Only the pixels of `strip`, painted by themselves on `canvas`, a sheet's size as the
    // window's backing store is larger than any part of it.
    QImage PaintedAlone(QImage& canvas, const QRect& strip) const {
        QPainter painter(&canvas);
        painter.fillRect(strip, QColor(0x80, 0x80, 0x80));
        painter_.paint(&painter, strip, marks_);
        return canvas.copy(strip);
    }

    engine::SheetFormat format_;
    engine::Sheet sheet_;
    sheet::SheetPainter painter_;
    std::vector<std::int8_t> written_;
    std::vector<engine::SheetStroke> strokes_;
    SheetMarks marks_;
};

// The pixels of `part` in `image`, everything else grey.
QImage Only(const QImage& image, const QRegion& part) {
    QImage result(image.size(), QImage::Format_RGB32);
    result.fill(QColor(0x80, 0x80, 0x80));
    QPainter painter(&result);
    painter.setClipRegion(part);
    painter.drawImage(0, 0, image);
    return result;
}

TEST_P(SheetPainterPartsTest, AStripPaintedAloneIsThatStripOfTheWhole) {
    const QSize size = painter_.sheetSize();
    const QImage whole = Painted(QRect(QPoint(0, 0), size));
    QImage canvas(size, QImage::Format_RGB32);
    // Strips across the units and along them, a pixel or a few thick, at every offset
    // within a row or a cell, and near every edge of a frame.
    for (const int thickness : {1, 5}) {
        for (int at = 0; at < size.height(); at += thickness + 1) {
            const QRect strip = QRect(0, at, size.width(), thickness) & whole.rect();
            ASSERT_EQ(PaintedAlone(canvas, strip), whole.copy(strip)) << "rows " << at << " to " << strip.bottom();
        }
        for (int at = 0; at < size.width(); at += thickness + 1) {
            const QRect strip = QRect(at, 0, thickness, size.height()) & whole.rect();
            ASSERT_EQ(PaintedAlone(canvas, strip), whole.copy(strip)) << "columns " << at << " to " << strip.right();
        }
    }
}

TEST_P(SheetPainterPartsTest, ARegionOfPartsFarApartIsThoseParts) {
    const QSize size = painter_.sheetSize();
    const QImage whole = Painted(QRect(QPoint(0, 0), size));
    // A key press's pairs and a scroll's strip: the answer and the cursor's pair, a far
    // answer, and a strip along an edge.
    const QRegion parts = QRegion(painter_.pairRect(1, 6)) + QRegion(painter_.answerRect(3, 2)) +
                          QRegion(painter_.pairRect(0, 0)) + QRegion(0, size.height() - 9, size.width(), 9) +
                          QRegion(size.width() - 5, 0, 5, size.height());
    EXPECT_GE(parts.rectCount(), 4);
    EXPECT_EQ(Painted(parts), Only(whole, parts));
}

INSTANTIATE_TEST_SUITE_P(OrdersAndZooms, SheetPainterPartsTest,
                         testing::Values(PartCase{"ColumnsBottomUp", engine::WorkOrder::BottomUp, 1.0},
                                         PartCase{"ColumnsTopDown", engine::WorkOrder::TopDown, 1.0},
                                         PartCase{"Lines", engine::WorkOrder::LeftToRight, 1.0},
                                         PartCase{"ColumnsBottomUpSmallest", engine::WorkOrder::BottomUp, 0.5},
                                         PartCase{"ColumnsTopDownLarge", engine::WorkOrder::TopDown, 2.5},
                                         PartCase{"LinesLargest", engine::WorkOrder::LeftToRight, 3.0}));

} // namespace
