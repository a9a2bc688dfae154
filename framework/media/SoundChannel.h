#pragma once
// One playback of a Sound. The back end does not call back when a channel ends: the stage polls
// pollComplete_ every tick, which walks incompleteList_ and sends "soundComplete" once per
// channel that ended by itself (a stopped channel sends nothing). Channels of MUSIC sounds are
// tested by the audio completion thread instead (AudioThreadState), which dispatches their
// "soundComplete" on itself with its re-entrant lock held.
#include <atomic>
#include <mutex>
#include <vector>

#include "Sound.h"
#include "SoundTransform.h"
#include "framework/events/EventDispatcher.h"
#include "framework/utils/ByteArray.h"
#include "platform/runtime/Primitive.h"

namespace framework {

class AudioThreadState;

class SoundChannel : public EventDispatcher {
    RUNTIME_CLASS(SoundChannel)
public:
    // Plays soundHandle (when not null) from startTime (ms) with loops and a copy of the transform.
    SoundChannel(const runtime::Value& soundHandle, double startTime = 0, int loops = 0,
                 const runtime::Ref<SoundTransform>& soundTransform = nullptr);
    explicit SoundChannel(runtime::NoInit n) : EventDispatcher(n) {}

    static inline runtime::Primitive media_sound_channel_create;
    static inline runtime::Primitive media_sound_channel_is_complete;
    static inline runtime::Primitive media_sound_channel_get_left;
    static inline runtime::Primitive media_sound_channel_get_right;
    static inline runtime::Primitive media_sound_channel_get_position;
    static inline runtime::Primitive media_sound_channel_set_position;
    static inline runtime::Primitive media_sound_channel_get_data_position;
    static inline runtime::Primitive media_sound_channel_stop;
    static inline runtime::Primitive media_sound_channel_set_transform;
    static inline runtime::Primitive media_sound_channel_set_pitch;
    static inline runtime::Primitive media_sound_channel_needs_data;
    static inline runtime::Primitive media_sound_channel_add_data;
    static void initClass();

    // Generated-sound channels playing; changed and read on the main thread only.
    static inline int dynamicSoundCount_ = 0;
    // The audio completion thread's state, made by the first MUSIC channel polled; never freed.
    static inline AudioThreadState* audioState_ = nullptr;
    static inline std::atomic<bool> audioThreadIsIdle_{true};
    static inline std::atomic<bool> audioThreadRunning_{false};
    // Set by the audio completion thread as it ends.
    static inline std::atomic<bool> audioThreadEnded_{false};

    runtime::Ref<Sound> dataProvider_;
    double pitch_ = 1;
    runtime::Ref<Sound> soundInstance_;
    runtime::Ref<SoundTransform> transform_;
    runtime::Ref<ByteArray> dynamicBytes_;
    std::atomic<bool> thread_completed_{false};
    std::atomic<bool> addedToThread_{false};

    // A channel of a generated sound: registered at once, then the next block asked for.
    static runtime::Ref<SoundChannel> createDynamic(const runtime::Value& handle,
                                                    const runtime::Ref<SoundTransform>& soundTransform,
                                                    const runtime::Ref<Sound>& dataProvider);
    // Walks the watched channels from the last to the first and drops those that are done.
    static void pollComplete_();
    // Some channel is still watched.
    static bool completePending_();
    // The watched channels, in creation order (a copy).
    static std::vector<runtime::Ref<SoundChannel>> incompleteList_();
    // The audio completion thread's body.
    static void checkCompleteBackgroundThread_();

    // Stops playback without an event; a MUSIC channel leaves the audio thread first.
    virtual void stop();
    // True when the channel can leave the watch list.
    virtual bool checkComplete_();
    // Asks the back end; at the end clears handle and sound, sends "soundComplete", answers true.
    virtual bool runCheckComplete_();
    virtual double get_leftPeak();
    virtual double get_rightPeak();
    virtual double get_pitch();
    virtual double set_pitch(double value);
    virtual double get_position();
    virtual double set_position(double value);
    virtual runtime::Ref<SoundTransform> get_soundTransform();
    virtual runtime::Ref<SoundTransform> set_soundTransform(const runtime::Ref<SoundTransform>& value);

    // The native channel (null when silent, completed or stopped); safe from both threads.
    runtime::Value handle() const;
    void setHandle(const runtime::Value& h);

private:
    bool isMusic() const;

    mutable std::mutex handleLock_;
    runtime::Value handle_;
};

}  // namespace framework
