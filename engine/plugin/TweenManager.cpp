#include "TweenManager.h"

#include <deque>

#include "engine/tweens/EngTween.h"
#include "engine/util/EngArrayUtil.h"

namespace engine {

using runtime::Ref;

void TweenManager::addTween(const Ref<EngTween>& tween, bool start) {
    if (!tween) return;
    _tweens.push_back(tween);
    if (start) tween->start();
}

Ref<EngTween> TweenManager::remove(const Ref<EngTween>& tween) {
    if (!tween) return nullptr;
    tween->active = false;
    tween->destroy();
    EngArrayUtil::fastSplice(_tweens, tween);
    return tween;
}

void TweenManager::clear() {
    while (!_tweens.empty()) remove(Ref<EngTween>(_tweens.front()));
}

void TweenManager::update() {
    std::deque<Ref<EngTween>> finished;
    for (std::size_t i = 0; i < _tweens.size(); ++i) {
        Ref<EngTween> tween = _tweens[i];
        if (!tween->active) continue;
        tween->update();
        if (tween->finished) finished.push_back(tween);
    }
    while (!finished.empty()) {
        Ref<EngTween> tween = finished.front();
        finished.pop_front();
        tween->finish();
    }
}

}  // namespace engine

using engine::TweenManager;

RUNTIME_DEFINE_CLASS(TweenManager, "engine.plugin.TweenManager", engine::EngPlugin, (auto& b) {
    b.emptyInstance();
})
