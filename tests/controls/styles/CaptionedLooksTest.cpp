// SPDX-License-Identifier: GPL-3.0-or-later
// Whole buttons with a caption, every pixel, for the styles with their own palettes and for
// the oval, in each of their looks. A map gives every pixel the look paints besides its
// caption. The caption's glyphs differ between fonts and font engines, so for its pixels
// the test checks what does not: drawn without anti-aliasing they lie inside the caption's
// rectangle of that look, each wholly one of its caption colours, and the colour drawn
// last shows.
#include "StyleFixture.h"
#include "host/qt/Fonts.h"

#include <algorithm>
#include <cmath>

namespace styletest {
namespace {

constexpr int W = 24;
constexpr int H = 20;

// Where a copy of the caption lies: at captionRect, or moved one pixel right and down.
enum class Place { Rect, Moved };
struct Copy {
    Colour colour;
    Place place;
};
// What the look adds besides its map: the focus rectangle on faceRect (checked as what it
// changes against the same look unfocused, so glyphs under it do not matter), and style 5's
// frame around the caption, placed from the layout.
enum class Extra { None, FocusRect, CaptionFrame };

struct CaptionedLook {
    const char* name;
    int type;
    std::uint8_t state;
    bool enabled;
    bool over;
    bool focus;
    bool asDefault;
    const std::vector<std::string>* map;
    std::vector<Copy> caption; // one or two copies, the one drawn last first
    Extra extra;
};

void PrintTo(const CaptionedLook& look, std::ostream* os) { *os << look.name; }

// Single-precision ratio, product in double precision, halves to even: the gradient rule.
int GradientAmount(int depth, int row) {
    const float k = static_cast<float>(depth) / static_cast<float>(H);
    return static_cast<int>(std::nearbyint(static_cast<double>(k) * row));
}

class CaptionedLooksTest : public StyleTest, public ::testing::WithParamInterface<CaptionedLook> {
protected:
    Colour Shift(Colour c, int amount, bool blueScaled = false) const {
        return painter.ShiftColor(c, amount, blueScaled);
    }

    // The colour a map letter stands for at row y.
    Colour Legend(char letter, int y) const {
        switch (letter) {
        case 'f': return kFace;
        case 'l': return kLight;
        case 'h': return kHighlight;
        case 's': return kShadow;
        case 'd': return kDark;
        case 'H': return kHot;
        case 'L': return kHotLight;
        case 'F': return kFaceLight;
        // Style 3: outline and corner pixels, the orange hover and blue focus edges.
        case 'o': return 0x733C00;
        case 'c': return 0x7B4D10;
        case '1': return 0x31B2FF;
        case '2': return 0x0096E7;
        case '3': return 0xCEF3FF;
        case '4': return 0x8CDBFF;
        case '5': return 0x6BCBFF;
        case '6': return 0xE7AE8C;
        case '7': return 0xEF826B;
        case '8': return 0xFFE7CE;
        case '9': return 0xF7D7BD;
        case '0': return 0xF0D1B5;
        // Style 3's plain edges and its pressed and disabled shades, all blue-scaled.
        case 'A': return Shift(kFaceLight, -48, true);
        case 'B': return Shift(kFaceLight, -32, true);
        case 'C': return Shift(kFaceLight, -36, true);
        case 'D': return Shift(kFaceLight, -24, true);
        case 'E': return Shift(kFaceLight, 16, true);
        case 'G': return Shift(kFaceLight, 10, true);
        case 'I': return Shift(kFaceLight, -5, true);
        case 'J': return Shift(kFaceLight, -10, true);
        case 'K': return Shift(kFaceLight, -84, true);
        case 'M': return Shift(kFaceLight, -72, true);
        case 'N': return Shift(Pressed3(), 16, true);
        case 'O': return Shift(Pressed3(), 10, true);
        case 'P': return Shift(Pressed3(), 5, true);
        case 'Q': return Shift(Pressed3(), -32, true);
        case 'R': return Shift(Pressed3(), -24, true);
        case 'S': return Shift(Pressed3(), -22, true);
        // Gradients, one colour per row: style 3 over its face and upside down over the
        // pressed face, style 14 over the highlight colour.
        case 'g': return y == 0 ? kFace : Shift(kFaceLight, -GradientAmount(25, y), true);
        case 'p': return Shift(Pressed3(), -GradientAmount(25, H - y), true);
        case 'b': return y == 0 ? kFace : Shift(kHighlight, -GradientAmount(58, y));
        // Shades of styles 4, 5, 9, 13 and 14.
        case 'T': return Shift(kShadow, -16);
        case 'U': return Shift(kShadow, -64);
        case 'V': return Shift(kShadow, -32);
        case 'W': return Shift(kFace, 12);
        case 'X': return Shift(kShadow, -26);
        case 'Y': return Shift(kShadow, 26);
        case 'Z': return Shift(kShadow, 16);
        case 't': return chameleon::ButtonPainter::TintColor(kHot, 128);
        case 'e': return Shift(kFace, -32);
        case 'a': return Shift(kShadow, -50);
        case 'n': return Shift(kFace, -9);
        case 'm': return Shift(kShadow, -48);
        default: ADD_FAILURE() << "no colour for '" << letter << "'"; return 0;
        }
    }
    Colour Pressed3() const { return Shift(kFaceLight, -32, true); }

