#include "Stage.h"

#include "Sprite.h"

namespace framework {

Stage::Stage(const runtime::Value& handle, int, int) : DisplayObjectContainer(handle, "Stage") {}

void Stage::startDrag_(Sprite*, bool, const runtime::Ref<Rectangle>&) {}

void Stage::stopDrag_(Sprite*) {}

RUNTIME_DEFINE_CLASS(Stage, "framework._native.display.Stage", DisplayObjectContainer, (auto& b) {})

}  // namespace framework
