// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/Frame.h"

#include "host/qt/SystemColors.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPainter>
#include <mutex>

namespace host {

namespace {

// Where the group box puts its caption: the text starts this far in from the left, and the
// gap cut into the top lines is the text's box widened by one pixel on the left, the right
// and below.
constexpr int kCaptionLeft = 8;
constexpr int kCaptionMargin = 1;

struct FrameLook {
    QString caption;
    bool enabled = true;
    QColor back;
    QColor fore;
    QColor shadow;
    QColor highlight;
};

// A colour value as drawn: one that cannot be translated is black, as on the platform.
QColor Drawn(Colour colour) {
    const Colour rgb = TranslateColour(colour).value_or(0);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

// Paints every pixel of `rect` in the painter's font.
void DrawFrame(QPainter& painter, const QRect& rect, const FrameLook& look) {
    const QFontMetrics metrics = painter.fontMetrics();
    const int lineHeight = metrics.ascent() + metrics.descent();
    const int left = rect.left();
    const int right = rect.left() + rect.width();
    const int bottom = rect.top() + rect.height();
    const int top = rect.top() + lineHeight / 2 - 1;
    // Half-open spans, as the platform's lines exclude their end point.
    const auto row = [&](int y, int from, int to, const QColor& colour) {
        if (to > from) painter.fillRect(QRect(from, y, to - from, 1), colour);
    };
    const auto column = [&](int x, int from, int to, const QColor& colour) {
        if (to > from) painter.fillRect(QRect(x, from, 1, to - from), colour);
    };

    painter.fillRect(rect, look.back);
    // The etched edge in the platform's order: the outer ring's top and left in shadow, its
    // bottom and right in highlight (which take the far ends of the top and left lines), then
    // the inner ring the other way round (its shadow takes the far ends of its top and left).
    row(top, left, right, look.shadow);
    column(left, top, bottom, look.shadow);
    row(bottom - 1, left, right, look.highlight);
    column(right - 1, top, bottom, look.highlight);
    row(top + 1, left + 1, right - 1, look.highlight);
    column(left + 1, top + 1, bottom - 1, look.highlight);
    row(bottom - 2, left + 1, right - 1, look.shadow);
    column(right - 2, top + 1, bottom - 1, look.shadow);

    if (look.caption.isEmpty()) return;
    const QRect text(left + kCaptionLeft, rect.top(), metrics.horizontalAdvance(look.caption), lineHeight);
    painter.fillRect(text.adjusted(-kCaptionMargin, 0, kCaptionMargin, kCaptionMargin), look.back);
    const QPoint baseline(text.left(), text.top() + metrics.ascent());
    if (look.enabled) {
        painter.setPen(look.fore);
        painter.drawText(baseline, look.caption);
        return;
    }
    // Disabled: embossed, a highlight copy one pixel down and right under a shadow copy.
    painter.setPen(look.highlight);
    painter.drawText(baseline + QPoint(1, 1), look.caption);
    painter.setPen(look.shadow);
    painter.drawText(baseline, look.caption);
}

class FrameAccessible final : public QAccessibleWidget {
public:
    explicit FrameAccessible(Frame* frame) : QAccessibleWidget(frame, QAccessible::Grouping) {}

    // Named by its caption; a frame without one, by the accessible name its window gives it.
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) {
            const QString caption = static_cast<const Frame*>(widget())->caption();
            return caption.isEmpty() ? widget()->accessibleName() : caption;
        }
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* FrameAccessibleFactory(const QString&, QObject* object) {
    if (auto* frame = qobject_cast<Frame*>(object)) return new FrameAccessible(frame);
    return nullptr;
}

} // namespace

Frame::Frame(QWidget* parent) : Frame(QString(), parent) {}

Frame::Frame(const QString& caption, QWidget* parent) : QWidget(parent), caption_(caption) {
    static std::once_flag accessibility;
    std::call_once(accessibility, [] { QAccessible::installFactory(FrameAccessibleFactory); });
    // Every pixel is painted, so nothing behind the frame needs painting first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Frame::setCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
    update();
}

void Frame::setBackColor(Colour colour) {
    if (colour == backColor_) return;
    backColor_ = colour;
    update();
}

void Frame::setForeColor(Colour colour) {
    if (colour == foreColor_) return;
    foreColor_ = colour;
    update();
}

void Frame::paintEvent(QPaintEvent* event) {
    (void)event;
    QPainter painter(this);
    DrawFrame(painter, rect(),
              {caption_, isEnabled(), Drawn(backColor_), Drawn(foreColor_), Drawn(kSystemColourFlag | COLOR_BTNSHADOW),
               Drawn(kSystemColourFlag | COLOR_BTNHIGHLIGHT)});
}

} // namespace host
