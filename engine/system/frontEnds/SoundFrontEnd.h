#pragma once
// The engine's sound service: global volume and mute, the music, and a reusable group of effect
// sounds played by asset id.
#include <memory>
#include <unordered_map>
#include <vector>

#include "engine/group/EngTypedGroup.h"
#include "platform/runtime/Function.h"

namespace framework {
class Sound;
}

namespace engine {

class EngSound;

class SoundFrontEnd : public runtime::Object {
public:
    using KeyNames = std::shared_ptr<std::vector<runtime::String>>;

    SoundFrontEnd();

    // asset: a framework Sound or an asset id; the music persists across state switches.
    virtual void playMusic(const runtime::Value& music, double volume = 1, bool looped = true);
    virtual runtime::Ref<EngSound> load(const runtime::Value& embeddedSound = nullptr, double volume = 1,
                                        bool looped = false, bool autoDestroy = false, bool autoPlay = false,
                                        const runtime::String& url = nullptr,
                                        runtime::Ref<runtime::Function> onComplete = nullptr);
    // The cached Sound of the id, loaded once (a miss is cached as null too).
    virtual runtime::Ref<framework::Sound> cache(const runtime::String& embeddedSound);
    virtual runtime::Ref<EngSound> play(const runtime::String& embeddedSound, double volume = 1, bool looped = false,
                                        bool autoDestroy = true, runtime::Ref<runtime::Function> onComplete = nullptr);
    virtual runtime::Ref<EngSound> stream(const runtime::String& url, double volume = 1, bool looped = false,
                                          bool autoDestroy = true, runtime::Ref<runtime::Function> onComplete = nullptr);
    virtual void pause();
    virtual void resume();
    // Destroys the sounds that do not persist, or every sound with force.
    virtual void destroy(bool forceDestroy = false);
    virtual void update();
    virtual void onFocusLost();
    virtual void onFocus();
    // Volume and mute from the engine save ("volume", else 0.5; "mute", else false).
    virtual void loadSavedPrefs();
    virtual double set_volume(double volume);
    double get_volume() const { return volume; }

    // The member of list at i as a sound (null for an empty position).
    EngSound* soundAt(int i) const;

    runtime::Ref<EngSound> music;
    bool muted = false;
    runtime::Ref<runtime::Function> volumeHandler;
    // Keys that change the volume when released; null lists switch them off.
    KeyNames volumeUpKeys;
    KeyNames volumeDownKeys;
    KeyNames muteKeys;
    runtime::Ref<EngTypedGroup> list;
    double volume = 1;
    std::unordered_map<std::string, runtime::Ref<framework::Sound>> _soundCache;
};

}  // namespace engine
