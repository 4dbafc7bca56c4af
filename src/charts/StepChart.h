// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <cstddef>
#include <optional>

class QPainter;

namespace charts {

// A chart whose items (a bar per period, a point per sitting) the user steps through, with
// what such charts share: the focus frame, an item's figures in the tooltip over it, Left and
// Right (Home, End) selecting the items while it has the focus and showing the selected
// one's tooltip, and the legend in words in the tooltip beside the items where the chart is
// too small to draw it. A chart of its own kind paints, places its items and words them.
class StepChart : public QWidget {
    Q_OBJECT
public:
    ~StepChart() override;

    std::optional<std::size_t> selectedItem() const { return selected_; }

protected:
    explicit StepChart(QWidget* parent);

    virtual std::size_t ItemCount() const = 0;
    // The item drawn at `point`, in widget coordinates.
    virtual std::optional<std::size_t> ItemAt(const QPoint& point) const = 0;
    // Where an item is drawn, for its tooltip to keep to.
    virtual QRect ItemRect(std::size_t item) const = 0;
    virtual QString ItemText(std::size_t item) const = 0;
    // The legend in words where the drawing leaves it out; empty where it is drawn.
    virtual QString LegendInWords() const = 0;
    // Draws the chart into rect(), the item `selected` highlighted where there is one.
    virtual void PaintChart(QPainter* painter, std::optional<std::size_t> selected) const = 0;
    // After the selection changed (the description says which item is selected).
    virtual void SelectionChanged() {}

    // No item selected, as after the chart's figures changed.
    void ClearSelection() { selected_.reset(); }
    // The description screen readers get, from the selected item's text, `summary` (what
    // the chart shows, in words) and the legend in words where the chart leaves it out.
    void Describe(const QString& summary);

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Select(std::size_t item);

    std::optional<std::size_t> selected_;
};

// A stepped chart that screen readers read by a summary of what it shows (Describe), its
// description kept up to date as the selection, the figures or the size change.
class SummarizedChart : public StepChart {
    Q_OBJECT
public:
    ~SummarizedChart() override;

protected:
    explicit SummarizedChart(QWidget* parent);

    // What the chart shows, in words, once its figures are set; the description follows.
    void setSummary(QString summary);
    void SelectionChanged() override { Describe(summary_); }
    void resizeEvent(QResizeEvent* event) override;

private:
    QString summary_;
};

} // namespace charts