    // Where a copy of the caption may paint, as laid out (bold for style 14's default button).
    host::Rect CaptionZone(const CaptionedLook& look, Place place) {
        host::Rect rect = st.captionRect;
        if (look.asDefault && look.type == 14) {
            surface.font.setBold(true);
            painter.LayoutCaption();
            rect = st.captionRect;
            surface.font.setBold(false);
            painter.LayoutCaption();
        }
        if (place == Place::Moved) return {rect.left + 1, rect.top + 1, rect.right + 1, rect.bottom + 1};
        return rect;
    }
};

TEST_P(CaptionedLooksTest, PaintsTheMapAroundACaptionInTheLooksColours) {
    const CaptionedLook& look = GetParam();
    // Without anti-aliasing every glyph pixel is wholly the text colour.
    surface.font = host::LayoutFont("Tahoma", 8.25);
    surface.font.setStyleStrategy(QFont::NoAntialias);
    st.caption = "Go";
    Size(look.type, W, H);
    st.enabled = look.enabled;
    st.isOver = look.over;
    surface.displayAsDefault = look.asDefault;
    st.hasFocus = look.focus && look.extra != Extra::FocusRect;
    const QImage drawn = Draw(look.state);
    if (look.extra == Extra::FocusRect) {
        // Drawn last, the focus frame combines each border pixel of faceRect by exclusive
        // or: even ones with white (inverted), odd ones with the text colour.
        st.hasFocus = true;
        const QImage focused = Draw(look.state);
        const host::Rect& r = st.faceRect;
        for (int y = 0; y < H; ++y)
            for (int x = 0; x < W; ++x) {
                const bool frame = x >= r.left && x < r.right && y >= r.top && y < r.bottom &&
                                   (x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1);
                const Colour mask = !frame ? 0 : (x + y) % 2 == 0 ? 0xFFFFFFu : kText;
                ASSERT_EQ(host::FromArgb(focused.pixel(x, y)) ^ host::FromArgb(drawn.pixel(x, y)), mask)
                    << "focus frame at (" << x << ", " << y << ")";
            }
    }

    // What the look paints besides the caption.
    const std::vector<std::string>& map = *look.map;
    ASSERT_EQ(static_cast<int>(map.size()), H);
    QImage expected(W, H, QImage::Format_RGB32);
    for (int y = 0; y < H; ++y) {
        ASSERT_EQ(static_cast<int>(map[static_cast<std::size_t>(y)].size()), W) << "map row " << y;
        for (int x = 0; x < W; ++x)
            expected.setPixel(x, y,
                              host::ToArgb(Legend(map[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)], y)));
    }
    if (look.extra == Extra::CaptionFrame) {
        host::DrawingContext overlay(expected);
        overlay.FrameRect({st.captionRect.left - 2, st.captionRect.top - 1,
                           st.captionRect.left - 2 + st.captionWidth + 4,
                           st.captionRect.top - 1 + st.captionHeight + 2},
                          0xCC9999);
    }

    // Every pixel is the map's, or one of a caption copy's: in its colour, inside its rectangle.
    std::vector<host::Rect> zones;
    for (const Copy& copy : look.caption) zones.push_back(CaptionZone(look, copy.place));
    std::vector<int> shown(look.caption.size(), 0);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const Colour got = host::FromArgb(drawn.pixel(x, y));
            const Colour under = host::FromArgb(expected.pixel(x, y));
            if (got == under) continue;
            std::size_t copy = 0;
            for (; copy < look.caption.size(); ++copy) {
                const host::Rect& z = zones[copy];
                if (got == look.caption[copy].colour && x >= z.left && x < z.right && y >= z.top && y < z.bottom) break;
            }
            ASSERT_LT(copy, look.caption.size())
                << "pixel (" << x << ", " << y << ") is " << Hex(got) << ", map says " << Hex(under);
            ++shown[copy];
        }
    for (std::size_t copy = 0; copy < look.caption.size(); ++copy)
        EXPECT_GT(shown[copy], 0) << "no caption in " << Hex(look.caption[copy].colour);
}

