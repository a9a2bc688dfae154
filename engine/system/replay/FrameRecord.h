#pragma once
// One recorded engine step: its number, the keyboard's held keys and the mouse, each or both null.
// As text: frame "k" code:value,... "m" x,y,button,wheel.
#include <string>
#include <string_view>

#include "engine/system/replay/MouseRecord.h"
#include "platform/runtime/Array.h"

namespace engine {

class FrameRecord : public runtime::Object {
    RUNTIME_CLASS(FrameRecord)
public:
    FrameRecord() = default;
    explicit FrameRecord(runtime::NoInit) {}

    // frame is rounded down.
    virtual FrameRecord* create(double frame, const runtime::Ref<runtime::Array>& keys = nullptr,
                                const runtime::Ref<MouseRecord>& mouse = nullptr);
    virtual void destroy();
    virtual std::string save() const;
    // Unreadable numbers read as 0; key pairs without exactly one ":" and mouse parts of fewer
    // than four fields are dropped. A line without "k" gives empty key and mouse parts.
    virtual FrameRecord* load(std::string_view line);

    int frame = 0;
    // CodeValuePair entries.
    runtime::Ref<runtime::Array> keys;
    runtime::Ref<MouseRecord> mouse;
};

}  // namespace engine
