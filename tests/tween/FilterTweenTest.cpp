// Filter tweens (Tweener::effects).
#include "ShadeFilter.h"
#include "TweenFixture.h"
#include "TweenTarget.h"
#include "platform/runtime/ClassRef.h"
#include "platform/runtime/Numbers.h"
#include "tween/actuators/FilterActuator.h"
#include "tween/easing/Linear.h"

using framework::BitmapFilter;
using framework::Sprite;
using runtime::Array;
using runtime::ClassRef;
using runtime::make;
using runtime::Ref;
using runtime::Value;
using tween::Tweener;

class FilterTween : public TweenFixture {
protected:
    // The sprite's filters as "type strength blur" (base filters as their type).
    static std::string filters(const Ref<Sprite>& s) {
        std::string out;
        Ref<Array> list = s->get_filters();
        for (const Value& f : list->items) {
            if (!out.empty()) out += ", ";
            out += f.field("type").toText();
            if (auto* shade = f.as<ShadeFilter>())
                out += " " + runtime::Numbers::toText(shade->strength) + " " + runtime::Numbers::toText(shade->blur);
        }
        return out;
    }
    static void setFilters(const Ref<Sprite>& s, std::vector<Ref<BitmapFilter>> list) {
        auto a = make<Array>();
        for (auto& f : list) a->push(Value(f));
        s->set_filters(a);
    }
    static Value shadeClass() { return Value(ClassRef::of<ShadeFilter>()); }
};

TEST_F(FilterTween, ByClassEveryFilterOfTheClassTakesTheLastOnesTweenedValues) {
    auto s = make<Sprite>();
    setFilters(s, {make<ShadeFilter>(1, 0), make<BitmapFilter>(runtime::String("other")), make<ShadeFilter>(3, 2)});
    auto rec = record({{"strength", 10}, {"blur", 4}});
    Tweener::effects(s, 1)->filter(shadeClass(), rec)->ease(tween::Linear::get_easeNone());
    EXPECT_TRUE(rec->hasField("filter"));  // written into the caller's record
    frame(0.5);
    EXPECT_EQ(filters(s), "shade 6.5 3, other, shade 6.5 3");
    frame(1);
    EXPECT_EQ(filters(s), "shade 10 4, other, shade 10 4");
    EXPECT_FALSE(Tweener::isActive());
}

TEST_F(FilterTween, ByClassOnAnObjectWithoutFiltersAddsOne) {
    auto s = make<Sprite>();
    Tweener::effects(s, 1)->filter(shadeClass(), record({{"blur", 8}}))->ease(tween::Linear::get_easeNone());
    EXPECT_EQ(filters(s), "shade 1 0");
    frame(0.25);
    EXPECT_EQ(filters(s), "shade 1 2");
}

TEST_F(FilterTween, ByPositionOnlyThatFilterChanges) {
    auto s = make<Sprite>();
    setFilters(s, {make<ShadeFilter>(1, 0), make<ShadeFilter>(2, 0)});
    // A key that names no field of the filter is left out.
    Tweener::effects(s, 1)
        ->filter(Value(1), record({{"strength", 4}, {"nothing", 5}}))
        ->ease(tween::Linear::get_easeNone());
    frame(0.5);
    EXPECT_EQ(filters(s), "shade 1 0, shade 3 0");
    frame(1);
    EXPECT_EQ(filters(s), "shade 1 0, shade 4 0");

    // Out of the list: nothing is animated, the list is written back as it was.
    clock = 0;
    auto a = Tweener::effects(s, 1)->filter(Value(5), record({{"strength", 9}}));
    EXPECT_FALSE(a.cast<tween::FilterActuator>()->filter);
    frame(1);
    EXPECT_EQ(filters(s), "shade 1 0, shade 4 0");
}

TEST_F(FilterTween, DurationZeroWritesAtOnceAndOtherTargetsStartNothing) {
    auto s = make<Sprite>();
    setFilters(s, {make<ShadeFilter>(1, 0)});
    Tweener::effects(s)->filter(shadeClass(), record({{"strength", 7}, {"blur", 1}}));
    EXPECT_EQ(filters(s), "shade 7 1");
    EXPECT_FALSE(Tweener::isActive());

    EXPECT_FALSE(Tweener::effects(make<TweenTarget>(), 1)->filter(Value(0), record({{"x", 1}})));
}
