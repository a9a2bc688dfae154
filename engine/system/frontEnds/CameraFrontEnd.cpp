#include "CameraFrontEnd.h"

#include <algorithm>

#include "engine/EngG.h"
#include "engine/EngGame.h"
#include "framework/display/Graphics.h"

namespace engine {

using runtime::Ref;

std::vector<Ref<EngCamera>>* CameraFrontEnd::defaultCameras = nullptr;

CameraFrontEnd::CameraFrontEnd() { defaultCameras = &list; }

Ref<EngCamera> CameraFrontEnd::add(const Ref<EngCamera>& camera) {
    EngGame* game = EngG::game.get();
    game->addChildAt(camera->flashSprite, game->getChildIndex(game->_inputContainer));
    list.push_back(camera);
    camera->ID = static_cast<int>(list.size()) - 1;
    return camera;
}

void CameraFrontEnd::remove(const Ref<EngCamera>& camera, bool destroy) {
    auto it = std::find(list.begin(), list.end(), camera);
    if (camera && it != list.end()) {
        if (EngG::game && camera->flashSprite) EngG::game->removeChild(camera->flashSprite);
        list.erase(it);
    }
    for (std::size_t i = 0; i < list.size(); ++i) list[i]->ID = static_cast<int>(i);
    if (destroy && camera) camera->destroy();
}

void CameraFrontEnd::reset(Ref<EngCamera> newCamera) {
    for (const auto& camera : list) {
        if (EngG::game && camera->flashSprite) EngG::game->removeChild(camera->flashSprite);
        camera->destroy();
    }
    list.clear();
    if (!newCamera) newCamera = runtime::make<EngCamera>(0, 0, EngG::width, EngG::height, 0);
    add(newCamera);
    EngG::camera = newCamera;
    newCamera->ID = 0;
    defaultCameras = &list;
}

void CameraFrontEnd::flash(int color, double duration, const Ref<runtime::Function>& done, bool force) {
    for (const auto& camera : list) camera->flash(color, duration, done, force);
}

void CameraFrontEnd::fade(int color, double duration, bool fadeIn, const Ref<runtime::Function>& done, bool force) {
    for (const auto& camera : list) camera->fade(color, duration, fadeIn, done, force);
}

void CameraFrontEnd::shake(double intensity, double duration, const Ref<runtime::Function>& done, bool force,
                           int direction) {
    for (const auto& camera : list) camera->shake(intensity, duration, done, force, direction);
}

void CameraFrontEnd::lock() {
    for (std::size_t i = 0; i < list.size(); ++i) {
        Ref<EngCamera> camera = list[i];
        if (!camera || !camera->exists || !camera->visible) continue;
        camera->clearDrawStack();
        camera->canvas->get_graphics()->clear();
        camera->fill(camera->bgColor & 0xFFFFFF, camera->useBgAlphaBlending,
                     ((camera->bgColor >> 24) & 255) / 255.0);
    }
}

void CameraFrontEnd::render() {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (Ref<EngCamera> camera = list[i]; camera && camera->exists && camera->visible) camera->render();
}

void CameraFrontEnd::unlock() {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (Ref<EngCamera> camera = list[i]; camera && camera->exists && camera->visible) camera->drawFX();
}

void CameraFrontEnd::update() {
    for (std::size_t i = 0; i < list.size(); ++i) {
        Ref<EngCamera> camera = list[i];
        if (!camera || !camera->exists) continue;
        if (camera->active) camera->update();
        if (!camera->flashSprite) continue;
        camera->flashSprite->set_x(camera->x + camera->_flashOffset->x);
        camera->flashSprite->set_y(camera->y + camera->_flashOffset->y);
        camera->flashSprite->set_visible(camera->visible);
    }
}

int CameraFrontEnd::get_bgColor() { return EngG::camera ? EngG::camera->bgColor : static_cast<int>(0xFF000000); }

int CameraFrontEnd::set_bgColor(int color) {
    for (const auto& camera : list) camera->bgColor = color;
    return color;
}

}  // namespace engine
