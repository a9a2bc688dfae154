#pragma once
// Asks BitmapData.encode for a JPEG file of the given quality (a percentage).
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class JPEGEncoderOptions : public runtime::Object {
    RUNTIME_CLASS(JPEGEncoderOptions)
public:
    explicit JPEGEncoderOptions(int quality = 80) : quality(quality) {}
    explicit JPEGEncoderOptions(runtime::NoInit) {}

    int quality = 80;
};

}  // namespace framework
