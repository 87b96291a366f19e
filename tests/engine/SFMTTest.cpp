#include "SFMT.h"
#include "TestBytes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <sstream>
#include <string>

// The generator authors' published output (see data/README.md): a block of
// 1000 outputs after each marker line.
TEST(SFMT, MatchesTheReferenceOutputsAfterSeedingWithANumberOrAKey)
{
    const std::string text = ReadBytes(PALMORA_SOURCE_DIR "/tests/engine/data/sfmt19937-reference.txt");
    const uint32_t key[] = {0x1234, 0x5678, 0x9abc, 0xdef0};
    SFMT byNumber(1234), byKey;
    byKey.InitByArray(key, 4);
    for (auto [marker, generator] : {std::pair{"init_gen_rand__________", &byNumber},
                                     std::pair{"init_by_array__________", &byKey}}) {
        const size_t start = text.find(marker);
        ASSERT_NE(start, std::string::npos) << "reference data missing";
        std::istringstream numbers(text.substr(start + strlen(marker)));
        unsigned long expected = 0;
        for (int i = 0; i < 1000; i++) {
            ASSERT_TRUE(numbers >> expected) << marker;
            ASSERT_EQ(generator->GenRand32(), expected) << marker << " output " << i;
        }
    }
    // Seeding again restarts the sequence.
    const uint32_t first = SFMT(77).GenRand32();
    byNumber.InitGenRand(77);
    EXPECT_EQ(byNumber.GenRand32(), first);
}
