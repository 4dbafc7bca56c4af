// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/SheetSitting.h"
#include "sheet/SheetPainter.h"

#include <QWidget>
#include <cstdint>
#include <vector>

namespace sheet {

// The sheet on screen, as it is on paper (SheetPainter draws it). It takes the user's
// answering keys and reports them: a digit writes, Backspace takes back, Space passes;
// Ctrl+Plus and Ctrl+Minus (or Ctrl and the wheel) zoom, Ctrl+0 sets the zoom back. The
// setters store, return early when nothing changes and repaint only what changed. The
// view sizes itself to the sheet at its zoom; a scroll area around it shows a part.
class SheetView final : public QWidget {
    Q_OBJECT
public:
    static constexpr double kMinZoom = 0.5;
    static constexpr double kMaxZoom = 3.0;

    explicit SheetView(QWidget* parent = nullptr);

    // A new sheet, blank, without a cursor.
    void setSheet(const engine::SheetFormat& format, const engine::Sheet& sheet);
    // What a pair holds: SheetMarks::kBlank, a digit, or SheetMarks::kPassed.
    void setWritten(std::uint32_t unit, std::uint32_t pair, std::int8_t written);
    std::int8_t written(std::uint32_t unit, std::uint32_t pair) const;
    void setCursor(std::uint32_t unit, std::uint32_t pair, bool shown);
    void setCueCalled(bool called);
    bool cueCalled() const { return marks_.cueCalled; }
    void addStroke(const engine::SheetStroke& stroke);

    double zoom() const { return painter_.zoom(); }
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();
    // Ctrl+Plus (or Ctrl+=), Ctrl+Minus and Ctrl+0: zooms and says so; false for any other key.
    bool zoomByKey(const QKeyEvent& event);

    // The cursor's pair and its answer's place, in the view's coordinates; the pair's
    // whole unit where the unit is waiting for its cue.
    QRect cursorRect() const;
    const SheetPainter& painter() const { return painter_; }
    // Paint events handled so far; a benchmark waits on it.
    std::uint64_t paintCount() const { return paints_; }

    QSize sizeHint() const override;

signals:
    void digitTyped(int digit);
    void backspacePressed();
    void spacePressed();
    void zoomChanged(double zoom);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void UpdateMarked(const QRect& rect);
    void UpdateCursorArea();

    SheetPainter painter_;
    SheetMarks marks_;
    std::vector<std::int8_t> written_;
    std::vector<engine::SheetStroke> strokes_;
    std::uint64_t paints_ = 0;
};

} // namespace sheet
