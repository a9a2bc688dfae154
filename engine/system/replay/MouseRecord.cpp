#include "MouseRecord.h"

using engine::MouseRecord;

RUNTIME_DEFINE_CLASS(MouseRecord, "engine.system.replay.MouseRecord", engine::EngPoint, (auto& b) {
    b.template field<&MouseRecord::button>("button").template field<&MouseRecord::wheel>("wheel").emptyInstance();
})
