// Path following through the path manager, and the flicker effect through the timer manager.
#include <gtest/gtest.h>

#include "engine/EngG.h"
#include "engine/EngObject.h"
#include "engine/plugin/PathManager.h"
#include "engine/plugin/TimerManager.h"
#include "engine/util/EngFlicker.h"
#include "engine/util/EngPath.h"

using engine::EngFlicker;
using engine::EngG;
using engine::EngObject;
using engine::EngPath;
using engine::EngPoint;
using runtime::make;
using runtime::Ref;

namespace {
std::shared_ptr<engine::EngPath::Nodes> nodes(std::initializer_list<std::pair<double, double>> xy) {
    auto out = std::make_shared<engine::EngPath::Nodes>();
    for (auto [x, y] : xy) out->push_back(make<EngPoint>(x, y));
    return out;
}

// Moves the object by its velocity, as the object's own motion would, then steps the paths.
void frame(const Ref<EngObject>& object, int times = 1) {
    for (int i = 0; i < times; ++i) {
        object->set_x(object->x + object->velocity->x * EngG::elapsed);
        object->set_y(object->y + object->velocity->y * EngG::elapsed);
        engine::PathManager::manager->update();
    }
}
}  // namespace

TEST(EngPath, ForwardPathEndsSnappedOnItsLastNode) {
    EngG::staticInit();
    EngG::elapsed = 1.0 / 60;
    auto object = make<EngObject>(0, 0, 10, 10);
    int completions = 0;
    auto path = make<EngPath>();
    path->onComplete = runtime::Function::of([&] { ++completions; });
    auto list = nodes({{5, 5}, {105, 5}});
    path->start(object, list, -100);
    list->push_back(make<EngPoint>(105, 55));  // the path walks the caller's list itself
    EXPECT_EQ(path->tail(), list->back());
    EXPECT_EQ(path->speed, 100);
    EXPECT_TRUE(object->immovable);
    EXPECT_EQ(engine::PathManager::manager->_paths.size(), 1u);

    frame(object);  // at the first node already: snaps and heads right
    EXPECT_EQ(path->_nodeIndex, 1);
    EXPECT_EQ(object->velocity->x, 100);
    EXPECT_EQ(path->angle, 90);
    frame(object, 60);
    EXPECT_EQ(path->_nodeIndex, 2);
    EXPECT_EQ(path->angle, 180);  // down
    EXPECT_EQ(object->velocity->x, 0);
    frame(object, 40);
    EXPECT_TRUE(path->finished);
    EXPECT_EQ(completions, 1);
    EXPECT_EQ(object->x, 100);
    EXPECT_EQ(object->y, 50);
    EXPECT_EQ(object->velocity->x, 0);
    EXPECT_EQ(object->velocity->y, 0);
    EXPECT_TRUE(engine::PathManager::manager->_paths.empty());
    EngG::elapsed = 0;
}

TEST(EngPath, LoopsYoyoAxesAndEditing) {
    EngG::staticInit();
    EngG::elapsed = 1.0 / 60;
    auto object = make<EngObject>(0, 0, 0, 0);
    int completions = 0;
    auto loop = make<EngPath>(object, nodes({{0, 0}, {1, 0}}), 100, EngPath::LOOP_FORWARD);
    loop->onComplete = runtime::Function::of([&] { ++completions; });
    frame(object, 4);  // both nodes lie within one step's travel: every step advances
    EXPECT_EQ(completions, 2);
    EXPECT_FALSE(loop->finished);
    loop->cancel();

    completions = 0;
    auto yoyo = make<EngPath>(object, nodes({{0, 0}}), 100, EngPath::YOYO);
    yoyo->onComplete = runtime::Function::of([&] { ++completions; });
    for (int i = 0; i < 3; ++i) {
        object->set_x(0);  // held on the node: every step advances
        engine::PathManager::manager->update();
    }
    EXPECT_EQ(yoyo->_nodeIndex, 0);
    EXPECT_EQ(completions, 3);
    yoyo->cancel();

    // Horizontal only: the y velocity is left alone and only x snaps.
    object->velocity->set(0, 7);
    object->set_y(30);
    auto flat = make<EngPath>(object, nodes({{0.5, 0}, {50, 0}}), 100, EngPath::HORIZONTAL_ONLY);
    frame(object);
    EXPECT_EQ(object->y, 30 + 7 * EngG::elapsed);
    EXPECT_EQ(object->velocity->y, 7);
    EXPECT_EQ(object->velocity->x, 100);
    flat->cancel();

    auto empty = make<EngPath>(object, std::make_shared<EngPath::Nodes>());
    EXPECT_FALSE(empty->active);
    EXPECT_EQ(empty->removeAt(0), nullptr);
    empty->addAt(1, 1, -1);
    EXPECT_EQ(empty->head(), nullptr);
    empty->add(1, 1)->add(2, 2)->addAt(0, 0, 99);
    EXPECT_EQ(empty->tail()->x, 0);
    EXPECT_EQ(empty->removeAt(-1)->x, 0);
    EXPECT_EQ(empty->removeAt(-9)->x, 1);
    engine::PathManager::manager->clear();
    EngG::elapsed = 0;
}

TEST(EngFlicker, TogglesThenSettles) {
    EngG::staticInit();
    auto timers = engine::TimerManager::manager;
    auto object = make<EngObject>();
    int toggles = 0, completions = 0;
    bool flickeringInside = false;
    EngFlicker::flicker(object, 1, 0.04, true, true, runtime::Function::of([&] {
                            ++completions;
                            flickeringInside = EngFlicker::isFlickering(object);
                        }),
                        runtime::Function::of([&] { ++toggles; }));
    EXPECT_TRUE(EngFlicker::isFlickering(object));
    EngG::elapsed = 0.04;
    for (int i = 0; i < 30; ++i) timers->update();
    EXPECT_EQ(toggles, 25);
    EXPECT_EQ(completions, 1);
    EXPECT_TRUE(flickeringInside);
    EXPECT_TRUE(object->visible);
    EXPECT_FALSE(EngFlicker::isFlickering(object));

    toggles = 0;
    EngFlicker::flicker(object, 0.5, 0.04, false, true, nullptr, runtime::Function::of([&] { ++toggles; }));
    for (int i = 0; i < 20; ++i) timers->update();
    EXPECT_EQ(toggles, 12);
    EXPECT_FALSE(object->visible);

    // Without end until stopped; stopping leaves the object visible.
    EngFlicker::flicker(object, 0);
    for (int i = 0; i < 3; ++i) timers->update();
    EXPECT_TRUE(EngFlicker::isFlickering(object));
    auto running = EngFlicker::_boundObjects()[object.get()];
    EngFlicker::flicker(object, 5, 0.04, true, false);  // no restart: unchanged
    EXPECT_EQ(EngFlicker::_boundObjects()[object.get()], running);
    EngFlicker::stopFlickering(object);
    EXPECT_TRUE(object->visible);
    EXPECT_FALSE(EngFlicker::isFlickering(object));
    timers->clear();
    EngG::elapsed = 0;
}
