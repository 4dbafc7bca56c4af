// SPDX-License-Identifier: GPL-3.0-or-later
// The chart painters on their own, drawn into images as a later window of any periods would.
#include "../support/LegendFit.h"
#include "charts/ChartScale.h"
#include "charts/CurveOverlayPainter.h"
#include "charts/PairMapPainter.h"
#include "charts/PeriodCurvePainter.h"
#include "charts/ScoreTimePainter.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using charts::ChartPeriod;
using charts::PairMapPainter;
using charts::PeriodCurvePainter;

const QColor kText(Qt::black);

QFont ChartFont() {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    return font;
}

// `count` periods of rising answers, every third one without a time, the last partial.
PeriodCurvePainter Periods(std::size_t count) {
    std::vector<ChartPeriod> periods;
    for (std::size_t i = 0; i < count; ++i) {
        const auto answered = static_cast<std::uint32_t>(5 + i * 3);
        std::optional<std::uint32_t> median;
        if (i % 3 != 2) median = static_cast<std::uint32_t>(400 + 50 * i);
        periods.push_back({answered, answered - 1, median, i + 1 == count});
    }
    PeriodCurvePainter painter;
    painter.setPeriods(std::move(periods));
    if (count >= 2) painter.setTrend(charts::ChartTrend{count - 2, 5.0, 5.0 + 3.0 * static_cast<double>(count - 2)});
    return painter;
}

PairMapPainter Pairs() {
    PairMapPainter::Pairs pairs{};
    pairs[7 * 10 + 5] = {3, 1, 1000};
    pairs[0] = {7, 0, 400};
    pairs[6 * 10 + 9] = {2, 1, 1500};
    PairMapPainter painter;
    painter.setPairs(pairs);
    return painter;
}

template <typename Paint> QImage Drawn(const QSize& image, const QRect& rect, Paint paint) {
    QImage drawn(image, QImage::Format_RGB32);
    drawn.fill(Qt::gray);
    QPainter painter(&drawn);
    painter.setFont(ChartFont());
    paint(painter, rect);
    return drawn;
}

// A chart drawn into a rectangle away from the origin is the same picture, moved: the
// painters take their place from the rectangle they are given, never from (0, 0).
TEST(ChartPainterTest, DrawsTheSamePictureWhereverItsRectangleLies) {
    const QSize size(320, 200);
    const QPoint offset(37, 23);
    const PeriodCurvePainter chart = Periods(7);
    const PairMapPainter map = Pairs();
    const struct {
        const char* name;
        std::function<void(QPainter&, const QRect&)> paint;
    } charts[] = {
        {"curve", [&](QPainter& p, const QRect& r) { chart.paint(&p, r, kText, 3); }},
        {"pairs",
         [&](QPainter& p, const QRect& r) {
             map.paint(&p, r, kText, charts::DigitPair{7, 5});
         }},
    };
    for (const auto& c : charts) {
        const QImage atOrigin = Drawn(size, QRect(QPoint(0, 0), size), c.paint);
        const QImage moved = Drawn(size + QSize(60, 40), QRect(offset, size), c.paint);
        EXPECT_EQ(moved.copy(QRect(offset, size)), atOrigin) << c.name;
        EXPECT_EQ(moved.pixelColor(offset.x() - 1, offset.y() - 1), QColor(Qt::gray)) << c.name << " stays inside";
        EXPECT_EQ(moved.pixelColor(offset.x() + size.width(), offset.y() + size.height()), QColor(Qt::gray))
            << c.name << " stays inside";
    }
}

