// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedClock.h"
#include "engine/Sheet.h"
#include "engine/SheetAnswer.h"
#include "engine/SheetFormat.h"
#include "engine/SheetSitting.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

// Writes every notification of a sitting down as one short text.
class SittingRecorder final : public engine::SheetSittingListener {
public:
    void CueGiven(std::uint32_t unit) override { events.push_back("cue " + std::to_string(unit)); }
    void BreakStarted(std::uint64_t milliseconds) override {
        events.push_back("break " + std::to_string(milliseconds));
    }
    void BreakEnded() override { events.push_back("break over"); }
    void StrokeDrawn(const engine::SheetStroke& stroke) override {
        events.push_back("stroke " + std::to_string(stroke.number) + " at " + std::to_string(stroke.unit) + "," +
                         std::to_string(stroke.pair));
    }
    void Finished(engine::SittingEnd reason) override {
        events.push_back(reason == engine::SittingEnd::TimeUp    ? "finished: time up"
                         : reason == engine::SittingEnd::Stopped ? "finished: stopped"
                                                                 : "finished: worked through");
    }

    std::vector<std::string> events;
};

// Small sheets of each order of work, quick to reason about, and the answers to a sitting's
// pairs.
namespace sheets {

constexpr std::uint32_t kColumnSeconds = 15;
constexpr std::uint32_t kLineSeconds = 60;
constexpr std::uint32_t kBreakSeconds = 60;
constexpr std::uint32_t kStrokeSeconds = 180;

// 3 columns of 5 digits (4 pairs), bottom-up, 15 s each.
inline engine::SheetFormat Columns() {
    engine::SheetFormat format;
    format.name = "custom";
    format.family = engine::ScoreFamily::Kraepelin;
    format.order = engine::WorkOrder::BottomUp;
    format.units = 3;
    format.digitsPerUnit = 5;
    format.secondsPerUnit = kColumnSeconds;
    format.lowestDigit = 1;
    format.highestDigit = 9;
    return format;
}

// 4 lines of 6 digits (5 pairs), a minute each, a minute's break after the second.
inline engine::SheetFormat Lines() {
    engine::SheetFormat format;
    format.name = "custom";
    format.family = engine::ScoreFamily::Uchida;
    format.order = engine::WorkOrder::LeftToRight;
    format.units = 4;
    format.digitsPerUnit = 6;
    format.secondsPerUnit = kLineSeconds;
    format.breakAfter = 2;
    format.breakSeconds = kBreakSeconds;
    format.lowestDigit = 3;
    format.highestDigit = 9;
    format.noRepeat = true;
    return format;
}

// `additions` pairs in columns of 4 digits (3 pairs) worked one after another, a stroke
// every 3 minutes, 9 minutes in all.
inline engine::SheetFormat Pauli(std::uint32_t additions) {
    engine::SheetFormat format;
    format.name = "pauli";
    format.family = engine::ScoreFamily::Pauli;
    format.order = engine::WorkOrder::TopDown;
    format.digitsPerUnit = 4;
    format.additions = additions;
    format.strokeSeconds = kStrokeSeconds;
    format.durationSeconds = 3 * kStrokeSeconds;
    format.lowestDigit = 2;
    format.highestDigit = 9;
    return format;
}

// The right answer to the pair at the sitting's cursor, and a wrong one.
inline int RightAnswer(const engine::SheetSitting& sitting) {
    const engine::SheetSitting::Cursor cursor = sitting.cursor();
    return (cursor.operand1 + cursor.operand2) % 10;
}
inline int WrongAnswer(const engine::SheetSitting& sitting) { return (RightAnswer(sitting) + 1) % 10; }

// Writes a record by hand. Right answers are 3 + 4 = 7, wrong ones 7 + 5 = 3, blanks are on
// 6 and 6, each in the next position of the current period (also its column or line).
class Record {
public:
    Record& Period(std::uint16_t period) {
        period_ = period;
        position_ = 0;
        return *this;
    }
    Record& Right(int count, std::uint32_t ms) { return Add(count, 3, 4, 7, true, ms); }
    Record& Wrong(int count, std::uint32_t ms) { return Add(count, 7, 5, 3, false, ms); }
    Record& Blank(int count) {
        for (int i = 0; i < count; ++i) Next(6, 6).outcome = engine::SheetAnswer::kSkipped;
        return *this;
    }
    // A pair answered, taken back and left as it was.
    Record& Withdrawn(std::uint16_t corrections) {
        Next(1, 1).outcome = engine::SheetAnswer::kWithdrawn;
        return Corrected(corrections);
    }
    // Adds corrections to the last entry.
    Record& Corrected(std::uint16_t corrections) {
        pairs.back().corrections = static_cast<std::uint16_t>(pairs.back().corrections + corrections);
        return *this;
    }

    std::vector<engine::SheetAnswer> pairs;

private:
    Record& Add(int count, int operand1, int operand2, int answer, bool correct, std::uint32_t ms) {
        for (int i = 0; i < count; ++i) {
            engine::SheetAnswer& pair = Next(operand1, operand2);
            pair.answer = static_cast<std::uint8_t>(answer);
            pair.correct = correct ? 1 : 0;
            pair.milliseconds = ms;
        }
        return *this;
    }
    engine::SheetAnswer& Next(int operand1, int operand2) {
        engine::SheetAnswer pair;
        pair.period = period_;
        pair.unit = period_;
        pair.position = position_++;
        pair.operand1 = static_cast<std::uint8_t>(operand1);
        pair.operand2 = static_cast<std::uint8_t>(operand2);
        pairs.push_back(pair);
        return pairs.back();
    }

    std::uint16_t period_ = 0;
    std::uint16_t position_ = 0;
};

} // namespace sheets

class SittingFixture : public testing::Test {
protected:
    void Begin(const engine::SheetFormat& format, std::uint64_t seed = 3) {
        sitting.emplace(format, engine::MakeSheet(format, seed), clock);
        sitting->SetListener(&recorder);
        sitting->Start();
    }

    // Answers the current pair rightly or wrongly.
    bool Right() { return sitting->TypeDigit(sheets::RightAnswer(*sitting)); }
    bool Wrong() { return sitting->TypeDigit(sheets::WrongAnswer(*sitting)); }

    // Moves the clock to `ms` after the start and polls.
    void At(std::uint64_t ms) {
        clock.Set(kStart + ms);
        sitting->Poll();
    }

    static constexpr std::uint64_t kStart = 1000;
    ScriptedClock clock;
    SittingRecorder recorder;
    std::optional<engine::SheetSitting> sitting;
};
