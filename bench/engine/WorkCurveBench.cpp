// SPDX-License-Identifier: GPL-3.0-or-later
// The work curve of the longest run the duration field allows: 99 minutes at ten answers
// a tick, 59,400 answers. How long the analysis takes, and how much memory the engine's
// record of the answers holds per answer.
//
//   work_curve_bench [--benchmark_...]     (the CPU column is the figure to read)
#include "TypistClock.h"
#include "engine/TestEngine.h"
#include "engine/WorkCurve.h"
#include "host/core/Random.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr int kMinutes = 99;
constexpr int kAnswersPerTick = 10;

// A generator with a fixed sequence, so every run of the benchmark analyses the same answers.
class SteppingRandom final : public host::Random {
public:
    void ReseedFromClock() override {}
    float Next() override {
        state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<float>(state_ >> 40) * (1.0f / 16777216.0f);
    }

private:
    std::uint64_t state_ = 1;
};

// Plays a whole 99-minute run and leaves the engine with its record. The answers take the
// times a person might take: 300 to 2,300 ms, depending on the pair.
void PlayRun(engine::TestEngine& engine, TypistClock& clock) {
    engine.Start(std::to_string(kMinutes), true);
    std::uint64_t answer = 0;
    while (engine.running()) {
        for (int i = 0; i < kAnswersPerTick; ++i) {
            const int sum = std::stoi(engine.operand1Text()) + std::stoi(engine.operand2Text());
            clock.Wait(300 + static_cast<std::uint64_t>(sum) * 100 + (answer * 37) % 200);
            // One answer in twenty is wrong.
            const int typed = (sum + (answer % 20 == 0 ? 1 : 0)) % 10;
            engine.SubmitAnswer(std::to_string(typed));
            ++answer;
        }
        engine.Tick();
    }
}

void BM_AnalyseLongestRun(benchmark::State& state) {
    SteppingRandom random;
    TypistClock clock;
    engine::TestEngine engine(random, clock);
    PlayRun(engine, clock);
    const engine::RunLength length{engine.minutes(), engine.secondOfMinute()};
    for (auto _ : state) {
        engine::WorkCurve curve = engine::AnalyseWorkCurve(engine.recording(), length);
        benchmark::DoNotOptimize(curve);
    }
    state.counters["answers"] = static_cast<double>(engine.recording().size());
}
BENCHMARK(BM_AnalyseLongestRun)->Unit(benchmark::kMillisecond);

void BM_RecordLongestRun(benchmark::State& state) {
    double heldBytesPerAnswer = 0.0;
    std::size_t answers = 0;
    for (auto _ : state) {
        SteppingRandom random;
        TypistClock clock;
        engine::TestEngine engine(random, clock);
        PlayRun(engine, clock);
        const auto& recording = engine.recording();
        answers = recording.size();
        heldBytesPerAnswer =
            static_cast<double>(recording.capacity() * sizeof(engine::RecordedAnswer)) / static_cast<double>(answers);
    }
    state.counters["answers"] = static_cast<double>(answers);
    state.counters["bytes_per_record"] = static_cast<double>(sizeof(engine::RecordedAnswer));
    // With the vector's unused capacity, as the engine holds it at the end of the run.
    state.counters["held_bytes_per_answer"] = heldBytesPerAnswer;
}
BENCHMARK(BM_RecordLongestRun)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
