// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Shapes_p.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace host::shapes {

namespace {

__extension__ typedef __int128 Wide; // the error terms grow with the cube of the size

// Alois Zingl's error walk along a quarter of the ellipse with diameters (width - 1) and
// (height - 1), from the end of its horizontal axis toward the end of its vertical one.
// Each step moves one pixel across, one pixel along, or both. The platform rasterizes
// its ellipses and elliptic regions with this walk, so its rounding decisions are ours.
class EllipseWalk {
public:
    EllipseWalk(int width, int height) {
        const Wide a = width - 1;
        const Wide b = height - 1;
        const Wide odd = b % 2;
        growX_ = 8 * b * b;
        growY_ = 8 * a * a;
        dx_ = 4 * b * b * (1 - a);
        dy_ = 4 * a * a * (1 + odd);
        err_ = dx_ + dy_ + a * a * odd;
    }
    // Returns which coordinates the step moves: across (towards the vertical axis), along
    // (away from the horizontal axis).
    std::pair<bool, bool> Step() {
        const Wide twice = 2 * err_;
        const bool across = twice >= dx_;
        const bool along = twice <= dy_;
        if (across) err_ += (dx_ += growX_);
        if (along) err_ += (dy_ += growY_);
        return {across, along};
    }

private:
    Wide growX_, growY_, dx_, dy_, err_;
};

// Rounds half away from zero, as the platform's pen code does.
int RoundAway(double v) { return static_cast<int>(v > 0 ? v + 0.5 : v - 0.5); }

// ceil(num / den) for den > 0.
std::int64_t CeilDiv(std::int64_t num, std::int64_t den) {
    std::int64_t q = num / den;
    if (num % den != 0 && num > 0) ++q;
    return q;
}

void SinkRect(int left, int top, int right, int bottom, const SpanSink& sink) {
    if (left >= right) return;
    for (int y = top; y < bottom; ++y) sink(y, left, right);
}

// One straight piece of a wide pen's path, without its ends: an upright rectangle for
// level and plumb pieces, otherwise a polygon whose corners are the end points moved
// half the width to either side (the halves rounded apart, so the extra pixel of an odd
// width falls to one side).
void WideSegment(Point from, Point to, int width, const SpanSink& sink) {
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    if (dx == 0 && dy == 0) return;
    if (dy == 0) {
        const int top = from.y - width / 2;
        SinkRect(std::min(from.x, to.x), top, std::max(from.x, to.x), top + width, sink);
        return;
    }
    if (dx == 0) {
        const int left = from.x - width / 2;
        SinkRect(left, std::min(from.y, to.y), left + width, std::max(from.y, to.y), sink);
        return;
    }
    const double length = std::hypot(dx, dy);
    const double acrossX = width * std::abs(dy) / length;
    const double acrossY = width * std::abs(dx) / length;
    Point narrow{RoundAway(acrossX / 2), RoundAway(acrossY / 2)};
    Point wide{RoundAway((acrossX + 1) / 2), RoundAway((acrossY + 1) / 2)};
    if (dx < 0) {
        wide.y = -wide.y;
        narrow.y = -narrow.y;
    }
    if (dy < 0) {
        std::swap(narrow, wide);
        wide.x = -wide.x;
        narrow.x = -narrow.x;
    }
    FillPolygon({{from.x - narrow.x, from.y + narrow.y},
                 {from.x + wide.x, from.y - wide.y},
                 {to.x + wide.x, to.y - wide.y},
                 {to.x - narrow.x, to.y + narrow.y}},
                sink);
}

} // namespace

namespace {

// Walks the lower half of the elliptic region, from the middle row down, and calls
// reached(row, inset) for each row it comes to; returns the last row reached.
template <typename Reached> int WalkLowerHalf(int width, int height, Reached reached) {
    EllipseWalk walk(width, height);
    int x = 0;
    int y = height / 2;
    reached(y, 0);
    while (x <= width / 2) {
        const auto [across, along] = walk.Step();
        if (across) ++x;
        if (along && ++y < height) reached(y, x);
    }
    return std::min(y, height - 1);
}

} // namespace

