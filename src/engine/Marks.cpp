// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Marks.h"

#include "engine/KeptSitting.h"
#include "engine/MarksSchema_p.h"
#include "engine/Statistics.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>
#include <span>
#include <string_view>

namespace engine {
namespace {

// The settings of a parsed file, by key; ParseMarksFile made sure each is there.
class Settings {
public:
    explicit Settings(const MarksFile& file) : file_(file) {}
    double operator()(std::string_view key) const { return file_.setting(key)->value; }
    std::size_t line(std::string_view key) const { return static_cast<std::size_t>(std::lround((*this)(key))); }
    // The source of a feature, then those of the settings it is judged by, each once.
    std::vector<std::string> sources(std::string_view feature, std::initializer_list<std::string_view> keys) const {
        std::vector<std::string> ids;
        if (const MarkReference* reference = file_.feature(feature)) ids.push_back(reference->source);
        for (const std::string_view key : keys) {
            const std::string& id = file_.setting(key)->source;
            if (std::find(ids.begin(), ids.end(), id) == ids.end()) ids.push_back(id);
        }
        return ids;
    }

private:
    const MarksFile& file_;
};

Places Run(std::size_t first, std::size_t last) {
    Places places;
    for (std::size_t place = first; place <= last; ++place) places.push_back(static_cast<std::uint32_t>(place));
    return places;
}

// The mean of lines `first` to `last` (from 1) of `amounts`.
double MeanOf(std::span<const double> amounts, std::size_t first, std::size_t last) {
    return *Mean(amounts.subspan(first - 1, last - first + 1));
}

// The lines (from 1, offset by `base`) of the highest and the lowest of `amounts`.
Places Extremes(std::span<const double> amounts, std::size_t base) {
    const auto [low, high] = std::minmax_element(amounts.begin(), amounts.end());
    Places places{static_cast<std::uint32_t>(base + (high - amounts.begin()) + 1),
                  static_cast<std::uint32_t>(base + (low - amounts.begin()) + 1)};
    std::sort(places.begin(), places.end());
    return places;
}

NoVerdict Applies(const SheetFormat& format, std::string_view preset, MarkTest fileTest, MarkTest test,
                  std::size_t completePeriods, std::size_t periods) {
    if (fileTest != test) return NoVerdict::OtherTest;
    if (format.name == "custom") return NoVerdict::CustomSheet;
    if (format.name != preset) return NoVerdict::OtherTest;
    if (format.practice) return NoVerdict::PracticeVersion;
    if (completePeriods < periods) return NoVerdict::Incomplete;
    return NoVerdict::None;
}

// One half of an Uchida-Kraepelin sheet: its lines' amounts and where it starts.
struct Half {
    std::span<const double> amounts;
    std::size_t base;

