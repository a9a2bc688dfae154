#include "TextFormatAlign.h"

namespace framework {

RUNTIME_DEFINE_CLASS(TextFormatAlign, "framework.text.TextFormatAlign", runtime::Object, (auto& b) {
    b.template staticField<&TextFormatAlign::LEFT>("LEFT")
        .template staticField<&TextFormatAlign::RIGHT>("RIGHT")
        .template staticField<&TextFormatAlign::CENTER>("CENTER")
        .template staticField<&TextFormatAlign::JUSTIFY>("JUSTIFY");
})

}  // namespace framework
