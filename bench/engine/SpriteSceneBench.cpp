// The engine's sprites over the real back end, side by side in one run: (a) a 960×540 bitmap
// filled with one colour, (b) one step and one drawn frame of 2,000 animated sprites in a group
// over a tile map covering the camera (update, batches filled by the map and the group, handed
// to the tile sheets, and the camera's surface rasterised into a 960×540 bitmap). The goal is (b)
// within 10× of (a).
#include <benchmark/benchmark.h>

#include "tests/support/SpriteScene.h"

namespace {

void BM_FillFrame(benchmark::State& state) {
    auto frame = runtime::make<framework::BitmapData>(scene::WIDTH, scene::HEIGHT, false, static_cast<int>(0xFF000000));
    auto rect = runtime::make<framework::Rectangle>(0, 0, scene::WIDTH, scene::HEIGHT);
    int colour = 0;
    for (auto _ : state) {
        frame->fillRect(rect, static_cast<int>(0xFF000000) | (colour++ & 0xFF));
        benchmark::DoNotOptimize(frame->getPixel32(0, 0));
    }
}
BENCHMARK(BM_FillFrame)->Unit(benchmark::kMicrosecond);

void BM_SpriteScene(benchmark::State& state) {
    scene::Scene s(2000);
    for (auto _ : state) {
        s.update(1.0 / 60);
        s.draw();
        benchmark::DoNotOptimize(s.frame->getPixel32(0, 0));
    }
}
BENCHMARK(BM_SpriteScene)->Unit(benchmark::kMicrosecond);

// The scene with the map's tiles drawn at their own size (no 1 % enlargement), so that every tile
// lies on whole pixels.
void BM_SpriteSceneWholePixelTiles(benchmark::State& state) {
    scene::Scene s(2000);
    s.map->tileScaleHack = 1;
    for (auto _ : state) {
        s.update(1.0 / 60);
        s.draw();
        benchmark::DoNotOptimize(s.frame->getPixel32(0, 0));
    }
}
BENCHMARK(BM_SpriteSceneWholePixelTiles)->Unit(benchmark::kMicrosecond);

// The same frame without rasterising: the engine's own share (update and batch filling).
void BM_SpriteSceneBatchesOnly(benchmark::State& state) {
    scene::Scene s(2000);
    for (auto _ : state) {
        s.update(1.0 / 60);
        s.camera->clearDrawStack();
        s.map->draw();
        s.group->draw();
        benchmark::DoNotOptimize(s.camera->_currentStackItem->position);
    }
}
BENCHMARK(BM_SpriteSceneBatchesOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
