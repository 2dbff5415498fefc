#include "OggVorbis.h"
#include <algorithm>
#include <vorbis/vorbisenc.h>

namespace {

void appendPage(std::vector<uint8_t>& out, const ogg_page& page) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

}  // namespace

std::vector<uint8_t> encodeOggVorbis(const std::vector<float>& interleaved, int channels, int frequency) {
    std::vector<uint8_t> out;
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, frequency, 0.3f) != 0) {
        vorbis_info_clear(&info);
        return out;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 0x5A56);
    ogg_packet header, commentPacket, codePacket;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codePacket);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentPacket);
    ogg_stream_packetin(&stream, &codePacket);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page)) appendPage(out, page);

    const long frames = static_cast<long>(interleaved.size()) / channels;
    constexpr long CHUNK = 4096;
    bool bEnded = false;
    for (long done = 0; !bEnded;) {
        const long count = std::min(CHUNK, frames - done);
        if (count > 0) {
            float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
            for (long f = 0; f < count; ++f)
                for (int c = 0; c < channels; ++c) buffer[c][f] = interleaved[(done + f) * channels + c];
            done += count;
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(std::max(0L, count)));  // 0 marks the end
        bEnded = count <= 0;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page)) appendPage(out, page);
            }
        }
    }
    while (ogg_stream_flush(&stream, &page)) appendPage(out, page);
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}
