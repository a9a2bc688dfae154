#include "PcmData.h"

#include "SampleSource.h"

namespace media {

std::shared_ptr<PcmData> PcmData::readAll(SampleSource& source) {
    auto pcm = std::make_shared<PcmData>();
    pcm->rate = source.rate();
    constexpr int CHUNK = 4096;
    if (source.frames() > 0) pcm->samples.reserve(static_cast<std::size_t>(source.frames()) * 2);
    for (;;) {
        std::size_t at = pcm->samples.size();
        pcm->samples.resize(at + CHUNK * 2);
        int n = source.read(pcm->samples.data() + at, CHUNK);
        pcm->samples.resize(at + static_cast<std::size_t>(n) * 2);
        if (n == 0) break;
    }
    pcm->samples.shrink_to_fit();
    return pcm;
}

}  // namespace media
