#include "GLObject.h"

#include "GL.h"

namespace framework {

runtime::String GLObject::getType() { return "GLObject"; }

void GLObject::invalidate() { id = runtime::Value(); }

bool GLObject::isValid() { return !id.isNull() && version == GL::get_version(); }

bool GLObject::isInvalid() { return !isValid(); }

bool GLObject::get_invalidated() { return isInvalid(); }

bool GLObject::get_valid() { return isValid(); }

std::string GLObject::toString() const {
    return const_cast<GLObject*>(this)->getType().str() + "(" + id.toText() + ")";
}

}  // namespace framework

using framework::GLObject;

RUNTIME_DEFINE_CLASS(GLObject, "framework._native.gl.GLObject", runtime::Object, (auto& b) {
    using G = GLObject;
    b.template field<&G::id>("id")
        .template field<&G::version>("version")
        .template readOnlyProperty<&G::get_valid>("valid")
        .template readOnlyProperty<&G::get_invalidated>("invalidated")
        .template method<&G::getType>("getType")
        .template method<&G::invalidate>("invalidate")
        .template method<&G::isValid>("isValid")
        .template method<&G::isInvalid>("isInvalid")
        .template method<&G::get_invalidated>("get_invalidated")
        .template method<&G::get_valid>("get_valid")
        .emptyInstance()
        .constructor([](const runtime::Value* args, int argc) -> runtime::Ref<runtime::Object> {
            return runtime::make<G>(argc > 0 ? args[0].toInt() : 0, argc > 1 ? args[1] : runtime::Value());
        });
})
