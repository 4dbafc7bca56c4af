// SPDX-License-Identifier: GPL-3.0-or-later
// What opening a window costs the buttons: reading the stored records, and creating a
// button from them; and what the designer's save costs.

#include "controls/chameleonButton/WindowDescription.h"
#include "controls/chameleonButton/chameleonButton.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

const chameleon::WindowDescription& MainDescription() {
    static const chameleon::WindowDescription description = [] {
        QString error;
        auto loaded = chameleon::WindowDescription::FromResource(":/forms/frmMain.twd", &error);
        if (!loaded) qFatal("%s", qPrintable(error));
        return *loaded;
    }();
    return description;
}

void ParseRecords(benchmark::State& state) {
    const auto& records = MainDescription().Find("cmdExit")->records;
    host::StoreError error;
    for (auto _ : state) benchmark::DoNotOptimize(host::PropertyBag::Parse(records, error));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * records.size()));
}
BENCHMARK(ParseRecords);

void CreateButtonFromDescription(benchmark::State& state) {
    QWidget parent;
    QString error;
    for (auto _ : state) {
        chameleon::chameleonButton* button = MainDescription().CreateButton(&parent, "cmdExit", &error);
        benchmark::DoNotOptimize(button);
        delete button;
    }
}
BENCHMARK(CreateButtonFromDescription);

void SaveButton(benchmark::State& state) {
    QWidget parent;
    QString error;
    chameleon::chameleonButton* button = MainDescription().CreateButton(&parent, "cmdExit", &error);
    for (auto _ : state) benchmark::DoNotOptimize(chameleon::SaveButton(*button, &error));
}
BENCHMARK(SaveButton);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
