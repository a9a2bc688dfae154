#include "TweenProps.h"

namespace game {

runtime::Ref<runtime::DynamicObject> TweenProps::of(std::initializer_list<std::pair<const char*, double>> values) {
    auto p = runtime::make<runtime::DynamicObject>();
    for (const auto& [name, value] : values) p->setField(name, runtime::Value(value));
    return p;
}

}  // namespace game
