#pragma once
#include <cmath>
#include <cstdint>
#include <cstring>
#include <numbers>
#include <vector>
#include <vorbis/vorbisenc.h>

/// Encodes interleaved float frames as an Ogg Vorbis file in memory, so tests make their own
/// audio files instead of shipping binary ones.
inline std::vector<uint8_t> encodeVorbis(const std::vector<float>& interleaved, int channels, int frequency) {
    std::vector<uint8_t> out;
    auto append = [&out](const ogg_page& page) {
        out.insert(out.end(), page.header, page.header + page.header_len);
        out.insert(out.end(), page.body, page.body + page.body_len);
    };
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, frequency, 0.4f) != 0) return out;
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    ogg_packet header, commentPacket, codePacket;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codePacket);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentPacket);
    ogg_stream_packetin(&stream, &codePacket);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page)) append(page);

    const long frames = static_cast<long>(interleaved.size()) / channels;
    constexpr long CHUNK = 1024;
    for (long done = 0; done <= frames;) {
        const long count = std::min(CHUNK, frames - done);
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (long f = 0; f < count; ++f)
                for (int c = 0; c < channels; ++c) buffer[c][f] = interleaved[(done + f) * channels + c];
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));  // 0 marks the end
        done += count > 0 ? count : 1;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) append(page);
            }
        }
    }
    while (ogg_stream_flush(&stream, &page)) append(page);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

/// `frames` frames of a sine of `hz` at `frequency`, with the same signal in every channel.
inline std::vector<float> sineFrames(double hz, int frequency, int frames, int channels = 1, float amplitude = 0.5f) {
    std::vector<float> out(static_cast<size_t>(frames) * channels);
    for (int f = 0; f < frames; ++f)
        for (int c = 0; c < channels; ++c)
            out[static_cast<size_t>(f) * channels + c] =
                amplitude * static_cast<float>(std::sin(2.0 * std::numbers::pi * hz * f / frequency));
    return out;
}
