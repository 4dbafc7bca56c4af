// SPDX-License-Identifier: GPL-3.0-or-later
#include "workcurve/CurveChart.h"

#include "workcurve/FigureText.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionFocusRect>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace workcurve {

namespace {

const QColor kTrueColour(0x3F, 0x8F, 0x5A);
const QColor kFalseColour(0xD1, 0x49, 0x5B);
const QColor kTimeColour(0x1F, 0x4E, 0xB4);
const QColor kTrendColour(0x44, 0x44, 0x44);
const QColor kGridColour(0xE2, 0xE2, 0xE2);
const QColor kSelectionColour(0xFF, 0xE9, 0xA8);

constexpr int kGap = 4;
constexpr int kTick = 3;
constexpr int kSwatch = 8;

// A scale from 0 in steps of 1, 2 or 5 times a power of ten.
struct ChartScale {
    double step = 1.0;
    int steps = 1;
    double top = 1.0;
};

// The smallest step of 1, 2 or 5 times a power of ten that is at least `raw`.
double NiceStep(double raw) {
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw * (1.0 - 1e-12)) return factor * power;
    return 10.0 * power;
}

// Reaches at least `most` in at most `maxSteps` steps of at least `minStep`.
ChartScale NiceScale(double most, int maxSteps, double minStep) {
    if (!(most > 0.0)) return {minStep, 1, minStep};
    ChartScale scale;
    scale.step = std::max(minStep, NiceStep(most / maxSteps));
    scale.steps = std::max(1, static_cast<int>(std::ceil(most / scale.step - 1e-9)));
    scale.top = scale.step * scale.steps;
    return scale;
}

// Reaches at least `most` in exactly `steps` steps, so its grid lines are another scale's.
ChartScale NiceScaleWithSteps(double most, int steps, double minStep) {
    ChartScale scale;
    scale.steps = steps;
    scale.step = most > 0.0 ? std::max(minStep, NiceStep(most / steps)) : minStep;
    scale.top = scale.step * steps;
    return scale;
}

std::uint32_t MostAnswered(const test::WorkCurve& curve) {
    std::uint32_t most = 0;
    for (const test::MinuteFigures& minute : curve.minutes) most = std::max(most, minute.answered);
    return most;
}

double SlowestMedianSeconds(const test::WorkCurve& curve) {
    std::uint32_t slowest = 0;
    for (const test::MinuteFigures& minute : curve.minutes)
        if (minute.times.median) slowest = std::max(slowest, *minute.times.median);
    return slowest / 1000.0;
}

QString SecondsLabel(double seconds) {
    return seconds < 10 && std::floor(seconds) != seconds ? QString::asprintf("%.1f s", seconds)
                                                          : QString::asprintf("%.0f s", seconds);
}

} // namespace

// Where everything goes for the widget's current size and curve: computed for each paint
// and for each question about a point, so it always matches what is on the screen.
struct CurveChart::Layout {
    QRect plot;
    int legendBaseline = 0;
    double slot = 0.0; // width of one minute's column
    int barWidth = 0;
    ChartScale answered; // left axis
    ChartScale seconds;  // right axis, on the same grid lines
    int labelEvery = 1;  // minute numbers written under every n-th bar

    int columnLeft(std::size_t minute) const {
        return plot.left() + static_cast<int>(std::floor(static_cast<double>(minute) * slot));
    }
    int barLeft(std::size_t minute) const {
        const int column = columnLeft(minute);
        const int next = columnLeft(minute + 1);
        return column + (next - column - barWidth) / 2;
    }
    int y(double value, const ChartScale& scale) const {
        return plot.bottom() - static_cast<int>(std::lround(value / scale.top * plot.height()));
    }
    double xCentre(std::size_t minute) const { return plot.left() + (static_cast<double>(minute) + 0.5) * slot; }
};

CurveChart::CurveChart(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Answers per minute"));
    UpdateDescription();
}

