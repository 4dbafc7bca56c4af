// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/HistoryCsv.h"

#include "engine/AnswersCsv.h"
#include "engine/SheetCsv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <limits>
#include <system_error>

namespace engine {
namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// The presets' names and the custom sheet's, as a sheet's CSV and its file name give them.
constexpr std::array<std::string_view, 5> kSheetNames = {"kraepelin-15", "kraepelin-30", "uchida", "pauli", "custom"};

// The file's lines without their ends; a last line end leaves no empty line after it.
std::vector<std::string_view> Lines(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(line);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return lines;
}

// A record's fields after RFC 4180: a field in quotes may hold commas and doubled quotes.
std::optional<std::vector<std::string>> Fields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                fields.back() += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"' && fields.back().empty()) {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    if (quoted) return std::nullopt;
    return fields;
}

// Decimal digits only, at most `largest`.
std::optional<std::uint64_t> Whole(std::string_view text, std::uint64_t largest) {
    std::uint64_t value = 0;
    const auto [stop, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || text.front() == '-' || text.front() == '+' || failure != std::errc() ||
        stop != text.data() + text.size() || value > largest)
        return std::nullopt;
    return value;
}

// Reads a record's fields into numbers, failing with the field's name and what it allows.
class Record {
public:
    Record(const std::vector<std::string>& fields, std::size_t line, CsvError& error)
        : fields_(fields), line_(line), error_(error) {}

    bool Number(std::size_t index, const char* name, std::uint64_t low, std::uint64_t high, std::uint64_t& value) {
        const std::optional<std::uint64_t> read = Whole(fields_[index], high);
        if (read && *read >= low) {
            value = *read;
            return true;
        }
        return Fail(std::string(name) + " must be a whole number from " + std::to_string(low) + " to " +
                    std::to_string(high) + ", not \"" + fields_[index] + "\"");
    }
    // An answer's digit, TRUE or FALSE as its sum says, and its time; all three empty or none.
    // The drill's answer may lack its digit (a text that is no digit), never its time; a
    // sheet's pair worked on paper has no time (kUntimed), and a wrong one no digit either.
    bool Answer(std::size_t answer, std::size_t correct, std::size_t time, std::uint64_t operand1,
                std::uint64_t operand2, bool drill, std::optional<std::uint64_t>& digit, bool& right,
                std::uint64_t& milliseconds) {
        const bool wrongOnPaper = fields_[correct] == "FALSE" && fields_[time].empty();
        if (fields_[answer].empty() && !drill && !wrongOnPaper) {
            if (!fields_[correct].empty() || !fields_[time].empty())
                return Fail("a pair without answer has correct and answer_ms empty too");
            return true;
        }
        if (fields_[correct] != "TRUE" && fields_[correct] != "FALSE")
            return Fail("correct must be TRUE or FALSE, not \"" + fields_[correct] + "\"");
        right = fields_[correct] == "TRUE";
        if (!fields_[answer].empty()) {
            std::uint64_t typed = 0;
            if (!Number(answer, "answer", 0, 9, typed)) return false;
            digit = typed;
        }
        const bool sums = digit && (operand1 + operand2) % 10 == *digit;
        if (right != sums)
            return Fail(std::to_string(operand1) + " + " + std::to_string(operand2) + " = " +
                        (digit ? std::to_string(*digit) : std::string("(no digit)")) + " is " +
                        (sums ? "right" : "wrong") + ", but correct says " + fields_[correct]);
        if (!drill && fields_[time].empty()) {
            milliseconds = SheetAnswer::kUntimed;
            return true;
        }
        return Number(time, "answer_ms", 0, std::numeric_limits<std::uint32_t>::max(), milliseconds);
    }
    const std::string& operator[](std::size_t index) const { return fields_[index]; }
    bool Fail(std::string message) {
        error_ = {line_, std::move(message)};
        return false;
    }

private:
    const std::vector<std::string>& fields_;
    std::size_t line_;
    CsvError& error_;
};

