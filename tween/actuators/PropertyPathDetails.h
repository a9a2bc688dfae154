#pragma once
// One property of a motion path tween: the component path that gives its value (start and
// change are unused).
#include "PropertyDetails.h"
#include "tween/IComponentPath.h"

namespace tween {

class PropertyPathDetails : public PropertyDetails {
public:
    PropertyPathDetails(const runtime::Ref<runtime::Object>& target, const std::string& propertyName,
                        const runtime::Ref<IComponentPath>& path, bool isField = true)
        : PropertyDetails(target, propertyName, 0, 0, isField), path(path) {}

    runtime::Ref<IComponentPath> path;
};

}  // namespace tween
