#pragma once
// A sound's audio type, fixed at construction: MUSIC channels are watched by the audio
// completion thread, the others on the main thread.
#include "platform/runtime/EnumInfo.h"

namespace framework {

enum class InternalAudioType { MUSIC, SOUND, UNKNOWN };

}  // namespace framework

RUNTIME_DECLARE_ENUM(framework::InternalAudioType)
