#include "PropertyPathDetails.h"

namespace tween {

RUNTIME_DEFINE_CLASS(PropertyPathDetails, "tween.actuators.PropertyPathDetails", PropertyDetails, (auto& b) {
    b.template field<&PropertyPathDetails::path>("path");
})

}  // namespace tween