std::vector<int> EllipseInsets(int width, int height) {
    // The upper half mirrors the lower one. On tall, thin ellipses the walk runs out of
    // width before it reaches the last rows; those hold the middle pixel (two on an even
    // width), the tip with which Zingl finishes such ellipses.
    std::vector<int> inset(static_cast<std::size_t>(height), (width - 1) / 2);
    WalkLowerHalf(width, height, [&](int row, int x) { inset[static_cast<std::size_t>(row)] = x; });
    for (int i = 0; i < height / 2; ++i)
        inset[static_cast<std::size_t>(i)] = inset[static_cast<std::size_t>(height - 1 - i)];
    return inset;
}

bool EllipseWalkReachesTheEnds(int width, int height) {
    return WalkLowerHalf(width, height, [](int, int) {}) == height - 1;
}

std::vector<Point> EllipseOutline(const Rect& box) {
    const int width = box.width();
    const int height = box.height();
    // The quarter from the right end of the horizontal axis up to the top, then mirrored
    // left to right and top to bottom; an odd size keeps its middle point once.
    std::vector<Point> path;
    EllipseWalk walk(width, height);
    for (Point p{width - 1, height / 2}; p.x >= width / 2;) {
        path.push_back({box.left + p.x, box.top + height - 1 - p.y});
        const auto [across, along] = walk.Step();
        if (across) --p.x;
        if (along) ++p.y;
    }
    auto mirror = [&path](bool odd, auto reflect) {
        const std::size_t count = path.size();
        const std::size_t last = 2 * count - (odd ? 2 : 1);
        path.resize(last + 1);
        for (std::size_t i = 0; i < count; ++i) path[last - i] = reflect(path[i]);
    };
    mirror(width % 2 != 0, [&](Point p) { return Point{box.left + box.right - 1 - p.x, p.y}; });
    mirror(height % 2 != 0, [&](Point p) { return Point{p.x, box.top + box.bottom - 1 - p.y}; });
    return path;
}

void WidePenPath(const std::vector<Point>& path, int width, const SpanSink& sink) {
    // Repeated points at either end of the path are dropped first.
    auto first = path.begin();
    auto last = path.end();
    while (last - first > 2 && first[0] == first[1]) ++first;
    while (last - first > 2 && last[-1] == last[-2]) --last;
    const std::vector<Point> points(first, last);
    const std::size_t n = points.size();
    if (n == 0) return;

    // Joins are round: the elliptic region of width x width pixels around each corner.
    const std::vector<int> round = EllipseInsets(width, width);
    auto join = [&](Point p) {
        const int left = p.x - width / 2;
        const int top = p.y - width / 2;
        for (int i = 0; i < width; ++i) {
            const int inset = round[static_cast<std::size_t>(i)];
            if (inset < width - inset) sink(top + i, left + inset, left + width - inset);
        }
    };
    for (std::size_t i = 0; i < n; ++i) WideSegment(points[i], points[(i + 1) % n], width, sink);
    // A corner gets its join from the piece that starts there, so a point repeated inside
    // the path is joined once; the two ends of the path always are.
    join(points[0]);
    for (std::size_t i = 1; i + 1 < n; ++i)
        if (!(points[i] == points[i + 1])) join(points[i]);
    if (n > 1) join(points[n - 1]);
}

void FillPolygon(const std::vector<Point>& polygon, const SpanSink& sink) {
    if (polygon.size() < 3) return;
    int top = polygon.front().y;
    int bottom = top;
    for (const Point& p : polygon) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    std::vector<std::int64_t> crossings;
    for (int y = top; y < bottom; ++y) {
        crossings.clear();
        for (std::size_t i = 0; i < polygon.size(); ++i) {
            Point a = polygon[i];
            Point b = polygon[(i + 1) % polygon.size()];
            if (a.y == b.y) continue; // level edges bound nothing
            if (a.y > b.y) std::swap(a, b);
            if (y < a.y || y >= b.y) continue;
            // The first pixel at or right of the edge.
            crossings.push_back(a.x + CeilDiv(static_cast<std::int64_t>(y - a.y) * (b.x - a.x), b.y - a.y));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            if (crossings[i] < crossings[i + 1])
                sink(y, static_cast<int>(crossings[i]), static_cast<int>(crossings[i + 1]));
    }
}

} // namespace host::shapes