    double mean() const { return *Mean(amounts); }
    double fluctuation() const { return mean() > 0.0 ? *Range(amounts) / mean() : 0.0; }
    std::uint32_t line(std::size_t index) const { return static_cast<std::uint32_t>(base + index + 1); }
};

UchidaFeatureMark Feature(UchidaFeature feature, bool met, Places lines, std::vector<std::string> sources) {
    return {feature, met, std::move(lines), std::move(sources)};
}

// 1. The mean of the first and of the last lines both above the lines between.
UchidaFeatureMark FirstHalfUShape(std::span<const double> a, const Settings& s) {
    const std::size_t n = a.size();
    const std::size_t edge = std::clamp<std::size_t>(s.line("typical.u_edge_lines"), 1, (n - 1) / 2);
    const double start = MeanOf(a, 1, edge), middle = MeanOf(a, edge + 1, n - edge), end = MeanOf(a, n - edge + 1, n);
    Places broken;
    if (start <= middle) broken = Run(1, edge);
    if (end <= middle) {
        const Places late = Run(n - edge + 1, n);
        broken.insert(broken.end(), late.begin(), late.end());
    }
    return Feature(UchidaFeature::FirstHalfUShape, broken.empty(), broken.empty() ? Run(1, n) : broken,
                   s.sources("first_half_u_shape", {"typical.u_edge_lines"}));
}

// 2. The lowest of the lines after the fall's first line, up to the rise's last, near the
// fall's last line, below the fall's first line, and the rise's lines above it on the mean.
UchidaFeatureMark EarlyFallAndRise(std::span<const double> a, const Settings& s) {
    const std::size_t n = a.size();
    const std::size_t fallFrom = std::clamp<std::size_t>(s.line("typical.fall_from_line"), 1, n - 1);
    const std::size_t riseTo = std::clamp<std::size_t>(s.line("typical.rise_to_line"), fallFrom + 1, n);
    const std::size_t riseFrom = std::clamp<std::size_t>(s.line("typical.rise_from_line"), fallFrom + 1, riseTo);
    const auto lowest = std::min_element(a.begin() + static_cast<std::ptrdiff_t>(fallFrom),
                                         a.begin() + static_cast<std::ptrdiff_t>(riseTo));
    const std::size_t lowLine = static_cast<std::size_t>(lowest - a.begin()) + 1;
    const bool nearFall =
        std::abs(static_cast<double>(lowLine) - s("typical.fall_to_line")) <= s("typical.fall_to_tolerance");
    const bool fell = a[fallFrom - 1] > *lowest;
    const bool rose = MeanOf(a, riseFrom, riseTo) > *lowest;
    const bool fallAndRise = nearFall && fell && rose;
    Places broken;
    if (!nearFall || !fell) broken.push_back(static_cast<std::uint32_t>(lowLine));
    if (!fell || fallAndRise) broken.push_back(static_cast<std::uint32_t>(fallFrom));
    if (!rose || fallAndRise) {
        const Places rise = Run(riseFrom, riseTo);
        broken.insert(broken.end(), rise.begin(), rise.end());
    }
    if (fallAndRise) broken.push_back(static_cast<std::uint32_t>(lowLine));
    std::sort(broken.begin(), broken.end());
    broken.erase(std::unique(broken.begin(), broken.end()), broken.end());
    return Feature(
        UchidaFeature::EarlyFallAndRise, fallAndRise, broken,
        s.sources("early_fall_and_rise", {"typical.fall_from_line", "typical.fall_to_line", "typical.fall_to_tolerance",
                                          "typical.rise_from_line", "typical.rise_to_line"}));
}

std::vector<UchidaFeatureMark> TypicalFeatures(const Half& first, const Half& second, double errorPercent,
                                               std::span<const PeriodScores> lines, const Settings& s) {
    const std::span<const double> a = first.amounts;
    const std::size_t n = a.size();
    std::vector<UchidaFeatureMark> marks{FirstHalfUShape(a, s), EarlyFallAndRise(a, s)};
    Places broken;

    // 3. The half's last line at least every line but the first, and the first at least it.
    broken.clear();
    if (a[n - 1] > a[0]) broken.push_back(first.line(0));
    for (std::size_t i = 1; i + 1 < n; ++i) {
        if (a[i] > a[n - 1]) broken.push_back(first.line(i));
    }
    const bool secondOnly = broken.empty();
    if (secondOnly) broken.push_back(first.line(0));
    broken.push_back(first.line(n - 1));
    marks.push_back(
        Feature(UchidaFeature::Line15SecondHighest, secondOnly, broken, s.sources("line_15_second_highest", {})));

    // 4. The second half's line falls, and its last line is not above all of those just before.
    const std::span<const double> b = second.amounts;
    const bool falls = FitLine(b)->slope < 0.0;
    const std::size_t spurtLines = std::clamp<std::size_t>(s.line("typical.end_spurt_lines"), 1, b.size() - 1);
    const bool spurt = std::all_of(b.end() - 1 - static_cast<std::ptrdiff_t>(spurtLines), b.end() - 1,
                                   [&](double amount) { return b.back() > amount; });
    const Places secondLines = Run(second.base + 1, second.base + b.size());
    marks.push_back(
        Feature(UchidaFeature::SecondHalfFalls, falls && !spurt,
                falls && spurt ? Run(second.base + b.size() - spurtLines, second.base + b.size()) : secondLines,
                s.sources("second_half_falls", {"typical.end_spurt_lines"})));

    // 5. Each half's first line its highest, the second half's the highest of both.
    std::set<std::uint32_t> above;
    for (std::size_t i = 1; i < n; ++i) {
        if (a[i] > a[0]) above.insert(first.line(i));
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] > b[0]) above.insert(first.line(i));
    }
    for (std::size_t i = 1; i < b.size(); ++i) {
        if (b[i] > b[0]) above.insert(second.line(i));
    }
    const bool highest = above.empty();
    above.insert({first.line(0), second.line(0)});
    marks.push_back(Feature(UchidaFeature::FirstLinesHighest, highest, Places(above.begin(), above.end()),
                            s.sources("first_lines_highest", {})));

