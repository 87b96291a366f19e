// The manifest's limits, each taken at its edge and refused one past it: the
// words a directive takes, picture sizes, ranges, and the destinations whose
// names may not meet.
#include "PackManifest.h"

#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

using testing::HasSubstr;

namespace {

const std::string kFont = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

struct line_case {
    std::string line;
    const char* refusal;  // null when the line is taken
};

void ExpectTakenOrRefused(const line_case& c)
{
    std::vector<pack_entry_data> entries;
    std::string error;
    const bool taken = ParseManifestLine(c.line, "x.manifest:3", ".", entries, error);
    if (c.refusal) {
        EXPECT_FALSE(taken) << c.line;
        EXPECT_THAT(error, HasSubstr(c.refusal)) << c.line;
        EXPECT_TRUE(entries.empty()) << c.line;
    } else {
        EXPECT_TRUE(taken) << c.line << ": " << error;
        EXPECT_FALSE(entries.empty()) << c.line;
    }
}

// The folder's one manifest holds text; the error of reading it, empty when
// it reads.
std::string ReadError(const TempFolder& folder, const std::string& text)
{
    std::filesystem::create_directories(folder.File("manifest"));
    folder.Write("manifest/a.manifest", text);
    pack_manifest_data manifest;
    std::string error;
    ReadManifestFolder(folder.File("manifest"), manifest, error);
    return error;
}

}  // namespace

// A word more than a directive takes would be dropped without a word, the
// picture or sound built other than the line says.
TEST(PackManifest, EachDirectiveTakesItsWordsAndRefusesOneMore)
{
    const line_case cases[] = {
        {"sound a.ogg 440 250", nullptr},
        {"sound a.ogg 440 250 loud", "HZ must be"},
        {"music a.dat 5", nullptr},
        {"music a.dat 5 6", "SECONDS"},
        {"voice a.dat 5", nullptr},
        {"voice a.dat 5 6", "SECONDS"},
        {"font a.ttf " + kFont, nullptr},
        {"font a.ttf " + kFont + " bold", "a font line has a name and a path"},
        {"figures male_stand_skin0_SE.png 40 60", nullptr},
        {"figures male_stand_skin0_SE.png 40 60 7", "a pattern, then width and height"},
        {"file a.dat 4 4 png", nullptr},
        {"file a.dat 4 4", "TYPE must be jpg or png"},
    };
    for (const line_case& c : cases) {
        ExpectTakenOrRefused(c);
    }
}

TEST(PackManifest, PictureSizesAndRangesAreTakenUpToTheirEdgesAndNoFurther)
{
    const line_case cases[] = {
        {"figures male_stand_skin0_SE.png 1 8192", nullptr},
        {"figures male_stand_skin0_SE.png 8192 1", nullptr},
        {"figures male_stand_skin0_SE.png 0 60", "width and height"},
        {"figures male_stand_skin0_SE.png 40 0", "width and height"},
        {"figures male_stand_skin0_SE.png 8193 60", "width and height"},
        {"figures male_stand_skin0_SE.png 40 8193", "width and height"},
        {"file a.dat 8192 1 jpg", nullptr},
        {"file a.dat 1 8193 jpg", "width and height"},
        {"image a{99999999..99999999}.png 4 4", nullptr},
        {"image a{99999999..100000000}.png 4 4", "is not {A..B} with whole numbers"},
        {"image a{100000000..100000000}.png 4 4", "is not {A..B} with whole numbers"},
        {"image a{1..100000}.png 4 4", nullptr},  // a hundred thousand names
        {"image a{0..100000}.png 4 4", "is too long"},
    };
    for (const line_case& c : cases) {
        ExpectTakenOrRefused(c);
    }
}

// Every archive, music/, voice/ and the folder itself are a destination of
// their own: one name may go to each once, and a loose file may not take the
// name of one the builder writes.
TEST(PackManifest, EachDestinationTakesANameOnceAndTheBuildersOwnFilesAreRefused)
{
    TempFolder folder;
    const std::string lines[] = {
        "image a.png 4 4\n", "sound a.png\n", "font a.png " + kFont + "\n",
        "music a.png\n",     "voice a.png\n", "file a.png 4 4 png\n",
    };
    const char* const destinations[] = {"resource.dat", "resource2.dat", "resource3.dat",
                                        "music/",       "voice/",        "the resource folder"};
    std::string everyOnce;
    for (const std::string& line : lines) {
        everyOnce += line;
    }
    EXPECT_EQ(ReadError(folder, everyOnce), "");

    for (size_t i = 0; i < std::size(lines); i++) {
        EXPECT_THAT(ReadError(folder, everyOnce + lines[i]),
                    HasSubstr(":7: 'a.png' is already in " + std::string(destinations[i]) + " from "))
            << lines[i];
    }

    for (const char* reserved : {"resource.dat", "resource2.dat", "resource3.dat", "strings.dat", "music", "voice"}) {
        EXPECT_THAT(ReadError(folder, std::string("file ") + reserved + " 4 4 png\n"),
                    HasSubstr(std::string(":1: '") + reserved + "' is written by the builder itself"));
    }
    EXPECT_EQ(ReadError(folder, "file voices 4 4 png\nfile music.png 4 4 png\n"), "");
}
