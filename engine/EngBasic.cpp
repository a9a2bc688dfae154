#include "EngBasic.h"

#include "engine/util/EngStringUtil.h"
#include "engine/util/LabelValuePair.h"

namespace engine {

void EngBasic::destroy() { set_exists(false); }

void EngBasic::kill() {
    set_alive(false);
    set_exists(false);
}

void EngBasic::revive() {
    set_alive(true);
    set_exists(true);
}

std::string EngBasic::toString() const {
    return EngStringUtil::getDebugString({LabelValuePair::weak("active", active), LabelValuePair::weak("visible", visible),
                                          LabelValuePair::weak("alive", alive), LabelValuePair::weak("exists", exists)});
}

}  // namespace engine

using engine::EngBasic;

RUNTIME_DEFINE_CLASS(EngBasic, "engine.EngBasic", runtime::Object, (auto& b) {
    b.template field<&EngBasic::ID>("ID")
        .template property<&EngBasic::get_active, &EngBasic::set_active>("active")
        .template property<&EngBasic::get_visible, &EngBasic::set_visible>("visible")
        .template property<&EngBasic::get_alive, &EngBasic::set_alive>("alive")
        .template property<&EngBasic::get_exists, &EngBasic::set_exists>("exists")
        .template readOnlyProperty<&EngBasic::get_collisionType>("collisionType")
        .template method<&EngBasic::destroy>("destroy")
        .template method<&EngBasic::kill>("kill")
        .template method<&EngBasic::revive>("revive")
        .template method<&EngBasic::update>("update")
        .template method<&EngBasic::draw>("draw")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<EngBasic>();
        });
})