// However many periods there are, each has its own bar, left to right, and a point on
// the bar names that period.
TEST(ChartPainterTest, EveryPeriodHasABarThatLeadsBackToIt) {
    const QRect rect(10, 5, 460, 200);
    const QFontMetrics metrics(ChartFont());
    for (const std::size_t count : {1u, 3u, 20u, 60u, 200u}) {
        const PeriodCurvePainter chart = Periods(count);
        int previousLeft = rect.left();
        for (std::size_t period = 0; period < count; ++period) {
            const QRect bar = chart.barRect(rect, metrics, period);
            ASSERT_TRUE(rect.contains(bar)) << count << " periods, period " << period;
            EXPECT_GE(bar.left(), previousLeft) << count << " periods, period " << period;
            EXPECT_EQ(chart.periodAt(rect, metrics, QPoint(bar.center().x(), bar.bottom())), period)
                << count << " periods, period " << period;
            previousLeft = bar.left();
        }
        EXPECT_TRUE(chart.barRect(rect, metrics, count).isEmpty()) << "no bar past the last period";
        EXPECT_EQ(chart.periodAt(rect, metrics, rect.topLeft()), std::nullopt) << "the legend is no period";
    }
}

TEST(ChartPainterTest, PairColoursRunFromFastestToSlowest) {
    const PairMapPainter map = Pairs();
    EXPECT_EQ(map.fastest(), 400u);
    EXPECT_EQ(map.slowest(), 1500u);
    EXPECT_GT(map.cellColour(0, 0).lightness(), map.cellColour(7, 5).lightness());
    EXPECT_GT(map.cellColour(7, 5).lightness(), map.cellColour(6, 9).lightness());
    EXPECT_EQ(map.cellColour(3, 3), QColor(Qt::white)) << "a pair never asked";
    PairMapPainter empty;
    empty.setPairs({});
    EXPECT_EQ(empty.fastest(), std::nullopt);
    EXPECT_EQ(empty.cellColour(0, 0), QColor(Qt::white));
}

} // namespace

namespace {

// The columns where two pictures of one size differ, or an empty list.
std::vector<int> DifferingColumns(const QImage& a, const QImage& b, const QRect& within) {
    std::vector<int> columns;
    for (int x = within.left(); x <= within.right(); ++x)
        for (int y = within.top(); y <= within.bottom(); ++y)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                columns.push_back(x);
                break;
            }
    return columns;
}

} // namespace

// A break is drawn between the two periods it lies between, and nowhere where it names no
// boundary between two periods: before the first or past the last.
TEST(ChartPainterTest, BreakLiesBetweenItsTwoPeriods) {
    const QSize size(400, 220);
    const QRect rect(QPoint(0, 0), size);
    const QFontMetrics metrics(ChartFont());
    constexpr std::size_t kPeriods = 6;
    const PeriodCurvePainter plain = Periods(kPeriods);
    const QImage without = Drawn(size, rect, [&](QPainter& p, const QRect& r) { plain.paint(&p, r, kText); });
    const struct {
        std::size_t before;
        bool drawn;
    } cases[] = {{0, false}, {1, true}, {3, true}, {kPeriods - 1, true}, {kPeriods, false}, {kPeriods + 4, false}};
    for (const auto& c : cases) {
        PeriodCurvePainter chart = Periods(kPeriods);
        chart.setBreakBefore(c.before);
        const QImage with = Drawn(size, rect, [&](QPainter& p, const QRect& r) { chart.paint(&p, r, kText); });
        // Below the legend: the plot and its labels.
        const QRect plot(0, metrics.height() * 2, size.width(), size.height() - metrics.height() * 2);
        const std::vector<int> columns = DifferingColumns(with, without, plot);
        if (!c.drawn) {
            EXPECT_EQ(with, without) << "break before " << c.before;
            continue;
        }
        ASSERT_FALSE(columns.empty()) << "break before " << c.before;
        const int leftBar = chart.barRect(rect, metrics, c.before - 1).right();
        const int rightBar = chart.barRect(rect, metrics, c.before).left();
        for (const int x : columns)
            EXPECT_TRUE(x > leftBar && x < rightBar) << "break before " << c.before << " drawn at " << x;
    }
}

