#include "SimpleActuator.h"

#include <cmath>
#include <memory>
#include <typeinfo>

#include "framework/Lib.h"
#include "framework/display/DisplayObject.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "framework/events/Event.h"

namespace tween {

using runtime::Ref;
using runtime::Value;

namespace {
constexpr std::string_view ALPHA = "alpha";
constexpr std::string_view VISIBLE = "visible";

bool isRotation(const std::string& name) {
    return name == "rotation" || name == "rotationX" || name == "rotationY" || name == "rotationZ";
}

bool sharesKey(runtime::Object* own, runtime::Object* other) {
    if (!own) return false;
    for (const std::string& key : other->fieldNames())
        if (own->hasField(key)) return true;
    return false;
}
}  // namespace

SimpleActuator::SimpleActuator(const Ref<runtime::Object>& target, double duration, const Ref<runtime::Object>& properties)
    : GenericActuator(target, duration, properties), startTime(now()) {
    if (!addedEvent) addListener();
}

Ref<GenericActuator> SimpleActuator::create(const Ref<runtime::Object>& target, double duration,
                                            const Ref<runtime::Object>& properties) {
    return runtime::make<SimpleActuator>(target, duration, properties);
}

double SimpleActuator::now() { return framework::Lib::getTimer() / 1000.0; }

void SimpleActuator::addListener() {
    // Without a stage yet, the next actuator tries again.
    Ref<framework::Stage> stage = framework::Lib::get_current()->get_stage();
    if (!stage) return;
    addedEvent = true;
    stage->addEventListener(framework::Event::ENTER_FRAME, runtime::Function::of<&SimpleActuator::stage_onEnterFrame>());
}

void SimpleActuator::stage_onEnterFrame(const Ref<framework::Event>&) {
    double t = now();
    // The lanes follow the list entry for entry; rebuilt should the list have been changed
    // from outside.
    if (lanes_.size() != actuators.size()) {
        lanes_.assign(actuators.size(), nullptr);
        for (std::size_t i = 0; i < actuators.size(); ++i)
            if (SimpleActuator* a = actuators[i].get()) {
                if (!a->lane_) a->lane_ = newLane();
                lanes_[i] = a->lane_;
            }
    }
    // Compacts in place: entries [0, w) are the kept ones; the pass visits exactly the n
    // actuators present when it began, and those started meanwhile wait at the end. Handlers
    // run by a step may append to both lists, so they are indexed afresh after each step.
    std::size_t n = std::min(static_cast<std::size_t>(std::max(actuatorsLength, 0)), actuators.size());
    std::size_t w = 0;
    constexpr std::size_t TARGET_AHEAD = 8;
    for (std::size_t i = 0; i < n && i < actuators.size(); ++i) {
        if (i + TARGET_AHEAD < lanes_.size())
            if (const Lane* ahead = lanes_[i + TARGET_AHEAD]) __builtin_prefetch(ahead->target, 1);
        Lane* lane = lanes_[i];
        if (lane && lane->fast) {
            // Active, running and plain: stepped from its lane unless this frame ends its pass.
            if (w != i) {
                actuators[w] = std::move(actuators[i]);
                lanes_[w] = lane;
            }
            ++w;
            if (!(t >= lane->timeOffset)) continue;
            double p = (t - lane->timeOffset) / lane->duration;
            if (p < 1) {
                lane->advance(p);
                continue;
            }
            SimpleActuator* a = actuators[w - 1].get();
            a->step(t);
            a->refreshLane();
            continue;
        }
        SimpleActuator* a = actuators[i].get();
        if (a && a->active) {
            if (w != i) {
                actuators[w] = std::move(actuators[i]);
                lanes_[w] = lanes_[i];
            }
            ++w;
            if (t >= a->timeOffset) {
                a->step(t);
                a->refreshLane();
            }
        } else {
            actuators[i] = nullptr;
            lanes_[i] = nullptr;
        }
    }
    std::size_t last = std::min(n, actuators.size());
    if (w < last) {
        actuators.erase(actuators.begin() + static_cast<std::ptrdiff_t>(w),
                        actuators.begin() + static_cast<std::ptrdiff_t>(last));
        lanes_.erase(lanes_.begin() + static_cast<std::ptrdiff_t>(w), lanes_.begin() + static_cast<std::ptrdiff_t>(last));
    }
    actuatorsLength = static_cast<int>(actuators.size());
}

void SimpleActuator::Lane::advance(double p) const {
    double e = curve ? curve(p) : ease ? ease->calculate(p) : p;
    for (std::size_t i = 0; i < count; ++i) {
        const Write& w = writes[i];
        double value = w.change * e + w.start;
        if (w.to & 1) *reinterpret_cast<double*>(w.to - 1) = value;
        else reinterpret_cast<void (*)(runtime::Object*, double)>(w.to)(target, value);
    }
}

void SimpleActuator::refreshLane() {
    Lane* lane = lane_;
    if (!lane) return;
    lane->fast = false;
    runtime::Object* held = keepTarget_.get();
    std::size_t n = detailCount();
    if (!exact_ || !active || paused || !initialized || special || sendChange || !held || n > Lane::WRITES) return;
    for (std::size_t i = 0; i < n; ++i) {
        const PropertyDetails& d = propertyDetails[i];
        if (d.isField || d.object != held || !d.setNumber) return;
        std::uintptr_t to = d.member && d.member->doubleField
                                ? reinterpret_cast<std::uintptr_t>(d.member->doubleField(held)) | 1
                                : reinterpret_cast<std::uintptr_t>(d.setNumber);
        lane->writes[i] = Lane::Write{d.start, d.change, to};
    }
    lane->count = n;
    lane->timeOffset = timeOffset;
    lane->duration = duration;
    lane->ease = _ease.get();
    lane->curve = _ease ? _ease->curve() : nullptr;
    lane->target = held;
    lane->fast = true;
}

namespace {
// The lanes' pool: blocks of lanes side by side, handed out in order and reused. Never freed
// (actuators may outlive every other static).
template <class L>
struct LanePool {
    static constexpr std::size_t BLOCK = 1024;
    std::vector<std::unique_ptr<L[]>> blocks;
    std::size_t usedInLast = BLOCK;
    std::vector<L*> spare;

