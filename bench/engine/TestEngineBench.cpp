// SPDX-License-Identifier: GPL-3.0-or-later
// A whole test run as a fast typist makes it: an answer every 100 ms, ten answers to a
// tick, for 1 to 99 minutes. Time per answer and heap bytes per log line must not grow
// with the length of the run.

#include "engine/TestEngine.h"
#include "host/core/ClockRandom.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdint>
#include <cstdlib>
#include <malloc.h>
#include <new>
#include <string>

namespace {

// Heap bytes in use, as malloc hands them out (usable size of each block).
std::atomic<std::int64_t> liveHeapBytes{0};

void* CountedAlloc(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    liveHeapBytes += static_cast<std::int64_t>(malloc_usable_size(block));
    return block;
}

void CountedFree(void* block) noexcept {
    if (block != nullptr) {
        liveHeapBytes -= static_cast<std::int64_t>(malloc_usable_size(block));
        std::free(block);
    }
}

} // namespace

void* operator new(std::size_t size) { return CountedAlloc(size); }
void* operator new[](std::size_t size) { return CountedAlloc(size); }
void operator delete(void* block) noexcept { CountedFree(block); }
void operator delete[](void* block) noexcept { CountedFree(block); }
void operator delete(void* block, std::size_t) noexcept { CountedFree(block); }
void operator delete[](void* block, std::size_t) noexcept { CountedFree(block); }

namespace {

// The window's part, reduced to what costs nothing: it only takes the calls.
struct CountingListener final : engine::TestEngineListener {
    void PairChanged(const std::string&, const std::string&) override { ++events; }
    void ClockChanged(const std::string&) override { ++events; }
    void LogLineAdded(const engine::LogLine&) override { ++events; }
    void AnswerCleared() override { ++events; }
    std::uint64_t events = 0;
};

constexpr int kAnswersPerTick = 10;
const char* const kAnswers[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

void BM_WholeRun(benchmark::State& state) {
    const auto minutes = static_cast<int>(state.range(0));
    const std::int64_t ticks = std::int64_t{minutes} * 60;
    const std::int64_t answers = ticks * kAnswersPerTick;
    double bytesPerLine = 0.0;
    double bytesPerLineWithoutSlack = 0.0;

    for (auto _ : state) {
        host::ClockRandom random;
        engine::TestEngine engine(random);
        CountingListener listener;
        engine.SetListener(&listener);
        const std::int64_t heapBefore = liveHeapBytes.load();

        engine.Start(std::to_string(minutes), true);
        std::size_t next = 0;
        for (std::int64_t tick = 0; tick < ticks; ++tick) {
            for (int i = 0; i < kAnswersPerTick; ++i) {
                engine.SubmitAnswer(kAnswers[next]);
                next = (next + 7) % 10;
            }
            engine.Tick();
        }

        state.PauseTiming();
        if (engine.running() || engine.logLines().size() != static_cast<std::size_t>(answers)) {
            state.SkipWithError("the run did not end with every answer logged");
            break;
        }
        const auto& log = engine.logLines();
        const auto heapGrowth = static_cast<double>(liveHeapBytes.load() - heapBefore);
        const auto lines = static_cast<double>(log.size());
        bytesPerLine = heapGrowth / lines;
        // The list's unused capacity depends on where the last doubling fell, not on
        // the lines themselves.
        const auto slack = static_cast<double>((log.capacity() - log.size()) * sizeof(engine::LogLine));
        bytesPerLineWithoutSlack = (heapGrowth - slack) / lines;
        benchmark::DoNotOptimize(listener.events);
        state.ResumeTiming();
    }

    state.counters["answers"] = static_cast<double>(answers);
    state.counters["time_per_answer"] = benchmark::Counter(
        static_cast<double>(answers), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["heap_bytes_per_line"] = bytesPerLine;
    state.counters["without_slack"] = bytesPerLineWithoutSlack;
}

} // namespace

BENCHMARK(BM_WholeRun)->Arg(1)->Arg(10)->Arg(30)->Arg(60)->Arg(99)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
