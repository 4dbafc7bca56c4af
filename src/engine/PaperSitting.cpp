// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PaperSitting.h"

#include <algorithm>
#include <charconv>
#include <system_error>
#include <utility>

namespace engine {
namespace {

using Field = PaperError::Field;
using Problem = PaperError::Problem;

bool Refuse(PaperError& error, std::size_t row, Field field, Problem problem, std::string value, std::string message,
            std::uint64_t low = 0, std::uint64_t high = 0) {
    error.row = row;
    error.field = field;
    error.problem = problem;
    error.value = std::move(value);
    error.message = std::move(message);
    error.low = low;
    error.high = high;
    return false;
}

std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

std::string PlaceText(const PaperPlace& place, bool withUnit) {
    return withUnit ? std::to_string(place.unit) + "/" + std::to_string(place.pair) : std::to_string(place.pair);
}

std::string Range(std::uint64_t low, std::uint64_t high) { return std::to_string(low) + " to " + std::to_string(high); }

// The sheet's pairs in its whole order: where each unit's pairs begin, and the total last.
std::vector<std::uint64_t> UnitStarts(const Sheet& sheet) {
    std::vector<std::uint64_t> starts{0};
    for (std::uint32_t unit = 0; unit < sheet.unitCount(); ++unit)
        starts.push_back(starts.back() + sheet.pairCount(unit));
    return starts;
}

// Checks one row's wrong and blank places and marks them in `marks`, one per pair of the
// row's range (`first` to `last` in the sheet's whole order, both counted from 1).
class RowChecker {
public:
    enum Mark : std::uint8_t { kRight, kWrong, kSkipped };

    RowChecker(const Sheet& sheet, const std::vector<std::uint64_t>& starts, bool withUnit, std::size_t row,
               PaperError& error)
        : sheet_(sheet), starts_(starts), withUnit_(withUnit), row_(row), error_(error) {}

    bool Check(const PaperRow& entry, PaperEntry::Detail detail, std::uint64_t first, std::uint64_t last) {
        first_ = first;
        marks_.assign(last + 1 - first, kRight);
        const std::uint64_t reached = last - first;
        if (detail == PaperEntry::Detail::Counts) {
            const std::uint64_t errors = std::uint64_t{entry.wrongCount} + entry.skippedCount;
            if (errors > reached)
                return Refuse(error_, row_, entry.skippedCount > 0 ? Field::Skipped : Field::Wrong, Problem::TooMany,
                              std::to_string(errors),
                              "wrong and blank pairs are " + std::to_string(errors) + ", more than the " +
                                  std::to_string(reached) + " pairs reached",
                              0, reached);
            // The blanks last, the wrong answers before them.
            std::fill(marks_.end() - entry.skippedCount, marks_.end(), kSkipped);
            std::fill(marks_.end() - entry.skippedCount - entry.wrongCount, marks_.end() - entry.skippedCount, kWrong);
            return true;
        }
        return Mark(entry.wrong, Field::Wrong, kWrong, last) && Mark(entry.skipped, Field::Skipped, kSkipped, last);
    }

    // The marks of the row's pairs by their number in the whole order less `first`: the
    // first mark, of no pair, is unused.
    const std::vector<std::uint8_t>& marks() const { return marks_; }

private:
    bool Mark(const std::vector<PaperPlace>& places, Field field, std::uint8_t mark, std::uint64_t last) {
        for (const PaperPlace& place : places) {
            const std::string text = PlaceText(place, withUnit_);
            if (place.unit < 1 || place.unit > sheet_.unitCount())
                return Refuse(error_, row_, field, Problem::ColumnOutOfRange, text,
                              "column must be " + Range(1, sheet_.unitCount()) + ", not " + text, 1,
                              sheet_.unitCount());
            const std::uint32_t pairs = sheet_.pairCount(place.unit - 1);
            if (place.pair < 1 || place.pair > pairs)
                return Refuse(error_, row_, field, Problem::OutOfRange, text,
                              "pair must be " + Range(1, pairs) + ", not " + text, 1, pairs);
            const std::uint64_t at = starts_[place.unit - 1] + place.pair;
            if (at > last) {
                const std::uint64_t end = last - starts_[place.unit - 1];
                return Refuse(error_, row_, field, Problem::BeyondEnd, text,
                              "pair " + text + " is beyond the last pair reached", 0,
                              withUnit_ ? last : std::min<std::uint64_t>(end, pairs));
            }
            if (at < first_ + 1)
                return Refuse(error_, row_, field, Problem::OutsidePeriod, text,
                              "pair " + text + " lies before this period's first pair");
            std::uint8_t& marked = marks_[at - first_];
            if (marked != kRight)
                return Refuse(error_, row_, field, Problem::Twice, text,
                              "pair " + text + " is named twice, or both wrong and blank");
            marked = mark;
        }
        return true;
    }

