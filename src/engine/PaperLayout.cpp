// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/PaperLayout.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace engine {
namespace {

constexpr double kMillimetre = 72 / 25.4;

// Columns, in digit sizes: a digit's cell, the gap beside it where the answer goes, the room
// to the next column, a row, and the column's number above it.
constexpr double kDigitWidth = 0.7;
constexpr double kAnswerWidth = 0.85;
constexpr double kColumnGap = 0.45;
constexpr double kRow = 1.35;
constexpr double kNumberHeight = 1.1;
// Lines: a digit's cell, the row of digits and the row of answers under it, the room to the
// next line, and the line's number before it.
constexpr double kCell = 0.9;
constexpr double kDigitRow = 1.25;
constexpr double kAnswerRow = 1.1;
constexpr double kLineGap = 0.45;
constexpr double kNumberWidth = 1.8;
// Unit numbers, the band between two halves, and a key's answers.
constexpr double kNumberSize = 0.65;
constexpr double kBreakBand = 1.6;
constexpr double kAnswerSize = 0.7;

// The header: the title and the seed on one line, the name and the date on the next; the
// footer under the body.
constexpr double kTitlePoints = 12;
constexpr double kTitleHeight = 16;
constexpr double kNamePoints = 10;
constexpr double kNameHeight = 16;
constexpr double kNameWidth = 60;
constexpr double kNameLine = 200;
constexpr double kHeaderGap = 8;
constexpr double kFooterPoints = 8;
constexpr double kFooterHeight = 12;
constexpr double kFooterGap = 6;

// The curve grid: its axes' texts and the room they take; the scale of a Pauli period.
constexpr double kAxisPoints = 8;
constexpr double kAxisTitleHeight = 14;
constexpr double kAxisNumberWidth = 24;
constexpr double kAxisNumberHeight = 12;
constexpr double kMinLabelSpacing = 14;
constexpr double kMinLineSpacing = 4;
constexpr std::uint32_t kPauliPeriodScale = 200;

// Where one format's units go on a page of a given body, at one digit size.
struct Geometry {
    bool columns = true;
    double size = 0;
    // Along: the direction the units follow one another in (across for columns, down for
    // lines); across: the other.
    double step = 0;
    double gap = 0;
    double band = 0;
    double acrossNeeded = 0;
};

Geometry GeometryOf(const SheetFormat& format, double size) {
    Geometry geometry;
    geometry.columns = format.order != WorkOrder::LeftToRight;
    geometry.size = size;
    geometry.band = kBreakBand * size;
    const double longest = format.digitsPerUnit;
    if (geometry.columns) {
        geometry.gap = kColumnGap * size;
        geometry.step = (kDigitWidth + kAnswerWidth + kColumnGap) * size;
        geometry.acrossNeeded = (kNumberHeight + longest * kRow) * size;
    } else {
        geometry.gap = kLineGap * size;
        geometry.step = (kDigitRow + kAnswerRow + kLineGap) * size;
        geometry.acrossNeeded = (kNumberWidth + longest * kCell) * size;
    }
    return geometry;
}

PaperRect Portrait(PaperSize size) {
    switch (size) {
    case PaperSize::A3: return {0, 0, 297 * kMillimetre, 420 * kMillimetre};
    case PaperSize::Letter: return {0, 0, 8.5 * 72, 11 * 72};
    case PaperSize::A4: break;
    }
    return {0, 0, 210 * kMillimetre, 297 * kMillimetre};
}

PaperRect Printable(PaperSize size, PaperOrientation orientation) {
    PaperRect paper = Portrait(size);
    if (orientation == PaperOrientation::Landscape) std::swap(paper.width, paper.height);
    const double margin = PaperLimits::kMarginPoints;
    return {margin, margin, paper.width - 2 * margin, paper.height - 2 * margin};
}

// The printable area less the header and the footer.
PaperRect BodyOf(const PaperRect& printable) {
    const double header = kTitleHeight + kNameHeight + kHeaderGap;
    const double footer = kFooterHeight + kFooterGap;
    return {printable.left, printable.top + header, printable.width, printable.height - header - footer};
}

bool Fits(const SheetFormat& format, const PaperRect& body, double size) {
    const Geometry geometry = GeometryOf(format, size);
    const double across = geometry.columns ? body.height : body.width;
    const double along = geometry.columns ? body.width : body.height;
    return geometry.acrossNeeded <= across && geometry.step - geometry.gap <= along;
}

// The units of a sheet in the groups that the break parts: the halves, or all of them.
std::vector<std::pair<std::uint32_t, std::uint32_t>> Groups(const SheetFormat& format, std::uint32_t units) {
    if (format.hasBreak() && format.breakAfter < units) return {{0, format.breakAfter}, {format.breakAfter, units}};
    return {{0, units}};
}

// The units of each page: a group starts a page of its own unless the whole sheet fits one
// page, and a group longer than a page is shared evenly among as few pages as hold it.
struct PageUnits {
    std::uint32_t first = 0;
    std::uint32_t end = 0;
    // Groups that end on this page before its last one (a band follows each).
    std::vector<std::uint32_t> breaksAfter;
};

std::vector<PageUnits> Paginate(const SheetFormat& format, std::uint32_t units, const Geometry& geometry,
                                double along) {
    const auto groups = Groups(format, units);
    const auto perPage = static_cast<std::uint32_t>(std::floor((along + geometry.gap) / geometry.step));
    const double allAlong = units * geometry.step - geometry.gap + double(groups.size() - 1) * geometry.band;
    if (allAlong <= along) {
        PageUnits page{0, units, {}};
        for (std::size_t g = 0; g + 1 < groups.size(); ++g) page.breaksAfter.push_back(groups[g].second);
        return {page};
    }
    std::vector<PageUnits> pages;
    for (const auto& [first, end] : groups) {
        const std::uint32_t count = end - first;
        const std::uint32_t pageCount = (count + perPage - 1) / perPage;
        std::uint32_t at = first;
        for (std::uint32_t page = 0; page < pageCount; ++page) {
            const std::uint32_t here = count / pageCount + (page < count % pageCount ? 1 : 0);
            pages.push_back({at, at + here, {}});
            at += here;
        }
    }
    return pages;
}

PaperRule Rule(double x1, double y1, double x2, double y2, double width, bool faint) {
    return {x1, y1, x2, y2, width, faint};
}

void AddHeader(PaperPage& page, const PaperRect& printable, std::uint64_t seed) {
    const double top = printable.top;
    page.labels.push_back({PaperText::Title,
                           {printable.left, top, printable.width * 0.7, kTitleHeight},
                           kTitlePoints,
                           PaperAlign::Left,
                           true,
                           {}});
    page.labels.push_back({PaperText::Seed,
                           {printable.left + printable.width * 0.7, top, printable.width * 0.3, kTitleHeight},
                           kTitlePoints,
                           PaperAlign::Right,
                           false,
                           {std::to_string(seed)}});
    if (page.kind == PaperPageKind::AnswerKey) return;
    // "Name" and "Date", each before a line to write on.
    const double y = top + kTitleHeight;
    const double lineY = y + kNameHeight - 2;
    double x = printable.left;
    for (PaperText text : {PaperText::Name, PaperText::Date}) {
        page.labels.push_back({text, {x, y, kNameWidth, kNameHeight}, kNamePoints, PaperAlign::Left, false, {}});
        page.rules.push_back(Rule(x + kNameWidth, lineY, x + kNameWidth + kNameLine, lineY, 0.5, false));
        x += kNameWidth + kNameLine + 2 * kHeaderGap;
    }
}

void AddFooter(PaperPage& page, const PaperRect& printable, const SheetFormat& format, std::uint64_t seed,
               std::size_t number, std::size_t pages) {
    page.labels.push_back({format.practice ? PaperText::FooterPractice : PaperText::Footer,
                           {printable.left, printable.bottom() - kFooterHeight, printable.width, kFooterHeight},
                           kFooterPoints,
                           PaperAlign::Centre,
                           false,
                           {format.name, std::to_string(seed), std::to_string(number), std::to_string(pages)}});
}

int AnswerOf(const Sheet& sheet, std::uint32_t unit, std::uint32_t pair) {
    return (sheet.digit(unit, pair) + sheet.digit(unit, pair + 1)) % 10;
}

// One page of the sheet: its units, their numbers, digits and gaps, and the bands.
PaperPage SheetPage(const SheetFormat& format, const Sheet& sheet, const Geometry& geometry, const PaperRect& body,
                    const PageUnits& units) {
    PaperPage page;
    const double s = geometry.size;
    const std::uint32_t longest = format.digitsPerUnit;
    // Columns stand in the middle of the page's width, lines from the top down.
    double along = 0;
    if (geometry.columns) {
        const double used =
            (units.end - units.first) * geometry.step - geometry.gap + double(units.breaksAfter.size()) * geometry.band;
        along = std::max(0.0, (body.width - used) / 2);
    }
    for (std::uint32_t unit = units.first; unit < units.end; ++unit) {
        const std::uint32_t digits = sheet.digitCount(unit);
        const std::string number = std::to_string(unit + 1);
        if (geometry.columns) {
            const double x = body.left + along;
            const double top = body.top + kNumberHeight * s;
            page.labels.push_back({PaperText::Number,
                                   {x, body.top, (kDigitWidth + kAnswerWidth) * s, kNumberHeight * s},
                                   kNumberSize * s,
                                   PaperAlign::Left,
                                   false,
                                   {number}});
            // Bottom-up columns stand on their last row, top-down ones hang from their first.
            const auto rowOf = [&](std::uint32_t index) {
                return format.order == WorkOrder::BottomUp ? longest - 1 - index : index;
            };
            for (std::uint32_t index = 0; index < digits; ++index)
                page.digits.push_back(
                    {{x, top + rowOf(index) * kRow * s, kDigitWidth * s, kRow * s}, sheet.digit(unit, index)});
            for (std::uint32_t pair = 0; pair + 1 < digits; ++pair) {
                const double between = top + (rowOf(pair) + rowOf(pair + 1) + 1) * kRow * s / 2;
                page.gaps.push_back({{x + kDigitWidth * s, between - kRow * s / 2, kAnswerWidth * s, kRow * s},
                                     AnswerOf(sheet, unit, pair)});
            }
            if (unit + 1 < units.end) {
                const double ruleX = x + geometry.step - geometry.gap / 2;
                page.rules.push_back(Rule(ruleX, top, ruleX, top + longest * kRow * s, 0.3, true));
            }
        } else {
            const double y = body.top + along;
            const double left = body.left + kNumberWidth * s;
            page.labels.push_back({PaperText::Number,
                                   {body.left, y, (kNumberWidth - kLineGap) * s, kDigitRow * s},
                                   kNumberSize * s,
                                   PaperAlign::Right,
                                   false,
                                   {number}});
            for (std::uint32_t index = 0; index < digits; ++index)
                page.digits.push_back(
                    {{left + index * kCell * s, y, kCell * s, kDigitRow * s}, sheet.digit(unit, index)});
            for (std::uint32_t pair = 0; pair + 1 < digits; ++pair)
                page.gaps.push_back({{left + (pair + 0.5) * kCell * s, y + kDigitRow * s, kCell * s, kAnswerRow * s},
                                     AnswerOf(sheet, unit, pair)});
        }
        along += geometry.step;
        if (std::find(units.breaksAfter.begin(), units.breaksAfter.end(), unit + 1) == units.breaksAfter.end())
            continue;
        // The band between the halves, where the break falls.
        const double start = along - geometry.gap;
        if (geometry.columns) {
            const double x = body.left + start + geometry.band / 2;
            page.rules.push_back(Rule(x, body.top, x, body.top + geometry.acrossNeeded, 1.0, false));
        } else {
            const double y = body.top + start;
            page.labels.push_back({PaperText::Break,
                                   {body.left, y, body.width, geometry.band},
                                   kNumberSize * s,
                                   PaperAlign::Centre,
                                   true,
                                   {}});
            page.rules.push_back(Rule(body.left, y + 1, body.right(), y + 1, 0.3, true));
            page.rules.push_back(
                Rule(body.left, y + geometry.band - 1, body.right(), y + geometry.band - 1, 0.3, true));
        }
        along += geometry.band;
    }
    return page;
}

// The smallest step of `candidates` whose spacing at `perStep` points a step is at least `least`.
std::uint32_t StepOf(double perStep, double least) {
    for (std::uint32_t step : {1u, 2u, 5u, 10u, 20u, 25u, 50u, 100u, 200u, 500u}) {
        if (perStep * step >= least) return step;
    }
    return 1000;
}

// A blank grid: the columns, lines or periods across, the amounts up.
PaperPage CurveGridPage(const SheetFormat& format, const PaperRect& body) {
    PaperPage page;
    page.kind = PaperPageKind::CurveGrid;
    const bool periods = !format.cued() && format.strokePeriods() > 0;
    const std::uint32_t across = periods ? format.strokePeriods() : format.unitCount();
    const std::uint32_t amounts = periods ? kPauliPeriodScale : format.pairsPerUnit();
    const PaperRect grid{body.left + kAxisNumberWidth, body.top + kAxisTitleHeight,
                         body.width - kAxisNumberWidth - kAxisNumberWidth / 2,
                         body.height - kAxisTitleHeight - kAxisNumberHeight - kAxisTitleHeight};
    page.labels.push_back({PaperText::AxisAmount,
                           {body.left, body.top, grid.width / 2, kAxisTitleHeight},
                           kAxisPoints,
                           PaperAlign::Left,
                           true,
                           {}});
    const PaperText acrossText = periods                                  ? PaperText::AxisPeriods
                                 : format.order == WorkOrder::LeftToRight ? PaperText::AxisLines
                                                                          : PaperText::AxisColumns;
    page.labels.push_back({acrossText,
                           {grid.left, grid.bottom() + kAxisNumberHeight, grid.width, kAxisTitleHeight},
                           kAxisPoints,
                           PaperAlign::Centre,
                           true,
                           {}});
    const double width = grid.width / across;
    const std::uint32_t numberStep = StepOf(width, kMinLabelSpacing);
    for (std::uint32_t i = 0; i <= across; ++i) {
        const double x = grid.left + i * width;
        page.rules.push_back(Rule(x, grid.top, x, grid.bottom(), i == 0 || i == across ? 0.8 : 0.3, i % 5 != 0));
        // The first and every numberStep-th are numbered.
        if (i < across && (i == 0 || (i + 1) % numberStep == 0)) {
            page.labels.push_back({PaperText::Number,
                                   {x, grid.bottom(), width, kAxisNumberHeight},
                                   kAxisPoints,
                                   PaperAlign::Centre,
                                   false,
                                   {std::to_string(i + 1)}});
        }
    }
    const double height = grid.height / amounts;
    const std::uint32_t lineStep = StepOf(height, kMinLineSpacing);
    const std::uint32_t valueStep = StepOf(height, kMinLabelSpacing);
    for (std::uint32_t amount = 0; amount <= amounts; amount += lineStep) {
        const double y = grid.bottom() - amount * height;
        const bool labelled = amount % valueStep == 0;
        page.rules.push_back(Rule(grid.left, y, grid.right(), y, labelled ? 0.5 : 0.3, !labelled));
        if (labelled) {
            page.labels.push_back({PaperText::Number,
                                   {body.left, y - kAxisNumberHeight / 2, kAxisNumberWidth - 4, kAxisNumberHeight},
                                   kAxisPoints,
                                   PaperAlign::Right,
                                   false,
                                   {std::to_string(amount)}});
        }
    }
    if (!periods && format.hasBreak()) {
        const double x = grid.left + format.breakAfter * width;
        page.rules.push_back(Rule(x, grid.top, x, grid.bottom(), 1.5, false));
        page.labels.push_back(
            {PaperText::Break, {x - 40, body.top, 80, kAxisTitleHeight}, kAxisPoints, PaperAlign::Centre, true, {}});
    }
    return page;
}

bool Refuse(FormatError& error, std::uint32_t points, std::uint32_t fitting) {
    error.field = FormatError::Field::DigitSize;
    error.problem = FormatError::Problem::DoesNotFit;
    error.value = std::to_string(points);
    error.low = PaperLimits::kMinDigitPoints;
    error.high = fitting;
    error.message = fitting > 0 ? "the sheet does not fit the page at " + error.value + " points; at most " +
                                      std::to_string(fitting) + " points fit"
                                : "the sheet does not fit this paper at any size; choose a larger paper or turn it";
    return false;
}

} // namespace

