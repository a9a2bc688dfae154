#pragma once
// A range of an engine text sprite's characters with its own colour, border colour, bold and
// italic.
#include <optional>

#include "engine/interfaces/IEngDestroyable.h"
#include "framework/text/TextFormat.h"

namespace engine {

class EngTextFormat : public runtime::Object, public IEngDestroyable {
    RUNTIME_CLASS(EngTextFormat)
public:
    // Colours are masked to 0xRRGGBB; start and end stay -1 unless given above -1.
    explicit EngTextFormat(std::optional<int> fontColor = std::nullopt, std::optional<bool> bold = std::nullopt,
                           std::optional<bool> italic = std::nullopt, std::optional<int> borderColor = std::nullopt,
                           int start = -1, int end = -1);
    explicit EngTextFormat(runtime::NoInit) {}

    void destroy() override { format = nullptr; }

    int borderColor = 0;
    int start = -1;
    int end = -1;
    runtime::Ref<framework::TextFormat> format;
};

}  // namespace engine
