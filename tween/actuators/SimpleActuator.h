#pragma once
// The default actuator: animates numeric properties of any object by name on the frame clock.
// One static list holds every started actuator and one "enterFrame" listener on the stage
// advances them all. Names are resolved at the first update; later frames write through the
// members' numeric fast path without building strings or allocating.
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

    double timeOffset = 0;
    bool active = true;
    bool cacheVisible = false;
    int detailsLength = 0;
    bool initialized = false;
    bool paused = false;
    double pauseTime = 0;
    std::vector<runtime::Ref<PropertyDetails>> propertyDetails;
    bool sendChange = false;
    bool setVisible = false;
    double startTime = 0;
    bool toggleVisible = false;

protected:
    // Writes every property for pass progress p (0 to 1): start + change × eased progress, with
    // the options of the slower path when special is set.
    virtual void interpolate(double p);
    // The write of one value, numeric fast path first.
    void write(PropertyDetails& details, double value);
    // The write of floor(value + 0.5) as a whole number.
    void writeSnapped(PropertyDetails& details, double value);

private:
    static void addListener();
};

}  // namespace tween
