// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSurface.h"
#include "host/qt/Picture.h"
#include "host/qt/SystemColors.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using chameleon::ButtonPainter;
using chameleon::ButtonState;

namespace {

std::shared_ptr<host::Picture> Icon32() {
    QImage image(32, 32, QImage::Format_ARGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int dx = x - 16, dy = y - 16;
            image.setPixel(x, y, dx * dx + dy * dy < 196 ? qRgba(x * 8, y * 8, 128, 255) : qRgba(0, 0, 0, 0));
        }
    return host::Picture::FromImage(image, host::Picture::Kind::Icon);
}

struct Button {
    ButtonState state;
    FakeSurface surface{89, 25};
    ButtonPainter painter{state, surface};
    Button() {
        state.buttonWidth = 89;
        state.buttonHeight = 25;
        state.caption = "&Start";
        state.faceRect = {4, 4, 85, 21};
        painter.DeriveColors();
        painter.LayoutCaption();
    }
};

void BM_DrawPictureIcon32(benchmark::State& st) {
    Button b;
    const auto icon = Icon32();
    b.state.useGreyscale = st.range(0) != 0;
    for (auto _ : st) {
        b.painter.DrawPicture(b.surface.Context(), 20, 0, 32, 32, *icon, b.state.maskColorRGB, -1, false,
                              b.state.useGreyscale, false);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawPictureIcon32)->Arg(0)->Arg(1)->ArgName("greyscale");

void BM_LayoutCaption(benchmark::State& st) {
    Button b;
    b.state.caption = st.range(0) ? "Start the test again now" : "&Start";
    b.state.buttonWidth = st.range(0) ? 60 : 89;
    for (auto _ : st) {
        b.painter.LayoutCaption();
        benchmark::DoNotOptimize(b.state.captionRect);
    }
}
BENCHMARK(BM_LayoutCaption)->Arg(0)->Arg(1)->ArgName("wrapped");

// The plain button: whatever DrawButton draws for the default style, with caption.
void BM_DrawButton89x25(benchmark::State& st) {
    Button b;
    for (auto _ : st) {
        b.painter.DrawButton(0, true);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawButton89x25);

// The same face built from the primitives directly: fill, two-ring bevel, caption, focus.
void BM_FaceAndCaption89x25(benchmark::State& st) {
    Button b;
    b.state.hasFocus = true;
    for (auto _ : st) {
        b.painter.DrawRect(0, 0, 89, 25, b.state.faceColor, false);
        b.painter.DrawBevel(b.state.highlightColor, b.state.darkShadowColor, b.state.lightColor, b.state.shadowColor, 0,
                            false);
        b.painter.DrawCaption(chameleon::CaptionStyle::Normal);
        b.painter.DrawFocus();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FaceAndCaption89x25);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const host::ScopedSystemColours classic(host::ClassicSystemColours());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
