#pragma once
// A sprite's animations: the named animations, the one playing, the pre-rotated animation of a
// baked rotation graphic, and the sprite's current frame index, which sets the sprite's frame.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/animation/EngAnimation.h"
#include "engine/animation/EngPrerotatedAnimation.h"

namespace engine {

class EngSprite;
class EngFrame;

class EngAnimationController : public runtime::Object, public IEngDestroyable {
public:
    // (animation name or null, position in the animation or the frame index, frame index)
    using Callback = std::function<void(const runtime::String&, int, int)>;
    using Frames = EngAnimation::Frames;

    static inline int prefixLength = 0;
    static inline int postfixLength = 0;
    // By the number between prefix and postfix: walk2 before walk10.
    static int frameSortFunction(const runtime::Ref<EngFrame>& a, const runtime::Ref<EngFrame>& b);

    explicit EngAnimationController(EngSprite* sprite) : _sprite(sprite) {}

    virtual void update();
    virtual EngAnimationController* copyFrom(EngAnimationController* other);
    virtual void createPrerotated(EngAnimationController* parent = nullptr);
    virtual void destroyAnimations();
    void destroy() override;
    virtual void clearPrerotated();
    virtual void clearAnimations();
    virtual runtime::Ref<EngAnimation> get(const std::string& name);
    // Entries at or above the frame count are removed from frames itself.
    virtual void add(const std::string& name, Frames frames, int frameRate = 30, bool looped = true);
    virtual void append(const std::string& name, const std::vector<int>& frames);
    virtual void addByNames(const std::string& name, const std::vector<std::string>& frameNames, int frameRate = 30,
                            bool looped = true);
    virtual void appendByNames(const std::string& name, const std::vector<std::string>& frameNames);
    virtual void addByStringIndices(const std::string& name, const std::string& prefix,
                                    const std::vector<std::string>& indices, const std::string& postfix,
                                    int frameRate = 30, bool looped = true);
    virtual void appendByStringIndices(const std::string& name, const std::string& prefix,
                                       const std::vector<std::string>& indices, const std::string& postfix);
    virtual void addByIndices(const std::string& name, const std::string& prefix, const std::vector<int>& indices,
                              const std::string& postfix, int frameRate = 30, bool looped = true);
    virtual void appendByIndices(const std::string& name, const std::string& prefix, const std::vector<int>& indices,
                                 const std::string& postfix);
    virtual int findSpriteFrame(const std::string& prefix, int index, const std::string& postfix);
    virtual void addByPrefix(const std::string& name, const std::string& prefix, int frameRate = 30, bool looped = true);
    virtual void appendByPrefix(const std::string& name, const std::string& prefix);
    virtual void play(const runtime::String& name, bool force = false, int frame = 0);
    virtual void pause();
    virtual void resume();
    virtual runtime::Ref<EngAnimation> getByName(const std::string& name) { return get(name); }
    virtual void randomFrame();
    virtual void fireCallback();
    virtual void byNamesHelper(std::vector<int>& addTo, const std::vector<std::string>& frameNames);
    virtual void byStringIndicesHelper(std::vector<int>& addTo, const std::string& prefix,
                                       const std::vector<std::string>& indices, const std::string& postfix);
    virtual void byIndicesHelper(std::vector<int>& addTo, const std::string& prefix, const std::vector<int>& indices,
                                 const std::string& postfix);
    virtual void byPrefixHelper(std::vector<int>& addTo, std::vector<runtime::Ref<EngFrame>>& found,
                                const std::string& prefix);
    virtual void findByPrefix(std::vector<runtime::Ref<EngFrame>>& found, const std::string& prefix);
    virtual int set_frameIndex(int index);
    // Null while the sprite shows no frame.
    virtual runtime::String get_frameName();
    virtual runtime::String set_frameName(const runtime::String& value);
    virtual runtime::String get_name();
    virtual runtime::String set_name(const runtime::String& value);
    virtual runtime::Ref<EngAnimation> get_curAnim();
    virtual runtime::Ref<EngAnimation> set_curAnim(const runtime::Ref<EngAnimation>& animation);
    virtual bool get_paused();
    virtual bool set_paused(bool value);
    virtual bool get_finished();
    virtual bool set_finished(bool value);
    virtual int get_frames();
    virtual int getFrameIndex(const runtime::Ref<EngFrame>& frame);

    int frameIndex = -1;
    Callback callback;
    // The sprite owns its controller.
    EngSprite* _sprite = nullptr;
    runtime::Ref<EngAnimation> _curAnim;
    std::map<std::string, runtime::Ref<EngAnimation>> _animations;
    runtime::Ref<EngPrerotatedAnimation> _prerotated;

private:
    bool hasAtlas() const;
    void store(const std::string& name, const std::vector<int>& indices, int frameRate, bool looped);
};

}  // namespace engine
