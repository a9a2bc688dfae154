#pragma once
// Shared state of the audio completion thread: the registered MUSIC channels under one
// re-entrant lock. Listeners of "soundComplete" run on that thread with the lock held, so they
// may stop music channels (which takes the lock again) without blocking.
#include <mutex>
#include <thread>
#include <vector>

#include "platform/runtime/Ref.h"

namespace framework {

class SoundChannel;

class AudioThreadState {
public:
    AudioThreadState() = default;

    // Registers the channel once and wakes the thread.
    virtual void add(const runtime::Ref<SoundChannel>& channel);
    // Unregisters it and marks it completed; the thread idles once the list is empty.
    virtual void remove(const runtime::Ref<SoundChannel>& channel);
    // One pass: tests every registered channel (the entry that slides into a removed one's
    // place waits for the next pass).
    virtual void updateComplete();
    virtual ~AudioThreadState() = default;

    std::thread::id audioThread;
    std::vector<runtime::Ref<SoundChannel>> channelList;
    std::thread::id mainThread;
    std::recursive_mutex mutex;
};

}  // namespace framework
