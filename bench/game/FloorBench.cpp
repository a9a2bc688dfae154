// Generating one ordinary dungeon floor, and one path search across an open floor (a flood
// test over the same floor runs beside them as the reference). A 60 fps frame is 16.7 ms.
#include <benchmark/benchmark.h>

#include "game/data/GameData.h"
#include "game/floor/FloorRandom.h"
#include "game/floor/MapData.h"
#include "platform/runtime/Trace.h"

namespace {

class Sink : public game::MapStateLink {
public:
    void setFoundMovePath(const std::vector<runtime::Ref<framework::Point>>& path,
                          const runtime::Ref<framework::Point>&) override {
        found = path.size();
    }
    std::optional<std::pair<int, int>> heroCell() const override { return std::nullopt; }
    size_t found = 0;
};

void setUp() {
    runtime::Trace::setHandler([](const runtime::Value&, const runtime::Trace::Position&) {});
    game::ZoneData::setZones();
    game::GameData::currentFloor = 33;
    game::GameData::secretTheseFiveFloors = true;
    game::MapData::timer = [] { return 0; };  // a frozen clock: a search finishes in one call
}

// One ordinary floor (floor 33: ten or eleven zones), a new seed each iteration; run with
// repetitions over 100 seeds and read the median.
void BM_GenerateOrdinaryFloor(benchmark::State& state) {
    setUp();
    Sink sink;
    uint64_t seed = 0;
    for (auto _ : state) {
        game::FloorRandom::setSource(game::FloorRandom::seeded(seed++ % 100));
        auto floor = runtime::make<game::MapData>(&sink);
        benchmark::DoNotOptimize(floor->floorTiles.size());
    }
}
BENCHMARK(BM_GenerateOrdinaryFloor)->Iterations(100)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

runtime::Ref<game::MapData> emptyFloor(Sink& sink) {
    auto blank = runtime::make<game::TiledMap>(32, 32, std::vector<runtime::Ref<game::TiledTileset>>{},
                                               std::vector<runtime::Ref<game::TiledLayer>>{},
                                               std::vector<runtime::Ref<game::RainRect>>{});
    auto floor = runtime::make<game::MapData>(&sink, blank);
    for (int x = 1; x < 31; ++x)
        for (int y = 1; y < 31; ++y) floor->tiles[x][y]->wall = false;
    // A wall across most of the floor, so the search must go round it.
    for (int y = 1; y < 28; ++y) floor->tiles[16][y]->wall = true;
    return floor;
}

// From one corner of the open floor to the opposite one.
void BM_PathSearchAcrossEmptyFloor(benchmark::State& state) {
    setUp();
    Sink sink;
    auto floor = emptyFloor(sink);
    auto from = runtime::make<framework::Point>(1, 1), to = runtime::make<framework::Point>(30, 1);
    for (auto _ : state) {
        floor->getMovePath(from, to);
        floor->updateGetMovePath();
        benchmark::DoNotOptimize(sink.found);
    }
}
BENCHMARK(BM_PathSearchAcrossEmptyFloor)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

// The reference: one flood test between the same cells.
void BM_FloodTestAcrossEmptyFloor(benchmark::State& state) {
    setUp();
    Sink sink;
    auto floor = emptyFloor(sink);
    auto from = runtime::make<framework::Point>(1, 1), to = runtime::make<framework::Point>(30, 1);
    for (auto _ : state) benchmark::DoNotOptimize(floor->pathBetween(from, to));
}
BENCHMARK(BM_FloodTestAcrossEmptyFloor)->Repetitions(9)->ReportAggregatesOnly(true)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
