// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/SheetView.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>

namespace sheet {
namespace {

// The zoom steps, so that Ctrl+Plus then Ctrl+Minus comes back exactly.
constexpr std::array kZoomSteps = {0.5, 0.6, 0.75, 0.9, 1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

} // namespace

SheetView::SheetView(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Sheet digits that read alike in every font: the platform's general font, which has
    // figures of one width, at a size the zoom sets.
    QFont digits = font();
    digits.setStyleHint(QFont::SansSerif);
    painter_.setSheet({}, {}, digits);
}

QSize SheetView::sizeHint() const { return painter_.sheetSize(); }

void SheetView::setSheet(const engine::SheetFormat& format, const engine::Sheet& sheet) {
    painter_.setSheet(format, sheet, font());
    written_.assign(painter_.pairTotal(), SheetMarks::kBlank);
    strokes_.clear();
    marks_ = SheetMarks{};
    marks_.written = written_;
    resize(painter_.sheetSize());
    update();
}

void SheetView::setWritten(std::uint32_t unit, std::uint32_t pair, std::int8_t written) {
    std::int8_t& slot = written_[painter_.firstPair(unit) + pair];
    if (slot == written) return;
    slot = written;
    update(painter_.answerRect(unit, pair));
}

std::int8_t SheetView::written(std::uint32_t unit, std::uint32_t pair) const {
    return written_[painter_.firstPair(unit) + pair];
}

void SheetView::UpdateMarked(const QRect& rect) {
    // With the edges of the frames drawn around it, which lie a little outside it at large
    // zooms: none is left behind, none is drawn without its outer edge.
    const int reach = painter_.markReach();
    update(rect.adjusted(-reach, -reach, reach, reach));
}

void SheetView::UpdateCursorArea() {
    if (painter_.pairTotal() == 0) return;
    // The unit's tint and number change with it; within a unit only the pair moves.
    UpdateMarked(painter_.unitRect(marks_.unit));
}

void SheetView::setCursor(std::uint32_t unit, std::uint32_t pair, bool shown) {
    if (unit == marks_.unit && pair == marks_.pair && shown == marks_.cursorShown) return;
    if (unit != marks_.unit || shown != marks_.cursorShown) {
        UpdateCursorArea();
        marks_.unit = unit;
        marks_.cursorShown = shown;
        marks_.pair = pair;
        UpdateCursorArea();
        return;
    }
    // A key press moves the cursor by one pair: only the two pairs are painted again.
    const std::uint32_t pairs = painter_.pairTotal() == 0 ? 0 : painter_.firstPair(unit + 1) - painter_.firstPair(unit);
    if (marks_.pair < pairs) UpdateMarked(painter_.pairRect(unit, marks_.pair));
    marks_.pair = pair;
    if (pair < pairs) UpdateMarked(painter_.pairRect(unit, pair));
}

void SheetView::setCueCalled(bool called) {
    if (called == marks_.cueCalled) return;
    marks_.cueCalled = called;
    UpdateCursorArea();
}

void SheetView::addStroke(const engine::SheetStroke& stroke) {
    strokes_.push_back(stroke);
    marks_.strokes = strokes_;
    update(painter_.unitRect(stroke.unit));
}

void SheetView::setZoom(double zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    if (zoom == painter_.zoom()) return;
    painter_.setZoom(zoom);
    resize(painter_.sheetSize());
    update();
    emit zoomChanged(zoom);
}

void SheetView::zoomIn() {
    const auto next = std::upper_bound(kZoomSteps.begin(), kZoomSteps.end(), painter_.zoom() + 1e-9);
    if (next != kZoomSteps.end()) setZoom(*next);
}

void SheetView::zoomOut() {
    const auto next = std::lower_bound(kZoomSteps.begin(), kZoomSteps.end(), painter_.zoom() - 1e-9);
    if (next != kZoomSteps.begin()) setZoom(*std::prev(next));
}

QRect SheetView::cursorRect() const {
    if (painter_.pairTotal() == 0) return {};
    const std::uint32_t pairs = painter_.firstPair(marks_.unit + 1) - painter_.firstPair(marks_.unit);
    if (marks_.pair < pairs) return painter_.pairRect(marks_.unit, marks_.pair);
    return painter_.pairRect(marks_.unit, pairs - 1);
}

void SheetView::paintEvent(QPaintEvent* event) {
    ++paints_;
    QPainter painter(this);
    painter_.paint(&painter, event->region(), marks_);
}

bool SheetView::zoomByKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::ControlModifier && modifiers != (Qt::ControlModifier | Qt::ShiftModifier)) return false;
    switch (event.key()) {
    // Ctrl+Plus is Ctrl+Shift+= on many keyboards, and Ctrl+= where Plus needs Shift.
    case Qt::Key_Plus:
    case Qt::Key_Equal: zoomIn(); return true;
    case Qt::Key_Minus: zoomOut(); return true;
    case Qt::Key_0: setZoom(1.0); return true;
    default: return false;
    }
}

void SheetView::keyPressEvent(QKeyEvent* event) {
    if (zoomByKey(*event)) return;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    if (modifiers == Qt::NoModifier) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) {
            emit digitTyped(key - Qt::Key_0);
            return;
        }
        if (key == Qt::Key_Backspace) {
            emit backspacePressed();
            return;
        }
        if (key == Qt::Key_Space) {
            emit spacePressed();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void SheetView::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) {
        // Scrolls the area around the view.
        event->ignore();
        return;
    }
    const int delta = event->angleDelta().y();
    if (delta > 0) zoomIn();
    if (delta < 0) zoomOut();
    event->accept();
}

} // namespace sheet
