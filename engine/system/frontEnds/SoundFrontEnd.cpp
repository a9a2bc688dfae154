#include "SoundFrontEnd.h"

#include <algorithm>

#include "engine/EngG.h"
#include "engine/system/EngSound.h"
#include "engine/util/EngSave.h"
#include "framework/assets/Assets.h"
#include "framework/media/Sound.h"

namespace engine {

using runtime::Ref;
using runtime::Value;

SoundFrontEnd::SoundFrontEnd()
    : volumeUpKeys(std::make_shared<std::vector<runtime::String>>(std::vector<runtime::String>{"PLUS", "NUMPADPLUS"})),
      volumeDownKeys(std::make_shared<std::vector<runtime::String>>(std::vector<runtime::String>{"MINUS", "NUMPADMINUS"})),
      muteKeys(std::make_shared<std::vector<runtime::String>>(std::vector<runtime::String>{"ZERO", "NUMPADZERO"})),
      list(runtime::make<EngTypedGroup>()) {}

EngSound* SoundFrontEnd::soundAt(int i) const { return static_cast<EngSound*>(list->memberAt(i)); }

void SoundFrontEnd::playMusic(const Value& asset, double vol, bool looped) {
    if (!music) music = runtime::make<EngSound>();
    else if (music->active) music->stop();
    music->loadEmbedded(asset, looped);
    music->set_volume(vol);
    music->persist = true;
    music->play();
}

Ref<EngSound> SoundFrontEnd::load(const Value& asset, double vol, bool looped, bool autoDestroy, bool autoPlay,
                                  const runtime::String& url, Ref<runtime::Function> onComplete) {
    if (asset.isNull() && url.isNull()) return nullptr;
    Ref<EngSound> sound(static_cast<EngSound*>(list->recycle(&EngSound::staticClass()).get()));
    if (!asset.isNull()) sound->loadEmbedded(asset, looped, autoDestroy, std::move(onComplete));
    else sound->loadStream(url, looped, autoDestroy, std::move(onComplete));
    sound->set_volume(vol);
    if (autoPlay) sound->play();
    return sound;
}

Ref<framework::Sound> SoundFrontEnd::cache(const runtime::String& id) {
    auto it = _soundCache.find(id.str());
    if (it != _soundCache.end()) return it->second;
    Ref<framework::Sound> sound = framework::Assets::getSound(id, true);
    _soundCache.emplace(id.str(), sound);
    return sound;
}

Ref<EngSound> SoundFrontEnd::play(const runtime::String& id, double vol, bool looped, bool autoDestroy,
                                  Ref<runtime::Function> onComplete) {
    Ref<framework::Sound> sound = cache(id);
    Ref<EngSound> engSound(static_cast<EngSound*>(list->recycle(&EngSound::staticClass()).get()));
    engSound->loadEmbedded(Value(sound), looped, autoDestroy, std::move(onComplete));
    engSound->set_volume(vol);
    engSound->play();
    return engSound;
}

Ref<EngSound> SoundFrontEnd::stream(const runtime::String& url, double vol, bool looped, bool autoDestroy,
                                    Ref<runtime::Function> onComplete) {
    return load(nullptr, vol, looped, autoDestroy, true, url, std::move(onComplete));
}

void SoundFrontEnd::pause() {
    if (music && music->exists && music->active) music->pause();
    for (int i = 0; i < list->length; ++i)
        if (Ref<EngSound> s{soundAt(i)}; s && s->exists && s->active) s->pause();
}

void SoundFrontEnd::resume() {
    if (music && music->exists) music->resume();
    for (int i = 0; i < list->length; ++i)
        if (Ref<EngSound> s{soundAt(i)}; s && s->exists) s->resume();
}

void SoundFrontEnd::destroy(bool force) {
    if (music && (force || !music->persist)) {
        music->destroy();
        music = nullptr;
    }
    for (int i = 0; i < list->length; ++i)
        if (Ref<EngSound> s{soundAt(i)}; s && (force || !s->persist)) s->destroy();
}

void SoundFrontEnd::update() {
    if (music && music->active) music->update();
    if (list->active) list->update();
}

void SoundFrontEnd::onFocusLost() {
    if (music) music->onFocusLost();
    for (int i = 0; i < list->length; ++i)
        if (Ref<EngSound> s{soundAt(i)}) s->onFocusLost();
}

void SoundFrontEnd::onFocus() {
    if (music) music->onFocus();
    for (int i = 0; i < list->length; ++i)
        if (Ref<EngSound> s{soundAt(i)}) s->onFocus();
}

void SoundFrontEnd::loadSavedPrefs() {
    Ref<runtime::Object> data = EngG::save ? EngG::save->data : nullptr;
    Value savedVolume = data ? data->getField("volume") : Value();
    set_volume(savedVolume.isNull() ? 0.5 : savedVolume.toFloat());
    Value mute = data ? data->getField("mute") : Value();
    muted = mute.isNull() ? false : mute.toBool();
}

double SoundFrontEnd::set_volume(double v) {
    v = std::clamp(v, 0.0, 1.0);
    if (volumeHandler) {
        Ref<runtime::Function> handler = volumeHandler;
        (*handler)(muted ? 0.0 : v);
    }
    volume = v;
    return v;
}

}  // namespace engine
