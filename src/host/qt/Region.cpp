// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Region.h"

#include "host/qt/Shapes_p.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <utility>

namespace host {

Region Region::Rectangle(const Rect& rect) {
    Region region;
    const Rect r{std::min(rect.left, rect.right), std::min(rect.top, rect.bottom), std::max(rect.left, rect.right),
                 std::max(rect.top, rect.bottom)};
    if (r.width() == 0 || r.height() == 0) return region;
    region.rows_.reserve(static_cast<std::size_t>(r.height()));
    for (int y = r.top; y < r.bottom; ++y) region.rows_.push_back(Row{y, {Run{r.left, r.right}}});
    return region;
}

Region Region::Ellipse(const Rect& box) {
    if (!shapes::WithinReach(box)) return Region();
    const int left = std::min(box.left, box.right);
    const int top = std::min(box.top, box.bottom);
    // One column and one row fewer.
    const int width = std::max(box.left, box.right) - left - 1;
    const int height = std::max(box.top, box.bottom) - top - 1;
    if (width < 2 || height < 2) return Rectangle({left, top, left + width, top + height});
    Region region;
    const std::vector<int> insets = shapes::EllipseInsets(width, height);
    for (int i = 0; i < height; ++i) {
        const int inset = insets[static_cast<std::size_t>(i)];
        if (2 * inset < width) region.rows_.push_back(Row{top + i, {Run{left + inset, left + width - inset}}});
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
