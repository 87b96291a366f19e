#include "SoundDecoding.h"

#include "SoundFixtures.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace fixtures;

namespace {

SoundResult Decode(const std::string& bytes, decoded_sound& out)
{
    return DecodeSoundFromMemory(bytes.data(), static_cast<int>(bytes.size()), out);
}

// Root mean square over interleaved samples.
double Rms(const std::vector<int16_t>& samples, size_t first, size_t count)
{
    double sum = 0.0;
    for (size_t i = first; i < first + count && i < samples.size(); i++) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    return std::sqrt(sum / static_cast<double>(count));
}

}  // namespace

TEST(DecodeSoundFromMemory, ReadsWavePcmInEitherWidthAndLayout)
{
    const std::vector<int16_t> ramp = {-32768, -256, 0, 256, 1024, 32512};
    struct Case {
        int channels;
        int bits;
    } cases[] = {{1, 16}, {2, 16}, {1, 8}, {2, 8}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.channels << " channels, " << c.bits << " bits");
        decoded_sound out;
        ASSERT_EQ(Decode(Wave(ramp, c.channels, 22050, c.bits), out), SOUND_OK);
        EXPECT_EQ(out.channels, c.channels);
        EXPECT_EQ(out.rate, 22050);
        // Eight-bit samples keep their top byte only.
        const int frames = static_cast<int>(ramp.size()) / c.channels;
        ASSERT_EQ(out.samples.size(), static_cast<size_t>(frames * c.channels));
        for (size_t i = 0; i < out.samples.size(); i++) {
            const int expected = c.bits == 16 ? ramp[i] : (ramp[i] >> 8) * 256;
            EXPECT_EQ(out.samples[i], expected) << "sample " << i;
        }
    }
}

TEST(DecodeSoundFromMemory, SkipsUnknownChunksAndTheirPadding)
{
    std::string wave = Wave({100, 200, 300}, 1, 8000);
    // An odd-sized chunk between "fmt " and "data" is padded to even length.
    wave.insert(36, "LIST" + Word32(3) + std::string("abc\0", 4));
    decoded_sound out;
    ASSERT_EQ(Decode(wave, out), SOUND_OK);
    EXPECT_EQ(out.samples, (std::vector<int16_t>{100, 200, 300}));
}

TEST(DecodeSoundFromMemory, DecodesOggVorbisCloseToTheOriginal)
{
    for (int channels : {1, 2}) {
        SCOPED_TRACE(channels);
        const std::vector<int16_t> tone = Sine(11025, channels, 44100, 440.0f, 12000.0f);
        decoded_sound out;
        ASSERT_EQ(Decode(Ogg(tone, channels, 44100), out), SOUND_OK);
        EXPECT_EQ(out.channels, channels);
        EXPECT_EQ(out.rate, 44100);
        EXPECT_EQ(out.samples.size(), tone.size());
        // Lossy, but the level of a plain tone survives within a few percent.
        const size_t middle = tone.size() / 4;
        EXPECT_NEAR(Rms(out.samples, middle, 4000), Rms(tone, middle, 4000), 0.05 * Rms(tone, middle, 4000));
    }
}

TEST(DecodeSoundFromMemory, RefusesWhatItCannotPlay)
{
    std::string compressed = Wave({1, 2, 3, 4}, 1, 8000);
    compressed[20] = 2;  // format tag 2, not plain PCM
    std::string threeChannels = Wave({1, 2, 3}, 1, 8000);
    threeChannels[22] = 3;
    const std::string dataBeforeFormat = "RIFF....WAVEdata" + Word32(2) + "xx";
    std::string truncatedWave = Wave(Constant(100, 1, 5), 1, 8000);
    truncatedWave.resize(truncatedWave.size() - 10);
    const std::string ogg = Ogg(Sine(4410, 1, 44100, 440.0f, 8000.0f), 1, 44100);
    ASSERT_EQ(ogg[26], 1) << "the identification header is one segment";
    const size_t firstPage = 27 + 1 + static_cast<unsigned char>(ogg[27]);
    // A whole first page that holds no Vorbis.
    std::string notVorbis = ogg.substr(0, firstPage);
    notVorbis.replace(29, 6, "opusxx");
    std::string zeroRate = Wave({1, 2}, 1, 8000);
    zeroRate[24] = zeroRate[25] = 0;

    struct Case {
        const char* what;
        std::string bytes;
        SoundResult expected;
    } cases[] = {
        {"empty", "", SOUND_ERR_FORMAT},
        {"text", "just some text, not a sound", SOUND_ERR_FORMAT},
        {"compressed wave", compressed, SOUND_ERR_FORMAT},
        {"three channels", threeChannels, SOUND_ERR_FORMAT},
        {"data before format", dataBeforeFormat, SOUND_ERR_FILE_BAD},
        {"data chunk past the end", truncatedWave, SOUND_ERR_FILE_BAD},
        {"Ogg cut to its capture pattern", ogg.substr(0, 5), SOUND_ERR_FILE_BAD},
        {"Ogg cut inside its first page", ogg.substr(0, firstPage - 1), SOUND_ERR_FILE_BAD},
        {"Ogg cut inside its later headers", ogg.substr(0, firstPage + 30), SOUND_ERR_FILE_BAD},
        {"another codec in Ogg", notVorbis, SOUND_ERR_FORMAT},
        {"zero rate", zeroRate, SOUND_ERR_FILE_BAD},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        decoded_sound out;
        out.channels = 9;
        EXPECT_EQ(Decode(c.bytes, out), c.expected);
        EXPECT_TRUE(out.samples.empty());
        EXPECT_EQ(out.channels, 0);
    }
}
