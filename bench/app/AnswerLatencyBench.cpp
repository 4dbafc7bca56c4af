// SPDX-License-Identifier: GPL-3.0-or-later
// How long the user waits for the next pair: from the Enter key event in the answer field
// to the end of the paint that shows the new operands, in the program's own main window,
// in process and offscreen. The answer log grows as it would in a long run.
//
//   answer_latency_bench [--benchmark_...]
//
// `median_us` is the upper median over every answer of the run; the time column is their mean.
#include "FirstButtonMessageBoxes.h"
#include "Medians.h"
#include "PaintCounter.h"
#include "app/frmMain.h"
#include "host/core/Random.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstddef>
#include <vector>

namespace {

// Draws pairs that always differ from the one before, so every answer repaints both
// operands: 0 and 3, 1 and 4, 2 and 5, ...
class CyclingRandom final : public host::Random {
public:
    void ReseedFromClock() override {}
    float Next() override {
        const int digit = draw_ % 2 == 0 ? (draw_ / 2) % 10 : (draw_ / 2 + 3) % 10;
        ++draw_;
        return (static_cast<float>(digit) + 0.5f) / 10.0f;
    }

private:
    int draw_ = 0;
};

void BM_AnswerToNextPairPainted(benchmark::State& state) {
    CyclingRandom random;
    FirstButtonMessageBoxes boxes;
    app::frmMain window({&random, &boxes, [] {}});
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the main window was not exposed");
        return;
    }
    auto* duration = window.findChild<QLineEdit*>(QStringLiteral("txtTime"));
    auto* answer = window.findChild<QLineEdit*>(QStringLiteral("txtResult"));
    auto* start = window.findChild<QAbstractButton*>(QStringLiteral("cmdStart"));
    auto* operand1 = window.findChild<QLabel*>(QStringLiteral("lblVal1"));
    auto* operand2 = window.findChild<QLabel*>(QStringLiteral("lblVal2"));
    duration->setText(QStringLiteral("99"));
    start->click();
    QApplication::processEvents();
    if (!window.engine().running()) {
        state.SkipWithError("the run did not start");
        return;
    }
    PaintCounter first;
    PaintCounter second;
    operand1->installEventFilter(&first);
    operand2->installEventFilter(&second);

    std::vector<double> microseconds;
    QElapsedTimer timer;
    for (auto _ : state) {
        // The digit is typed and painted before the clock starts.
        QTest::keyClick(answer, Qt::Key_3);
        QApplication::processEvents();
        const int firstBefore = first.paints;
        const int secondBefore = second.paints;

        timer.start();
        QTest::keyClick(answer, Qt::Key_Return);
        while (first.paints == firstBefore || second.paints == secondBefore) {
            QApplication::processEvents();
            if (timer.elapsed() > 1000) break;
        }
        const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e9;
        if (first.paints == firstBefore || second.paints == secondBefore) {
            state.SkipWithError("the new pair was not painted within a second");
            break;
        }
        state.SetIterationTime(elapsed);
        microseconds.push_back(elapsed * 1e6);
    }
    state.counters["median_us"] = UpperMedian(microseconds);
    state.counters["answers"] = static_cast<double>(window.engine().logLines().size());
}

BENCHMARK(BM_AnswerToNextPairPainted)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace
