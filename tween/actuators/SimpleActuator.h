#pragma once
// The default actuator: animates numeric properties of any object by name on the frame clock.
// One static list holds every started actuator and one "enterFrame" listener on the stage
// advances them all. Names are resolved at the first update; later frames write through the
// members' numeric setters without building strings or allocating. The details live inline in
// the actuator's own list, and the pass calls a plain SimpleActuator's update directly, so a
// frame's cost grows with the running tweens alone.
#include <algorithm>
#include <string_view>
#include <vector>

#include "GenericActuator.h"
#include "PropertyDetails.h"

namespace framework {
class Event;
}

namespace tween {

class SimpleActuator : public GenericActuator {
    RUNTIME_CLASS(SimpleActuator)
public:
    // Every started actuator not yet dropped, in start order; inactive ones leave on the next pass.
    static inline std::vector<runtime::Ref<SimpleActuator>> actuators;
    static inline int actuatorsLength = 0;
    // The per-frame listener is on the stage.
    static inline bool addedEvent = false;

    SimpleActuator(const runtime::Ref<runtime::Object>& target, double duration,
                   const runtime::Ref<runtime::Object>& properties);
    explicit SimpleActuator(runtime::NoInit n) : GenericActuator(n) {}

    // The actuator kind.
    static runtime::Ref<GenericActuator> create(const runtime::Ref<runtime::Object>& target, double duration,
                                                const runtime::Ref<runtime::Object>& properties);

    runtime::Ref<IGenericActuator> autoVisible(bool value = true) override;
    // Also moves the start of the current pass: timeOffset = startTime + seconds.
    runtime::Ref<IGenericActuator> delay(double duration) override;
    // Also turns on the call after every update.
    runtime::Ref<IGenericActuator> onUpdate(const Handler& handler, const Params& parameters = nullptr) override;
    // Joins the per-frame list; shows a hidden display object whose alpha is tweened above 0.
    void move() override;
    void pause() override;
    void resume() override;
    // Acts only while active, and only when properties is null or shares a key with the record.
    void stop(const runtime::Ref<runtime::Object>& properties, bool complete, bool sendEvents) override;

    using runtime::Object::getField;
    using runtime::Object::setField;
    virtual void setField(runtime::Object* target, std::string_view name, const runtime::Value& value);
    virtual runtime::Value getField(runtime::Object* target, std::string_view name);
    // Reads the start values and builds propertyDetails (numeric properties only).
    virtual void initialize();
    virtual void setProperty(PropertyDetails& details, const runtime::Value& value);
    // One step at clock time t (seconds).
    virtual void update(double t);

    // The per-frame pass over every actuator.
    static void stage_onEnterFrame(const runtime::Ref<framework::Event>& event);
    // The tween clock: the framework's milliseconds in seconds.
    static double now();

    // What every frame reads comes first.
    double timeOffset = 0;
    bool active = true;
    bool initialized = false;
    bool paused = false;
    bool sendChange = false;
    int detailsLength = 0;
    std::vector<PropertyDetails> propertyDetails;

protected:
    // Set by move when the object is a SimpleActuator and not a kind derived from it.
    bool exact_ = false;

public:
    bool cacheVisible = false;
    bool setVisible = false;
    bool toggleVisible = false;
    double pauseTime = 0;
    double startTime = 0;

protected:
    // Writes every property for pass progress p (0 to 1): start + change × eased progress, with
    // the options of the slower path when special is set.
    virtual void interpolate(double p);
    // The write of one value, numeric fast path first.
    void write(PropertyDetails& details, double value);
    // The write of floor(value + 0.5) as a whole number.
    void writeSnapped(PropertyDetails& details, double value);
    // The live object a numeric setter may be called on; null when the detail has no setter or
    // its object is gone.
    runtime::Object* numericTarget(const PropertyDetails& details) const;
    // detailsLength within the list (it may be written by name).
    std::size_t detailCount() const {
        return detailsLength <= 0 ? 0 : std::min(static_cast<std::size_t>(detailsLength), propertyDetails.size());
    }

private:
    static void addListener();
    // The pass's step: update without the virtual calls when this is a plain SimpleActuator.
    void step(double t);
    // Asks the memory for what the pass will read of this actuator and, once they are near, of
    // its details and target, so that a long list does not wait on every step.
    void prefetchHot() const;
    void prefetchDetails() const;
};

}  // namespace tween
