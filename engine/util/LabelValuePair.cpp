#include "LabelValuePair.h"

namespace engine {

using runtime::Ref;

const Ref<EngPool<LabelValuePair>>& LabelValuePair::_pool() {
    static const Ref<EngPool<LabelValuePair>> pool = runtime::make<EngPool<LabelValuePair>>();
    return pool;
}

Ref<LabelValuePair> LabelValuePair::weak(const runtime::String& label, const runtime::Value& value) {
    Ref<LabelValuePair> p = _pool()->get();
    p->create(label, value);
    return p;
}

LabelValuePair* LabelValuePair::create(const runtime::String& l, const runtime::Value& v) {
    label = l;
    value = v;
    return this;
}

void LabelValuePair::put() { _pool()->put(Ref<LabelValuePair>(this)); }

void LabelValuePair::destroy() {
    label = nullptr;
    value = nullptr;
}

}  // namespace engine

using engine::LabelValuePair;

RUNTIME_DEFINE_CLASS(LabelValuePair, "engine.util.LabelValuePair", runtime::Object, (auto& b) {
    b.template field<&LabelValuePair::label>("label").template field<&LabelValuePair::value>("value").emptyInstance();
})
