// SPDX-License-Identifier: GPL-3.0-or-later
#include "host/qt/DrawingContext.h"

#include "host/qt/Fonts.h"
#include "host/qt/Picture.h"
#include "host/qt/Region.h"
#include "host/qt/Shapes_p.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace host {

namespace {

constexpr std::uint32_t kBlack = 0xFF000000u;

bool IsDirectFormat(QImage::Format f) {
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

// Floor of a / b for b > 0.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    if ((a % b != 0) && (a < 0)) --q;
    return q;
}

// num / den (den > 0) rounded to the nearest integer, a tie going down: ceil(num/den - 1/2).
std::int64_t RoundTieDown(std::int64_t num, std::int64_t den) { return -FloorDiv(-(2 * num - den), 2 * den); }

// A view of the image's pixels for reading; converts a copy only for unusual formats.
class PixelReader {
public:
    explicit PixelReader(const QImage& image) : image_(image) {
        if (!image_.isNull() && !IsDirectFormat(image_.format())) {
            copy_ = image_.convertToFormat(QImage::Format_RGB32);
            src_ = &copy_;
        }
    }
    int width() const { return src_->width(); }
    int height() const { return src_->height(); }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width() && y < height(); }
    const std::uint32_t* row(int y) const { return reinterpret_cast<const std::uint32_t*>(src_->constScanLine(y)); }
    std::uint32_t at(int x, int y) const { return contains(x, y) ? row(y)[x] : kBlack; }

private:
    const QImage& image_;
    QImage copy_;
    const QImage* src_ = &image_;
};

struct TextLine {
    int start = 0; // in the display text
    int length = 0;
    int width = 0;
};

// The text as shown: prefix characters removed; underlined marks the characters that
// follow a single "&".
void StripPrefixes(const QString& text, bool prefixes, QString& shown, std::vector<bool>& underlined) {
    shown.clear();
    underlined.clear();
    shown.reserve(text.size());
    underlined.reserve(static_cast<std::size_t>(text.size()));
    bool underlineNext = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (prefixes && c == u'&') {
            if (i + 1 < text.size() && text.at(i + 1) == u'&') {
                shown.append(u'&');
                underlined.push_back(underlineNext);
                underlineNext = false;
                ++i;
            } else {
                underlineNext = true;
            }
            continue;
        }
        shown.append(c);
        underlined.push_back(underlineNext && c != u'\n' && c != u'\r');
        underlineNext = false;
    }
}

// Breaks the shown text into lines: at line feeds always, at blanks when a word would
// pass the right edge (a blank run at a break is dropped; a word wider than the limit
// stays whole).
std::vector<TextLine> BreakLines(const QString& shown, const QFontMetrics& fm, int limit, bool wordBreak,
                                 bool singleLine) {
    std::vector<TextLine> lines;
    if (shown.isEmpty()) return lines;
    auto width = [&](int start, int length) { return fm.horizontalAdvance(shown.mid(start, length)); };
    const int n = static_cast<int>(shown.size());
    int paraStart = 0;
    while (paraStart <= n) {
        int paraEnd = paraStart;
        if (singleLine) {
            paraEnd = n;
        } else {
            while (paraEnd < n && shown.at(paraEnd) != u'\n' && shown.at(paraEnd) != u'\r') ++paraEnd;
        }
        if (!wordBreak || singleLine) {
            lines.push_back({paraStart, paraEnd - paraStart, width(paraStart, paraEnd - paraStart)});
        } else {
            int lineStart = paraStart;
            bool emitted = false;
            while (lineStart < paraEnd || !emitted) {
                // Extend word by word while the line (without trailing blanks) fits.
                int lineEnd = lineStart; // end of the last word that fits
                int pos = lineStart;
                while (pos < paraEnd && shown.at(pos) == u' ') ++pos; // leading blanks stay
                bool first = true;
                while (pos < paraEnd) {
                    int wordEnd = pos;
                    while (wordEnd < paraEnd && shown.at(wordEnd) != u' ') ++wordEnd;
                    if (!first && width(lineStart, wordEnd - lineStart) > limit) break;
                    lineEnd = wordEnd;
                    first = false;
                    pos = wordEnd;
                    while (pos < paraEnd && shown.at(pos) == u' ') ++pos;
                }
                if (first) lineEnd = pos; // blanks only
                lines.push_back({lineStart, lineEnd - lineStart, width(lineStart, lineEnd - lineStart)});
                emitted = true;
                lineStart = lineEnd;
                while (lineStart < paraEnd && shown.at(lineStart) == u' ') ++lineStart;
            }
        }
        if (paraEnd >= n) break;
        // "\r\n" is one break.
        paraStart = paraEnd + 1;
        if (shown.at(paraEnd) == u'\r' && paraStart < n && shown.at(paraStart) == u'\n') ++paraStart;
        if (paraStart == n) {
            lines.push_back({n, 0, 0});
            break;
        }
    }
    return lines;
}