// Checks the header and splits every record, numbered from 1, into `fieldCount` fields.
std::optional<std::vector<std::vector<std::string>>> Records(std::string_view text, std::string_view header,
                                                             std::size_t fieldCount, CsvError& error) {
    const std::vector<std::string_view> lines = Lines(text);
    if (lines.empty() || lines.front() != header) {
        error = {1, "not a file of the program's answers: the first line must be \"" + std::string(header) + "\""};
        return std::nullopt;
    }
    std::vector<std::vector<std::string>> records;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t line = i + 1;
        std::optional<std::vector<std::string>> fields = Fields(lines[i]);
        if (!fields) {
            error = {line, "a quote is not closed"};
            return std::nullopt;
        }
        if (fields->size() != fieldCount) {
            error = {line,
                     std::to_string(fields->size()) + " fields where the header has " + std::to_string(fieldCount)};
            return std::nullopt;
        }
        if ((*fields)[0] != std::to_string(i)) {
            error = {line, "index must be " + std::to_string(i) + ", not \"" + (*fields)[0] + "\""};
            return std::nullopt;
        }
        records.push_back(std::move(*fields));
    }
    return records;
}

std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

// "20261208-093000" for a time in ms since 1970 (local).
std::string Stamp(std::int64_t ms) {
    std::int64_t days = ms / kMsPerDay;
    std::int64_t rest = ms % kMsPerDay;
    if (rest < 0) {
        rest += kMsPerDay;
        --days;
    }
    // Civil from days (the inverse of DaysFromCivil).
    const std::int64_t z = days + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned day = doy - (153 * mp + 2) / 5 + 1;
    const unsigned month = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t year = static_cast<std::int64_t>(yoe) + era * 400 + (month <= 2);
    const std::int64_t seconds = rest / 1000;
    char text[32];
    const auto two = [](std::int64_t v) { return static_cast<int>(v); };
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", two(year), two(month), two(day), two(seconds / 3600),
                  two(seconds / 60 % 60), two(seconds % 60));
    return text;
}

std::optional<std::int64_t> LocalMsOfStamp(std::string_view date, std::string_view time) {
    if (date.size() != 8 || time.size() != 6) return std::nullopt;
    const auto year = Whole(date.substr(0, 4), 9999), month = Whole(date.substr(4, 2), 12),
               day = Whole(date.substr(6, 2), 31), hour = Whole(time.substr(0, 2), 23),
               minute = Whole(time.substr(2, 2), 59), second = Whole(time.substr(4, 2), 59);
    if (!year || !month || !day || !hour || !minute || !second || *month == 0 || *day == 0) return std::nullopt;
    const std::int64_t days =
        DaysFromCivil(static_cast<std::int64_t>(*year), static_cast<unsigned>(*month), static_cast<unsigned>(*day));
    return days * kMsPerDay + static_cast<std::int64_t>((*hour * 3600 + *minute * 60 + *second) * 1000);
}

// Marks the trailing pairs without answer of each unit that have corrections as withdrawn.
void MarkWithdrawn(std::vector<SheetAnswer>& record, const std::vector<bool>& empty) {
    for (std::size_t end = record.size(); end > 0;) {
        std::size_t start = end;
        while (start > 0 && record[start - 1].unit == record[end - 1].unit) --start;
        for (std::size_t i = end; i > start && empty[i - 1] && record[i - 1].corrections > 0; --i)
            record[i - 1].outcome = SheetAnswer::kWithdrawn;
        end = start;
    }
}

// Whether the record fits `format`'s sheet, each pair checked on its line (record i on line i + 2).
bool FitsFormat(const SheetFormat& format, const std::vector<SheetAnswer>& record, CsvError& error) {
    const std::uint32_t periods = format.cued() ? format.unitCount() : format.strokePeriods();
    for (std::size_t i = 0; i < record.size(); ++i) {
        const SheetAnswer& pair = record[i];
        const std::size_t line = i + 2;
        const char* units = format.order == WorkOrder::LeftToRight ? "line" : "column";
        if (pair.unit >= format.unitCount()) {
            error = {line, std::string("the sheet has ") + std::to_string(format.unitCount()) + " " + units +
                               "s, not " + std::to_string(pair.unit + 1u)};
            return false;
        }
        if (pair.period >= periods) {
            error = {line,
                     "period " + std::to_string(pair.period + 1u) + " is past the sheet's " + std::to_string(periods)};
            return false;
        }
        const std::uint64_t pairs = std::min<std::uint64_t>(
            format.pairsPerUnit(), format.totalPairs() - std::uint64_t{pair.unit} * format.pairsPerUnit());
        if (pair.position >= pairs) {
            error = {line, std::string("a ") + units + " of the sheet has " + std::to_string(pairs) + " pairs, not " +
                               std::to_string(pair.position + 1u)};
            return false;
        }
        const auto printed = [&](int digit) { return digit >= format.lowestDigit && digit <= format.highestDigit; };
        if (!printed(pair.operand1) || !printed(pair.operand2) || (format.noRepeat && pair.operand1 == pair.operand2)) {
            error = {line, "the sheet prints no pair " + std::to_string(pair.operand1) + " and " +
                               std::to_string(pair.operand2)};
            return false;
        }
    }
    return true;
}

