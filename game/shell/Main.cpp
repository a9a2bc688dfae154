#include "Main.h"

#include "Game.h"
#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"

namespace game {

using runtime::Function;

Main::Main() {
    if (get_stage()) init();
    else addEventListener(framework::Event::ADDED_TO_STAGE, Function::method<&Main::init>(this));
}

void Main::main() { framework::Lib::get_current()->addChild(runtime::make<Main>()); }

void Main::init(const runtime::Ref<framework::Event>&) {
    if (hasEventListener(framework::Event::ADDED_TO_STAGE))
        removeEventListener(framework::Event::ADDED_TO_STAGE, Function::method<&Main::init>(this));
    go();
}

void Main::go() {
    initialize();
    addChild(runtime::make<Game>());
}

void Main::initialize() {
    auto stage = framework::Lib::get_current()->get_stage();
    stage->set_align(framework::StageAlign::TOP_LEFT);
    stage->set_scaleMode(framework::StageScaleMode::NO_SCALE);
}

}  // namespace game

using game::Main;

RUNTIME_DEFINE_CLASS(Main, "Main", framework::Sprite, (auto& b) {
    b.template method<&Main::init>("init")
        .template method<&Main::go>("go")
        .template method<&Main::initialize>("initialize")
        .template staticMethod<&Main::main>("main")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> { return runtime::make<Main>(); });
})
