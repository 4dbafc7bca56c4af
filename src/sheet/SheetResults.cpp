// SPDX-License-Identifier: GPL-3.0-or-later
// A finished sitting goes to the Sheet results window: its curve, its scores in the test's
// own terms, the pair map and saving its answers.
#include "sheet/SheetResults.h"

#include "sheetresults/frmSheetResults.h"

namespace sheet {

void ShowSheetResults(QWidget* parent, const engine::SheetFormat& format, const engine::Sheet& sheet,
                      std::span<const engine::SheetAnswer> record, std::uint64_t seed, engine::SittingEnd end,
                      std::uint64_t elapsedMs) {
    sheetresults::ShowSheetResults(parent, format, sheet, record, seed, end, elapsedMs);
}

} // namespace sheet
