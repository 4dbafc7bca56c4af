// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the "Work curve" window for the longest run the duration field allows (99
// minutes, 59,400 answers): from making the window to the end of the first paint of its
// chart and its pair map, in process and offscreen.
//
//   work_curve_window_bench [--benchmark_...]     (median_ms is the figure to read)
#include "FirstPaintTiming.h"
#include "charts/PairMap.h"
#include "engine/RecordedAnswer.h"
#include "workcurve/RunCurveChart.h"
#include "workcurve/frmWorkCurve.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr std::uint64_t kMinutes = 99;
constexpr std::uint64_t kAnswersPerMinute = 600;

workcurve::RecordedRun LongestRun() {
    workcurve::RecordedRun run;
    std::uint64_t state = 1;
    for (std::uint64_t minute = 0; minute < kMinutes; ++minute)
        for (std::uint64_t i = 0; i < kAnswersPerMinute; ++i) {
            state = state * 6364136223846793005ull + 1442695040888963407ull;
            const int operand1 = static_cast<int>((state >> 33) % 10);
            const int operand2 = static_cast<int>((state >> 45) % 10);
            const bool correct = (state >> 60) != 0;
            const int typed = (operand1 + operand2 + (correct ? 0 : 1)) % 10;
            run.answers.push_back(engine::MakeRecordedAnswer(operand1, operand2, std::to_string(typed), correct, minute,
                                                             300 + (operand1 + operand2) * 100 + (state >> 20) % 200));
        }
    run.length = {kMinutes, 0};
    run.endedAt = QDateTime::currentDateTime();
    return run;
}

void BM_OpenForLongestRun(benchmark::State& state) {
    const workcurve::RecordedRun run = LongestRun();
    TimeUntilFirstPaint(state, [&run](const std::function<void(QWidget*)>& watch) {
        auto window = std::make_unique<workcurve::frmWorkCurve>(workcurve::WorkCurveServices{});
        watch(window->findChild<workcurve::RunCurveChart*>());
        watch(window->findChild<charts::PairMap*>());
        window->ShowRun(run);
        window->show();
        return window;
    });
    state.counters["answers"] = static_cast<double>(run.answers.size());
}
BENCHMARK(BM_OpenForLongestRun)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
