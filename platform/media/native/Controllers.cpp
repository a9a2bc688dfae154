#include "Controllers.h"

#include <cstdio>

#include "platform/media/MediaRecords.h"

namespace media {

namespace {
using R = MediaRecords;
using F = RecordField;
using T = RecordType;

runtime::Ref<runtime::DynamicObject> record(RecordType type, int device, int code) {
    auto r = R::make(type);
    R::set(*r, F::id, runtime::Value(device));
    R::set(*r, F::code, runtime::Value(code));
    return r;
}
}  // namespace

Controllers::~Controllers() { stop(); }

bool Controllers::start() {
    if (started_) return true;
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        std::fprintf(stderr, "media-native: no controller support: %s\n", SDL_GetError());
        return false;
    }
    started_ = true;
    return true;
}

void Controllers::stop() {
    for (Device& d : devices_) {
        if (d.pad) SDL_GameControllerClose(d.pad);
        else if (d.stick) SDL_JoystickClose(d.stick);
    }
    devices_.clear();
    if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
    started_ = false;
}

int Controllers::adopt(SDL_JoystickID instance, SDL_GameController* pad, SDL_Joystick* stick) {
    if (Device* known = find(instance)) return indexOf(known);
    std::size_t slot = 0;
    while (slot < devices_.size() && devices_[slot].used) ++slot;
    if (slot == devices_.size()) devices_.emplace_back();
    devices_[slot] = Device{instance, pad, stick, true};
    return static_cast<int>(slot);
}

int Controllers::deviceCount() const {
    int n = 0;
    for (const Device& d : devices_) n += d.used ? 1 : 0;
    return n;
}

Controllers::Device* Controllers::find(SDL_JoystickID instance) {
    for (Device& d : devices_)
        if (d.used && d.instance == instance) return &d;
    return nullptr;
}

runtime::Ref<runtime::DynamicObject> Controllers::opened(int sdlIndex) {
    SDL_GameController* pad = nullptr;
    SDL_Joystick* stick = nullptr;
    if (SDL_IsGameController(sdlIndex)) pad = SDL_GameControllerOpen(sdlIndex);
    if (pad) stick = SDL_GameControllerGetJoystick(pad);
    else stick = SDL_JoystickOpen(sdlIndex);
    if (!stick) return nullptr;
    SDL_JoystickID instance = SDL_JoystickInstanceID(stick);
    // The subsystem reports present devices once more when it starts: one slot each.
    if (find(instance)) {
        if (pad) SDL_GameControllerClose(pad);
        else SDL_JoystickClose(stick);
        return nullptr;
    }
    int device = adopt(instance, pad, pad ? nullptr : stick);
    auto r = record(T::etJoyDeviceAdded, device, 0);
    // x: how many axes the device reports.
    R::set(*r, F::x, runtime::Value(pad ? static_cast<int>(SDL_CONTROLLER_AXIS_MAX) : SDL_JoystickNumAxes(stick)));
    return r;
}

runtime::Ref<runtime::DynamicObject> Controllers::closed(SDL_JoystickID instance) {
    Device* d = find(instance);
    if (!d) return nullptr;
    int device = indexOf(d);
    if (d->pad) SDL_GameControllerClose(d->pad);
    else if (d->stick) SDL_JoystickClose(d->stick);
    *d = Device{};
    return record(T::etJoyDeviceRemoved, device, 0);
}

runtime::Ref<runtime::DynamicObject> Controllers::translate(const SDL_Event& e) {
    switch (e.type) {
        case SDL_JOYDEVICEADDED: return opened(e.jdevice.which);
        case SDL_JOYDEVICEREMOVED: return closed(e.jdevice.which);
        default: break;
    }
    // Mapped controllers report through the controller events, plain joysticks through the
    // joystick events; each device's input is taken from one of the two only.
    SDL_JoystickID instance = -1;
    bool controllerEvent = false;
    switch (e.type) {
        case SDL_CONTROLLERAXISMOTION: instance = e.caxis.which; controllerEvent = true; break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP: instance = e.cbutton.which; controllerEvent = true; break;
        case SDL_JOYAXISMOTION: instance = e.jaxis.which; break;
        case SDL_JOYBALLMOTION: instance = e.jball.which; break;
        case SDL_JOYHATMOTION: instance = e.jhat.which; break;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP: instance = e.jbutton.which; break;
        default: return nullptr;
    }
    Device* d = find(instance);
    if (!d || (d->pad != nullptr) != controllerEvent) return nullptr;
    int device = indexOf(d);
    runtime::Ref<runtime::DynamicObject> r;
    switch (e.type) {
        case SDL_CONTROLLERAXISMOTION:
            r = record(T::etJoyAxisMove, device, e.caxis.axis);
            R::set(*r, F::value, runtime::Value(static_cast<int>(e.caxis.value)));
            break;
        case SDL_JOYAXISMOTION:
            r = record(T::etJoyAxisMove, device, e.jaxis.axis);
            R::set(*r, F::value, runtime::Value(static_cast<int>(e.jaxis.value)));
            break;
        case SDL_CONTROLLERBUTTONDOWN:
        case SDL_CONTROLLERBUTTONUP:
            r = record(e.type == SDL_CONTROLLERBUTTONDOWN ? T::etJoyButtonDown : T::etJoyButtonUp, device,
                       e.cbutton.button);
            break;
        case SDL_JOYBUTTONDOWN:
        case SDL_JOYBUTTONUP:
            r = record(e.type == SDL_JOYBUTTONDOWN ? T::etJoyButtonDown : T::etJoyButtonUp, device, e.jbutton.button);
            break;
        case SDL_JOYBALLMOTION:
            r = record(T::etJoyBallMove, device, e.jball.ball);
            R::set(*r, F::x, runtime::Value(static_cast<double>(e.jball.xrel)));
            R::set(*r, F::y, runtime::Value(static_cast<double>(e.jball.yrel)));
            break;
        case SDL_JOYHATMOTION:
            // SDL's hat bits are the record's: 1 up, 2 right, 4 down, 8 left.
            r = record(T::etJoyHatMove, device, e.jhat.hat);
            R::set(*r, F::value, runtime::Value(static_cast<int>(e.jhat.value)));
            break;
        default: break;
    }
    return r;
}

}  // namespace media