// A flag stands over each flagged period's bar and a frame around the framed periods' columns;
// nothing of them is drawn outside those columns, nor for a period the chart does not have.
TEST(ChartPainterTest, MarksStandOverTheirPeriods) {
    const QSize size(400, 220);
    const QRect rect(QPoint(0, 0), size);
    const QFontMetrics metrics(ChartFont());
    constexpr std::size_t kPeriods = 8;
    const PeriodCurvePainter plain = Periods(kPeriods);
    const QImage without = Drawn(size, rect, [&](QPainter& p, const QRect& r) { plain.paint(&p, r, kText); });
    const struct {
        const char* name;
        charts::ChartMarks marks;
        std::vector<std::size_t> periods;
    } cases[] = {{"flags", {{1, 5}, {}, {}, {}}, {1, 5}},
                 {"a frame", {{}, {2, 3, 4}, {}, {}}, {2, 3, 4}},
                 {"none past the last", {{kPeriods}, {kPeriods + 2}, {}, {}}, {}}};
    for (const auto& c : cases) {
        PeriodCurvePainter chart = Periods(kPeriods);
        chart.setMarks(c.marks);
        const QImage with = Drawn(size, rect, [&](QPainter& p, const QRect& r) { chart.paint(&p, r, kText); });
        const QRect plot(0, metrics.height() + 4, size.width(), size.height() - metrics.height() - 4);
        const std::vector<int> columns = DifferingColumns(with, without, plot);
        if (c.periods.empty()) {
            EXPECT_EQ(with, without) << c.name;
            continue;
        }
        for (const std::size_t period : c.periods) {
            const QRect bar = chart.barRect(rect, metrics, period);
            EXPECT_TRUE(std::any_of(columns.begin(), columns.end(), [&](int x) { return x == bar.center().x(); }))
                << c.name << ": nothing drawn over period " << period;
        }
        for (const int x : columns) {
            const auto period = chart.periodAt(rect, metrics, QPoint(x, chart.plotRect(rect, metrics).center().y()));
            EXPECT_TRUE(period && std::count(c.periods.begin(), c.periods.end(), *period) == 1)
                << c.name << ": drawn at " << x;
        }
    }
}

// The words of a chart are its own: other legend texts and the name of a period change the
// legend and nothing else of the picture.
TEST(ChartPainterTest, ItsWordsChangeOnlyTheLegend) {
    const QSize size(420, 220);
    const QRect rect(QPoint(0, 0), size);
    const QFontMetrics metrics(ChartFont());
    const PeriodCurvePainter plain = Periods(5);
    const QImage drill = Drawn(size, rect, [&](QPainter& p, const QRect& r) { plain.paint(&p, r, kText); });
    PeriodCurvePainter worded = Periods(5);
    worded.setTexts({QStringLiteral("right"), QStringLiteral("wrong or blank"), QStringLiteral("least squares"),
                     QStringLiteral("column")});
    const QImage sheet = Drawn(size, rect, [&](QPainter& p, const QRect& r) { worded.paint(&p, r, kText); });
    const int legendBottom = metrics.height() + 6;
    EXPECT_NE(sheet.copy(0, 0, size.width(), legendBottom), drill.copy(0, 0, size.width(), legendBottom));
    EXPECT_EQ(sheet.copy(0, legendBottom, size.width(), size.height() - legendBottom),
              drill.copy(0, legendBottom, size.width(), size.height() - legendBottom));
    // "per column" stands at the right end of the legend.
    EXPECT_FALSE(DifferingColumns(sheet, drill, QRect(size.width() - 20, 0, 20, legendBottom)).empty());
}

