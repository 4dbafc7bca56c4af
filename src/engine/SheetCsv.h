// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"

#include <span>
#include <string>
#include <string_view>

namespace engine {

inline constexpr std::string_view kSheetCsvHeader =
    "index,format,period,position,operand1,operand2,answer,correct,corrections,answer_ms";

// A sitting's record as comma-separated values after RFC 4180, like the drill's answers:
// the header line, then one record per pair of the record in its order, each line ended by
// CR LF. `index` counts from 1, `format` is the format's stable name ("pauli"), `period`
// the column, line or period between strokes the pair is scored in and `position` the
// pair's place in its column or line in the order of work, both counted from 1 as the
// results window counts them. `correct` is TRUE or FALSE. A passed pair, and a pair whose
// answer was taken back and not given again, has `answer`, `correct` and `answer_ms`
// empty; its `corrections` say which of the two it is where Backspace took anything back.
// A pair written on paper has `answer_ms` empty, and `answer` too where it was wrong.
// A name that is not a plain word is quoted; the text is UTF-8.
std::string FormatSheetCsv(const SheetFormat& format, std::span<const SheetAnswer> record);

} // namespace engine