// Maps: one letter per pixel, as the legend above; the caption's pixels are not in them.
// clang-format off
const std::vector<std::string> kGlossyNormal{
    "oooooooooooooooooooooooo",
    "ocEEEEEEEEEEEEEEEEEEEEco",
    "oIGGGGGGGGGGGGGGGGGGGGCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIJggggggggggggggggggDCo",
    "oIBBBBBBBBBBBBBBBBBBBBCo",
    "ocAAAAAAAAAAAAAAAAAAAAco",
    "oooooooooooooooooooooooo",
};
const std::vector<std::string> kGlossyHover{
    "oooooooooooooooooooooooo",
    "oc33333333333333333333co",
    "o4444444444444444444444o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o15gggggggggggggggggg51o",
    "o1111111111111111111111o",
    "oc22222222222222222222co",
    "oooooooooooooooooooooooo",
};
const std::vector<std::string> kGlossyPressed{
    "oooooooooooooooooooooooo",
    "ocQQQQQQQQQQQQQQQQQQQQco",
    "oQSRRRRRRRRRRRRRRRRRRRPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSppppppppppppppppppFPo",
    "oQSOOOOOOOOOOOOOOOOOOOPo",
    "ocNNNNNNNNNNNNNNNNNNNNco",
    "oooooooooooooooooooooooo",
};
const std::vector<std::string> kGlossyDisabled{
    "KKKKKKKKKKKKKKKKKKKKKKKK",
    "KMDDDDDDDDDDDDDDDDDDDDMK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KDDDDDDDDDDDDDDDDDDDDDDK",
    "KMDDDDDDDDDDDDDDDDDDDDMK",
    "KKKKKKKKKKKKKKKKKKKKKKKK",
};
const std::vector<std::string> kGlossyFocused{
    "oooooooooooooooooooooooo",
    "oc88888888888888888888co",
    "o9999999999999999999999o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o60gggggggggggggggggg06o",
    "o6666666666666666666666o",
    "oc77777777777777777777co",
    "oooooooooooooooooooooooo",
};
const std::vector<std::string> kRoundedNormal{
    "dddddddddddddddddddddddd",
    "dflllllllllllllllllllfdd",
    "dfhhhhhhhhhhhhhhhhhhhfsd",
    "dlhhlllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhllllllllllllllllllfsd",
    "dlhlllllllllllllllllffsd",
    "dffffffffffffffffffffssd",
    "ddssssssssssssssssssssdd",
    "dddddddddddddddddddddddd",
};
const std::vector<std::string> kRoundedPressed{
    "dddddddddddddddddddddddd",
    "ddUUUUUUUUUUUUUUUUUUUsdd",
    "dUUVVVVVVVVVVVVVVVVVVsVd",
    "dUVVTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTTsTd",
    "dUVTTTTTTTTTTTTTTTTTssTd",
    "dsssssssssssssssssssssVd",
    "ddVTTTTTTTTTTTTTTTTTTVdd",
    "dddddddddddddddddddddddd",
};
const std::vector<std::string> kDoubleNormal{
    "XXXXXXXXXXXXXXXXXXXXXXXf",
    "XhhhhhhhhhhhhhhhhhhhhhYh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XhWWWWWWWWWWWWWWWWWWWWXh",
    "XYXXXXXXXXXXXXXXXXXXXXXh",
    "fhhhhhhhhhhhhhhhhhhhhhhh",
};
const std::vector<std::string> kDoublePressed{
    "XXXXXXXXXXXXXXXXXXXXXXXf",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XZZZZZZZZZZZZZZZZZZZZZXh",
    "XXXXXXXXXXXXXXXXXXXXXXXh",
    "fhhhhhhhhhhhhhhhhhhhhhhh",
};
const std::vector<std::string> kDoubleDisabled{
    "ssssssssssssssssssssssss",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "sffffffffffffffffffffffs",
    "ssssssssssssssssssssssss",
};
const std::vector<std::string> kFlatFace{
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
    "ffffffffffffffffffffffff",
};
const std::vector<std::string> kFlatHover{
    "HHHHHHHHHHHHHHHHHHHHHHHH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HLLLLLLLLLLLLLLLLLLLLLLH",
    "HHHHHHHHHHHHHHHHHHHHHHHH",
};
const std::vector<std::string> kFlatPressed{
    "HHHHHHHHHHHHHHHHHHHHHHHH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HttttttttttttttttttttttH",
    "HHHHHHHHHHHHHHHHHHHHHHHH",
};
const std::vector<std::string> kFlatPressedByKey{
    "HHHHHHHHHHHHHHHHHHHHHHHH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HffffffffffffffffffffffH",
    "HHHHHHHHHHHHHHHHHHHHHHHH",
};
const std::vector<std::string> kOvalHover{
    "fffffsssssssssssssffffff",
    "fffssssssfffffssssssffff",
    "ffsssssfffffffffsssssfff",
    "fssssfffffffffffffssssff",
    "ssssfffffffffffffffssssf",
    "sssfffffffffffffffffsssf",
    "ssfffffffffffffffffffsss",
    "ssfffffffffffffffffffsss",
    "sfffffffffffffffffffffss",
    "sfffffffffffffffffffffss",
    "sfffffffffffffffffffffss",
    "sfffffffffffffffffffffss",
    "ssfffffffffffffffffffsss",
    "ssfffffffffffffffffffsss",
    "sssfffffffffffffffffsssf",
    "ssssfffffffffffffffssssf",
    "fsssssfffffffffffsssssff",
    "ffssssssfffffffssssssfff",
    "ffffsssssssssssssssfffff",
    "ffffffsssssssssssfffffff",
};
const std::vector<std::string> kOvalPressed{
    "fffffdddddddddddddffffff",
    "fffddddddeeeeeddddddffff",
    "ffdddddeeeeeeeeedddddfff",
    "fddddeeeeeeeeeeeeeddddff",
    "ddddeeeeeeeeeeeeeeeddddf",
    "dddeeeeeeeeeeeeeeeeedddf",
    "ddeeeeeeeeeeeeeeeeeeeddd",
    "ddeeeeeeeeeeeeeeeeeeeddd",
    "deeeeeeeeeeeeeeeeeeeeedd",
    "deeeeeeeeeeeeeeeeeeeeedd",
    "deeeeeeeeeeeeeeeeeeeeedd",
    "deeeeeeeeeeeeeeeeeeeeedd",
    "ddeeeeeeeeeeeeeeeeeeeddd",
    "ddeeeeeeeeeeeeeeeeeeeddd",
    "dddeeeeeeeeeeeeeeeeedddf",
    "ddddeeeeeeeeeeeeeeeddddf",
    "fdddddeeeeeeeeeeedddddff",
    "ffddddddeeeeeeeddddddfff",
    "ffffdddddddddddddddfffff",
    "ffffffdddddddddddfffffff",
};
const std::vector<std::string> kBandedNormal{
    "aaaaaaaaaaaaaaaaaaaaaaaa",
    "annnnnnnnnnnnnnnnnnnnnna",
    "anhhhhhhhhhhhhhhhhhhhhna",
    "anhhhhhhhhhhhhhhhhhhhhna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "anhhbbbbbbbbbbbbbbbbbbna",
    "annnnnnnnnnnnnnnnnnnnnna",
    "aaaaaaaaaaaaaaaaaaaaaaaa",
};
const std::vector<std::string> kBandedHover{
    "aaaaaaaaaaaaaaaaaaaaaaaa",
    "annnnnnnnnnnnnnnnnnnnnna",
    "anhhhhhhhhhhhhhhhhhhhhna",
    "anhhhhhhhhhhhhhhhhhhhhna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "anhhllllllllllllllllllna",
    "annnnnnnnnnnnnnnnnnnnnna",
    "aaaaaaaaaaaaaaaaaaaaaaaa",
};
const std::vector<std::string> kBandedPressed{
    "mmmmmmmmmmmmmmmmmmmmmmmm",
    "mnnnnnnnnnnnnnnnnnnnnnnm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnnnnnnnnnnnnnnnnnnnnnhm",
    "mnhhhhhhhhhhhhhhhhhhhhhm",
    "mmmmmmmmmmmmmmmmmmmmmmmm",
};
// clang-format on

