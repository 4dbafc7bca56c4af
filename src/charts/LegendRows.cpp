// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/LegendRows.h"

namespace charts {

std::vector<int> FlowIntoRows(const std::vector<int>& widths, int room, int gap) {
    std::vector<int> rows;
    rows.reserve(widths.size());
    int row = 0;
    // Where the next entry of the current row would start; 0 while the row is empty.
    int next = 0;
    for (const int width : widths) {
        if (width > room) return {};
        if (next > 0 && next + width > room) {
            ++row;
            next = 0;
        }
        rows.push_back(row);
        next += width + gap;
    }
    return rows;
}

int RowCount(const std::vector<int>& rows) { return rows.empty() ? 0 : rows.back() + 1; }

} // namespace charts
