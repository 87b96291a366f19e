// Sound data made by the tests themselves: WAVE and Ogg Vorbis files of
// known signals, and sound archives in the resource archive format.
#pragma once

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace fixtures {

inline void Put32(std::string& out, uint32_t value)
{
    for (int i = 0; i < 4; i++) {
        out += static_cast<char>((value >> (8 * i)) & 0xff);
    }
}

inline void Put16(std::string& out, uint16_t value)
{
    out += static_cast<char>(value & 0xff);
    out += static_cast<char>(value >> 8);
}

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
        for (int c = 0; c < channels; c++) {
            samples.push_back(static_cast<int16_t>(std::lrint(value)));
        }
    }
    return samples;
}

inline std::string Wave(const std::vector<int16_t>& samples, int channels, int rate, int bits = 16)
{
    const int bytesPerSample = bits / 8;
    std::string data;
    for (int16_t sample : samples) {
        if (bits == 16) {
            Put16(data, static_cast<uint16_t>(sample));
        } else {
            data += static_cast<char>((sample >> 8) + 128);
        }
    }
    std::string out = "RIFF";
    Put32(out, static_cast<uint32_t>(36 + data.size()));
    out += "WAVEfmt ";
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, static_cast<uint16_t>(channels));
    Put32(out, static_cast<uint32_t>(rate));
    Put32(out, static_cast<uint32_t>(rate * channels * bytesPerSample));
    Put16(out, static_cast<uint16_t>(channels * bytesPerSample));
    Put16(out, static_cast<uint16_t>(bits));
    out += "data";
    Put32(out, static_cast<uint32_t>(data.size()));
    return out + data;
}

inline void AppendPage(std::string& out, const ogg_page& page)
{
    out.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
    out.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
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
    ogg_packet header, commentHeader, codeHeader;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentHeader, &codeHeader);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentHeader);
    ogg_stream_packetin(&stream, &codeHeader);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) {
        AppendPage(out, page);
    }

    const int frames = static_cast<int>(samples.size()) / channels;
    float** buffer = vorbis_analysis_buffer(&dsp, frames > 0 ? frames : 1);
    for (int i = 0; i < frames; i++) {
        for (int c = 0; c < channels; c++) {
            buffer[c][i] = samples[static_cast<size_t>(i) * channels + c] / 32768.0f;
        }
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
                AppendPage(out, page);
            }
        }
    }
    while (ogg_stream_flush(&stream, &page) != 0) {
        AppendPage(out, page);
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

// The resource archive layout: a count, an offset table, then each entry as
// its data size, name length, name and data; all little-endian.
inline std::string Archive(const std::vector<std::pair<std::string, std::string>>& entries)
{
    std::string body;
    std::vector<uint32_t> offsets;
    const uint32_t start = static_cast<uint32_t>(4 + 4 * entries.size());
    for (const auto& entry : entries) {
        offsets.push_back(start + static_cast<uint32_t>(body.size()));
        Put32(body, static_cast<uint32_t>(entry.second.size()));
        Put32(body, static_cast<uint32_t>(entry.first.size()));
        body += entry.first + entry.second;
    }
    std::string out;
    Put32(out, static_cast<uint32_t>(entries.size()));
    for (uint32_t offset : offsets) {
        Put32(out, offset);
    }
    return out + body;
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
