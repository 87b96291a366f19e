#include "PackSounds.h"

#include "CPackRandom.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kTwoPi = 6.283185307179586;

double MidiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

// Scales the loudest sample to peak, and fades both ends over a few
// milliseconds so nothing clicks.
void Finish(std::vector<float>& samples, float peak, int rate, bool fadeEnds)
{
    float loudest = 0.0f;
    for (float s : samples) {
        loudest = std::max(loudest, std::fabs(s));
    }
    const float gain = loudest > 0.0f ? peak / loudest : 0.0f;
    const size_t fade = fadeEnds ? std::min(samples.size() / 2, static_cast<size_t>(rate / 200)) : 0;
    for (size_t i = 0; i < samples.size(); i++) {
        float g = gain;
        if (i < fade) {
            g *= static_cast<float>(i) / fade;
        } else if (samples.size() - i <= fade) {
            g *= static_cast<float>(samples.size() - i - 1) / fade;
        }
        samples[i] *= g;
    }
}

// A plucked note with a few harmonics, added into a looping buffer so that a
// tail running past the end continues at the start.
void AddNote(std::vector<float>& buffer, size_t start, double hz, double seconds, double loudness, int rate)
{
    const size_t length = static_cast<size_t>(seconds * rate);
    const double attack = 0.01;
    const double decay = std::max(0.05, seconds / 3.0);
    double phase = 0.0;
    for (size_t i = 0; i < length; i++) {
        const double t = static_cast<double>(i) / rate;
        const double envelope = std::min(1.0, t / attack) * std::exp(-t / decay) *
                                std::min(1.0, (seconds - t) / 0.02);
        const double wave = std::sin(phase) + 0.3 * std::sin(2 * phase) + 0.12 * std::sin(3 * phase);
        buffer[(start + i) % buffer.size()] += static_cast<float>(loudness * envelope * wave);
        phase += kTwoPi * hz / rate;
        if (phase > kTwoPi) {
            phase -= kTwoPi;
        }
    }
}

struct biquad_data {
    double b0 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    void BandPass(double hz, double q, int rate)
    {
        const double w = kTwoPi * hz / rate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0 = alpha / a0;
        b2 = -alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }

