// Rendering a 960×540 frame in software: (a) the frame filled with the background colour only,
// (b) a scene of one full-screen bitmap, 300 alpha-blended 32×32 bitmaps, a tile batch of 1,000
// tiles and a few vector shapes. The goal is (b) within 10× of (a) on one core. Also: a text
// field whose text changes every frame, laid out and drawn again.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "platform/media/native/NodeStore.h"
#include "platform/media/native/Renderer.h"
#include "platform/media/native/Surface.h"
#include "platform/media/native/TextFieldModel.h"
#include "platform/media/native/TileSheet.h"

namespace {
using media::GraphicsList;
using media::NodeStore;
using Op = GraphicsList::Op;

constexpr int W = 960, H = 540;

GraphicsList::Command cmd(Op op, std::initializer_list<double> v = {}) {
    GraphicsList::Command c;
    c.op = op;
    int i = 0;
    for (double x : v) c.v[i++] = x;
    return c;
}

void bitmapRect(NodeStore& store, int node, const runtime::Ref<media::Surface>& s) {
    auto fill = cmd(Op::BeginBitmapFill);
    fill.surface = s;
    GraphicsList& g = store.at(node).graphics;
    g.add(std::move(fill));
    g.add(cmd(Op::Rect, {0, 0, static_cast<double>(s->width()), static_cast<double>(s->height())}));
    g.add(cmd(Op::EndFill));
    store.at(node).contentBounds = g.bounds();
}

// A picture with some structure, straight alpha as given.
runtime::Ref<media::Surface> picture(int w, int h, uint32_t alpha, uint32_t seed) {
    auto s = runtime::make<media::Surface>(w, h, alpha != 255, 0);
    uint32_t state = seed;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            state = state * 1664525u + 1013904223u;
            s->at(x, y) = (alpha << 24) | (state >> 8 & 0xFFFFFF);
        }
    s->touch();
    return s;
}

struct Scene {
    NodeStore& store = NodeStore::get();
    int stage = store.create(NodeStore::Kind::Stage);
    std::vector<uint32_t> frame = std::vector<uint32_t>(static_cast<std::size_t>(W) * H);
    media::Renderer renderer;

    explicit Scene(bool full) {
        store.at(stage).background = 0x01102030;
        if (!full) return;
        int back = store.create(NodeStore::Kind::Object);
        store.addChild(stage, back);
        bitmapRect(store, back, picture(W, H, 255, 1));

        auto sprite = picture(32, 32, 200, 2);
        uint32_t state = 7;
        for (int i = 0; i < 300; ++i) {
            int n = store.create(NodeStore::Kind::Object);
            store.addChild(stage, n);
            bitmapRect(store, n, sprite);
            state = state * 1664525u + 1013904223u;
            store.at(n).x = static_cast<double>(state % (W - 32));
            state = state * 1664525u + 1013904223u;
            store.at(n).y = static_cast<double>(state % (H - 32));
            store.at(n).color.alphaMultiplier = 0.5;
        }

        // 1,000 16×16 tiles as a camera sends them: x, y, id, a, b, c, d, alpha.
        auto sheet = runtime::make<media::TileSheet>(picture(128, 128, 255, 3));
        for (int ty = 0; ty < 8; ++ty)
            for (int tx = 0; tx < 8; ++tx) sheet->addTile({tx * 16.0, ty * 16.0, 16, 16}, 0, 0);
        auto tiles = cmd(Op::Tiles);
        tiles.sheet = sheet;
        tiles.flags = media::TileSheet::TILE_TRANS_2x2 | media::TileSheet::TILE_ALPHA;
        for (int i = 0; i < 1000; ++i) {
            double x = (i % 50) * 19.0, y = (i / 50) * 26.0;
            tiles.data.insert(tiles.data.end(), {x, y, static_cast<double>(i % 64), 1, 0, 0, 1, 1});
        }
        int batch = store.create(NodeStore::Kind::Object);
        store.addChild(stage, batch);
        store.at(batch).graphics.add(std::move(tiles));

        int shapes = store.create(NodeStore::Kind::Object);
        store.addChild(stage, shapes);
        GraphicsList& g = store.at(shapes).graphics;
        g.add(cmd(Op::BeginFill, {0xFF8000, 0.8}));
        g.add(cmd(Op::Ellipse, {100, 100, 200, 120}));
        g.add(cmd(Op::BeginFill, {0x3366FF, 1}));
        g.add(cmd(Op::RoundRect, {600, 300, 240, 140, 30, 30}));
        auto line = cmd(Op::LineStyle, {3, 0xFFFFFF, 1, 3});
        line.flags = 1;
        line.ints = {0, 0, 0, 0};
        g.add(std::move(line));
        g.add(cmd(Op::MoveTo, {20, 500}));
        g.add(cmd(Op::LineTo, {940, 40}));
        g.add(cmd(Op::EndFill));
    }
    void render() { renderer.renderFrame(store, stage, frame.data(), W, H, W); }
};

void BM_FillFrame(benchmark::State& state) {
    Scene scene(false);
    for (auto _ : state) {
        scene.render();
        benchmark::DoNotOptimize(scene.frame.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FillFrame)->Unit(benchmark::kMicrosecond);

void BM_RenderScene(benchmark::State& state) {
    Scene scene(true);
    for (auto _ : state) {
        scene.render();
        benchmark::DoNotOptimize(scene.frame.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RenderScene)->Unit(benchmark::kMicrosecond);

// About 400 characters wrapped in a 300 × 200 box, changed and drawn each iteration.
void BM_TextChangedEachFrame(benchmark::State& state) {
    auto field = runtime::make<media::TextFieldModel>();
    field->setWidth(300);
    field->setHeight(200);
    field->setWordWrap(true);
    std::string base;
    while (base.size() < 400) base += "The hero finds 120 gold and a rusty sword. ";
    int n = 0;
    for (auto _ : state) {
        field->setText(base + std::to_string(n++));
        benchmark::DoNotOptimize(field->image());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextChangedEachFrame)->Unit(benchmark::kMicrosecond);
}  // namespace
