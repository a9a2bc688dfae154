// tone-encoder OUT.ogg [seconds] [frequency] [channels] [rate] [KEY=VALUE ...]
// Writes a sine tone (amplitude 0.5) as OGG Vorbis.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "ToneEncoder.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUT.ogg [seconds] [frequency] [channels] [rate] [KEY=VALUE ...]\n", argv[0]);
        return 2;
    }
    tools::ToneEncoder::Tone tone;
    tools::ToneEncoder::Comments comments;
    int positional = 0;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        if (auto eq = a.find('='); eq != std::string::npos) {
            comments.emplace_back(a.substr(0, eq), a.substr(eq + 1));
            continue;
        }
        double v = std::atof(a.c_str());
        switch (positional++) {
            case 0: tone.seconds = v; break;
            case 1: tone.frequency = v; break;
            case 2: tone.channels = static_cast<int>(v); break;
            case 3: tone.rate = static_cast<int>(v); break;
            default: break;
        }
    }
    auto bytes = tools::ToneEncoder::encodeTone(tone, comments);
    if (bytes.empty()) {
        std::fprintf(stderr, "tone-encoder: encoding failed\n");
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
