#include "EngBitmapDataPool.h"

namespace engine {

using runtime::Ref;

void EngBitmapDataPool::unlink(EngBitmapDataPoolNode* node) {
    Ref<EngBitmapDataPoolNode> keep(node);
    EngBitmapDataPoolNode* prev = node->prev.get();
    Ref<EngBitmapDataPoolNode> next = node->next;
    if (prev)
        prev->next = next;
    else
        _head = next;
    if (next)
        next->prev = runtime::Weak<EngBitmapDataPoolNode>(prev);
    else
        _tail = runtime::Weak<EngBitmapDataPoolNode>(prev);
    node->next = nullptr;
    --length;
}

void EngBitmapDataPool::evictTail() {
    EngBitmapDataPoolNode* tail = _tail.get();
    if (!tail) return;
    if (tail->bmd) tail->bmd->dispose();
    unlink(tail);
}

Ref<framework::BitmapData> EngBitmapDataPool::get(int width, int height, bool transparent,
                                                  std::optional<int> fillColor, bool exact) {
    for (EngBitmapDataPoolNode* node = _head.get(); node; node = node->next.get()) {
        const Ref<framework::BitmapData>& bmd = node->bmd;
        if (bmd->get_transparent() != transparent || bmd->get_width() < width || bmd->get_height() < height) continue;
        if (exact && (bmd->get_width() != width || bmd->get_height() != height)) continue;
        Ref<framework::BitmapData> taken = bmd;
        unlink(node);
        if (fillColor) taken->fillRect(runtime::make<framework::Rectangle>(0, 0, width, height), *fillColor);
        return taken;
    }
    return runtime::make<framework::BitmapData>(width, height, transparent, fillColor.value_or(-1));
}

void EngBitmapDataPool::put(const Ref<framework::BitmapData>& bitmap) {
    if (length >= maxLength) evictTail();
    auto node = runtime::make<EngBitmapDataPoolNode>(bitmap, nullptr, _head);
    if (_head)
        _head->prev = runtime::Weak<EngBitmapDataPoolNode>(node.get());
    else
        _tail = runtime::Weak<EngBitmapDataPoolNode>(node.get());
    _head = node;
    ++length;
}

void EngBitmapDataPool::clear() {
    for (EngBitmapDataPoolNode* node = _head.get(); node; node = node->next.get())
        if (node->bmd) node->bmd->dispose();
    _head = nullptr;
    _tail = nullptr;
    length = 0;
}

int EngBitmapDataPool::set_maxLength(int value) {
    if (value != maxLength)
        while (length > value && _tail.get()) evictTail();
    maxLength = value;
    return value;
}

}  // namespace engine
