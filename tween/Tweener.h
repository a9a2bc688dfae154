#pragma once
// The static facade that starts and stops every tween. Each animated target has a library: the
// actuators attached to it, oldest first. The facade advances nothing itself (SimpleActuator's
// per-frame pass does).
#include <unordered_map>

#include "platform/runtime/Array.h"
#include "platform/runtime/Function.h"
#include "tween/EffectsOptions.h"
#include "tween/TransformOptions.h"
#include "tween/actuators/GenericActuator.h"
#include "tween/easing/Expo.h"

namespace tween {

class Tweener {
public:
    // Makes an actuator from (target, duration in seconds, properties record).
    using ActuatorKind = runtime::Ref<GenericActuator> (*)(const runtime::Ref<runtime::Object>& target, double duration,
                                                           const runtime::Ref<runtime::Object>& properties);

    // One entry of targetLibraries: the target (held while it has a library) and its actuators.
    struct Library {
        runtime::Ref<runtime::Object> target;
        runtime::Ref<runtime::Array> actuators;
    };

    // The ease every new actuator starts with: one shared ExpoEaseOut.
    static inline runtime::Ref<IEasing> defaultEase = Expo::get_easeOut();
    // Libraries by target identity.
    static inline std::unordered_map<const runtime::Object*, Library> targetLibraries;
    // Null means SimpleActuator.
    static inline ActuatorKind defaultActuator = nullptr;

    // Animates the target's named properties to the record's values. A duration that is not
    // above 0 writes them at once (apply). With overwrite, running tweens of the target that share
    // a name with the record stop silently. Null for a null target.
    static runtime::Ref<GenericActuator> tween(const runtime::Ref<runtime::Object>& target, double duration,
                                               const runtime::Ref<runtime::Object>& properties, bool overwrite = true,
                                               ActuatorKind kind = nullptr);
    // Stops the target's tweens of these names (with their handlers) and writes every key now.
    static runtime::Ref<GenericActuator> apply(const runtime::Ref<runtime::Object>& target,
                                               const runtime::Ref<runtime::Object>& properties,
                                               ActuatorKind kind = nullptr);
    // target: an object or an actuator. properties: null, a name, an Array of names or a record.
    static void stop(const runtime::Ref<runtime::Object>& target, const runtime::Value& properties = runtime::Value(),
                     bool complete = false, bool sendEvents = true);
    static void pause(const runtime::Ref<runtime::Object>& target);
    static void resume(const runtime::Ref<runtime::Object>& target);
    static void pauseAll();
    static void resumeAll();
    // Tweens the arguments of a function from start to end (Arrays; null: an empty list, and the
    // start list for end) with the MethodActuator kind.
    static runtime::Ref<GenericActuator> update(const runtime::Ref<runtime::Function>& target, double duration,
                                                const runtime::Value& start = runtime::Value(),
                                                const runtime::Value& end = runtime::Value(), bool overwrite = true);
    // Colour and sound transform tweens of the target, started by the options' color or sound.
    static runtime::Ref<TransformOptions> transform(const runtime::Ref<runtime::Object>& target, double duration = 0,
                                                    bool overwrite = true);
    // Filter tweens of a display object, started by the options' filter.
    static runtime::Ref<EffectsOptions> effects(const runtime::Ref<runtime::Object>& target, double duration = 0,
                                                bool overwrite = true);
    // Moves the target along component paths: the record's values (MotionPath's x, y, rotation).
    static runtime::Ref<GenericActuator> motionPath(const runtime::Ref<runtime::Object>& target, double duration,
                                                    const runtime::Ref<runtime::Object>& properties,
                                                    bool overwrite = true);
    // A timer on the tween clock: a TweenTimer's progress tweened from 0 to 1, overwriting nothing.
    // Hang the work on the actuator (onComplete, onUpdate, repeat, ...).
    static runtime::Ref<GenericActuator> timer(double duration, ActuatorKind kind = nullptr);
    // Stops every tween silently and forgets every library.
    static void reset();

    // The target's actuators, or null; with allowCreation an empty library is made when missing.
    static runtime::Ref<runtime::Array> getLibrary(const runtime::Ref<runtime::Object>& target,
                                                   bool allowCreation = true);
    // Takes the actuator out of its target's library; an emptied library is dropped.
    static void unload(GenericActuator* actuator);
    // True while any target has a library.
    static bool isActive();

private:
    static ActuatorKind kindOr(ActuatorKind kind);
    static IGenericActuator* entry(const runtime::Ref<runtime::Array>& library, int i);
};

}  // namespace tween
