#pragma once
// Makes an object blink: toggles its visibility every interval for a duration, then leaves it at
// a chosen visibility. At most one flicker runs per object; finished flickers are pooled.
#include <map>

#include "engine/EngObject.h"
#include "engine/interfaces/IEngDestroyable.h"
#include "engine/util/EngPool.h"
#include "engine/util/EngTimer.h"

namespace engine {

class EngFlicker : public runtime::Object, public IEngDestroyable {
    RUNTIME_CLASS(EngFlicker)
public:
    EngFlicker() = default;
    explicit EngFlicker(runtime::NoInit) {}

    static const runtime::Ref<EngPool<EngFlicker>>& _pool();
    // The running flicker of each object, by identity.
    static std::map<EngObject*, runtime::Ref<EngFlicker>>& _boundObjects();

    // An interval of 0 or less uses the step time; a duration shorter than one interval blinks
    // until stopped. forceRestart replaces a running flicker of the object.
    static void flicker(const runtime::Ref<EngObject>& object, double duration = 1, double interval = 0.04,
                        bool endVisibility = true, bool forceRestart = true,
                        runtime::Ref<runtime::Function> completionCallback = nullptr,
                        runtime::Ref<runtime::Function> progressCallback = nullptr);
    static bool isFlickering(const runtime::Ref<EngObject>& object);
    // Stops the object's flicker and leaves it visible; no callback runs.
    static void stopFlickering(const runtime::Ref<EngObject>& object);

    void destroy() override;
    virtual void start(runtime::Ref<EngObject> object, double duration, double interval, bool endVisibility,
                       runtime::Ref<runtime::Function> completionCallback,
                       runtime::Ref<runtime::Function> progressCallback);
    virtual void stop();
    virtual void release();
    virtual void flickerProgress(const runtime::Ref<EngTimer>& timer);

    runtime::Ref<EngObject> object;
    bool endVisibility = false;
    runtime::Ref<EngTimer> timer;
    runtime::Ref<runtime::Function> completionCallback;
    runtime::Ref<runtime::Function> progressCallback;
    double duration = 0;
    double interval = 0;
};

}  // namespace engine
