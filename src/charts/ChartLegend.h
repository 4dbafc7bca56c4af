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

// How far apart the rows of a legend of `words` stand, baseline to baseline: a line of the
// font, or more where letters drawn in a fallback font (Japanese) reach past the font's
// line, so that the letters of two rows never touch.
int LegendRowPitch(const QFontMetrics& metrics, const QStringList& words);

// The places of `text` drawn from `left` on `baseline`: its line box and its letters' ink,
// added to `place`.
void AddWords(LegendPlace& place, const QFontMetrics& metrics, const QString& text, int left, int baseline);

} // namespace charts
