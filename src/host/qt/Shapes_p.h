// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The platform's pixel rules for ellipses and wide pens, shared by DrawingContext and
// Region. Every rule here reproduces what the platform's GDI paints, checked pixel by pixel
// against GDI under Wine (tests/host/qt/wine).

#include "host/core/Geometry.h"

#include <functional>
#include <vector>

namespace host::shapes {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

// Receives the pixels left .. right - 1 of row y; pieces may overlap.
using SpanSink = std::function<void(int y, int left, int right)>;

// Ellipses cost time and memory in proportion to their size, so boxes with a coordinate
// beyond this many pixels from the origin (far beyond any screen) are refused.
constexpr int kFarthestEllipse = 1 << 24;
constexpr bool WithinReach(const Rect& box) {
    auto near = [](int v) { return v >= -kFarthestEllipse && v <= kFarthestEllipse; };
    return near(box.left) && near(box.top) && near(box.right) && near(box.bottom);
}

// The elliptic region that fills a box of width x height pixels (both at least 2), row by
// row: row i holds the pixels inset[i] .. width - 1 - inset[i] counted from the box's left
// edge, none when that is empty. The region the platform makes for CreateEllipticRgn and
// fills inside Ellipse.
std::vector<int> EllipseInsets(int width, int height);

// False for tall, thin ellipses whose rows the walk of EllipseInsets runs out of width
// before reaching the top and bottom ones. The platform's region code leaves those rows
// unwritten (Wine reads whatever the memory held); EllipseInsets gives them the tip.
bool EllipseWalkReachesTheEnds(int width, int height);

// The outline the platform strokes for Ellipse on a box of at least 3 x 3 pixels (left
// and top included, right and bottom excluded), as a closed path of points.
std::vector<Point> EllipseOutline(const Rect& box);

// The pixels a solid pen of the given width (2 or more), with the platform's round joins,
// paints along the closed path.
void WidePenPath(const std::vector<Point>& path, int width, const SpanSink& sink);

// The pixels of a polygon under the platform's fill rule (alternate): a pixel belongs to
// it when the point at its top-left corner lies inside, left edges included and right
// edges excluded, top included and bottom excluded.
void FillPolygon(const std::vector<Point>& polygon, const SpanSink& sink);

} // namespace host::shapes
