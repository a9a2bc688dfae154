#include "EngFlicker.h"

#include "engine/EngG.h"
#include "platform/runtime/Function.h"
#include "platform/runtime/Numbers.h"

namespace engine {

using runtime::Ref;

const Ref<EngPool<EngFlicker>>& EngFlicker::_pool() {
    static const Ref<EngPool<EngFlicker>> pool = runtime::make<EngPool<EngFlicker>>();
    return pool;
}

std::map<EngObject*, Ref<EngFlicker>>& EngFlicker::_boundObjects() {
    static std::map<EngObject*, Ref<EngFlicker>> bound;
    return bound;
}

void EngFlicker::flicker(const Ref<EngObject>& object, double duration, double interval, bool endVisibility,
                         bool forceRestart, Ref<runtime::Function> completionCallback,
                         Ref<runtime::Function> progressCallback) {
    auto& bound = _boundObjects();
    auto it = bound.find(object.get());
    if (it != bound.end()) {
        if (!forceRestart) return;
        Ref<EngFlicker> running = it->second;
        running->stop();
    }
    if (interval <= 0) interval = EngG::elapsed;
    Ref<EngFlicker> f = _pool()->get();
    f->start(object, duration, interval, endVisibility, std::move(completionCallback), std::move(progressCallback));
    bound[object.get()] = f;
}

bool EngFlicker::isFlickering(const Ref<EngObject>& object) { return _boundObjects().count(object.get()) != 0; }

void EngFlicker::stopFlickering(const Ref<EngObject>& object) {
    auto& bound = _boundObjects();
    auto it = bound.find(object.get());
    if (it == bound.end()) return;
    Ref<EngFlicker> running = it->second;
    running->stop();
}

void EngFlicker::destroy() {
    object = nullptr;
    timer = nullptr;
    completionCallback = nullptr;
    progressCallback = nullptr;
}

void EngFlicker::start(Ref<EngObject> obj, double d, double i, bool endVis, Ref<runtime::Function> completion,
                       Ref<runtime::Function> progress) {
    object = std::move(obj);
    duration = d;
    interval = i;
    endVisibility = endVis;
    completionCallback = std::move(completion);
    progressCallback = std::move(progress);
    int loops = runtime::Numbers::floatToInt(duration / interval);
    timer = runtime::make<EngTimer>(interval, runtime::Function::method<&EngFlicker::flickerProgress>(this), loops);
}

void EngFlicker::stop() {
    Ref<EngFlicker> keep(this);
    if (timer) timer->cancel();
    if (object) object->set_visible(true);
    release();
}

void EngFlicker::release() {
    Ref<EngFlicker> keep(this);
    if (object) _boundObjects().erase(object.get());
    _pool()->put(keep);
}

void EngFlicker::flickerProgress(const Ref<EngTimer>& t) {
    Ref<EngFlicker> keep(this);
    if (!object) return;
    object->set_visible(!object->visible);
    if (progressCallback) (*progressCallback)(runtime::Value(static_cast<runtime::Object*>(this)));
    if (t->loops > 0 && t->get_elapsedLoops() == t->loops) {
        object->set_visible(endVisibility);
        if (completionCallback) (*completionCallback)(runtime::Value(static_cast<runtime::Object*>(this)));
        release();
    }
}

}  // namespace engine

using engine::EngFlicker;

RUNTIME_DEFINE_CLASS(EngFlicker, "engine.util.EngFlicker", runtime::Object, (auto& b) { b.emptyInstance(); })
