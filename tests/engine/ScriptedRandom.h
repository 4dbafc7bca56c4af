// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "host/core/Random.h"

#include <deque>
#include <string>

// A generator whose draws are set by the test: each queued digit comes out as a draw
// in the middle of its tenth. With nothing queued it draws 0, so the pair is 0 and 0.
class ScriptedRandom final : public host::Random {
public:
    void QueuePair(int operand1, int operand2) {
        QueueDraw((static_cast<float>(operand1) + 0.5f) / 10.0f);
        QueueDraw((static_cast<float>(operand2) + 0.5f) / 10.0f);
    }
    void QueueDraw(float value) { draws_.push_back(value); }

    void ReseedFromClock() override { calls_ += 'R'; }
    float Next() override {
        calls_ += 'N';
        if (draws_.empty()) {
            return 0.0f;
        }
        const float value = draws_.front();
        draws_.pop_front();
        return value;
    }

    // 'R' for every re-seed and 'N' for every draw, in order.
    const std::string& calls() const { return calls_; }

private:
    std::deque<float> draws_;
    std::string calls_;
};