// Text as DrawText lays it out in a rectangle: the font it is drawn in (picture-font text
// in the symbol font), the characters shown, the lines and where each stands, all measured
// at one device pixel to a pixel.
class TextLayout {
public:
    TextLayout(const QFont& font, const QString& text, const Rect& rect, unsigned flags)
        : font_(font), metrics_(font), rect_(rect), flags_(flags) {
        QString source = text;
        if (IsSymbolFamily(font_.family())) {
            source = SymbolText(text);
            font_.setFamily(SymbolFamily());
            metrics_ = QFontMetrics(font_);
        }
        lineHeight_ = metrics_.ascent() + metrics_.descent();
        StripPrefixes(source, (flags & kTextNoPrefix) == 0, shown_, underlined_);
        const bool singleLine = (flags & kTextSingleLine) != 0;
        lines_ = BreakLines(shown_, metrics_, rect.width(), (flags & kTextWordBreak) != 0, singleLine);
        top_ = (singleLine && (flags & kTextVCenter)) ? rect.top + (rect.height() - lineHeight_) / 2 : rect.top;
    }

    bool Empty() const { return lines_.empty(); }

    // The rectangle the text takes: left and top kept, right and bottom the text's edges.
    Rect Measured() const {
        int widest = 0;
        for (const TextLine& line : lines_) widest = std::max(widest, line.width);
        Rect out = rect_;
        out.right = rect_.left + widest;
        out.bottom = rect_.top + static_cast<int>(lines_.size()) * lineHeight_;
        if (lines_.empty() && (flags_ & kTextSingleLine)) out.bottom = rect_.top + lineHeight_;
        return out;
    }

    // The glyphs, through a painter whose device may have any pixel ratio.
    void DrawGlyphs(QPainter& painter, const QColor& colour) const {
        painter.setFont(font_);
        painter.setPen(colour);
        int y = top_;
        for (const TextLine& line : lines_) {
            painter.drawText(QPoint(Left(line), y + metrics_.ascent()), shown_.mid(line.start, line.length));
            y += lineHeight_;
        }
    }

    // Calls fill(rect) for the underline under each access-key character.
    template <typename Fill> void ForEachUnderline(Fill fill) const {
        const int offset = metrics_.underlinePos();
        const int thickness = std::max(metrics_.lineWidth(), 1);
        int y = top_;
        for (const TextLine& line : lines_) {
            const int x = Left(line);
            for (int i = 0; i < line.length; ++i) {
                if (!underlined_[static_cast<std::size_t>(line.start + i)]) continue;
                const int from = x + metrics_.horizontalAdvance(shown_.mid(line.start, i));
                const int to = from + metrics_.horizontalAdvance(shown_.at(line.start + i));
                const int uy = y + metrics_.ascent() + offset;
                fill(Rect{from, uy, to, uy + thickness});
            }
            y += lineHeight_;
        }
    }

private:
    int Left(const TextLine& line) const {
        if (flags_ & kTextCenter) return rect_.left + (rect_.width() - line.width) / 2;
        if (flags_ & kTextRight) return rect_.right - line.width;
        return rect_.left;
    }

    QFont font_;
    QFontMetrics metrics_;
    Rect rect_;
    unsigned flags_;
    QString shown_;
    std::vector<bool> underlined_;
    std::vector<TextLine> lines_;
    int lineHeight_ = 0;
    int top_ = 0;
};

QColor QtColour(Colour colour) { return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

} // namespace

void PaintText(QPainter& painter, const QFont& font, Colour colour, const QString& text, const Rect& rect,
               unsigned flags) {
    const TextLayout layout(font, text, rect, flags);
    if (layout.Empty()) return;
    const QColor qtColour = QtColour(colour);
    layout.DrawGlyphs(painter, qtColour);
    layout.ForEachUnderline(
        [&](const Rect& r) { painter.fillRect(QRect(r.left, r.top, r.width(), r.height()), qtColour); });
}

DrawingContext::DrawingContext(QImage& image) : image_(&image) {}

DrawingContext::~DrawingContext() = default;

