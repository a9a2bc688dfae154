#pragma once
// Optional character and paragraph attributes of text; a null field carries no value. The back
// end reads and fills a format through its nineteen fields by name.
#include <optional>

#include "platform/runtime/Array.h"
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/String.h"

namespace framework {

class TextFormat : public runtime::Object {
    RUNTIME_CLASS(TextFormat)
public:
    explicit TextFormat(const runtime::String& font = nullptr, std::optional<double> size = std::nullopt,
                        std::optional<int> color = std::nullopt, std::optional<bool> bold = std::nullopt,
                        std::optional<bool> italic = std::nullopt, std::optional<bool> underline = std::nullopt,
                        const runtime::String& url = nullptr, const runtime::String& target = nullptr,
                        const runtime::String& align = nullptr, std::optional<double> leftMargin = std::nullopt,
                        std::optional<double> rightMargin = std::nullopt, std::optional<double> indent = std::nullopt,
                        std::optional<double> leading = std::nullopt)
        : align(align), bold(bold), color(color), font(font), indent(indent), italic(italic), leading(leading),
          leftMargin(leftMargin), rightMargin(rightMargin), size(size), target(target), underline(underline),
          url(url) {}
    explicit TextFormat(runtime::NoInit) {}

    // One of the TextFormatAlign texts.
    runtime::String align;
    std::optional<double> blockIndent;
    std::optional<bool> bold;
    std::optional<bool> bullet;
    std::optional<int> color;
    runtime::String display;
    runtime::String font;
    std::optional<double> indent;
    std::optional<bool> italic;
    std::optional<bool> kerning;
    std::optional<double> leading;
    std::optional<double> leftMargin;
    std::optional<double> letterSpacing;
    std::optional<double> rightMargin;
    std::optional<double> size;
    runtime::Ref<runtime::Array> tabStops;
    runtime::String target;
    std::optional<bool> underline;
    runtime::String url;
};

}  // namespace framework