std::optional<SittingTime> TimeOf(const std::optional<CsvFileName>& name, const ImportHints& hints) {
    if (!name) return hints.fallbackTime;
    return SittingTime{name->localMs - std::int64_t{hints.utcOffsetMinutes} * 60'000, hints.utcOffsetMinutes};
}

std::optional<KeptSitting> ImportSheet(std::string_view text, const ImportHints& hints, CsvError& error) {
    std::optional<SheetCsv> csv = ParseSheetCsv(text, error);
    if (!csv) return std::nullopt;
    std::optional<CsvFileName> name = ParseCsvFileName(hints.fileName);
    if (name && name->format != csv->formatName) name.reset();

    std::uint32_t lastPeriod = 0;
    for (const SheetAnswer& pair : csv->record) lastPeriod = std::max<std::uint32_t>(lastPeriod, pair.period);
    FormatError refusal;
    std::optional<SheetFormat> format;
    if (csv->formatName == "custom") {
        if (!hints.custom) {
            error = {0, "a custom sheet's file does not say its columns or lines, digits and seconds: give them"};
            return std::nullopt;
        }
        format = MakeCustomFormat(*hints.custom, refusal);
    } else {
        std::optional<bool> practice = name ? std::optional(name->practice) : hints.practice;
        const std::optional<SheetFormat> short_ = FormatByName(csv->formatName, true, refusal);
        const std::uint32_t practicePeriods =
            short_ ? (short_->cued() ? short_->unitCount() : short_->strokePeriods()) : 0;
        if (!practice && !csv->record.empty() && lastPeriod >= practicePeriods) practice = false;
        if (!practice) {
            error = {0, "the file's name does not say whether it was the practice version, and its answers fit both"};
            return std::nullopt;
        }
        format = FormatByName(csv->formatName, *practice, refusal);
    }
    if (!format) {
        error = {0, refusal.Describe()};
        return std::nullopt;
    }
    if (!FitsFormat(*format, csv->record, error)) return std::nullopt;

    std::uint64_t elapsedMs = 0;
    if (!csv->record.empty()) {
        elapsedMs = format->cued() ? format->unitEndMs(lastPeriod)
                                   : std::min<std::uint64_t>(format->durationMs(),
                                                             (lastPeriod + 1ull) * format->strokeSeconds * 1000);
    }
    KeptSitting kept = KeepSheet(*format, csv->record, name ? name->seed : hints.seed, SittingEnd::Stopped, elapsedMs,
                                 *TimeOf(name, hints));
    kept.end = KeptEnd::NotRecorded;
    kept.origin = KeptOrigin::Imported;
    return kept;
}

std::optional<KeptSitting> ImportAnswers(std::string_view text, const ImportHints& hints, CsvError& error) {
    const std::optional<std::vector<RecordedAnswer>> answers = ParseAnswersCsv(text, error);
    if (!answers) return std::nullopt;
    std::optional<CsvFileName> name = ParseCsvFileName(hints.fileName);
    if (name && !name->format.empty()) name.reset();
    RunLength length;
    for (const RecordedAnswer& answer : *answers)
        length.minutes = std::max<std::uint64_t>(length.minutes, answer.minute + 1u);
    KeptSitting kept = KeepDrill(*answers, length, KeptEnd::NotRecorded, *TimeOf(name, hints));
    kept.origin = KeptOrigin::Imported;
    return kept;
}

// A suggested file name between "tavrendale-" and ".csv".
std::optional<CsvFileName> ParseNameStem(std::string_view name) {
    constexpr std::size_t kStampLength = 15;
    if (name.size() < kStampLength) return std::nullopt;
    // The time, "YYYYMMDD-HHMMSS", ends the name.
    const std::string_view stamp = name.substr(name.size() - kStampLength);
    if (stamp[8] != '-') return std::nullopt;
    const std::optional<std::int64_t> localMs = LocalMsOfStamp(stamp.substr(0, 8), stamp.substr(9));
    if (!localMs) return std::nullopt;
    CsvFileName parsed;
    parsed.localMs = *localMs;
    name.remove_suffix(stamp.size());
    if (name.empty()) return parsed;
    if (!name.ends_with('-')) return std::nullopt;
    name.remove_suffix(1);
    for (const std::string_view sheet : kSheetNames) {
        if (!name.starts_with(sheet) || (name.size() > sheet.size() && name[sheet.size()] != '-')) continue;
        std::string_view rest = name.substr(std::min(name.size(), sheet.size() + 1));
        parsed.format = sheet;
        if (rest.starts_with("practice")) {
            parsed.practice = true;
            rest.remove_prefix(std::min(rest.size(), std::string_view("practice-").size()));
        }
        if (!rest.empty()) {
            parsed.seed = Whole(rest, std::numeric_limits<std::uint64_t>::max());
            if (!parsed.seed) return std::nullopt;
        }
        return parsed;
    }
    return std::nullopt;
}

} // namespace

