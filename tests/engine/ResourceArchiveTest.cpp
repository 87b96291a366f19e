#include "ResourceArchive.h"

#include "ArchiveBytes.h"
#include "ChildProcess.h"
#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

using testing::HasSubstr;

std::string Fetch(const TempFolder& folder, const char* name)
{
    int size = -1;
    char* data = GetBufferFromResource(folder.File("a.dat").c_str(), name, &size);
    std::string result(data, static_cast<size_t>(size));
    delete[] data;
    return result;
}

}  // namespace

TEST(ResourceArchive, ReturnsTheFirstEntryWithTheExactName)
{
    TempFolder folder;
    folder.Write("a.dat", ArchiveBytes({{"pointerA0.png", "first"}, {"Pointera0.png", "case"},
                                        {"pointerA0.png", "second"}, {"empty.ogg", ""}}));
    EXPECT_EQ(Fetch(folder, "pointerA0.png"), "first");
    EXPECT_EQ(Fetch(folder, "Pointera0.png"), "case");
    EXPECT_EQ(Fetch(folder, "empty.ogg"), "");
}

TEST(ResourceArchive, MissingNamesAndMissingOrDamagedArchivesAreFatalWithoutReadingPastTheEnd)
{
    TempFolder folder;
    const std::string good = ArchiveBytes({{"a.png", "0123456789"}});
    // A damaged entry ahead of the one asked for: its size runs past the end.
    std::string damagedAhead = ArchiveBytes({{"b.png", "xy"}, {"a.png", "0123456789"}});
    damagedAhead.replace(12, 4, Word32(0x7fffff00));
    const struct {
        const char* bytes;  // null: no archive
        size_t size;
        const char* message;
        const char* name = "a.png";
    } cases[] = {
        {good.data(), good.size(), "Unable to find file within resource: A.png", "A.png"},
        {good.data(), good.size(), "Unable to find file within resource: a.pn", "a.pn"},
        {"\0\0\0\0", 4, "Unable to find file within resource: a.png"},
        {nullptr, 0, "Cannot load resource file."},
        {"", 0, "Cannot load resource file."},
        {"\x40\x42\x0f\0", 4, "Cannot load resource file."},              // a table the file lacks
        {"\1\0\0\0\xa0\x0f\0\0", 8, "Cannot load resource file."},      // an offset past the end
        {good.data(), good.size() - 3, "Cannot load resource file."},       // data cut short
        {"\1\0\0\0\x08\0\0\0\xf0\xff\xff\xff\5\0\0\0a.png", 21,  // a size wrapping past the end
         "Cannot load resource file."},
        {damagedAhead.data(), damagedAhead.size(), "Cannot load resource file."},
    };
    for (const auto& c : cases) {
        std::remove(folder.File("a.dat").c_str());
        if (c.bytes) {
            folder.Write("a.dat", std::string(c.bytes, c.size));
        }
        ChildResult result = RunInChild([&] { Fetch(folder, c.name); });
        EXPECT_EQ(result.exitCode, 1) << c.message;
        EXPECT_THAT(result.output, HasSubstr(c.message)) << c.size;
    }
}
