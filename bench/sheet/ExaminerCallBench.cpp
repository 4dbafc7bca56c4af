// SPDX-License-Identifier: GPL-3.0-or-later
// The examiner's calls on time: an examiner-mode sitting of a custom sheet of 6 columns of 5 s
// (the shortest the form allows) runs on the system's steady clock and the window's own timers,
// in process and offscreen; each call's tone and voice request is timed against the moment the
// sitting's clock gives it (the start, each column's end, the end of the time).
//
//   examiner_call_bench [--benchmark_...]
//
// `median_ms` and `max_ms` are over the calls of every iteration, each the delay from the call's
// moment to the request to sound it; `calls` is how many were timed.
#include "FirstButtonMessageBoxes.h"
#include "Medians.h"
#include "host/core/MonotonicClock.h"
#include "sheet/CallVoice.h"
#include "sheet/CueSound.h"
#include "sheet/frmSheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <vector>

namespace {

constexpr int kColumns = 6;
constexpr std::uint64_t kColumnMs = 5000;

// Notes when each call is asked to sound, on the sitting's own clock.
struct CallTimes {
    host::MonotonicClock& clock = host::SystemMonotonicClock();
    std::vector<std::uint64_t> issuedAt;
    void Note() { issuedAt.push_back(clock.Milliseconds()); }
};

class TimedTone final : public sheet::CueSound {
public:
    explicit TimedTone(CallTimes& times) : times_(times) {}
    void Play() override { times_.Note(); }

private:
    CallTimes& times_;
};

// A voice that is ready at once and takes every call without speaking it.
class SilentVoice final : public sheet::CallVoice {
public:
    void Prepare(const QString&) override { Report(sheet::VoiceState::Ready); }
    sheet::VoiceState state() const override { return sheet::VoiceState::Ready; }
    void Say(const QString&) override {}
};

void BM_ExaminerCallOnItsMoment(benchmark::State& state) {
    std::vector<double> delays;
    for (auto _ : state) {
        CallTimes times;
        TimedTone tone(times);
        SilentVoice voice;
        FirstButtonMessageBoxes boxes;
        sheet::SheetServices services;
        services.clock = &times.clock;
        services.messages = &boxes;
        services.sound = &tone;
        services.voice = &voice;
        services.newSeed = [] { return 1; };
        sheet::frmSheet window(services);
        window.Choose({"custom", false, 7});
        window.findChild<QLineEdit*>(QStringLiteral("txtUnits"))->setText(QString::number(kColumns));
        window.findChild<QLineEdit*>(QStringLiteral("txtSeconds"))->setText(QString::number(kColumnMs / 1000));
        window.findChild<QCheckBox*>(QStringLiteral("chkProcedure"))->setChecked(false);
        // Calls spoken and a tone: both requests are made at each call, the tone first.
        window.findChild<QComboBox*>(QStringLiteral("cboExaminer"))->setCurrentIndex(3);
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("the window was not exposed");
            return;
        }
        window.findChild<QAbstractButton*>(QStringLiteral("cmdStartSheet"))->click();
        const engine::SheetSitting* sitting = window.sitting();
        if (sitting == nullptr || times.issuedAt.size() != 1) {
            state.SkipWithError("the sitting did not start with its call");
            return;
        }
        // The sitting's start on its clock: the start call came at once, its elapsed time after it.
        const std::uint64_t start = times.issuedAt[0] - sitting->elapsedMs();
        const std::uint64_t duration = sitting->format().durationMs();
        const bool ended =
            QTest::qWaitFor([&window] { return window.sitting() == nullptr; }, static_cast<int>(duration + 5000));
        if (!ended || times.issuedAt.size() != kColumns + 1) {
            state.SkipWithError("not every call came");
            return;
        }
        // The start, each column's end but the last, then the end of the time.
        for (std::size_t call = 1; call < times.issuedAt.size(); ++call) {
            const std::uint64_t due = std::min<std::uint64_t>(call * kColumnMs, duration);
            delays.push_back(static_cast<double>(times.issuedAt[call] - start) - static_cast<double>(due));
        }
        state.SetIterationTime(static_cast<double>(duration) / 1000.0);
    }
    state.counters["median_ms"] = UpperMedian(delays);
    state.counters["max_ms"] = delays.empty() ? 0.0 : *std::max_element(delays.begin(), delays.end());
    state.counters["calls"] = static_cast<double>(delays.size());
}

} // namespace

BENCHMARK(BM_ExaminerCallOnItsMoment)->Unit(benchmark::kSecond)->Iterations(3)->UseManualTime();
