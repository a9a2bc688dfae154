#pragma once
// The one 960 × 540 stage of a test program over the fake back end, made current with its root
// clip on first use.
#include "framework/Lib.h"
#include "framework/display/Stage.h"
#include "platform/runtime/DynamicObject.h"

inline const runtime::Ref<framework::Stage>& programStage() {
    static const runtime::Ref<framework::Stage> s = [] {
        auto h = runtime::make<runtime::DynamicObject>();
        h->setField("id", runtime::Value(1));
        auto st = runtime::make<framework::Stage>(runtime::Value(h), 960, 540);
        framework::Lib::setCurrentStage_(st);
        framework::Lib::get_current();
        return st;
    }();
    return s;
}
