// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

namespace host {

// Makes the families the window layouts name usable on this machine: Tahoma is loaded
// from Wine's font folder when fontconfig does not know it, and Cambria, Tahoma and
// Courier New get metric-compatible substitutes; on Windows they fall back to Windows'
// Japanese interface fonts for Japanese texts. Call once after the application object
// exists; later calls do nothing.
void InstallFontSubstitutes();

// A font as the layouts give it: a family and a size in points at 96 dots per inch.
// The size is set in pixels, because the layouts place controls in pixels too and the
// text has to fit them whatever the screen's logical resolution. The symbol family
// (Webdings) is replaced by a family that has the Unicode symbols of SymbolText.
QFont LayoutFont(const QString& family, double points, bool bold = false, bool italic = false, bool underline = false);

// `font` for the texts a window writes itself, every character of which the font has:
// it draws only its own glyphs, so no fallback fonts are looked up for it, which saves
// the start-up a fontconfig search per family. Texts a user chooses, such as a button's
// caption, keep the fallbacks of LayoutFont. In a language whose letters the fonts lack
// (InstalledLanguageInOwnFonts), the window's own texts keep the fallbacks too.
QFont OwnTextFont(QFont font);

// `font`, narrowed just enough that `text` fits `width` pixels on one line: first by
// condensing its letters (down to 85 % of their width), then by smaller sizes in the unit
// the font is sized in: a pixel at a time down to 8 pixels for a font sized in pixels, a
// quarter point at a time down to 6 points for one sized in points. Text too wide even
// then gets the smallest size. A text that fits already keeps the font as it is. The layouts' boxes were measured with
// one font engine; another (Windows' own, which rounds every letter to whole pixels) can
// set the same text a few pixels wider, and a label's text must not run into its neighbour.
QFont FitTextWidth(QFont font, const QString& text, int width);

// The pixel size of a point size at 96 dots per inch, rounded half to even.
int PointsToPixels(double points);

// True for the picture font whose letters stand for symbols.
bool IsSymbolFamily(const QString& family);

// The Unicode text that shows what `text` shows in the picture font: "4" the play
// triangle, "<" the stop square, "~" an anticlockwise arrow, "!" a fisheye. Other
// characters are kept as they are.
QString SymbolText(const QString& text);

// The family SymbolText's characters are drawn with.
QString SymbolFamily();

// The text a control shows for `text` in `family`: SymbolText for the symbol family,
// the text itself otherwise.
QString DisplayText(const QString& family, const QString& text);

} // namespace host