CurveChart::~CurveChart() = default;

void CurveChart::setCurve(const test::WorkCurve& curve) {
    curve_ = curve;
    selected_.reset();
    UpdateDescription();
    update();
}

QSize CurveChart::sizeHint() const { return {320, 230}; }
QSize CurveChart::minimumSizeHint() const { return {180, 140}; }

CurveChart::Layout CurveChart::MakeLayout() const {
    Layout layout;
    const QFontMetrics metrics = fontMetrics();
    const int lineHeight = metrics.height();
    const std::size_t minutes = std::max<std::size_t>(curve_.minutes.size(), 1);

    layout.answered = NiceScale(MostAnswered(curve_), 5, 1.0);
    layout.seconds = NiceScaleWithSteps(SlowestMedianSeconds(curve_), layout.answered.steps, 0.1);
    const int leftLabels = metrics.horizontalAdvance(QString::number(layout.answered.top));
    const int rightLabels = metrics.horizontalAdvance(SecondsLabel(layout.seconds.top));

    layout.legendBaseline = kGap + metrics.ascent();
    const int top = kGap + lineHeight + lineHeight / 2 + kGap;
    const int left = kGap + leftLabels + kTick + 2;
    const int right = width() - kGap - rightLabels - kTick - 2;
    const int bottom = height() - kGap - lineHeight - kTick;
    layout.plot = QRect(QPoint(left, top), QPoint(std::max(left + 1, right), std::max(top + 1, bottom)));

    layout.slot = static_cast<double>(layout.plot.width()) / static_cast<double>(minutes);
    // Bars fill most of their column while there is room for a gap, all of it after.
    constexpr int kWidestBar = 40;
    layout.barWidth = layout.slot >= 4.0 ? std::clamp(static_cast<int>(layout.slot * 0.7), 1, kWidestBar)
                                         : std::max(1, static_cast<int>(layout.slot));
    const double labelWidth = metrics.horizontalAdvance(QString::number(minutes)) + 6.0;
    for (const int every : {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000, 10000, 100000}) {
        layout.labelEvery = every;
        if (layout.slot * every >= labelWidth) break;
    }
    return layout;
}

std::optional<std::size_t> CurveChart::minuteAt(const QPoint& point) const {
    if (curve_.minutes.empty()) return std::nullopt;
    const Layout layout = MakeLayout();
    if (point.x() < layout.plot.left() || point.x() > layout.plot.right()) return std::nullopt;
    if (point.y() < layout.plot.top() || point.y() > layout.plot.bottom() + kTick) return std::nullopt;
    const auto minute = static_cast<std::size_t>((point.x() - layout.plot.left()) / layout.slot);
    return std::min(minute, curve_.minutes.size() - 1);
}

QRect CurveChart::barRect(std::size_t minute) const {
    if (minute >= curve_.minutes.size()) return {};
    const Layout layout = MakeLayout();
    const int top = layout.y(curve_.minutes[minute].answered, layout.answered);
    return QRect(QPoint(layout.barLeft(minute), top),
                 QPoint(layout.barLeft(minute) + layout.barWidth - 1, layout.plot.bottom()));
}

void CurveChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const Layout layout = MakeLayout();
    const QFontMetrics metrics = fontMetrics();
    const QRect& plot = layout.plot;

    // Legend across the top.
    int x = kGap;
    const auto legendItem = [&](const QString& text, auto drawSwatch) {
        drawSwatch(QRect(x, layout.legendBaseline - kSwatch, kSwatch, kSwatch));
        x += kSwatch + 3;
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(x, layout.legendBaseline, text);
        x += metrics.horizontalAdvance(text) + 8;
    };
    legendItem(QStringLiteral("true"), [&](const QRect& r) { painter.fillRect(r, kTrueColour); });
    legendItem(QStringLiteral("false"), [&](const QRect& r) { painter.fillRect(r, kFalseColour); });
    if (!curve_.minutes.empty() && curve_.minutes.back().partial) {
        legendItem(QStringLiteral("partial"), [&](const QRect& r) {
            painter.fillRect(r, kTrueColour.lighter(150));
            painter.fillRect(r, QBrush(Qt::white, Qt::BDiagPattern));
        });
    }
    legendItem(QStringLiteral("median time"), [&](const QRect& r) {
        painter.setPen(QPen(kTimeColour, 2));
        painter.drawLine(r.left(), r.center().y(), r.right(), r.center().y());
    });
    if (curve_.trend) {
        legendItem(QStringLiteral("trend"), [&](const QRect& r) {
            painter.setPen(QPen(kTrendColour, 1, Qt::DashLine));
            painter.drawLine(r.left(), r.center().y(), r.right() + 2, r.center().y());
        });
    }

    // Grid lines with the answered scale on the left and the time scale on the right.
    for (int step = 0; step <= layout.answered.steps; ++step) {
        const double answered = layout.answered.step * step;
        const int y = layout.y(answered, layout.answered);
        painter.setPen(step == 0 ? palette().color(QPalette::WindowText) : kGridColour);
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(palette().color(QPalette::WindowText));
        const QString left = QString::number(answered, 'g', 10);
        painter.drawText(QRect(kGap, y - metrics.height() / 2, plot.left() - kTick - 2 - kGap, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, left);
        painter.setPen(kTimeColour);
        painter.drawText(QRect(plot.right() + kTick + 2, y - metrics.height() / 2, width(), metrics.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, SecondsLabel(layout.seconds.step * step));
    }

    if (selected_ && *selected_ < curve_.minutes.size()) {
        const int left = layout.columnLeft(*selected_);
        painter.fillRect(
            QRect(QPoint(left, plot.top()), QPoint(layout.columnLeft(*selected_ + 1) - 1, plot.bottom() - 1)),
            kSelectionColour);
    }

    // The bars: true answers at the bottom, false ones on top; the partial minute hatched.
    for (std::size_t minute = 0; minute < curve_.minutes.size(); ++minute) {
        const test::MinuteFigures& figures = curve_.minutes[minute];
        const int left = layout.barLeft(minute);
        const int base = plot.bottom();
        const int trueTop = layout.y(figures.correct, layout.answered);
        const int allTop = layout.y(figures.answered, layout.answered);
        const QRect trueBar(QPoint(left, trueTop), QPoint(left + layout.barWidth - 1, base - 1));
        const QRect falseBar(QPoint(left, allTop), QPoint(left + layout.barWidth - 1, trueTop - 1));
        const QColor trueColour = figures.partial ? kTrueColour.lighter(150) : kTrueColour;
        const QColor falseColour = figures.partial ? kFalseColour.lighter(140) : kFalseColour;
        if (trueTop < base) painter.fillRect(trueBar, trueColour);
        if (allTop < trueTop) painter.fillRect(falseBar, falseColour);
        if (figures.partial && allTop < base) {
            const QRect whole(QPoint(left, allTop), QPoint(left + layout.barWidth - 1, base - 1));
            painter.fillRect(whole, QBrush(Qt::white, Qt::BDiagPattern));
            painter.setPen(QPen(kTrendColour, 1, Qt::DotLine));
            painter.drawRect(whole);
        }
    }

    // Minute numbers under the bars.
    painter.setPen(palette().color(QPalette::WindowText));
    for (std::size_t minute = 0; minute < curve_.minutes.size(); ++minute) {
        const std::size_t number = minute + 1;
        if (number % static_cast<std::size_t>(layout.labelEvery) != 0 && minute != 0) continue;
        const int centre = static_cast<int>(std::lround(layout.xCentre(minute)));
        painter.drawLine(centre, plot.bottom(), centre, plot.bottom() + kTick);
        const QString text = QString::number(number);
        const int textWidth = metrics.horizontalAdvance(text);
        painter.drawText(centre - textWidth / 2, plot.bottom() + kTick + metrics.ascent() + 1, text);
    }

    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(plot.adjusted(0, -2, 1, 1));

    // The trend line over the complete minutes.
    if (curve_.trend && curve_.completeMinutes >= 2) {
        const double first = 1.0;
        const auto last = static_cast<double>(curve_.completeMinutes);
        painter.setPen(QPen(kTrendColour, 1.5, Qt::DashLine));
        painter.drawLine(
            QPointF(layout.xCentre(0), plot.bottom() - *curve_.trendAt(first) / layout.answered.top * plot.height()),
            QPointF(layout.xCentre(curve_.completeMinutes - 1),
                    plot.bottom() - *curve_.trendAt(last) / layout.answered.top * plot.height()));
    }

    // The median answer time of each minute, joined where minutes follow each other.
    QPainterPath line;
    bool joined = false;
    std::vector<QPointF> points;
    for (std::size_t minute = 0; minute < curve_.minutes.size(); ++minute) {
        const auto& median = curve_.minutes[minute].times.median;
        if (!median) {
            joined = false;
            continue;
        }
        const QPointF point(layout.xCentre(minute),
                            plot.bottom() - (*median / 1000.0) / layout.seconds.top * plot.height());
        if (joined)
            line.lineTo(point);
        else
            line.moveTo(point);
        joined = true;
        points.push_back(point);
    }
    painter.setPen(QPen(kTimeColour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
    if (layout.slot >= 6.0) {
        painter.setBrush(Qt::white);
        painter.setPen(QPen(kTimeColour, 1.5));
        for (const QPointF& point : points) painter.drawEllipse(point, 2.5, 2.5);
    }
    painter.setClipping(false);
    painter.setRenderHint(QPainter::Antialiasing, false);

    if (curve_.minutes.empty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(plot, Qt::AlignCenter, QStringLiteral("No answers"));
    }

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        option.backgroundColor = Qt::white;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

bool CurveChart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const auto minute = minuteAt(help->pos()))
            QToolTip::showText(help->globalPos(), MinuteText(*minute, curve_.minutes[*minute]), this, barRect(*minute));
        else
            QToolTip::hideText();
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) update();
    return QWidget::event(event);
}

void CurveChart::keyPressEvent(QKeyEvent* event) {
    if (curve_.minutes.empty()) return QWidget::keyPressEvent(event);
    const std::size_t last = curve_.minutes.size() - 1;
    const std::size_t current = selected_.value_or(0);
    switch (event->key()) {
    case Qt::Key_Left: Select(selected_ ? (current == 0 ? 0 : current - 1) : 0); break;
    case Qt::Key_Right: Select(selected_ ? std::min(current + 1, last) : 0); break;
    case Qt::Key_Home: Select(0); break;
    case Qt::Key_End: Select(last); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void CurveChart::Select(std::size_t minute) {
    selected_ = minute;
    UpdateDescription();
    update();
    const QRect bar = barRect(minute);
    QToolTip::showText(mapToGlobal(QPoint(bar.center().x(), bar.top())), MinuteText(minute, curve_.minutes[minute]),
                       this, bar);
}

void CurveChart::UpdateDescription() {
    QStringList parts;
    if (selected_ && *selected_ < curve_.minutes.size())
        parts << QStringLiteral("Selected: ") + MinuteText(*selected_, curve_.minutes[*selected_]) + QLatin1Char('.');
    parts << QStringLiteral("Answered per minute, true and false stacked, with the median answer time of each "
                            "minute and the trend; Left and Right step through the minutes.");
    for (std::size_t minute = 0; minute < curve_.minutes.size(); ++minute)
        parts << MinuteText(minute, curve_.minutes[minute]) + QLatin1Char('.');
    parts << QStringLiteral("Trend: ") + TrendText(curve_.trend) + QLatin1Char('.');
    setAccessibleDescription(parts.join(QLatin1Char(' ')));
}

} // namespace workcurve
