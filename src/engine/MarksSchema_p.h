// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/MarksFile.h"

#include <span>
#include <string_view>

namespace engine {

// What a test's marks file holds: the settings it must give, the features it must name a
// source for, and the figures its formulas and bands may name.
struct MarksSchema {
    MarkTest test;
    std::span<const std::string_view> settings;
    std::span<const std::string_view> features;
    std::span<const std::string_view> formulas;
};

namespace marks {

inline constexpr std::string_view kUchidaSettings[] = {
    "typical.u_edge_lines",
    "typical.fall_from_line",
    "typical.fall_to_line",
    "typical.fall_to_tolerance",
    "typical.rise_from_line",
    "typical.rise_to_line",
    "typical.end_spurt_lines",
    "typical.moderate_fluctuation_low",
    "typical.moderate_fluctuation_high",
    "typical.error_percent_at_most",
    "atypical.many_errors_percent_above",
    "atypical.large_drop_share",
    "atypical.large_spike_share",
    "atypical.violent_fluctuation_at_least",
    "atypical.no_fluctuation_at_most",
    "atypical.falling_second_half_below",
    "atypical.weak_start_below",
    "atypical.low_amount_below",
    "level_a.first_half_mean_at_least",
    "level_a.second_half_mean_at_least",
    "leaning.close_unmet_at_most",
    "leaning.partly_unmet_at_most",
    "leaning.partly_found_at_most",
};
// In the order of UchidaFeature (Marks.h).
inline constexpr std::string_view kUchidaFeatures[] = {
    "first_half_u_shape",  "early_fall_and_rise", "line_15_second_highest", "second_half_falls",
    "first_lines_highest", "second_half_higher",  "moderate_fluctuation",   "few_errors",
};
inline constexpr std::string_view kPauliSettings[] = {"first_period_mark", "late_peak_from_share", "early_dip_periods"};
// In the order of PauliMark (Marks.h).
inline constexpr std::string_view kPauliFeatures[] = {"first_period", "late_peak", "end_above_dip"};
// The figures Kraepelin's formulas and bands may name.
inline constexpr std::string_view kKraepelinFigures[] = {
    "panker",    "panker_right", "tianker",     "janker_range", "janker_average_deviation",
    "janker_sd", "hanker_slope", "hanker_rise", "hanker_span",
};

} // namespace marks

inline const MarksSchema& SchemaOf(MarkTest test) {
    static constexpr MarksSchema kKraepelin{MarkTest::Kraepelin, {}, {}, marks::kKraepelinFigures};
    static constexpr MarksSchema kUchida{MarkTest::Uchida, marks::kUchidaSettings, marks::kUchidaFeatures, {}};
    static constexpr MarksSchema kPauli{MarkTest::Pauli, marks::kPauliSettings, marks::kPauliFeatures, {}};
    switch (test) {
    case MarkTest::Kraepelin: return kKraepelin;
    case MarkTest::Uchida: return kUchida;
    case MarkTest::Pauli: return kPauli;
    }
    return kKraepelin;
}

} // namespace engine
