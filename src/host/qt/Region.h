// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Geometry.h"

#include <QRegion>
#include <cstdint>
#include <vector>

namespace host {

// A set of pixels, kept as sorted runs per row: rectangles, ellipses and their
// differences, holding the pixels the platform's regions hold (checked against GDI under
// Wine, tests/host/qt/wine). Right and bottom edges are exclusive.
class Region {
public:
    Region() = default;
    // GDI's CreateRectRgn: the rectangle put in order first (left and right swapped when
    // right lies left of left, likewise top and bottom), so only a zero width or height
    // makes it empty.
    static Region Rectangle(const Rect& rect);
    // GDI's CreateEllipticRgn: the box is put in order, then loses its right column and
    // bottom row, and the region is the ellipse that fills what is left, as GDI rasterizes
    // it. So the region on (0, 0, 10, 10) is 9 pixels across and holds 61 pixels; a box
    // with less than 2 pixels left across or down gives that rectangle (a box of width 0
    // still keeps one column, the one left of it). DrawingContext::Ellipse fills the
    // region of its box made one pixel larger to the right and bottom. A box reaching
    // farther than 2^24 pixels from the origin gives an empty region.
    static Region Ellipse(const Rect& box);

    // This region minus other (the platform's difference combination).
    void Subtract(const Region& other);

    bool Contains(int x, int y) const;
    bool IsEmpty() const;
    // Number of pixels in the region.
    std::int64_t Area() const;
    // The smallest rectangle holding the region; an empty rectangle when it is empty.
    Rect Bounds() const;

    // For QWidget::setMask.
    QRegion ToQRegion() const;

    friend bool operator==(const Region&, const Region&) = default;

private:
    struct Run {
        std::int32_t left;
        std::int32_t right;
        friend bool operator==(const Run&, const Run&) = default;
    };
    struct Row {
        std::int32_t y;
        std::vector<Run> runs;
        friend bool operator==(const Row&, const Row&) = default;
    };
    const Row* FindRow(int y) const;
    std::vector<Row> rows_; // sorted by y, no empty rows
};

} // namespace host
