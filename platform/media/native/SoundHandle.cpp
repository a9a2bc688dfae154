#include "SoundHandle.h"

#include "OggSource.h"
#include "PcmSource.h"

namespace media {

std::unique_ptr<SampleSource> SoundHandle::openSource() const {
    if (pcm) return std::make_unique<PcmSource>(pcm);
    if (streamBytes) return OggSource::open(streamBytes);
    if (!streamPath.empty()) return OggSource::open(streamPath);
    return nullptr;
}

void SoundHandle::close() {
    pcm.reset();
    streamBytes.reset();
    streamPath.clear();
}

}  // namespace media
