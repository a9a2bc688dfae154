#pragma once
// Paragraph alignment texts of TextFormat.align.
#include "platform/runtime/ClassBuilder.h"
#include "platform/runtime/String.h"

namespace framework {

class TextFormatAlign : public runtime::Object {
    RUNTIME_CLASS(TextFormatAlign)
public:
    static inline runtime::String LEFT = "left";
    static inline runtime::String RIGHT = "right";
    static inline runtime::String CENTER = "center";
    static inline runtime::String JUSTIFY = "justify";
};

}  // namespace framework
