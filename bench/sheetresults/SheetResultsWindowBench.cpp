// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the "Sheet results" window for a finished Pauli hour (4,000 additions worked
// through): from making the window, scoring included, to the end of the first paint of its
// curve and its pair map, in process and offscreen.
//
//   sheet_results_window_bench [--benchmark_...]     (median_ms is the figure to read)
#include "FirstPaintTiming.h"
#include "TypistClock.h"
#include "charts/PairMap.h"
#include "engine/Sheet.h"
#include "engine/SheetFormat.h"
#include "engine/SheetSitting.h"
#include "sheetresults/SittingCurveChart.h"
#include "sheetresults/frmSheetResults.h"

#include <benchmark/benchmark.h>
#include <functional>
#include <memory>

namespace {

// The hour worked through at about 850 ms an addition, every 17th wrong, every 41st passed.
sheetresults::FinishedSitting PauliHour() {
    engine::FormatError error;
    const engine::SheetFormat format = *engine::FormatByName("pauli", false, error);
    const engine::Sheet sheet = engine::MakeSheet(format, 2026);
    TypistClock clock;
    engine::SheetSitting sitting(format, sheet, clock);
    sitting.Start();
    for (std::uint64_t i = 0; sitting.phase() == engine::SheetSitting::Phase::Working; ++i) {
        const engine::SheetSitting::Cursor cursor = sitting.cursor();
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
            sitting.endReason().value_or(engine::SittingEnd::Stopped),
            sitting.elapsedMs(),
            QDateTime::currentDateTime()};
}

void BM_OpenForPauliHour(benchmark::State& state) {
    const sheetresults::FinishedSitting sitting = PauliHour();
    TimeUntilFirstPaint(state, [&sitting](const std::function<void(QWidget*)>& watch) {
        auto window = std::make_unique<sheetresults::frmSheetResults>(sheetresults::SheetResultsServices{});
        watch(window->findChild<sheetresults::SittingCurveChart*>());
        watch(window->findChild<charts::PairMap*>());
        window->ShowSitting(sitting);
        window->show();
        return window;
    });
    state.counters["answers"] = static_cast<double>(sitting.record.size());
}
BENCHMARK(BM_OpenForPauliHour)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