    // 6. The second half's mean above the first's.
    const bool higher = second.mean() > first.mean();
    marks.push_back(Feature(UchidaFeature::SecondHalfHigher, higher, secondLines, s.sources("second_half_higher", {})));

    // 7. Each half's fluctuation rate within the moderate range.
    broken.clear();
    for (const Half* half : {&first, &second}) {
        const double rate = half->fluctuation();
        if (rate < s("typical.moderate_fluctuation_low") || rate > s("typical.moderate_fluctuation_high")) {
            const Places extremes = Extremes(half->amounts, half->base);
            broken.insert(broken.end(), extremes.begin(), extremes.end());
        }
    }
    marks.push_back(Feature(
        UchidaFeature::ModerateFluctuation, broken.empty(), broken.empty() ? Run(1, n + b.size()) : broken,
        s.sources("moderate_fluctuation", {"typical.moderate_fluctuation_low", "typical.moderate_fluctuation_high"})));

    // 8. Errors at most the share of the work.
    Places withErrors;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].errors() > 0) withErrors.push_back(static_cast<std::uint32_t>(i + 1));
    }
    marks.push_back(Feature(UchidaFeature::FewErrors, errorPercent <= s("typical.error_percent_at_most"), withErrors,
                            s.sources("few_errors", {"typical.error_percent_at_most"})));
    return marks;
}

std::vector<UchidaAtypicalMark> AtypicalFeatures(const Half& first, const Half& second, double errorPercent,
                                                 std::span<const PeriodScores> lines, const Settings& s) {
    std::vector<UchidaAtypicalMark> marks;
    const auto add = [&](UchidaAtypical feature, bool found, Places where, std::string_view key) {
        marks.push_back({feature, found, found ? std::move(where) : Places{}, {s.sources("", {key})}});
    };
    Places withErrors;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].errors() > 0) withErrors.push_back(static_cast<std::uint32_t>(i + 1));
    }
    add(UchidaAtypical::ManyErrors, errorPercent > s("atypical.many_errors_percent_above"), withErrors,
        "atypical.many_errors_percent_above");

    // A line against the mean of its two neighbours in its half, by a share of the half's mean.
    Places drops, spikes;
    for (const Half* half : {&first, &second}) {
        const std::span<const double> a = half->amounts;
        for (std::size_t i = 1; i + 1 < a.size(); ++i) {
            const double neighbours = (a[i - 1] + a[i + 1]) / 2.0;
            if (a[i] <= neighbours - s("atypical.large_drop_share") * half->mean()) drops.push_back(half->line(i));
            if (a[i] >= neighbours + s("atypical.large_spike_share") * half->mean()) spikes.push_back(half->line(i));
        }
    }
    add(UchidaAtypical::LargeDrop, !drops.empty(), drops, "atypical.large_drop_share");
    add(UchidaAtypical::LargeSpike, !spikes.empty(), spikes, "atypical.large_spike_share");

    Places violent, flat;
    for (const Half* half : {&first, &second}) {
        const double rate = half->fluctuation();
        if (rate >= s("atypical.violent_fluctuation_at_least")) {
            const Places extremes = Extremes(half->amounts, half->base);
            violent.insert(violent.end(), extremes.begin(), extremes.end());
        }
        if (rate <= s("atypical.no_fluctuation_at_most")) {
            const Places all = Run(half->base + 1, half->base + half->amounts.size());
            flat.insert(flat.end(), all.begin(), all.end());
        }
    }
    add(UchidaAtypical::ViolentFluctuation, !violent.empty(), violent, "atypical.violent_fluctuation_at_least");
    add(UchidaAtypical::NoFluctuation, !flat.empty(), flat, "atypical.no_fluctuation_at_most");

    const Places secondLines = Run(second.base + 1, second.base + second.amounts.size());
    const double restEffect = first.mean() > 0.0 ? second.mean() / first.mean() : 0.0;
    add(UchidaAtypical::FallingSecondHalf, restEffect < s("atypical.falling_second_half_below"), secondLines,
        "atypical.falling_second_half_below");
    add(UchidaAtypical::WeakStartAfterBreak, second.amounts[0] < second.mean() * s("atypical.weak_start_below"),
        {second.line(0)}, "atypical.weak_start_below");
    const double mean = (first.mean() + second.mean()) / 2.0;
    add(UchidaAtypical::LowAmount, mean < s("atypical.low_amount_below"),
        Run(1, first.amounts.size() + second.amounts.size()), "atypical.low_amount_below");
    return marks;
}

} // namespace