namespace {

// The leftmost and rightmost columns of `image` within `band` that are not white.
std::pair<int, int> InkedColumns(const QImage& image, const QRect& band) {
    int left = band.right() + 1;
    int right = band.left() - 1;
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

} // namespace

// The room a legend says it takes is the room it is drawn in: what decides whether a
// legend's words fit its chart (in any language) measures what the user sees.
TEST(ChartPainterTest, LegendsAreDrawnWhereTheySayTheyAre) {
    const QSize size(600, 240);
    const QRect rect(QPoint(0, 0), size);
    const QFontMetrics metrics(ChartFont());
    PeriodCurvePainter plain = Periods(4);
    plain.setTrend(std::nullopt);
    PeriodCurvePainter withBreak = Periods(6);
    withBreak.setBreakBefore(3);
    PeriodCurvePainter worded = Periods(5);
    worded.setTexts({QStringLiteral("right"), QStringLiteral("wrong or blank"), QStringLiteral("least squares"), {}});
    const PairMapPainter map = Pairs();
    const struct {
        const char* name;
        std::function<QRect(const QRect&)> legend;
        std::function<void(QPainter&, const QRect&)> paint;
    } charts[] = {
        {"partial, no trend", [&](const QRect& r) { return plain.legendRect(r, metrics); },
         [&](QPainter& p, const QRect& r) { plain.paint(&p, r, kText); }},
        {"break and trend", [&](const QRect& r) { return withBreak.legendRect(r, metrics); },
         [&](QPainter& p, const QRect& r) { withBreak.paint(&p, r, kText); }},
        {"a sheet's words", [&](const QRect& r) { return worded.legendRect(r, metrics); },
         [&](QPainter& p, const QRect& r) { worded.paint(&p, r, kText); }},
        {"pair map", [&](const QRect& r) { return map.legendRect(r, metrics); },
         [&](QPainter& p, const QRect& r) { map.paint(&p, r, kText); }},
    };
    for (const auto& c : charts) {
        const QImage drawn = Drawn(size, rect, c.paint);
        const QRect legend = c.legend(rect);
        ASSERT_TRUE(rect.contains(legend)) << c.name;
        const auto [left, right] = InkedColumns(drawn, QRect(0, legend.top(), size.width(), legend.height()));
        EXPECT_EQ(left, legend.left()) << c.name;
        // The last letter's ink ends within a pixel or two of its advance, either side.
        EXPECT_LE(right, legend.right() + 1) << c.name;
        EXPECT_GE(right, legend.right() - 3) << c.name;
    }
}

namespace {

// A chart as the legend tests see it: where its legend's entries are, and the area its
// figures and their scales take, for a chart drawn into a rectangle.
struct LegendCase {
    const char* name;
    std::function<std::vector<charts::LegendPlace>(const QRect&)> places;
    std::function<QRect(const QRect&)> data;
    std::function<void(QPainter&, const QRect&)> paint;
};

// The plot with its scales, across the chart: the top line's figures stand centred on the
// plot's top edge, their ink a pixel or two higher than half a line.
QRect CurveData(const PeriodCurvePainter& chart, const QRect& rect, const QFontMetrics& metrics) {
    const QRect plot = chart.plotRect(rect, metrics);
    const int above = metrics.height() / 2 + 2;
    return QRect(rect.left(), plot.top() - above, rect.width(), plot.height() + above);
}

// The grid with its digits above and beside it, across the map.
QRect MapData(const PairMapPainter& map, const QRect& rect, const QFontMetrics& metrics) {
    const QRect grid = map.cellRect(rect, metrics, 0, 0) | map.cellRect(rect, metrics, 9, 9);
    // The grid's frame is drawn a pixel past its last cell.
    return QRect(rect.left(), rect.top(), rect.width(), grid.bottom() + 1 - rect.top() + 1);
}

class ChartLegendTest : public testing::Test {
protected:
    ChartLegendTest() {
        plain.setTrend(std::nullopt);
        withBreak.setBreakBefore(3);
        worded.setTexts({QStringLiteral("right"), QStringLiteral("wrong or blank"), QStringLiteral("least squares"),
                         QStringLiteral("column")});
        // Letters the chart's font has not: a fallback font draws them, taller than its line.
        japanese.setTexts({QStringLiteral("正答"), QStringLiteral("誤答・空欄"), QStringLiteral("傾向線"), {}});
        marked.setMarks({{1, 4}, {2, 3}, QStringLiteral("mark missed"), QStringLiteral("chosen mark")});
    }

