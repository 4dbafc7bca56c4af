// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/PairMapPainter.h"

#include "charts/ChartMargin.h"
#include "charts/FigureText.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <algorithm>

namespace charts {

namespace {

constexpr int kDigits = PairMapPainter::kDigits;
constexpr int kMinimumCell = 8;
// The colour scale of the legend is never narrower.
constexpr int kNarrowestScale = 20;

const QColor kEmptyColour(Qt::white);
const QColor kGridColour(0xD8, 0xD8, 0xD8);
const QColor kErrorColour(0xE4, 0x57, 0x2E);

// Light for the fastest pair, dark for the slowest (a sequential blue scale).
const std::array<QColor, 3> kRamp = {QColor(0xEF, 0xF3, 0xFF), QColor(0x6B, 0xAE, 0xD6), QColor(0x08, 0x45, 0x94)};

QColor Mix(const QColor& from, const QColor& to, double t) {
    const auto channel = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
    return QColor(channel(from.red(), to.red()), channel(from.green(), to.green()), channel(from.blue(), to.blue()));
}

QColor RampColour(double t) {
    t = std::clamp(t, 0.0, 1.0);
    return t < 0.5 ? Mix(kRamp[0], kRamp[1], t * 2.0) : Mix(kRamp[1], kRamp[2], (t - 0.5) * 2.0);
}

// The word beside the error mark in the legend.
QString ErrorsText() {
    //: The pair map's legend, beside a cell's red corner: the user erred at that pair.
    return QCoreApplication::translate("charts::PairMapPainter", "error");
}

// The corner mark of a pair with errors, in the cell's top right.
QPolygon ErrorMark(const QRect& cell) {
    const int size = std::max(4, cell.width() * 2 / 5);
    return QPolygon({QPoint(cell.right() - size + 1, cell.top()), QPoint(cell.right() + 1, cell.top()),
                     QPoint(cell.right() + 1, cell.top() + size)});
}

} // namespace

struct PairMapPainter::Layout {
    QPoint origin; // top left of the first cell
    int cell = kMinimumCell;
    QRect legend;       // empty where the legend is left out
    int legendRows = 0; // 1, or 2 with the error mark under the scale; 0 where left out

