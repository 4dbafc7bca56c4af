// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/TestEngine.h"

#include <ostream>
#include <string>
#include <vector>

namespace engine {
// A result line in a failed expectation, as the English it words.
inline void PrintTo(const ResultLine& line, std::ostream* os) { *os << '"' << line.english() << '"'; }
} // namespace engine

// Writes every notification down as one short text, so tests compare whole sequences; texts
// as the engine words them in English.
class EventRecorder final : public engine::TestEngineListener {
public:
    void DurationRefused(engine::DurationRefusal refusal) override {
        events.push_back("DurationRefused:" + engine::Worded(engine::WordingOf(refusal)));
        refusals.push_back(refusal);
    }
    void RunStarted() override { events.push_back("RunStarted"); }
    void RunStopped() override { events.push_back("RunStopped"); }
    void PairChanged(const std::string& operand1Text, const std::string& operand2Text) override {
        events.push_back("Pair:" + operand1Text + "|" + operand2Text);
    }
    void ClockChanged(const std::string& clockText) override { events.push_back("Clock:" + clockText); }
    void LogCleared() override { events.push_back("LogCleared"); }
    void LogLineAdded(const engine::LogLine& line) override {
        events.push_back("Log:" + line.english());
        lines.push_back(line);
    }
    void AnswerCleared() override { events.push_back("AnswerCleared"); }
    void ResultsReady(const engine::ResultSummary& summary) override {
        events.push_back("Results");
        results.push_back(summary);
    }
    void PanelHidden() override { events.push_back("PanelHidden"); }

    void Clear() {
        events.clear();
        results.clear();
        refusals.clear();
        lines.clear();
    }

    std::vector<std::string> events;
    // The figures as they were handed over, beside their English in `events`.
    std::vector<engine::ResultSummary> results;
    std::vector<engine::DurationRefusal> refusals;
    std::vector<engine::LogLine> lines;
};
