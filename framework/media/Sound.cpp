#include "Sound.h"

#include "SoundChannel.h"
#include "framework/Lib.h"
#include "framework/errors/Error.h"
#include "framework/events/IOErrorEvent.h"
#include "framework/events/SampleDataEvent.h"
#include "platform/runtime/Args.h"
#include "platform/runtime/Trace.h"

namespace framework {

void Sound::initClass() {
    static const bool done = [] {
        media_sound_from_file = MEDIA_LOAD(media_native_sound_from_file);
        media_sound_from_data = MEDIA_LOAD(media_native_sound_from_data);
        media_sound_get_id3 = MEDIA_LOAD(media_native_sound_get_id3);
        media_sound_get_length = MEDIA_LOAD(media_native_sound_get_length);
        media_sound_close = MEDIA_LOAD(media_native_sound_close);
        media_sound_get_status = MEDIA_LOAD(media_native_sound_get_status);
        media_sound_channel_create_dynamic = MEDIA_LOAD(media_native_sound_channel_create_dynamic);
        return true;
    }();
    (void)done;
}

// A null handle, or the number 0, is no native sound.
bool Sound::hasHandle(const runtime::Value& handle) {
    if (handle.isNull()) return false;
    if (handle.isNumber()) return handle.toFloat() != 0;
    return true;
}

Sound::Sound(const runtime::Ref<URLRequest>& stream, const runtime::Ref<SoundLoaderContext>& context,
             bool forcePlayAsMusic) {
    initClass();
    audioType_ = forcePlayAsMusic ? InternalAudioType::MUSIC : InternalAudioType::SOUND;
    if (stream) load(stream, context, forcePlayAsMusic);
}

void Sound::addEventListener(const runtime::String& type, const runtime::Ref<runtime::Function>& listener,
                             bool useCapture, int priority, bool useWeakReference) {
    EventDispatcher::addEventListener(type, listener, useCapture, priority, useWeakReference);
    if (type == SampleDataEvent::SAMPLE_DATA) {
        if (hasHandle(handle_)) runtime::Thrown::text("Can't use dynamic sound once file loaded");
        dynamicSound_ = true;
        loading_ = false;
    }
}

void Sound::close() {
    if (hasHandle(handle_)) media_sound_close(handle_);
    handle_ = runtime::Value();
    loading_ = false;
}

void Sound::load(const runtime::Ref<URLRequest>& stream, const runtime::Ref<SoundLoaderContext>&, bool forcePlayAsMusic) {
    bytesLoaded = 0;
    bytesTotal = 0;
    runtime::String path = stream ? stream->url : runtime::String();
    handle_ = media_sound_from_file(path, forcePlayAsMusic);
    if (!hasHandle(handle_)) {
        RUNTIME_TRACE(runtime::Value("Error: Could not load \"" + path.toText() + "\""));
        dispatchEvent(runtime::make<IOErrorEvent>(IOErrorEvent::IO_ERROR));
        return;
    }
    url = path;
    loading_ = true;
    checkLoading_();
    loading_ = false;
    dispatchEvent(runtime::make<Event>(Event::COMPLETE));
}

void Sound::checkLoading_() {
    if (dynamicSound_ || !loading_ || !hasHandle(handle_)) return;
    runtime::Value status = media_sound_get_status(handle_);
    if (status.isNull()) runtime::Thrown::text("Could not get sound status");
    bytesLoaded = status.field("bytesLoaded").toInt();
    bytesTotal = status.field("bytesTotal").toInt();
    loading_ = bytesLoaded < bytesTotal;
    runtime::Value error = status.field("error");
    if (!error.isNull()) throw runtime::Thrown(error);
}

void Sound::loadCompressedDataFromByteArray(const runtime::Ref<ByteArray>& bytes, int length, bool forcePlayAsMusic) {
    bytesLoaded = length;
    bytesTotal = length;
    handle_ = media_sound_from_data(runtime::Value(bytes), length, forcePlayAsMusic);
    if (!hasHandle(handle_)) runtime::Thrown::text("Could not load buffer with length: " + std::to_string(length));
}

runtime::Ref<ByteArray> Sound::pcmWave(const runtime::Ref<ByteArray>& bytes, const runtime::String& format, bool stereo,
                                       double sampleRate) {
    auto unsupported = [&] {
        throw runtime::Thrown(runtime::Value(runtime::make<Error>("Unsupported format " + format.toText())));
    };
    auto wav = runtime::make<ByteArray>();
    wav->set_endian("littleEndian");
    int formatCode = 0;
    if (format == "float") formatCode = 3;
    else if (format == "short") formatCode = 1;
    else unsupported();
    int channels = stereo ? 2 : 1;
    auto rate = static_cast<int>(sampleRate);
    int bits = format == "float" ? 32 : 16;
    auto byteRate = static_cast<int>(static_cast<double>(bits * rate * channels) * 0.125);
    auto blockAlign = static_cast<int>(channels * bits * 0.125);
    int length = bytes ? bytes->length() : 0;
    wav->writeUTFBytes("RIFF");
    wav->writeInt(length + 36);
    wav->writeUTFBytes("WAVE");
    wav->writeUTFBytes("fmt ");
    wav->writeInt(16);
    wav->writeShort(formatCode);
    wav->writeShort(channels);
    wav->writeInt(rate);
    wav->writeInt(byteRate);
    wav->writeShort(blockAlign);
    wav->writeShort(bits);
    wav->writeUTFBytes("data");
    wav->writeInt(length);
    if (length > 0) wav->writeBytes(bytes, 0, length);
    wav->position = 0;
    return wav;
}

void Sound::loadPCMFromByteArray(const runtime::Ref<ByteArray>& bytes, int, const runtime::String& format, bool stereo,
                                 double sampleRate) {
    auto wav = pcmWave(bytes, format, stereo, sampleRate);
    loadCompressedDataFromByteArray(wav, wav->length(), false);
}

runtime::Ref<SoundChannel> Sound::play(double startTime, int loops, const runtime::Ref<SoundTransform>& sndTransform) {
    checkLoading_();
    if (dynamicSound_) {
        auto event = runtime::make<SampleDataEvent>(SampleDataEvent::SAMPLE_DATA);
        dispatchEvent(event);
        if (event->data->length() > 0)
            handle_ = media_sound_channel_create_dynamic(runtime::Value(event->data), runtime::Value(sndTransform));
        if (!hasHandle(handle_)) {
            auto silent = runtime::make<SoundChannel>(runtime::Value(), startTime, loops, sndTransform);
            silent->soundInstance_ = runtime::Ref<Sound>(this);
            return silent;
        }
        runtime::Value handle = handle_;
        handle_ = runtime::Value();  // every play asks the listeners afresh
        return SoundChannel::createDynamic(handle, sndTransform, runtime::Ref<Sound>(this));
    }
    runtime::Value handle = hasHandle(handle_) && !loading_ ? handle_ : runtime::Value();
    auto channel = runtime::make<SoundChannel>(handle, startTime, loops, sndTransform);
    channel->soundInstance_ = runtime::Ref<Sound>(this);
    return channel;
}

void Sound::onError_(const runtime::String& msg) {
    dispatchEvent(runtime::make<IOErrorEvent>(IOErrorEvent::IO_ERROR, true, false, msg));
    handle_ = runtime::Value();
    loading_ = true;
}

runtime::Ref<ID3Info> Sound::get_id3() {
    checkLoading_();
    auto info = runtime::make<ID3Info>();
    if (!hasHandle(handle_) || loading_) return info;
    media_sound_get_id3(handle_, runtime::Value(info));
    return info;
}

bool Sound::get_isBuffering() {
    checkLoading_();
    return loading_ && !hasHandle(handle_);
}

double Sound::get_length() {
    if (!hasHandle(handle_) || loading_) return 0;
    return media_sound_get_length(handle_).toFloat();
}

}  // namespace framework

using framework::Sound;

RUNTIME_DEFINE_CLASS(Sound, "framework.media.Sound", framework::EventDispatcher, (auto& b) {
    b.template field<&Sound::bytesLoaded>("bytesLoaded")
        .template field<&Sound::bytesTotal>("bytesTotal")
        .template property<&Sound::get_id3>("id3")
        .template property<&Sound::get_isBuffering>("isBuffering")
        .template property<&Sound::get_length>("length")
        .template field<&Sound::url>("url")
        .template field<&Sound::audioType_>("__audioType")
        .template field<&Sound::handle_>("__handle")
        .template field<&Sound::loading_>("__loading")
        .template field<&Sound::dynamicSound_>("__dynamicSound")
        .template method<&Sound::play>("play")
        .template method<&Sound::close>("close")
        .emptyInstance()
        .constructor([](const runtime::Value* v, int n) -> runtime::Ref<runtime::Object> {
            runtime::Args a(v, n);
            return runtime::make<Sound>(a.object<framework::URLRequest>(0), a.object<framework::SoundLoaderContext>(1),
                                        a.flag(2));
        });
})
