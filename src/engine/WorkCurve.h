// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/RecordedAnswer.h"
#include "engine/Statistics.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace engine {

// How long a run lasted, as its clock stood at the end: whole minutes and the seconds
// of the minute it was stopped in.
struct RunLength {
    std::uint64_t minutes = 0;
    int seconds = 0;
};

struct MinuteFigures {
    std::uint32_t answered = 0;
    std::uint32_t correct = 0;
    std::uint32_t wrong = 0;
    AnswerTimes times;
    // Not a complete minute of the run: the one it was stopped inside, or one past its
    // clock. Shown, but left out of the indices.
    bool partial = false;
};

struct PairFigures {
    std::uint32_t answered = 0;
    std::uint32_t errors = 0;
    std::optional<std::uint32_t> medianMilliseconds;
};

// The work curve of one run: what it did minute by minute, the indices over its complete
// minutes, and the digit-pair map.
struct WorkCurve {
    // One entry per minute of the run, the first minute (0:00 to 0:59) first. The first
    // `completeMinutes` are complete and every one after them is partial: as a rule only
    // the last, the minute the run was stopped inside, but all of them where answers were
    // recorded past the run's clock.
    std::vector<MinuteFigures> minutes;
    std::size_t completeMinutes = 0;
    RunLength length;

    std::uint64_t answered = 0;
    std::uint64_t correct = 0;
    std::uint64_t wrong = 0;

    // Mean answered per complete minute; absent without a complete minute.
    std::optional<double> speed;
    // True answers in percent of all answers of the run, partial minute included;
    // absent without answers.
    std::optional<double> accuracy;
    // Most minus fewest answered in a complete minute; absent with fewer than two.
    std::optional<std::uint32_t> fluctuation;
    // The least-squares line of answered per minute against the minute's number (1 for the
    // first), and its slope, the trend, in answers per minute per minute: positive when the
    // user sped up. Absent with fewer than two complete minutes.
    std::optional<LeastSquaresLine> line;
    std::optional<double> trend;
    // Over every answer of the run.
    AnswerTimes times;

    // The 100 digit pairs, first operand major: pairs[operand1 * 10 + operand2].
    std::array<PairFigures, 100> pairs{};

    const PairFigures& pair(int operand1, int operand2) const {
        return pairs[static_cast<std::size_t>(operand1 * 10 + operand2)];
    }
    // The trend line's value at minute number `minute` (1 for the first), where there is
    // a trend.
    std::optional<double> trendAt(double minute) const;
};

// Analyses the answers of a run that lasted `length`. Minutes before `length.minutes`
// are complete; the minute after them is partial when the run was stopped inside it or
// an answer was given in it.
WorkCurve AnalyseWorkCurve(std::span<const RecordedAnswer> answers, RunLength length);

} // namespace engine
