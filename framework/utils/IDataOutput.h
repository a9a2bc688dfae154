#pragma once
// Typed writes to a byte sink with a position.
#include "platform/runtime/Bytes.h"
#include "platform/runtime/ClassInfo.h"

namespace framework {

class IDataOutput {
public:
    virtual ~IDataOutput() = default;
    virtual void writeBoolean(bool value) = 0;
    virtual void writeByte(int value) = 0;
    virtual void writeBytes(const runtime::Ref<runtime::Bytes>& bytes, int offset = 0, int length = 0) = 0;
    virtual void writeDouble(double value) = 0;
    virtual void writeFloat(double value) = 0;
    virtual void writeInt(int value) = 0;
    virtual void writeShort(int value) = 0;
    virtual void writeUnsignedInt(int value) = 0;
    virtual void writeUTF(const runtime::String& value) = 0;
    virtual void writeUTFBytes(const runtime::String& value) = 0;

    static const runtime::ClassInfo& staticClass();
};

}  // namespace framework