    const Sheet& sheet_;
    const std::vector<std::uint64_t>& starts_;
    bool withUnit_;
    std::size_t row_;
    PaperError& error_;
    std::uint64_t first_ = 0;
    std::vector<std::uint8_t> marks_;
};

// Appends the pairs `first` + 1 to `first` + marks.size() - 1 of the whole order.
void Append(std::vector<SheetAnswer>& record, const Sheet& sheet, const std::vector<std::uint64_t>& starts,
            std::uint64_t first, const std::vector<std::uint8_t>& marks, std::uint16_t period) {
    std::uint32_t unit = 0;
    for (std::size_t index = 1; index < marks.size(); ++index) {
        const std::uint64_t at = first + index - 1;
        while (starts[unit + 1] <= at) ++unit;
        SheetAnswer answer;
        answer.unit = static_cast<std::uint16_t>(unit);
        answer.position = static_cast<std::uint16_t>(at - starts[unit]);
        answer.period = period;
        answer.operand1 = static_cast<std::uint8_t>(sheet.digit(unit, answer.position));
        answer.operand2 = static_cast<std::uint8_t>(sheet.digit(unit, answer.position + 1u));
        answer.milliseconds = SheetAnswer::kUntimed;
        if (marks[index] == RowChecker::kSkipped) {
            answer.outcome = SheetAnswer::kSkipped;
        } else {
            answer.outcome = SheetAnswer::kAnswered;
            answer.correct = marks[index] == RowChecker::kRight ? 1 : 0;
            // The digit of a wrong answer on paper is not known.
            answer.answer = answer.correct ? static_cast<std::uint8_t>((answer.operand1 + answer.operand2) % 10) : 0;
        }
        record.push_back(answer);
    }
}

bool Empty(const PaperRow& row) {
    return row.wrong.empty() && row.skipped.empty() && row.wrongCount == 0 && row.skippedCount == 0;
}

} // namespace

std::string PaperError::Describe(const SheetFormat& format) const {
    if (field == Field::None) return message;
    const char* rowName = !format.cued() ? "period " : format.order == WorkOrder::LeftToRight ? "line " : "column ";
    const char* fieldName = field == Field::End     ? (format.cued() ? "last pair reached" : "stroke")
                            : field == Field::Wrong ? "wrong pairs"
                                                    : "blank pairs";
    return rowName + std::to_string(row + 1) + ", " + fieldName + ": " + message;
}

std::uint32_t PaperRowCount(const SheetFormat& format) {
    if (format.cued()) return format.unitCount();
    return std::max<std::uint32_t>(format.strokePeriods(), 1);
}

std::optional<std::uint32_t> ParsePaperNumber(std::string_view text, std::uint32_t empty, PaperError& error) {
    text = Trimmed(text);
    if (text.empty()) return empty;
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    if (failure != std::errc() || stop != end) {
        // A whole number too large to hold is beyond every field's range.
        if (failure == std::errc::result_out_of_range && stop == end) return 0xFFFF'FFFFu;
        Refuse(error, 0, Field::None, Problem::NotANumber, std::string(text),
               "must be a whole number, not \"" + std::string(text) + "\"");
        return std::nullopt;
    }
    return value;
}

std::optional<PaperPlace> ParsePaperPlace(std::string_view text, PaperError& error) {
    text = Trimmed(text);
    const std::size_t slash = text.find('/');
    PaperError ignored;
    std::optional<std::uint32_t> unit;
    std::optional<std::uint32_t> pair;
    if (slash != std::string_view::npos && Trimmed(text.substr(0, slash)).size() > 0) {
        unit = ParsePaperNumber(text.substr(0, slash), 0, ignored);
        pair = ParsePaperNumber(text.substr(slash + 1), 0, ignored);
    }
    if (!unit || !pair || Trimmed(text.substr(slash + 1)).empty()) {
        Refuse(error, 0, Field::None, Problem::NotAPlace, std::string(text),
               "must be a column and a pair, as 12/30, not \"" + std::string(text) + "\"");
        return std::nullopt;
    }
    return PaperPlace{*unit, *pair};
}

std::optional<std::vector<PaperPlace>> ParsePaperPlaces(std::string_view text, std::uint32_t unit, PaperError& error) {
    std::vector<PaperPlace> places;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t stop = text.find_first_of(",; \t", start);
        if (stop == std::string_view::npos) stop = text.size();
        const std::string_view token = text.substr(start, stop - start);
        start = stop + 1;
        if (token.empty()) continue;
        if (unit == 0) {
            const auto place = ParsePaperPlace(token, error);
            if (!place) return std::nullopt;
            places.push_back(*place);
            continue;
        }
        const auto pair = ParsePaperNumber(token, 0, error);
        if (!pair) return std::nullopt;
        places.push_back({unit, *pair});
    }
    return places;
}

