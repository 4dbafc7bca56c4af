// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the "Sheet results" window for a finished Pauli hour (4,000 additions worked
// through): from making the window, scoring included, to the end of the first paint of its
// curve and its pair map, in process and offscreen.
//
//   sheet_results_window_bench [--benchmark_...]     (median_ms is the figure to read)
#include "PaintCounter.h"
#include "host/core/MonotonicClock.h"
#include "sheetresults/PeriodChart.h"
#include "sheetresults/frmSheetResults.h"
#include "test/Sheet.h"
#include "test/SheetFormat.h"
#include "test/SheetSitting.h"
#include "workcurve/PairMap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstddef>
#include <vector>

namespace {

class TypistClock final : public host::MonotonicClock {
public:
    std::uint64_t Milliseconds() override { return now_; }
    void Wait(std::uint64_t milliseconds) { now_ += milliseconds; }

private:
    std::uint64_t now_ = 0;
};

// The hour worked through at about 850 ms an addition, every 17th wrong, every 41st passed.
sheetresults::FinishedSitting PauliHour() {
    test::FormatError error;
    const test::SheetFormat format = *test::FormatByName("pauli", false, error);
    const test::Sheet sheet = test::MakeSheet(format, 2026);
    TypistClock clock;
    test::SheetSitting sitting(format, sheet, clock);
    sitting.Start();
    for (std::uint64_t i = 0; sitting.phase() == test::SheetSitting::Phase::Working; ++i) {
        const test::SheetSitting::Cursor cursor = sitting.cursor();
        const int sum = (cursor.operand1 + cursor.operand2) % 10;
        clock.Wait(800 + static_cast<std::uint64_t>(sum) * 10);
        if (i % 41 == 40)
            sitting.Pass();
        else
            sitting.TypeDigit(i % 17 == 16 ? (sum + 3) % 10 : sum);
    }
    return {format,
            sitting.record(),
            2026,
            sitting.endReason().value_or(test::SittingEnd::Stopped),
            sitting.elapsedMs(),
            QDateTime::currentDateTime()};
}

void BM_OpenForPauliHour(benchmark::State& state) {
    const sheetresults::FinishedSitting sitting = PauliHour();
    std::vector<double> milliseconds;
    QElapsedTimer timer;
    for (auto _ : state) {
        timer.start();
        sheetresults::frmSheetResults window({});
        PaintCounter chart;
        PaintCounter map;
        window.findChild<sheetresults::PeriodChart*>()->installEventFilter(&chart);
        window.findChild<workcurve::PairMap*>()->installEventFilter(&map);
        window.ShowSitting(sitting);
        window.show();
        while ((chart.paints == 0 || map.paints == 0) && timer.elapsed() < 5000) QApplication::processEvents();
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (chart.paints == 0 || map.paints == 0) {
            state.SkipWithError("the window was not painted within five seconds");
            break;
        }
        state.SetIterationTime(elapsed);
        milliseconds.push_back(elapsed * 1e3);
    }
    if (!milliseconds.empty()) {
        const auto middle = milliseconds.begin() + static_cast<std::ptrdiff_t>(milliseconds.size() / 2);
        std::nth_element(milliseconds.begin(), middle, milliseconds.end());
        state.counters["median_ms"] = *middle;
    }
    state.counters["answers"] = static_cast<double>(sitting.record.size());
}
BENCHMARK(BM_OpenForPauliHour)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
