#pragma once
// A range of bytes that memory access can select: a byte array, a start and a length.
#include "platform/runtime/ClassInfo.h"
#include "platform/runtime/Ref.h"

namespace framework {

class ByteArray;

class IMemoryRange {
public:
    virtual ~IMemoryRange() = default;
    virtual runtime::Ref<ByteArray> getByteBuffer() = 0;
    virtual int getStart() = 0;
    virtual int getLength() = 0;

    static const runtime::ClassInfo& staticClass();
};

}  // namespace framework
