#pragma once
// Asks BitmapData.encode for a PNG file.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class PNGEncoderOptions : public runtime::Object {
    RUNTIME_CLASS(PNGEncoderOptions)
public:
    explicit PNGEncoderOptions(bool fastCompression = false) : fastCompression(fastCompression) {}
    explicit PNGEncoderOptions(runtime::NoInit) {}

    bool fastCompression = false;
};

}  // namespace framework
