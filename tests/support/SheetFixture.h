// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ScriptedClock.h"
#include "engine/Sheet.h"
#include "engine/SheetFormat.h"
#include "engine/SheetSitting.h"

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
