// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Medians.h"
#include "PaintCounter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <vector>

// Times every iteration of `state` from the call of `open`, which makes a window, fills and
// shows it, to the end of the first paint of each widget `open` handed to `watch` (before
// showing the window). The window is closed, and what its closing leaves to the event loop
// done, outside the time. The figure to read is median_ms, the upper median. Stops with an
// error when a watched widget is not painted within five seconds.
template <typename Open> void TimeUntilFirstPaint(benchmark::State& state, Open open) {
    std::vector<double> milliseconds;
    QElapsedTimer timer;
    for (auto _ : state) {
        std::vector<std::unique_ptr<PaintCounter>> counters;
        const auto watch = [&counters](QWidget* widget) {
            counters.push_back(std::make_unique<PaintCounter>());
            widget->installEventFilter(counters.back().get());
        };
        const auto painted = [&counters] {
            return std::all_of(counters.begin(), counters.end(), [](const auto& c) { return c->paints > 0; });
        };
        timer.start();
        std::unique_ptr<QWidget> window = open(std::function<void(QWidget*)>(watch));
        while (!painted() && timer.elapsed() < 5000) QApplication::processEvents();
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (!painted()) {
            state.SkipWithError("the window was not painted within five seconds");
            break;
        }
        state.SetIterationTime(elapsed);
        milliseconds.push_back(elapsed * 1e3);
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    if (!milliseconds.empty()) state.counters["median_ms"] = UpperMedian(milliseconds);
}
