// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Marks.h"
#include "engine/Wording.h"

// The English words of the marks (Marks.h), which the catalog of the window that shows them
// translates (tavrendale_catalog ... TEXTS_OF engine:marks). The verdicts themselves are data:
// a window puts their figures and lines into these texts.
namespace engine {
namespace wording {

//: Under every mark shown; %1 names its sources, each with its title and date (or "Tavrendale's own figure").
inline constexpr Wording kMarkReference =
    TranslatableText("Marks", "reference from %1 — practice figure, not a norm and not a psychological assessment");

//: Why a sitting is held against no published marks.
inline constexpr Wording kNoVerdictPractice =
    TranslatableText("Marks", "No verdict: the practice version is not the test the marks were published for.");
inline constexpr Wording kNoVerdictCustom =
    TranslatableText("Marks", "No verdict: a custom sheet is not the test the marks were published for.");
inline constexpr Wording kNoVerdictOtherTest =
    TranslatableText("Marks", "No verdict: these marks are for another test.");
inline constexpr Wording kNoVerdictIncomplete =
    TranslatableText("Marks", "No verdict: the marks are for a whole sitting, and this one was stopped early.");

//: The eight features of Uchida-Kraepelin's typical curve (定型曲線).
inline constexpr Wording kFeatureUShape = TranslatableText("Marks", "First half U-shaped");
inline constexpr Wording kFeatureEarlyFallAndRise =
    TranslatableText("Marks", "A fall from line 2 to about line 5, a rise again over lines 6–10");
inline constexpr Wording kFeatureLine15 = TranslatableText("Marks", "Line 15 second only to line 1");
inline constexpr Wording kFeatureSecondHalfFalls =
    TranslatableText("Marks", "Second half sloping down, without an end spurt");
inline constexpr Wording kFeatureFirstLinesHighest =
    TranslatableText("Marks", "Line 1 the highest of each half, line 16 the highest of all");
inline constexpr Wording kFeatureSecondHalfHigher = TranslatableText("Marks", "Second half higher than the first");
inline constexpr Wording kFeatureModerateFluctuation = TranslatableText("Marks", "Moderate fluctuation");
inline constexpr Wording kFeatureFewErrors = TranslatableText("Marks", "Errors at most 1 % of the work");

//: The non-typical features of an Uchida-Kraepelin curve.
inline constexpr Wording kAtypicalManyErrors = TranslatableText("Marks", "Many errors");
inline constexpr Wording kAtypicalLargeDrop = TranslatableText("Marks", "A large drop");
inline constexpr Wording kAtypicalLargeSpike = TranslatableText("Marks", "A large spike");
inline constexpr Wording kAtypicalViolentFluctuation = TranslatableText("Marks", "Violent fluctuation");
inline constexpr Wording kAtypicalNoFluctuation = TranslatableText("Marks", "No fluctuation at all");
inline constexpr Wording kAtypicalFallingSecondHalf = TranslatableText("Marks", "A falling second half");
inline constexpr Wording kAtypicalWeakStart = TranslatableText("Marks", "A weak start after the break");
inline constexpr Wording kAtypicalLowAmount = TranslatableText("Marks", "A low amount");

//: A mark met or not, a feature found or not; %1 is the mark, %2 the lines involved ("2, 5–10").
inline constexpr Wording kMarkMet = TranslatableText("Marks", "%1: met (lines %2)");
inline constexpr Wording kMarkNotMet = TranslatableText("Marks", "%1: not met (lines %2)");
inline constexpr Wording kFeatureFound = TranslatableText("Marks", "%1: found (lines %2)");
inline constexpr Wording kFeatureNotFound = TranslatableText("Marks", "%1: not found");

//: The work-amount level; %1 and %2 are the halves' means per line, %3 and %4 the level's marks.
inline constexpr Wording kLevelA =
    TranslatableText("Marks", "Work amount at level Ⓐ: %1 and %2 per line (Ⓐ from %3 and %4)");
inline constexpr Wording kBelowLevelA =
    TranslatableText("Marks", "Work amount below level Ⓐ: %1 and %2 per line (Ⓐ from %3 and %4)");

//: The curve's leaning against the typical curve.
inline constexpr Wording kLeaningClose = TranslatableText("Marks", "Close to the typical curve");
inline constexpr Wording kLeaningPartly = TranslatableText("Marks", "Partly like the typical curve");
inline constexpr Wording kLeaningFar = TranslatableText("Marks", "Far from the typical curve");

//: Kraepelin's five levels, in the test's own words.
inline constexpr Wording kBandBaikSekali = TranslatableText("Marks", "baik sekali");
inline constexpr Wording kBandBaik = TranslatableText("Marks", "baik");
inline constexpr Wording kBandSedang = TranslatableText("Marks", "sedang");
inline constexpr Wording kBandKurang = TranslatableText("Marks", "kurang");
inline constexpr Wording kBandKurangSekali = TranslatableText("Marks", "kurang sekali");
//: Where no source publishes Kraepelin's bands.
inline constexpr Wording kNoBands = TranslatableText(
    "Marks", "No band table: none of the sources found publishes the cut points of the bands they apply.");

//: Pauli's marks; %1 and %2 are the figures compared.
inline constexpr Wording kPauliFirstPeriod =
    TranslatableText("Marks", "First period: %1 additions against a mark of %2");
inline constexpr Wording kPauliLatePeak = TranslatableText("Marks", "Peak in period %1 (late from period %2)");
inline constexpr Wording kPauliEndAboveDip =
    TranslatableText("Marks", "End of %1 additions against the early dip of %2");

} // namespace wording

const Wording& WordingOf(NoVerdict reason);
const Wording& WordingOf(UchidaFeature feature);
const Wording& WordingOf(UchidaAtypical feature);
const Wording& WordingOf(UchidaLeaning leaning);
const Wording& WordingOf(Band band);
const Wording& WordingOf(PauliMark mark);

} // namespace engine
