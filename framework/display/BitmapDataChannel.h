#pragma once
// Channel selectors of BitmapData.copyChannel.
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class BitmapDataChannel : public runtime::Object {
    RUNTIME_CLASS(BitmapDataChannel)
public:
    static constexpr int RED = 1;
    static constexpr int GREEN = 2;
    static constexpr int BLUE = 4;
    static constexpr int ALPHA = 8;
};

}  // namespace framework
