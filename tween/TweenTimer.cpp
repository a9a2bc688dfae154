#include "TweenTimer.h"

namespace tween {

RUNTIME_DEFINE_CLASS(TweenTimer, "tween.TweenTimer", runtime::Object, (auto& b) {
    b.template field<&TweenTimer::progress>("progress");
})

}  // namespace tween
