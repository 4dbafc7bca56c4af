// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet window in process and offscreen:
//  - opening it, from the constructor to the end of its first paint;
//  - starting the largest sheet (Pauli's 4,000 additions): the sheet made, laid out and
//    painted;
//  - a digit key on that sheet until the paint that shows the written digit has ended,
//    the cursor moving on through the sheet as the user's would; each key's paint is
//    checked to have held its answer, written.
//
//   sheet_window_bench [--benchmark_...]
//
// `median_ms` and `median_us` are the upper medians over the iterations; the time column is
// their mean.
#include "FirstButtonMessageBoxes.h"
#include "FirstPaintTiming.h"
#include "host/core/MonotonicClock.h"
#include "sheet/CueSound.h"
#include "sheet/SheetView.h"
#include "sheet/frmSheet.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace {

// Time stands still: no cue or stroke comes between two key presses.
class StandingClock final : public host::MonotonicClock {
public:
    std::uint64_t Milliseconds() override { return 1000; }
};

class SilentSound final : public sheet::CueSound {
public:
    void Play() override {}
};

struct Services {
    StandingClock clock;
    FirstButtonMessageBoxes boxes;
    SilentSound sound;
    sheet::SheetServices Make() {
        sheet::SheetServices services;
        services.clock = &clock;
        services.messages = &boxes;
        services.sound = &sound;
        services.newSeed = [] { return 1; };
        services.showResults = [](QWidget*, const engine::SheetFormat&, std::span<const engine::SheetAnswer>,
                                  std::uint64_t, engine::SittingEnd, std::uint64_t) {};
        return services;
    }
};

// Unites what the paints of the widget it is installed on covered.
class PaintedRegion final : public QObject {
public:
    QRegion region;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
        return QObject::eventFilter(watched, event);
    }
};

// Processes events until `paints` moves past `before`; false after a second without.
template <typename Count> bool WaitForPaint(Count paints, std::uint64_t before, const QElapsedTimer& timer) {
    while (static_cast<std::uint64_t>(paints()) == before) {
        QApplication::processEvents();
        if (timer.elapsed() > 1000) return false;
    }
    return true;
}

void BM_OpenSheetWindow(benchmark::State& state) {
    Services services;
    TimeUntilFirstPaint(state, [&services](const std::function<void(QWidget*)>& watch) {
        auto window = std::make_unique<sheet::frmSheet>(services.Make());
        watch(window.get());
        window->show();
        return window;
    });
}

void BM_StartPauliHour(benchmark::State& state) {
    Services services;
    std::vector<double> microseconds;
    QElapsedTimer timer;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<sheet::frmSheet>(services.Make());
        window->Choose({"pauli", false, 7});
        // Straight to the sheet, without the procedure before it.
        window->findChild<QCheckBox*>(QStringLiteral("chkProcedure"))->setChecked(false);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) {
            state.SkipWithError("the window was not exposed");
            break;
        }
        auto* start = window->findChild<QAbstractButton*>(QStringLiteral("cmdStartSheet"));
        sheet::SheetView* view = window->view();
        state.ResumeTiming();
        const std::uint64_t before = view->paintCount();
        timer.start();
        start->click();
        if (!WaitForPaint([view] { return view->paintCount(); }, before, timer)) {
            state.SkipWithError("the sheet was not painted within a second");
            break;
        }
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        state.SetIterationTime(elapsed);
        microseconds.push_back(elapsed * 1e6);
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["median_us"] = UpperMedian(microseconds);
}

void BM_KeyToAnswerPaintedOnThePauliHour(benchmark::State& state) {
    Services services;
    sheet::frmSheet window(services.Make());
    window.Choose({"pauli", false, 7});
    window.findChild<QCheckBox*>(QStringLiteral("chkProcedure"))->setChecked(false);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window was not exposed");
        return;
    }
    window.findChild<QAbstractButton*>(QStringLiteral("cmdStartSheet"))->click();
    sheet::SheetView* view = window.view();
    QApplication::processEvents();
    PaintedRegion painted;
    view->installEventFilter(&painted);
    std::vector<double> microseconds;
    QElapsedTimer timer;
    for (auto _ : state) {
        const engine::SheetSitting* sitting = window.sitting();
        if (sitting == nullptr) {
            state.SkipWithError("the sheet was worked through");
            break;
        }
        const auto cursor = sitting->cursor();
        const auto key = static_cast<Qt::Key>(Qt::Key_0 + (cursor.operand1 + cursor.operand2) % 10);
        const std::uint64_t before = view->paintCount();
        painted.region = QRegion();
        timer.start();
        QTest::keyClick(view, key);
        if (!WaitForPaint([view] { return view->paintCount(); }, before, timer)) {
            state.SkipWithError("the answer was not painted within a second");
            break;
        }
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        // The time is honest only if the paint that ended it showed the answer, as much of
        // it as the scroll left in view (the last of a column scrolls out at once).
        const QRegion answer = QRegion(view->painter().answerRect(cursor.unit, cursor.pair)) & view->visibleRegion();
        if (view->written(cursor.unit, cursor.pair) != key - Qt::Key_0 || !(answer - painted.region).isEmpty()) {
            state.SkipWithError("the paint that ended the time did not show the key's answer");
            break;
        }
        state.SetIterationTime(elapsed);
        microseconds.push_back(elapsed * 1e6);
    }
    state.counters["median_us"] = UpperMedian(microseconds);
    state.counters["answers"] = window.sitting() ? static_cast<double>(window.sitting()->record().size()) : 0.0;
}

BENCHMARK(BM_OpenSheetWindow)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(30);
BENCHMARK(BM_StartPauliHour)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(20);
// Up to 3,000 of the sheet's 4,000 answers.
BENCHMARK(BM_KeyToAnswerPaintedOnThePauliHour)->UseManualTime()->Unit(benchmark::kMicrosecond)->Iterations(3000);

} // namespace
