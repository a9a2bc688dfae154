#include "MedievalSharpBold.h"

namespace game {

RUNTIME_DEFINE_CLASS(MedievalSharpBold, "game.MedievalSharpBold", framework::Font, (auto& b) {
    b.template staticField<&MedievalSharpBold::resourceName>("resourceName")
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<MedievalSharpBold>();
        });
})

}  // namespace game
