// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Ombrel developers
//
// The window's drawing costs: start-up to the first painted board, one house
// redrawn (what a sowing step costs) and a full paint of the board. Runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise; QT_SCALE_FACTOR=2
// measures a 2x screen.
#include "ui/Main.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

using ombrel::TMainForm;

namespace {

void StartUpToFirstPaint(benchmark::State &state)
{
    for (auto _ : state) {
        auto window = std::make_unique<TMainForm>();
        window->show();
        window->PaintBox()->repaint();
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(StartUpToFirstPaint)->Unit(benchmark::kMillisecond);

// A shown window whose board has been painted once.
std::unique_ptr<TMainForm> PaintedWindow()
{
    auto window = std::make_unique<TMainForm>();
    window->show();
    window->PaintBox()->repaint();
    QCoreApplication::processEvents();
    return window;
}

// ShowHouse alone: the cell drawn into the backing pixmap and its rectangle
// queued for the screen.
void ShowHouse(benchmark::State &state)
{
    const auto window = PaintedWindow();
    int house = 0;
    for (auto _ : state) {
        window->PaintBox()->ShowHouse(house, 4, house < 6 ? 0 : 1);
        house = (house + 1) % ombrel::HouseCount;
        window->PaintBox()->TakeDrawnRects();
    }
}
BENCHMARK(ShowHouse)->Unit(benchmark::kMicrosecond);

// A sowing step as the user sees it: ShowHouse and the paint of that cell.
void ShowHouseOnScreen(benchmark::State &state)
{
    const auto window = PaintedWindow();
    int house = 0;
    for (auto _ : state) {
        window->PaintBox()->ShowHouse(house, 4, house < 6 ? 0 : 1);
        for (const QRect &cell : window->PaintBox()->TakeDrawnRects())
            window->PaintBox()->repaint(cell);
        house = (house + 1) % ombrel::HouseCount;
    }
}
BENCHMARK(ShowHouseOnScreen)->Unit(benchmark::kMicrosecond);

// The whole board drawn afresh and painted at once.
void FullPaint(benchmark::State &state)
{
    const auto window = PaintedWindow();
    for (auto _ : state)
        window->PaintBox()->ShowBoard(window->Controller().Board(), true);
}
BENCHMARK(FullPaint)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
