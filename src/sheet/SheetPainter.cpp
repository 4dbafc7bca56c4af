// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/SheetPainter.h"

#include "sheet/LaidOutText_p.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QRegion>
#include <algorithm>
#include <cmath>

namespace sheet {
namespace {

// Paper, print and pencil.
const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kPrint(0x10, 0x10, 0x10);
const QColor kPencil(0x2B, 0x3F, 0x8C);
const QColor kRule(0xD8, 0xD8, 0xD8);
const QColor kNumber(0x70, 0x70, 0x70);
// The current column or line, the cursor's pair, and the cue's mark.
const QColor kCurrentUnit(0xFF, 0xF7, 0xD6);
const QColor kCursorPair(0xFF, 0xE0, 0x80);
const QColor kCursorFrame(0x1F, 0x5F, 0xBF);
const QColor kCueMark(0xD0, 0x3A, 0x1F);
const QColor kStroke(0xB0, 0x20, 0x20);

// A digit column is this many digit widths wide, its answers beside it this many, and
// the gap to the next column makes up the rest of a column's step.
constexpr double kDigitColumn = 1.5;
constexpr double kAnswerColumn = 1.3;
constexpr double kColumnStep = 4.0;
// A line's digits follow one another this many digit widths apart.
constexpr double kLineStep = 1.8;
constexpr int kBasePixels = 18;

} // namespace

SheetPainter::SheetPainter() : digitTexts_(std::make_unique<SheetDigitTexts>()) {}
SheetPainter::~SheetPainter() = default;
SheetPainter::SheetPainter(SheetPainter&&) noexcept = default;
SheetPainter& SheetPainter::operator=(SheetPainter&&) noexcept = default;

void SheetPainter::setSheet(const engine::SheetFormat& format, const engine::Sheet& sheet, const QFont& font) {
    order_ = format.order;
    sheet_ = sheet;
    baseFont_ = font;
    longestUnit_ = 0;
    pairStarts_.assign(1, 0);
    for (std::uint32_t unit = 0; unit < sheet_.unitCount(); ++unit) {
        longestUnit_ = std::max(longestUnit_, sheet_.digitCount(unit));
        pairStarts_.push_back(pairStarts_.back() + sheet_.pairCount(unit));
    }
    setZoom(zoom_);
}

void SheetPainter::setZoom(double zoom) {
    zoom_ = zoom;
    font_ = baseFont_;
    font_.setPixelSize(std::max(6, static_cast<int>(std::lround(kBasePixels * zoom))));
    numberFont_ = font_;
    numberFont_.setPixelSize(std::max(5, font_.pixelSize() * 2 / 3));
    const QFontMetrics metrics(font_);
    digitWidth_ = std::max(1, metrics.horizontalAdvance(QLatin1Char('0')));
    rowHeight_ = metrics.height();
    margin_ = std::max(4, rowHeight_ / 2);
    const QFontMetrics numberMetrics(numberFont_);
    if (columns()) {
        unitStep_ = static_cast<int>(std::lround(kColumnStep * digitWidth_));
        numberSpace_ = numberMetrics.height() + rowHeight_ / 2;
    } else {
        // Two rows, the digits and the answers under them, and a half row to the next line.
        unitStep_ = rowHeight_ * 2 + rowHeight_ / 2;
        cellWidth_ = static_cast<int>(std::lround(kLineStep * digitWidth_));
        numberSpace_ = numberMetrics.horizontalAdvance(QStringLiteral("000")) + digitWidth_;
    }
}

QSize SheetPainter::sheetSize() const {
    const int units = static_cast<int>(sheet_.unitCount());
    const int longest = static_cast<int>(longestUnit_);
    if (columns()) return {2 * margin_ + units * unitStep_, 2 * margin_ + numberSpace_ + longest * rowHeight_};
    return {2 * margin_ + numberSpace_ + longest * cellWidth_, 2 * margin_ + units * unitStep_};
}

int SheetPainter::rowOf(std::uint32_t unit, std::uint32_t index) const {
    (void)unit;
    if (order_ == engine::WorkOrder::BottomUp) return static_cast<int>(longestUnit_ - 1 - index);
    return static_cast<int>(index);
}

QRect SheetPainter::unitRect(std::uint32_t unit) const {
    const int u = static_cast<int>(unit);
    if (columns()) return {margin_ + u * unitStep_, margin_, unitStep_, numberSpace_ + int(longestUnit_) * rowHeight_};
    return {margin_, margin_ + u * unitStep_, numberSpace_ + int(longestUnit_) * cellWidth_, unitStep_};
}

QRect SheetPainter::digitRect(std::uint32_t unit, std::uint32_t index) const {
    const int u = static_cast<int>(unit);
    if (columns()) {
        return {margin_ + u * unitStep_, margin_ + numberSpace_ + rowOf(unit, index) * rowHeight_,
                static_cast<int>(std::lround(kDigitColumn * digitWidth_)), rowHeight_};
    }
    return {margin_ + numberSpace_ + static_cast<int>(index) * cellWidth_, margin_ + u * unitStep_, cellWidth_,
            rowHeight_};
}

QRect SheetPainter::answerRect(std::uint32_t unit, std::uint32_t pair) const {
    const QRect first = digitRect(unit, pair);
    const QRect second = digitRect(unit, pair + 1);
    if (columns()) {
        // Beside the two digits, on the line between them.
        const int between = (first.center().y() + second.center().y() + 1) / 2;
        return {first.right() + 1, between - rowHeight_ / 2, static_cast<int>(std::lround(kAnswerColumn * digitWidth_)),
                rowHeight_};
    }
    // Under the two digits, between them.
    return {(first.center().x() + second.center().x() + 1) / 2 - cellWidth_ / 2, first.bottom() + 1, cellWidth_,
            rowHeight_};
}

QRect SheetPainter::pairRect(std::uint32_t unit, std::uint32_t pair) const {
    return digitRect(unit, pair).united(digitRect(unit, pair + 1)).united(answerRect(unit, pair));
}

QRect SheetPainter::strokeRect(const engine::SheetStroke& stroke) const {
    // After the last answer: the line under it, across the answers' column; before the
    // first pair of a unit when the stroke fell there.
    const std::uint32_t unit = std::min(stroke.unit, sheet_.unitCount() - 1);
    const std::uint32_t index = std::min(stroke.pair, sheet_.digitCount(unit) - 1);
    const QRect digit = digitRect(unit, index);
    const int thickness = std::max(2, rowHeight_ / 8);
    if (columns()) {
        const QRect answers = answerRect(unit, std::min(index, sheet_.pairCount(unit) - 1));
        return {digit.left(), digit.center().y() - thickness / 2, answers.right() - digit.left() + 1, thickness};
    }
    return {digit.center().x() - thickness / 2, digit.top(), thickness, 2 * rowHeight_};
}

SheetPainter::DigitSpan SheetPainter::digitSpan(std::uint32_t unit, const QRect& near) const {
    // Rows from the top of a column, or cells from the left of a line, counted down to the
    // next whole step, also before the first.
    const auto stepOf = [](int offset, int step) {
        return offset >= 0 ? offset / step : -((step - 1 - offset) / step);
    };
    const int origin = margin_ + numberSpace_;
    const int step = columns() ? rowHeight_ : cellWidth_;
    const int from = columns() ? near.top() : near.left();
    const int to = columns() ? near.bottom() : near.right();
    const int longest = static_cast<int>(longestUnit_);
    const int firstStep = std::clamp(stepOf(from - origin, step) - 1, 0, longest);
    const int lastStep = std::clamp(stepOf(to - origin, step) + 1, -1, longest - 1);
    if (lastStep < firstStep) return {};
    int first = firstStep;
    int last = lastStep;
    if (order_ == engine::WorkOrder::BottomUp) {
        // Bottom-up columns are aligned at their bottom: the first digit is in the last row.
        first = longest - 1 - lastStep;
        last = longest - 1 - firstStep;
    }
    const int count = static_cast<int>(sheet_.digitCount(unit));
    return {static_cast<std::uint32_t>(std::clamp(first, 0, count)),
            static_cast<std::uint32_t>(std::clamp(last + 1, 0, count))};
}

void SheetPainter::paint(QPainter* painter, const QRect& exposed, const SheetMarks& marks) const {
    painter->save();
    painter->setClipRect(exposed, Qt::IntersectClip);
    painter->fillRect(exposed, kPaper);
    if (sheet_.unitCount() == 0) {
        painter->restore();
        return;
    }
    // What lies near `exposed` is drawn too, cut at its edge: a frame's wide pen and a
    // glyph's edge reach a little out of their rectangles.
    const int reach = markReach() + 2;
    const QRect near = exposed.adjusted(-reach, -reach, reach, reach);
    for (std::uint32_t unit = 0; unit < sheet_.unitCount(); ++unit) {
        if (unitRect(unit).intersects(near)) paintUnit(painter, near, unit, marks);
    }
    painter->setPen(Qt::NoPen);
    painter->setBrush(kStroke);
    for (const engine::SheetStroke& stroke : marks.strokes) {
        const QRect rect = strokeRect(stroke);
        if (rect.intersects(near)) painter->drawRect(rect);
    }
    painter->restore();
}

void SheetPainter::paint(QPainter* painter, const QRegion& exposed, const SheetMarks& marks) const {
    for (const QRect& rect : exposed) paint(painter, rect, marks);
}

void SheetPainter::paintUnit(QPainter* painter, const QRect& near, std::uint32_t unit, const SheetMarks& marks) const {
    const QRect whole = unitRect(unit);
    const bool current = marks.cursorShown && unit == marks.unit;
    QRect body = whole;
    if (columns())
        body.setTop(whole.top() + numberSpace_);
    else
        body.setLeft(whole.left() + numberSpace_);
    if (current) painter->fillRect(body.intersected(near), kCurrentUnit);

    // The unit's number, over a column or left of a line; the cue marks the new one.
    QRect number = columns() ? QRect(whole.left(), whole.top(), whole.width(), numberSpace_)
                             : QRect(whole.left(), whole.top(), numberSpace_, rowHeight_);
    if (number.intersects(near)) {
        QFont font = numberFont_;
        font.setBold(current);
        painter->setFont(font);
        if (current && marks.cueCalled) {
            painter->fillRect(number.adjusted(1, 1, -1, -1), kCueMark);
            painter->setPen(kPaper);
        } else {
            painter->setPen(current ? kCursorFrame : kNumber);
        }
        const int flags = columns() ? Qt::AlignLeft | Qt::AlignTop : Qt::AlignRight | Qt::AlignVCenter;
        const QRect text =
            columns() ? number.adjusted(digitWidth_ / 4, 0, 0, 0) : number.adjusted(0, 0, -digitWidth_ / 2, 0);
        painter->drawText(text, flags, QString::number(unit + 1));
    }
    if (current && marks.cueCalled) {
        painter->setPen(QPen(kCueMark, std::max(2, rowHeight_ / 8)));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(body.adjusted(1, 1, -2, -2));
    } else if (columns()) {
        // A faint rule between the columns, as a printed sheet has; only its part near what
        // is painted, and a pixel more, so that its ends stay where they are.
        const int top = std::max(body.top(), near.top() - 1);
        const int bottom = std::min(body.bottom(), near.bottom() + 1);
        painter->setPen(kRule);
        if (top <= bottom) painter->drawLine(whole.right(), top, whole.right(), bottom);
    }

    const std::uint32_t pairs = sheet_.pairCount(unit);
    if (current && marks.pair < pairs) {
        const QRect pair = digitRect(unit, marks.pair).united(digitRect(unit, marks.pair + 1));
        if (pair.intersects(near)) painter->fillRect(pair, kCursorPair);
        const QRect answer = answerRect(unit, marks.pair);
        if (answer.intersects(near)) {
            painter->setPen(QPen(kCursorFrame, std::max(1, rowHeight_ / 12)));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(answer.adjusted(1, 1, -2, -2));
        }
    }

    painter->setFont(font_);
    digitTexts_->prepare(*painter);
    painter->setPen(kPrint);
    const DigitSpan span = digitSpan(unit, near);
    for (std::uint32_t index = span.first; index < span.end; ++index) {
        const QRect digit = digitRect(unit, index);
        if (!digit.intersects(near)) continue;
        digitTexts_->text(static_cast<std::size_t>(sheet_.digit(unit, index))).drawCentred(painter, digit);
    }
    const std::size_t first = pairStarts_[unit];
    if (marks.written.size() < first + pairs) return;
    painter->setPen(kPencil);
    // A pair's answer lies between its two digits.
    for (std::uint32_t pair = span.first == 0 ? 0 : span.first - 1; pair < std::min(span.end, pairs); ++pair) {
        const std::int8_t written = marks.written[first + pair];
        if (written == SheetMarks::kBlank) continue;
        const QRect answer = answerRect(unit, pair);
        if (!answer.intersects(near)) continue;
        // A pair passed is left blank on paper; a short dash shows it was passed.
        digitTexts_->text(written == SheetMarks::kPassed ? SheetDigitTexts::kDash : std::size_t(written))
            .drawCentred(painter, answer);
    }
}

} // namespace sheet
