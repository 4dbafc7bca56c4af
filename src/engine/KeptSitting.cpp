// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/KeptSitting.h"

#include "engine/SheetTitles.h"
#include "engine/Statistics.h"

#include <string_view>

namespace engine {
namespace {

void SetIf(Figures& figures, FigureKey key, const std::optional<double>& value) {
    if (value) figures.set(key, *value);
}

std::vector<double> Heights(const SheetScores& scores, bool rightOnly) {
    std::vector<double> heights;
    for (std::size_t i = 0; i < scores.completePeriods; ++i)
        heights.push_back(rightOnly ? scores.periods[i].right : scores.periods[i].reached);
    return heights;
}

void KraepelinFigures(const SheetScores& scores, Figures& figures) {
    const KraepelinScores& k = *scores.kraepelin;
    SetIf(figures, FigureKey::Panker, k.speed);
    figures.set(FigureKey::Tianker, static_cast<double>(k.accuracy));
    if (k.range) figures.set(FigureKey::JankerRange, *k.range);
    SetIf(figures, FigureKey::JankerAverageDeviation, k.averageDeviation);
    if (k.line) figures.set(FigureKey::HankerSlope, k.line->slope);
    SetIf(figures, FigureKey::HankerRise, k.rise);
    // The other published formulas: right answers only, the standard deviation, and the line
    // from column 0 to column N.
    const std::vector<double> heights = Heights(scores, false);
    SetIf(figures, FigureKey::PankerRight, Mean(Heights(scores, true)));
    SetIf(figures, FigureKey::JankerStandardDeviation, StandardDeviation(heights));
    if (k.line) figures.set(FigureKey::HankerSpan, k.line->at(static_cast<double>(heights.size())) - k.line->at(0.0));
}

void UchidaFigures(const SheetScores& scores, Figures& figures) {
    const UchidaScores& u = *scores.uchida;
    SetIf(figures, FigureKey::UchidaMean, Mean(Heights(scores, false)));
    SetIf(figures, FigureKey::UchidaFirstMean, u.first.meanAmount);
    SetIf(figures, FigureKey::UchidaFirstInitialEffort, u.first.initialEffort);
    SetIf(figures, FigureKey::UchidaFirstFluctuation, u.first.fluctuation);
    if (u.second) {
        SetIf(figures, FigureKey::UchidaSecondMean, u.second->meanAmount);
        SetIf(figures, FigureKey::UchidaSecondInitialEffort, u.second->initialEffort);
        SetIf(figures, FigureKey::UchidaSecondFluctuation, u.second->fluctuation);
    }
    SetIf(figures, FigureKey::UchidaRestEffect, u.restEffect);
    if (scores.reached > 0)
        figures.set(FigureKey::UchidaErrorPercent,
                    100.0 * static_cast<double>(scores.wrong + scores.skipped) / static_cast<double>(scores.reached));
}

void PauliFigures(const SheetScores& scores, Figures& figures) {
    const PauliScores& p = *scores.pauli;
    figures.set(FigureKey::PauliTotal, static_cast<double>(p.total));
    SetIf(figures, FigureKey::PauliErrorPercent, p.errorPercent);
    SetIf(figures, FigureKey::PauliAverageDeviation, p.averageDeviation);
    if (p.line) figures.set(FigureKey::PauliSlope, p.line->slope);
    if (scores.completePeriods > 0) figures.set(FigureKey::PauliFirstPeriod, scores.periods.front().reached);
}

const char* OrderWord(WorkOrder order) {
    switch (order) {
    case WorkOrder::BottomUp: return "columns-up";
    case WorkOrder::TopDown: return "columns-down";
    case WorkOrder::LeftToRight: return "lines";
    }
    return "";
}

} // namespace

KeptEnd KeptEndOf(SittingEnd end) {
    switch (end) {
    case SittingEnd::TimeUp: return KeptEnd::TimeUp;
    case SittingEnd::Stopped: return KeptEnd::Stopped;
    case SittingEnd::WorkedThrough: return KeptEnd::WorkedThrough;
    }
    return KeptEnd::NotRecorded;
}

std::string FormatKeyOf(const SheetFormat& format) {
    if (format.name != "custom") return format.name + (format.practice ? "/practice" : "");
    std::string key = "custom/";
    key += OrderWord(format.order);
    key += '/' + std::to_string(format.units) + 'x' + std::to_string(format.digitsPerUnit);
    key += '/' + std::to_string(format.secondsPerUnit) + 's';
    if (format.hasBreak())
        key += "/break" + std::to_string(format.breakAfter) + '+' + std::to_string(format.breakSeconds);
    key += '/' + std::to_string(format.lowestDigit) + '-' + std::to_string(format.highestDigit);
    if (format.noRepeat) key += "/norepeat";
    return key;
}

std::string KeptSitting::formatKey() const {
    if (const KeptSheet* kept = sheet()) return FormatKeyOf(kept->format);
    return std::string(kDrillFormatKey);
}

Figures FiguresOf(const SheetFormat& format, const SheetScores& scores) {
    (void)format;
    Figures figures;
    figures.set(FigureKey::Reached, static_cast<double>(scores.reached));
    figures.set(FigureKey::Right, static_cast<double>(scores.right));
    figures.set(FigureKey::Wrong, static_cast<double>(scores.wrong));
    figures.set(FigureKey::Skipped, static_cast<double>(scores.skipped));
    figures.set(FigureKey::Corrections, static_cast<double>(scores.corrections));
    if (scores.times.median) figures.set(FigureKey::MedianMs, *scores.times.median);
    if (scores.times.percentile90) figures.set(FigureKey::Percentile90Ms, *scores.times.percentile90);
    if (scores.kraepelin) KraepelinFigures(scores, figures);
    if (scores.uchida) UchidaFigures(scores, figures);
    if (scores.pauli) PauliFigures(scores, figures);
    return figures;
}

Figures FiguresOf(const WorkCurve& curve) {
    Figures figures;
    figures.set(FigureKey::DrillAnswered, static_cast<double>(curve.answered));
    figures.set(FigureKey::DrillCorrect, static_cast<double>(curve.correct));
    figures.set(FigureKey::DrillWrong, static_cast<double>(curve.wrong));
    SetIf(figures, FigureKey::DrillSpeed, curve.speed);
    SetIf(figures, FigureKey::DrillAccuracy, curve.accuracy);
    if (curve.fluctuation) figures.set(FigureKey::DrillFluctuation, *curve.fluctuation);
    SetIf(figures, FigureKey::DrillTrend, curve.trend);
    if (curve.times.median) figures.set(FigureKey::MedianMs, *curve.times.median);
    if (curve.times.percentile90) figures.set(FigureKey::Percentile90Ms, *curve.times.percentile90);
    return figures;
}

KeptSitting KeepSheet(const SheetFormat& format, std::span<const SheetAnswer> record, std::optional<std::uint64_t> seed,
                      SittingEnd end, std::uint64_t elapsedMs, SittingTime endedAt) {
    KeptSitting kept;
    kept.endedAt = endedAt;
    kept.end = KeptEndOf(end);
    kept.content = KeptSheet{format, seed, elapsedMs, {record.begin(), record.end()}};
    kept.figures = FiguresOf(format, ScoreSheet(format, record, elapsedMs));
    return kept;
}

KeptSitting KeepDrill(std::span<const RecordedAnswer> record, RunLength length, KeptEnd end, SittingTime endedAt,
                      std::uint64_t plannedMinutes) {
    KeptSitting kept;
    kept.endedAt = endedAt;
    kept.end = end;
    kept.content = KeptDrill{length, plannedMinutes, {record.begin(), record.end()}};
    kept.figures = FiguresOf(AnalyseWorkCurve(record, length));
    return kept;
}

SheetFormat RestoredFormat(SheetFormat parameters) {
    if (parameters.name == "custom") {
        const bool lines = parameters.order == WorkOrder::LeftToRight;
        parameters.title = FormatTitle(lines ? wording::kCustomLinesTitle : wording::kCustomColumnsTitle,
                                       std::to_string(parameters.units));
        return parameters;
    }
    for (const PresetTitles& titles : wording::kPresetTitles) {
        if (parameters.name == titles.name) {
            parameters.title = FormatTitle(parameters.practice ? titles.practice : titles.full);
            return parameters;
        }
    }
    parameters.title = parameters.name;
    return parameters;
}

} // namespace engine
