// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Geometry.h"

#include <QRegion>
#include <cstdint>
#include <vector>

namespace host {

// The run of the ellipse inscribed in box on row y: pixels left .. right - 1, those whose
// centres lie inside the ellipse. False when the row holds none.
bool EllipseRowSpan(const Rect& box, int y, int& left, int& right);

// A set of pixels, kept as sorted runs per row: rectangles, inscribed ellipses and their
// differences, as the platform's regions. Right and bottom edges are exclusive.
class Region {
public:
    Region() = default;
    static Region Rectangle(const Rect& rect);
    // The ellipse inscribed in box: a pixel belongs to it when its centre lies inside
    // (the same rule as DrawingContext::Ellipse).
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
