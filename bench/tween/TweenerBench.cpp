// The tween library's per-frame pass: 1,000 to 100,000 running tweens of three properties each,
// stepped once per frame, on class-based targets (members' numeric setters) and on plain records,
// next to a hand-written loop over plain objects doing the same arithmetic. The clock is a plain
// function (the recording fake back end would log every reading). Counters: heap allocations per
// frame (none), and the heap bytes one running tween costs beyond its target and properties
// record (the actuator, its details, its library entry).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <vector>

#include "framework/Lib.h"
#include "framework/display/MovieClip.h"
#include "framework/display/Stage.h"
#include "platform/media/MediaPrimitives.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/DynamicObject.h"
#include "platform/system/ModuleLoader.h"
#include "tween/Tweener.h"
#include "tween/actuators/SimpleActuator.h"
#include "tween/easing/Quad.h"

namespace {
std::atomic<long> allocations{0};
std::atomic<long> allocatedBytes{0};
}

void* operator new(std::size_t n) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    void* p = std::malloc(n ? n : 1);
    if (!p) throw std::bad_alloc();
    allocatedBytes.fetch_add(static_cast<long>(malloc_usable_size(p)), std::memory_order_relaxed);
    return p;
}
void operator delete(void* p) noexcept {
    if (p) allocatedBytes.fetch_sub(static_cast<long>(malloc_usable_size(p)), std::memory_order_relaxed);
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { operator delete(p); }

namespace {

class Mover : public runtime::Object {
    RUNTIME_CLASS(Mover)
public:
    double get_x() const { return x_; }
    double set_x(double v) { return x_ = v; }
    double get_y() const { return y_; }
    double set_y(double v) { return y_ = v; }
    double alpha = 1;

private:
    double x_ = 0, y_ = 0;
};

double clockSeconds = 0;

void clockPrimitive(const runtime::Value*, int, runtime::Value* result) { *result = runtime::Value(clockSeconds); }

void setUpClock() {
    static bool done = false;
    if (done) return;
    done = true;
    media::FakeMediaModule::get().reset();
    media::FakeMediaModule::get().on("media_native_create_display_object_container",
                                     [](const std::vector<runtime::Value>&) {
                                         return runtime::Value(runtime::make<runtime::DynamicObject>());
                                     });
    const std::string clockSymbol = media::MediaPrimitives::symbol("media_native_time_stamp", 0);
    sys::ModuleLoader::setResolver([clockSymbol](const std::string&, const std::string& symbol) {
        return symbol == clockSymbol ? &clockPrimitive : media::FakeMediaModule::lookup(symbol);
    });
    auto handle = runtime::make<runtime::DynamicObject>();
    framework::Lib::setCurrentStage_(runtime::make<framework::Stage>(runtime::Value(handle), 960, 540));
    framework::Lib::get_current();
}

// Starts n tweens of three properties each, far from their end, and times one pass per frame.
template <bool Records>
void BM_FramePass(benchmark::State& state) {
    setUpClock();
    const int n = static_cast<int>(state.range(0));
    clockSeconds = 0;
    std::vector<runtime::Ref<runtime::Object>> targets;
    long tweenBytes = 0;
    for (int i = 0; i < n; ++i) {
        runtime::Ref<runtime::Object> t;
        if constexpr (Records) t = runtime::make<runtime::DynamicObject>(
            std::initializer_list<std::pair<std::string, runtime::Value>>{{"x", 0.0}, {"y", 0.0}, {"alpha", 1.0}});
        else t = runtime::make<Mover>();
        auto props = runtime::make<runtime::DynamicObject>(
            std::initializer_list<std::pair<std::string, runtime::Value>>{{"x", 100.0 + i}, {"y", 50.0}, {"alpha", 0.0}});
        long before = allocatedBytes.load();
        tween::Tweener::tween(t, 1e9, props)->ease(tween::Quad::get_easeOut());
        tweenBytes += allocatedBytes.load() - before;
        targets.push_back(t);
    }
    clockSeconds = 0.001;
    long before = allocatedBytes.load();
    tween::SimpleActuator::stage_onEnterFrame(nullptr);  // the first pass reads the start values
    tweenBytes += allocatedBytes.load() - before;
    long frames = 0;
    long allocationsBefore = allocations.load();
    for (auto _ : state) {
        clockSeconds += 0.016;
        tween::SimpleActuator::stage_onEnterFrame(nullptr);
        ++frames;
    }
    long total = allocations.load() - allocationsBefore;
    state.counters["allocs_per_frame"] = benchmark::Counter(static_cast<double>(total) / static_cast<double>(frames));
    state.counters["bytes_per_tween"] = benchmark::Counter(static_cast<double>(tweenBytes) / n);
    state.counters["tweens"] = n;
    tween::Tweener::reset();
    tween::SimpleActuator::stage_onEnterFrame(nullptr);
}

// The same work written by hand over plain objects: three eased properties per target.
struct PlainTween {
    double* fields[3];
    double start[3];
    double change[3];
    double duration;
};
struct PlainTarget {
    double x = 0, y = 0, alpha = 1;
};

void BM_HandWrittenPass(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<std::unique_ptr<PlainTarget>> targets;
    std::vector<PlainTween> tweens;
    targets.reserve(static_cast<std::size_t>(n));
    tweens.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        targets.push_back(std::make_unique<PlainTarget>());
        PlainTarget& t = *targets.back();
        tweens.push_back(PlainTween{{&t.x, &t.y, &t.alpha}, {0, 0, 1}, {100.0 + i, 50.0, -1}, 1e9});
    }
    double clock = 0.001;
    for (auto _ : state) {
        clock += 0.016;
        for (PlainTween& tw : tweens) {
            double p = clock / tw.duration;
            if (p > 1) p = 1;
            double e = -p * (p - 2);  // quadratic ease-out
            for (int k = 0; k < 3; ++k) *tw.fields[k] = tw.change[k] * e + tw.start[k];
        }
        benchmark::ClobberMemory();
    }
    state.counters["tweens"] = n;
}

}  // namespace

RUNTIME_DEFINE_CLASS(Mover, "bench.tween.Mover", runtime::Object, (auto& b) {
    b.template property<&Mover::get_x, &Mover::set_x>("x")
        .template property<&Mover::get_y, &Mover::set_y>("y")
        .template field<&Mover::alpha>("alpha");
})

BENCHMARK(BM_FramePass<false>)->Name("FramePass/objects")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FramePass<true>)->Name("FramePass/records")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);
// The reference: the tween library's pass is compared with this at each size.
BENCHMARK(BM_HandWrittenPass)->Name("FramePass/hand-written")->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
