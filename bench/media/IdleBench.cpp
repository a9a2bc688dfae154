// CPU time of a still screen at 60 frames per second: the framework's stage over the real back
// end (SDL's dummy video driver unless one is chosen), against a minimal SDL program that
// presents the same 960×540 frame 60 times a second. Each side is measured in five windows of
// two seconds of wall time (the minimal program in five runs, the stage in one run: it can be
// created once) and reports medians. "cpu_ms_per_s" is the process's CPU time (user and system)
// per second of a window (start-up and shutdown left out), and the stage's "ratio" divides its
// figure by the minimal program's.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "framework/Lib.h"
#include "framework/display/Shape.h"
#include "framework/display/Stage.h"

namespace {
constexpr int WIDTH = 960;
constexpr int HEIGHT = 540;
constexpr double SECONDS = 2.0;
// On a shared machine single windows vary widely: each side is measured WINDOWS times and the
// figures are medians.
constexpr int WINDOWS = 5;
// Every run of the minimal program; the stage's ratio is against their median.
std::vector<double> minimalRuns;

double cpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void BM_IdleMinimalSdl(benchmark::State& state) {
    for (auto _ : state) {
        SDL_Init(SDL_INIT_VIDEO);
        SDL_Window* window = SDL_CreateWindow("idle", 0, 0, WIDTH, HEIGHT, 0);
        SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, 0);
        SDL_Texture* texture =
            SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, WIDTH, HEIGHT);
        std::vector<uint32_t> frame(static_cast<std::size_t>(WIDTH) * HEIGHT, 0xFF203040u);
        SDL_UpdateTexture(texture, nullptr, frame.data(), WIDTH * 4);
        double cpu0 = cpuSeconds();
        auto start = std::chrono::steady_clock::now();
        auto next = start;
        int frames = 0;
        while (std::chrono::steady_clock::now() - start < std::chrono::duration<double>(SECONDS)) {
            ++frames;
            SDL_Event e;
            while (SDL_PollEvent(&e)) {
            }
            SDL_RenderClear(renderer);
            SDL_RenderCopy(renderer, texture, nullptr, nullptr);
            SDL_RenderPresent(renderer);
            next += std::chrono::microseconds(16667);
            std::this_thread::sleep_until(next);
        }
        double cpu = cpuSeconds() - cpu0;
        SDL_DestroyTexture(texture);
        SDL_DestroyRenderer(renderer);
        SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        minimalRuns.push_back(cpu / SECONDS);
        state.counters["cpu_ms_per_s"] = cpu / SECONDS * 1000.0;
        state.counters["fps"] = frames / SECONDS;
    }
}

double median(std::vector<double> v) {
    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
    return v[v.size() / 2];
}

// The stage can be created once per process: one run of WINDOWS windows, each measured apart.
void BM_IdleStage(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<double> cpuPerSecond, framesPerSecond;
        double cpu0 = 0;
        int frames = 0;
        std::chrono::steady_clock::time_point start;
        auto onLoaded = runtime::Function::of([&] {
            auto stage = framework::Lib::get_stage();
            auto shape = runtime::make<framework::Shape>();
            shape->get_graphics()->beginFill(0x3366AA, 1);
            shape->get_graphics()->drawRect(100, 100, 300, 200);
            shape->get_graphics()->endFill();
            stage->addChild(shape);
            cpu0 = cpuSeconds();
            start = std::chrono::steady_clock::now();
            stage->addEventListener("enterFrame", runtime::Function::of([&](runtime::Value) {
                ++frames;
                auto now = std::chrono::steady_clock::now();
                if (now - start < std::chrono::duration<double>(SECONDS)) return;
                // The window's end: closing the back end is not idle time.
                double cpu = cpuSeconds();
                double seconds = std::chrono::duration<double>(now - start).count();
                cpuPerSecond.push_back((cpu - cpu0) / seconds);
                framesPerSecond.push_back(frames / seconds);
                cpu0 = cpu;
                start = now;
                frames = 0;
                if (static_cast<int>(cpuPerSecond.size()) == WINDOWS) framework::Lib::close();
            }));
        });
        framework::Lib::create(onLoaded, WIDTH, HEIGHT, 60, 0x203040, 0, "Idle");
        if (cpuPerSecond.empty()) continue;
        double cpu = median(cpuPerSecond);
        state.counters["cpu_ms_per_s"] = cpu * 1000.0;
        state.counters["fps"] = median(framesPerSecond);
        if (!minimalRuns.empty()) state.counters["ratio"] = cpu / median(minimalRuns);
    }
}
}  // namespace

BENCHMARK(BM_IdleMinimalSdl)->Iterations(1)->Repetitions(WINDOWS)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IdleStage)->Iterations(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);  // a chosen driver is kept
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
