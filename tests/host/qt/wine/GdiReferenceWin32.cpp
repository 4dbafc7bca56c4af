// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every case of GdiCases.h with the platform's GDI on 24-bit DIB sections and writes
// the pixels to the file named on the command line. Built with mingw-w64 and run under Wine
// by scripts/host/gdi-wine-test.sh; the comparison test then draws the same cases with our
// drawing context.
//
// File: "GDIR", the case count, then per case its width and height (32-bit little-endian)
// and its pixels row by row from the top, three bytes each: red, green, blue.
#include "GdiCases.h"

#include <cstdint>
#include <cstdio>
#include <vector>
#include <windows.h>

namespace {

using gdicases::Case;
using gdicases::Op;

// A top-down 24-bit DIB section selected into its own memory context.
class Surface {
public:
    Surface(int width, int height) : width_(width), height_(height) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        info.bmiHeader.biCompression = BI_RGB;
        dc_ = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        bits_ = static_cast<std::uint8_t*>(bits);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~Surface() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    bool Valid() const { return bits_ != nullptr; }
    HDC Dc() const { return dc_; }
    std::uint8_t* Pixel(int x, int y) { return bits_ + y * Stride() + x * 3; }
    std::uint32_t At(int x, int y) {
        const std::uint8_t* p = Pixel(x, y);
        return p[2] | (p[1] << 8) | (static_cast<std::uint32_t>(p[0]) << 16);
    }
    void Set(int x, int y, std::uint32_t colour) {
        std::uint8_t* p = Pixel(x, y);
        p[0] = static_cast<std::uint8_t>(colour >> 16);
        p[1] = static_cast<std::uint8_t>(colour >> 8);
        p[2] = static_cast<std::uint8_t>(colour);
    }
    void Paint(bool patterned, std::uint32_t colour) {
        GdiFlush();
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) Set(x, y, patterned ? gdicases::PatternColour(x, y, colour) : colour);
    }
    int Stride() const { return (width_ * 3 + 3) & ~3; }

private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    std::uint8_t* bits_ = nullptr;
};

RECT RectOf(const gdicases::Quad& q) { return RECT{q.a, q.b, q.c, q.d}; }

HRGN RegionOf(const gdicases::Quad& q, bool elliptic) {
    return elliptic ? CreateEllipticRgn(q.a, q.b, q.c, q.d) : CreateRectRgn(q.a, q.b, q.c, q.d);
}

// The platform composes its focus rectangle of four PatBlt PATINVERT strips with a
// checkered monochrome brush: 1 bits take the background colour, 0 bits the text colour.
void PlatformFocusRect(HDC dc, const RECT& r) {
    static const WORD checkered[8] = {0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55};
    HBITMAP pattern = CreateBitmap(8, 8, 1, 1, checkered);
    HBRUSH brush = CreatePatternBrush(pattern);
    HGDIOBJ old = SelectObject(dc, brush);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    PatBlt(dc, r.left, r.top, w, 1, PATINVERT);
    PatBlt(dc, r.left, r.bottom - 1, w, 1, PATINVERT);
    PatBlt(dc, r.left, r.top + 1, 1, h - 2, PATINVERT);
    PatBlt(dc, r.right - 1, r.top + 1, 1, h - 2, PATINVERT);
    SelectObject(dc, old);
    DeleteObject(brush);
    DeleteObject(pattern);
}

void Draw(Surface& surface, const Case& c) {
    HDC dc = surface.Dc();
    const RECT rect = RectOf(c.first);
    switch (c.op) {
    case Op::Line: {
        HPEN pen = CreatePen(PS_SOLID, 1, c.colour);
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, c.first.a, c.first.b, nullptr);
        LineTo(dc, c.first.c, c.first.d);
        SelectObject(dc, old);
        DeleteObject(pen);
        break;
    }
    case Op::FillRect:
    case Op::FrameRect: {
        HBRUSH brush = CreateSolidBrush(c.colour);
        if (c.op == Op::FillRect)
            FillRect(dc, &rect, brush);
        else
            FrameRect(dc, &rect, brush);
        DeleteObject(brush);
        break;
    }
    case Op::Ellipse: {
        HPEN pen = CreatePen(PS_SOLID, c.penWidth, c.colour);
        HBRUSH brush = CreateSolidBrush(c.colour2);
        HGDIOBJ oldPen = SelectObject(dc, pen);
        HGDIOBJ oldBrush = SelectObject(dc, brush);
        Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
        SelectObject(dc, oldBrush);
        SelectObject(dc, oldPen);
        DeleteObject(brush);
        DeleteObject(pen);
        break;
    }
    case Op::FocusRect:
        SetTextColor(dc, c.colour);
        SetBkColor(dc, c.colour2);
        PlatformFocusRect(dc, rect);
        break;
    case Op::WineFocusRect: DrawFocusRect(dc, &rect); break;
    case Op::RectRegion:
    case Op::EllipticRegion:
    case Op::RegionDifference: {
        HRGN region = RegionOf(c.first, c.op == Op::EllipticRegion || (c.op == Op::RegionDifference && (c.shapes & 1)));
        if (c.op == Op::RegionDifference) {
            HRGN cut = RegionOf(c.second, (c.shapes & 2) != 0);
            CombineRgn(region, region, cut, RGN_DIFF);
            DeleteObject(cut);
        }
        GdiFlush();
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                surface.Set(x, y, PtInRegion(region, x, y) ? gdicases::kInside : gdicases::kOutside);
        DeleteObject(region);
        break;
    }
    case Op::BitBlt:
        if (c.second.c > 0) {
            Surface source(c.second.c, c.second.d);
            source.Paint(true, c.colour);
            BitBlt(dc, c.first.a, c.first.b, c.first.c, c.first.d, source.Dc(), c.second.a, c.second.b, SRCCOPY);
            GdiFlush();
        } else {
            BitBlt(dc, c.first.a, c.first.b, c.first.c, c.first.d, dc, c.second.a, c.second.b, SRCCOPY);
        }
        break;
    }
}

void Write32(std::FILE* file, std::uint32_t v) {
    const unsigned char bytes[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                    static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
    std::fwrite(bytes, 1, 4, file);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output file>\n", argv[0]);
        return 2;
    }
    std::FILE* file = std::fopen(argv[1], "wb");
    if (!file) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    const std::vector<Case> cases = gdicases::AllCases();
    std::fwrite("GDIR", 1, 4, file);
    Write32(file, static_cast<std::uint32_t>(cases.size()));
    std::vector<unsigned char> row;
    for (const Case& c : cases) {
        Surface surface(c.width, c.height);
        if (!surface.Valid()) {
            std::fprintf(stderr, "no %d x %d DIB section\n", c.width, c.height);
            return 1;
        }
        surface.Paint(c.patterned, c.background);
        Draw(surface, c);
        GdiFlush();
        Write32(file, static_cast<std::uint32_t>(c.width));
        Write32(file, static_cast<std::uint32_t>(c.height));
        for (int y = 0; y < c.height; ++y) {
            row.clear();
            for (int x = 0; x < c.width; ++x) {
                const std::uint32_t p = surface.At(x, y);
                row.push_back(static_cast<unsigned char>(p));
                row.push_back(static_cast<unsigned char>(p >> 8));
                row.push_back(static_cast<unsigned char>(p >> 16));
            }
            std::fwrite(row.data(), 1, row.size(), file);
        }
    }
    const bool ok = std::fclose(file) == 0;
    std::printf("%zu cases drawn with GDI\n", cases.size());
    return ok ? 0 : 1;
}
