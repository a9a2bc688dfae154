#include "EngSound.h"

#include <algorithm>
#include <cmath>

#include "engine/EngG.h"
#include "engine/EngObject.h"
#include "engine/system/frontEnds/SoundFrontEnd.h"
#include "engine/tweens/EngTween.h"
#include "engine/tweens/misc/NumTween.h"
#include "framework/assets/Assets.h"
#include "framework/events/Event.h"
#include "framework/media/Sound.h"
#include "framework/media/SoundChannel.h"
#include "framework/media/SoundTransform.h"
#include "framework/net/URLRequest.h"
#include "framework/utils/ByteArray.h"

namespace engine {

using runtime::Ref;
using runtime::Value;

EngSound::EngSound() { reset(); }

void EngSound::reset() {
    destroy();
    x = y = 0;
    _transform = runtime::make<framework::SoundTransform>();
    time = 0;
    _paused = false;
    _volume = 1;
    _volumeAdjust = 1;
    _looped = false;
    autoDestroy = false;
    _target = nullptr;
    _radius = 0;
    _proximityPan = false;
    visible = false;
    amplitude = amplitudeLeft = amplitudeRight = 0;
}

EngSound* EngSound::loadEmbedded(const Value& asset, bool looped, bool autoDestroy_, Ref<runtime::Function> done) {
    cleanup(true);
    if (auto* sound = asset.as<framework::Sound>()) _sound = Ref<framework::Sound>(sound);
    else if (asset.isString()) _sound = framework::Assets::getSound(asset.toStringValue(), true);
    else _sound = nullptr;
    return loadEnding(looped, autoDestroy_, std::move(done));
}

EngSound* EngSound::loadEmbeddedClass(const runtime::ClassInfo* soundClass, bool looped, bool autoDestroy_,
                                      Ref<runtime::Function> done) {
    cleanup(true);
    _sound = soundClass ? Ref<framework::Sound>(dynamic_cast<framework::Sound*>(soundClass->create(nullptr, 0).get()))
                        : nullptr;
    return loadEnding(looped, autoDestroy_, std::move(done));
}

EngSound* EngSound::loadStream(const runtime::String& url, bool looped, bool autoDestroy_, Ref<runtime::Function> done) {
    cleanup(true);
    _sound = runtime::make<framework::Sound>();
    _sound->addEventListener(framework::Event::ID3, runtime::Function::method<&EngSound::gotID3>(this));
    _sound->load(runtime::make<framework::URLRequest>(url));
    return loadEnding(looped, autoDestroy_, std::move(done));
}

EngSound* EngSound::loadByteArray(const Ref<framework::ByteArray>& bytes, bool looped, bool autoDestroy_,
                                  Ref<runtime::Function> done) {
    cleanup(true);
    _sound = runtime::make<framework::Sound>();
    _sound->addEventListener(framework::Event::ID3, runtime::Function::method<&EngSound::gotID3>(this));
    _sound->loadCompressedDataFromByteArray(bytes, bytes ? bytes->length() : 0);
    return loadEnding(looped, autoDestroy_, std::move(done));
}

EngSound* EngSound::loadEnding(bool looped, bool autoDestroy_, Ref<runtime::Function> done) {
    _looped = looped;
    autoDestroy = autoDestroy_;
    updateTransform();
    set_exists(true);
    onComplete = std::move(done);
    return this;
}

EngSound* EngSound::proximity(double px, double py, const Ref<EngObject>& target, double radius, bool pan) {
    x = px;
    y = py;
    _target = target;
    _radius = radius;
    _proximityPan = pan;
    return this;
}

EngSound* EngSound::play(bool forceRestart) {
    if (!exists) return this;
    if (forceRestart) cleanup(false, true);
    else if (_channel) return this;
    if (_paused) resume();
    else startSound(0);
    return this;
}

EngSound* EngSound::resume() {
    if (_paused) startSound(time);
    return this;
}

EngSound* EngSound::pause() {
    if (!_channel) return this;
    time = _channel->get_position();
    _paused = true;
    cleanup(false, false);
    return this;
}

EngSound* EngSound::stop() {
    cleanup(autoDestroy, true);
    return this;
}

EngSound* EngSound::fadeOut(double duration, double to) {
    EngTween::num(get_volume(), to, duration, nullptr, runtime::Function::method<&EngSound::volumeTween>(this));
    return this;
}

EngSound* EngSound::fadeIn(double duration, double from, double to) {
    EngTween::num(from, to, duration, nullptr, runtime::Function::method<&EngSound::volumeTween>(this));
    return this;
}

void EngSound::volumeTween(double v) { set_volume(v); }

double EngSound::getActualVolume() { return _volume * _volumeAdjust; }

void EngSound::setPosition(double px, double py) {
    x = px;
    y = py;
}

void EngSound::updateTransform() {
    // A destroyed sound has no transform; a fade still running on it changes nothing.
    if (!_transform) return;
    SoundFrontEnd* front = EngG::sound.get();
    double m = front && front->muted ? 0 : 1;
    double v = front ? front->volume : 1;
    _transform->volume = m * v * _volume * _volumeAdjust;
    if (_channel) _channel->set_soundTransform(_transform);
}

void EngSound::startSound(double position) {
    // A sound without data (an id that names no sound) does not start. An auto-destroying one
    // becomes free for reuse at once, so that the front end does not grow a member per call.
    if (!_sound) {
        if (autoDestroy) reset();
        return;
    }
    int loops = _looped && position == 0 ? 9999 : 0;
    time = position;
    _paused = false;
    _channel = _sound->play(time, loops, _transform);
    _channel->addEventListener(framework::Event::SOUND_COMPLETE, runtime::Function::method<&EngSound::stopped>(this));
    set_active(true);
}

void EngSound::stopped(const Ref<framework::Event>&) {
    Ref<EngSound> keep(this);
    if (onComplete) {
        Ref<runtime::Function> fn = onComplete;
        (*fn)();
    }
    if (_looped) {
        cleanup(false, true);
        play(false);
    } else {
        cleanup(autoDestroy, true);
    }
}

void EngSound::releaseChannel() {
    if (!_channel) return;
    Ref<framework::SoundChannel> channel = std::move(_channel);
    channel->removeEventListener(framework::Event::SOUND_COMPLETE, runtime::Function::method<&EngSound::stopped>(this));
    channel->stop();
}

void EngSound::cleanup(bool destroySound, bool resetPosition) {
    if (destroySound) {
        reset();
        return;
    }
    releaseChannel();
    set_active(false);
    if (resetPosition) {
        _paused = false;
        time = 0;
    }
}

void EngSound::gotID3(const Ref<framework::Event>&) {
    if (!_sound) return;
    if (auto id3 = _sound->get_id3()) {
        name = id3->songName;
        artist = id3->artist;
    }
    _sound->removeEventListener(framework::Event::ID3, runtime::Function::method<&EngSound::gotID3>(this));
}

void EngSound::onFocus() {
    if (!_alreadyPaused) resume();
}

void EngSound::onFocusLost() {
    _alreadyPaused = _paused;
    pause();
}

double EngSound::set_volume(double v) {
    _volume = std::clamp(v, 0.0, 1.0);
    updateTransform();
    return _volume;
}

double EngSound::get_pan() const { return _transform ? _transform->pan : 0; }

double EngSound::set_pan(double p) {
    if (_transform) _transform->pan = p;
    return p;
}

void EngSound::update() {
    if (!_channel) return;
    time = _channel->get_position();
    double r = 1;
    if (_target && _transform) {
        double dx = _target->x - x, dy = _target->y - y;
        // A radius of 0 is a point source: silent anywhere but on the target itself.
        double d = _radius > 0 ? std::clamp(std::sqrt(dx * dx + dy * dy) / _radius, 0.0, 1.0)
                               : (dx == 0 && dy == 0 ? 0.0 : 1.0);
        r = 1 - d;
        if (_proximityPan)
            _transform->pan = _radius > 0 ? std::clamp((x - _target->x) / _radius, -1.0, 1.0) : 0.0;
    }
    _volumeAdjust = r;
    updateTransform();
    if (!_channel) return;
    if (_transform && _transform->volume > 0) {
        amplitudeLeft = _channel->get_leftPeak() / _transform->volume;
        amplitudeRight = _channel->get_rightPeak() / _transform->volume;
        amplitude = (amplitudeLeft + amplitudeRight) * 0.5;
    } else {
        amplitude = amplitudeLeft = amplitudeRight = 0;
    }
}

void EngSound::kill() {
    EngBasic::kill();
    cleanup(false, true);
}

void EngSound::destroy() {
    _transform = nullptr;
    set_exists(false);
    set_active(false);
    _target = nullptr;
    name = nullptr;
    artist = nullptr;
    releaseChannel();
    if (_sound) {
        Ref<framework::Sound> sound = std::move(_sound);
        sound->removeEventListener(framework::Event::ID3, runtime::Function::method<&EngSound::gotID3>(this));
    }
    onComplete = nullptr;
    EngBasic::destroy();
}

}  // namespace engine

using engine::EngSound;

RUNTIME_DEFINE_CLASS(EngSound, "engine.system.EngSound", engine::EngBasic, (auto& b) {
    b.template field<&EngSound::x>("x")
        .template field<&EngSound::y>("y")
        .template field<&EngSound::persist>("persist")
        .template field<&EngSound::autoDestroy>("autoDestroy")
        .template field<&EngSound::time>("time")
        .template property<&EngSound::get_volume, &EngSound::set_volume>("volume")
        .template property<&EngSound::get_pan, &EngSound::set_pan>("pan")
        .template property<&EngSound::get_playing>("playing")
        .emptyInstance()
        .constructor([](const runtime::Value*, int) -> runtime::Ref<runtime::Object> {
            return runtime::make<EngSound>();
        });
})
