#pragma once
// Typed reads from a byte source with a position.
#include "platform/runtime/ClassInfo.h"
#include "platform/runtime/Ref.h"
#include "platform/runtime/String.h"

namespace framework {

class ByteArray;

class IDataInput {
public:
    virtual ~IDataInput() = default;
    virtual int get_bytesAvailable() = 0;
    virtual bool readBoolean() = 0;
    virtual int readByte() = 0;
    virtual void readBytes(const runtime::Ref<ByteArray>& bytes, int offset = 0, int length = 0) = 0;
    virtual double readDouble() = 0;
    virtual double readFloat() = 0;
    virtual int readInt() = 0;
    virtual int readShort() = 0;
    virtual int readUnsignedByte() = 0;
    virtual int readUnsignedInt() = 0;
    virtual int readUnsignedShort() = 0;
    virtual runtime::String readUTF() = 0;
    virtual runtime::String readUTFBytes(int length) = 0;

    static const runtime::ClassInfo& staticClass();
};

}  // namespace framework
