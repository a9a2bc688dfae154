#pragma once
// The fallback root the entry makes when Main has no static main: a Main whose stage is the root
// clip's even before it is on the display list.
#include "Main.h"

namespace game {

class DocumentClass : public Main {
    RUNTIME_CLASS(DocumentClass)
public:
    DocumentClass() = default;
    explicit DocumentClass(runtime::NoInit n) : Main(n) {}

    runtime::Ref<framework::Stage> get_stage() override;
};

}  // namespace game
