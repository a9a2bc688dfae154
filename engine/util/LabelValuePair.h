#pragma once
// A pooled label and value, the material of the engine's debug texts.
#include "engine/interfaces/IEngDestroyable.h"
#include "engine/util/EngPool.h"
#include "platform/runtime/ClassBuilder.h"

namespace engine {

class LabelValuePair : public runtime::Object, public IEngDestroyable {
    RUNTIME_CLASS(LabelValuePair)
public:
    LabelValuePair() = default;
    explicit LabelValuePair(runtime::NoInit) {}

    static const runtime::Ref<EngPool<LabelValuePair>>& _pool();
    // A pair from the pool holding label and value.
    static runtime::Ref<LabelValuePair> weak(const runtime::String& label, const runtime::Value& value);

    virtual LabelValuePair* create(const runtime::String& label, const runtime::Value& value);
    virtual void put();
    void destroy() override;

    runtime::String label;
    runtime::Value value;
};

}  // namespace engine