Colour DrawingContext::SetTextColor(Colour colour) {
    const Colour previous = textColour_;
    textColour_ = colour & 0xFFFFFFu;
    return previous;
}

Colour DrawingContext::SetBkColor(Colour colour) {
    const Colour previous = bkColour_;
    bkColour_ = colour & 0xFFFFFFu;
    return previous;
}

void DrawingContext::SetFont(const QFont& font) { font_ = font; }

bool DrawingContext::Writable() {
    if (image_->isNull()) return false;
    if (!IsDirectFormat(image_->format())) *image_ = image_->convertToFormat(QImage::Format_RGB32);
    return true;
}

void DrawingContext::Plot(int x, int y, std::uint32_t argb) {
    if (x < 0 || y < 0 || x >= image_->width() || y >= image_->height()) return;
    reinterpret_cast<std::uint32_t*>(image_->scanLine(y))[x] = argb;
}

void DrawingContext::SetPixel(int x, int y, Colour colour) {
    if (!Writable()) return;
    Plot(x, y, ToArgb(colour));
}

Colour DrawingContext::Pixel(int x, int y) const {
    if (image_->isNull()) return 0;
    const PixelReader reader(*image_);
    return FromArgb(reader.at(x, y));
}

void DrawingContext::Paint(const Rect& rect, std::uint32_t argb) {
    const int left = std::max(rect.left, 0);
    const int top = std::max(rect.top, 0);
    const int right = std::min(rect.right, image_->width());
    const int bottom = std::min(rect.bottom, image_->height());
    if (left >= right || top >= bottom) return;
    for (int y = top; y < bottom; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(image_->scanLine(y));
        std::fill(row + left, row + right, argb);
    }
}

void DrawingContext::FillRect(const Rect& rect, Colour colour) {
    if (!Writable()) return;
    // GDI fills through a pattern block transfer, which turns a negative width or height
    // round so that the block still starts next to its left (or top) coordinate.
    Rect r = rect;
    if (r.left > r.right) r = {r.right + 1, r.top, r.left + 1, r.bottom};
    if (r.top > r.bottom) r = {r.left, r.bottom + 1, r.right, r.top + 1};
    Paint(r, ToArgb(colour));
}