std::optional<PaperRecord> MakePaperRecord(const SheetFormat& format, const Sheet& sheet, const PaperEntry& entry,
                                           const PaperEnd& end, PaperError& error) {
    const std::uint32_t rows = PaperRowCount(format);
    if (entry.rows.size() != rows) {
        Refuse(error, 0, Field::None, Problem::RowCount, std::to_string(entry.rows.size()),
               "the entry has " + std::to_string(entry.rows.size()) + " rows; the sheet has " + std::to_string(rows),
               rows, rows);
        return std::nullopt;
    }
    PaperRecord paper;
    paper.end = end.end;
    paper.elapsedMs = std::min(end.elapsedMs.value_or(format.durationMs()), format.durationMs());
    const std::vector<std::uint64_t> starts = UnitStarts(sheet);
    const bool cued = format.cued();
    // In the sheet's whole order: the pairs reached before the row.
    std::uint64_t before = 0;
    for (std::size_t index = 0; index < rows; ++index) {
        const PaperRow& row = entry.rows[index];
        const auto unit = static_cast<std::uint32_t>(index);
        std::uint64_t reachedTo = 0;
        if (cued) {
            before = starts[unit];
            const std::uint32_t pairs = sheet.pairCount(unit);
            if (row.end.pair > pairs) {
                Refuse(error, index, Field::End, Problem::OutOfRange, std::to_string(row.end.pair),
                       "must be " + Range(0, pairs) + ", not " + std::to_string(row.end.pair), 0, pairs);
                return std::nullopt;
            }
            reachedTo = before + row.end.pair;
        } else {
            const PaperPlace& stroke = row.end;
            const std::string text = PlaceText(stroke, true);
            if (stroke.unit < 1 || stroke.unit > sheet.unitCount()) {
                Refuse(error, index, Field::End, Problem::ColumnOutOfRange, text,
                       "column must be " + Range(1, sheet.unitCount()) + ", not " + text, 1, sheet.unitCount());
                return std::nullopt;
            }
            const std::uint32_t pairs = sheet.pairCount(stroke.unit - 1);
            if (stroke.pair > pairs) {
                Refuse(error, index, Field::End, Problem::OutOfRange, text,
                       "pair must be " + Range(0, pairs) + ", not " + text, 0, pairs);
                return std::nullopt;
            }
            reachedTo = starts[stroke.unit - 1] + stroke.pair;
            if (reachedTo < before) {
                Refuse(error, index, Field::End, Problem::BeforePreviousStroke, text,
                       "the stroke at " + text + " stands before the one of the period before", 0, before);
                return std::nullopt;
            }
        }
        // Nothing can have been done in a column, line or period begun after the stop.
        const std::uint64_t startMs =
            cued ? format.unitStartMs(unit) : std::uint64_t{unit} * format.strokeSeconds * 1000;
        const bool begun = paper.elapsedMs > startMs;
        if (!begun && (reachedTo > before || !Empty(row))) {
            Refuse(error, index, reachedTo > before ? Field::End : Field::Wrong, Problem::NotBegun,
                   cued ? std::to_string(row.end.pair) : PlaceText(row.end, true),
                   "the sitting was stopped before it began; it must be empty");
            return std::nullopt;
        }
        RowChecker checker(sheet, starts, !cued, index, error);
        if (!checker.Check(row, entry.detail, before, reachedTo)) return std::nullopt;
        Append(paper.record, sheet, starts, before, checker.marks(), static_cast<std::uint16_t>(index));
        before = reachedTo;
    }
    return paper;
}

} // namespace engine
