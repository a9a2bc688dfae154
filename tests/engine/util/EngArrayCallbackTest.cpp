// List helpers, the callback point and one-line destroy helpers.
#include <gtest/gtest.h>

#include "engine/util/EngArrayUtil.h"
#include "engine/util/EngCallbackPoint.h"
#include "engine/util/EngDestroyUtil.h"
#include "engine/util/EngSort.h"

using engine::EngArrayUtil;
using engine::EngCallbackPoint;
using engine::EngDestroyUtil;

namespace {
class Probe : public runtime::Object, public engine::IEngDestroyable {
public:
    explicit Probe(std::vector<int>* log, int id) : log(log), id(id) {}
    void destroy() override { log->push_back(id); }
    std::vector<int>* log;
    int id;
};
}  // namespace

TEST(EngArrayUtil, ShortenSpliceAndClear) {
    std::vector<int> a{1, 2, 3, 4};
    EngArrayUtil::setLength(a, 2);
    EXPECT_EQ(a, (std::vector<int>{1, 2}));
    EngArrayUtil::setLength(a, 5);
    EngArrayUtil::setLength(a, -1);
    EXPECT_EQ(a, (std::vector<int>{1, 2}));

    std::vector<char> s{'a', 'b', 'c', 'd'};
    EngArrayUtil::fastSplice(s, 'b');
    EXPECT_EQ(s, (std::vector<char>{'a', 'd', 'c'}));
    EngArrayUtil::fastSplice(s, 'x');
    EXPECT_EQ(s.size(), 3u);

    auto inner = runtime::make<runtime::Array>(std::vector<runtime::Value>{runtime::Value(1), runtime::Value(2)});
    auto outer = runtime::make<runtime::Array>(std::vector<runtime::Value>{runtime::Value(inner), runtime::Value(3)});
    EngArrayUtil::clearArray(outer.get());
    EXPECT_EQ(outer->length(), 0);
    EXPECT_EQ(inner->length(), 2);
    outer->push(runtime::Value(inner));
    EngArrayUtil::clearArray(outer.get(), true);
    EXPECT_EQ(inner->length(), 0);
    EngArrayUtil::clearArray(static_cast<runtime::Array*>(nullptr));

    EXPECT_EQ(engine::EngSort::byValues(engine::EngSort::ASCENDING, 1, 2), -1);
    EXPECT_EQ(engine::EngSort::byValues(engine::EngSort::DESCENDING, 1, 2), 1);
    auto high = runtime::make<engine::EngObject>(0, 5), low = runtime::make<engine::EngObject>(0, 50);
    EXPECT_EQ(engine::EngSort::byY(engine::EngSort::ASCENDING, high.get(), low.get()), -1);
    EXPECT_EQ(engine::EngSort::byY(engine::EngSort::ASCENDING, high.get(), high.get()), 0);
}

TEST(EngCallbackPoint, CallbackOrderAndSingleCallback) {
    std::vector<std::string> calls;
    auto fn = [&](const char* name) {
        return runtime::Function::of([&calls, name](runtime::Value) { calls.push_back(name); });
    };
    auto p = runtime::make<EngCallbackPoint>(fn("X"), fn("Y"), fn("XY"));
    p->set_x(5);
    p->set_y(5);
    p->set(1, 2);
    EXPECT_EQ(calls, (std::vector<std::string>{"X", "Y", "X", "Y", "XY"}));
    EXPECT_EQ(p->x, 1);
    EXPECT_EQ(p->y, 2);

    calls.clear();
    auto one = runtime::make<EngCallbackPoint>(fn("X"));
    one->set_y(5);
    one->set(1, 2);
    EXPECT_EQ(calls, (std::vector<std::string>{"X", "X", "X", "X"}));
    one->put();
    EXPECT_FALSE(one->_inPool);
    one->destroy();
    calls.clear();
    one->set(3, 4);
    EXPECT_TRUE(calls.empty());
}

TEST(EngDestroyUtil, NullSafeAndLastFirst) {
    std::vector<int> log;
    runtime::Ref<Probe> none;
    EXPECT_EQ(EngDestroyUtil::destroy(none), nullptr);
    std::vector<runtime::Ref<Probe>> list{runtime::make<Probe>(&log, 1), runtime::make<Probe>(&log, 2),
                                          runtime::make<Probe>(&log, 3)};
    EXPECT_EQ(EngDestroyUtil::destroyArray(&list), nullptr);
    EXPECT_EQ(log, (std::vector<int>{3, 2, 1}));
    EXPECT_TRUE(list.empty());
}
