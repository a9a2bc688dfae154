#include "RatioScaleMode.h"

#include <cmath>

#include "engine/EngG.h"

namespace engine {

void RatioScaleMode::updateGameSize(int width, int height) {
    double ratio = static_cast<double>(EngG::width) / EngG::height;
    double windowRatio = static_cast<double>(width) / height;
    if (ratio > windowRatio) {
        gameSize->set_x(width);
        gameSize->set_y(std::floor(gameSize->x / ratio));
    } else {
        gameSize->set_y(height);
        gameSize->set_x(std::floor(gameSize->y * ratio));
    }
}

}  // namespace engine
