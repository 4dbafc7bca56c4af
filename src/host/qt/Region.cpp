// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Region.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>

namespace host {

bool EllipseRowSpan(const Rect& box, int y, int& left, int& right) {
    // Doubled coordinates relative to the box centre make pixel centres integers:
    // dx2 = 2x + 1 - (left + right), dy2 = 2y + 1 - (top + bottom). A pixel is inside when
    // (dx2 / w)^2 + (dy2 / h)^2 < 1, i.e. dx2^2 * h^2 < w^2 * (h^2 - dy2^2). The products
    // need more than 64 bits for boxes beyond 2^15 pixels.
    __extension__ typedef __int128 Wide;
    const std::int64_t w = static_cast<std::int64_t>(box.right) - box.left;
    const std::int64_t h = static_cast<std::int64_t>(box.bottom) - box.top;
    if (w <= 0 || h <= 0 || y < box.top || y >= box.bottom) return false;
    const std::int64_t dy2 = 2 * static_cast<std::int64_t>(y) + 1 - (static_cast<std::int64_t>(box.top) + box.bottom);
    const std::int64_t rest = h * h - dy2 * dy2;
    if (rest <= 0) return false;
    const Wide limit = static_cast<Wide>(w) * w * rest;
    const Wide hh = static_cast<Wide>(h) * h;
    auto inside = [&](std::int64_t d) { return static_cast<Wide>(d) * d * hh < limit; };
    // dx2 has the parity of w + 1; find the largest such d that is inside.
    const std::int64_t parity = (w + 1) % 2;
    std::int64_t d = static_cast<std::int64_t>(static_cast<double>(w) * std::sqrt(static_cast<double>(rest)) /
                                               static_cast<double>(h));
    d += 2;
    if (d % 2 != parity) --d;
    while (d >= 0 && !inside(d)) d -= 2;
    if (d < 0) return false;
    const std::int64_t sum = static_cast<std::int64_t>(box.left) + box.right;
    left = static_cast<int>((sum - 1 - d) / 2);
    right = static_cast<int>((sum - 1 + d) / 2) + 1;
    return true;
}

Region Region::Rectangle(const Rect& rect) {
    Region region;
    if (rect.width() <= 0 || rect.height() <= 0) return region;
    region.rows_.reserve(static_cast<std::size_t>(rect.height()));
    for (int y = rect.top; y < rect.bottom; ++y) region.rows_.push_back(Row{y, {Run{rect.left, rect.right}}});
    return region;
}

Region Region::Ellipse(const Rect& box) {
    Region region;
    if (box.width() <= 0 || box.height() <= 0) return region;
    for (int y = box.top; y < box.bottom; ++y) {
        int left = 0, right = 0;
        if (EllipseRowSpan(box, y, left, right)) region.rows_.push_back(Row{y, {Run{left, right}}});
    }
    return region;
}

const Region::Row* Region::FindRow(int y) const {
    auto it = std::lower_bound(rows_.begin(), rows_.end(), y, [](const Row& r, int v) { return r.y < v; });
    if (it == rows_.end() || it->y != y) return nullptr;
    return &*it;
}

void Region::Subtract(const Region& other) {
    std::vector<Row> result;
    result.reserve(rows_.size());
    for (const Row& row : rows_) {
        const Row* cut = other.FindRow(row.y);
        if (!cut) {
            result.push_back(row);
            continue;
        }
        Row out{row.y, {}};
        for (Run run : row.runs) {
            std::int32_t start = run.left;
            for (const Run& c : cut->runs) {
                if (c.right <= start || c.left >= run.right) continue;
                if (c.left > start) out.runs.push_back(Run{start, c.left});
                start = std::max(start, c.right);
                if (start >= run.right) break;
            }
            if (start < run.right) out.runs.push_back(Run{start, run.right});
        }
        if (!out.runs.empty()) result.push_back(std::move(out));
    }
    rows_ = std::move(result);
}

bool Region::Contains(int x, int y) const {
    const Row* row = FindRow(y);
    if (!row) return false;
    for (const Run& run : row->runs)
        if (x >= run.left && x < run.right) return true;
    return false;
}

bool Region::IsEmpty() const { return rows_.empty(); }

std::int64_t Region::Area() const {
    std::int64_t area = 0;
    for (const Row& row : rows_)
        for (const Run& run : row.runs) area += run.right - run.left;
    return area;
}

Rect Region::Bounds() const {
    if (rows_.empty()) return Rect{};
    std::int32_t left = std::numeric_limits<std::int32_t>::max();
    std::int32_t right = std::numeric_limits<std::int32_t>::min();
    for (const Row& row : rows_) {
        left = std::min(left, row.runs.front().left);
        right = std::max(right, row.runs.back().right);
    }
    return Rect{left, rows_.front().y, right, rows_.back().y + 1};
}

QRegion Region::ToQRegion() const {
    QRegion region;
    for (const Row& row : rows_)
        for (const Run& run : row.runs) region += QRect(run.left, row.y, run.right - run.left, 1);
    return region;
}

} // namespace host
