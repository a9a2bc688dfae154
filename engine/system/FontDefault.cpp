#include "FontDefault.h"

namespace engine {

RUNTIME_DEFINE_CLASS(FontDefault, "engine.system.EngAssets_FontDefault", framework::Font, (auto& b) {
    b.template staticField<&FontDefault::resourceName>("resourceName")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<FontDefault>();
        });
})

}  // namespace engine
