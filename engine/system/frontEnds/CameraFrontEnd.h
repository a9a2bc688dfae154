#pragma once
// The engine's cameras in drawing order: puts their display sprites into the game, names the main
// camera, replaces all cameras by one default camera at every state switch, forwards the effects
// and holds the states' background colour.
#include <vector>

#include "engine/EngCamera.h"

namespace engine {

class CameraFrontEnd : public runtime::Object {
public:
    CameraFrontEnd();

    // Inserts the camera's display just below the game's input container and appends it.
    virtual runtime::Ref<EngCamera> add(const runtime::Ref<EngCamera>& camera);
    virtual void remove(const runtime::Ref<EngCamera>& camera, bool destroy = true);
    // Destroys every camera and installs the given one, or a new default one, as the only camera.
    virtual void reset(runtime::Ref<EngCamera> newCamera = nullptr);
    virtual void flash(int color = static_cast<int>(0xFFFFFFFF), double duration = 1,
                       const runtime::Ref<runtime::Function>& onComplete = nullptr, bool force = false);
    virtual void fade(int color = static_cast<int>(0xFF000000), double duration = 1, bool fadeIn = false,
                      const runtime::Ref<runtime::Function>& onComplete = nullptr, bool force = false);
    virtual void shake(double intensity = 0.05, double duration = 0.5,
                       const runtime::Ref<runtime::Function>& onComplete = nullptr, bool force = true,
                       int direction = EngCamera::SHAKE_BOTH_AXES);
    // Start of a drawn frame: every shown camera cleared and filled with its background.
    virtual void lock();
    virtual void render();
    virtual void unlock();
    // One engine step of every camera and the placement of its display.
    virtual void update();
    // The main camera's background, or opaque black without one.
    virtual int get_bgColor();
    virtual int set_bgColor(int color);

    std::vector<runtime::Ref<EngCamera>> list;

    // The engine objects without cameras of their own draw into these (the front end's list).
    static std::vector<runtime::Ref<EngCamera>>* defaultCameras;
};

}  // namespace engine
