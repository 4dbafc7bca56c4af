// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Wording.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The figures a kept sitting's scores are kept as, by stable names, and their English names,
// which the catalog of the window that shows a history translates
// (tavrendale_catalog ... TEXTS_OF engine:figures).
namespace engine {

// Which way a figure is better, for the trend across sittings.
enum class Better {
    Higher,
    Lower,
    // Neither way: a ratio whose typical value lies in the middle (initial effort).
    Neither,
};

// The figures a sitting's scores are kept as. Each has a stable name (FigureInfo::name), which
// is what the store writes: a name never changes its meaning, and new figures get new names.
// A figure that could not be worked out (a slope of one column) is not kept at all.
enum class FigureKey : std::uint8_t {
    // Every sheet: pairs answered or passed, right, wrong, passed, corrections, over the whole
    // sitting; the median and 90th percentile answer time in milliseconds.
    Reached,
    Right,
    Wrong,
    Skipped,
    Corrections,
    MedianMs,
    Percentile90Ms,
    // Kraepelin, as the Sheet results window scores them: panker, the mean height; tianker,
    // wrong + blank; janker as the range and as the average deviation of the heights; hanker as
    // the slope b and the rise b × (columns − 1) of the least-squares line.
    Panker,
    Tianker,
    JankerRange,
    JankerAverageDeviation,
    HankerSlope,
    HankerRise,
    // Kraepelin, the other published formulas (FormulaMark in Marks.h): panker as the
    // mean of right answers per column, janker as the standard deviation of the heights, hanker
    // as y(N) − y(0) of the least-squares line.
    PankerRight,
    JankerStandardDeviation,
    HankerSpan,
    // Uchida-Kraepelin: the mean amount per line over all complete lines and over each half
    // (作業量), each half's initial effort (初頭努力率) and fluctuation (動揺率), the rest effect
    // (休憩効果率), and errors (wrong + blank) in percent of the lines' amounts.
    UchidaMean,
    UchidaFirstMean,
    UchidaSecondMean,
    UchidaFirstInitialEffort,
    UchidaSecondInitialEffort,
    UchidaFirstFluctuation,
    UchidaSecondFluctuation,
    UchidaRestEffect,
    UchidaErrorPercent,
    // Pauli: additions, errors in percent, the average deviation of the complete periods, the
    // slope of their least-squares line, and the first period's additions.
    PauliTotal,
    PauliErrorPercent,
    PauliAverageDeviation,
    PauliSlope,
    PauliFirstPeriod,
    // The drill (the work curve's indices): answers, true and false ones, speed (answers per
    // complete minute), accuracy (true in percent), fluctuation (most − fewest in a complete
    // minute) and trend (answers per minute gained each minute); the answer times are
    // MedianMs and Percentile90Ms.
    DrillAnswered,
    DrillCorrect,
    DrillWrong,
    DrillSpeed,
    DrillAccuracy,
    DrillFluctuation,
    DrillTrend,
};

// What a figure is: its stable name ("panker"), which way is better, whether a history's
// table leads with it, and its English name for a window to word (TEXTS_OF engine:history).
struct FigureInfo {
    FigureKey key;
    const char* name;
    Better better;
    // One of the few figures a table of sittings shows for its test: those that change most
    // with practice (the work amount and its steadiness) and the errors.
    bool main;
    Wording title;
};

namespace wording {

// clang-format off
inline constexpr FigureInfo kFigureInfos[] = {
    {FigureKey::Reached, "reached", Better::Higher, false, TranslatableText("Figure", "Pairs reached")},
    {FigureKey::Right, "right", Better::Higher, false, TranslatableText("Figure", "Right")},
    {FigureKey::Wrong, "wrong", Better::Lower, false, TranslatableText("Figure", "Wrong")},
    {FigureKey::Skipped, "skipped", Better::Lower, false, TranslatableText("Figure", "Skipped")},
    {FigureKey::Corrections, "corrections", Better::Neither, false, TranslatableText("Figure", "Corrections")},
    {FigureKey::MedianMs, "median_ms", Better::Lower, false, TranslatableText("Figure", "Median answer time (ms)")},
    {FigureKey::Percentile90Ms, "p90_ms", Better::Lower, false, TranslatableText("Figure", "90th percentile answer time (ms)")},
    {FigureKey::Panker, "panker", Better::Higher, true, TranslatableText("Figure", "Speed (panker)")},
    {FigureKey::Tianker, "tianker", Better::Lower, true, TranslatableText("Figure", "Accuracy (tianker)")},
    {FigureKey::JankerRange, "janker_range", Better::Lower, true, TranslatableText("Figure", "Steadiness (janker), range")},
    {FigureKey::JankerAverageDeviation, "janker_average_deviation", Better::Lower, false, TranslatableText("Figure", "Steadiness (janker), average deviation")},
    {FigureKey::HankerSlope, "hanker_slope", Better::Higher, false, TranslatableText("Figure", "Endurance (hanker), slope")},
    {FigureKey::HankerRise, "hanker_rise", Better::Higher, true, TranslatableText("Figure", "Endurance (hanker), rise")},
    {FigureKey::PankerRight, "panker_right", Better::Higher, false, TranslatableText("Figure", "Speed (panker), right answers per column")},
    {FigureKey::JankerStandardDeviation, "janker_sd", Better::Lower, false, TranslatableText("Figure", "Steadiness (janker), standard deviation")},
    {FigureKey::HankerSpan, "hanker_span", Better::Higher, false, TranslatableText("Figure", "Endurance (hanker), y(N) − y(0)")},
    {FigureKey::UchidaMean, "uchida_mean", Better::Higher, true, TranslatableText("Figure", "Work amount (作業量) per line")},
    {FigureKey::UchidaFirstMean, "uchida_first_mean", Better::Higher, false, TranslatableText("Figure", "First half, mean per line")},
    {FigureKey::UchidaSecondMean, "uchida_second_mean", Better::Higher, false, TranslatableText("Figure", "Second half, mean per line")},
    {FigureKey::UchidaFirstInitialEffort, "uchida_first_initial_effort", Better::Neither, false, TranslatableText("Figure", "First half, initial effort (初頭努力率)")},
    {FigureKey::UchidaSecondInitialEffort, "uchida_second_initial_effort", Better::Neither, false, TranslatableText("Figure", "Second half, initial effort (初頭努力率)")},
    {FigureKey::UchidaFirstFluctuation, "uchida_first_fluctuation", Better::Neither, true, TranslatableText("Figure", "First half, fluctuation (動揺率)")},
    {FigureKey::UchidaSecondFluctuation, "uchida_second_fluctuation", Better::Neither, false, TranslatableText("Figure", "Second half, fluctuation (動揺率)")},
    {FigureKey::UchidaRestEffect, "uchida_rest_effect", Better::Higher, false, TranslatableText("Figure", "Rest effect (休憩効果率)")},
    {FigureKey::UchidaErrorPercent, "uchida_error_percent", Better::Lower, true, TranslatableText("Figure", "Errors in percent of the work")},
    {FigureKey::PauliTotal, "pauli_total", Better::Higher, true, TranslatableText("Figure", "Additions")},
    {FigureKey::PauliErrorPercent, "pauli_error_percent", Better::Lower, true, TranslatableText("Figure", "Error %")},
    {FigureKey::PauliAverageDeviation, "pauli_average_deviation", Better::Lower, true, TranslatableText("Figure", "Average deviation of the periods")},
    {FigureKey::PauliSlope, "pauli_slope", Better::Higher, false, TranslatableText("Figure", "Slope per period")},
    {FigureKey::PauliFirstPeriod, "pauli_first_period", Better::Higher, false, TranslatableText("Figure", "First period's additions")},
    {FigureKey::DrillAnswered, "drill_answered", Better::Higher, false, TranslatableText("Figure", "Answered")},
    {FigureKey::DrillCorrect, "drill_correct", Better::Higher, false, TranslatableText("Figure", "True")},
    {FigureKey::DrillWrong, "drill_wrong", Better::Lower, true, TranslatableText("Figure", "False")},
    {FigureKey::DrillSpeed, "drill_speed", Better::Higher, true, TranslatableText("Figure", "Speed (answers per minute)")},
    {FigureKey::DrillAccuracy, "drill_accuracy", Better::Higher, true, TranslatableText("Figure", "Accuracy (%)")},
    {FigureKey::DrillFluctuation, "drill_fluctuation", Better::Lower, true, TranslatableText("Figure", "Fluctuation (answers)")},
    {FigureKey::DrillTrend, "drill_trend", Better::Higher, false, TranslatableText("Figure", "Trend per minute")},
};
// clang-format on

} // namespace wording

// Every figure, in the order of FigureKey (wording::kFigureInfos).
std::span<const FigureInfo> AllFigures();
const FigureInfo& InfoOf(FigureKey key);
// The figure of that stable name; none for a name this version does not know (written by a
// newer one).
std::optional<FigureKey> FigureKeyNamed(std::string_view name);

struct Figure {
    FigureKey key = FigureKey::Reached;
    double value = 0.0;
    bool operator==(const Figure& other) const = default;
};

// A sitting's figures, each key at most once, in the order of FigureKey.
struct Figures {
    std::vector<Figure> items;

    std::optional<double> get(FigureKey key) const;
    // Sets or replaces the figure of `key`.
    void set(FigureKey key, double value);
    bool operator==(const Figures& other) const = default;
};

// A sitting's figures as text: "name=value" for each, separated by ';', values in the
// shortest decimal form that reads back to the same double ("panker=12.48;tianker=3").
std::string FiguresText(const Figures& figures);
// Reads FiguresText. Names this version does not know are left out; a value that is no
// finite number refuses the text, naming the figure in `error`.
std::optional<Figures> ParseFiguresText(std::string_view text, std::string& error);

} // namespace engine
