// SPDX-License-Identifier: GPL-3.0-or-later
// A legend's entries flow onto rows as words onto lines.
#include "charts/LegendRows.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using charts::FlowIntoRows;
using charts::RowCount;

constexpr int kGap = 8;

struct FlowCase {
    const char* name;
    std::vector<int> widths;
    int room;
    std::vector<int> rows;
};

const FlowCase kFlows[] = {
    {"NoEntries", {}, 100, {}},
    {"AllOnOneRow", {20, 30, 25}, 200, {0, 0, 0}},
    // 20 + 8 + 30 + 8 + 25: the gaps count between entries only.
    {"ExactlyOneRow", {20, 30, 25}, 91, {0, 0, 0}},
    {"APixelShort", {20, 30, 25}, 90, {0, 0, 1}},
    {"NoGapAfterARowsLastEntry", {40, 40}, 88, {0, 0}},
    {"OneARow", {50, 60, 40}, 60, {0, 1, 2}},
    {"AnEntryAsWideAsTheRoom", {30, 100, 30}, 100, {0, 1, 2}},
    {"ANarrowEntryFillsTheRowBefore", {60, 70, 20, 50}, 100, {0, 1, 1, 2}},
    {"AnEntryWiderThanTheRoom", {30, 101, 30}, 100, {}},
    {"NoRoom", {10}, 0, {}},
};

class FlowIntoRowsTest : public testing::TestWithParam<FlowCase> {};

TEST_P(FlowIntoRowsTest, PutsEachEntryOnTheRowItFits) {
    const FlowCase& flow = GetParam();
    const std::vector<int> rows = FlowIntoRows(flow.widths, flow.room, kGap);
    EXPECT_EQ(rows, flow.rows);
    EXPECT_EQ(RowCount(rows), flow.rows.empty() ? 0 : flow.rows.back() + 1);
    // However they flow, no row passes the room.
    std::vector<int> used(static_cast<std::size_t>(RowCount(rows)), -kGap);
    for (std::size_t entry = 0; entry < rows.size(); ++entry)
        used[static_cast<std::size_t>(rows[entry])] += flow.widths[entry] + kGap;
    for (const int width : used) EXPECT_LE(width, flow.room);
}

INSTANTIATE_TEST_SUITE_P(Flows, FlowIntoRowsTest, testing::ValuesIn(kFlows),
                         [](const testing::TestParamInfo<FlowCase>& info) { return std::string(info.param.name); });

} // namespace
