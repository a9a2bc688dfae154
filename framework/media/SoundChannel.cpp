#include "SoundChannel.h"

#include <cstdlib>
#include <chrono>
#include <thread>

#include "AudioThreadState.h"
#include "Sound.h"
#include "framework/Lib.h"
#include "framework/events/SampleDataEvent.h"

namespace framework {

namespace {
// The watched channels. Appended from either thread (a listener on the audio thread may play a
// sound); removed only by pollComplete_ on the main thread, so indexes below a walk's start stay
// valid while it runs.
struct WatchList {
    std::mutex lock;
    std::vector<runtime::Ref<SoundChannel>> channels;
};
WatchList& watched() {
    static auto* list = new WatchList;  // outlives the audio thread at exit
    return *list;
}
void watch(const runtime::Ref<SoundChannel>& channel) {
    std::lock_guard<std::mutex> guard(watched().lock);
    watched().channels.push_back(channel);
}
}  // namespace

void SoundChannel::initClass() {
    static const bool done = [] {
        media_sound_channel_create = MEDIA_LOAD(media_native_sound_channel_create);
        media_sound_channel_is_complete = MEDIA_LOAD(media_native_sound_channel_is_complete);
        media_sound_channel_get_left = MEDIA_LOAD(media_native_sound_channel_get_left);
        media_sound_channel_get_right = MEDIA_LOAD(media_native_sound_channel_get_right);
        media_sound_channel_get_position = MEDIA_LOAD(media_native_sound_channel_get_position);
        media_sound_channel_set_position = MEDIA_LOAD(media_native_sound_channel_set_position);
        media_sound_channel_get_data_position = MEDIA_LOAD(media_native_sound_channel_get_data_position);
        media_sound_channel_stop = MEDIA_LOAD(media_native_sound_channel_stop);
        media_sound_channel_set_transform = MEDIA_LOAD(media_native_sound_channel_set_transform);
        media_sound_channel_set_pitch = MEDIA_LOAD(media_native_sound_channel_set_pitch);
        media_sound_channel_needs_data = MEDIA_LOAD(media_native_sound_channel_needs_data);
        media_sound_channel_add_data = MEDIA_LOAD(media_native_sound_channel_add_data);
        return true;
    }();
    (void)done;
}

SoundChannel::SoundChannel(const runtime::Value& soundHandle, double startTime, int loops,
                           const runtime::Ref<SoundTransform>& soundTransform) {
    initClass();
    if (soundTransform) transform_ = soundTransform->clone();
    if (!soundHandle.isNull())
        setHandle(media_sound_channel_create(soundHandle, startTime, loops, runtime::Value(transform_)));
    if (!handle().isNull()) watch(runtime::Ref<SoundChannel>(this));
}

runtime::Value SoundChannel::handle() const {
    std::lock_guard<std::mutex> guard(handleLock_);
    return handle_;
}

void SoundChannel::setHandle(const runtime::Value& h) {
    std::lock_guard<std::mutex> guard(handleLock_);
    handle_ = h;
}

bool SoundChannel::isMusic() const {
    std::lock_guard<std::mutex> guard(handleLock_);
    return soundInstance_ && soundInstance_->audioType_ == InternalAudioType::MUSIC;
}

runtime::Ref<SoundChannel> SoundChannel::createDynamic(const runtime::Value& handle,
                                                       const runtime::Ref<SoundTransform>& soundTransform,
                                                       const runtime::Ref<Sound>& dataProvider) {
    auto channel = runtime::make<SoundChannel>(runtime::Value(), 0, 0, soundTransform);
    channel->dataProvider_ = dataProvider;
    channel->setHandle(handle);
    watch(channel);
    ++dynamicSoundCount_;
    auto event = runtime::make<SampleDataEvent>(SampleDataEvent::SAMPLE_DATA);
    event->position = media_sound_channel_get_data_position(handle).toFloat();
    dataProvider->dispatchEvent(event);
    channel->dynamicBytes_ = event->data;
    return channel;
}

void SoundChannel::stop() {
    if (audioState_ && isMusic()) audioState_->remove(runtime::Ref<SoundChannel>(this));
    media_sound_channel_stop(handle());
    std::lock_guard<std::mutex> guard(handleLock_);
    handle_ = runtime::Value();
    soundInstance_ = nullptr;
}

bool SoundChannel::checkComplete_() {
    runtime::Value h = handle();
    if (h.isNull()) return true;
    if (dataProvider_ && media_sound_channel_needs_data(h).toBool()) {
        auto event = runtime::make<SampleDataEvent>(SampleDataEvent::SAMPLE_DATA);
        event->position = media_sound_channel_get_data_position(h).toFloat();
        if (dynamicBytes_ && dynamicBytes_->length() > 0) media_sound_channel_add_data(h, runtime::Value(dynamicBytes_));
        // The block is handed over: a throwing listener must not make it go twice.
        dynamicBytes_ = nullptr;
        dataProvider_->dispatchEvent(event);
        dynamicBytes_ = event->data;
    }
    if (addedToThread_ || thread_completed_ || isMusic()) {
        if (!audioState_) {
            auto* state = new AudioThreadState;  // lives as long as the process, like its thread
            audioThreadRunning_ = true;
            audioThreadIsIdle_ = false;
            state->mainThread = std::this_thread::get_id();
            audioState_ = state;
            std::thread thread(&SoundChannel::checkCompleteBackgroundThread_);
            state->audioThread = thread.get_id();
            thread.detach();
            // At exit the thread is asked to end and given a moment to do so, so that nothing runs
            // while the process tears down; it is never waited for longer.
            std::atexit([] {
                audioThreadRunning_ = false;
                for (int i = 0; i < 50 && !audioThreadEnded_; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
            });
        }
        if (!addedToThread_ && !thread_completed_) {
            audioState_->add(runtime::Ref<SoundChannel>(this));
            addedToThread_ = true;
        }
        return thread_completed_;
    }
    return runCheckComplete_();
}

bool SoundChannel::runCheckComplete_() {
    runtime::Value h = handle();
    if (!media_sound_channel_is_complete(h).toBool()) return false;
    {
        std::lock_guard<std::mutex> guard(handleLock_);
        soundInstance_ = nullptr;
        handle_ = runtime::Value();
    }
    if (dataProvider_) --dynamicSoundCount_;
    dispatchEvent(runtime::make<Event>(Event::SOUND_COMPLETE));
    return true;
}

void SoundChannel::pollComplete_() {
    std::size_t count;
    {
        std::lock_guard<std::mutex> guard(watched().lock);
        count = watched().channels.size();
    }
    for (std::size_t i = count; i-- > 0;) {
        runtime::Ref<SoundChannel> channel;
        {
            std::lock_guard<std::mutex> guard(watched().lock);
            channel = watched().channels[i];
        }
        if (channel->checkComplete_()) {
            std::lock_guard<std::mutex> guard(watched().lock);
            watched().channels.erase(watched().channels.begin() + static_cast<std::ptrdiff_t>(i));
        }
    }
}

bool SoundChannel::completePending_() {
    std::lock_guard<std::mutex> guard(watched().lock);
    return !watched().channels.empty();
}

std::vector<runtime::Ref<SoundChannel>> SoundChannel::incompleteList_() {
    std::lock_guard<std::mutex> guard(watched().lock);
    return watched().channels;
}

void SoundChannel::checkCompleteBackgroundThread_() {
    while (audioThreadRunning_) {
        if (!audioThreadIsIdle_) {
            audioState_->updateComplete();
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } else {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
    }
    audioThreadRunning_ = false;
    audioThreadIsIdle_ = true;
    audioThreadEnded_ = true;
}

double SoundChannel::get_leftPeak() { return media_sound_channel_get_left(handle()).toFloat(); }
double SoundChannel::get_rightPeak() { return media_sound_channel_get_right(handle()).toFloat(); }
double SoundChannel::get_pitch() { return pitch_; }

double SoundChannel::set_pitch(double value) {
    media_sound_channel_set_pitch(handle(), value);
    return pitch_ = value;
}

double SoundChannel::get_position() { return media_sound_channel_get_position(handle()).toFloat(); }

double SoundChannel::set_position(double value) {
    return media_sound_channel_set_position(handle(), value).toFloat();
}

runtime::Ref<SoundTransform> SoundChannel::get_soundTransform() {
    if (!transform_) transform_ = runtime::make<SoundTransform>();
    return transform_->clone();
}

runtime::Ref<SoundTransform> SoundChannel::set_soundTransform(const runtime::Ref<SoundTransform>& value) {
    transform_ = value->clone();
    media_sound_channel_set_transform(handle(), runtime::Value(transform_));
    return value;
}

}  // namespace framework

using framework::SoundChannel;

RUNTIME_DEFINE_CLASS(SoundChannel, "framework.media.SoundChannel", framework::EventDispatcher, (auto& b) {
    b.template property<&SoundChannel::get_leftPeak>("leftPeak")
        .template property<&SoundChannel::get_rightPeak>("rightPeak")
        .template property<&SoundChannel::get_position, &SoundChannel::set_position>("position")
        .template property<&SoundChannel::get_pitch, &SoundChannel::set_pitch>("pitch")
        .template property<&SoundChannel::get_soundTransform, &SoundChannel::set_soundTransform>("soundTransform")
        .template property<&SoundChannel::handle, &SoundChannel::setHandle>("__handle")
        .template field<&SoundChannel::pitch_>("__pitch")
        .template field<&SoundChannel::soundInstance_>("__soundInstance")
        .template field<&SoundChannel::transform_>("__transform")
        .template field<&SoundChannel::dynamicBytes_>("__dynamicBytes")
        .template method<&SoundChannel::stop>("stop")
        .template staticField<&SoundChannel::dynamicSoundCount_>("__dynamicSoundCount")
        .template staticMethod<&SoundChannel::pollComplete_>("__pollComplete")
        .template staticMethod<&SoundChannel::completePending_>("__completePending");
})
