// SPDX-License-Identifier: GPL-3.0-or-later
// The exam sheets' core at its largest, the Pauli hour: making its 4,000-addition sheet,
// answering it key by key, scoring the finished hour, and the record's bytes per answer.
//
//   sheet_bench [--benchmark_...]     (the CPU column is the figure to read)
#include "TypistClock.h"
#include "engine/Sheet.h"
#include "engine/SheetFormat.h"
#include "engine/SheetScores.h"
#include "engine/SheetSitting.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <vector>

namespace {

engine::SheetFormat PauliHour() {
    engine::FormatError error;
    return *engine::FormatByName("pauli", false, error);
}

// Answers the whole sheet within the hour: mostly right, every 17th wrong, every 41st
// passed, every 29th answered wrong, taken back and answered again. Returns the keys pressed.
// The hour's 3,600,000 ms are shared out over the 4,000 additions, about 900 ms each, with a
// little spread from the pair so that the answer times are not all alike.
std::size_t WorkThrough(engine::SheetSitting& sitting, TypistClock& clock) {
    std::size_t keys = 0;
    sitting.Start();
    for (std::uint64_t i = 0; sitting.phase() == engine::SheetSitting::Phase::Working; ++i) {
        const engine::SheetSitting::Cursor cursor = sitting.cursor();
        const int sum = (cursor.operand1 + cursor.operand2) % 10;
        clock.Wait(800 + static_cast<std::uint64_t>(sum) * 20);
        if (i % 41 == 40) {
            sitting.Pass();
            ++keys;
            continue;
        }
        if (i % 29 == 28) {
            sitting.TypeDigit((sum + 1) % 10);
            sitting.Backspace();
            keys += 2;
        }
        sitting.TypeDigit(i % 17 == 16 ? (sum + 3) % 10 : sum);
        ++keys;
    }
    return keys;
}

void BM_MakePauliSheet(benchmark::State& state) {
    const engine::SheetFormat format = PauliHour();
    std::uint64_t seed = 1;
    for (auto _ : state) {
        engine::Sheet sheet = engine::MakeSheet(format, seed++);
        benchmark::DoNotOptimize(sheet);
    }
    state.counters["additions"] = static_cast<double>(format.totalPairs());
}

// Every key of the hour, Poll included: what the window waits for before it paints.
void BM_PauliHourKeyByKey(benchmark::State& state) {
    const engine::SheetFormat format = PauliHour();
    const engine::Sheet sheet = engine::MakeSheet(format, 2026);
    std::size_t keys = 0;
    double bytesPerAnswer = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        TypistClock clock;
        engine::SheetSitting sitting(format, sheet, clock);
        state.ResumeTiming();
        keys = WorkThrough(sitting, clock);
        state.PauseTiming();
        if (sitting.endReason() != engine::SittingEnd::WorkedThrough) {
            state.SkipWithError("the sheet was not worked through within the hour");
            break;
        }
        const std::vector<engine::SheetAnswer>& record = sitting.record();
        bytesPerAnswer =
            static_cast<double>(record.capacity() * sizeof(engine::SheetAnswer)) / static_cast<double>(record.size());
        state.ResumeTiming();
    }
    state.counters["keys"] = static_cast<double>(keys);
    state.counters["time_per_key"] = benchmark::Counter(
        static_cast<double>(keys), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
    state.counters["record_bytes_per_answer"] = bytesPerAnswer;
}

void BM_ScorePauliHour(benchmark::State& state) {
    const engine::SheetFormat format = PauliHour();
    TypistClock clock;
    engine::SheetSitting sitting(format, engine::MakeSheet(format, 2026), clock);
    WorkThrough(sitting, clock);
    if (sitting.record().size() != format.totalPairs()) {
        state.SkipWithError("the sheet was not worked through within the hour");
        return;
    }
    for (auto _ : state) {
        engine::SheetScores scores = engine::ScoreSheet(format, sitting.record(), sitting.elapsedMs());
        benchmark::DoNotOptimize(scores);
    }
    state.counters["answers"] = static_cast<double>(sitting.record().size());
}

} // namespace

BENCHMARK(BM_MakePauliSheet)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PauliHourKeyByKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScorePauliHour)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