void DrawingContext::FrameRect(const Rect& rect, Colour colour) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    FillRect({rect.left, rect.top, rect.right, rect.top + 1}, colour);
    FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
    FillRect({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
    FillRect({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void DrawingContext::MoveTo(int x, int y) {
    curX_ = x;
    curY_ = y;
}

void DrawingContext::LineTo(int x, int y, Colour colour) {
    const int x1 = curX_, y1 = curY_;
    curX_ = x;
    curY_ = y;
    if (!Writable()) return;
    PlotLine(x1, y1, x, y, ToArgb(colour));
}

void DrawingContext::PlotLine(int x1, int y1, int x2, int y2, std::uint32_t argb) {
    const std::int64_t dx = static_cast<std::int64_t>(x2) - x1;
    const std::int64_t dy = static_cast<std::int64_t>(y2) - y1;
    // Steps along the major axis are limited to the image, so far-away end points cost
    // nothing; the minor coordinate is still computed from the whole line.
    auto steps = [](std::int64_t start, int step, std::int64_t n, std::int64_t size, std::int64_t& from,
                    std::int64_t& to) {
        if (step > 0) {
            from = std::max<std::int64_t>(0, -start);
            to = std::min<std::int64_t>(n, size - start);
        } else {
            from = std::max<std::int64_t>(0, start - size + 1);
            to = std::min<std::int64_t>(n, start + 1);
        }
    };
    std::int64_t from = 0, to = 0;
    if (std::llabs(dx) >= std::llabs(dy)) {
        const std::int64_t n = std::llabs(dx);
        const int step = dx > 0 ? 1 : -1;
        steps(x1, step, n, image_->width(), from, to);
        for (std::int64_t i = from; i < to; ++i)
            Plot(static_cast<int>(x1 + i * step), static_cast<int>(y1 + RoundTieDown(i * dy, n)), argb);
    } else {
        const std::int64_t n = std::llabs(dy);
        const int step = dy > 0 ? 1 : -1;
        steps(y1, step, n, image_->height(), from, to);
        for (std::int64_t i = from; i < to; ++i)
            Plot(static_cast<int>(x1 + RoundTieDown(i * dx, n)), static_cast<int>(y1 + i * step), argb);
    }
}

void DrawingContext::Ellipse(const Rect& box, Colour penColour, int penWidth, Colour fillColour) {
    if (!Writable() || !shapes::WithinReach(box)) return;
    const Rect b{std::min(box.left, box.right), std::min(box.top, box.bottom), std::max(box.left, box.right),
                 std::max(box.top, box.bottom)};
    if (b.width() == 0 || b.height() == 0) return;
    const int pen = std::max(penWidth, 1);
    const std::uint32_t fill = ToArgb(fillColour);

    // The inside first, then the outline over it.
    std::vector<shapes::Point> path;
    if (b.width() <= 2 || b.height() <= 2) {
        // GDI draws so thin an ellipse as a rectangle: the path runs round its edge pixels
        // and the inside is what the pen leaves.
        path = {{b.right - 1, b.top}, {b.left, b.top}, {b.left, b.bottom - 1}, {b.right - 1, b.bottom - 1}};
        Paint(pen == 1 ? Rect{b.left + 1, b.top + 1, b.right - 1, b.bottom - 1}
                       : Rect{b.left, b.top, b.right - 1, b.bottom - 1},
              fill);
    } else {
        const std::vector<int> insets = shapes::EllipseInsets(b.width(), b.height());
        for (int i = 0; i < b.height(); ++i) {
            const int inset = insets[static_cast<std::size_t>(i)];
            Paint({b.left + inset, b.top + i, b.right - inset, b.top + i + 1}, fill);
        }
        path = shapes::EllipseOutline(b);
    }

    const std::uint32_t argb = ToArgb(penColour);
    if (pen == 1) {
        for (std::size_t i = 0; i < path.size(); ++i) {
            const shapes::Point& from = path[i];
            const shapes::Point& to = path[(i + 1) % path.size()];
            PlotLine(from.x, from.y, to.x, to.y, argb);
        }
        return;
    }
    shapes::WidePenPath(path, pen, [&](int y, int left, int right) { Paint({left, y, right, y + 1}, argb); });
}

void DrawingContext::DrawFocusRect(const Rect& rect) {
    if (rect.width() <= 0 || rect.height() <= 0 || !Writable()) return;
    const std::uint32_t even = ToArgb(bkColour_) & 0x00FFFFFFu;
    const std::uint32_t odd = ToArgb(textColour_) & 0x00FFFFFFu;
    auto combine = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= image_->width() || y >= image_->height()) return;
        auto& p = reinterpret_cast<std::uint32_t*>(image_->scanLine(y))[x];
        p ^= ((x + y) & 1) == 0 ? even : odd;
    };
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    for (int x = rect.left; x <= right; ++x) {
        combine(x, rect.top);
        if (bottom != rect.top) combine(x, bottom);
    }
    for (int y = rect.top + 1; y < bottom; ++y) {
        combine(rect.left, y);
        if (right != rect.left) combine(right, y);
    }
}

int DrawingContext::LineHeight() const {
    QFont font = font_;
    if (IsSymbolFamily(font.family())) font.setFamily(SymbolFamily());
    const QFontMetrics fm(font);
    return fm.ascent() + fm.descent();
}

Rect DrawingContext::DrawText(const QString& text, const Rect& rect, unsigned flags) {
    const TextLayout layout(font_, text, rect, flags);
    if (flags & kTextCalcRect) return layout.Measured();
    if (layout.Empty() || !Writable()) return rect;
    {
        QPainter painter(image_);
        layout.DrawGlyphs(painter, QtColour(textColour_));
    }
    // The access-key underline is ours, so its pixels are exact and in the text colour.
    layout.ForEachUnderline([&](const Rect& r) { FillRect(r, textColour_); });
    return rect;
}

void DrawingContext::BitBlt(int x, int y, int width, int height, const DrawingContext& source, int sx, int sy) {
    if (width <= 0 || height <= 0 || !Writable()) return;
    // A copy within one image must read the pixels as they were before the copy.
    QImage snapshot;
    const QImage* from = source.image_;
    if (from == image_) {
        snapshot = image_->copy();
        from = &snapshot;
    }
    const PixelReader reader(*from);
    // The block is clipped to both images: what falls outside either is not copied.
    const std::int64_t dxToSource = static_cast<std::int64_t>(sx) - x;
    const std::int64_t dyToSource = static_cast<std::int64_t>(sy) - y;
    const std::int64_t x0 = std::max<std::int64_t>({x, 0, -dxToSource});
    const std::int64_t x1 =
        std::min<std::int64_t>({static_cast<std::int64_t>(x) + width, image_->width(), reader.width() - dxToSource});
    const std::int64_t y0 = std::max<std::int64_t>({y, 0, -dyToSource});
    const std::int64_t y1 =
        std::min<std::int64_t>({static_cast<std::int64_t>(y) + height, image_->height(), reader.height() - dyToSource});
    for (std::int64_t ty = y0; ty < y1; ++ty) {
        auto* dest = reinterpret_cast<std::uint32_t*>(image_->scanLine(static_cast<int>(ty)));
        const std::uint32_t* src = reader.row(static_cast<int>(ty + dyToSource));
        for (std::int64_t tx = x0; tx < x1; ++tx) dest[tx] = src[tx + dxToSource] | kBlack;
    }
}

void DrawingContext::ReadDib24(int x, int y, int width, int height, std::uint8_t* bits) const {
    if (width <= 0 || height <= 0) return;
    const std::size_t stride = DibStride(width);
    std::memset(bits, 0, DibSize(width, height));
    if (image_->isNull()) return;
    const PixelReader reader(*image_);
    for (int r = 0; r < height; ++r) {
        const int iy = y + height - 1 - r; // rows are stored bottom-up
        if (iy < 0 || iy >= reader.height()) continue;
        const std::uint32_t* src = reader.row(iy);
        std::uint8_t* out = bits + static_cast<std::size_t>(r) * stride;
        for (int i = 0; i < width; ++i) {
            const int ix = x + i;
            if (ix < 0 || ix >= reader.width()) continue;
            const std::uint32_t p = src[ix];
            out[3 * i + 0] = static_cast<std::uint8_t>(p & 0xFF);
            out[3 * i + 1] = static_cast<std::uint8_t>((p >> 8) & 0xFF);
            out[3 * i + 2] = static_cast<std::uint8_t>((p >> 16) & 0xFF);
        }
    }
}

void DrawingContext::WriteDib24(int x, int y, int width, int height, const std::uint8_t* bits) {
    if (width <= 0 || height <= 0 || !Writable()) return;
    const std::size_t stride = DibStride(width);
    const int i0 = std::max(0, -x);
    const int i1 = std::min(width, image_->width() - x);
    for (int r = 0; r < height; ++r) {
        const int iy = y + height - 1 - r;
        if (iy < 0 || iy >= image_->height()) continue;
        auto* dest = reinterpret_cast<std::uint32_t*>(image_->scanLine(iy));
        const std::uint8_t* in = bits + static_cast<std::size_t>(r) * stride;
        for (int i = i0; i < i1; ++i)
            dest[x + i] = kBlack | (static_cast<std::uint32_t>(in[3 * i + 2]) << 16) |
                          (static_cast<std::uint32_t>(in[3 * i + 1]) << 8) | in[3 * i + 0];
    }
}

void DrawingContext::DrawIcon(int x, int y, const Picture& picture) {
    if (!Writable()) return;
    const QImage& icon = picture.Image();
    if (icon.isNull()) return;
    const PixelReader reader(icon);
    const bool opaque = !picture.IsIcon() || !icon.hasAlphaChannel();
    const bool premultiplied = icon.format() == QImage::Format_ARGB32_Premultiplied;
    for (int j = 0; j < reader.height(); ++j) {
        const int ty = y + j;
        if (ty < 0 || ty >= image_->height()) continue;
        auto* dest = reinterpret_cast<std::uint32_t*>(image_->scanLine(ty));
        const std::uint32_t* src = reader.row(j);
        for (int i = 0; i < reader.width(); ++i) {
            const int tx = x + i;
            if (tx < 0 || tx >= image_->width()) continue;
            const std::uint32_t s = src[i];
            const std::uint32_t a = opaque ? 255u : (s >> 24);
            if (a == 255) {
                dest[tx] = s | kBlack;
                continue;
            }
            if (a == 0) continue;
            const std::uint32_t d = dest[tx];
            std::uint32_t out = kBlack;
            for (int shift = 0; shift <= 16; shift += 8) {
                std::uint32_t sc = (s >> shift) & 0xFF;
                if (!premultiplied) sc = (sc * a + 127) / 255;
                const std::uint32_t dc = (d >> shift) & 0xFF;
                const std::uint32_t c = std::min<std::uint32_t>(255, sc + (dc * (255 - a) + 127) / 255);
                out |= c << shift;
            }
            dest[tx] = out;
        }
    }
}

MemoryContext::MemoryContext(int width, int height) : DrawingContext(own_) {
    own_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
    own_.fill(kBlack);
}

MemoryContext::MemoryContext(const QImage& image) : DrawingContext(own_) {
    own_ = image.convertToFormat(QImage::Format_RGB32);
}

} // namespace host
