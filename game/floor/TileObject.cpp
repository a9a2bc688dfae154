#include "TileObject.h"

namespace game {

RUNTIME_DEFINE_CLASS(TileObject, "TileObject", runtime::Object, (auto& b) {})

void TileObject::activate() {
    if (oneTimeActivation) activated = true;
    if (activationFunction) activationFunction(*this);
}

}  // namespace game
