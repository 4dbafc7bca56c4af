// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/SheetCsv.h"

#include "engine/CsvText_p.h"

#include <cstddef>
#include <cstdint>

namespace engine {
namespace {

// The presets' names are plain words; a name with a comma, a quote or a line break in it
// would split the record, so such a name is quoted with its quotes doubled.
std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

} // namespace

std::string FormatSheetCsv(const SheetFormat& format, std::span<const SheetAnswer> record) {
    constexpr std::string_view kLineEnd = "\r\n";
    const std::string name = CsvField(format.name);
    // "1234,pauli,20,49,7,5,2,TRUE,0,1234" and the line end.
    const std::size_t typicalRecord = 28 + name.size();
    std::string out;
    out.reserve(kSheetCsvHeader.size() + kLineEnd.size() + record.size() * typicalRecord);
    out.append(kSheetCsvHeader).append(kLineEnd);
    std::uint64_t index = 0;
    for (const SheetAnswer& pair : record) {
        AppendNumber(out, ++index);
        out += ',';
        out += name;
        out += ',';
        AppendNumber(out, std::uint64_t{pair.period} + 1);
        out += ',';
        AppendNumber(out, std::uint64_t{pair.position} + 1);
        out += ',';
        AppendNumber(out, pair.operand1);
        out += ',';
        AppendNumber(out, pair.operand2);
        out += ',';
        if (pair.answered()) {
            // The digit of a wrong answer on paper is not known, only that it was wrong.
            if (pair.timed() || pair.correct) AppendNumber(out, pair.answer);
            out.append(pair.correct ? ",TRUE," : ",FALSE,");
        } else {
            out.append(",,");
        }
        AppendNumber(out, pair.corrections);
        out += ',';
        if (pair.answered() && pair.timed()) AppendNumber(out, pair.milliseconds);
        out.append(kLineEnd);
    }
    return out;
}

} // namespace engine