std::string CsvError::Describe() const {
    return (line > 0 ? "line " + std::to_string(line) : std::string("the file")) + ": " + message;
}

std::optional<SheetCsv> ParseSheetCsv(std::string_view text, CsvError& error) {
    constexpr std::size_t kFields = 10;
    const auto records = Records(text, kSheetCsvHeader, kFields, error);
    if (!records) return std::nullopt;
    SheetCsv csv;
    std::vector<bool> empty;
    bool onPaper = false;
    for (std::size_t i = 0; i < records->size(); ++i) {
        Record r((*records)[i], i + 2, error);
        if (i == 0) csv.formatName = r[1];
        if (r[1] != csv.formatName) {
            r.Fail("format \"" + r[1] + "\" where the file began with \"" + csv.formatName + "\"");
            return std::nullopt;
        }
        if (std::find(kSheetNames.begin(), kSheetNames.end(), r[1]) == kSheetNames.end()) {
            r.Fail("no sheet of the format \"" + r[1] + "\"");
            return std::nullopt;
        }
        std::uint64_t period = 0, position = 0, operand1 = 0, operand2 = 0, corrections = 0, ms = 0;
        std::optional<std::uint64_t> digit;
        bool right = false;
        constexpr std::uint64_t kLargest = std::numeric_limits<std::uint16_t>::max();
        if (!r.Number(2, "period", 1, kLargest + 1, period) || !r.Number(3, "position", 1, kLargest + 1, position) ||
            !r.Number(4, "operand1", 0, 9, operand1) || !r.Number(5, "operand2", 0, 9, operand2) ||
            !r.Number(8, "corrections", 0, kLargest, corrections) ||
            !r.Answer(6, 7, 9, operand1, operand2, false, digit, right, ms))
            return std::nullopt;
        SheetAnswer pair;
        pair.period = static_cast<std::uint16_t>(period - 1);
        pair.position = static_cast<std::uint16_t>(position - 1);
        pair.unit = pair.period;
        pair.operand1 = static_cast<std::uint8_t>(operand1);
        pair.operand2 = static_cast<std::uint8_t>(operand2);
        pair.corrections = static_cast<std::uint16_t>(corrections);
        // A pair answered wrong on paper has `correct` but no digit.
        const bool answered = !r[7].empty();
        pair.outcome = answered ? SheetAnswer::kAnswered : SheetAnswer::kSkipped;
        pair.answer = static_cast<std::uint8_t>(digit.value_or(0));
        pair.correct = right ? 1 : 0;
        pair.milliseconds = static_cast<std::uint32_t>(ms);
        // With a cue, a pair's column or line is its period, and its pairs follow in order; without
        // one (Pauli) the units follow as the user works, a new one where the position starts again.
        if (i > 0 && csv.formatName != "pauli") {
            const SheetAnswer& before = csv.record.back();
            if (pair.period < before.period || (pair.period == before.period && pair.position <= before.position)) {
                r.Fail("position " + std::to_string(position) + " of period " + std::to_string(period) +
                       " does not follow the record before it");
                return std::nullopt;
            }
        }
        csv.record.push_back(pair);
        empty.push_back(!answered);
        onPaper = onPaper || (answered && !pair.timed());
    }
    // The passes of a sitting on paper have no time either.
    for (std::size_t i = 0; i < csv.record.size() && onPaper; ++i)
        if (empty[i]) csv.record[i].milliseconds = SheetAnswer::kUntimed;
    if (csv.formatName == "pauli") {
        std::uint16_t unit = 0;
        for (std::size_t i = 0; i < csv.record.size(); ++i) {
            if (i > 0 && csv.record[i].position <= csv.record[i - 1].position) ++unit;
            csv.record[i].unit = unit;
        }
    }
    MarkWithdrawn(csv.record, empty);
    return csv;
}

