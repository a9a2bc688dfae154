#pragma once
// A display mode for the stage's screen-mode request; -1 marks a field left unfilled.
#include <cstdint>
#include <optional>

#include "PixelFormat.h"
#include "platform/runtime/ClassBuilder.h"

namespace framework {

class ScreenMode : public runtime::Object {
    RUNTIME_CLASS(ScreenMode)
public:
    ScreenMode() = default;
    explicit ScreenMode(runtime::NoInit) : width(0), height(0), refreshRate(0) {}

    std::optional<PixelFormat> format;
    int32_t width = -1;
    int32_t height = -1;
    int32_t refreshRate = -1;
};

}  // namespace framework
