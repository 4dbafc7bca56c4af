// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Sheet.h"
#include "engine/SheetFormat.h"
#include "engine/SheetSitting.h"

#include <QFont>
#include <QRect>
#include <QSize>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class QPainter;
class QRegion;

namespace sheet {

class SheetDigitTexts;

// What is written on the sheet and where the user is, for one paint.
struct SheetMarks {
    // What each pair holds, the sheet's pairs counted through all units in order:
    // kBlank, a digit 0 to 9, or kPassed.
    static constexpr std::int8_t kBlank = -1;
    static constexpr std::int8_t kPassed = 10;
    std::span<const std::int8_t> written;
    // The cursor's unit and pair; no cursor is drawn while `cursorShown` is false (before
    // the start, during the break, at the end).
    std::uint32_t unit = 0;
    std::uint32_t pair = 0;
    bool cursorShown = false;
    // The cue has just moved the user to `unit`: it is marked more strongly for a moment.
    bool cueCalled = false;
    std::span<const engine::SheetStroke> strokes;
};

// Draws a sheet as it looks on paper: columns of digits with their numbers above them, or
// numbered lines; each written digit between the two digits it answers, a little to the
// right of a column or under a line, as a pencil puts it; Pauli's strokes across a column
// after the last answer before them. The painter only draws and measures: it keeps no
// state of the sitting, only its digits laid out for the font they were last drawn in.
class SheetPainter {
public:
    SheetPainter();
    ~SheetPainter();
    SheetPainter(SheetPainter&&) noexcept;
    SheetPainter& operator=(SheetPainter&&) noexcept;

    // The sheet and its order of work, and the font its digits are set in at zoom 1.
    void setSheet(const engine::SheetFormat& format, const engine::Sheet& sheet, const QFont& font);
    // 1 is the sheet's own size; digits grow and shrink with it.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }

    // The whole sheet at the current zoom.
    QSize sheetSize() const;
    // A column or a line with its number.
    QRect unitRect(std::uint32_t unit) const;
    // Pair `pair` of `unit`: its two digits and the place of its answer.
    QRect pairRect(std::uint32_t unit, std::uint32_t pair) const;
    // Where the answer to a pair is written.
    QRect answerRect(std::uint32_t unit, std::uint32_t pair) const;
    QRect digitRect(std::uint32_t unit, std::uint32_t index) const;
    // The index in `SheetMarks::written` of a unit's first pair.
    std::size_t firstPair(std::uint32_t unit) const { return pairStarts_[unit]; }
    std::size_t pairTotal() const { return pairStarts_.empty() ? 0 : pairStarts_.back(); }
    // How far the cursor's and the cue's frames reach out of the rectangles above: their
    // pens are centred on lines near the edges and grow with the zoom.
    int markReach() const { return std::max(2, rowHeight_ / 8); }

    // Paints what of the sheet lies in `exposed` (sheet coordinates), nothing outside it:
    // its pixels are those of the whole sheet painted at once.
    void paint(QPainter* painter, const QRect& exposed, const SheetMarks& marks) const;
    // The same for each rectangle of `exposed`, so that a key press's pairs and a scroll's
    // strip far from them are painted without all that lies between them.
    void paint(QPainter* painter, const QRegion& exposed, const SheetMarks& marks) const;
    // The digits as laid out for the last paint.
    const SheetDigitTexts& digitTexts() const { return *digitTexts_; }

private:
    bool columns() const { return order_ != engine::WorkOrder::LeftToRight; }
    // Row of digit `index` from the top of a column (bottom-up columns are aligned at
    // their bottom).
    int rowOf(std::uint32_t unit, std::uint32_t index) const;
    QRect strokeRect(const engine::SheetStroke& stroke) const;
    // The digits of `unit` from `first` to before `end` whose rows (or cells, on a line)
    // meet `near`, with one more on each side: all that a paint near there may draw,
    // found without measuring every digit of a long column.
    struct DigitSpan {
        std::uint32_t first = 0;
        std::uint32_t end = 0;
    };
    DigitSpan digitSpan(std::uint32_t unit, const QRect& near) const;
    // Paints what of `unit` meets `near`; the painter's clip keeps it inside what is exposed.
    void paintUnit(QPainter* painter, const QRect& near, std::uint32_t unit, const SheetMarks& marks) const;

    engine::WorkOrder order_ = engine::WorkOrder::BottomUp;
    engine::Sheet sheet_;
    std::uint32_t longestUnit_ = 0;
    // Where each unit's pairs begin in the sheet's pairs, and one past the last.
    std::vector<std::size_t> pairStarts_;
    QFont baseFont_;
    QFont font_;
    QFont numberFont_;
    double zoom_ = 1.0;
    // Measured from the font at the current zoom.
    int digitWidth_ = 10;
    int rowHeight_ = 16;
    int margin_ = 8;
    // A column's width (digits, answers and the gap to the next) or a line's digit step.
    int unitStep_ = 30;
    int cellWidth_ = 16;
    // Above the columns, or left of the lines: the unit's number.
    int numberSpace_ = 20;
    // Laid out by the first paint in a font, kept until a paint sets them in another.
    std::unique_ptr<SheetDigitTexts> digitTexts_;
};

} // namespace sheet
