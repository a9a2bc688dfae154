#include "BaseScaleMode.h"

#include <cmath>

#include "engine/EngCamera.h"
#include "engine/EngG.h"
#include "engine/EngGame.h"

namespace engine {

using runtime::Ref;

BaseScaleMode::BaseScaleMode()
    : deviceSize(EngPoint::get()), gameSize(EngPoint::get()), scale(EngPoint::get()), offset(EngPoint::get()) {}

const runtime::Ref<EngPoint>& BaseScaleMode::zoom() {
    static const runtime::Ref<EngPoint> z = runtime::make<EngPoint>();
    return z;
}

void BaseScaleMode::onMeasure(int width, int height) {
    updateGameSize(width, height);
    updateDeviceSize(width, height);
    updateScaleOffset();
    updateGameScale();
    updateGamePosition();
}

void BaseScaleMode::updateGameSize(int width, int height) { gameSize->set(width, height); }

void BaseScaleMode::updateDeviceSize(int width, int height) { deviceSize->set(width, height); }

void BaseScaleMode::updateScaleOffset() {
    scale->set_x(gameSize->x / EngG::width);
    scale->set_y(gameSize->y / EngG::height);
    zoom()->set(EngCamera::defaultZoom, EngCamera::defaultZoom);
    if (EngG::camera) {
        Ref<EngPoint> cameraScale = EngG::camera->getScale();
        zoom()->set(cameraScale->x, cameraScale->y);
    }
    scale->set_x(scale->x / zoom()->x);
    scale->set_y(scale->y / zoom()->y);
    offset->set_x(std::ceil((deviceSize->x - gameSize->x) * 0.5));
    offset->set_y(std::ceil((deviceSize->y - gameSize->y) * 0.5));
}

void BaseScaleMode::updateGameScale() {
    if (!EngG::game) return;
    EngG::game->set_scaleX(scale->x);
    EngG::game->set_scaleY(scale->y);
}

void BaseScaleMode::updateGamePosition() {
    if (!EngG::game) return;
    EngG::game->set_x(offset->x);
    EngG::game->set_y(offset->y);
}

}  // namespace engine
