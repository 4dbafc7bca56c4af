// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of one proposed rectangle during a drag: the move loop asks for it on every pointer
// motion, so it must stay far below a frame.
#include "docking/Docking.h"

#include <benchmark/benchmark.h>
#include <vector>

namespace {

using docking::DragState;
using docking::Point;
using docking::Rect;

std::vector<Rect> Windows(int count) {
    std::vector<Rect> list{{0, 0, 1280, 994}};
    for (int i = 0; i < count; ++i) {
        const int x = 40 + (i * 97) % 1000;
        const int y = 30 + (i * 61) % 700;
        list.push_back({x, y, x + 200, y + 150});
    }
    return list;
}

void BM_SnapMoving(benchmark::State& state) {
    const std::vector<Rect> list = Windows(static_cast<int>(state.range(0)));
    DragState drag;
    int step = 0;
    for (auto _ : state) {
        const int x = 5 + (step++ % 900);
        Rect rect{x, 210, x + 325, 595};
        docking::SnapRect(docking::SnapMode::Moving, rect, 0, list, drag, Point{x + 20, 220});
        benchmark::DoNotOptimize(rect);
    }
}
BENCHMARK(BM_SnapMoving)->Arg(1)->Arg(10)->Arg(100);

void BM_SnapSizing(benchmark::State& state) {
    const std::vector<Rect> list = Windows(static_cast<int>(state.range(0)));
    DragState drag;
    int step = 0;
    for (auto _ : state) {
        const int r = 400 + (step++ % 880);
        Rect rect{100, 100, r, 500};
        docking::SnapRect(docking::SnapMode::Sizing, rect, docking::kEdgeBottomRight, list, drag, Point{});
        benchmark::DoNotOptimize(rect);
    }
}
BENCHMARK(BM_SnapSizing)->Arg(1)->Arg(10)->Arg(100);

// The start of a move: the offsets and the rectangles to snap to, collected from the screen.
class BenchScreen final : public docking::DockingPlatform {
public:
    explicit BenchScreen(int count) : rects_(Windows(count)) {
        for (std::size_t i = 1; i < rects_.size(); ++i) handles_.push_back(i);
    }
    Rect WorkArea() override { return rects_[0]; }
    Rect WindowRect(docking::WindowHandle w) override { return rects_[w]; }
    Point CursorPos() override { return {500, 300}; }
    std::vector<docking::WindowHandle> LoadedWindows() override { return handles_; }
    bool IsVisible(docking::WindowHandle) override { return true; }
    docking::PlatformData AttachWindow(docking::WindowHandle) override { return 0; }
    void DetachWindow(docking::WindowHandle, docking::PlatformData) override {}

private:
    std::vector<Rect> rects_;
    std::vector<docking::WindowHandle> handles_;
};

void BM_StartOfMove(benchmark::State& state) {
    BenchScreen screen(static_cast<int>(state.range(0)));
    docking::Docking docking(screen);
    docking.EnableDocking(1);
    for (auto _ : state) {
        docking.BeginMoveOrSize(1);
        benchmark::DoNotOptimize(docking.dockRects().data());
    }
}
BENCHMARK(BM_StartOfMove)->Arg(1)->Arg(10)->Arg(100);

} // namespace
