#include "TrackerProfile.h"

#include "engine/util/EngStringUtil.h"
#include "engine/util/LabelValuePair.h"

namespace engine {

std::string TrackerProfile::toString() const {
    return EngStringUtil::getDebugString(
        {LabelValuePair::weak("variables", runtime::Value(variables)), LabelValuePair::weak("extensions", runtime::Value(extensions))});
}

}  // namespace engine

using engine::TrackerProfile;

RUNTIME_DEFINE_CLASS(TrackerProfile, "engine.system.debug.TrackerProfile", runtime::Object, (auto& b) {
    b.template field<&TrackerProfile::objectClass>("objectClass")
        .template field<&TrackerProfile::variables>("variables")
        .template field<&TrackerProfile::extensions>("extensions")
        .emptyInstance();
})
