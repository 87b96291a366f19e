#include "ResourceArchive.h"

#include "ChildProcess.h"
#include "TempFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

std::string Word(uint32_t value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; i++) {
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xff);
    }
    return bytes;
}

std::string Archive(const std::vector<std::pair<std::string, std::string>>& entries)
{
    std::string body;
    std::string table = Word(static_cast<uint32_t>(entries.size()));
    uint32_t offset = 4 + 4 * static_cast<uint32_t>(entries.size());
    for (const auto& entry : entries) {
        table += Word(offset);
        std::string one = Word(static_cast<uint32_t>(entry.second.size())) +
                          Word(static_cast<uint32_t>(entry.first.size())) + entry.first + entry.second;
        body += one;
        offset += static_cast<uint32_t>(one.size());
    }
    return table + body;
}

using testing::HasSubstr;

std::string Fetch(const TempFolder& folder, const char* name)
{
    int size = -1;
    char* data = GetBufferFromResource(folder.File("a.dat").c_str(), name, &size);
    std::string result(data, static_cast<size_t>(size));
    delete[] data;
    return result;
}

void ExpectFatal(const TempFolder& folder, const char* name, const char* message)
{
    ChildResult result = RunInChild([&] { Fetch(folder, name); });
    EXPECT_EQ(result.exitCode, 1) << name;
    EXPECT_THAT(result.output, HasSubstr(message)) << name;
}

}  // namespace

TEST(ResourceArchive, ReturnsTheFirstEntryWithTheExactName)
{
    TempFolder folder;
    folder.Write("a.dat", Archive({{"pointerA0.png", "first"}, {"Pointera0.png", "case"},
                                   {"pointerA0.png", "second"}, {"empty.ogg", ""}}));
    EXPECT_EQ(Fetch(folder, "pointerA0.png"), "first");
    EXPECT_EQ(Fetch(folder, "Pointera0.png"), "case");
    EXPECT_EQ(Fetch(folder, "empty.ogg"), "");
}

TEST(ResourceArchive, MissingNamesAndArchivesAreFatal)
{
    TempFolder folder;
    folder.Write("a.dat", Archive({{"pointerA0.png", "x"}}));
    ExpectFatal(folder, "pointera0.png", "Unable to find file within resource: pointera0.png");
    ExpectFatal(folder, "pointerA0", "Unable to find file");

    folder.Write("a.dat", Archive({}));
    ExpectFatal(folder, "anything", "Unable to find file");

    std::remove(folder.File("a.dat").c_str());
    ExpectFatal(folder, "anything", "Cannot load resource file.");
}

TEST(ResourceArchive, DamagedArchivesAreFatalWithoutReadingPastTheEnd)
{
    TempFolder folder;
    const std::string good = Archive({{"a.png", "0123456789"}});

    const std::vector<std::string> damaged = {
        "",                                    // no count at all
        Word(1000000),                         // count promises a table the file lacks
        Word(1) + Word(4000),                  // offset past the end
        good.substr(0, good.size() - 3),       // data cut short
        Word(1) + Word(8) + Word(0xfffffff0) + Word(5) + "a.png",  // size wraps past the end
    };
    for (const std::string& bytes : damaged) {
        folder.Write("a.dat", bytes);
        ExpectFatal(folder, "a.png", "Cannot load resource file.");
    }
}
