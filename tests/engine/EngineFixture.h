// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "../support/ScriptedClock.h"
#include "EventRecorder.h"
#include "ScriptedRandom.h"
#include "engine/TestEngine.h"

#include <gtest/gtest.h>
#include <string>

class EngineFixture : public testing::Test {
protected:
    EngineFixture() { engine.SetListener(&recorder); }

    // Starts a run that must be accepted and forgets the notifications it gave.
    void StartRun(const std::string& duration, bool logging = true) {
        engine.Start(duration, logging);
        ASSERT_TRUE(engine.running()) << "duration \"" << duration << "\" was refused";
        recorder.Clear();
    }

    void Ticks(int count) {
        for (int i = 0; i < count; ++i) {
            engine.Tick();
        }
    }

    // Answers the current pair rightly or wrongly.
    void Answer(bool correct) {
        const int sum = std::stoi(engine.operand1Text()) + std::stoi(engine.operand2Text());
        engine.SubmitAnswer(std::to_string((sum + (correct ? 0 : 1)) % 10));
    }

    ScriptedRandom random;
    ScriptedClock clock;
    engine::TestEngine engine{random, clock};
    EventRecorder recorder;
};
