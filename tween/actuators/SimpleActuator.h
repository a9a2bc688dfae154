#pragma once
// The default actuator: animates numeric properties of any object by name on the frame clock.
// One static list holds every started actuator and one "enterFrame" listener on the stage
// advances them all. Names are resolved at the first update; later frames write through the
// members' numeric setters (or straight into double fields) without building strings or
// allocating. A plain tween in mid-pass is stepped from a compact copy of what a frame reads
// (its lane), so a frame touches little memory per tween and its cost grows with the running
// tweens alone.
#include <algorithm>
#include <cstdint>
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
    ~SimpleActuator() override;

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
    // A write by name may change what the pass relies on.
    void setField(std::string_view name, const runtime::Value& value, bool propertyAccess = true) override;
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

    void configurationChanged() override { laneChanged(); }

private:
    // What the pass reads of a plain running tween in mid-pass, in a small record of its own
    // (records sit side by side in a pool, apart from the actuators): a copy of its time, ease
    // and details, with each write resolved to a double field's storage or a numeric setter.
    // The pass steps such a tween from the record alone. It is refreshed after every ordinary
    // step and set aside (fast = false) by anything that changes the actuator.
    struct Lane {
        static constexpr std::size_t WRITES = 4;
        struct Write {
            double start, change;
            // A double field's address with the low bit set, or a numeric setter.
            std::uintptr_t to;
        };
        double timeOffset = 0, duration = 0;
        IEasing::Curve curve = nullptr;
        IEasing* ease = nullptr;
        runtime::Object* target = nullptr;
        std::size_t count = 0;
        bool fast = false;
        Write writes[WRITES];

        // Writes every property for pass progress p (below 1).
        void advance(double p) const;
    };
    // One lane per entry of actuators, in the same order.
    static inline std::vector<Lane*> lanes_;
    static Lane* newLane();
    static void freeLane(Lane* lane);

    static void addListener();
    // The pass's step: update without the virtual calls when this is a plain SimpleActuator.
    void step(double t);
    void laneChanged() {
        if (lane_) lane_->fast = false;
    }
    // Copies what the pass needs into the lane, and marks it fast when the tween is a plain one
    // in mid-pass whose every write is a numeric setter or double field of the held target.
    void refreshLane();

    Lane* lane_ = nullptr;
};

}  // namespace tween
