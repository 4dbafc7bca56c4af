// SPDX-License-Identifier: GPL-3.0-or-later
#include "EngineFixture.h"
#include "host/core/ClockRandom.h"

#include <array>
#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>

using testing::ElementsAre;

namespace {

TEST_F(EngineFixture, EachOperandIsDrawnRightAfterItsOwnReseed) {
    StartRun("99", false);
    EXPECT_EQ(random.calls(), "RNRN");
    engine.SubmitAnswer("1");
    EXPECT_EQ(random.calls(), "RNRNRNRN");
}

struct DrawCase {
    float draw;
    const char* text;
};

void PrintTo(const DrawCase& c, std::ostream* os) { *os << "draw " << c.draw; }

class OperandTest : public EngineFixture, public testing::WithParamInterface<DrawCase> {};

TEST_P(OperandTest, IsTheTenthOfTheDrawWithALeadingBlank) {
    random.QueueDraw(GetParam().draw);
    random.QueueDraw(GetParam().draw);
    engine.Start("99", true);
    EXPECT_EQ(engine.operand1Text(), GetParam().text);
    EXPECT_EQ(engine.operand2Text(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Draws, OperandTest,
                         testing::Values(DrawCase{0.0f, " 0"}, DrawCase{0.0999f, " 0"}, DrawCase{0.1f, " 1"},
                                         DrawCase{0.55f, " 5"}, DrawCase{0.7f, " 7"}, DrawCase{0.99999994f, " 9"},
                                         // A generator that rounds up to 1, or strays below 0,
                                         // still gives a digit.
                                         DrawCase{1.0f, " 9"}, DrawCase{-0.05f, " 0"}));

TEST_F(EngineFixture, OperandsAreDrawnIndependently) {
    random.QueuePair(3, 8);
    engine.Start("99", true);
    EXPECT_THAT(recorder.events.back(), "Pair: 3| 8");
}

// With the real generator, a fixed starting state and a clock under the test's control
// the draws are the same on every run: the bounds below are checked once, not sampled.
class DigitFrequencyTest : public testing::Test {
protected:
    static constexpr int kPairs = 50000;

    // Counts the digits of both operands over many pairs, and how often they are equal.
    void DrawPairs(host::ClockRandom& random) {
        engine::TestEngine engine(random);
        engine.Start("99", false);
        for (int i = 0; i < kPairs; ++i) {
            const int first = std::stoi(engine.operand1Text());
            const int second = std::stoi(engine.operand2Text());
            ++counts[static_cast<std::size_t>(first)];
            ++counts[static_cast<std::size_t>(second)];
            equalPairs += first == second ? 1 : 0;
            engine.SubmitAnswer("0");
        }
    }

    double ChiSquare() const {
        const double expected = 2.0 * kPairs / 10.0;
        double sum = 0.0;
        for (int count : counts) {
            sum += (count - expected) * (count - expected) / expected;
        }
        return sum;
    }

    std::array<int, 10> counts{};
    int equalPairs = 0;
};

// 9 degrees of freedom: 27.88 is exceeded by chance once in a thousand uniform samples.
constexpr double kChiSquareBound = 27.88;

TEST_F(DigitFrequencyTest, AllTenDigitsEquallyOftenWithAMovingClock) {
    std::uint64_t now = 1'700'000'000'000'000'000ull;
    host::ClockRandom random([&now] { return now += 15'625; }, 2026);
    DrawPairs(random);
    for (int count : counts) {
        EXPECT_GT(count, 0);
    }
    EXPECT_LT(ChiSquare(), kChiSquareBound);
}

TEST_F(DigitFrequencyTest, OneClockInstantGivesIndependentOperands) {
    // Every draw in the same instant: copies would make every pair equal.
    host::ClockRandom random([] { return std::uint64_t{1'700'000'000'000'000'000ull}; }, 7);
    DrawPairs(random);
    EXPECT_LT(ChiSquare(), kChiSquareBound);
    // Equal operands one time in ten: 5000 expected, the standard deviation is 67.
    EXPECT_GT(equalPairs, 4600);
    EXPECT_LT(equalPairs, 5400);
}

} // namespace
