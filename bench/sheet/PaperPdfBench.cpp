// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the PDF of a Pauli hour's sheet (4,000 additions on four A4 pages), from its seed to
// the file in place: the layout, the painting and the atomic write.
#include "engine/SheetFormat.h"
#include "sheet/PaperPrint.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_PauliPdf(benchmark::State& state) {
    engine::FormatError error;
    const engine::SheetFormat format = *engine::FormatByName("pauli", false, error);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pauli.pdf"));
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const auto paper = sheet::MakePaperSheet(format, seed++, {}, error);
        if (!paper || sheet::WritePaperPdf(path, *paper)) state.SkipWithError("the PDF was not written");
    }
}
BENCHMARK(BM_PauliPdf)->Unit(benchmark::kMillisecond);

} // namespace
