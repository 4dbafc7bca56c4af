// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Sheet.h"
#include "engine/SheetFormat.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace engine {

enum class PaperSize { A4, A3, Letter };
enum class PaperOrientation { Portrait, Landscape };

// A rectangle on the paper, in points (1/72 inch) from the paper's top-left corner.
struct PaperRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    // Whether `other` lies wholly inside, edges included.
    bool contains(const PaperRect& other) const;
    // Whether the two share more than an edge.
    bool overlaps(const PaperRect& other) const;
};

// How a sheet is printed.
struct PaperOptions {
    PaperSize size = PaperSize::A4;
    // Unset: the form's (FormOrientation).
    std::optional<PaperOrientation> orientation;
    // The digits' size in whole points. Unset: the form's (FormDigitPoints), made smaller
    // where the sheet would not fit the page at it.
    std::optional<std::uint32_t> digitPoints;
    // A copy of the sheet's pages with the answer of each pair in its gap.
    bool answerKey = false;
    // A blank grid for plotting the work curve by hand.
    bool curveGrid = false;
};

struct PaperLimits {
    static constexpr std::uint32_t kMinDigitPoints = 5;
    static constexpr std::uint32_t kMaxDigitPoints = 18;
    // Every mark stays this far (12 mm) inside the paper's edges, within what printers print.
    static constexpr double kMarginPoints = 12 * 72 / 25.4;
};

enum class PaperPageKind { Sheet, AnswerKey, CurveGrid };

// The texts of a page, worded by whoever paints it; `PaperLabel::figures` are their values.
enum class PaperText {
    // The sheet's title (on a key page, the key's); no figures.
    Title,
    // The seed: its number.
    Seed,
    // "Name" and "Date" before a line to write on.
    Name,
    Date,
    // The format's stable name, the seed, the page and the pages ("kraepelin-15 · seed 7 · page 2
    // of 3"); FooterPractice for a practice version.
    Footer,
    FooterPractice,
    // A column's or line's number, or a value on the grid's axes: the number.
    Number,
    // The band between the two halves.
    Break,
    // The grid's axes: what runs across (columns, lines or periods of the strokes) and up.
    AxisColumns,
    AxisLines,
    AxisPeriods,
    AxisAmount,
};

enum class PaperAlign { Left, Centre, Right };

struct PaperLabel {
    PaperText text = PaperText::Title;
    PaperRect rect;
    // The text's size in points.
    double points = 10;
    PaperAlign align = PaperAlign::Left;
    bool bold = false;
    std::vector<std::string> figures;
};

// A printed digit of the sheet.
struct PaperDigit {
    PaperRect rect;
    int digit = 0;
};

// Where the answer to a pair is written, between its two digits, and that answer: the
// unit digit of the pair's sum.
struct PaperGap {
    PaperRect rect;
    int answer = 0;
};

// A straight line: a rule between columns, a line to write on, a line of the grid.
struct PaperRule {
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
    double width = 0.5;
    bool faint = false;
};

struct PaperPage {
    PaperPageKind kind = PaperPageKind::Sheet;
    std::vector<PaperLabel> labels;
    std::vector<PaperDigit> digits;
    // A sheet page's gaps are left blank; a key page's carry their answers.
    std::vector<PaperGap> gaps;
    std::vector<PaperRule> rules;
};

// A sheet laid out on paper: every page with the place of every mark on it.
struct PaperLayout {
    // The paper as it lies, in points.
    double width = 0;
    double height = 0;
    PaperOrientation orientation = PaperOrientation::Portrait;
    // The paper less its margins: every mark lies inside.
    PaperRect printable;
    std::uint32_t digitPoints = 0;
    // The size a key's answers are printed in, smaller than the digits.
    double answerPoints = 0;
    std::vector<PaperPage> pages;
};

// The paper's width and height in points, portrait.
PaperRect PaperBounds(PaperSize size);
// How the test's form lies: Pauli's long columns upright, Kraepelin's columns and
// Uchida-Kraepelin's lines across the paper.
PaperOrientation FormOrientation(const SheetFormat& format);
// The digits' size on the test's form, in points.
std::uint32_t FormDigitPoints(const SheetFormat& format);
// The largest whole size from the minimum up to `wanted` at which `format`'s sheet fits
// the paper; none where not even the smallest fits.
std::optional<std::uint32_t> FittingDigitPoints(const SheetFormat& format, PaperSize size, PaperOrientation orientation,
                                                std::uint32_t wanted);

// The pages of `sheet`, a sheet of `format`: the sheet's own pages (Kraepelin's columns side
// by side, as many to a page as fit and shared evenly among the pages, each worked as the
// format says and numbered; lines one under another, the halves of a sheet with a break on
// pages of their own unless both fit one page with the break between them; Pauli's columns
// on as many pages as they need), then the answer key's copies of them and the curve grid,
// as asked. Each page has the title, the seed and the lines for the name and the date on
// top and the footer at the bottom. A digit size out of its limits, or at which the sheet
// does not fit the paper, gives no layout and says so (FormatError::Field::DigitSize).
std::optional<PaperLayout> LayOutPaper(const SheetFormat& format, const Sheet& sheet, const PaperOptions& options,
                                       FormatError& error);

} // namespace engine
