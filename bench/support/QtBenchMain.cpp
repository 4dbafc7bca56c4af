// SPDX-License-Identifier: GPL-3.0-or-later
// The main() of the benchmark programs that need a Qt application: offscreen unless told
// otherwise, with the program's font substitutes.
#include "host/qt/Fonts.h"

#include <QApplication>
#include <QStandardPaths>
#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings and the history in folders of their own (~/.qttest), never the user's.
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    host::InstallFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
