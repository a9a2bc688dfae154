#include "EngGroup.h"

#include "platform/runtime/Args.h"

namespace engine {

bool EngGroup::overlaps(const OverlapCallback& callback, EngTypedGroup* group, double x, double y, bool inScreenSpace,
                        EngCamera* camera) {
    if (!group) return false;
    int length = group->length;
    for (int i = 0; i < length; ++i) {
        runtime::Ref<EngBasic> m(group->memberAt(i));
        if (m && callback(m.get(), x, y, inScreenSpace, camera)) return true;
    }
    return false;
}

EngTypedGroup* EngGroup::resolveGroup(EngBasic* object) {
    if (!object) return nullptr;
    if (object->collisionType == EngCollisionType::GROUP) return static_cast<EngTypedGroup*>(object);
    if (object->collisionType == EngCollisionType::SPRITEGROUP) {
        // A sprite group keeps its members in its field "group".
        return dynamic_cast<EngTypedGroup*>(object->getField("group").object());
    }
    return nullptr;
}

}  // namespace engine

using engine::EngGroup;

RUNTIME_DEFINE_CLASS(EngGroup, "engine.group.EngGroup", engine::EngTypedGroup, (auto& b) {
    b.emptyInstance()
        .constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
            return runtime::make<EngGroup>(runtime::Args(args, argc).integer(0));
        });
})
