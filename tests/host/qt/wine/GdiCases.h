// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The drawing cases that the platform's GDI (a mingw-w64 program run under Wine) and our
// drawing context both draw, pixel for pixel. Plain C++ with no platform header, so that
// g++ and x86_64-w64-mingw32-g++ build the same table: fixed boundary cases first, then
// random ones from a fixed seed.

#include <cstdint>
#include <vector>

namespace gdicases {

enum class Op : int {
    Line,             // MoveToEx and LineTo with a solid one-pixel pen
    FillRect,         // FillRect with a solid brush
    FrameRect,        // FrameRect with a solid brush
    Ellipse,          // Ellipse with a solid pen of penWidth and a solid brush
    FocusRect,        // the platform's focus rectangle: PatBlt PATINVERT with the checkered brush
    WineFocusRect,    // Wine's own DrawFocusRect, a dotted XOR pen (shown for information)
    RectRegion,       // CreateRectRgn, drawn as its membership (PtInRegion)
    EllipticRegion,   // CreateEllipticRgn, likewise
    RegionDifference, // CombineRgn RGN_DIFF of two of them, likewise
    BitBlt,           // BitBlt SRCCOPY from a patterned memory context or within the surface
};

inline const char* OpName(Op op) {
    switch (op) {
    case Op::Line: return "LineTo";
    case Op::FillRect: return "FillRect";
    case Op::FrameRect: return "FrameRect";
    case Op::Ellipse: return "Ellipse";
    case Op::FocusRect: return "DrawFocusRect";
    case Op::WineFocusRect: return "Wine's DrawFocusRect";
    case Op::RectRegion: return "CreateRectRgn";
    case Op::EllipticRegion: return "CreateEllipticRgn";
    case Op::RegionDifference: return "CombineRgn";
    case Op::BitBlt: return "BitBlt";
    }
    return "?";
}

// Colours are 0x00BBGGRR, red in the low byte, as the platform's.
constexpr std::uint32_t kInside = 0xFFFFFF; // a pixel inside a region
constexpr std::uint32_t kOutside = 0x000000;

struct Quad {
    int a = 0, b = 0, c = 0, d = 0;
};

struct Case {
    Op op = Op::Line;
    int width = 0; // the surface
    int height = 0;
    // The surface before drawing: one colour, or a different colour per pixel from the seed.
    bool patterned = false;
    std::uint32_t background = 0;
    // Line: x1, y1, x2, y2. Rectangles, boxes and region A: left, top, right, bottom.
    // BitBlt: destination x, y, width, height.
    Quad first;
    // Region B: left, top, right, bottom. BitBlt: source x, y, and the source's own width
    // and height (0 when the copy stays within the surface).
    Quad second;
    int penWidth = 1;
    std::uint32_t colour = 0;  // pen, brush, focus text colour
    std::uint32_t colour2 = 0; // ellipse brush, focus background colour
    int shapes = 0;            // CombineRgn: bit 0 A is elliptic, bit 1 B is elliptic
};

// The pixel (x, y) of a patterned surface or BitBlt source.
inline std::uint32_t PatternColour(int x, int y, std::uint32_t seed) {
    std::uint32_t h =
        seed ^ (static_cast<std::uint32_t>(x) * 0x9E3779B1u) ^ (static_cast<std::uint32_t>(y) * 0x85EBCA77u);
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h & 0xFFFFFFu;
}

// splitmix64: the same numbers from every compiler.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // lo .. hi, both included.
    int Between(int lo, int hi) { return lo + static_cast<int>(Next() % static_cast<std::uint64_t>(hi - lo + 1)); }
    std::uint32_t Colour() { return static_cast<std::uint32_t>(Next()) & 0xFFFFFFu; }

private:
    std::uint64_t state_;
};

