#include "EngTouch.h"

using engine::EngTouch;

RUNTIME_DEFINE_CLASS(EngTouch, "engine.input.touch.EngTouch", engine::EngPoint, (auto& b) { b.emptyInstance(); })
