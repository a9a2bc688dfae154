#pragma once
// A loaded sound: owns one native sound handle and makes a playing SoundChannel per play. Data
// comes from a file (load), compressed bytes, raw PCM (wrapped in a RIFF/WAVE header) or
// "sampleData" listeners (a generated sound). The audio type is fixed at construction.
#include "ID3Info.h"
#include "InternalAudioType.h"
#include "SoundLoaderContext.h"
#include "SoundTransform.h"
#include "framework/events/EventDispatcher.h"
#include "framework/net/URLRequest.h"
#include "framework/utils/ByteArray.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class SoundChannel;

class Sound : public EventDispatcher {
    RUNTIME_CLASS(Sound)
public:
    explicit Sound(const runtime::Ref<URLRequest>& stream = nullptr, const runtime::Ref<SoundLoaderContext>& context = nullptr,
                   bool forcePlayAsMusic = false);
    explicit Sound(runtime::NoInit n) : EventDispatcher(n) {}

    static inline runtime::Primitive media_sound_from_file;
    static inline runtime::Primitive media_sound_from_data;
    static inline runtime::Primitive media_sound_get_id3;
    static inline runtime::Primitive media_sound_get_length;
    static inline runtime::Primitive media_sound_close;
    static inline runtime::Primitive media_sound_get_status;
    static inline runtime::Primitive media_sound_channel_create_dynamic;
    static void initClass();

    int bytesLoaded = 0;
    int bytesTotal = 0;
    runtime::String url;
    InternalAudioType audioType_ = InternalAudioType::SOUND;
    runtime::Value handle_;
    bool loading_ = false;
    bool dynamicSound_ = false;

    // A "sampleData" listener turns an empty sound into a generated one; on a sound with data it
    // throws "Can't use dynamic sound once file loaded" (the listener stays registered).
    void addEventListener(const runtime::String& type, const runtime::Ref<runtime::Function>& listener,
                          bool useCapture = false, int priority = 0, bool useWeakReference = false) override;
    // Releases the native sound; the sound is empty afterwards.
    virtual void close();
    // Opens the request's url. Failure: the trace "Error: Could not load "<url>"" and an "ioError"
    // event; success: url set and "complete" dispatched before load returns.
    virtual void load(const runtime::Ref<URLRequest>& stream, const runtime::Ref<SoundLoaderContext>& context = nullptr,
                      bool forcePlayAsMusic = false);
    // Throws "Could not load buffer with length: <length>" when the back end cannot decode it.
    virtual void loadCompressedDataFromByteArray(const runtime::Ref<ByteArray>& bytes, int length,
                                                 bool forcePlayAsMusic = false);
    // Wraps the whole content in a 44-byte RIFF/WAVE header (format "float" or "short", else an
    // Error "Unsupported format <format>") and loads it as compressed data.
    virtual void loadPCMFromByteArray(const runtime::Ref<ByteArray>& bytes, int samples,
                                      const runtime::String& format = "float", bool stereo = true,
                                      double sampleRate = 44100);
    // Never null: an empty sound gives a silent channel.
    virtual runtime::Ref<SoundChannel> play(double startTime = 0, int loops = 0,
                                            const runtime::Ref<SoundTransform>& sndTransform = nullptr);
    virtual void checkLoading_();
    virtual void onError_(const runtime::String& msg);
    virtual runtime::Ref<ID3Info> get_id3();
    virtual bool get_isBuffering();
    // The back end's unit (milliseconds); 0 without data.
    virtual double get_length();

    // The RIFF/WAVE file loadPCMFromByteArray builds.
    static runtime::Ref<ByteArray> pcmWave(const runtime::Ref<ByteArray>& bytes, const runtime::String& format,
                                           bool stereo, double sampleRate);

    static bool hasHandle(const runtime::Value& handle);
};

}  // namespace framework
