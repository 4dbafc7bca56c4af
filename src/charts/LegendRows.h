// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace charts {

// Lays a legend's entries, `widths` wide, out left to right in rows `room` wide with `gap`
// between two entries of a row, the way words flow onto lines: an entry that would pass the
// row's end starts the next row. Returns each entry's row, counted from 0; empty where an
// entry alone is wider than the room, or where there are no entries.
std::vector<int> FlowIntoRows(const std::vector<int>& widths, int room, int gap);

// How many rows `rows` (as FlowIntoRows gives them) take; 0 for none.
int RowCount(const std::vector<int>& rows);

} // namespace charts
