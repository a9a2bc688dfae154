#include "ManagedStage.h"

#include "framework/Lib.h"
#include "platform/runtime/DynamicObject.h"

namespace framework {

using runtime::Value;

void ManagedStage::initClass() {
    static const bool done = [] {
        media_managed_stage_create = MEDIA_LOAD(media_native_managed_stage_create);
        media_managed_stage_pump_event = MEDIA_LOAD(media_native_managed_stage_pump_event);
        return true;
    }();
    (void)done;
}

Value ManagedStage::createHandle(int width, int height, int flags) {
    initClass();
    return media_managed_stage_create(width, height, flags);
}

ManagedStage::ManagedStage(int width, int height, int flags) : Stage(createHandle(width, height, flags), width, height) {
    beginRender = runtime::Function::of([] {});
    endRender = runtime::Function::of([] {});
    setNextWake = runtime::Function::of([](double) {});
}

void ManagedStage::pumpEvent(const Value& event) { media_managed_stage_pump_event(handle_, event); }

void ManagedStage::sendQuit() {
    auto rec = runtime::make<runtime::DynamicObject>();
    rec->setField("type", Value(static_cast<int>(etQuit)));
    pumpEvent(Value(rec));
}

void ManagedStage::resize(int width, int height) {
    auto rec = runtime::make<runtime::DynamicObject>();
    rec->setField("type", Value(static_cast<int>(etResize)));
    rec->setField("x", Value(width));
    rec->setField("y", Value(height));
    pumpEvent(Value(rec));
}

double ManagedStage::doProcessStageEvent_(const Value& event) {
    pollTimers_();
    double wake = Stage::doProcessStageEvent_(event);
    // The host's hook runs inside the back end's call: its failures go to the uncaught-error policy.
    try {
        runtime::call(setNextWake, wake);
    } catch (const runtime::Thrown& t) {
        runtime::Thrown::Scope scope(std::current_exception());
        Lib::rethrow(t.value());
    }
    return wake;
}

void ManagedStage::render_(bool sendEnterFrame) {
    runtime::call(beginRender);
    Stage::render_(sendEnterFrame);
    runtime::call(endRender);
}

RUNTIME_DEFINE_CLASS(ManagedStage, "framework._native.display.ManagedStage", Stage, (auto& b) {
    b.template field<&ManagedStage::beginRender>("beginRender")
        .template field<&ManagedStage::endRender>("endRender")
        .template field<&ManagedStage::setNextWake>("setNextWake")
        .template method<&ManagedStage::sendQuit>("sendQuit")
        .template method<&ManagedStage::pumpEvent>("pumpEvent");
})

}  // namespace framework
