// The plugin front end and the tween manager: the three managers, one plugin per class, the
// switches that decide which passes reach a plugin, and one-shot numeric tweens.
#include <gtest/gtest.h>

#include "engine/EngG.h"
#include "engine/plugin/PathManager.h"
#include "engine/plugin/TimerManager.h"
#include "engine/plugin/TweenManager.h"
#include "engine/system/frontEnds/PluginFrontEnd.h"
#include "engine/tweens/EngTween.h"
#include "engine/tweens/misc/NumTween.h"
#include "engine/util/EngTimer.h"

using engine::EngG;
using engine::EngTween;
using runtime::make;
using runtime::Ref;

namespace {
class CountingPlugin : public engine::EngPlugin {
    RUNTIME_CLASS(CountingPlugin)
public:
    CountingPlugin() = default;
    explicit CountingPlugin(runtime::NoInit n) : EngPlugin(n) {}
    void update() override { ++updates; }
    void draw() override { ++draws; }
    void onStateSwitch() override { ++switches; }
    void onResize(int, int) override { ++resizes; }
    int updates = 0, draws = 0, switches = 0, resizes = 0;
};
}  // namespace

RUNTIME_DEFINE_CLASS(CountingPlugin, "tests.engine.CountingPlugin", engine::EngPlugin, (auto& b) { b.emptyInstance(); })

TEST(PluginFrontEnd, ManagersAndOnePluginPerClass) {
    auto plugins = make<engine::PluginFrontEnd>();
    ASSERT_EQ(plugins->list.size(), 3u);
    EXPECT_EQ(plugins->list[0], Ref<engine::EngPlugin>(engine::PathManager::manager));
    EXPECT_EQ(plugins->list[1], Ref<engine::EngPlugin>(engine::TimerManager::manager));
    EXPECT_EQ(plugins->list[2], Ref<engine::EngPlugin>(EngTween::manager));
    EXPECT_FALSE(EngTween::manager->visible);
    EXPECT_TRUE(engine::PathManager::manager->visible);
    auto second = make<engine::TweenManager>();
    EXPECT_EQ(plugins->add(second), second);
    EXPECT_EQ(plugins->list.size(), 3u);
    EXPECT_EQ(plugins->get(&engine::TweenManager::staticClass()), Ref<engine::EngPlugin>(EngTween::manager));
    EXPECT_TRUE(plugins->removeType(&engine::TweenManager::staticClass()));
    EXPECT_FALSE(plugins->removeType(&engine::TweenManager::staticClass()));

    auto p = plugins->add(make<CountingPlugin>());
    p->active = false;
    plugins->update();
    plugins->draw();
    plugins->onStateSwitch();
    plugins->onResize(1, 2);
    EXPECT_EQ(p->updates, 0);
    EXPECT_EQ(p->draws, 1);
    EXPECT_EQ(p->switches, 1);
    EXPECT_EQ(p->resizes, 1);
    p->exists = false;
    plugins->draw();
    plugins->onStateSwitch();
    EXPECT_EQ(p->draws, 1);
    EXPECT_EQ(p->switches, 1);
    EXPECT_EQ(plugins->remove(p), p);
    EXPECT_EQ(plugins->list.size(), 2u);
    EngG::staticInit();  // the managers of the globals again
}

TEST(EngTween, OneShotNumberTween) {
    EngG::staticInit();
    auto manager = EngTween::manager;
    int completed = 0;
    auto options = make<runtime::DynamicObject>();
    options->setField("complete", runtime::Value(runtime::Function::of([&] { ++completed; })));
    std::vector<double> values;
    auto tween = EngTween::num(0, 10, 1, options, runtime::Function::of([&](double v) { values.push_back(v); }));
    EXPECT_EQ(options->getField("type").toInt(), EngTween::ONESHOT);
    EngG::elapsed = 0.25;
    manager->update();
    manager->update();
    EXPECT_DOUBLE_EQ(tween->scale, 0.5);
    EXPECT_DOUBLE_EQ(tween->value, 5);
    manager->update();
    manager->update();
    EXPECT_EQ(values.back(), 10);
    EXPECT_EQ(completed, 1);
    EXPECT_TRUE(manager->_tweens.empty());
    EXPECT_FALSE(tween->active);

    // A state switch removes and destroys every tween; a removed tween loses its callbacks.
    auto other = EngTween::num(0, 1, 1, nullptr, runtime::Function::of([](double) {}));
    manager->onStateSwitch();
    EXPECT_TRUE(manager->_tweens.empty());
    EXPECT_EQ(other->_tweenFunction, nullptr);
    EngG::elapsed = 0;
}

TEST(EngTimer, LoopsCountStepTimeAndFinish) {
    EngG::staticInit();
    auto manager = engine::TimerManager::manager;
    int calls = 0;
    auto timer = make<engine::EngTimer>(0.5, runtime::Function::of([&] { ++calls; }), 3);
    EXPECT_EQ(manager->_timers.size(), 1u);
    EngG::elapsed = 0.25;
    for (int i = 0; i < 6; ++i) manager->update();
    EXPECT_EQ(calls, 3);
    EXPECT_TRUE(timer->finished);
    EXPECT_TRUE(manager->_timers.empty());

    // One long step runs two loops and keeps the rest.
    timer->reset();
    EngG::elapsed = 1.25;
    manager->update();
    EXPECT_EQ(calls, 5);
    EXPECT_DOUBLE_EQ(timer->_timeCounter, 0.25);
    timer->start(-2, nullptr, -3);
    EXPECT_EQ(timer->time, 2);
    EXPECT_EQ(timer->loops, 3);
    EXPECT_EQ(timer->get_timeLeft(), 2);

    // A state switch drops the timers without telling them: starting again does not list them.
    manager->onStateSwitch();
    timer->start(1);
    EXPECT_TRUE(manager->_timers.empty());
    auto idle = make<engine::EngTimer>();
    EXPECT_EQ(idle->time, 0);
    EXPECT_EQ(idle->get_progress(), 0);
    EXPECT_FALSE(idle->_inManager);
    EngG::elapsed = 0;
}
