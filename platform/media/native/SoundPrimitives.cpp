// Sound and sound-channel primitives. Positions, start positions and lengths are milliseconds.
// A loop count of n plays the sound n times in all (0 and 1: once); repeats start again at the
// start position. Generated sound is 32-bit float little-endian stereo at 44100 Hz.
// sound_channel_is_complete may be called from any thread.
#include <cmath>
#include <mutex>

#include "AudioEngine.h"
#include "ByteArrayView.h"
#include "SoundChannelHandle.h"
#include "SoundLoader.h"
#include "platform/media/MediaExport.h"
#include "platform/runtime/DynamicObject.h"

using runtime::Value;
using media::SoundChannelHandle;
using media::SoundHandle;

namespace {

media::Mixer& mixer() { return media::AudioEngine::get().mixer(); }

SoundHandle* soundOf(const Value& v) { return v.as<SoundHandle>(); }
SoundChannelHandle* channelOf(const Value& v) { return v.as<SoundChannelHandle>(); }

double number(const Value& v, double fallback) {
    if (!v.isNumber()) return fallback;
    double d = v.toFloat();
    return std::isfinite(d) ? d : fallback;
}

media::Voice::Gains gainsOf(const Value& transform) {
    media::Voice::Gains g;
    if (!transform.isObject()) return g;
    g.volume = number(transform.field("volume"), 1);
    g.pan = number(transform.field("pan"), 0);
    g.leftToLeft = number(transform.field("leftToLeft"), 0);
    g.leftToRight = number(transform.field("leftToRight"), 0);
    g.rightToLeft = number(transform.field("rightToLeft"), 0);
    g.rightToRight = number(transform.field("rightToRight"), 0);
    return g;
}

int64_t msToFrames(double ms, int rate) { return std::llround(ms * rate / 1000.0); }
double framesToMs(int64_t frames, int rate) { return rate > 0 ? static_cast<double>(frames) * 1000.0 / rate : 0; }

Value play(std::unique_ptr<media::SampleSource> source, double startMs, int loops, const Value& transform,
           media::GeneratedSource* generated) {
    if (!source || !media::AudioEngine::get().start()) return {};
    int64_t start = msToFrames(std::max(startMs, 0.0), source->rate());
    auto voice = std::make_shared<media::Voice>(std::move(source), start, loops);
    voice->setGains(gainsOf(transform));
    mixer().add(voice);
    return Value(runtime::make<SoundChannelHandle>(std::move(voice), generated));
}

}  // namespace

MEDIA_EXPORT(media_native_sound_from_file, 2) {
    Value path = MEDIA_ARG(0);
    if (!path.isString() || path.str().empty()) return {};
    return Value(media::SoundLoader::fromFile(path.str(), MEDIA_ARG(1).toBool()));
}

MEDIA_EXPORT(media_native_sound_from_data, 3) {
    Value count = MEDIA_ARG(1);
    auto bytes = media::ByteArrayView::copy(MEDIA_ARG(0), count.isNumber() ? count.toInt() : -1);
    if (bytes.empty()) return {};
    return Value(media::SoundLoader::fromBytes(std::move(bytes), MEDIA_ARG(2).toBool()));
}

MEDIA_EXPORT(media_native_sound_get_id3, 2) {
    SoundHandle* s = soundOf(MEDIA_ARG(0));
    Value info = MEDIA_ARG(1);
    if (!s || !info.isObject()) return {};
    for (const auto& [field, text] : s->tags) info.setField(field, Value(text));
    return {};
}

MEDIA_EXPORT(media_native_sound_get_length, 1) {
    SoundHandle* s = soundOf(MEDIA_ARG(0));
    return s ? Value(s->lengthMs()) : Value();
}

MEDIA_EXPORT(media_native_sound_close, 1) {
    if (SoundHandle* s = soundOf(MEDIA_ARG(0))) s->close();
    return {};
}

MEDIA_EXPORT(media_native_sound_get_status, 1) {
    SoundHandle* s = soundOf(MEDIA_ARG(0));
    if (!s) return {};
    // Loading is done before the handle exists.
    auto total = static_cast<int32_t>(std::min<int64_t>(s->bytesTotal, INT32_MAX));
    return Value(runtime::make<runtime::DynamicObject>(
        std::initializer_list<std::pair<std::string, Value>>{{"bytesLoaded", total}, {"bytesTotal", total}, {"error", Value()}}));
}

