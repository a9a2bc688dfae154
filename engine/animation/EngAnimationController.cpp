#include "EngAnimationController.h"

#include <algorithm>

#include "engine/EngSprite.h"
#include "engine/util/EngRandom.h"
#include "engine/util/loaders/TexturePackerData.h"
#include "platform/runtime/Numbers.h"

namespace engine {

using runtime::Ref;
using runtime::String;

namespace {
bool startsWith(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }
bool endsWith(const std::string& s, const std::string& p) {
    return s.size() >= p.size() && s.compare(s.size() - p.size(), p.size(), p) == 0;
}
}  // namespace

bool EngAnimationController::hasAtlas() const {
    return _sprite && _sprite->cachedGraphics && _sprite->cachedGraphics->data;
}

void EngAnimationController::update() {
    if (_curAnim) _curAnim->update();
    else if (_prerotated) _prerotated->set_angle(_sprite->angle);
}

EngAnimationController* EngAnimationController::copyFrom(EngAnimationController* other) {
    destroyAnimations();
    for (auto& [name, anim] : other->_animations) add(name, anim->_frames, anim->frameRate, anim->looped);
    if (other->_prerotated) createPrerotated();
    String otherName = other->get_name();
    if (!otherName.isNull()) set_name(otherName);
    set_frameIndex(other->frameIndex);
    return this;
}

void EngAnimationController::createPrerotated(EngAnimationController* parent) {
    destroyAnimations();
    if (!parent) parent = this;
    _prerotated = runtime::make<EngPrerotatedAnimation>(parent, parent->_sprite->bakedRotationAngle);
}

void EngAnimationController::destroyAnimations() {
    clearAnimations();
    clearPrerotated();
}

void EngAnimationController::destroy() {
    destroyAnimations();
    _animations.clear();
    callback = nullptr;
    _sprite = nullptr;
}

void EngAnimationController::clearPrerotated() {
    if (_prerotated) _prerotated->destroy();
    _prerotated = nullptr;
}

void EngAnimationController::clearAnimations() {
    for (auto& [name, anim] : _animations)
        if (anim) anim->destroy();
    _animations.clear();
    _curAnim = nullptr;
}

Ref<EngAnimation> EngAnimationController::get(const std::string& name) {
    auto it = _animations.find(name);
    return it == _animations.end() ? nullptr : it->second;
}

void EngAnimationController::add(const std::string& name, Frames frames, int frameRate, bool looped) {
    if (!frames) return;
    int count = get_frames();
    for (int i = static_cast<int>(frames->size()) - 1; i >= 0; --i)
        if ((*frames)[static_cast<std::size_t>(i)] >= count) frames->erase(frames->begin() + i);
    if (!frames->empty()) _animations[name] = runtime::make<EngAnimation>(this, String(name), frames, frameRate, looped);
}

void EngAnimationController::append(const std::string& name, const std::vector<int>& frames) {
    Ref<EngAnimation> anim = get(name);
    if (!anim) return;
    for (int f : frames)
        if (f < get_frames()) anim->_frames->push_back(f);
}

void EngAnimationController::store(const std::string& name, const std::vector<int>& indices, int frameRate, bool looped) {
    if (indices.empty()) return;
    _animations[name] =
        runtime::make<EngAnimation>(this, String(name), std::make_shared<std::vector<int>>(indices), frameRate, looped);
}

void EngAnimationController::addByNames(const std::string& name, const std::vector<std::string>& frameNames,
                                        int frameRate, bool looped) {
    if (!hasAtlas()) return;
    std::vector<int> indices;
    byNamesHelper(indices, frameNames);
    store(name, indices, frameRate, looped);
}

void EngAnimationController::appendByNames(const std::string& name, const std::vector<std::string>& frameNames) {
    Ref<EngAnimation> anim = get(name);
    if (anim && hasAtlas()) byNamesHelper(*anim->_frames, frameNames);
}

void EngAnimationController::addByStringIndices(const std::string& name, const std::string& prefix,
                                                const std::vector<std::string>& indices, const std::string& postfix,
                                                int frameRate, bool looped) {
    if (!hasAtlas()) return;
    std::vector<int> found;
    byStringIndicesHelper(found, prefix, indices, postfix);
    store(name, found, frameRate, looped);
}

void EngAnimationController::appendByStringIndices(const std::string& name, const std::string& prefix,
                                                   const std::vector<std::string>& indices, const std::string& postfix) {
    Ref<EngAnimation> anim = get(name);
    if (anim && hasAtlas()) byStringIndicesHelper(*anim->_frames, prefix, indices, postfix);
}

void EngAnimationController::addByIndices(const std::string& name, const std::string& prefix,
                                          const std::vector<int>& indices, const std::string& postfix, int frameRate,
                                          bool looped) {
    if (!hasAtlas()) return;
    std::vector<int> found;
    byIndicesHelper(found, prefix, indices, postfix);
    store(name, found, frameRate, looped);
}

void EngAnimationController::appendByIndices(const std::string& name, const std::string& prefix,
                                             const std::vector<int>& indices, const std::string& postfix) {
    Ref<EngAnimation> anim = get(name);
    if (anim && hasAtlas()) byIndicesHelper(*anim->_frames, prefix, indices, postfix);
}

void EngAnimationController::addByPrefix(const std::string& name, const std::string& prefix, int frameRate,
                                         bool looped) {
    if (!hasAtlas()) return;
    std::vector<Ref<EngFrame>> found;
    findByPrefix(found, prefix);
    if (found.empty()) return;
    std::vector<int> indices;
    byPrefixHelper(indices, found, prefix);
    store(name, indices, frameRate, looped);
}

void EngAnimationController::appendByPrefix(const std::string& name, const std::string& prefix) {
    Ref<EngAnimation> anim = get(name);
    if (!anim || !hasAtlas()) return;
    std::vector<Ref<EngFrame>> found;
    findByPrefix(found, prefix);
    if (!found.empty()) byPrefixHelper(*anim->_frames, found, prefix);
}

void EngAnimationController::byNamesHelper(std::vector<int>& addTo, const std::vector<std::string>& frameNames) {
    auto& hash = _sprite->framesData->framesHash;
    for (const std::string& n : frameNames)
        if (auto it = hash.find(n); it != hash.end()) addTo.push_back(getFrameIndex(it->second));
}

void EngAnimationController::byStringIndicesHelper(std::vector<int>& addTo, const std::string& prefix,
                                                   const std::vector<std::string>& indices, const std::string& postfix) {
    auto& hash = _sprite->framesData->framesHash;
    for (const std::string& s : indices)
        if (auto it = hash.find(prefix + s + postfix); it != hash.end()) addTo.push_back(getFrameIndex(it->second));
}

void EngAnimationController::byIndicesHelper(std::vector<int>& addTo, const std::string& prefix,
                                             const std::vector<int>& indices, const std::string& postfix) {
    for (int n : indices) {
        int i = findSpriteFrame(prefix, n, postfix);
        if (i != -1) addTo.push_back(i);
    }
}

int EngAnimationController::findSpriteFrame(const std::string& prefix, int index, const std::string& postfix) {
    auto& list = _sprite->framesData->frames;
    for (int i = 0; i < _sprite->frames && i < static_cast<int>(list.size()); ++i) {
        std::string name = list[static_cast<std::size_t>(i)]->name.str();
        if (!startsWith(name, prefix) || !endsWith(name, postfix)) continue;
        if (name.size() < prefix.size() + postfix.size()) continue;
        auto n = runtime::Numbers::parseInt(name.substr(prefix.size(), name.size() - prefix.size() - postfix.size()));
        if (n && *n == index) return i;
    }
    return -1;
}

void EngAnimationController::findByPrefix(std::vector<Ref<EngFrame>>& found, const std::string& prefix) {
    for (const auto& f : _sprite->framesData->frames)
        if (startsWith(f->name.str(), prefix)) found.push_back(f);
}

void EngAnimationController::byPrefixHelper(std::vector<int>& addTo, std::vector<Ref<EngFrame>>& found,
                                            const std::string& prefix) {
    std::string first = found[0]->name.str();
    std::size_t dot = first.find('.', prefix.size());
    std::string postfix = dot == std::string::npos ? std::string() : first.substr(dot);
    prefixLength = static_cast<int>(prefix.size());
    postfixLength = static_cast<int>(postfix.size());
    std::stable_sort(found.begin(), found.end(),
                     [](const Ref<EngFrame>& a, const Ref<EngFrame>& b) { return frameSortFunction(a, b) < 0; });
    for (const auto& f : found) addTo.push_back(getFrameIndex(f));
}

int EngAnimationController::frameSortFunction(const Ref<EngFrame>& a, const Ref<EngFrame>& b) {
    auto number = [](const Ref<EngFrame>& f) {
        std::string name = f->name.str();
        int end = static_cast<int>(name.size()) - postfixLength;
        if (end <= prefixLength) return 0;
        return runtime::Numbers::parseInt(name.substr(static_cast<std::size_t>(prefixLength),
                                                      static_cast<std::size_t>(end - prefixLength)))
            .value_or(0);
    };
    int na = number(a), nb = number(b);
    return na < nb ? -1 : (na > nb ? 1 : 0);
}

int EngAnimationController::getFrameIndex(const Ref<EngFrame>& frame) {
    if (!_sprite || !_sprite->framesData) return -1;
    auto& list = _sprite->framesData->frames;
    auto it = std::find(list.begin(), list.end(), frame);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void EngAnimationController::play(const String& name, bool force, int frame) {
    if (name.isNull()) {
        if (_curAnim) _curAnim->stop();
        _curAnim = nullptr;
        return;
    }
    Ref<EngAnimation> found = get(name.str());
    if (!found) return;
    if (_curAnim && _curAnim->name.str() != name.str()) _curAnim->stop();
    _curAnim = found;
    _curAnim->play(force, frame);
}

void EngAnimationController::pause() {
    if (_curAnim) _curAnim->paused = true;
}

void EngAnimationController::resume() {
    if (_curAnim) _curAnim->paused = false;
}

void EngAnimationController::randomFrame() {
    if (_curAnim) {
        _curAnim->stop();
        _curAnim = nullptr;
    }
    set_frameIndex(EngRandom::intRanged(0, get_frames() - 1));
}

void EngAnimationController::fireCallback() {
    if (!callback) return;
    callback(_curAnim ? _curAnim->name : String(), _curAnim ? _curAnim->curFrame : frameIndex, frameIndex);
}

int EngAnimationController::set_frameIndex(int index) {
    if (!_sprite || !_sprite->framesData) return frameIndex = index;
    int count = get_frames();
    if (count > 0) index %= count;
    if (index != frameIndex) {
        auto& list = _sprite->framesData->frames;
        _sprite->set_frame(index >= 0 && index < static_cast<int>(list.size()) ? list[static_cast<std::size_t>(index)]
                                                                               : nullptr);
        fireCallback();
    }
    return frameIndex = index;
}

String EngAnimationController::get_frameName() {
    return _sprite && _sprite->frame ? _sprite->frame->name : String();
}

String EngAnimationController::set_frameName(const String& value) {
    if (_sprite && _sprite->framesData && _sprite->framesData->framesHash.count(value.str())) {
        if (_curAnim) {
            _curAnim->stop();
            _curAnim = nullptr;
        }
        if (Ref<EngFrame> f = _sprite->framesData->framesHash[value.str()]) set_frameIndex(getFrameIndex(f));
    }
    return value;
}

String EngAnimationController::get_name() { return _curAnim ? _curAnim->name : String(); }

String EngAnimationController::set_name(const String& value) {
    play(value);
    return value;
}

Ref<EngAnimation> EngAnimationController::get_curAnim() {
    if (_curAnim && _curAnim->delay > 0 && (_curAnim->looped || !_curAnim->finished)) return _curAnim;
    return nullptr;
}

Ref<EngAnimation> EngAnimationController::set_curAnim(const Ref<EngAnimation>& animation) {
    if (animation && animation != _curAnim) {
        if (_curAnim) _curAnim->stop();
        animation->play();
    }
    _curAnim = animation;
    return animation;
}

bool EngAnimationController::get_paused() { return _curAnim ? _curAnim->paused : false; }

bool EngAnimationController::set_paused(bool value) {
    if (_curAnim) _curAnim->paused = value;
    return value;
}

bool EngAnimationController::get_finished() { return _curAnim ? _curAnim->finished : true; }

bool EngAnimationController::set_finished(bool value) {
    if (value && _curAnim) {
        _curAnim->finished = true;
        set_frameIndex(_curAnim->get_numFrames() - 1);
    }
    return value;
}

int EngAnimationController::get_frames() { return _sprite ? _sprite->frames : 0; }

}  // namespace engine
