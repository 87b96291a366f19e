// The wave format chunk at the edge of its length: sixteen bytes hold every
// field the decoder reads, so one byte fewer is a damaged file even when the
// chunk's pad byte happens to stand where the last field would.
#include "SoundDecoding.h"

#include "SoundFixtures.h"

#include <gtest/gtest.h>

using namespace fixtures;

namespace {

// The fixture's wave with its format chunk declared `size` bytes long: 15 ends
// it before the high byte of the sample width, whose 0 then serves as the pad;
// 18 adds the extension-size field that many writers put there.
std::string WaveWithFormatOf(uint32_t size)
{
    std::string wave = Wave({100, 200, 300}, 1, 8000);
    constexpr size_t kFormatSize = 16, kFormatEnd = 36;
    if (size > 16) {
        wave.insert(kFormatEnd, std::string(size - 16, '\0'));
        wave.replace(4, 4, Word32(static_cast<uint32_t>(wave.size() - 8)));
    }
    wave.replace(kFormatSize, 4, Word32(size));
    return wave;
}

}  // namespace

TEST(DecodeSoundFromMemory, AFormatChunkOneByteShortOfWholeIsDamagedAndAWholeOneOrLongerPlays)
{
    const struct {
        uint32_t size;
        SoundResult expected;
    } cases[] = {{15, SOUND_ERR_FILE_BAD}, {16, SOUND_OK}, {18, SOUND_OK}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "a format chunk of " << c.size << " bytes");
        const std::string wave = WaveWithFormatOf(c.size);
        decoded_sound out;
        EXPECT_EQ(DecodeSoundFromMemory(wave.data(), static_cast<int>(wave.size()), out), c.expected);
        EXPECT_EQ(out.samples, c.expected == SOUND_OK ? (std::vector<int16_t>{100, 200, 300})
                                                      : std::vector<int16_t>{});
    }
}
