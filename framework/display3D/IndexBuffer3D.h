#pragma once
// The 16-bit indices of a 3D context's triangles in one GL buffer. Every upload replaces the
// buffer's whole content (usage STATIC_DRAW); nothing is kept here.
#include "framework/gl/GLBuffer.h"
#include "framework/utils/ByteArray.h"
#include "platform/runtime/Array.h"

namespace framework {

class IndexBuffer3D : public runtime::Object {
    RUNTIME_CLASS(IndexBuffer3D)
public:
    IndexBuffer3D(const runtime::Ref<GLBuffer>& glBuffer, int numIndices)
        : glBuffer(glBuffer), numIndices(numIndices) {}
    explicit IndexBuffer3D(runtime::NoInit) {}

    // Deletes the GL buffer; the handle is invalid afterwards.
    virtual void dispose();
    // count indices from byte byteArrayOffset + startOffset × 2 of data (which becomes
    // little-endian). A range outside data throws the typed array's text after the buffer was
    // bound, uploading nothing.
    virtual void uploadFromByteArray(const runtime::Ref<ByteArray>& data, int byteArrayOffset, int startOffset,
                                     int count);
    // The list's first count numbers cut to their low 16 bits, 0 for those it lacks;
    // startOffset does not change what is uploaded.
    virtual void uploadFromVector(const runtime::Ref<runtime::Array>& data, int startOffset, int count);

    runtime::Ref<GLBuffer> glBuffer;
    int numIndices = 0;
};

}  // namespace framework