    QRect cellRect(int operand1, int operand2) const {
        return QRect(origin.x() + operand2 * cell, origin.y() + operand1 * cell, cell, cell);
    }
};

void PairMapPainter::setPairs(const Pairs& pairs) {
    pairs_ = pairs;
    fastest_.reset();
    slowest_.reset();
    for (const engine::PairFigures& pair : pairs_) {
        if (!pair.medianMilliseconds) continue;
        fastest_ = std::min(fastest_.value_or(*pair.medianMilliseconds), *pair.medianMilliseconds);
        slowest_ = std::max(slowest_.value_or(*pair.medianMilliseconds), *pair.medianMilliseconds);
    }
}

// Where the legend's parts go: the fastest time at the left, the colour scale, the slowest
// time, the error mark and its word.
struct PairMapPainter::LegendPlaces {
    QString fast;
    QString slow;
    QString errors;
    QRect bar;
    int slowLeft = 0;
    int scaleBaseline = 0;
    QRect sample;
    int errorsLeft = 0;
    int errorsBaseline = 0;
    int right = 0; // just past the word
};

PairMapPainter::LegendPlaces PairMapPainter::PlaceLegend(const QRect& legend, int rows,
                                                         const QFontMetrics& metrics) const {
    LegendPlaces places;
    places.fast = SecondsText(fastest_);
    places.slow = SecondsText(slowest_);
    places.errors = ErrorsText();
    const int lineHeight = metrics.height();
    int x = legend.left() + metrics.horizontalAdvance(places.fast) + 3;
    // The colour scale takes the room the words leave, and at least a little; on a row of its
    // own, the whole row.
    const int words = rows == 1 ? metrics.horizontalAdvance(places.errors) + 30 : 3;
    const int barWidth = std::max(kNarrowestScale, legend.width() - (x - legend.left()) -
                                                       metrics.horizontalAdvance(places.slow) - words);
    places.bar = QRect(x, legend.top() + 2, barWidth, lineHeight - 4);
    places.scaleBaseline = legend.top() + metrics.ascent();
    x += barWidth + 3;
    places.slowLeft = x;
    x += metrics.horizontalAdvance(places.slow) + 10;
    // The second row starts where a row's pitch from the first puts its baseline.
    const int errorsTop = rows > 1 ? legend.bottom() + 1 - lineHeight : legend.top();
    if (rows > 1) x = legend.left();
    places.sample = QRect(x, errorsTop + 1, lineHeight - 2, lineHeight - 2);
    places.errorsLeft = places.sample.right() + 4;
    places.errorsBaseline = errorsTop + metrics.ascent();
    places.right = places.errorsLeft + metrics.horizontalAdvance(places.errors);
    return places;
}

PairMapPainter::Layout PairMapPainter::MakeLayout(const QRect& rect, const QFontMetrics& metrics) const {
    const int header = metrics.height() + 2;
    const int rowLabels = metrics.horizontalAdvance(QStringLiteral("0")) + 6;
    const int across = rect.width() - kChartMargin * 2 - rowLabels;
    const int pitch = LegendRowPitch(metrics, {SecondsText(fastest_), SecondsText(slowest_), ErrorsText()});
    const auto layoutWith = [&](int rows) {
        Layout layout;
        const int legendHeight = rows == 0 ? 0 : metrics.height() + (rows - 1) * pitch + kChartMargin;
        const int down = rect.height() - kChartMargin * 2 - header - legendHeight;
        layout.cell = std::max(kMinimumCell, std::min(across, down) / kDigits);
        const int gridWidth = layout.cell * kDigits;
        const int left = rect.left() + kChartMargin + rowLabels + std::max(0, (across - gridWidth) / 2);
        layout.origin = QPoint(left, rect.top() + kChartMargin + header);
        layout.legendRows = rows;
        if (rows > 0)
            layout.legend = QRect(rect.left() + kChartMargin, layout.origin.y() + gridWidth + kChartMargin,
                                  rect.width() - 2 * kChartMargin, legendHeight - kChartMargin);
        return layout;
    };

    // One row while everything ends within the margins; else the error mark goes under the
    // scale, which then takes the whole row; where even that is too narrow, none.
    const int width = rect.width() - 2 * kChartMargin;
    const int fast = metrics.horizontalAdvance(SecondsText(fastest_));
    const int slow = metrics.horizontalAdvance(SecondsText(slowest_));
    const QRect oneRow(rect.left() + kChartMargin, 0, width, metrics.height());
    const LegendPlaces places = PlaceLegend(oneRow, 1, metrics);
    const int errorsWidth = metrics.height() - 2 + 4 + metrics.horizontalAdvance(places.errors);
    int rows = 0;
    if (places.right <= oneRow.left() + width)
        rows = 1;
    else if (fast + slow + 6 + kNarrowestScale <= width && errorsWidth <= width)
        rows = 2;
    // A legend that would reach past the map's bottom is left out rather than cut.
    const Layout layout = layoutWith(rows);
    if (rows > 0 && layout.legend.bottom() > rect.bottom() - kChartMargin) return layoutWith(0);
    return layout;
}

std::vector<LegendPlace> PairMapPainter::legendPlaces(const QRect& rect, const QFontMetrics& metrics) const {
    const Layout layout = MakeLayout(rect, metrics);
    if (layout.legendRows == 0) return {};
    const LegendPlaces places = PlaceLegend(layout.legend, layout.legendRows, metrics);
    // The outlines of the scale and of the sample cell are drawn a pixel past their right and
    // bottom edges.
    LegendPlace scale{places.bar.adjusted(0, 0, 1, 1), {}, {}};
    AddWords(scale, metrics, places.fast, layout.legend.left(), places.scaleBaseline);
    AddWords(scale, metrics, places.slow, places.slowLeft, places.scaleBaseline);
    LegendPlace errors{places.sample.adjusted(0, 0, 1, 1), {}, {}};
    AddWords(errors, metrics, places.errors, places.errorsLeft, places.errorsBaseline);
    return {scale, errors};
}

QRect PairMapPainter::legendRect(const QRect& rect, const QFontMetrics& metrics) const {
    QRect box;
    for (const LegendPlace& place : legendPlaces(rect, metrics)) box |= place.box;
    return box;
}

QRect PairMapPainter::cellRect(const QRect& rect, const QFontMetrics& metrics, int operand1, int operand2) const {
    return MakeLayout(rect, metrics).cellRect(operand1, operand2);
}

std::optional<DigitPair> PairMapPainter::pairAt(const QRect& rect, const QFontMetrics& metrics,
                                                const QPoint& point) const {
    const Layout layout = MakeLayout(rect, metrics);
    const QPoint offset = point - layout.origin;
    if (offset.x() < 0 || offset.y() < 0) return std::nullopt;
    const int operand2 = offset.x() / layout.cell;
    const int operand1 = offset.y() / layout.cell;
    if (operand1 >= kDigits || operand2 >= kDigits) return std::nullopt;
    return DigitPair{operand1, operand2};
}

QColor PairMapPainter::cellColour(int operand1, int operand2) const {
    const engine::PairFigures& figures = pair(operand1, operand2);
    if (!figures.medianMilliseconds) return kEmptyColour;
    if (*slowest_ == *fastest_) return RampColour(0.5);
    return RampColour(static_cast<double>(*figures.medianMilliseconds - *fastest_) / (*slowest_ - *fastest_));
}

void PairMapPainter::paint(QPainter* painter, const QRect& rect, const QColor& textColour,
                           std::optional<DigitPair> cursor) const {
    painter->save();
    painter->fillRect(rect, Qt::white);
    const QFontMetrics metrics = painter->fontMetrics();
    const Layout layout = MakeLayout(rect, metrics);
    const int left = rect.left() + kChartMargin;
    const int top = rect.top() + kChartMargin;

    // The corner says how to read the grid: row digit + column digit.
    painter->setPen(textColour);
    const QRect corner(left, top, layout.origin.x() - left, layout.origin.y() - top);
    painter->drawText(corner, Qt::AlignCenter, QStringLiteral("+"));
    for (int digit = 0; digit < kDigits; ++digit) {
        const QRect column = layout.cellRect(0, digit);
        painter->drawText(QRect(column.left(), top, column.width(), layout.origin.y() - top), Qt::AlignCenter,
                          QString::number(digit));
        const QRect row = layout.cellRect(digit, 0);
        painter->drawText(QRect(left, row.top(), layout.origin.x() - left - 3, row.height()),
                          Qt::AlignRight | Qt::AlignVCenter, QString::number(digit));
    }

    for (int operand1 = 0; operand1 < kDigits; ++operand1)
        for (int operand2 = 0; operand2 < kDigits; ++operand2) {
            const QRect cell = layout.cellRect(operand1, operand2);
            painter->fillRect(cell, cellColour(operand1, operand2));
            painter->setPen(kGridColour);
            painter->drawRect(cell);
            if (pair(operand1, operand2).errors > 0) {
                painter->setPen(Qt::NoPen);
                painter->setBrush(kErrorColour);
                painter->drawPolygon(ErrorMark(cell));
                painter->setBrush(Qt::NoBrush);
            }
        }
    painter->setPen(textColour);
    painter->drawRect(QRect(layout.origin, QSize(layout.cell * kDigits, layout.cell * kDigits)));

    if (cursor) {
        const QRect cell = layout.cellRect(cursor->operand1, cursor->operand2);
        painter->setPen(QPen(textColour, 2));
        painter->drawRect(cell.adjusted(1, 1, 0, 0));
    }

    // Legend: the colour scale from the fastest to the slowest pair, and the error mark.
    if (layout.legendRows == 0) {
        painter->restore();
        return;
    }
    const LegendPlaces legend = PlaceLegend(layout.legend, layout.legendRows, metrics);
    painter->drawText(layout.legend.left(), legend.scaleBaseline, legend.fast);
    QLinearGradient gradient(legend.bar.left(), 0, legend.bar.left() + legend.bar.width(), 0);
    gradient.setColorAt(0.0, kRamp[0]);
    gradient.setColorAt(0.5, kRamp[1]);
    gradient.setColorAt(1.0, kRamp[2]);
    painter->fillRect(legend.bar, gradient);
    painter->drawRect(legend.bar);
    painter->drawText(legend.slowLeft, legend.scaleBaseline, legend.slow);
    painter->setPen(kGridColour);
    painter->drawRect(legend.sample);
    painter->setPen(Qt::NoPen);
    painter->setBrush(kErrorColour);
    painter->drawPolygon(ErrorMark(legend.sample));
    painter->setBrush(Qt::NoBrush);
    painter->setPen(textColour);
    painter->drawText(legend.errorsLeft, legend.errorsBaseline, legend.errors);
    painter->restore();
}

} // namespace charts
