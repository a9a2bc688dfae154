#pragma once
// A sprite that owns a group of sprites and moves, turns, fades, flips, tints and hides them as
// one: its setters pass each change on to every existing member, as the same value or as the
// difference from the group's old value. It has no picture of its own.
#include <functional>
#include <vector>

#include "engine/EngSprite.h"
#include "engine/group/EngTypedGroup.h"

namespace engine {

class EngTypedSpriteGroup : public EngSprite {
    RUNTIME_CLASS(EngTypedSpriteGroup)
public:
    using Member = runtime::Ref<EngBasic>;
    using Transform = std::function<void(EngSprite*, double)>;

    explicit EngTypedSpriteGroup(double x = 0, double y = 0, int maxSize = 0);
    explicit EngTypedSpriteGroup(runtime::NoInit n) : EngSprite(n) {}

    void destroy() override;
    void kill() override;
    void revive() override;
    void update() override;
    void draw() override;
    bool set_visible(bool v) override;
    bool set_active(bool v) override;
    bool set_exists(bool v) override;
    bool set_alive(bool v) override;
    void initVars() override;
    bool overlapsPoint(const runtime::Ref<EngPoint>& point, bool inScreenSpace = false,
                       EngCamera* camera = nullptr) override;
    void reset(double x, double y) override;
    bool isOnScreen(EngCamera* camera = nullptr) override;
    void setPosition(double x = 0, double y = 0) override;
    double set_x(double v) override;
    double set_y(double v) override;
    double set_width(double v) override { return v; }
    double set_height(double v) override { return v; }
    // The span of the members' boxes; null slots are skipped.
    double get_width() const override;
    double get_height() const override;
    bool set_solid(bool v) override;
    double set_angle(double v) override;
    bool set_moves(bool v) override;
    bool set_immovable(bool v) override;
    std::shared_ptr<CameraList> set_cameras(std::shared_ptr<CameraList> value) override;
    bool set_pixelPerfectRender(bool v) override;
    runtime::Ref<EngSprite> clone(runtime::Ref<EngSprite> target = nullptr) override;
    // The sprite's graphic operations do nothing on a group.
    EngSprite* loadGraphicFromSprite(const runtime::Ref<EngSprite>&) override { return this; }
    EngSprite* loadGraphic(const runtime::Value&, bool = false, int = 0, int = 0, bool = false,
                           const runtime::String& = nullptr) override {
        return this;
    }
    EngSprite* loadRotatedGraphic(const runtime::Value&, int = 16, int = -1, bool = false, bool = false,
                                  const runtime::String& = nullptr) override {
        return this;
    }
    EngSprite* loadGraphicFromTexture(const runtime::Value&, bool = false, const runtime::String& = nullptr) override {
        return this;
    }
    EngSprite* loadRotatedGraphicFromTexture(const runtime::Value&, const runtime::String&, int = 16, bool = false,
                                             bool = false) override {
        return this;
    }
    EngSprite* makeGraphic(int, int, int = static_cast<int>(0xFFFFFFFF), bool = false,
                           const runtime::String& = nullptr) override {
        return this;
    }
    void resetHelpers() override {}
    void stamp(const runtime::Ref<EngSprite>&, int = 0, int = 0) override {}
    std::optional<std::vector<runtime::Ref<EngPoint>>> replaceColor(int oldColor, int newColor,
                                                                     bool fetchPositions = false) override;
    void updateColorTransform() override {}
    bool pixelsOverlapPoint(const runtime::Ref<EngPoint>& point, int alphaThreshold = 0xFF,
                            EngCamera* camera = nullptr) override;
    void calcFrame(bool = false) override {}
    void updateFrameData() override {}
    runtime::Ref<framework::BitmapData> get_pixels() override { return nullptr; }
    runtime::Ref<framework::BitmapData> set_pixels(const runtime::Ref<framework::BitmapData>& b) override { return b; }
    runtime::Ref<EngFrame> set_frame(const runtime::Ref<EngFrame>& v) override { return v; }
    int set_facing(int v) override;
    double set_alpha(double v) override;
    int set_color(int v) override;
    std::optional<framework::BlendMode> set_blend(std::optional<framework::BlendMode> v) override;
    bool set_flipX(bool v) override;
    bool set_flipY(bool v) override;