    static LanePool& get() {
        static auto* pool = new LanePool();
        return *pool;
    }
    L* take() {
        if (!spare.empty()) {
            L* lane = spare.back();
            spare.pop_back();
            *lane = L{};
            return lane;
        }
        if (usedInLast == BLOCK) {
            blocks.push_back(std::make_unique<L[]>(BLOCK));
            usedInLast = 0;
        }
        return &blocks.back()[usedInLast++];
    }
};
}  // namespace

SimpleActuator::Lane* SimpleActuator::newLane() { return LanePool<Lane>::get().take(); }

void SimpleActuator::freeLane(Lane* lane) { LanePool<Lane>::get().spare.push_back(lane); }

SimpleActuator::~SimpleActuator() {
    if (lane_) freeLane(lane_);
}

void SimpleActuator::setField(std::string_view name, const Value& value, bool propertyAccess) {
    GenericActuator::setField(name, value, propertyAccess);
    laneChanged();
}

Ref<IGenericActuator> SimpleActuator::autoVisible(bool value) {
    _autoVisible = value;
    if (!value) {
        toggleVisible = false;
        if (setVisible) setField(target.get(), VISIBLE, Value(cacheVisible));
    }
    return self();
}

Ref<IGenericActuator> SimpleActuator::delay(double seconds) {
    _delay = seconds;
    timeOffset = startTime + seconds;
    laneChanged();
    return self();
}

Ref<IGenericActuator> SimpleActuator::onUpdate(const Handler& handler, const Params& parameters) {
    GenericActuator::onUpdate(handler, parameters);
    sendChange = true;
    laneChanged();
    return self();
}

void SimpleActuator::move() {
    Ref<runtime::Object> t = target.lock();
    toggleVisible = properties && properties->hasField(ALPHA) && dynamic_cast<framework::DisplayObject*>(t.get());
    if (toggleVisible) {
        Value end = readByName(properties.get(), ALPHA);
        bool toZero = end.isNumber() && end.toFloat() == 0;
        if (!toZero && !getField(t.get(), VISIBLE).toBool()) {
            setVisible = true;
            cacheVisible = getField(t.get(), VISIBLE).toBool();
            setField(t.get(), VISIBLE, Value(true));
        }
    }
    timeOffset = startTime;
    keepTarget_ = t;
    exact_ = typeid(*this) == typeid(SimpleActuator);
    if (!lane_) lane_ = newLane();
    laneChanged();
    actuators.emplace_back(this);
    lanes_.push_back(lane_);
    ++actuatorsLength;
}

void SimpleActuator::pause() {
    if (paused) return;
    paused = true;
    laneChanged();
    GenericActuator::pause();
    pauseTime = framework::Lib::getTimer();
}

void SimpleActuator::resume() {
    if (!paused) return;
    paused = false;
    timeOffset += (framework::Lib::getTimer() - pauseTime) / 1000;
    laneChanged();
    GenericActuator::resume();
}

void SimpleActuator::stop(const Ref<runtime::Object>& props, bool completeFlag, bool sendEvents) {
    if (!active) return;
    if (props && !sharesKey(properties.get(), props.get())) return;
    Ref<SimpleActuator> keep(this);
    active = false;
    laneChanged();
    if (completeFlag) apply();
    complete(sendEvents);
}

void SimpleActuator::setField(runtime::Object* t, std::string_view name, const Value& value) {
    writeByName(t, name, value);
}

Value SimpleActuator::getField(runtime::Object* t, std::string_view name) { return readByName(t, name); }

void SimpleActuator::initialize() {
    Ref<runtime::Object> t = target.lock();
    if (t && properties) {
        std::vector<std::string> keys = properties->fieldNames();
        propertyDetails.reserve(keys.size());
        for (const std::string& key : keys) {
            bool isField = hasPlainField(t.get(), key);
            Value start = t->getField(key, !isField);
            if (!start.isNumber()) continue;
            // An end value that is not a number leaves the key alone.
            Value end = getField(properties.get(), key);
            if (!end.isNumber()) continue;
            propertyDetails.emplace_back(t, key, start.toFloat(), end.toFloat() - start.toFloat(), isField);
        }
    }
    detailsLength = static_cast<int>(propertyDetails.size());
    initialized = true;
    laneChanged();
}

void SimpleActuator::setProperty(PropertyDetails& d, const Value& value) {
    runtime::Object* o = d.target.get();
    if (!o) return;
    if (d.isField) o->setField(d.propertyName, value, false);
    else if (d.member && value.isNumber()) d.member->writeNumber(o, value.toFloat());
    else if (d.member) d.member->write(o, value, true);
    else o->setField(d.propertyName, value, true);
}

runtime::Object* SimpleActuator::numericTarget(const PropertyDetails& d) const {
    // The raw pointer is safe while this actuator holds that object; otherwise the weak link
    // tells whether it still lives.
    if (!d.setNumber || d.isField) return nullptr;
    if (d.object && d.object == keepTarget_.get()) return d.object;
    return d.target.get();
}

void SimpleActuator::write(PropertyDetails& d, double value) {
    if (runtime::Object* o = numericTarget(d)) d.setNumber(o, value);
    else setProperty(d, Value(value));
}

void SimpleActuator::writeSnapped(PropertyDetails& d, double value) {
    double whole = std::floor(value + 0.5);
    if (whole >= -2147483648.0 && whole <= 2147483647.0) {
        if (runtime::Object* o = numericTarget(d)) d.setNumber(o, whole);
        else setProperty(d, Value(static_cast<int32_t>(whole)));
    } else {
        write(d, whole);
    }
}

void SimpleActuator::interpolate(double p) {
    if (!special) {
        double e = _ease ? _ease->calculate(p) : p;
        for (std::size_t i = 0, n = detailCount(); i < n; ++i) {
            PropertyDetails& d = propertyDetails[i];
            write(d, d.change * e + d.start);
        }
        return;
    }
    double k = _reverse ? 1 - p : p;
    double e = _ease ? _ease->calculate(k) : k;
    for (std::size_t i = 0, n = detailCount(); i < n; ++i) {
        PropertyDetails& d = propertyDetails[i];
        double value;
        if (_smartRotation && isRotation(d.propertyName)) {
            double r = std::fmod(d.change, 360.0);
            if (r > 180) r -= 360;
            else if (r < -180) r += 360;
            value = r * e + d.start;
        } else {
            value = d.change * e + d.start;
        }
        if (_snapping) writeSnapped(d, value);
        else write(d, value);
    }
}

void SimpleActuator::step(double t) {
    if (!exact_) {
        update(t);
        return;
    }
    // A plain running tween in the middle of a pass: update's work without its virtual calls.
    double p = (t - timeOffset) / duration;
    if (paused || !initialized || special || sendChange || !(p < 1)) {
        SimpleActuator::update(t);
        return;
    }
    double e = _ease ? _ease->calculate(p) : p;
    runtime::Object* held = keepTarget_.get();
    for (PropertyDetails *d = propertyDetails.data(), *end = d + detailCount(); d != end; ++d) {
        double value = d->change * e + d->start;
        if (d->object == held && held && d->setNumber && !d->isField) d->setNumber(held, value);
        else write(*d, value);
    }
}

void SimpleActuator::update(double t) {
    laneChanged();
    if (paused) return;
    double p = (t - timeOffset) / duration;
    if (p > 1) p = 1;
    if (!initialized) initialize();
    interpolate(p);
    if (p == 1) {
        if (_repeat == 0) {
            Ref<SimpleActuator> keep(this);
            active = false;
            if (toggleVisible) {
                Value alpha = getField(target.get(), ALPHA);
                if (alpha.isNumber() && alpha.toFloat() == 0) setField(target.get(), VISIBLE, Value(false));
            }
            complete(true);
            return;
        }
        callMethod(_onRepeat, _onRepeatParams);
        if (_reflect) _reverse = !_reverse;
        startTime = t;
        timeOffset = t + _delay;
        if (_repeat > 0) --_repeat;
    }
    if (sendChange) change();
}

RUNTIME_DEFINE_CLASS(SimpleActuator, "tween.actuators.SimpleActuator", GenericActuator, (auto& b) {
    b.template field<&SimpleActuator::timeOffset>("timeOffset")
        .template field<&SimpleActuator::active>("active")
        .template field<&SimpleActuator::cacheVisible>("cacheVisible")
        .template field<&SimpleActuator::detailsLength>("detailsLength")
        .template field<&SimpleActuator::initialized>("initialized")
        .template field<&SimpleActuator::paused>("paused")
        .template field<&SimpleActuator::pauseTime>("pauseTime")
        .template field<&SimpleActuator::sendChange>("sendChange")
        .template field<&SimpleActuator::setVisible>("setVisible")
        .template field<&SimpleActuator::startTime>("startTime")
        .template field<&SimpleActuator::toggleVisible>("toggleVisible")
        .template method<&SimpleActuator::initialize>("initialize")
        .template method<&SimpleActuator::update>("update")
        .template staticField<&SimpleActuator::actuatorsLength>("actuatorsLength")
        .template staticField<&SimpleActuator::addedEvent>("addedEvent");
})

}  // namespace tween
