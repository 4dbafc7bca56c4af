// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/RecordedAnswer.h"

#include <span>
#include <string>
#include <string_view>

namespace engine {

inline constexpr std::string_view kAnswersCsvHeader = "index,minute,operand1,operand2,answer,correct,answer_ms";

// The answers as comma-separated values after RFC 4180: the header line, then one record
// per answer in the order given, each line ended by CR LF. `index` counts from 1,
// `minute` is the clock's minute when the answer was given (0 from 0:00 to 0:59),
// `answer` the typed digit (empty when it was not a digit), `correct` TRUE or FALSE as in
// the answer log, `answer_ms` the answer time in milliseconds. Every field is a number or
// a plain word, so none needs quotes; the text is ASCII and so also UTF-8.
std::string FormatAnswersCsv(std::span<const RecordedAnswer> answers);

} // namespace engine
