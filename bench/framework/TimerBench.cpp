// One poll pass and one wake computation over many timers, against the recording fake back end
// (its clock answers a fixed time, so the pass itself is what is measured).
#include <benchmark/benchmark.h>

#include <vector>

#include "framework/utils/Timer.h"
#include "platform/media/fake/FakeMediaModule.h"
#include "platform/runtime/Function.h"

using framework::Timer;

namespace {

std::vector<runtime::Ref<Timer>> makeTimers(int n) {
    auto& fake = media::FakeMediaModule::get();
    fake.reset();
    fake.returns("media_native_time_stamp", runtime::Value(1.0));
    Timer::initClass();
    Timer::sRunningTimers = runtime::make<runtime::Array>();
    std::vector<runtime::Ref<Timer>> timers;
    for (int i = 0; i < n; ++i) timers.push_back(runtime::make<Timer>(1000.0 + i));
    return timers;
}

void BM_CheckTimersNoneDue(benchmark::State& state) {
    auto timers = makeTimers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Timer::checkTimers_();
        media::FakeMediaModule::get().reset();  // the fake records every call; keep it small
        media::FakeMediaModule::get().returns("media_native_time_stamp", runtime::Value(1.0));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckTimersNoneDue)->Arg(10)->Arg(100)->Arg(1000);

void BM_CheckTimersAllDue(benchmark::State& state) {
    auto timers = makeTimers(static_cast<int>(state.range(0)));
    int fired = 0;
    for (auto& t : timers) {
        t->mTime = 0;
        t->mFireAt = 0;
        t->run = runtime::Function::of([&fired] { ++fired; });
    }
    for (auto _ : state) {
        Timer::checkTimers_();
        media::FakeMediaModule::get().reset();
        media::FakeMediaModule::get().returns("media_native_time_stamp", runtime::Value(1.0));
    }
    benchmark::DoNotOptimize(fired);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_CheckTimersAllDue)->Arg(10)->Arg(100)->Arg(1000);

void BM_NextWake(benchmark::State& state) {
    auto timers = makeTimers(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Timer::nextWake_(315000000));
        media::FakeMediaModule::get().reset();
        media::FakeMediaModule::get().returns("media_native_time_stamp", runtime::Value(1.0));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_NextWake)->Arg(10)->Arg(100)->Arg(1000);

}  // namespace

int main(int argc, char** argv) {
    media::FakeMediaModule::install();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    Timer::sRunningTimers = nullptr;
    media::FakeMediaModule::get().reset();
    return 0;
}
