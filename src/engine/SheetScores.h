// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"
#include "engine/Statistics.h"
#include "engine/WorkCurve.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace engine {

// What the user did in one column, line or period between strokes.
struct PeriodScores {
    // Pairs answered or passed: the height of a column, the amount of a line, the
    // additions of a period.
    std::uint32_t reached = 0;
    std::uint32_t right = 0;
    std::uint32_t wrong = 0;
    std::uint32_t skipped = 0;
    std::uint32_t corrections = 0;
    // Over the answered pairs.
    AnswerTimes times;
    // The sitting was stopped inside it: shown, but left out of the figures that compare
    // periods.
    bool partial = false;

    // A wrong answer or a blank, as the examiner counts them.
    std::uint32_t errors() const { return wrong + skipped; }
};

// Kraepelin's indices over the complete columns, heights in pairs.
struct KraepelinScores {
    // Speed (panker): the mean height.
    std::optional<double> speed;
    // Accuracy (tianker): wrong answers and blanks over the whole sheet; fewer is better.
    std::uint64_t accuracy = 0;
    // Steadiness (janker): highest minus lowest height, and the mean of |height - mean|.
    std::optional<std::uint32_t> range;
    std::optional<double> averageDeviation;
    // Endurance (hanker): the least-squares line height = a + b × column, and its rise
    // over the sheet, b × (columns - 1). Absent with fewer than two complete columns.
    std::optional<LeastSquaresLine> line;
    std::optional<double> rise;
};

// One half of an Uchida-Kraepelin sheet, over its complete lines.
struct UchidaHalf {
    // The half's first line (0 for the sheet's first) and its complete lines.
    std::uint32_t firstLine = 0;
    std::uint32_t completeLines = 0;
    std::optional<double> meanAmount;
    // The half's first line ÷ the half's mean.
    std::optional<double> initialEffort;
    // (Highest − lowest amount) ÷ the half's mean.
    std::optional<double> fluctuation;
};

struct UchidaScores {
    UchidaHalf first;
    // Absent for a sheet without a break, which is one half.
    std::optional<UchidaHalf> second;
    // The second half's mean ÷ the first half's.
    std::optional<double> restEffect;
};

// Pauli's figures; the periods are those between two strokes.
struct PauliScores {
    // Additions (answered or passed) and their errors in percent, over the whole sitting.
    std::uint64_t total = 0;
    std::optional<double> errorPercent;
    // Mean of |period total - mean| over the complete periods.
    std::optional<double> averageDeviation;
    // Additions per period against the period's number; absent with fewer than two
    // complete periods.
    std::optional<LeastSquaresLine> line;
};

// A sitting scored in its test's own terms.
struct SheetScores {
    ScoreFamily family = ScoreFamily::Kraepelin;
    // One entry per column, line or period the sitting began, the first first; only the
    // last can be partial. Undefined figures are absent, never 0.
    std::vector<PeriodScores> periods;
    std::size_t completePeriods = 0;

    std::uint64_t reached = 0;
    std::uint64_t right = 0;
    std::uint64_t wrong = 0;
    std::uint64_t skipped = 0;
    std::uint64_t corrections = 0;
    // Over every answered pair that has a time.
    AnswerTimes times;
    // Pairs were reached and none has a time: the sheet was worked on paper and entered by
    // hand, so there are no answer times (PaperSitting.h).
    bool untimed = false;
    // The 100 digit pairs of the answered pairs, first operand major, as the work curve
    // has them.
    std::array<PairFigures, 100> pairs{};

    // The family's own figures; only the family's is present.
    std::optional<KraepelinScores> kraepelin;
    std::optional<UchidaScores> uchida;
    std::optional<PauliScores> pauli;
};

// Scores the record of a sitting of `format` that ended `elapsedMs` after its start
// (break included). Columns and lines are complete when their cue came, periods when
// their stroke or the end came.
SheetScores ScoreSheet(const SheetFormat& format, std::span<const SheetAnswer> record, std::uint64_t elapsedMs);

} // namespace engine