    // Calls function(member, value) for every existing member, in index order.
    template <class V>
    void transformChildren(const std::function<void(EngSprite*, V)>& function, V value) {
        if (!group) return;
        for (std::size_t i = 0; _sprites && i < _sprites->size(); ++i) {
            auto* sprite = dynamic_cast<EngSprite*>((*_sprites)[i].get());
            if (sprite && sprite->exists) function(sprite, value);
        }
    }
    // For every existing member, functions[i](member, values[i]); nothing when values are fewer.
    virtual void multiTransformChildren(const std::vector<Transform>& functions, const std::vector<double>& values);

    // Places the sprite relative to the group, then adds it to the owned group.
    virtual Member add(const runtime::Ref<EngSprite>& sprite);
    virtual Member recycle(const runtime::ClassInfo* objectClass = nullptr,
                           const runtime::Ref<runtime::Array>& constructorArgs = nullptr, bool force = false);
    virtual Member remove(const Member& sprite, bool splice = false) { return group->remove(sprite, splice); }
    virtual Member replace(const Member& oldSprite, const Member& newSprite) { return group->replace(oldSprite, newSprite); }
    virtual void sort(const EngTypedGroup::Compare& function, int order = EngSort::ASCENDING) {
        group->sort(function, order);
    }
    virtual void setAll(const std::string& name, const runtime::Value& value, bool recurse = true) {
        group->setAll(name, value, recurse);
    }
    virtual void callAll(const std::string& name, const runtime::Ref<runtime::Array>& args = nullptr, bool recurse = true) {
        group->callAll(name, args, recurse);
    }
    virtual Member getFirstAvailable(const runtime::ClassInfo* cls = nullptr, bool force = false) {
        return group->getFirstAvailable(cls, force);
    }
    virtual int getFirstNull() { return group->getFirstNull(); }
    virtual Member getFirstExisting() { return group->getFirstExisting(); }
    virtual Member getFirstAlive() { return group->getFirstAlive(); }
    virtual Member getFirstDead() { return group->getFirstDead(); }
    virtual int countLiving() { return group->countLiving(); }
    virtual int countDead() { return group->countDead(); }
    virtual Member getRandom(int startIndex = 0, int length = 0) { return group->getRandom(startIndex, length); }
    virtual void forEach(const EngTypedGroup::Visitor& f) { group->forEach(f); }
    virtual void forEachAlive(const EngTypedGroup::Visitor& f) { group->forEachAlive(f); }
    virtual void forEachDead(const EngTypedGroup::Visitor& f) { group->forEachDead(f); }
    virtual void forEachExists(const EngTypedGroup::Visitor& f) { group->forEachExists(f); }
    virtual void forEachOfType(const runtime::ClassInfo* cls, const EngTypedGroup::Visitor& f) {
        group->forEachOfType(cls, f);
    }
    virtual void clear() { group->clear(); }
    virtual int get_length() const { return group->length; }
    virtual int get_maxSize() const { return group->maxSize; }
    virtual int set_maxSize(int size) { return group->set_maxSize(size); }
    virtual std::vector<Member>& get_members() { return group->members; }

    static void xTransform(EngSprite* s, double d) { s->set_x(s->x + d); }
    static void yTransform(EngSprite* s, double d) { s->set_y(s->y + d); }
    static void angleTransform(EngSprite* s, double d) { s->set_angle(s->angle + d); }
    static void alphaTransform(EngSprite* s, double f) { s->set_alpha(s->alpha * f); }
    static void offsetTransform(EngSprite* s, EngPoint* p);
    static void originTransform(EngSprite* s, EngPoint* p);
    static void scaleTransform(EngSprite* s, EngPoint* p);
    static void scrollFactorTransform(EngSprite* s, EngPoint* p);
    virtual void offsetCallback(const runtime::Value& point);
    virtual void originCallback(const runtime::Value& point);
    virtual void scaleCallback(const runtime::Value& point);
    virtual void scrollFactorCallback(const runtime::Value& point);

    runtime::Ref<EngTypedGroup> group;
    bool _skipTransformChildren = false;
    // The owned group's member list itself.
    std::vector<Member>* _sprites = nullptr;

protected:
    // Width or height over the members.
    double span(bool horizontal) const;
};

}  // namespace engine
