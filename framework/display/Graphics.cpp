#include "Graphics.h"

namespace framework {

RUNTIME_DEFINE_CLASS(Graphics, "framework._native.display.Graphics", runtime::Object, (auto& b) {
    b.template internalField<&Graphics::handle_>("__handle").emptyInstance();
})

}  // namespace framework
