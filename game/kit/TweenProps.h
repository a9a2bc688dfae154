#pragma once
// The end values of a tween, by property name, as the tween library takes them.
#include <initializer_list>
#include <utility>

#include "platform/runtime/DynamicObject.h"

namespace game {

class TweenProps {
public:
    static runtime::Ref<runtime::DynamicObject> of(std::initializer_list<std::pair<const char*, double>> values);
};

}  // namespace game
