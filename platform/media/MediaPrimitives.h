#pragma once
// The list of back-end primitives (MediaPrimitives.def) as data and as compile-time arities.
#include <span>
#include <string_view>

namespace media {

enum class MediaPrimitive {
#define MEDIA_PRIMITIVE(symbol, argCount) symbol,
#include "MediaPrimitives.def"
#undef MEDIA_PRIMITIVE
};

class MediaPrimitives {
public:
    struct Entry {
        std::string_view name;
        int argCount;  // -1: variable
    };
    static constexpr Entry ENTRIES[] = {
#define MEDIA_PRIMITIVE(symbol, argCount) {#symbol, argCount},
#include "MediaPrimitives.def"
#undef MEDIA_PRIMITIVE
    };
    static constexpr const Entry& entry(MediaPrimitive p) { return ENTRIES[static_cast<int>(p)]; }
    static constexpr int arity(MediaPrimitive p) { return entry(p).argCount; }
    static std::span<const Entry> all() { return ENTRIES; }
    // The exported symbol: name + "__" + argCount, or name + "__MULT" for a variable count.
    static std::string symbol(std::string_view name, int argCount);
};

}  // namespace media