bool PaperRect::contains(const PaperRect& other) const {
    return other.left >= left && other.top >= top && other.right() <= right() && other.bottom() <= bottom();
}

bool PaperRect::overlaps(const PaperRect& other) const {
    // A hair's breadth of rounding is not an overlap.
    constexpr double kTolerance = 1e-6;
    return other.left < right() - kTolerance && left < other.right() - kTolerance &&
           other.top < bottom() - kTolerance && top < other.bottom() - kTolerance;
}

PaperRect PaperBounds(PaperSize size) { return Portrait(size); }

PaperOrientation FormOrientation(const SheetFormat& format) {
    return format.cued() ? PaperOrientation::Landscape : PaperOrientation::Portrait;
}

std::uint32_t FormDigitPoints(const SheetFormat& format) {
    if (format.order == WorkOrder::LeftToRight) return 8;
    if (!format.cued()) return 10;
    // Kraepelin's short columns in a larger print than its long ones.
    return format.digitsPerUnit <= 30 ? 11 : 9;
}

std::optional<std::uint32_t> FittingDigitPoints(const SheetFormat& format, PaperSize size, PaperOrientation orientation,
                                                std::uint32_t wanted) {
    const PaperRect body = BodyOf(Printable(size, orientation));
    for (std::uint32_t points = wanted; points >= PaperLimits::kMinDigitPoints; --points) {
        if (Fits(format, body, points)) return points;
    }
    return std::nullopt;
}

