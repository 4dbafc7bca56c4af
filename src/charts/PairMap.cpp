// SPDX-License-Identifier: GPL-3.0-or-later
#include "charts/PairMap.h"

#include "charts/ChartTips.h"
#include "charts/FigureText.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace charts {

namespace {

constexpr int kDigits = PairMapPainter::kDigits;

} // namespace

PairMap::PairMap(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(tr("Digit-pair map"));
    UpdateDescription();
}

PairMap::~PairMap() = default;

void PairMap::setPairs(const std::array<engine::PairFigures, 100>& pairs) {
    painter_.setPairs(pairs);
    UpdateDescription();
    update();
}

QSize PairMap::sizeHint() const { return {230, 230}; }
QSize PairMap::minimumSizeHint() const { return {110, 110}; }

QRect PairMap::cellRect(int operand1, int operand2) const {
    return painter_.cellRect(rect(), fontMetrics(), operand1, operand2);
}

std::optional<DigitPair> PairMap::pairAt(const QPoint& point) const {
    return painter_.pairAt(rect(), fontMetrics(), point);
}

QRect PairMap::legendRect() const { return painter_.legendRect(rect(), fontMetrics()); }

std::vector<LegendPlace> PairMap::legendPlaces() const { return painter_.legendPlaces(rect(), fontMetrics()); }

QColor PairMap::cellColour(int operand1, int operand2) const { return painter_.cellColour(operand1, operand2); }

void PairMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter_.paint(&painter, rect(), palette().color(QPalette::WindowText),
                   hasFocus() ? std::optional(cursor_) : std::nullopt);
}

bool PairMap::event(QEvent* event) {
    const auto tipAt = [this](const QPoint& point) -> std::optional<ChartTip> {
        const auto pair = pairAt(point);
        if (!pair) return std::nullopt;
        return ChartTip{PairText(pair->operand1, pair->operand2, painter_.pair(pair->operand1, pair->operand2)),
                        cellRect(pair->operand1, pair->operand2)};
    };
    if (HandleChartEvent(this, event, tipAt)) return true;
    return QWidget::event(event);
}

void PairMap::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Up: MoveCursor(cursor_.operand1 - 1, cursor_.operand2); break;
    case Qt::Key_Down: MoveCursor(cursor_.operand1 + 1, cursor_.operand2); break;
    case Qt::Key_Left: MoveCursor(cursor_.operand1, cursor_.operand2 - 1); break;
    case Qt::Key_Right: MoveCursor(cursor_.operand1, cursor_.operand2 + 1); break;
    case Qt::Key_Home: MoveCursor(cursor_.operand1, 0); break;
    case Qt::Key_End: MoveCursor(cursor_.operand1, kDigits - 1); break;
    default: QWidget::keyPressEvent(event); return;
    }
}

void PairMap::MoveCursor(int operand1, int operand2) {
    cursor_ = {std::clamp(operand1, 0, kDigits - 1), std::clamp(operand2, 0, kDigits - 1)};
    UpdateDescription();
    update();
    const QRect cell = cellRect(cursor_.operand1, cursor_.operand2);
    ShowChartTip(
        this, cell.bottomRight(),
        {PairText(cursor_.operand1, cursor_.operand2, painter_.pair(cursor_.operand1, cursor_.operand2)), cell});
}

void PairMap::UpdateDescription() {
    // The pairs that took longest and those answered wrongly, then the pair under the cursor.
    std::vector<DigitPair> answered;
    QStringList withErrors;
    for (int operand1 = 0; operand1 < kDigits; ++operand1)
        for (int operand2 = 0; operand2 < kDigits; ++operand2) {
            const engine::PairFigures& pair = painter_.pair(operand1, operand2);
            if (pair.answered > 0) answered.push_back({operand1, operand2});
            if (pair.errors > 0)
                withErrors << QStringLiteral("%1 + %2 (%3)").arg(operand1).arg(operand2).arg(pair.errors);
        }
    std::stable_sort(answered.begin(), answered.end(), [this](const DigitPair& a, const DigitPair& b) {
        return *painter_.pair(a.operand1, a.operand2).medianMilliseconds >
               *painter_.pair(b.operand1, b.operand2).medianMilliseconds;
    });
    constexpr std::size_t kSlowestListed = 5;
    QStringList slowest;
    for (std::size_t i = 0; i < std::min(kSlowestListed, answered.size()); ++i)
        slowest << QStringLiteral("%1 + %2 (%3)")
                       .arg(answered[i].operand1)
                       .arg(answered[i].operand2)
                       .arg(SecondsText(painter_.pair(answered[i].operand1, answered[i].operand2).medianMilliseconds));

    //: Separates the pairs listed after "Slowest:" and "Errors:".
    const QString separator = tr(", ");
    QStringList parts;
    parts << tr("Median answer time of each digit pair, first operand down, second across; darker is slower, a red "
                "corner marks errors.");
    parts << tr("%1 of 100 pairs answered.").arg(answered.size());
    //: The five pairs with the longest median answer time, as "6 + 9 (1.50 s), 7 + 5 (1.00 s)".
    if (!slowest.isEmpty()) parts << tr("Slowest: %1.").arg(slowest.join(separator));
    //: The pairs answered wrongly, each with how often, as "6 + 9 (1), 7 + 5 (2)".
    parts << (withErrors.isEmpty() ? tr("No errors.") : tr("Errors: %1.").arg(withErrors.join(separator)));
    //: The pair under the cursor and its figures, as "7 + 5: 3 answers, 1 false, median 1.00 s".
    parts << tr("Arrow keys read each pair; now at %1.")
                 .arg(PairText(cursor_.operand1, cursor_.operand2, painter_.pair(cursor_.operand1, cursor_.operand2)));
    const QString description = parts.join(QLatin1Char(' '));
    setAccessibleDescription(description);
}

} // namespace charts
