#pragma once
// Synthesises sine tones and encodes sample data as OGG Vorbis.
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tools {

class ToneEncoder {
public:
    using Comments = std::vector<std::pair<std::string, std::string>>;

    struct Tone {
        double seconds = 0.5;
        double frequency = 440;
        double amplitude = 0.5;
        int rate = 44100;
        int channels = 2;
    };

    // Interleaved samples, `channels` per frame: the same sine on every channel.
    static std::vector<float> synthesise(const Tone& tone);
    // OGG Vorbis of interleaved samples (quality -0.1..1); empty on failure.
    static std::vector<uint8_t> encode(const std::vector<float>& interleaved, int channels, int rate,
                                       float quality = 0.4f, const Comments& comments = {});
    static std::vector<uint8_t> encodeTone(const Tone& tone, const Comments& comments = {}) {
        return encode(synthesise(tone), tone.channels, tone.rate, 0.4f, comments);
    }
};

}  // namespace tools
