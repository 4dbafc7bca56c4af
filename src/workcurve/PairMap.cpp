// SPDX-License-Identifier: GPL-3.0-or-later
#include "workcurve/PairMap.h"

#include "workcurve/FigureText.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygon>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <vector>

namespace workcurve {

namespace {

constexpr int kDigits = 10;
constexpr int kGap = 4;
constexpr int kMinimumCell = 8;

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

// The corner mark of a pair with errors, in the cell's top right.
QPolygon ErrorMark(const QRect& cell) {
    const int size = std::max(4, cell.width() * 2 / 5);
    return QPolygon({QPoint(cell.right() - size + 1, cell.top()), QPoint(cell.right() + 1, cell.top()),
                     QPoint(cell.right() + 1, cell.top() + size)});
}

} // namespace

struct PairMap::Layout {
    QPoint origin; // top left of the first cell
    int cell = kMinimumCell;
    QRect legend;

    QRect cellRect(int operand1, int operand2) const {
        return QRect(origin.x() + operand2 * cell, origin.y() + operand1 * cell, cell, cell);
    }
};

PairMap::PairMap(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QStringLiteral("Digit-pair map"));
    UpdateDescription();
}

PairMap::~PairMap() = default;

void PairMap::setCurve(const test::WorkCurve& curve) {
    curve_ = curve;
    fastest_ = 0;
    slowest_ = 0;
    bool any = false;
    for (const test::PairFigures& pair : curve_.pairs) {
        if (!pair.medianMilliseconds) continue;
        fastest_ = any ? std::min(fastest_, *pair.medianMilliseconds) : *pair.medianMilliseconds;
        slowest_ = any ? std::max(slowest_, *pair.medianMilliseconds) : *pair.medianMilliseconds;
        any = true;
    }
    UpdateDescription();
    update();
}

QSize PairMap::sizeHint() const { return {230, 230}; }
QSize PairMap::minimumSizeHint() const { return {150, 150}; }

PairMap::Layout PairMap::MakeLayout() const {
    Layout layout;
    const QFontMetrics metrics = fontMetrics();
    const int header = metrics.height() + 2;
    const int rowLabels = metrics.horizontalAdvance(QStringLiteral("0")) + 6;
    const int legendHeight = metrics.height() + kGap;
    const int across = width() - kGap * 2 - rowLabels;
    const int down = height() - kGap * 2 - header - legendHeight;
    layout.cell = std::max(kMinimumCell, std::min(across, down) / kDigits);
    const int gridWidth = layout.cell * kDigits;
    const int left = kGap + rowLabels + std::max(0, (across - gridWidth) / 2);
    layout.origin = QPoint(left, kGap + header);
    layout.legend = QRect(kGap, layout.origin.y() + gridWidth + kGap, width() - 2 * kGap, metrics.height());
    return layout;
}

QRect PairMap::cellRect(int operand1, int operand2) const { return MakeLayout().cellRect(operand1, operand2); }

std::optional<DigitPair> PairMap::pairAt(const QPoint& point) const {
    const Layout layout = MakeLayout();
    const QPoint offset = point - layout.origin;
    if (offset.x() < 0 || offset.y() < 0) return std::nullopt;
    const int operand2 = offset.x() / layout.cell;
    const int operand1 = offset.y() / layout.cell;
    if (operand1 >= kDigits || operand2 >= kDigits) return std::nullopt;
    return DigitPair{operand1, operand2};
}

QColor PairMap::cellColour(int operand1, int operand2) const {
    const test::PairFigures& pair = curve_.pair(operand1, operand2);
    if (!pair.medianMilliseconds) return kEmptyColour;
    if (slowest_ == fastest_) return RampColour(0.5);
    return RampColour(static_cast<double>(*pair.medianMilliseconds - fastest_) / (slowest_ - fastest_));
}

