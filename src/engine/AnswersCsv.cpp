// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/AnswersCsv.h"

#include "engine/CsvText_p.h"

#include <cstddef>
#include <cstdint>

namespace engine {

std::string FormatAnswersCsv(std::span<const RecordedAnswer> answers) {
    constexpr std::string_view kLineEnd = "\r\n";
    // A typical record ("1234,12,7,5,2,TRUE,1234" and the line end) fits in 32 bytes.
    constexpr std::size_t kTypicalRecord = 32;
    std::string out;
    out.reserve(kAnswersCsvHeader.size() + kLineEnd.size() + answers.size() * kTypicalRecord);
    out.append(kAnswersCsvHeader).append(kLineEnd);
    std::uint64_t index = 0;
    for (const RecordedAnswer& answer : answers) {
        AppendNumber(out, ++index);
        out += ',';
        AppendNumber(out, answer.minute);
        out += ',';
        AppendNumber(out, answer.operand1);
        out += ',';
        AppendNumber(out, answer.operand2);
        out += ',';
        if (answer.answer != RecordedAnswer::kNoDigit) AppendNumber(out, answer.answer);
        out.append(answer.correct ? ",TRUE," : ",FALSE,");
        AppendNumber(out, answer.milliseconds);
        out.append(kLineEnd);
    }
    return out;
}

} // namespace engine
