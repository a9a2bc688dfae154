#pragma once
// A scene of the engine's sprites over the real back end: a tile map of 16-pixel tiles covering a
// 960 x 540 camera and a sprite group of animated, moving sprites (a 4-frame strip), drawn through
// the camera's batches and rasterised into a bitmap. Shared by the native engine tests and the
// benchmark.
#include <cmath>
#include <string>

#include "engine/EngCamera.h"
#include "engine/EngG.h"
#include "engine/EngSprite.h"
#include "engine/group/EngSpriteGroup.h"
#include "engine/system/frontEnds/CameraFrontEnd.h"
#include "engine/tile/EngTilemap.h"
#include "engine/util/EngRandom.h"
#include "framework/display/BitmapData.h"
#include "framework/geom/Rectangle.h"

namespace scene {

constexpr int WIDTH = 960;
constexpr int HEIGHT = 540;

// Four 16 x 16 frames: coloured squares, each with a darker centre that moves from frame to frame.
inline runtime::Ref<framework::BitmapData> spriteStrip() {
    auto strip = runtime::make<framework::BitmapData>(64, 16, true, 0);
    const int colours[] = {static_cast<int>(0xFFE04040), static_cast<int>(0xFF40C040), static_cast<int>(0xFF4070E0),
                           static_cast<int>(0xFFE0C030)};
    for (int f = 0; f < 4; ++f) {
        strip->fillRect(runtime::make<framework::Rectangle>(f * 16 + 2, 2, 12, 12), colours[f]);
        strip->fillRect(runtime::make<framework::Rectangle>(f * 16 + 4 + f, 6, 4, 4), static_cast<int>(0xFF202020));
    }
    return strip;
}

// Four 16 x 16 ground tiles: two grass shades, stone, water.
inline runtime::Ref<framework::BitmapData> tilePicture() {
    auto tiles = runtime::make<framework::BitmapData>(64, 16, false, static_cast<int>(0xFF000000));
    const int colours[] = {static_cast<int>(0xFF2E6B2E), static_cast<int>(0xFF3A7D36), static_cast<int>(0xFF707070),
                           static_cast<int>(0xFF285A9A)};
    for (int t = 0; t < 4; ++t) {
        tiles->fillRect(runtime::make<framework::Rectangle>(t * 16, 0, 16, 16), colours[t]);
        tiles->fillRect(runtime::make<framework::Rectangle>(t * 16, 0, 16, 1), static_cast<int>(0xFF1E3A1E));
        tiles->fillRect(runtime::make<framework::Rectangle>(t * 16, 0, 1, 16), static_cast<int>(0xFF1E3A1E));
    }
    return tiles;
}

// Comma-separated cells (1 to 4) of a map of columns x rows: grass with a stone road and a pond.
inline std::string mapText(int columns, int rows) {
    std::string text;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            int dx = c - 40, dy = r - 22;
            int v = (dx * dx + dy * dy < 60) ? 4 : (r == 10 || c == 20) ? 3 : 1 + ((c * 7 + r * 3) % 5 == 0);
            text += std::to_string(v) + (c + 1 < columns ? "," : "");
        }
        if (r + 1 < rows) text += "\n";
    }
    return text;
}

struct Scene {
    runtime::Ref<engine::EngCamera> camera;
    runtime::Ref<engine::EngTilemap> map;
    runtime::Ref<engine::EngSpriteGroup> group;
    runtime::Ref<framework::BitmapData> frame;

    // The engine's globals with one camera of the scene's size; count sprites placed at random.
    explicit Scene(int count) {
        engine::EngG::staticInit();
        engine::EngG::width = WIDTH;
        engine::EngG::height = HEIGHT;
        camera = runtime::make<engine::EngCamera>(0, 0, WIDTH, HEIGHT, 1);
        engine::EngG::cameras->list = {camera};
        engine::EngG::camera = camera;
        engine::EngRandom::set_globalSeed(27);
        map = runtime::make<engine::EngTilemap>();
        // Cell values 1 to 4 show picture tiles 0 to 3.
        map->loadMap(runtime::Value(runtime::String(mapText(61, 35))), runtime::Value(tilePicture()), 16, 16, 0, 1);
        group = runtime::make<engine::EngSpriteGroup>();
        runtime::Ref<framework::BitmapData> strip = spriteStrip();
        for (int i = 0; i < count; ++i) {
            auto sprite = runtime::make<engine::EngSprite>(engine::EngRandom::float_() * (WIDTH - 16),
                                                           engine::EngRandom::float_() * (HEIGHT - 16));
            sprite->loadGraphic(runtime::Value(strip), true);
            auto frames = std::make_shared<std::vector<int>>(std::vector<int>{0, 1, 2, 3});
            sprite->animation->add("spin", frames, 4 + i % 9);
            sprite->animation->play("spin", true, i % 4);
            sprite->velocity->set(std::cos(i) * 40, std::sin(i) * 40);
            group->add(sprite);
        }
        frame = runtime::make<framework::BitmapData>(WIDTH, HEIGHT, false, static_cast<int>(0xFF000000));
    }

    // One engine step of elapsed seconds: sprites move and animate, bouncing off the edges.
    void update(double elapsed) {
        engine::EngG::elapsed = elapsed;
        group->update();
        for (const auto& member : group->group->members) {
            auto* s = static_cast<engine::EngSprite*>(member.get());
            if ((s->x < 0 && s->velocity->x < 0) || (s->x > WIDTH - 16 && s->velocity->x > 0))
                s->velocity->set_x(-s->velocity->x);
            if ((s->y < 0 && s->velocity->y < 0) || (s->y > HEIGHT - 16 && s->velocity->y > 0))
                s->velocity->set_y(-s->velocity->y);
        }
    }

    // The camera's batches filled by the map and the group, handed to the tile sheets, and the
    // camera's drawing surface rasterised into frame.
    void draw() {
        engine::EngG::cameras->lock();
        map->draw();
        group->draw();
        engine::EngG::cameras->render();
        frame->draw(camera->canvas);
    }
};

}  // namespace scene