namespace detail {

inline Case Make(Op op, int w, int h, Quad first) {
    Case c;
    c.op = op;
    c.width = w;
    c.height = h;
    c.first = first;
    return c;
}

inline void AddLines(std::vector<Case>& out, Random& random) {
    const int w = 24, h = 20, cx = 12, cy = 10;
    auto line = [&](int x1, int y1, int x2, int y2) {
        Case c = Make(Op::Line, w, h, {x1, y1, x2, y2});
        c.background = 0xFFFFFF;
        c.colour = 0x0000FF;
        out.push_back(c);
    };
    // Every octant, both directions, with exact ties (the minor step lands on a half).
    const int steps[][2] = {{7, 3}, {3, 7}, {5, 5}, {6, 0}, {0, 6}, {4, 2}, {2, 4}, {6, 2}, {2, 6}, {8, 1}, {1, 8}};
    for (const auto& s : steps)
        for (int sx : {1, -1})
            for (int sy : {1, -1}) line(cx, cy, cx + sx * s[0], cy + sy * s[1]);
    line(1, 2, 2, 0); // the top-left corner of the rounded style
    line(cx, cy, cx, cy);
    // Crossing the edges, and end points far outside.
    line(-5, 3, 30, 12);
    line(25, -4, -3, 22);
    line(3, -9, 9, 40);
    line(-1000, -300, 2000, 700);
    line(-70000, 10, 70000, 11);
    for (int i = 0; i < 160; ++i)
        line(random.Between(-6, w + 6), random.Between(-6, h + 6), random.Between(-6, w + 6),
             random.Between(-6, h + 6));
}

inline void AddRectangles(std::vector<Case>& out, Random& random, Op op) {
    const int w = 20, h = 14;
    auto rect = [&](Quad r) {
        Case c = Make(op, w, h, r);
        c.background = random.Colour();
        c.colour = random.Colour();
        out.push_back(c);
    };
    // Empty, inverted, one pixel, one row, one column, whole, beyond every edge.
    const Quad fixed[] = {{5, 5, 5, 9},   {5, 5, 9, 5},     {9, 3, 5, 8},   {3, 9, 8, 5}, {9, 9, 5, 5},
                          {4, 4, 5, 5},   {2, 6, 12, 7},    {6, 2, 7, 12},  {0, 0, w, h}, {-3, -3, w + 3, h + 3},
                          {-5, 2, 3, 30}, {15, -2, 40, 20}, {12, 8, 11, 7}, {10, 3, 9, 9}};
    for (const Quad& r : fixed) rect(r);
    for (int i = 0; i < 50; ++i)
        rect({random.Between(-4, w + 4), random.Between(-4, h + 4), random.Between(-4, w + 4),
              random.Between(-4, h + 4)});
}

inline void AddEllipses(std::vector<Case>& out, Random& random) {
    auto ellipse = [&](int w, int h, Quad box, int pen) {
        Case c = Make(Op::Ellipse, w, h, box);
        c.penWidth = pen;
        c.background = 0xFFFFFF;
        c.colour = random.Colour();
        c.colour2 = random.Colour();
        out.push_back(c);
    };
    for (int pen : {1, 2, 3}) {
        // The oval button at its usual size, and a square one.
        ellipse(93, 29, {2, 2, 91, 27}, pen);
        ellipse(12, 12, {1, 1, 11, 11}, pen);
        ellipse(13, 9, {1, 1, 12, 8}, pen);
        ellipse(24, 20, {0, 0, 24, 20}, pen);
        ellipse(12, 8, {0, 0, 12, 8}, pen);
        // Small boxes (three pixels or fewer across: drawn as a rectangle), zero and inverted.
        const Quad small[] = {{4, 4, 5, 5},  {4, 4, 6, 6},  {4, 4, 7, 7}, {4, 4, 8, 8}, {2, 3, 14, 5},  {3, 2, 5, 14},
                              {2, 3, 14, 6}, {3, 2, 6, 14}, {4, 4, 4, 9}, {4, 4, 9, 4}, {12, 10, 3, 2}, {3, 10, 12, 2}};
        for (const Quad& box : small) ellipse(16, 16, box, pen);
        // Odd and even sizes, and boxes cut by the surface's edges.
        for (int size = 4; size <= 13; ++size) ellipse(16, 16, {1, 2, 1 + size, 2 + size + size % 3}, pen);
        ellipse(20, 16, {-6, -4, 14, 10}, pen);
        ellipse(20, 16, {8, 6, 30, 22}, pen);
        for (int i = 0; i < 24; ++i)
            ellipse(28, 22,
                    {random.Between(-4, 30), random.Between(-4, 24), random.Between(-4, 30), random.Between(-4, 24)},
                    pen);
    }
}

inline void AddFocusRectangles(std::vector<Case>& out, Random& random) {
    const int w = 21, h = 15;
    auto focus = [&](Op op, Quad r, std::uint32_t text, std::uint32_t back) {
        Case c = Make(op, w, h, r);
        c.patterned = true;
        c.background = static_cast<std::uint32_t>(random.Next());
        c.colour = text;
        c.colour2 = back;
        out.push_back(c);
    };
    // Odd and even origins and sizes; the platform's own colours, then others.
    const Quad fixed[] = {{0, 0, 10, 6},  {1, 1, 9, 7},   {1, 0, 10, 6}, {0, 1, 11, 8},  {2, 2, 4, 4},   {3, 2, 5, 5},
                          {4, 4, 17, 11}, {3, 3, 18, 12}, {0, 0, w, h},  {-2, -3, 8, 9}, {14, 9, 25, 20}};
    for (const Quad& r : fixed) focus(Op::FocusRect, r, 0x000000, 0xFFFFFF);
    for (const Quad& r : fixed) focus(Op::WineFocusRect, r, 0x000000, 0xFFFFFF);
    for (int i = 0; i < 12; ++i) {
        const int left = random.Between(-2, w - 2);
        const int top = random.Between(-2, h - 2);
        focus(Op::FocusRect, {left, top, left + random.Between(2, 12), top + random.Between(2, 9)}, random.Colour(),
              random.Colour());
    }
}

inline void AddRegions(std::vector<Case>& out, Random& random) {
    const int w = 24, h = 20;
    auto region = [&](Op op, Quad a, Quad b = {}, int shapes = 0) {
        Case c = Make(op, w, h, a);
        c.second = b;
        c.shapes = shapes;
        out.push_back(c);
    };
    const Quad rects[] = {{2, 3, 9, 8}, {5, 5, 5, 9}, {9, 3, 2, 8}, {4, 4, 5, 5}, {-3, -2, 30, 30}, {10, 12, 3, 2}};
    for (const Quad& r : rects) region(Op::RectRegion, r);
    for (int i = 0; i < 10; ++i)
        region(Op::RectRegion, {random.Between(-4, w + 4), random.Between(-4, h + 4), random.Between(-4, w + 4),
                                random.Between(-4, h + 4)});

    // Every size up to 12 x 12 from the same corner, then zero, inverted and cut boxes.
    for (int size = 1; size <= 12; ++size) region(Op::EllipticRegion, {1, 1, 1 + size, 1 + size});
    for (int size = 1; size <= 12; ++size) region(Op::EllipticRegion, {2, 2, 2 + size + 7, 2 + size});
    const Quad boxes[] = {{0, 0, 10, 10}, {3, 3, 3, 9}, {12, 14, 2, 3}, {-5, -5, 9, 11}, {10, 6, 30, 26}, {0, 0, w, h}};
    for (const Quad& box : boxes) region(Op::EllipticRegion, box);
    for (int i = 0; i < 30; ++i)
        region(Op::EllipticRegion, {random.Between(-4, w + 4), random.Between(-4, h + 4), random.Between(-4, w + 4),
                                    random.Between(-4, h + 4)});

    // A rectangle less a corner pixel (the cut button shapes), then random pairs.
    region(Op::RegionDifference, {0, 0, 10, 10}, {9, 0, 10, 1}, 0);
    region(Op::RegionDifference, {0, 0, 20, 16}, {4, 3, 12, 9}, 2);
    for (int i = 0; i < 30; ++i)
        region(Op::RegionDifference,
               {random.Between(-2, w + 2), random.Between(-2, h + 2), random.Between(-2, w + 2),
                random.Between(-2, h + 2)},
               {random.Between(-2, w + 2), random.Between(-2, h + 2), random.Between(-2, w + 2),
                random.Between(-2, h + 2)},
               random.Between(0, 3));
}

inline void AddCopies(std::vector<Case>& out, Random& random) {
    const int w = 20, h = 14;
    auto copy = [&](Quad dest, Quad source) {
        Case c = Make(Op::BitBlt, w, h, dest);
        c.second = source;
        c.patterned = true;
        c.background = static_cast<std::uint32_t>(random.Next());
        c.colour = static_cast<std::uint32_t>(random.Next()); // the source's pattern seed
        out.push_back(c);
    };
    // From a 9 x 7 source: whole, partly outside it, empty; then within the surface, overlapping.
    copy({2, 3, 9, 7}, {0, 0, 9, 7});
    copy({2, 3, 14, 10}, {0, 0, 9, 7});
    copy({2, 3, 6, 5}, {-3, -2, 9, 7});
    copy({-4, -3, 9, 7}, {0, 0, 9, 7});
    copy({3, 3, 0, 5}, {0, 0, 9, 7});
    copy({1, 0, 15, 12}, {0, 0, 0, 0});
    copy({0, 1, 15, 12}, {2, 0, 0, 0});
    for (int i = 0; i < 20; ++i) {
        const Quad dest{random.Between(-4, w), random.Between(-4, h), random.Between(1, 14), random.Between(1, 10)};
        const bool fromSource = random.Between(0, 1) == 1;
        const Quad source{random.Between(-4, 8), random.Between(-4, 6), fromSource ? 9 : 0, fromSource ? 7 : 0};
        copy(dest, source);
    }
}

} // namespace detail

inline std::vector<Case> AllCases() {
    std::vector<Case> cases;
    Random random(0x7A5E2024u);
    detail::AddLines(cases, random);
    detail::AddRectangles(cases, random, Op::FillRect);
    detail::AddRectangles(cases, random, Op::FrameRect);
    detail::AddEllipses(cases, random);
    detail::AddFocusRectangles(cases, random);
    detail::AddRegions(cases, random);
    detail::AddCopies(cases, random);
    return cases;
}

} // namespace gdicases
