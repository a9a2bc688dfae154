#include "EngAssets.h"

#include <initializer_list>
#include <utility>

#include "FontDefault.h"
#include "engine/EngG.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "framework/assets/Assets.h"
#include "framework/display/Graphics.h"
#include "framework/media/Sound.h"

namespace engine {

using runtime::Ref;

void EngAssets::init() { framework::Font::registerFont(&FontDefault::staticClass()); }

void EngAssets::drawLogo(const Ref<framework::Graphics>& g) {
    using Points = std::initializer_list<std::pair<double, double>>;
    auto polygon = [&](int color, Points points) {
        g->beginFill(color, 1);
        bool first = true;
        for (auto [px, py] : points) {
            if (first) g->moveTo(px, py);
            else g->lineTo(px, py);
            first = false;
        }
        g->endFill();
    };
    polygon(0x00B922, {{50, 13}, {51, 13}, {87, 50}, {87, 51}, {51, 87}, {50, 87}, {13, 51}, {13, 50}, {50, 13}});
    polygon(0xFFC132, {{0, 0}, {25, 0}, {50, 13}, {13, 50}, {0, 25}, {0, 0}});
    polygon(0xF5274E, {{100, 0}, {75, 0}, {51, 13}, {87, 50}, {100, 25}, {100, 0}});
    polygon(0x3641FF, {{0, 100}, {25, 100}, {50, 87}, {13, 51}, {0, 75}, {0, 100}});
    polygon(0x04CDFB, {{100, 100}, {75, 100}, {51, 87}, {87, 51}, {100, 75}, {100, 100}});
}

Ref<framework::BitmapData> EngAssets::getBitmapData(const runtime::String& id) {
    return framework::Assets::getBitmapData(id, false);
}

Ref<framework::Sound> EngAssets::getSound(const runtime::String& id) {
    return framework::Assets::getSound(runtime::String(id.str() + ".ogg"), true);
}

void EngAssets::cacheSounds() {
    Ref<runtime::Array> ids = framework::Assets::list(framework::AssetType::SOUND);
    if (!ids) return;
    for (const auto& id : ids->items) EngG::sound->cache(id.toStringValue());
}

}  // namespace engine
