#pragma once
// Vertex data of a 3D context in one GL buffer. Every upload replaces the buffer's whole content
// (usage STATIC_DRAW); nothing is kept here.
#include "framework/gl/GLBuffer.h"
#include "framework/utils/ByteArray.h"
#include "framework/utils/Float32Array.h"
#include "platform/runtime/Array.h"

namespace framework {

class VertexBuffer3D : public runtime::Object {
    RUNTIME_CLASS(VertexBuffer3D)
public:
    VertexBuffer3D(const runtime::Ref<GLBuffer>& glBuffer, int numVertices, int data32PerVertex)
        : glBuffer(glBuffer), numVertices(numVertices), data32PerVertex(data32PerVertex) {}
    explicit VertexBuffer3D(runtime::NoInit) {}

    // Deletes the GL buffer; the handle is invalid afterwards.
    virtual void dispose();
    // numVertices × data32PerVertex floats from byte byteArrayOffset + startVertex ×
    // data32PerVertex × 4 of data (which becomes little-endian). A range outside data throws the
    // typed array's text after the buffer was bound, uploading nothing.
    virtual void uploadFromByteArray(const runtime::Ref<ByteArray>& data, int byteArrayOffset, int startVertex,
                                     int numVertices);
    // The whole view; startVertex and numVertices are not used.
    virtual void uploadFromFloat32Array(const runtime::Ref<Float32Array>& data, int startVertex, int numVertices);
    // The list's first numVertices × data32PerVertex numbers as singles, 0 for those it lacks;
    // startVertex does not change what is uploaded.
    virtual void uploadFromVector(const runtime::Ref<runtime::Array>& data, int startVertex, int numVertices);

    runtime::Ref<GLBuffer> glBuffer;
    int numVertices = 0;
    int data32PerVertex = 0;
};

}  // namespace framework
