#pragma once
// The base of bitmap filters; the back end reads type by name.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class BitmapFilter : public runtime::Object {
    RUNTIME_CLASS(BitmapFilter)
public:
    // A null type becomes the empty text.
    explicit BitmapFilter(const runtime::String& type) : type(type.isNull() ? runtime::String("") : type) {}
    explicit BitmapFilter(runtime::NoInit) {}

    virtual runtime::Ref<BitmapFilter> clone();

    runtime::String type;
};

}  // namespace framework
