// Mixing 32 channels for 10 s of audio. The counter "cpu_share" is the CPU time spent per
// second of audio mixed (0.01 = 1 % of one core).
#include <benchmark/benchmark.h>

#include <functional>

#include "platform/media/native/Mixer.h"
#include "platform/media/native/OggSource.h"
#include "platform/media/native/PcmSource.h"
#include "tools/tone/ToneEncoder.h"

using namespace media;

namespace {
constexpr int CHANNELS = 32;
constexpr double AUDIO_SECONDS = 10;
constexpr int BLOCK = 1024;

std::shared_ptr<PcmData> effect(double freq, int rate) {
    tools::ToneEncoder::Tone t;
    t.seconds = 1;
    t.frequency = freq;
    t.rate = rate;
    t.channels = 2;
    auto pcm = std::make_shared<PcmData>();
    pcm->rate = rate;
    pcm->samples = tools::ToneEncoder::synthesise(t);
    return pcm;
}

Voice::Gains gains(int i) {
    Voice::Gains g;
    g.volume = 0.03;
    g.pan = (i % 9 - 4) / 4.0;
    return g;
}

void mixTenSeconds(benchmark::State& state, const std::function<std::unique_ptr<SampleSource>(int)>& make,
                   bool pitched) {
    std::vector<float> out(BLOCK * 2);
    const int64_t total = static_cast<int64_t>(AUDIO_SECONDS * Mixer::DEFAULT_RATE);
    for (auto _ : state) {
        state.PauseTiming();
        Mixer mixer;
        for (int i = 0; i < CHANNELS; ++i) {
            auto v = std::make_shared<Voice>(make(i), 0, 9999);
            v->setGains(gains(i));
            if (pitched) v->setPitch(0.75 + 0.02 * i);
            mixer.add(v);
        }
        state.ResumeTiming();
        for (int64_t done = 0; done < total; done += BLOCK) mixer.mix(out.data(), BLOCK);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["cpu_share"] =
        benchmark::Counter(AUDIO_SECONDS * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
}  // namespace

// Shared decoded effects at the output rate, looping.
static void BM_Mix32DecodedEffects(benchmark::State& state) {
    std::vector<std::shared_ptr<PcmData>> effects;
    for (int i = 0; i < 8; ++i) effects.push_back(effect(220 + 55 * i, 44100));
    mixTenSeconds(state, [&](int i) { return std::make_unique<PcmSource>(effects[i % 8]); }, false);
}
BENCHMARK(BM_Mix32DecodedEffects)->Unit(benchmark::kMillisecond);

// The same at 22050 Hz with a pitch on every channel: the interpolating path.
static void BM_Mix32ResampledEffects(benchmark::State& state) {
    std::vector<std::shared_ptr<PcmData>> effects;
    for (int i = 0; i < 8; ++i) effects.push_back(effect(220 + 55 * i, 22050));
    mixTenSeconds(state, [&](int i) { return std::make_unique<PcmSource>(effects[i % 8]); }, true);
}
BENCHMARK(BM_Mix32ResampledEffects)->Unit(benchmark::kMillisecond);

// 32 OGG Vorbis streams decoded while they play (music is played this way).
static void BM_Mix32OggStreams(benchmark::State& state) {
    tools::ToneEncoder::Tone t;
    t.seconds = 10;
    auto bytes = std::make_shared<const std::vector<uint8_t>>(tools::ToneEncoder::encodeTone(t));
    mixTenSeconds(state, [&](int) { return OggSource::open(bytes); }, false);
}
BENCHMARK(BM_Mix32OggStreams)->Unit(benchmark::kMillisecond)->Iterations(3);
