// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet/LaidOutText_p.h"

#include <QPainter>
#include <QRect>
#include <QRectF>
#include <QTextLine>
#include <QTextOption>

namespace sheet {
namespace {

// The width Qt gives a line that is not wrapped.
constexpr double kUnwrappedWidth = 0x01000000;

} // namespace

// Qt's drawText(rect, flags, text) lays the text out on every call, and that is most of
// the time a sheet's paint takes. The layout here is the one it makes (left-aligned in the
// painter's direction, unwrapped, its one line at the top), made once; drawCentred() then
// places and cuts it as drawText does for Qt::AlignCenter.
LaidOutText::LaidOutText(const QString& text, const QFont& font, Qt::LayoutDirection direction)
    : layout_(std::make_unique<QTextLayout>(text, font)) {
    QTextOption option;
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignLeft);
    layout_->setTextOption(option);
    layout_->setCacheEnabled(true);
    layout_->beginLayout();
    QTextLine line = layout_->createLine();
    line.setLineWidth(kUnwrappedWidth);
    line.setPosition(QPointF(0, 0));
    layout_->endLayout();
    width_ = line.naturalTextWidth();
    advance_ = line.horizontalAdvance();
    height_ = line.ascent() + line.descent();
}

void LaidOutText::drawCentred(QPainter* painter, const QRect& rect) const {
    const QRectF area(rect);
    const double top = (area.height() - height_) / 2;
    const QRectF box(area.x() + (area.width() - width_) / 2, area.y() + top, width_, height_);
    const bool cut = !area.contains(box);
    if (cut) {
        painter->save();
        painter->setClipRect(area, Qt::IntersectClip);
    }
    layout_->lineAt(0).draw(painter, QPointF(area.x() + (area.width() - advance_) / 2, area.y() + top));
    if (cut) painter->restore();
}

void SheetDigitTexts::prepare(const QPainter& painter) {
    if (texts_[0] && painter.font() == font_ && painter.layoutDirection() == direction_) return;
    font_ = painter.font();
    direction_ = painter.layoutDirection();
    for (std::size_t digit = 0; digit < kDash; ++digit) {
        texts_[digit] =
            std::make_unique<LaidOutText>(QString(QChar(static_cast<char16_t>(u'0' + digit))), font_, direction_);
    }
    texts_[kDash] = std::make_unique<LaidOutText>(QStringLiteral("\u2013"), font_, direction_);
    ++layouts_;
}

} // namespace sheet