std::optional<std::vector<RecordedAnswer>> ParseAnswersCsv(std::string_view text, CsvError& error) {
    constexpr std::size_t kFields = 7;
    const auto records = Records(text, kAnswersCsvHeader, kFields, error);
    if (!records) return std::nullopt;
    std::vector<RecordedAnswer> answers;
    for (std::size_t i = 0; i < records->size(); ++i) {
        Record r((*records)[i], i + 2, error);
        std::uint64_t minute = 0, operand1 = 0, operand2 = 0, ms = 0;
        std::optional<std::uint64_t> digit;
        bool right = false;
        if (!r.Number(1, "minute", 0, RecordedAnswer::kMaxMinute, minute) || !r.Number(2, "operand1", 0, 9, operand1) ||
            !r.Number(3, "operand2", 0, 9, operand2) || !r.Answer(4, 5, 6, operand1, operand2, true, digit, right, ms))
            return std::nullopt;
        RecordedAnswer answer;
        answer.minute = static_cast<std::uint32_t>(minute);
        answer.operand1 = static_cast<std::uint32_t>(operand1);
        answer.operand2 = static_cast<std::uint32_t>(operand2);
        answer.answer = digit ? static_cast<std::uint32_t>(*digit) : RecordedAnswer::kNoDigit;
        answer.correct = right ? 1 : 0;
        answer.milliseconds = static_cast<std::uint32_t>(ms);
        answers.push_back(answer);
    }
    return answers;
}

std::optional<CsvFileName> ParseCsvFileName(std::string_view name) {
    constexpr std::string_view kPrefix = "tavrendale-", kSuffix = ".csv";
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return std::nullopt;
    name = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    if (std::optional<CsvFileName> parsed = ParseNameStem(name)) return parsed;
    // A second file of the same name, as an export numbers it ("-2" before ".csv").
    const std::size_t dash = name.find_last_of('-');
    if (dash == std::string_view::npos || name.size() - dash > 4 || !Whole(name.substr(dash + 1), 999))
        return std::nullopt;
    return ParseNameStem(name.substr(0, dash));
}

std::optional<KeptSitting> ImportCsv(std::string_view text, const ImportHints& hints, CsvError& error) {
    const std::vector<std::string_view> lines = Lines(text.substr(0, std::min(text.size(), std::size_t{200})));
    if (!lines.empty() && lines.front() == kAnswersCsvHeader) return ImportAnswers(text, hints, error);
    if (!lines.empty() && lines.front() == kSheetCsvHeader) return ImportSheet(text, hints, error);
    error = {1, "not a file of the program's answers: its first line is neither \"" + std::string(kSheetCsvHeader) +
                    "\" nor \"" + std::string(kAnswersCsvHeader) + "\""};
    return std::nullopt;
}

std::string ExportCsv(const KeptSitting& sitting) {
    if (const KeptSheet* sheet = sitting.sheet()) return FormatSheetCsv(sheet->format, sheet->record);
    return FormatAnswersCsv(sitting.drill()->record);
}

std::string ExportFileName(const KeptSitting& sitting) {
    std::string name = "tavrendale-";
    if (const KeptSheet* sheet = sitting.sheet()) {
        for (const char c : sheet->format.name) name += (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ? c : '-';
        if (sheet->format.practice) name += "-practice";
        if (sheet->seed) name += '-' + std::to_string(*sheet->seed);
        name += '-';
    }
    return name + Stamp(sitting.endedAt.localMs()) + ".csv";
}

} // namespace engine
