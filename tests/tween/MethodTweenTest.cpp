// Tweens of a function's arguments (Tweener::update).
#include "TweenFixture.h"
#include "platform/runtime/Numbers.h"
#include "tween/actuators/MethodActuator.h"
#include "tween/easing/Linear.h"

using runtime::Array;
using runtime::Function;
using runtime::make;
using runtime::Ref;
using runtime::Value;
using tween::Tweener;

namespace {
Ref<Array> list(std::vector<Value> items) { return make<Array>(std::move(items)); }
}  // namespace

class MethodTween : public TweenFixture {
protected:
    // A function that logs its arguments as "(a, b, ...)".
    Ref<Function> recorder() {
        return make<Function>([this](const Value* args, int argc) -> Value {
            std::string s = "(";
            for (int i = 0; i < argc; ++i) s += (i ? ", " : "") + args[i].toText();
            calls.push_back(s + ")");
            return Value();
        });
    }
    std::vector<std::string> calls;
};

TEST_F(MethodTween, CallsTheFunctionWithInterpolatedArgumentsEveryFrame) {
    auto f = recorder();
    Tweener::update(f, 1, Value(list({Value(0), Value("t")})), Value(list({Value(10), Value("t")})))
        ->ease(tween::Linear::get_easeNone())
        ->onComplete(Function::of([this] { calls.push_back("complete"); }));
    frame(0.25);
    frame(1);
    frame(2);
    EXPECT_EQ(calls, (std::vector<std::string>{"(2.5, t)", "(10, t)", "complete"}));
    EXPECT_FALSE(Tweener::isActive());
}

TEST_F(MethodTween, StopWithCompleteCallsWithTheEndThenTheLastArguments) {
    auto f = recorder();
    Tweener::update(f, 1, Value(list({Value(0)})), Value(list({Value(8)})))->ease(tween::Linear::get_easeNone());
    frame(0.5);
    Tweener::stop(f, Value(), true);
    EXPECT_EQ(calls, (std::vector<std::string>{"(4)", "(8)", "(4)"}));
}

TEST_F(MethodTween, AnOverwrittenTweenThatNeverRanCallsWithNulls) {
    auto f = recorder();
    Tweener::update(f, 1, Value(list({Value(0), Value(1)})), Value(list({Value(5), Value(5)})));
    EXPECT_TRUE(calls.empty());
    Tweener::update(f, 1, Value(list({Value(3)})), Value(list({Value(4)})));
    EXPECT_EQ(calls, std::vector<std::string>{"(null, null)"});
}

TEST_F(MethodTween, SnappingPassesWholeNumbersAndMissingListsMeanNoArguments) {
    auto f = recorder();
    Tweener::update(f, 1, Value(list({Value(0)})), Value(list({Value(5)})))
        ->ease(tween::Linear::get_easeNone())
        ->snapping();
    frame(0.5);
    EXPECT_EQ(calls, std::vector<std::string>{"(3)"});
    Tweener::reset();
    calls.clear();
    clock = 0;
    auto g = recorder();
    auto a = Tweener::update(g, 1);
    frame(0.5);
    frame(1);
    EXPECT_EQ(calls, (std::vector<std::string>{"()", "()"}));
    // A duration that is not above 0 calls the function with the end arguments at once.
    calls.clear();
    Tweener::update(g, 0, Value(list({Value(1)})), Value(list({Value(9)})));
    EXPECT_EQ(calls, std::vector<std::string>{"(9)"});
}