MEDIA_EXPORT(media_native_sound_channel_create_dynamic, 2) {
    auto bytes = media::ByteArrayView::copy(MEDIA_ARG(0));
    auto source = std::make_unique<media::GeneratedSource>();
    if (source->append(bytes.data(), bytes.size()) == 0) return {};
    media::GeneratedSource* generated = source.get();
    return play(std::move(source), 0, 1, MEDIA_ARG(1), generated);
}

MEDIA_EXPORT(media_native_sound_channel_create, 4) {
    SoundHandle* s = soundOf(MEDIA_ARG(0));
    if (!s) return {};
    return play(s->openSource(), number(MEDIA_ARG(1), 0), MEDIA_ARG(2).toInt(), MEDIA_ARG(3), nullptr);
}

MEDIA_EXPORT(media_native_sound_channel_is_complete, 1) {
    SoundChannelHandle* c = channelOf(MEDIA_ARG(0));
    return c ? Value(c->voice->complete()) : Value();
}

MEDIA_EXPORT(media_native_sound_channel_get_left, 1) {
    SoundChannelHandle* c = channelOf(MEDIA_ARG(0));
    return c ? Value(static_cast<double>(c->voice->leftPeak())) : Value();
}

MEDIA_EXPORT(media_native_sound_channel_get_right, 1) {
    SoundChannelHandle* c = channelOf(MEDIA_ARG(0));
    return c ? Value(static_cast<double>(c->voice->rightPeak())) : Value();
}

MEDIA_EXPORT(media_native_sound_channel_get_position, 1) {
    SoundChannelHandle* c = channelOf(MEDIA_ARG(0));
    if (!c) return {};
    std::lock_guard lock(mixer().mutex());
    return Value(framesToMs(c->voice->position(), c->voice->rate()));
}

MEDIA_EXPORT(media_native_sound_channel_set_position, 2) {
    SoundChannelHandle* c = channelOf(MEDIA_ARG(0));
    if (!c) return {};
    std::lock_guard lock(mixer().mutex());
    int rate = c->voice->rate();
    int64_t at = c->voice->seek(msToFrames(number(MEDIA_ARG(1), 0), rate));
    return Value(framesToMs(at, rate));
}

MEDIA_EXPORT(media_native_sound_channel_get_data_position, 1) {
    SoundChannelHandle* c = channelOf(MEDIA_ARG(0));
    if (!c || !c->generated) return {};
    std::lock_guard lock(mixer().mutex());
    return Value(static_cast<double>(c->generated->consumed()));
}

MEDIA_EXPORT(media_native_sound_channel_stop, 1) {
    if (SoundChannelHandle* c = channelOf(MEDIA_ARG(0))) c->voice->stop();
    return {};
}

MEDIA_EXPORT(media_native_sound_channel_set_transform, 2) {
    SoundChannelHandle* c = channelOf(MEDIA_ARG(0));
    if (!c) return {};
    auto gains = gainsOf(MEDIA_ARG(1));
    std::lock_guard lock(mixer().mutex());
    c->voice->setGains(gains);
    return {};
}

MEDIA_EXPORT(media_native_sound_channel_set_pitch, 2) {
    SoundChannelHandle* c = channelOf(MEDIA_ARG(0));
    if (!c) return {};
    std::lock_guard lock(mixer().mutex());
    c->voice->setPitch(number(MEDIA_ARG(1), 1));
    return {};
}

MEDIA_EXPORT(media_native_sound_channel_needs_data, 1) {
    SoundChannelHandle* c = channelOf(MEDIA_ARG(0));
    if (!c || !c->generated || c->voice->finished()) return Value(false);
    std::lock_guard lock(mixer().mutex());
    return Value(c->generated->wantsData());
}

MEDIA_EXPORT(media_native_sound_channel_add_data, 2) {
    SoundChannelHandle* c = channelOf(MEDIA_ARG(0));
    if (!c || !c->generated) return {};
    auto bytes = media::ByteArrayView::copy(MEDIA_ARG(1));
    std::lock_guard lock(mixer().mutex());
    c->generated->append(bytes.data(), bytes.size());
    return {};
}
