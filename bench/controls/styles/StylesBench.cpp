// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one whole drawing of a button, per style, at the program's two button sizes, and
// of redrawing the six buttons of the main window.
//
//   chameleon_style_bench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "controls/chameleonButton/ButtonPainter.h"
#include "controls/chameleonButton/ButtonState.h"
#include "host/qt/DrawingContext.h"
#include "host/qt/Fonts.h"
#include "host/qt/SystemColors.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

using chameleon::ButtonPainter;
using chameleon::ButtonState;

class BenchSurface : public chameleon::ButtonSurface {
public:
    BenchSurface(int w, int h, QFont font) : image_(w, h, QImage::Format_RGB32), dc_(image_), font_(std::move(font)) {}
    host::DrawingContext& Context() override { return dc_; }
    void Clear() override { image_.fill(0xFFF0F0F0u); }
    void RefreshSurface() override {}
    const QFont& SurfaceFont() const override { return font_; }
    void SetFontBoldProperty(bool bold) override { font_.setBold(bold); }
    bool FontBoldProperty() const override { return font_.bold(); }
    bool DisplayAsDefault() const override { return false; }
    host::Colour ParentBackColor() const override { return 0xF0F0F0; }
    host::Colour ParentTextColor() const override { return 0; }
    std::int32_t SurfaceHeightPixels() const override { return image_.height(); }
    void SetSurfaceHeightPixels(std::int32_t) override {}
    void PumpEvents() override {}
    bool CopyParentPixels(host::DrawingContext&, std::int32_t, std::int32_t) override { return false; }

private:
    QImage image_;
    host::DrawingContext dc_;
    QFont font_;
};

struct Button {
    Button(int type, int w, int h, const QString& caption, const QFont& font) : surface(w, h, font) {
        s.buttonType = static_cast<chameleon::ButtonStyle>(type);
        s.caption = caption;
        s.buttonWidth = w;
        s.buttonHeight = h;
        using chameleon::ButtonStyle;
        const bool thin = s.buttonType >= ButtonStyle::ThinRaised && s.buttonType <= ButtonStyle::Oval;
        const int inset = thin ? 3 : s.buttonType == ButtonStyle::BandedGradient ? 5 : 4;
        s.faceRect = {inset, inset, w - inset, h - inset};
        painter.DeriveColors();
        painter.LayoutCaption();
        if (s.buttonType == ButtonStyle::Transparent) painter.CreateBackgroundCopy();
    }
    ButtonState s;
    BenchSurface surface;
    ButtonPainter painter{s, surface};
};

QFont CaptionFont() { return host::LayoutFont("Tahoma", 8.25); }

void BM_DrawButton(benchmark::State& state) {
    const int type = static_cast<int>(state.range(0));
    const int w = static_cast<int>(state.range(1));
    const int h = static_cast<int>(state.range(2));
    Button b(type, w, h, "E&xit", CaptionFont());
    for (auto _ : state) {
        b.painter.DrawButton(0, true);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawButton)
    ->ArgsProduct({benchmark::CreateDenseRange(1, 14, 1), {89}, {25}})
    ->ArgNames({"style", "w", "h"});
BENCHMARK(BM_DrawButton)
    ->ArgsProduct({benchmark::CreateDenseRange(1, 14, 1), {41}, {33}})
    ->ArgNames({"style", "w", "h"});

void BM_DrawGlossyHovered(benchmark::State& state) {
    Button b(3, 89, 25, "E&xit", CaptionFont());
    b.s.isOver = true;
    for (auto _ : state) {
        b.painter.DrawButton(0, true);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DrawGlossyHovered);

// The main window's six buttons, all glossy: three symbol buttons and three text buttons.
void BM_MainWindowRedraw(benchmark::State& state) {
    const QFont symbols = host::LayoutFont("Webdings", 15.75, true);
    const QFont text = CaptionFont();
    std::vector<std::unique_ptr<Button>> buttons;
    buttons.push_back(std::make_unique<Button>(3, 41, 33, host::DisplayText("Webdings", "4"), symbols));
    buttons.push_back(std::make_unique<Button>(3, 41, 33, host::DisplayText("Webdings", "<"), symbols));
    buttons.push_back(std::make_unique<Button>(3, 41, 33, host::DisplayText("Webdings", "~"), symbols));
    buttons.push_back(std::make_unique<Button>(3, 265, 25, "<<< &Back", text));
    buttons.push_back(std::make_unique<Button>(3, 89, 25, "A&bout", text));
    buttons.push_back(std::make_unique<Button>(3, 89, 25, "E&xit", text));
    for (auto _ : state) {
        for (auto& b : buttons) b->painter.DrawButton(0, true);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MainWindowRedraw);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    host::InstallFontSubstitutes();
    host::ScopedSystemColours classic(host::ClassicSystemColours());
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
