#pragma once
// An item picture that leaps from a chest, a beaten monster or a speaker and flies in an arc onto
// the hero at half size, leaving fading white sparkles. The exploration state calls update once
// a frame while animFrame is below ITEM_ANIM_FRAMES, then removes it.
#include "ItemIcon.h"
#include "framework/geom/Point.h"

namespace game {

class ItemIconAnimated : public ItemIcon {
    RUNTIME_CLASS(ItemIconAnimated)
public:
    static inline const int ITEM_ANIM_FRAMES_60FPS = 45;
    // Flight length in frames; the frame-rate switch sets it.
    static inline int ITEM_ANIM_FRAMES = 45;
    static inline const int VELOCITY_60FPS = 200;
    // Arc height factor (the peak is VELOCITY / 4 pixels); the frame-rate switch sets it.
    static inline int VELOCITY = 200;

    explicit ItemIconAnimated(const runtime::Ref<Item>& item);
    explicit ItemIconAnimated(runtime::NoInit n) : ItemIcon(n) {}

    // One frame of flight.
    virtual void update();
    virtual void removeWhiteSparkle(const runtime::Ref<framework::DisplayObject>& sparkle);

    // Start of the flight, in the parent's coordinates; set by the creator.
    runtime::Ref<framework::Point> origin;
    int animFrame = 0;
    runtime::Ref<framework::Point> target;
    // When false the target follows the hero every frame.
    bool useTarget = false;

private:
    void addSparkle();
};

}  // namespace game
