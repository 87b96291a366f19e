#include "SFMT.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The reference file holds two blocks of 1000 outputs, each after a marker line.
std::vector<uint32_t> ReferenceBlock(const std::string& marker)
{
    std::ifstream in(PALMORA_TESTDATA_DIR "/sfmt19937-reference.txt");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    size_t start = text.find(marker);
    EXPECT_NE(start, std::string::npos) << "reference data missing";
    std::istringstream numbers(text.substr(start + marker.size()));
    std::vector<uint32_t> values;
    unsigned long value;
    while (values.size() < 1000 && numbers >> value) {
        values.push_back(static_cast<uint32_t>(value));
    }
    return values;
}

}  // namespace

TEST(SFMT, MatchesTheReferenceOutputAfterSeedingWithANumber)
{
    std::vector<uint32_t> expected = ReferenceBlock("init_gen_rand__________");
    ASSERT_EQ(expected.size(), 1000u);
    SFMT generator(1234);
    for (size_t i = 0; i < expected.size(); i++) {
        ASSERT_EQ(generator.GenRand32(), expected[i]) << "output " << i;
    }
}

TEST(SFMT, MatchesTheReferenceOutputAfterSeedingWithAKey)
{
    std::vector<uint32_t> expected = ReferenceBlock("init_by_array__________");
    ASSERT_EQ(expected.size(), 1000u);
    const uint32_t key[] = {0x1234, 0x5678, 0x9abc, 0xdef0};
    SFMT generator;
    generator.InitByArray(key, 4);
    for (size_t i = 0; i < expected.size(); i++) {
        ASSERT_EQ(generator.GenRand32(), expected[i]) << "output " << i;
    }
}

TEST(SFMT, ReseedingRestartsTheSequence)
{
    SFMT generator(77);
    uint32_t first = generator.GenRand32();
    for (int i = 0; i < 700; i++) {
        generator.GenRand32();
    }
    generator.InitGenRand(77);
    EXPECT_EQ(generator.GenRand32(), first);
}