    std::vector<LegendCase> Cases() const {
        const auto curve = [this](const char* name, const PeriodCurvePainter& chart) {
            return LegendCase{name, [&](const QRect& r) { return chart.legendPlaces(r, metrics); },
                              [&](const QRect& r) { return CurveData(chart, r, metrics); },
                              [&](QPainter& p, const QRect& r) { chart.paint(&p, r, kText); }};
        };
        return {curve("PartialNoTrend", plain),
                curve("BreakAndTrend", withBreak),
                curve("ASheetsWords", worded),
                curve("Japanese", japanese),
                curve("Marked", marked),
                LegendCase{"PairMap", [this](const QRect& r) { return map.legendPlaces(r, metrics); },
                           [this](const QRect& r) { return MapData(map, r, metrics); },
                           [this](QPainter& p, const QRect& r) { map.paint(&p, r, kText); }}};
    }

    const QFontMetrics metrics{ChartFont()};
    PeriodCurvePainter plain = Periods(4);
    PeriodCurvePainter withBreak = Periods(6);
    PeriodCurvePainter worded = Periods(5);
    PeriodCurvePainter japanese = Periods(5);
    PeriodCurvePainter marked = Periods(5);
    const PairMapPainter map = Pairs();
};

} // namespace

// From far wider than the legend down to the narrowest a window makes its charts, the
// legend flows onto more rows and every entry stays whole, apart and off the figures; a
// wider chart never takes more rows.
TEST_F(ChartLegendTest, FlowsOntoRowsAndReadsWholeAtEveryWidth) {
    constexpr int kNarrowest = 100;
    constexpr int kWidest = 640;
    constexpr int kHeight = 200;
    for (const LegendCase& c : Cases()) {
        int previousHeight = 0;
        for (int width = kWidest; width >= kNarrowest; --width) {
            const QRect rect(7, 3, width, kHeight);
            const std::vector<charts::LegendPlace> places = c.places(rect);
            const std::vector<QString> faults = testsupport::LegendFaults(rect, places, c.data(rect));
            for (const QString& fault : faults)
                ADD_FAILURE() << c.name << " at " << width << " px: " << fault.toStdString();
            if (!faults.empty()) break;
            QRect legend;
            for (const charts::LegendPlace& place : places) legend |= place.box;
            EXPECT_GE(legend.height(), previousHeight) << c.name << " at " << width << " px";
            previousHeight = legend.height();
        }
        EXPECT_GT(previousHeight, metrics.height()) << c.name << ": on more than one row at the narrowest";
    }
}

// What a legend of several rows says about itself is what it draws: above the figures no
// pixel is inked outside its entries, and each entry's box holds ink of its own.
TEST_F(ChartLegendTest, RowsAreDrawnWhereTheySayTheyAre) {
    const QSize size(130, 210);
    const QRect rect(QPoint(0, 0), size);
    for (const LegendCase& c : Cases()) {
        const std::vector<charts::LegendPlace> places = c.places(rect);
        ASSERT_FALSE(places.empty()) << c.name;
        const QImage drawn = Drawn(size, rect, c.paint);
        const QRect data = c.data(rect);
        // The legend stands above the curve's plot and under the map's grid.
        const QRect band = data.top() > rect.top() ? QRect(0, 0, size.width(), data.top())
                                                   : QRect(0, data.bottom() + 1, size.width(), size.height());
        std::vector<bool> inked(places.size(), false);
        for (int y = band.top(); y <= std::min(band.bottom(), size.height() - 1); ++y)
            for (int x = band.left(); x <= band.right(); ++x) {
                if (drawn.pixelColor(x, y) == QColor(Qt::white)) continue;
                bool within = false;
                for (std::size_t entry = 0; entry < places.size(); ++entry) {
                    bool mine = places[entry].box.contains(x, y);
                    for (const QRect& letters : places[entry].letters) mine = mine || letters.contains(x, y);
                    if (mine) inked[entry] = true;
                    within = within || mine;
                }
                // The "per column" at the right of the last row is no entry.
                if (!within && c.name != std::string("ASheetsWords"))
                    ADD_FAILURE() << c.name << ": ink at " << x << ", " << y << " outside every entry";
            }
        for (std::size_t entry = 0; entry < places.size(); ++entry)
            EXPECT_TRUE(inked[entry]) << c.name << ": nothing drawn for entry " << entry;
    }
}

// Where not even one entry a row fits, or the rows would crowd out the figures, the legend
// is left out rather than cut, and the figures take its room.
TEST_F(ChartLegendTest, IsLeftOutWhereItCannotFit) {
    const struct {
        const char* name;
        QSize size;
    } sizes[] = {{"NarrowerThanAnEntry", QSize(60, 200)}, {"TooLowForItsRows", QSize(110, 40)}};
    for (const auto& s : sizes) {
        const QRect rect(QPoint(0, 0), s.size);
        for (const LegendCase& c : Cases()) {
            EXPECT_TRUE(c.places(rect).empty()) << c.name << " " << s.name;
        }
        const QRect roomy(QPoint(0, 0), QSize(640, s.size.height()));
        EXPECT_LT(plain.plotRect(rect, metrics).top(), plain.plotRect(roomy, metrics).top()) << s.name;
        EXPECT_TRUE(plain.legendRect(rect, metrics).isEmpty()) << s.name;
    }
    // What it would have said stays in words.
    EXPECT_EQ(withBreak.legendInWords().toStdString(),
              "green: true; red: false; hatched: partial; blue line: median time; dashed line: trend; "
              "dash-dotted line: break");
    EXPECT_EQ(
        worded.legendInWords().toStdString(),
        "green: right; red: wrong or blank; hatched: partial; blue line: median time; dashed line: least squares");
    // Nothing of a legend is drawn: above the plot's top figure the chart is blank.
    const QSize size(60, 200);
    const QImage drawn =
        Drawn(size, QRect(QPoint(0, 0), size), [&](QPainter& p, const QRect& r) { plain.paint(&p, r, kText); });
    const QRect data = CurveData(plain, QRect(QPoint(0, 0), size), metrics);
    EXPECT_EQ(InkedColumns(drawn, QRect(0, 0, size.width(), data.top())).first, size.width());
}

// Marks are drawn whole: a lowest score's ring above the dates, an all-0 score from 0, an overlaid curve's dash.
TEST_F(ChartLegendTest, MarksAreDrawnWholeAndToldApart) {
    const QRect rect(0, 0, 360, 200);
    charts::ScoreTimePainter score;
    score.setPoints({{0, 42.0}, {1, 40.0}, {2, 47.0}});
    EXPECT_LE(score.pointRect(rect, metrics, 1).bottom(), score.plotRect(rect, metrics).bottom()) << "above the dates";
    EXPECT_EQ(charts::NiceRange(0.0, 0.0, 5).bottom, 0.0) << "no errors in any sitting";
    charts::CurveOverlayPainter overlay;
    overlay.setCurves({{QStringLiteral("solid"), {1}}, {QStringLiteral("dashed"), {1}}});
    const QImage drawn = Drawn(rect.size(), rect, [&](QPainter& p, const QRect& r) { overlay.paint(&p, r, kText); });
    const charts::LegendPlace dashed = overlay.legendPlaces(rect, metrics).back();
    const auto [left, right] = InkedColumns(drawn, QRect(dashed.box.topLeft(), dashed.words[0].bottomLeft()));
    EXPECT_GT(right - left, 2 * charts::kLegendSwatch) << "the dashed line across the swatch, under its square";
}
