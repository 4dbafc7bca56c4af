// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A button painter over a bare image, with a fixed colour set chosen so that every derived
// colour is a different value and the blue-scaled shades of the glossy face are easy to
// work out by hand (its blue channel is 192, so a blue-scaled shift moves blue by the full
// amount).

#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "host/qt/DrawingContext.h"

#include <QFont>
#include <QImage>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace styletest {

using host::Colour;
using host::Rgb;

constexpr Colour kCleared = Rgb(255, 0, 255);
constexpr Colour kFace = Rgb(200, 200, 200);
constexpr Colour kLight = Rgb(220, 220, 220);
constexpr Colour kHighlight = Rgb(250, 250, 250);
constexpr Colour kShadow = Rgb(120, 120, 120);
constexpr Colour kDark = Rgb(10, 10, 10);
constexpr Colour kText = Rgb(1, 2, 3);
constexpr Colour kTextOver = Rgb(4, 5, 6);
constexpr Colour kHot = Rgb(0, 0, 128);
constexpr Colour kHotLight = Rgb(173, 173, 209);
constexpr Colour kFaceLight = Rgb(180, 180, 192);

class FakeSurface : public chameleon::ButtonSurface {
public:
    FakeSurface() : dc(image) {}

    host::DrawingContext& Context() override { return dc; }
    void Clear() override {
        ++clears;
        image.fill(host::ToArgb(kCleared));
    }
    void RefreshSurface() override { ++refreshes; }
    const QFont& SurfaceFont() const override { return font; }
    void SetFontBoldProperty(bool bold) override {
        boldCalls.push_back(bold);
        redrawDuringBold.push_back(state->redrawEnabled);
        font.setBold(bold);
        if (painter) painter->LayoutCaption();
    }
    bool FontBoldProperty() const override { return font.bold(); }
    bool DisplayAsDefault() const override { return displayAsDefault; }
    Colour ParentBackColor() const override { return kFace; }
    Colour ParentTextColor() const override { return kText; }
    std::int32_t SurfaceHeightPixels() const override { return height; }
    void SetSurfaceHeightPixels(std::int32_t h) override {
        height = h;
        heightCalls.push_back(h);
    }
    void PumpEvents() override {
        ++pumps;
        heightWhilePumping = height;
        capturingWhilePumping = state->capturingBackground;
    }
    bool CopyParentPixels(host::DrawingContext& dest, std::int32_t width, std::int32_t h) override {
        ++copies;
        if (copyFails || parent.isNull()) return false;
        host::MemoryContext source(parent);
        dest.BitBlt(0, 0, width, h, source, left, top);
        return true;
    }

    QImage image;
    host::DrawingContext dc;
    QFont font;
    bool displayAsDefault = false;
    int clears = 0;
    int refreshes = 0;
    std::vector<bool> boldCalls;
    std::vector<bool> redrawDuringBold;

    // The parent and where the button sits in it.
    QImage parent;
    int left = 0;
    int top = 0;
    std::int32_t height = 0;
    std::vector<std::int32_t> heightCalls;
    int pumps = 0;
    int copies = 0;
    bool copyFails = false;
    std::int32_t heightWhilePumping = -1;
    bool capturingWhilePumping = false;

    chameleon::ButtonState* state = nullptr;
    chameleon::ButtonPainter* painter = nullptr;
};

class StyleTest : public ::testing::Test {
protected:
    StyleTest() {
        surface.state = &st;
        surface.painter = &painter;
        st.faceColor = kFace;
        st.lightColor = kLight;
        st.highlightColor = kHighlight;
        st.shadowColor = kShadow;
        st.darkShadowColor = kDark;
        st.textColor = kText;
        st.textOverColor = kTextOver;
        st.hotColor = kHot;
        st.hotLightColor = kHotLight;
        st.faceLightColor = kFaceLight;
        st.showFocusRect = true;
    }

    // What the resize handling does: size, face rectangle inset by style, caption layout.
    void Size(int type, int w, int h) {
        st.buttonType = static_cast<chameleon::ButtonStyle>(type);
        st.buttonWidth = w;
        st.buttonHeight = h;
        surface.image = QImage(w, h, QImage::Format_RGB32);
        surface.image.fill(host::ToArgb(kCleared));
        surface.height = h;
        host::Rect face{0, 0, w, h};
        const int inset = (type >= 7 && type <= 13) ? 3 : type == 14 ? 5 : 4;
        face = {inset, inset, w - inset, h - inset};
        if (type == 14) face = {face.left + 1, face.top + 1, face.right + 1, face.bottom + 1};
        st.faceRect = face;
        painter.LayoutCaption();
    }

    QImage Draw(std::uint8_t state = 0) {
        painter.DrawButton(state, true);
        return surface.image.copy();
    }

    Colour At(int x, int y) const { return surface.dc.Pixel(x, y); }

    chameleon::ButtonState st;
    FakeSurface surface;
    chameleon::ButtonPainter painter{st, surface};
};

inline std::string Hex(Colour c) {
    std::ostringstream out;
    out << "rgb(" << host::RedOf(c) << "," << host::GreenOf(c) << "," << host::BlueOf(c) << ")";
    return out.str();
}

// Compares an image with a map drawn by hand: one string per row, one letter per pixel,
// each letter naming a colour of the legend.
inline ::testing::AssertionResult MatchesMap(const QImage& image, const std::vector<std::string>& rows,
                                             const std::map<char, Colour>& legend) {
    if (image.height() != static_cast<int>(rows.size()))
        return ::testing::AssertionFailure() << "height " << image.height() << ", map " << rows.size();
    for (int y = 0; y < image.height(); ++y) {
        if (static_cast<int>(rows[y].size()) != image.width())
            return ::testing::AssertionFailure() << "map row " << y << " has " << rows[y].size() << " letters";
        for (int x = 0; x < image.width(); ++x) {
            const Colour want = legend.at(rows[y][x]);
            const Colour got = host::FromArgb(image.pixel(x, y));
            if (got != want)
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is " << Hex(got)
                                                     << ", map says '" << rows[y][x] << "' " << Hex(want);
        }
    }
    return ::testing::AssertionSuccess();
}

// True when every pixel of the image has the one colour.
inline ::testing::AssertionResult AllPixels(const QImage& image, Colour colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (host::FromArgb(image.pixel(x, y)) != colour)
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is " << Hex(host::FromArgb(image.pixel(x, y))) << ", not "
                       << Hex(colour);
    return ::testing::AssertionSuccess();
}

} // namespace styletest
