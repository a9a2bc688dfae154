#include "CodeValuePair.h"

using engine::CodeValuePair;

RUNTIME_DEFINE_CLASS(CodeValuePair, "engine.system.replay.CodeValuePair", runtime::Object, (auto& b) {
    b.template field<&CodeValuePair::code>("code").template field<&CodeValuePair::value>("value").emptyInstance();
})
