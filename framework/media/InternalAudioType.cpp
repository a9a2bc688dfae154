#include "InternalAudioType.h"

const runtime::EnumInfo& runtime::EnumTraits<framework::InternalAudioType>::info() {
    static const EnumInfo e("framework.media.InternalAudioType", {"MUSIC", "SOUND", "UNKNOWN"});
    return e;
}

namespace {
[[maybe_unused]] const bool registered = (runtime::EnumTraits<framework::InternalAudioType>::info(), true);
}
