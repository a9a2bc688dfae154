#include "VertexBuffer3D.h"

#include "framework/gl/GL.h"

namespace framework {

using runtime::Ref;
using runtime::Value;

void VertexBuffer3D::dispose() { GL::deleteBuffer(glBuffer); }

void VertexBuffer3D::uploadFromByteArray(const Ref<ByteArray>& data, int byteArrayOffset, int startVertex,
                                         int count) {
    GL::bindBuffer(GL::ARRAY_BUFFER, glBuffer);
    auto view = runtime::make<Float32Array>(Value(data), byteArrayOffset + startVertex * data32PerVertex * 4,
                                            count * data32PerVertex);
    GL::bufferData(GL::ARRAY_BUFFER, Value(view), GL::STATIC_DRAW);
}

void VertexBuffer3D::uploadFromFloat32Array(const Ref<Float32Array>& data, int, int) {
    GL::bindBuffer(GL::ARRAY_BUFFER, glBuffer);
    GL::bufferData(GL::ARRAY_BUFFER, Value(data), GL::STATIC_DRAW);
}

void VertexBuffer3D::uploadFromVector(const Ref<runtime::Array>& data, int startVertex, int count) {
    GL::bindBuffer(GL::ARRAY_BUFFER, glBuffer);
    auto view = runtime::make<Float32Array>(Value(data), startVertex, count * data32PerVertex);
    GL::bufferData(GL::ARRAY_BUFFER, Value(view), GL::STATIC_DRAW);
}

}  // namespace framework

using framework::VertexBuffer3D;

RUNTIME_DEFINE_CLASS(VertexBuffer3D, "framework._native.display3D.VertexBuffer3D", runtime::Object, (auto& b) {
    using V = VertexBuffer3D;
    b.template field<&V::glBuffer>("glBuffer")
        .template field<&V::numVertices>("numVertices")
        .template field<&V::data32PerVertex>("data32PerVertex")
        .template method<&V::dispose>("dispose")
        .template method<&V::uploadFromByteArray>("uploadFromByteArray")
        .template method<&V::uploadFromFloat32Array>("uploadFromFloat32Array")
        .template method<&V::uploadFromVector>("uploadFromVector")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<V>(a.object<framework::GLBuffer>(0), a.integer(1), a.integer(2));
        });
})
