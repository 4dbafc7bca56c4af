// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Figures.h"
#include "engine/MarksFile.h"
#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"
#include "engine/Wording.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where a sitting stands against the published marks of its test, as data: each mark met or
// not, with the lines or periods involved, its figures and the ids of its sources in the
// marks file (MarksFile.h). A window words them (MarkTexts.h) and shows each as a reference
// from its source: a practice figure, not a norm and not a psychological assessment.
namespace engine {

// Why a sitting gets no verdict.
enum class NoVerdict {
    // It gets one.
    None,
    // A practice version is not the test its marks were published for.
    PracticeVersion,
    // Nor is a custom sheet.
    CustomSheet,
    // The marks file is for another test.
    OtherTest,
    // It was stopped before its last column, line or period was complete.
    Incomplete,
};

// Lines, columns or periods, counted from 1 as the sheet counts them.
using Places = std::vector<std::uint32_t>;

// The eight features of Uchida-Kraepelin's typical curve (定型曲線).
enum class UchidaFeature {
    // The first half is U-shaped.
    FirstHalfUShape,
    // A fall from line 2 to about line 5, and a rise again over lines 6 to 10.
    EarlyFallAndRise,
    // Line 15 second only to line 1.
    Line15SecondHighest,
    // The second half slopes down, without an end spurt.
    SecondHalfFalls,
    // Line 1 the highest of each half, and the second half's line 1 the highest of all.
    FirstLinesHighest,
    // The second half higher than the first.
    SecondHalfHigher,
    // Moderate fluctuation.
    ModerateFluctuation,
    // Errors at most 1 % of the work.
    FewErrors,
};

// The non-typical features.
enum class UchidaAtypical {
    ManyErrors,
    LargeDrop,
    LargeSpike,
    ViolentFluctuation,
    NoFluctuation,
    FallingSecondHalf,
    WeakStartAfterBreak,
    LowAmount,
};

enum class UchidaLeaning { CloseToTypical, Partly, Far };

struct UchidaFeatureMark {
    UchidaFeature feature = UchidaFeature::FirstHalfUShape;
    bool met = false;
    // Met: the lines that show it. Not met: the lines that break it, where the curve shows it.
    Places lines;
    // The source that describes the feature, then those of the settings it was judged with.
    std::vector<std::string> sources;
};

struct UchidaAtypicalMark {
    UchidaAtypical feature = UchidaAtypical::ManyErrors;
    bool found = false;
    // The lines where it was found.
    Places lines;
    std::vector<std::string> sources;
};

struct UchidaVerdict {
    // In the order of UchidaFeature and UchidaAtypical.
    std::vector<UchidaFeatureMark> typical;
    std::vector<UchidaAtypicalMark> atypical;
    // The work-amount level Ⓐ: each half's mean per line at its mark, or below.
    double firstHalfMean = 0.0;
    double secondHalfMean = 0.0;
    bool levelA = false;
    std::vector<std::string> levelASources;
    std::size_t unmet = 0;
    std::size_t found = 0;
    UchidaLeaning leaning = UchidaLeaning::Far;
    std::vector<std::string> leaningSources;
};

struct UchidaMarks {
    NoVerdict reason = NoVerdict::None;
    std::optional<UchidaVerdict> verdict;
};

// An Uchida-Kraepelin sheet against `marks` (an Uchida file): only the full test with all its
// 30 lines complete gets a verdict.
UchidaMarks MarkUchida(const SheetFormat& format, const SheetScores& scores, const MarksFile& marks);

// One of the published formulas beside the program's own, both worked out for this sitting.
struct FormulaMark {
    FigureKey ours = FigureKey::Panker;
    FigureKey published = FigureKey::PankerRight;
    std::optional<double> oursValue;
    std::optional<double> publishedValue;
    std::string source;
};

// One source's band for one figure.
struct BandVerdict {
    FigureKey figure = FigureKey::Panker;
    double value = 0.0;
    Band band = Band::Sedang;
    std::string source;
};

struct KraepelinMarks {
    NoVerdict reason = NoVerdict::None;
    // Panker as the mean of right answers per column, janker as the standard deviation, hanker
    // as y(N) − y(0), each beside the program's own (shown also without a verdict).
    std::vector<FormulaMark> formulas;
    // Every band table's verdict, by figure, in the order of the file: where sources disagree
    // there are several for one figure.
    std::vector<BandVerdict> verdicts;
    // The values published reports rated, for the figures this sitting has.
    std::vector<BandExample> examples;

    // More than one band for `figure` among the verdicts.
    bool disagree(FigureKey figure) const;
};

// A Kraepelin sheet against `marks` (a Kraepelin file): the formulas for any Kraepelin sheet,
// the bands only for a full preset with all its columns complete.
KraepelinMarks MarkKraepelin(const SheetFormat& format, const SheetScores& scores, const MarksFile& marks);

enum class PauliMark { FirstPeriod, LatePeak, EndAboveDip };

struct PauliMarkResult {
    PauliMark mark = PauliMark::FirstPeriod;
    bool met = false;
    // The periods involved: the first; the peak; the dip and the end.
    Places periods;
    // The figures compared: the first period's additions and the mark; the peak's period and
    // the first late period; the dip's additions and the end's.
    double value = 0.0;
    double against = 0.0;
    std::vector<std::string> sources;
};

struct PauliMarks {
    NoVerdict reason = NoVerdict::None;
    std::vector<PauliMarkResult> marks;
};

// A Pauli sheet against `marks` (a Pauli file): only the full hour with all its periods
// complete gets a verdict.
PauliMarks MarkPauli(const SheetFormat& format, const SheetScores& scores, const MarksFile& marks);

} // namespace engine
