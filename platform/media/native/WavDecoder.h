#pragma once
// Decodes RIFF/WAVE data: integer PCM (8, 16, 24 or 32 bits) and IEEE float (32 or 64 bits),
// including the extensible header, into stereo PcmData. Mono is played on both sides; of more
// channels the first two are kept.
#include <cstdint>
#include <memory>

#include "PcmData.h"

namespace media {

class WavDecoder {
public:
    static bool looksLikeWav(const uint8_t* data, std::size_t size);
    // Null when the data is not a WAVE file this decoder reads.
    static std::shared_ptr<PcmData> decode(const uint8_t* data, std::size_t size);
};

}  // namespace media
