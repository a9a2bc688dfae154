// The mouse event manager through real stage mouse records: over, out, down and up for registered
// engine objects in registry order, children, objects that vanish or die, and drawing order.
#include <string>
#include <vector>

#include "../EngineFixture.h"
#include "engine/EngSprite.h"
#include "engine/plugin/mouseEvent/MouseEventManager.h"
#include "engine/system/frontEnds/PluginFrontEnd.h"
#include "tests/support/ThrownText.h"

using engine::EngG;
using engine::EngObject;
using engine::EngSprite;
using engine::MouseEventManager;
using runtime::make;
using runtime::Ref;

namespace {

class MouseEventManagerTest : public EngineFixture {
protected:
    void SetUp() override {
        EngineFixture::SetUp();
        scriptPointer();
        startGame<engine::EngState>();
        step();
    }
    void mouse(bool down) { mouseButton(down); }
    void step() { frame(17); }
    // Registers the object with callbacks that log "<name><event>" (v over, o out, d down, u up).
    template <class O>
    Ref<O> registered(const std::string& name, Ref<O> object, bool children = false) {
        auto cb = [this, name](char e) { return [this, name, e](EngObject*) { log += name + e + " "; }; };
        MouseEventManager::add(object, cb('d'), cb('u'), cb('v'), cb('o'), children, true, false);
        EngG::get_state()->add(object);
        return object;
    }
    Ref<EngObject> box(double x, double y) { return make<EngObject>(x, y, 50, 50); }
    std::string log;
};

}  // namespace

TEST_F(MouseEventManagerTest, OnlyTheFirstOfTwoOverlappingObjectsGetsEvents) {
    auto lower = registered("A", box(100, 100));
    auto upper = registered("B", box(120, 120));  // registered later: tested first
    EXPECT_NE(EngG::plugins->get(&MouseEventManager::staticClass()), nullptr);
    pointerX = 110;
    pointerY = 110;
    step();  // only A is under the pointer
    pointerX = 130;
    pointerY = 130;
    step();
    mouse(true);
    step();
    step();
    mouse(false);
    step();
    EXPECT_EQ(log, "Av Bv Ao Bd Bu ");

    log.clear();
    MouseEventManager::setObjectMouseChildren(upper.get(), true);
    EXPECT_TRUE(MouseEventManager::isObjectMouseChildren(upper.get()));
    mouse(true);
    mouse(false);
    step();  // a press and release in one step: down before up, upper first
    EXPECT_EQ(log, "Av Bd Ad Bu Au ");
}

TEST_F(MouseEventManagerTest, VanishingDyingAndDestroyedObjects) {
    auto a = registered("A", box(100, 100));
    auto b = registered("B", box(300, 100));
    auto c = registered("C", box(500, 100));
    pointerX = 110;
    pointerY = 110;
    step();
    a->visible = false;
    step();
    EXPECT_EQ(log, "Av Ao ");
    log.clear();
    pointerX = 310;
    step();
    b->alive = false;
    step();
    EXPECT_EQ(log, "Bv Bo ");
    log.clear();
    pointerX = 510;
    step();
    c->destroy();  // its registration goes without an out
    step();
    EXPECT_EQ(log, "Cv ");
    EXPECT_EQ(MouseEventManager::getRegister(c.get()), nullptr);
    EXPECT_NE(MouseEventManager::getRegister(b.get()), nullptr);
}

TEST_F(MouseEventManagerTest, RegistrationLookupsAndReorder) {
    auto plain = box(0, 0);
    auto loose = box(0, 0);
    EXPECT_FALSE(MouseEventManager::isObjectMouseEnabled(loose.get()));
    EXPECT_EQ(thrownText([&] { MouseEventManager::isObjectMouseChildren(loose.get()); }),
              "MouseEventManager , isObjectMouseChildren() : object not found");
    registered("P", plain);
    auto under = registered("U", make<EngSprite>(10, 10));
    auto over = registered("O", make<EngSprite>(10, 10));
    MouseEventManager::add(over);  // a second registration of one object
    MouseEventManager::add(make<EngSprite>(0, 0));  // not in the state
    EXPECT_EQ(MouseEventManager::_registeredObjects.size(), 5u);
    MouseEventManager::reorder();
    ASSERT_EQ(MouseEventManager::_registeredObjects.size(), 2u);
    EXPECT_EQ(MouseEventManager::_registeredObjects[0]->object, over);
    EXPECT_EQ(MouseEventManager::_registeredObjects[1]->object, under);
    MouseEventManager::add(under);
    MouseEventManager::remove(under.get());
    EXPECT_EQ(MouseEventManager::getRegister(under.get()), nullptr);

    // Already under the pointer when registered: over at the next update.
    pointerX = 20;
    pointerY = 20;
    auto late = registered("L", box(0, 0));
    step();
    EXPECT_EQ(log, "Lv ");
}
