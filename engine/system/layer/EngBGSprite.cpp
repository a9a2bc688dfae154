#include "EngBGSprite.h"

using engine::EngBGSprite;

RUNTIME_DEFINE_CLASS(EngBGSprite, "engine.system.layer.EngBGSprite", engine::EngBasic,
                     (auto& b) { b.template field<&EngBGSprite::color>("color").emptyInstance(); })