UchidaMarks MarkUchida(const SheetFormat& format, const SheetScores& scores, const MarksFile& marks) {
    UchidaMarks result;
    result.reason = Applies(format, "uchida", marks.test, MarkTest::Uchida, scores.completePeriods, format.units);
    // The marks describe two halves of at least the lines their settings name.
    if (result.reason == NoVerdict::None &&
        (!format.hasBreak() || format.breakAfter < 4 || format.units - format.breakAfter < 4))
        result.reason = NoVerdict::OtherTest;
    if (result.reason != NoVerdict::None) return result;

    const Settings s(marks);
    std::vector<double> amounts;
    for (std::size_t i = 0; i < format.units; ++i) amounts.push_back(scores.periods[i].reached);
    const std::span<const double> all(amounts);
    const Half first{all.first(format.breakAfter), 0};
    const Half second{all.subspan(format.breakAfter), format.breakAfter};
    const std::span<const PeriodScores> lines = std::span(scores.periods).first(format.units);
    double reached = 0.0, errors = 0.0;
    for (const PeriodScores& line : lines) {
        reached += line.reached;
        errors += line.errors();
    }
    const double errorPercent = reached > 0.0 ? 100.0 * errors / reached : 0.0;

    UchidaVerdict verdict;
    verdict.typical = TypicalFeatures(first, second, errorPercent, lines, s);
    verdict.atypical = AtypicalFeatures(first, second, errorPercent, lines, s);
    verdict.firstHalfMean = first.mean();
    verdict.secondHalfMean = second.mean();
    verdict.levelA = verdict.firstHalfMean >= s("level_a.first_half_mean_at_least") &&
                     verdict.secondHalfMean >= s("level_a.second_half_mean_at_least");
    verdict.levelASources = s.sources("", {"level_a.first_half_mean_at_least", "level_a.second_half_mean_at_least"});
    verdict.unmet = static_cast<std::size_t>(
        std::count_if(verdict.typical.begin(), verdict.typical.end(), [](const auto& m) { return !m.met; }));
    verdict.found = static_cast<std::size_t>(
        std::count_if(verdict.atypical.begin(), verdict.atypical.end(), [](const auto& m) { return m.found; }));
    if (static_cast<double>(verdict.unmet) <= s("leaning.close_unmet_at_most") && verdict.found == 0)
        verdict.leaning = UchidaLeaning::CloseToTypical;
    else if (static_cast<double>(verdict.unmet) <= s("leaning.partly_unmet_at_most") &&
             static_cast<double>(verdict.found) <= s("leaning.partly_found_at_most"))
        verdict.leaning = UchidaLeaning::Partly;
    else
        verdict.leaning = UchidaLeaning::Far;
    verdict.leaningSources =
        s.sources("", {"leaning.close_unmet_at_most", "leaning.partly_unmet_at_most", "leaning.partly_found_at_most"});
    result.verdict = std::move(verdict);
    return result;
}

bool KraepelinMarks::disagree(FigureKey figure) const {
    std::optional<Band> seen;
    for (const BandVerdict& verdict : verdicts) {
        if (verdict.figure != figure) continue;
        if (seen && *seen != verdict.band) return true;
        seen = verdict.band;
    }
    return false;
}

