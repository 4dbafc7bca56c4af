// SPDX-License-Identifier: GPL-3.0-or-later
// The history's store on a real SQLite file: keeping a Pauli hour (4,000 answers) in its one
// transaction, and what the History window needs to open over 10,000 kept sittings: the store
// opened, every summary listed, the formats for its filter and a trend.
//
//   history_store_bench [--benchmark_...]     (the real-time column is the figure to read)
// The file of 10,000 sittings is made once per run in a temporary folder (the first lines say
// how long that took and how large it is); it holds every answer of every sitting.
#include "TypistClock.h"
#include "engine/KeptSitting.h"
#include "engine/Sheet.h"
#include "engine/SheetSitting.h"
#include "engine/Trend.h"
#include "historystore/SqliteHistoryStore.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

using historystore::SqliteHistoryStore;

constexpr std::int64_t kDecember2026 = 1'796'697'000'000;
constexpr int kSeedSittings = 10;
constexpr int kDoublings = 10; // 10 × 2^10 = 10,240 sittings

// A sheet sat key by key to its end, as the Sheet bench answers it: mostly right, every 17th
// wrong, every 41st passed, every 29th corrected.
engine::KeptSitting Sat(const char* name, bool practice, std::int64_t endedUtcMs) {
    engine::FormatError error;
    const engine::SheetFormat format = *engine::FormatByName(name, practice, error);
    TypistClock clock;
    engine::SheetSitting sitting(format, engine::MakeSheet(format, 42), clock);
    sitting.Start();
    for (std::uint64_t i = 0; sitting.phase() != engine::SheetSitting::Phase::Finished; ++i) {
        const engine::SheetSitting::Cursor cursor = sitting.cursor();
        const int sum = (cursor.operand1 + cursor.operand2) % 10;
        clock.Wait(800 + static_cast<std::uint64_t>(sum) * 20);
        sitting.Poll();
        if (sitting.waitingForCue()) continue;
        if (i % 41 == 40) {
            sitting.Pass();
            continue;
        }
        if (i % 29 == 28) {
            sitting.TypeDigit((sum + 1) % 10);
            sitting.Backspace();
        }
        sitting.TypeDigit(i % 17 == 16 ? (sum + 3) % 10 : sum);
    }
    return engine::KeepSheet(format, sitting.record(), 42, *sitting.endReason(), sitting.elapsedMs(),
                             {endedUtcMs, 420});
}

engine::KeptSitting Drill(std::int64_t endedUtcMs) {
    std::vector<engine::RecordedAnswer> record;
    for (std::uint32_t i = 0; i < 500; ++i)
        record.push_back(engine::MakeRecordedAnswer(i % 10, 7, std::to_string((i % 10 + 7) % 10), true, i / 50, 900));
    return engine::KeepDrill(record, {10, 0}, engine::KeptEnd::TimeUp, {endedUtcMs, 420}, 10);
}

void BM_KeepPauliHour(benchmark::State& state) {
    QTemporaryDir folder;
    SqliteHistoryStore store({folder.filePath(QStringLiteral("history.sqlite")), 2000, 0});
    const engine::KeptSitting hour = Sat("pauli", false, kDecember2026);
    engine::StoreFault fault;
    store.Keep(Drill(kDecember2026), fault); // the file made and opened before the clock runs
    for (auto _ : state) {
        if (!store.Keep(hour, fault)) state.SkipWithError(fault.reason.c_str());
    }
    state.counters["answers"] = static_cast<double>(hour.sheet()->record.size());
}
BENCHMARK(BM_KeepPauliHour)->Unit(benchmark::kMillisecond)->UseRealTime();

