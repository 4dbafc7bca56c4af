// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the "History" window over 10,000 kept sittings in a real SQLite file: from making the
// window, which opens the store, lists every sitting and works out its charts and trend, to the
// end of the first paint of its table, its score chart and its overlay, in process and offscreen.
//
//   history_window_bench [--benchmark_...]     (median_ms is the figure to read)
// The history is kept once per run in a temporary folder, sitting by sitting through the store
// (the first line says how long that took): 2,000 each of Kraepelin 50 × 15 s, Kraepelin
// 40 × 30 s, Uchida-Kraepelin, Pauli and the drill, a few hours apart, each with a short record.
#include "FirstPaintTiming.h"
#include "charts/CurveOverlayChart.h"
#include "charts/ScoreTimeChart.h"
#include "engine/KeptSitting.h"
#include "history/SittingTable.h"
#include "history/frmHistory.h"
#include "keeping/Keeper.h"

#include <QAbstractItemView>
#include <QDateTime>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

namespace {

constexpr int kSittings = 10'000;
constexpr std::int64_t kHourMs = 3'600'000;

// A sitting of `name` with the first answers of three columns or lines, or a drill run, ended
// `ago` hours before now; its figures vary a little from one sitting to the next.
engine::KeptSitting Sitting(int index, std::int64_t now) {
    static const char* const kFormats[] = {"kraepelin-15", "kraepelin-30", "uchida", "pauli"};
    const engine::SittingTime endedAt{now - std::int64_t{kSittings - index} * 5 * kHourMs, 420};
    const int amount = 8 + index % 7;
    if (index % 5 == 4) {
        std::vector<engine::RecordedAnswer> record;
        for (int i = 0; i < 3 * amount; ++i)
            record.push_back(engine::MakeRecordedAnswer(3, 4, "7", true, i / amount, 800));
        return engine::KeepDrill(record, {3, 0}, engine::KeptEnd::TimeUp, endedAt, 3);
    }
    engine::FormatError error;
    const engine::SheetFormat format = *engine::FormatByName(kFormats[index % 5], false, error);
    std::vector<engine::SheetAnswer> record;
    for (std::uint16_t unit = 0; unit < 3; ++unit) {
        for (int at = 0; at < amount + unit; ++at) {
            engine::SheetAnswer pair;
            pair.unit = pair.period = unit;
            pair.position = static_cast<std::uint16_t>(at);
            pair.operand1 = 3;
            pair.operand2 = 4;
            pair.answer = 7;
            pair.correct = 1;
            pair.milliseconds = 700;
            record.push_back(pair);
        }
    }
    return engine::KeepSheet(format, record, static_cast<std::uint64_t>(index), engine::SittingEnd::Stopped, 180'000,
                             endedAt);
}

// The program's keeper over a history of kSittings in a temporary folder, kept for the whole run.
keeping::Keeper& TenThousand() {
    static QTemporaryDir folder;
    static keeping::Keeper keeper(
        {folder.filePath(QStringLiteral("settings.ini")), folder.filePath(QStringLiteral("history.sqlite"))});
    static const bool filled = [] {
        QElapsedTimer timer;
        timer.start();
        keeper.SetConsent(true);
        const std::int64_t now = QDateTime::currentMSecsSinceEpoch();
        engine::StoreFault fault;
        for (int index = 0; index < kSittings; ++index) {
            if (!keeper.store()->Keep(Sitting(index, now), fault)) {
                std::fprintf(stderr, "not kept: %s\n", fault.reason.c_str());
                return false;
            }
        }
        std::fprintf(stderr, "A history of %d sittings kept in %.1f s\n", kSittings,
                     static_cast<double>(timer.elapsed()) / 1000.0);
        return true;
    }();
    (void)filled;
    return keeper;
}

void BM_OpenOverTenThousand(benchmark::State& state) {
    keeping::Keeper& keeper = TenThousand();
    keeping::UseKeeper(&keeper);
    int rows = 0;
    TimeUntilFirstPaint(state, [&rows](const std::function<void(QWidget*)>& watch) {
        auto window = std::make_unique<history::frmHistory>(history::HistoryServices{});
        watch(window->findChild<QAbstractItemView*>()->viewport());
        watch(window->findChild<charts::ScoreTimeChart*>());
        watch(window->findChild<charts::CurveOverlayChart*>());
        window->show();
        rows = window->sittings().rowCount();
        return window;
    });
    keeping::UseKeeper(nullptr);
    state.counters["sittings"] = rows;
}
BENCHMARK(BM_OpenOverTenThousand)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
