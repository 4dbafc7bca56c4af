// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>
#include <QTextLayout>
#include <array>
#include <cstdint>
#include <memory>

class QPainter;
class QRect;

namespace sheet {

// A short text on one line, shaped once and then drawn centred in any rectangle exactly as
// QPainter::drawText(rect, Qt::AlignCenter, text) draws it, pixel for pixel, without
// laying it out again each time.
class LaidOutText {
public:
    // `font` as the painter holds it (QPainter::font() after setFont), and the painter's
    // layout direction.
    LaidOutText(const QString& text, const QFont& font, Qt::LayoutDirection direction);

    // Draws with the painter's pen; cut at the rectangle where the text is larger than it.
    // The painter holds the font and the direction the text was laid out for.
    void drawCentred(QPainter* painter, const QRect& rect) const;

private:
    std::unique_ptr<QTextLayout> layout_;
    // The text's width, the line's advance and its height.
    double width_ = 0;
    double advance_ = 0;
    double height_ = 0;
};

// The texts a sheet writes again and again: its digits 0 to 9 and the dash of a passed
// pair, laid out for the font and the direction of the paint that asks for them, and laid
// out again when either has changed (a zoom, another font).
class SheetDigitTexts {
public:
    static constexpr std::size_t kDash = 10;

    // Makes the texts ready for `painter`'s current font and direction.
    void prepare(const QPainter& painter);
    // Digit 0 to 9, or kDash; only after prepare().
    const LaidOutText& text(std::size_t index) const { return *texts_[index]; }
    // How often the texts were laid out; a test sees from it that a change was noticed.
    std::uint64_t layouts() const { return layouts_; }

private:
    std::array<std::unique_ptr<LaidOutText>, kDash + 1> texts_;
    QFont font_;
    Qt::LayoutDirection direction_ = Qt::LeftToRight;
    std::uint64_t layouts_ = 0;
};

} // namespace sheet
