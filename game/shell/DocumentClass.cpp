#include "DocumentClass.h"

#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"

namespace game {

runtime::Ref<framework::Stage> DocumentClass::get_stage() { return framework::Lib::get_current()->get_stage(); }

}  // namespace game

using game::DocumentClass;

RUNTIME_DEFINE_CLASS(DocumentClass, "DocumentClass", game::Main, (auto& b) {
    b.emptyInstance().constructor(
        [](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<DocumentClass>(); });
})
