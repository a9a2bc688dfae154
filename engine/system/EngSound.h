#pragma once
// The engine's playable sound: one framework sound and the channel of its current playback,
// with a volume combined with the sound front end's global volume and mute, pan, looping,
// pause and resume, fades, distance effects, a completion callback and auto-destroy.
#include "engine/EngObject.h"
#include "framework/events/Event.h"
#include "framework/media/Sound.h"
#include "framework/media/SoundChannel.h"
#include "framework/media/SoundTransform.h"

namespace engine {

class EngSound : public EngBasic {
    RUNTIME_CLASS(EngSound)
public:
    EngSound();
    explicit EngSound(runtime::NoInit n) : EngBasic(n) {}

    // destroy, then the fields' reset values; visible false.
    virtual void reset();
    // asset: a framework Sound (used as it is, may be shared) or an asset id; anything else
    // leaves the sound without data.
    virtual EngSound* loadEmbedded(const runtime::Value& asset, bool looped = false, bool autoDestroy = false,
                                   runtime::Ref<runtime::Function> onComplete = nullptr);
    // A new instance of the class made with no arguments.
    virtual EngSound* loadEmbeddedClass(const runtime::ClassInfo* soundClass, bool looped = false,
                                        bool autoDestroy = false, runtime::Ref<runtime::Function> onComplete = nullptr);
    virtual EngSound* loadStream(const runtime::String& url, bool looped = false, bool autoDestroy = false,
                                 runtime::Ref<runtime::Function> onComplete = nullptr);
    virtual EngSound* loadByteArray(const runtime::Ref<framework::ByteArray>& bytes, bool looped = false,
                                    bool autoDestroy = false, runtime::Ref<runtime::Function> onComplete = nullptr);
    virtual EngSound* proximity(double x, double y, const runtime::Ref<EngObject>& target, double radius,
                                bool pan = true);
    virtual EngSound* play(bool forceRestart = false);
    virtual EngSound* resume();
    virtual EngSound* pause();
    virtual EngSound* stop();
    virtual EngSound* fadeOut(double duration = 1, double to = 0);
    virtual EngSound* fadeIn(double duration = 1, double from = 0, double to = 1);
    virtual void volumeTween(double volume);
    virtual double getActualVolume();
    virtual void setPosition(double x = 0, double y = 0);
    virtual void updateTransform();
    virtual void startSound(double position);
    virtual void stopped(const runtime::Ref<framework::Event>& event);
    virtual void cleanup(bool destroySound, bool resetPosition = true);
    virtual void gotID3(const runtime::Ref<framework::Event>& event);
    virtual void onFocus();
    virtual void onFocusLost();
    virtual bool get_playing() const { return _channel != nullptr; }
    virtual double get_volume() const { return _volume; }
    virtual double set_volume(double volume);
    virtual double get_pan() const;
    virtual double set_pan(double pan);

    void update() override;
    void kill() override;
    void destroy() override;

    double x = 0;
    double y = 0;
    bool persist = false;
    runtime::String name;
    runtime::String artist;
    double amplitude = 0;
    double amplitudeLeft = 0;
    double amplitudeRight = 0;
    bool autoDestroy = false;
    runtime::Ref<runtime::Function> onComplete;
    double time = 0;
    runtime::Ref<framework::Sound> _sound;
    runtime::Ref<framework::SoundChannel> _channel;
    runtime::Ref<framework::SoundTransform> _transform;
    bool _paused = false;
    double _volume = 1;
    double _volumeAdjust = 1;
    bool _looped = false;
    runtime::Ref<EngObject> _target;
    double _radius = 0;
    bool _proximityPan = false;
    bool _alreadyPaused = false;

private:
    EngSound* loadEnding(bool looped, bool autoDestroy, runtime::Ref<runtime::Function> onComplete);
    void releaseChannel();
};

}  // namespace engine
