#include "ToneEncoder.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <cstdlib>

namespace tools {

std::vector<float> ToneEncoder::synthesise(const Tone& tone) {
    const int channels = tone.channels < 1 ? 1 : tone.channels;
    const auto frames = static_cast<std::size_t>(std::llround(tone.seconds * tone.rate));
    std::vector<float> out(frames * static_cast<std::size_t>(channels));
    const double w = 2.0 * std::numbers::pi * tone.frequency / tone.rate;
    for (std::size_t i = 0; i < frames; ++i) {
        auto s = static_cast<float>(tone.amplitude * std::sin(w * static_cast<double>(i)));
        for (int c = 0; c < channels; ++c) out[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] = s;
    }
    return out;
}

std::vector<uint8_t> ToneEncoder::encode(const std::vector<float>& samples, int channels, int rate, float quality,
                                         const Comments& comments) {
    std::vector<uint8_t> out;
    if (channels < 1 || rate < 1) return out;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, rate, quality) != 0) {
        vorbis_info_clear(&vi);
        return out;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    for (const auto& [key, value] : comments) vorbis_comment_add_tag(&vc, key.c_str(), value.c_str());

    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, 0x676c7632);

    auto writePage = [&](const ogg_page& og) {
        out.insert(out.end(), og.header, og.header + og.header_len);
        out.insert(out.end(), og.body, og.body + og.body_len);
    };
    ogg_packet header, comment, code;
    vorbis_analysis_headerout(&vd, &vc, &header, &comment, &code);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &comment);
    ogg_stream_packetin(&os, &code);
    ogg_page og;
    while (ogg_stream_flush(&os, &og) != 0) writePage(og);

    const std::size_t frames = samples.size() / static_cast<std::size_t>(channels);
    constexpr std::size_t BLOCK = 1024;
    bool eos = false;
    std::size_t at = 0;
    while (!eos) {
        std::size_t n = std::min(BLOCK, frames - at);
        if (n == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(n));
            for (std::size_t i = 0; i < n; ++i)
                for (int c = 0; c < channels; ++c)
                    buffer[c][i] = samples[(at + i) * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)];
            vorbis_analysis_wrote(&vd, static_cast<int>(n));
            at += n;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet op;
            while (vorbis_bitrate_flushpacket(&vd, &op)) {
                ogg_stream_packetin(&os, &op);
                while (!eos && ogg_stream_pageout(&os, &og) != 0) {
                    writePage(og);
                    if (ogg_page_eos(&og)) eos = true;
                }
            }
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return out;
}

}  // namespace tools
