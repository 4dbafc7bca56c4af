// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/MarkTexts.h"

namespace engine {

const Wording& WordingOf(NoVerdict reason) {
    switch (reason) {
    case NoVerdict::PracticeVersion: return wording::kNoVerdictPractice;
    case NoVerdict::CustomSheet: return wording::kNoVerdictCustom;
    case NoVerdict::OtherTest: return wording::kNoVerdictOtherTest;
    case NoVerdict::Incomplete:
    case NoVerdict::None: break;
    }
    return wording::kNoVerdictIncomplete;
}

const Wording& WordingOf(UchidaFeature feature) {
    switch (feature) {
    case UchidaFeature::FirstHalfUShape: return wording::kFeatureUShape;
    case UchidaFeature::EarlyFallAndRise: return wording::kFeatureEarlyFallAndRise;
    case UchidaFeature::Line15SecondHighest: return wording::kFeatureLine15;
    case UchidaFeature::SecondHalfFalls: return wording::kFeatureSecondHalfFalls;
    case UchidaFeature::FirstLinesHighest: return wording::kFeatureFirstLinesHighest;
    case UchidaFeature::SecondHalfHigher: return wording::kFeatureSecondHalfHigher;
    case UchidaFeature::ModerateFluctuation: return wording::kFeatureModerateFluctuation;
    case UchidaFeature::FewErrors: break;
    }
    return wording::kFeatureFewErrors;
}

const Wording& WordingOf(UchidaAtypical feature) {
    switch (feature) {
    case UchidaAtypical::ManyErrors: return wording::kAtypicalManyErrors;
    case UchidaAtypical::LargeDrop: return wording::kAtypicalLargeDrop;
    case UchidaAtypical::LargeSpike: return wording::kAtypicalLargeSpike;
    case UchidaAtypical::ViolentFluctuation: return wording::kAtypicalViolentFluctuation;
    case UchidaAtypical::NoFluctuation: return wording::kAtypicalNoFluctuation;
    case UchidaAtypical::FallingSecondHalf: return wording::kAtypicalFallingSecondHalf;
    case UchidaAtypical::WeakStartAfterBreak: return wording::kAtypicalWeakStart;
    case UchidaAtypical::LowAmount: break;
    }
    return wording::kAtypicalLowAmount;
}

const Wording& WordingOf(UchidaLeaning leaning) {
    switch (leaning) {
    case UchidaLeaning::CloseToTypical: return wording::kLeaningClose;
    case UchidaLeaning::Partly: return wording::kLeaningPartly;
    case UchidaLeaning::Far: break;
    }
    return wording::kLeaningFar;
}

const Wording& WordingOf(Band band) {
    switch (band) {
    case Band::BaikSekali: return wording::kBandBaikSekali;
    case Band::Baik: return wording::kBandBaik;
    case Band::Sedang: return wording::kBandSedang;
    case Band::Kurang: return wording::kBandKurang;
    case Band::KurangSekali: break;
    }
    return wording::kBandKurangSekali;
}

const Wording& WordingOf(PauliMark mark) {
    switch (mark) {
    case PauliMark::FirstPeriod: return wording::kPauliFirstPeriod;
    case PauliMark::LatePeak: return wording::kPauliLatePeak;
    case PauliMark::EndAboveDip: break;
    }
    return wording::kPauliEndAboveDip;
}

} // namespace engine
