#include "IndexBuffer3D.h"

#include "framework/gl/GL.h"
#include "framework/utils/Int16Array.h"

namespace framework {

using runtime::Ref;
using runtime::Value;

void IndexBuffer3D::dispose() { GL::deleteBuffer(glBuffer); }

void IndexBuffer3D::uploadFromByteArray(const Ref<ByteArray>& data, int byteArrayOffset, int startOffset, int count) {
    GL::bindBuffer(GL::ELEMENT_ARRAY_BUFFER, glBuffer);
    auto view = runtime::make<Int16Array>(Value(data), byteArrayOffset + startOffset * 2, count);
    GL::bufferData(GL::ELEMENT_ARRAY_BUFFER, Value(view), GL::STATIC_DRAW);
}

void IndexBuffer3D::uploadFromVector(const Ref<runtime::Array>& data, int startOffset, int count) {
    GL::bindBuffer(GL::ELEMENT_ARRAY_BUFFER, glBuffer);
    auto view = runtime::make<Int16Array>(Value(data), startOffset, count);
    GL::bufferData(GL::ELEMENT_ARRAY_BUFFER, Value(view), GL::STATIC_DRAW);
}

}  // namespace framework

using framework::IndexBuffer3D;

RUNTIME_DEFINE_CLASS(IndexBuffer3D, "framework._native.display3D.IndexBuffer3D", runtime::Object, (auto& b) {
    using I = IndexBuffer3D;
    b.template field<&I::glBuffer>("glBuffer")
        .template field<&I::numIndices>("numIndices")
        .template method<&I::dispose>("dispose")
        .template method<&I::uploadFromByteArray>("uploadFromByteArray")
        .template method<&I::uploadFromVector>("uploadFromVector")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<I>(a.object<framework::GLBuffer>(0), a.integer(1));
        });
})
