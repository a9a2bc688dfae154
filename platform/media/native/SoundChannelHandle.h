#pragma once
// The native sound channel: one voice of the mixer. The voice outlives the handle while it
// plays; the handle outlives the voice's place in the mixer.
#include <memory>

#include "GeneratedSource.h"
#include "Voice.h"
#include "platform/runtime/Object.h"

namespace media {

class SoundChannelHandle : public runtime::Object {
public:
    SoundChannelHandle(std::shared_ptr<Voice> voice, GeneratedSource* generated)
        : voice(std::move(voice)), generated(generated) {}

    const std::shared_ptr<Voice> voice;
    // The voice's source when it plays generated samples, else null.
    GeneratedSource* const generated;

    std::string toString() const override { return "[native sound channel]"; }
};

}  // namespace media