KraepelinMarks MarkKraepelin(const SheetFormat& format, const SheetScores& scores, const MarksFile& marks) {
    KraepelinMarks result;
    if (marks.test != MarkTest::Kraepelin || format.family != ScoreFamily::Kraepelin) {
        result.reason = NoVerdict::OtherTest;
        return result;
    }
    const Figures figures = FiguresOf(format, scores);
    constexpr std::pair<FigureKey, FigureKey> kPairs[] = {
        {FigureKey::Panker, FigureKey::PankerRight},
        {FigureKey::JankerAverageDeviation, FigureKey::JankerStandardDeviation},
        {FigureKey::HankerRise, FigureKey::HankerSpan}};
    for (const auto& [ours, published] : kPairs) {
        const auto reference = std::find_if(marks.formulas.begin(), marks.formulas.end(),
                                            [&](const MarkReference& f) { return f.name == InfoOf(published).name; });
        result.formulas.push_back({ours, published, figures.get(ours), figures.get(published),
                                   reference == marks.formulas.end() ? std::string() : reference->source});
    }

    const std::string_view preset = format.name == "kraepelin-30" ? "kraepelin-30" : "kraepelin-15";
    result.reason = Applies(format, preset, marks.test, MarkTest::Kraepelin, scores.completePeriods, format.units);
    if (result.reason != NoVerdict::None) return result;
    for (const BandTable& table : marks.bands) {
        if (const std::optional<double> value = figures.get(table.figure))
            result.verdicts.push_back({table.figure, *value, BandOf(table, *value), table.source});
    }
    for (const BandExample& example : marks.examples) {
        if (figures.get(example.figure)) result.examples.push_back(example);
    }
    return result;
}

PauliMarks MarkPauli(const SheetFormat& format, const SheetScores& scores, const MarksFile& marks) {
    PauliMarks result;
    result.reason =
        Applies(format, "pauli", marks.test, MarkTest::Pauli, scores.completePeriods, format.strokePeriods());
    const Settings s(marks);
    const std::size_t dipPeriods = result.reason == NoVerdict::None ? s.line("early_dip_periods") : 0;
    // The marks need periods after the early dip.
    if (result.reason == NoVerdict::None && (scores.completePeriods < 2 || dipPeriods >= scores.completePeriods))
        result.reason = NoVerdict::Incomplete;
    if (result.reason != NoVerdict::None) return result;

    std::vector<double> additions;
    for (std::size_t i = 0; i < scores.completePeriods; ++i) additions.push_back(scores.periods[i].reached);
    const std::size_t n = additions.size();

    PauliMarkResult first{PauliMark::FirstPeriod,
                          false,
                          {1},
                          additions[0],
                          s("first_period_mark"),
                          s.sources("first_period", {"first_period_mark"})};
    first.met = first.value >= first.against;
    result.marks.push_back(first);

    // The peak: the most additions, the later of equals.
    std::size_t peak = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (additions[i] >= additions[peak]) peak = i;
    }
    const double lateFrom = std::ceil(s("late_peak_from_share") * static_cast<double>(n));
    PauliMarkResult late{PauliMark::LatePeak,
                         static_cast<double>(peak) >= lateFrom,
                         {static_cast<std::uint32_t>(peak + 1)},
                         static_cast<double>(peak + 1),
                         lateFrom + 1,
                         s.sources("late_peak", {"late_peak_from_share"})};
    result.marks.push_back(late);

    const auto dip = std::min_element(additions.begin(), additions.begin() + static_cast<std::ptrdiff_t>(dipPeriods));
    const auto dipPeriod = static_cast<std::uint32_t>(dip - additions.begin() + 1);
    PauliMarkResult end{PauliMark::EndAboveDip,
                        additions.back() > *dip,
                        {dipPeriod, static_cast<std::uint32_t>(n)},
                        additions.back(),
                        *dip,
                        s.sources("end_above_dip", {"early_dip_periods"})};
    result.marks.push_back(end);
    return result;
}

} // namespace engine
