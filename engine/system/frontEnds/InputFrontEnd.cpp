#include "InputFrontEnd.h"

#include "engine/util/EngStringUtil.h"

namespace engine {

void InputFrontEnd::addEntry(const runtime::Ref<runtime::Object>& input) {
    for (const auto& entry : list)
        if (EngStringUtil::sameClassName(entry.get(), input.get())) return;
    list.push_back(input);
}

#define ENGINE_FORWARD_TO_INPUTS(op)                                                     \
    void InputFrontEnd::op() {                                                           \
        for (std::size_t i = 0; i < list.size(); ++i) {                                  \
            runtime::Ref<runtime::Object> keep = list[i];                                \
            if (IEngInput* input = asInput(keep.get())) input->op();                     \
        }                                                                                \
    }
ENGINE_FORWARD_TO_INPUTS(reset)
ENGINE_FORWARD_TO_INPUTS(update)
ENGINE_FORWARD_TO_INPUTS(onFocus)
ENGINE_FORWARD_TO_INPUTS(onFocusLost)
ENGINE_FORWARD_TO_INPUTS(destroy)
#undef ENGINE_FORWARD_TO_INPUTS

}  // namespace engine
