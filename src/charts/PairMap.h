// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "charts/PairMapPainter.h"
#include "engine/WorkCurve.h"

#include <QWidget>
#include <array>
#include <optional>
#include <vector>

namespace charts {

// The digit-pair map: a 10 x 10 grid, first operand down, second operand across, each
// pair coloured by its median answer time (darker is slower) with a red corner where the
// user erred. A tooltip gives a pair's figures; with the focus, the arrow keys move a
// cursor through the pairs and show the same text, which screen readers get too.
class PairMap final : public QWidget {
    Q_OBJECT
public:
    explicit PairMap(QWidget* parent = nullptr);
    ~PairMap() override;

    // The figures of the 100 pairs, first operand major, from any analysis.
    void setPairs(const std::array<engine::PairFigures, 100>& pairs);

    // The cell of a pair, in widget coordinates.
    QRect cellRect(int operand1, int operand2) const;
    // The pair whose cell holds `point`.
    std::optional<DigitPair> pairAt(const QPoint& point) const;
    // Where the legend under the grid is drawn, in widget coordinates: all of it, and each
    // entry.
    QRect legendRect() const;
    std::vector<LegendPlace> legendPlaces() const;
    // The colour a pair is painted with.
    QColor cellColour(int operand1, int operand2) const;
    DigitPair cursor() const { return cursor_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void MoveCursor(int operand1, int operand2);
    void UpdateDescription();

    DigitPair cursor_;
    PairMapPainter painter_;
};

} // namespace charts
