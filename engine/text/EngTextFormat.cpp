#include "EngTextFormat.h"

namespace engine {

EngTextFormat::EngTextFormat(std::optional<int> fontColor, std::optional<bool> bold, std::optional<bool> italic,
                             std::optional<int> border, int s, int e) {
    if (fontColor) *fontColor &= 0xFFFFFF;
    if (border) *border &= 0xFFFFFF;
    format = runtime::make<framework::TextFormat>(nullptr, std::nullopt, fontColor, bold, italic);
    if (s > -1) start = s;
    if (e > -1) end = e;
    borderColor = border.value_or(0);
}

}  // namespace engine

using engine::EngTextFormat;

RUNTIME_DEFINE_CLASS(EngTextFormat, "engine.text.EngTextFormat", runtime::Object, (auto& b) {
    b.template field<&EngTextFormat::borderColor>("borderColor")
        .template field<&EngTextFormat::start>("start")
        .template field<&EngTextFormat::end>("end")
        .template field<&EngTextFormat::format>("format")
        .template method<&EngTextFormat::destroy>("destroy")
        .emptyInstance();
})