std::optional<PaperLayout> LayOutPaper(const SheetFormat& format, const Sheet& sheet, const PaperOptions& options,
                                       FormatError& error) {
    using Limits = PaperLimits;
    const PaperOrientation orientation = options.orientation.value_or(FormOrientation(format));
    std::uint32_t points = options.digitPoints.value_or(FormDigitPoints(format));
    if (options.digitPoints) {
        if (points < Limits::kMinDigitPoints || points > Limits::kMaxDigitPoints) {
            error.field = FormatError::Field::DigitSize;
            error.problem = FormatError::Problem::OutOfRange;
            error.value = std::to_string(points);
            error.low = Limits::kMinDigitPoints;
            error.high = Limits::kMaxDigitPoints;
            error.message =
                "must be " + std::to_string(error.low) + " to " + std::to_string(error.high) + ", not " + error.value;
            return std::nullopt;
        }
    }
    const std::optional<std::uint32_t> fitting = FittingDigitPoints(format, options.size, orientation, points);
    if (!fitting || (options.digitPoints && *fitting != points)) {
        Refuse(error, points, fitting.value_or(0));
        return std::nullopt;
    }
    points = *fitting;

    PaperLayout layout;
    const PaperRect paper = Portrait(options.size);
    const bool landscape = orientation == PaperOrientation::Landscape;
    layout.width = landscape ? paper.height : paper.width;
    layout.height = landscape ? paper.width : paper.height;
    layout.orientation = orientation;
    layout.printable = Printable(options.size, orientation);
    layout.digitPoints = points;
    layout.answerPoints = kAnswerSize * points;
    const PaperRect body = BodyOf(layout.printable);
    const Geometry geometry = GeometryOf(format, points);
    const auto pageUnits = Paginate(format, sheet.unitCount(), geometry, geometry.columns ? body.width : body.height);

    for (const PageUnits& units : pageUnits) layout.pages.push_back(SheetPage(format, sheet, geometry, body, units));
    if (options.answerKey) {
        const std::size_t sheetPages = layout.pages.size();
        for (std::size_t i = 0; i < sheetPages; ++i) {
            PaperPage key = layout.pages[i];
            key.kind = PaperPageKind::AnswerKey;
            layout.pages.push_back(std::move(key));
        }
    }
    if (options.curveGrid) layout.pages.push_back(CurveGridPage(format, body));
    const std::size_t total = layout.pages.size();
    for (std::size_t i = 0; i < total; ++i) {
        AddHeader(layout.pages[i], layout.printable, sheet.seed());
        AddFooter(layout.pages[i], layout.printable, format, sheet.seed(), i + 1, total);
    }
    return layout;
}

} // namespace engine
