#pragma once
// Game controllers and joysticks: opens each device SDL reports, numbers it with a small
// device index, and turns its input into native event records (the controller types of MediaRecords.def).
#include <SDL.h>

#include <vector>

#include "platform/runtime/DynamicObject.h"

namespace media {

class Controllers {
public:
    Controllers() = default;
    Controllers(const Controllers&) = delete;
    Controllers& operator=(const Controllers&) = delete;
    ~Controllers();

    // Starts SDL's controller subsystem (which reports the devices already present as added
    // devices). False when it cannot start: then there are simply no controllers.
    bool start();
    // Closes every device and stops the subsystem.
    void stop();

    // The record for a controller event: opens a device on "added" and closes it on "removed".
    // Null when the event is not controller input, or names no device opened here.
    runtime::Ref<runtime::DynamicObject> translate(const SDL_Event& e);

    // Adopts an already opened joystick or controller under the given SDL instance id (the
    // translation is then testable with pushed events). Returns the device index it gets.
    int adopt(SDL_JoystickID instance, SDL_GameController* pad, SDL_Joystick* stick);
    int deviceCount() const;

private:
    struct Device {
        SDL_JoystickID instance = -1;
        SDL_GameController* pad = nullptr;  // set for devices with a controller mapping
        SDL_Joystick* stick = nullptr;      // set for plain joysticks
        bool used = false;
    };
    Device* find(SDL_JoystickID instance);
    int indexOf(const Device* d) const { return static_cast<int>(d - devices_.data()); }
    runtime::Ref<runtime::DynamicObject> opened(int sdlIndex);
    runtime::Ref<runtime::DynamicObject> closed(SDL_JoystickID instance);

    std::vector<Device> devices_;  // a slot per device index; a removed device frees its slot
    bool started_ = false;
};

}  // namespace media
