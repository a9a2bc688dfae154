#include "Memory.h"

using framework::Memory;

RUNTIME_DEFINE_CLASS(Memory, "framework._native.Memory", runtime::Object, (auto& b) {
    b.template staticField<&Memory::gcRef>("gcRef")
        .template staticField<&Memory::len>("len")
        .template staticMethod<&Memory::select>("select")
        .template staticMethod<&Memory::getByte>("getByte")
        .template staticMethod<&Memory::getUI16>("getUI16")
        .template staticMethod<&Memory::getI32>("getI32")
        .template staticMethod<&Memory::getFloat>("getFloat")
        .template staticMethod<&Memory::getDouble>("getDouble")
        .template staticMethod<&Memory::setByte>("setByte")
        .template staticMethod<&Memory::setI16>("setI16")
        .template staticMethod<&Memory::setI32>("setI32")
        .template staticMethod<&Memory::setFloat>("setFloat")
        .template staticMethod<&Memory::setDouble>("setDouble");
})
