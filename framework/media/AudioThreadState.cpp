#include "AudioThreadState.h"

#include <algorithm>

#include "SoundChannel.h"

namespace framework {

// Takes the lock too: the audio thread may be walking the list.
void AudioThreadState::add(const runtime::Ref<SoundChannel>& channel) {
    std::lock_guard<std::recursive_mutex> guard(mutex);
    if (std::find(channelList.begin(), channelList.end(), channel) != channelList.end()) return;
    channelList.push_back(channel);
    SoundChannel::audioThreadIsIdle_ = false;
}

void AudioThreadState::remove(const runtime::Ref<SoundChannel>& channel) {
    std::lock_guard<std::recursive_mutex> guard(mutex);
    auto it = std::find(channelList.begin(), channelList.end(), channel);
    if (it == channelList.end()) return;
    channel->addedToThread_ = false;
    channel->thread_completed_ = true;
    channelList.erase(it);
    if (channelList.empty()) SoundChannel::audioThreadIsIdle_ = true;
}

void AudioThreadState::updateComplete() {
    std::lock_guard<std::recursive_mutex> guard(mutex);
    for (std::size_t i = 0; i < channelList.size();) {
        runtime::Ref<SoundChannel> channel = channelList[i];
        ++i;
        if (!channel) {
            channelList.erase(std::find(channelList.begin(), channelList.end(), nullptr));
            continue;
        }
        if (channel->runCheckComplete_()) remove(channel);
    }
}

}  // namespace framework
