// Numbers too long for an int are refused, not wrapped round into range: a
// size, a rate or a range bound of ten digits would otherwise come back as a
// small number the line never said.
#include "PackManifest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

using testing::HasSubstr;

TEST(PackManifest, NumbersPastTheIntRangeAreRefusedNotWrappedIntoRange)
{
    const struct {
        const char* line;
        const char* refusal;  // null when the line is taken
    } cases[] = {
        {"image a.png 000000004 4", nullptr},  // nine digits, the longest taken
        {"image a.png 4294967300 4", "width and height"},
        {"image a.png 4 4294967297", "width and height"},
        {"file a.dat 4294967297 4 png", "width and height"},
        {"sound a.ogg 4294967736", "HZ must be"},
        {"sound a.ogg 440 4294967297", "HZ must be"},
        {"figures male_stand_skin0_SE.png 4294967336 60", "width and height"},
        {"image a{4294967296..4294967297}.png 4 4", "is not {A..B} with whole numbers"},
    };
    for (const auto& c : cases) {
        std::vector<pack_entry_data> entries;
        std::string error;
        const bool taken = ParseManifestLine(c.line, "x.manifest:1", ".", entries, error);
        if (c.refusal) {
            EXPECT_FALSE(taken) << c.line;
            EXPECT_THAT(error, HasSubstr(c.refusal)) << c.line;
        } else {
            ASSERT_TRUE(taken) << c.line << ": " << error;
            EXPECT_EQ(entries.at(0).width, 4);
        }
    }
}
