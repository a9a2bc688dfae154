#include "PixelSmoother.h"

#include <cmath>
#include <cstdint>

#include "G.h"
#include "Game.h"
#include "framework/assets/Assets.h"
#include "framework/geom/Matrix.h"
#include "framework/geom/Rectangle.h"

namespace game {

using framework::BitmapData;

PixelSmoother::BMD PixelSmoother::smoothAsset(const runtime::String& id, int, bool) {
    return framework::Assets::getBitmapData(id, true);
}

PixelSmoother::BMD PixelSmoother::smoothBMD(const BMD& source, int tileSize, bool smooth, const BMD& target) {
    if (!source) return nullptr;
    if (!smooth) return source;
    BMD dest = target;
    if (dest) {
        dest->fillRect(runtime::make<framework::Rectangle>(0, 0, dest->get_width(), dest->get_height()), 0);
    } else {
        dest = runtime::make<BitmapData>(source->get_width() * 2, source->get_height() * 2, true, 0);
    }
    dest->draw(source, runtime::make<framework::Matrix>(2, 0, 0, 2, 0, 0), nullptr, std::nullopt, nullptr, false);
    if (!smoothed) return dest;

    const int width = source->get_width(), height = source->get_height();
    bool lastWrote = false;
    std::vector<bool> rowWrote;
    auto rowWroteAt = [&](int y) { return y < static_cast<int>(rowWrote.size()) && rowWrote[y]; };
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            if (tileSize != -1 &&
                (x % 32 == 0 || x % 32 == tileSize - 1 || y % 32 == 0 || y % 32 == tileSize - 1))
                continue;
            int u = source->getPixel32(x, y - 1);
            int l = source->getPixel32(x - 1, y);
            int r = source->getPixel32(x + 1, y);
            int d = source->getPixel32(x, y + 1);
            int c = source->getPixel32(x, y);
            if (u == l && u == r && l == d && r == d) continue;
            bool wrote = false;
            if (u != c && u == l && !lastWrote && y != 0 && !rowWroteAt(y)) dest->setPixel32(2 * x, 2 * y, u);
            if (d != c) {
                if (d == l) dest->setPixel32(2 * x, 2 * y + 1, d);
                if (d == r) {
                    dest->setPixel32(2 * x + 1, 2 * y + 1, d);
                    wrote = true;
                }
            }
            lastWrote = wrote;
            if (static_cast<int>(rowWrote.size()) <= y) rowWrote.resize(y + 1, false);
            rowWrote[y] = wrote;
        }
    }
    return dest;
}

void PixelSmoother::reRender(const std::string& id) {
    BMD source = framework::Assets::getBitmapData(id, true);
    auto tile = tileSizes.find(id);
    auto scale = scales.find(id);
    auto old = cache.find(id);
    cache[id] = smoothBMD(source, tile == tileSizes.end() ? -1 : tile->second,
                          scale == scales.end() ? true : scale->second != 0, old == cache.end() ? nullptr : old->second);
}

void PixelSmoother::setPixelFilter(bool on, bool immediate) {
    smoothed = on;
    if (!immediate) {
        filterChangeProgress = 0;
        return;
    }
    for (const std::string& id : keys) reRender(id);
}

void PixelSmoother::updateFilterChange() {
    int done = 0;
    while (filterChangeProgress < static_cast<int>(keys.size())) {
        reRender(keys[filterChangeProgress]);
        ++filterChangeProgress;
        if (++done == 2) {
            if (Game::ui && Game::ui->loadingScreen)
                Game::ui->loadingScreen->update(static_cast<double>(filterChangeProgress) / keys.size());
            return;
        }
    }
    if (G::mapState) G::mapState->finishFilterChange();
}

void PixelSmoother::loadPalettes() {
    gameColors.clear();
    gameColorsLoaded = true;
    BMD source = framework::Assets::getBitmapData("assets/misc/GLV2_Palette.png", true);
    BMD game = framework::Assets::getBitmapData("assets/misc/GLV2_GamePalette.png", true);
    if (!source || !game) return;
    for (int x = 0; x < source->get_width(); ++x)
        for (int y = 0; y < source->get_height(); ++y)
            if (source->getPixel32(x, y) != 0) gameColors[source->getPixel(x, y)] = game->getPixel(x, y);
}

void PixelSmoother::paletteSwap(const BMD& bitmap) {
    if (!bitmap || !gameColorsLoaded) return;
    for (int x = 0; x < bitmap->get_width(); ++x) {
        for (int y = 0; y < bitmap->get_height(); ++y) {
            auto it = gameColors.find(bitmap->getPixel(x, y));
            if (it != gameColors.end() && it->second != 0) bitmap->setPixel(x, y, it->second);
        }
    }
}

int PixelSmoother::lerp(int from, int to, double amount) {
    auto channel = [&](int shift) {
        double f = (static_cast<uint32_t>(from) >> shift) & 0xFF;
        double t = (static_cast<uint32_t>(to) >> shift) & 0xFF;
        return static_cast<uint32_t>(static_cast<int>(std::trunc((t - f) * amount + f)));
    };
    uint32_t a = channel(24), r = channel(16), g = channel(8), b = channel(0);
    return static_cast<int>(((a * 256 + r) * 256 + g) * 256 + b);
}

}  // namespace game
