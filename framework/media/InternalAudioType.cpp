#include "InternalAudioType.h"

RUNTIME_DEFINE_ENUM(framework::InternalAudioType, "framework.media.InternalAudioType", "MUSIC", "SOUND", "UNKNOWN")
