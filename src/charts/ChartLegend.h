// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStringList>
#include <vector>

class QFontMetrics;
class QString;

namespace charts {

// Where one entry of a chart's legend is drawn: the box its mark and words take together in
// the font's line, the box of each of its words (a scale's two ends, or one word) in that
// line, and the ink of each word's letters, which a fallback font (Japanese) may draw
// higher or lower than the line.
struct LegendPlace {
    QRect box;
    std::vector<QRect> words;
    std::vector<QRect> letters;
};

// A legend's entry is a swatch, a gap and its words; entries stand a gap apart.
inline constexpr int kLegendSwatch = 8;
inline constexpr int kLegendSwatchGap = 3;
inline constexpr int kLegendGap = 8;

// Where a legend of entries with `words`, after swatches `swatch` wide, goes across the top
// of a chart drawn into `rect`, inside its margin: the entries flow onto as many rows as they need (FlowIntoRows),
// unless an entry is wider than the chart or the rows would take more than half its height; then the legend is left
// out, and the chart says what its marks mean in words instead.
struct LegendFlow {
    // Where each entry's swatch starts, on its row's baseline; none where it is left out.
    std::vector<QPoint> at;
    // The height its rows take: a line of the font for the first, a row's pitch for each
    // further one; 0 where it is left out.
    int height = 0;
};
LegendFlow FlowLegend(const QRect& rect, const QFontMetrics& metrics, const QStringList& words,
                      int swatch = kLegendSwatch);

// How far apart the rows of a legend of `words` stand, baseline to baseline: a line of the
// font, or more where letters drawn in a fallback font (Japanese) reach past the font's
// line, so that the letters of two rows never touch.
int LegendRowPitch(const QFontMetrics& metrics, const QStringList& words);

// The places of `text` drawn from `left` on `baseline`: its line box and its letters' ink,
// added to `place`.
void AddWords(LegendPlace& place, const QFontMetrics& metrics, const QString& text, int left, int baseline);

// The places of a legend whose entries are a swatch `swatch` wide and `words` each, their
// swatches at `at` (FlowLegend's).
std::vector<LegendPlace> SwatchLegendPlaces(const std::vector<QPoint>& at, const QFontMetrics& metrics,
                                            const QStringList& words, int swatch = kLegendSwatch);

} // namespace charts
