// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/ChartLegend.h"
#include "engine/PeriodCurve.h"

#include <QColor>
#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class QFontMetrics;
class QPainter;
class QPoint;

namespace charts {

// One period's column: how many answers it took, how many of them true, the median answer
// time, and whether the run was stopped inside it.
struct ChartPeriod {
    std::uint32_t answered = 0;
    std::uint32_t correct = 0;
    std::optional<std::uint32_t> medianMilliseconds;
    bool partial = false;
};

// The trend line, drawn from the first period's centre to the centre of period `last`
// (counted from 0), at the answered values `atFirst` and `atLast`.
struct ChartTrend {
    std::size_t last = 0;
    double atFirst = 0.0;
    double atLast = 0.0;
};

// The words a chart is drawn with: the drill's unless set, in the program's language.
struct ChartTexts {
    // The legend's two stacked parts, the lower one first.
    //: The chart's legend: the lower part of a bar, the true answers.
    QString lower = QCoreApplication::translate("charts::PeriodCurvePainter", "true");
    //: The chart's legend: the upper part of a bar, the false answers.
    QString upper = QCoreApplication::translate("charts::PeriodCurvePainter", "false");
    //: The chart's legend: the dashed least-squares line over the complete minutes.
    QString trend = QCoreApplication::translate("charts::PeriodCurvePainter", "trend");
    // What one period is ("column", "3 min"), written at the right of the legend as "per
    // column"; nothing where empty.
    QString period;
};

// Periods marked on a chart, counted from 0: a small flag over the bar of each `flagged` one
// (where a mark was missed) and a frame around the columns of the `framed` ones (the mark
// chosen), each with its words in the legend where those are not empty.
struct ChartMarks {
    // Their colour, apart from those of the figures; a list of the marks may take it too.
    static inline const QColor kColour{0x7A, 0x1F, 0xA2};

    std::vector<std::size_t> flagged;
    std::vector<std::size_t> framed;
    QString flag;
    QString frame;
};

// Draws the work curve of a run or a sitting split into periods: a bar per period
// with true answers at the bottom and false ones on top on the left scale, a partial
// period hatched, the median answer time of each period as a line with dots on the right
// scale in seconds (where there are times), the trend line dashed, the marks' flags and frames (ChartMarks), a
// legend across the top and the periods numbered from 1 underneath. Where one row is too
// narrow for the legend its entries flow onto more rows and the plot gives up the height;
// where not even that fits (an entry wider than the chart, or rows taking more than half
// its height) the legend is left out and the plot takes its room. It only draws; the
// widget that owns it decides what is selected and answers the user.
class PeriodCurvePainter {
public:
    // Takes the periods, the least-squares line over the complete ones and the break from
    // `curve`: the drill's minutes and a sitting's columns, lines or periods alike.
    void setCurve(const engine::PeriodCurve& curve);

    const std::vector<ChartPeriod>& periods() const { return periods_; }
    void setPeriods(std::vector<ChartPeriod> periods) { periods_ = std::move(periods); }
    const std::optional<ChartTrend>& trend() const { return trend_; }
    void setTrend(std::optional<ChartTrend> trend) { trend_ = trend; }
    const ChartTexts& texts() const { return texts_; }
    void setTexts(ChartTexts texts) { texts_ = std::move(texts); }
    // A break before period `period` (counted from 0): a dashed line between it and the one
    // before, and "break" in the legend. None unless set.
    const std::optional<std::size_t>& breakBefore() const { return breakBefore_; }
    void setBreakBefore(std::optional<std::size_t> period) { breakBefore_ = period; }
    // Flags and frames over periods; none unless set.
    const ChartMarks& marks() const { return marks_; }
    void setMarks(ChartMarks marks) { marks_ = std::move(marks); }

    // Fills `rect` in white and draws the chart into it in the painter's font, its texts in
    // `textColour`, the column of period `selected` (where there is one) highlighted. Leaves
    // the painter's state as it found it.
    void paint(QPainter* painter, const QRect& rect, const QColor& textColour,
               std::optional<std::size_t> selected = std::nullopt) const;

    // The period whose column holds `point`, for a chart drawn into `rect` in a font
    // measured by `metrics`.
    std::optional<std::size_t> periodAt(const QRect& rect, const QFontMetrics& metrics, const QPoint& point) const;
    // A period's bar, true and false answers together; empty for a period there is not.
    QRect barRect(const QRect& rect, const QFontMetrics& metrics, std::size_t period) const;
    // The box the legend's swatches and words take in a chart drawn into `rect`, all its rows,
    // the "per column" at its right left out (that is written only where there is room for
    // it); empty where the legend is left out. The legend reads in full while the box lies
    // within the chart's margins.
    QRect legendRect(const QRect& rect, const QFontMetrics& metrics) const;
    // Where each entry of the legend is drawn, left to right and row by row; none where the
    // legend is left out.
    std::vector<LegendPlace> legendPlaces(const QRect& rect, const QFontMetrics& metrics) const;
    // The plot: the area between the scales that the bars, lines and grid are drawn in.
    QRect plotRect(const QRect& rect, const QFontMetrics& metrics) const;
    // The legend in words, each mark and what it stands for ("green: true; red: false; ..."),
    // for where it is left out: the widgets give it in their tooltip and description.
    QString legendInWords() const;

private:
    struct Layout;
    Layout MakeLayout(const QRect& rect, const QFontMetrics& metrics) const;
    enum class Swatch { True, False, Partial, Time, Trend, Break, Flag, Frame };
    struct LegendEntry {
        Swatch swatch;
        QString text;
    };
    // What the legend shows for these periods, left to right.
    std::vector<LegendEntry> Legend() const;
    bool HasBreak() const;
    // What paint() draws, area by area, back to front.
    void PaintLegend(QPainter* painter, const QRect& rect, const Layout& layout, const QColor& textColour) const;
    void PaintScales(QPainter* painter, const QRect& rect, const Layout& layout, const QColor& textColour) const;
    void PaintBars(QPainter* painter, const Layout& layout) const;
    void PaintPeriodNumbers(QPainter* painter, const Layout& layout, const QColor& textColour) const;
    // The trend line and the line of median times, smoothed.
    void PaintLines(QPainter* painter, const Layout& layout) const;
    // The flags over the periods where a mark was missed, the frames around the chosen ones.
    void PaintMarks(QPainter* painter, const Layout& layout) const;

    std::vector<ChartPeriod> periods_;
    std::optional<ChartTrend> trend_;
    ChartTexts texts_;
    std::optional<std::size_t> breakBefore_;
    ChartMarks marks_;
};

} // namespace charts
