#pragma once
// A small pool of spare bitmaps, newest first; the oldest is released when the pool is full.
#include <optional>

#include "engine/util/EngBitmapDataPoolNode.h"
#include "framework/geom/Rectangle.h"

namespace engine {

class EngBitmapDataPool {
public:
    static inline int maxLength = 8;
    static inline int length = 0;
    static inline runtime::Ref<EngBitmapDataPoolNode> _head;
    static inline runtime::Weak<EngBitmapDataPoolNode> _tail;

    // A pooled bitmap at least that large (exactly with exact) of the same transparency, filled
    // over (0, 0, width, height) when a colour is given; a new bitmap when none fits.
    static runtime::Ref<framework::BitmapData> get(int width, int height, bool transparent = true,
                                                   std::optional<int> fillColor = std::nullopt, bool exact = false);
    static void put(const runtime::Ref<framework::BitmapData>& bitmap);
    // Releases every pooled bitmap.
    static void clear();
    // Releases the oldest bitmaps beyond the new capacity.
    static int set_maxLength(int value);

private:
    static void evictTail();
    static void unlink(EngBitmapDataPoolNode* node);
};

}  // namespace engine
