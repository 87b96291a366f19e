// Sound data made by the tests themselves: WAVE and Ogg Vorbis files of
// known signals, and the largest sample of a mix.
#pragma once

#include "ArchiveBytes.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace fixtures {

// Every sample of every channel the same value: mixing it shows the levels
// without any interpolation error.
inline std::vector<int16_t> Constant(int frames, int channels, int16_t value)
{
    return std::vector<int16_t>(static_cast<size_t>(frames) * channels, value);
}

inline std::vector<int16_t> Sine(int frames, int channels, int rate, float hz, float amplitude)
{
    std::vector<int16_t> samples;
    for (int i = 0; i < frames; i++) {
        const float value = amplitude * std::sin(6.2831853f * hz * static_cast<float>(i) / static_cast<float>(rate));
        samples.insert(samples.end(), static_cast<size_t>(channels), static_cast<int16_t>(std::lrint(value)));
    }
    return samples;
}

inline std::string Wave(const std::vector<int16_t>& samples, int channels, int rate, int bits = 16)
{
    const int bytesPerSample = bits / 8;
    std::string data;
    for (int16_t sample : samples) {
        data += bits == 16 ? Word32(static_cast<uint16_t>(sample)).substr(0, 2)
                           : std::string(1, static_cast<char>((sample >> 8) + 128));
    }
    const auto half = [](int value) { return Word32(static_cast<uint32_t>(value)).substr(0, 2); };
    return "RIFF" + Word32(static_cast<uint32_t>(36 + data.size())) + "WAVEfmt " + Word32(16) + half(1) +
           half(channels) + Word32(static_cast<uint32_t>(rate)) +
           Word32(static_cast<uint32_t>(rate * channels * bytesPerSample)) + half(channels * bytesPerSample) +
           half(bits) + "data" + Word32(static_cast<uint32_t>(data.size())) + data;
}

inline std::string Ogg(const std::vector<int16_t>& samples, int channels, int rate)
{
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.6f) != 0) {
        abort();
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 7);

    std::string out;
    ogg_page page;
    const auto append = [&] {
        out.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
        out.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
    };
    ogg_packet headers[3];
    vorbis_analysis_headerout(&dsp, &comment, &headers[0], &headers[1], &headers[2]);
    for (ogg_packet& header : headers) {
        ogg_stream_packetin(&stream, &header);
    }
    while (ogg_stream_flush(&stream, &page) != 0) {
        append();
    }
    const int frames = static_cast<int>(samples.size()) / channels;
    float** buffer = vorbis_analysis_buffer(&dsp, std::max(frames, 1));
    for (int i = 0; i < frames * channels; i++) {
        buffer[i % channels][i / channels] = samples[static_cast<size_t>(i)] / 32768.0f;
    }
    vorbis_analysis_wrote(&dsp, frames);
    vorbis_analysis_wrote(&dsp, 0);
    ogg_packet packet;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        while (vorbis_bitrate_flushpacket(&dsp, &packet) != 0) {
            ogg_stream_packetin(&stream, &packet);
            while (ogg_stream_pageout(&stream, &page) != 0) {
                append();
            }
        }
    }
    while (ogg_stream_flush(&stream, &page) != 0) {
        append();
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

// The largest absolute sample of one side (0 left, 1 right) of stereo frames.
inline int Peak(const std::vector<int16_t>& stereo, int side, size_t firstFrame = 0, size_t endFrame = SIZE_MAX)
{
    int peak = 0;
    for (size_t i = firstFrame; i < stereo.size() / 2 && i < endFrame; i++) {
        peak = std::max(peak, std::abs(static_cast<int>(stereo[2 * i + side])));
    }
    return peak;
}

}  // namespace fixtures