void PairMap::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    const Layout layout = MakeLayout();
    const QFontMetrics metrics = fontMetrics();
    const QColor text = palette().color(QPalette::WindowText);

    // The corner says how to read the grid: row digit + column digit.
    painter.setPen(text);
    const QRect corner(kGap, kGap, layout.origin.x() - kGap, layout.origin.y() - kGap);
    painter.drawText(corner, Qt::AlignCenter, QStringLiteral("+"));
    for (int digit = 0; digit < kDigits; ++digit) {
        const QRect column = layout.cellRect(0, digit);
        painter.drawText(QRect(column.left(), kGap, column.width(), layout.origin.y() - kGap), Qt::AlignCenter,
                         QString::number(digit));
        const QRect row = layout.cellRect(digit, 0);
        painter.drawText(QRect(kGap, row.top(), layout.origin.x() - kGap - 3, row.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(digit));
    }

    for (int operand1 = 0; operand1 < kDigits; ++operand1)
        for (int operand2 = 0; operand2 < kDigits; ++operand2) {
            const QRect cell = layout.cellRect(operand1, operand2);
            painter.fillRect(cell, cellColour(operand1, operand2));
            painter.setPen(kGridColour);
            painter.drawRect(cell);
            if (curve_.pair(operand1, operand2).errors > 0) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(kErrorColour);
                painter.drawPolygon(ErrorMark(cell));
                painter.setBrush(Qt::NoBrush);
            }
        }
    painter.setPen(text);
    painter.drawRect(QRect(layout.origin, QSize(layout.cell * kDigits, layout.cell * kDigits)));

    if (hasFocus()) {
        const QRect cell = layout.cellRect(cursor_.operand1, cursor_.operand2);
        painter.setPen(QPen(text, 2));
        painter.drawRect(cell.adjusted(1, 1, 0, 0));
    }

    // Legend: the colour scale from the fastest to the slowest pair, and the error mark.
    const bool anyAnswered = curve_.answered > 0;
    const QString fast = SecondsText(anyAnswered ? std::optional(fastest_) : std::nullopt);
    const QString slow = SecondsText(anyAnswered ? std::optional(slowest_) : std::nullopt);
    const QString errors = QStringLiteral("error");
    int x = layout.legend.left();
    const int baseline = layout.legend.top() + metrics.ascent();
    painter.drawText(x, baseline, fast);
    x += metrics.horizontalAdvance(fast) + 3;
    const int barWidth = std::max(20, layout.legend.width() - (x - layout.legend.left()) -
                                          metrics.horizontalAdvance(slow) - metrics.horizontalAdvance(errors) - 30);
    QLinearGradient gradient(x, 0, x + barWidth, 0);
    gradient.setColorAt(0.0, kRamp[0]);
    gradient.setColorAt(0.5, kRamp[1]);
    gradient.setColorAt(1.0, kRamp[2]);
    const QRect bar(x, layout.legend.top() + 2, barWidth, layout.legend.height() - 4);
    painter.fillRect(bar, gradient);
    painter.drawRect(bar);
    x += barWidth + 3;
    painter.drawText(x, baseline, slow);
    x += metrics.horizontalAdvance(slow) + 10;
    const QRect sample(x, layout.legend.top() + 1, layout.legend.height() - 2, layout.legend.height() - 2);
    painter.setPen(kGridColour);
    painter.drawRect(sample);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kErrorColour);
    painter.drawPolygon(ErrorMark(sample));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(text);
    painter.drawText(sample.right() + 4, baseline, errors);
}

bool PairMap::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (const auto pair = pairAt(help->pos()))
            QToolTip::showText(help->globalPos(),
                               PairText(pair->operand1, pair->operand2, curve_.pair(pair->operand1, pair->operand2)),
                               this, cellRect(pair->operand1, pair->operand2));
        else
            QToolTip::hideText();
        return true;
    }
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) update();
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
    QToolTip::showText(mapToGlobal(cell.bottomRight()),
                       PairText(cursor_.operand1, cursor_.operand2, curve_.pair(cursor_.operand1, cursor_.operand2)),
                       this, cell);
}

void PairMap::UpdateDescription() {
    // The pairs that took longest and those answered wrongly, then the pair under the cursor.
    std::vector<DigitPair> answered;
    QStringList withErrors;
    for (int operand1 = 0; operand1 < kDigits; ++operand1)
        for (int operand2 = 0; operand2 < kDigits; ++operand2) {
            const test::PairFigures& pair = curve_.pair(operand1, operand2);
            if (pair.answered > 0) answered.push_back({operand1, operand2});
            if (pair.errors > 0)
                withErrors << QStringLiteral("%1 + %2 (%3)").arg(operand1).arg(operand2).arg(pair.errors);
        }
    std::stable_sort(answered.begin(), answered.end(), [this](const DigitPair& a, const DigitPair& b) {
        return *curve_.pair(a.operand1, a.operand2).medianMilliseconds >
               *curve_.pair(b.operand1, b.operand2).medianMilliseconds;
    });
    constexpr std::size_t kSlowestListed = 5;
    QStringList slowest;
    for (std::size_t i = 0; i < std::min(kSlowestListed, answered.size()); ++i)
        slowest << QStringLiteral("%1 + %2 (%3)")
                       .arg(answered[i].operand1)
                       .arg(answered[i].operand2)
                       .arg(SecondsText(curve_.pair(answered[i].operand1, answered[i].operand2).medianMilliseconds));

    QString description = QStringLiteral("Median answer time of each digit pair, first operand down, second "
                                         "across; darker is slower, a red corner marks errors. ");
    description += QStringLiteral("%1 of 100 pairs answered. ").arg(answered.size());
    if (!slowest.isEmpty()) description += QStringLiteral("Slowest: %1. ").arg(slowest.join(QStringLiteral(", ")));
    description += withErrors.isEmpty() ? QStringLiteral("No errors. ")
                                        : QStringLiteral("Errors: %1. ").arg(withErrors.join(QStringLiteral(", ")));
    description += QStringLiteral("Arrow keys read each pair; now at ") +
                   PairText(cursor_.operand1, cursor_.operand2, curve_.pair(cursor_.operand1, cursor_.operand2)) +
                   QLatin1Char('.');
    setAccessibleDescription(description);
}

} // namespace workcurve
