// The archive writer's bytes: the count, the offset table and each entry laid
// out as the game's reader takes them, and an archive walked whole, as the
// image and sound stores walk theirs at start-up, holds exactly its entries.
#include "PackArchive.h"

#include "CArchiveReader.h"
#include "TempFolder.h"
#include "TestBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(PackArchive, LaysOutTheCountTheOffsetsAndEachEntryInTurn)
{
    std::string bytes;
    ASSERT_TRUE(EncodeArchive({{"a", "xy"}, {"bc", ""}}, bytes));
    const std::string expected = Word32(2) + Word32(12) + Word32(23) +  // count, then where each entry starts
                                 Word32(2) + Word32(1) + "a" + "xy" +   // data size, name length, name, data
                                 Word32(0) + Word32(2) + "bc";
    EXPECT_EQ(bytes, expected);

    ASSERT_TRUE(EncodeArchive({}, bytes));
    EXPECT_EQ(bytes, Word32(0));
}

TEST(PackArchive, TheGamesReaderWalksEveryEntryToTheArchivesEnd)
{
    // Sizes that need more than one byte of their words, and an empty entry.
    const pack_archive_data entries = {{"first.png", std::string(300, 'p')},
                                       {"empty.ogg", ""},
                                       {"fonts_are_long_named.ttf", std::string(70000, '\xff')},
                                       {"z", "last"}};
    TempFolder folder;
    for (size_t count = 0; count <= entries.size(); count++) {
        const pack_archive_data some(entries.begin(), entries.begin() + static_cast<long>(count));
        SCOPED_TRACE(count);
        std::string bytes;
        ASSERT_TRUE(EncodeArchive(some, bytes));
        const std::string path = folder.File(std::to_string(count) + ".dat");
        folder.Write(std::to_string(count) + ".dat", bytes);

        CArchiveReader reader(path.c_str());
        ASSERT_TRUE(reader.TableIntact());
        ASSERT_EQ(reader.Count(), static_cast<int>(count));
        size_t end = 4 + 4 * count;
        for (size_t i = 0; i < count; i++) {
            std::string name;
            uint32_t size = 0;
            ASSERT_TRUE(reader.ReadEntry(static_cast<int>(i), name, size)) << i;
            EXPECT_EQ(name, some[i].first);
            ASSERT_EQ(size, some[i].second.size());
            std::vector<char> data(size + 1);
            ASSERT_TRUE(reader.ReadData(data.data()));
            EXPECT_EQ(std::string(data.data(), size), some[i].second);
            end += 8 + name.size() + size;
        }
        EXPECT_EQ(end, bytes.size()) << "nothing after the last entry";
    }
}
