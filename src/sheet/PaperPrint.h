// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/PaperLayout.h"
#include "engine/SheetFormat.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>

class QPagedPaintDevice;
class QPainter;
class QPageLayout;

namespace sheet {

// A sheet laid out for paper, with what its texts need: the format's title and name.
struct PaperSheet {
    engine::SheetFormat format;
    std::uint64_t seed = 0;
    engine::PaperSize size = engine::PaperSize::A4;
    engine::PaperLayout layout;
};

// The sheet of `format` made from `seed` and laid out on paper as `options` say, or why it
// cannot be (FormatError::Field::DigitSize).
std::optional<PaperSheet> MakePaperSheet(const engine::SheetFormat& format, std::uint64_t seed,
                                         const engine::PaperOptions& options, engine::FormatError& error);

// A label's text in the language installed: "Seed 7", "kraepelin-15 · seed 7 · page 2 of 3".
QString PaperLabelText(const engine::PaperLabel& label, const engine::PaperPage& page,
                       const engine::SheetFormat& format);

// The paper, its orientation and no margins: the layout places every mark itself.
QPageLayout PageLayoutOf(const PaperSheet& sheet);

// Paints page `index` of `sheet` with `painter`, whose coordinates are the paper's in points
// from its top-left corner, on any device: a printer, a PDF, the preview, an image.
void PaintPaperPage(QPainter& painter, const PaperSheet& sheet, std::size_t index);

// Paints every page on `device`, a printer or a PDF writer set to PageLayoutOf(sheet) with
// its page as the whole paper; false when the device cannot be painted on.
bool PaintPaper(QPagedPaintDevice& device, const PaperSheet& sheet);

// Writes the sheet as a PDF (vector text) to `path`: into a temporary file beside it, which
// takes its place only when complete, so that a failure leaves no partial file and an old
// file as it was. Returns the system's reason when that fails.
std::optional<QString> WritePaperPdf(const QString& path, const PaperSheet& sheet);

} // namespace sheet