constexpr Colour kGlossyDisabledText = Rgb(76, 76, 88);  // the glossy face blue-scaled by -104
constexpr Colour kBandedPressedShadow = Rgb(70, 70, 70); // shadow -50

// name, style, state, enabled, over, focus, default, map, caption copies, extra
// clang-format off
const std::vector<CaptionedLook> kLooks{
    {"GlossyNormal", 3, 0, true, false, false, false, &kGlossyNormal, {{kText, Place::Rect}}, Extra::None},
    {"GlossyHover", 3, 0, true, true, false, false, &kGlossyHover, {{kTextOver, Place::Rect}}, Extra::None},
    {"GlossyPressed", 3, 2, true, true, false, false, &kGlossyPressed, {{kTextOver, Place::Moved}}, Extra::None},
    {"GlossyDisabled", 3, 0, false, false, false, false, &kGlossyDisabled, {{kGlossyDisabledText, Place::Rect}}, Extra::None},
    {"GlossyFocused", 3, 0, true, false, true, false, &kGlossyFocused, {{kText, Place::Rect}}, Extra::None},
    {"GlossyDefault", 3, 0, true, false, false, true, &kGlossyFocused, {{kText, Place::Rect}}, Extra::None},
    {"RoundedNormal", 4, 0, true, false, false, false, &kRoundedNormal, {{kText, Place::Rect}}, Extra::None},
    {"RoundedHover", 4, 0, true, true, false, false, &kRoundedNormal, {{kTextOver, Place::Rect}}, Extra::None},
    {"RoundedPressed", 4, 2, true, true, false, false, &kRoundedPressed, {{kLight, Place::Moved}}, Extra::None},
    {"RoundedDisabled", 4, 0, false, false, false, false, &kRoundedNormal, {{kShadow, Place::Rect}, {kHighlight, Place::Moved}}, Extra::None},
    {"DoubleNormal", 5, 0, true, false, false, false, &kDoubleNormal, {{kText, Place::Rect}}, Extra::None},
    {"DoubleHover", 5, 0, true, true, false, false, &kDoubleNormal, {{kTextOver, Place::Rect}}, Extra::None},
    {"DoublePressed", 5, 2, true, true, false, false, &kDoublePressed, {{kTextOver, Place::Rect}}, Extra::None},
    {"DoubleDisabled", 5, 0, false, false, false, false, &kDoubleDisabled, {{kShadow, Place::Rect}}, Extra::None},
    {"DoubleFocused", 5, 0, true, false, true, false, &kDoubleNormal, {{kText, Place::Rect}}, Extra::CaptionFrame},
    {"DoubleFocusedPressed", 5, 2, true, false, true, false, &kDoublePressed, {{kTextOver, Place::Rect}}, Extra::CaptionFrame},
    {"FlatNormal", 9, 0, true, false, false, false, &kFlatFace, {{kText, Place::Rect}}, Extra::None},
    {"FlatHover", 9, 0, true, true, false, false, &kFlatHover, {{kTextOver, Place::Rect}}, Extra::None},
    {"FlatPressed", 9, 2, true, true, false, false, &kFlatPressed, {{kTextOver, Place::Moved}}, Extra::None},
    {"FlatPressedByKey", 9, 2, true, false, false, false, &kFlatPressedByKey, {{kTextOver, Place::Moved}}, Extra::None},
    {"FlatDisabled", 9, 0, false, true, false, false, &kFlatFace, {{kShadow, Place::Rect}}, Extra::None},
    {"FlatFocused", 9, 0, true, false, true, false, &kFlatFace, {{kText, Place::Rect}}, Extra::FocusRect},
    {"OvalNormal", 13, 0, true, false, false, false, &kFlatFace, {{kText, Place::Rect}}, Extra::None},
    {"OvalHover", 13, 0, true, true, false, false, &kOvalHover, {{kTextOver, Place::Rect}}, Extra::None},
    {"OvalPressed", 13, 2, true, true, false, false, &kOvalPressed, {{kTextOver, Place::Moved}}, Extra::None},
    {"OvalDisabled", 13, 0, false, true, false, false, &kFlatFace, {{kShadow, Place::Rect}, {kHighlight, Place::Moved}}, Extra::None},
    {"BandedNormal", 14, 0, true, false, false, false, &kBandedNormal, {{kText, Place::Rect}}, Extra::None},
    {"BandedHover", 14, 0, true, true, false, false, &kBandedHover, {{kTextOver, Place::Rect}}, Extra::None},
    {"BandedPressed", 14, 2, true, true, false, false, &kBandedPressed, {{kHighlight, Place::Rect}, {kBandedPressedShadow, Place::Moved}}, Extra::None},
    {"BandedDisabled", 14, 0, false, true, false, false, &kBandedNormal, {{kFace, Place::Rect}, {kHighlight, Place::Moved}}, Extra::None},
    {"BandedFocused", 14, 0, true, false, true, false, &kBandedNormal, {{kText, Place::Rect}}, Extra::FocusRect},
    {"BandedDefault", 14, 0, true, false, false, true, &kBandedNormal, {{kText, Place::Rect}}, Extra::None},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Styles, CaptionedLooksTest, ::testing::ValuesIn(kLooks),
                         [](const ::testing::TestParamInfo<CaptionedLook>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
} // namespace styletest