// A history of 10,240 sittings of every format with all their answers: ten sat and kept, then
// doubled ten times inside SQLite, each copy a day earlier.
class TenThousand {
public:
    static const TenThousand& Get() {
        static const TenThousand history;
        return history;
    }
    QString path() const { return folder_.filePath(QStringLiteral("history.sqlite")); }

private:
    TenThousand() {
        QElapsedTimer timer;
        timer.start();
        {
            SqliteHistoryStore store({path(), 2000, 0});
            engine::StoreFault fault;
            const char* names[kSeedSittings] = {"kraepelin-15", "kraepelin-15", "kraepelin-30", "uchida",
                                                "uchida",       "pauli",        "kraepelin-15", "uchida",
                                                "kraepelin-30", "pauli"};
            for (int i = 0; i < kSeedSittings; ++i) {
                const std::int64_t when = kDecember2026 + i * 3'600'000;
                store.Keep(i % 5 == 4 ? Drill(when) : Sat(names[i], i % 3 == 2, when), fault);
            }
        }
        const QString columns = QStringLiteral(
            "kind, ended_utc_ms, utc_offset_minutes, ended, origin, format_key, format_name, practice, family, "
            "work_order, units, digits_per_unit, additions, seconds_per_unit, break_after, break_seconds, "
            "stroke_seconds, duration_seconds, lowest_digit, highest_digit, no_repeat, seed, elapsed_ms, run_minutes, "
            "run_seconds, planned_minutes, answer_count, figures");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-maker"));
            db.setDatabaseName(path());
            db.open();
            QSqlQuery query(db);
            for (int round = 0, count = kSeedSittings; round < kDoublings; ++round, count *= 2) {
                const QString copy = QString(columns).replace(
                    QStringLiteral("ended_utc_ms"), QStringLiteral("ended_utc_ms - %1").arg(count * 86'400'000LL));
                for (const QString& sql :
                     {QStringLiteral("BEGIN"),
                      QStringLiteral("INSERT INTO sittings (%1) SELECT %2 FROM sittings ORDER BY id")
                          .arg(columns, copy),
                      QStringLiteral("INSERT INTO sheet_answers SELECT sitting_id + %1, idx, unit, period, position, "
                                     "operand1, operand2, outcome, answer, correct, corrections, answer_ms "
                                     "FROM sheet_answers")
                          .arg(count),
                      QStringLiteral(
                          "INSERT INTO drill_answers SELECT sitting_id + %1, idx, minute, operand1, operand2, "
                          "answer, correct, answer_ms FROM drill_answers")
                          .arg(count),
                      QStringLiteral("COMMIT")}) {
                    if (!query.exec(sql)) std::fprintf(stderr, "%s\n", qPrintable(sql));
                }
            }
            query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench-maker"));
        std::fprintf(stderr, "A history of %d sittings made in %.1f s: %.0f MB\n", kSeedSittings << kDoublings,
                     static_cast<double>(timer.elapsed()) / 1000.0,
                     static_cast<double>(QFileInfo(path()).size()) / 1e6);
    }

    QTemporaryDir folder_;
};

// What the History window does first: open the store and list every sitting, newest first.
void BM_OpenAndListTenThousand(benchmark::State& state) {
    const QString path = TenThousand::Get().path();
    std::size_t listed = 0;
    for (auto _ : state) {
        SqliteHistoryStore store({path, 2000, 0});
        engine::StoreFault fault;
        const auto sittings = store.List({}, fault);
        if (!sittings) state.SkipWithError(fault.reason.c_str());
        listed = sittings ? sittings->size() : 0;
    }
    state.counters["sittings"] = static_cast<double>(listed);
}
BENCHMARK(BM_OpenAndListTenThousand)->Unit(benchmark::kMillisecond)->UseRealTime();

// Its filter's choices, and the list and trend of one format.
void BM_FormatsAndOneFormatsTrend(benchmark::State& state) {
    SqliteHistoryStore store({TenThousand::Get().path(), 2000, 0});
    engine::StoreFault fault;
    std::size_t listed = 0;
    for (auto _ : state) {
        const auto formats = store.Formats(fault);
        const auto sittings = store.List({std::string("uchida"), 0}, fault);
        if (!formats || !sittings) state.SkipWithError(fault.reason.c_str());
        benchmark::DoNotOptimize(engine::TrendOf(*sittings, engine::FigureKey::UchidaMean));
        listed = sittings->size();
    }
    state.counters["sittings"] = static_cast<double>(listed);
}
BENCHMARK(BM_FormatsAndOneFormatsTrend)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