    double Run(double x)
    {
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// First and second formants of a few vowels.
constexpr double kVowels[][2] = {{730, 1090}, {530, 1840}, {300, 2290}, {570, 840}, {440, 1020}, {660, 1700}};

}  // namespace

std::vector<float> SynthesizeTone(const std::string& name, int hz, int ms, int rate)
{
    CPackRandom random(name);
    // Pitches from a pentatonic scale keep the interface sounds pleasant together.
    static const int kSteps[] = {0, 2, 4, 7, 9};
    double frequency = hz;
    if (hz <= 0) {
        // One draw a statement: the octave, then the step.
        const int octave = random.Range(0, 1);
        const int step = kSteps[random.Range(0, 4)];
        frequency = MidiToHz(64 + 12 * octave + step);
    }
    const double seconds = ms / 1000.0;
    const double bend = (random.Unit() - 0.5) * 0.4;
    std::vector<float> samples(std::max<size_t>(1, static_cast<size_t>(seconds * rate)), 0.0f);
    double phase = 0.0;
    for (size_t i = 0; i < samples.size(); i++) {
        const double t = static_cast<double>(i) / rate;
        const double envelope = std::min(1.0, t / 0.005) * std::exp(-4.0 * t / seconds);
        samples[i] = static_cast<float>(envelope * (std::sin(phase) + 0.35 * std::sin(2 * phase)));
        phase += kTwoPi * frequency * (1.0 + bend * t / seconds) / rate;
        if (phase > kTwoPi) {
            phase -= kTwoPi;
        }
    }
    Finish(samples, 0.6f, rate, true);
    return samples;
}

std::vector<float> SynthesizeMelody(const std::string& name, double seconds, int rate)
{
    CPackRandom random(name);
    static const int kScale[] = {0, 2, 4, 7, 9, 12, 14, 16, 19};
    static const int kBassSteps[] = {0, 7, 9, 5};  // I V vi IV
    const double beat = 60.0 / random.Range(92, 126) / 2;  // one eighth note
    const int eighths = std::max(8, static_cast<int>(std::lround(seconds / beat / 8)) * 8);
    const int root = random.Range(55, 62);
    std::vector<float> buffer(static_cast<size_t>(eighths * beat * rate), 0.0f);

    auto at = [&](int eighth) { return static_cast<size_t>(eighth * beat * rate); };
    for (int bar = 0; bar < eighths / 8; bar++) {
        const int bass = root - 12 + kBassSteps[bar % 4];
        AddNote(buffer, at(bar * 8), MidiToHz(bass), beat * 4, 0.35, rate);
        AddNote(buffer, at(bar * 8 + 4), MidiToHz(bass + 7), beat * 4, 0.25, rate);
    }
    int degree = 4;
    for (int eighth = 0; eighth < eighths;) {
        const int length = random.Range(1, 3) == 1 ? 2 : 1;
        if (random.Range(0, 4) != 0) {
            degree = std::clamp(degree + random.Range(-2, 2), 0, 8);
            AddNote(buffer, at(eighth), MidiToHz(root + 12 + kScale[degree]), beat * (length + 1), 0.5, rate);
        }
        eighth += length;
    }
    Finish(buffer, 0.6f, rate, false);
    return buffer;
}

std::vector<float> SynthesizeMurmur(const std::string& name, double seconds, int rate)
{
    CPackRandom random(name);
    std::vector<float> samples(std::max<size_t>(1, static_cast<size_t>(seconds * rate)), 0.0f);
    const double basePitch = 110.0 + random.Range(0, 90);
    biquad_data first;
    biquad_data second;
    double phase = 0.0;
    size_t position = static_cast<size_t>(0.02 * rate);
    while (position < samples.size()) {
        const size_t length = static_cast<size_t>((0.10 + 0.14 * random.Unit()) * rate);
        const double* vowel = kVowels[random.Range(0, 5)];
        first.BandPass(vowel[0], 5.0, rate);
        second.BandPass(vowel[1], 9.0, rate);
        const double pitch = basePitch * (0.85 + 0.3 * random.Unit());
        const double glide = (random.Unit() - 0.6) * 0.25;
        const size_t hiss = random.Range(0, 2) == 0 ? static_cast<size_t>(0.03 * rate) : 0;
        for (size_t i = 0; i < length && position + i < samples.size(); i++) {
            const double t = static_cast<double>(i) / length;
            const double envelope = std::sin(3.141592653589793 * t);
            const double buzz = phase / kTwoPi * 2.0 - 1.0;
            double source = buzz;
            if (i < hiss) {
                source = random.Unit() * 2.0 - 1.0;
            }
            const double voiced = first.Run(source) + 0.6 * second.Run(source);
            samples[position + i] = static_cast<float>(envelope * voiced);
            phase += kTwoPi * pitch * (1.0 + glide * t) / rate;
            if (phase > kTwoPi) {
                phase -= kTwoPi;
            }
        }
        position += length + static_cast<size_t>((random.Range(0, 5) == 0 ? 0.18 : 0.04) * rate);
    }
    Finish(samples, 0.5f, rate, true);
    return samples;
}

bool EncodeOggVorbis(const std::vector<float>& samples, int rate, float quality, uint32_t serial,
                     std::string& out)
{
    out.clear();
    vorbis_info info;
    vorbis_info_init(&info);
    if (vorbis_encode_init_vbr(&info, 1, rate, quality) != 0) {
        vorbis_info_clear(&info);
        return false;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, static_cast<int>(serial & 0x7fffffff));

    ogg_page page;
    auto writePage = [&]() {
        out.append(reinterpret_cast<const char*>(page.header), static_cast<size_t>(page.header_len));
        out.append(reinterpret_cast<const char*>(page.body), static_cast<size_t>(page.body_len));
    };
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    while (ogg_stream_flush(&stream, &page) != 0) {
        writePage();
    }

    auto drain = [&]() {
        ogg_packet packet;
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    writePage();
                }
            }
        }
    };
    const size_t chunk = 4096;
    for (size_t done = 0; done < samples.size(); done += chunk) {
        const size_t count = std::min(chunk, samples.size() - done);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        std::copy(samples.begin() + done, samples.begin() + done + count, buffer[0]);
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page) != 0) {
        writePage();
    }

    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return !out.empty();
}

bool MakeSound(const pack_entry_data& entry, std::string& out)
{
    const uint32_t serial = static_cast<uint32_t>(CPackRandom::HashName(entry.name));
    switch (entry.kind) {
    case PackKind::Sound:
        return EncodeOggVorbis(SynthesizeTone(entry.name, entry.hz, entry.ms, kPackSampleRate), kPackSampleRate,
                               0.1f, serial, out);
    case PackKind::Music:
        return EncodeOggVorbis(SynthesizeMelody(entry.name, entry.seconds, kPackSampleRate), kPackSampleRate, 0.2f,
                               serial, out);
    case PackKind::Voice:
        return EncodeOggVorbis(SynthesizeMurmur(entry.name, entry.seconds, kPackSampleRate), kPackSampleRate, 0.1f,
                               serial, out);
    default:
        return false;
    }
}
