#include "CProfileTestFixture.h"

#include "ChildProcess.h"

#include <climits>
#include <functional>
#include <tuple>

class CProfileStore : public ProfileFixture {};

TEST_F(CProfileStore, RoundTripsEveryStoredTypeThroughItsFileWithTheFormatsTagAndWidth)
{
    CProfile* profile = Open();
    profile->SetValue<int>(10, INT_MIN);
    profile->SetValue<unsigned int>(1, 0xFFFFFFFFu);
    profile->SetValue<long>(50, -123456789L);
    profile->SetValue<long>(33, 0x01020304L);
    profile->SetValue<bool>(38, true);
    profile->SetValue<float>(43, -0.5f);
    profile->SetValue<stand_in_game_data>(14, {4242});
    profile->SetVectorValue<stand_in_task_item>(5, {{3, 1}, {8, -2}});
    stand_in_person_data first, second;
    for (int i = 0; i < 632; i++) {
        first.bytes[i] = static_cast<char>(i);
        second.bytes[i] = static_cast<char>(255 - i);
    }
    profile->SetVectorValue<stand_in_person_data>(4, {first, second});
    profile->SetVectorValue<stand_in_task_item>(500, {});
    profile->Save();

    const StoredBlock block = ParseProfile(ReadUserFile("PROFILE1v8.DAT"));
    const std::tuple<int, const char*, size_t> scalars[] = {
        {7, "b", 1}, {10, "i", 4}, {1, "j", 4}, {14, "9game_data", 4}, {43, "f", 4}, {33, "l", 4},
    };
    for (const auto& [key, tag, width] : scalars) {
        EXPECT_EQ(block.scalars.at(key).tag, tag) << key;
        EXPECT_EQ(block.scalars.at(key).bytes.size(), width) << key;
    }
    EXPECT_EQ(block.scalars.at(33).bytes, std::string("\x04\x03\x02\x01", 4));
    EXPECT_EQ(block.vectors.at(4).tag, "11person_data");
    EXPECT_EQ(block.vectors.at(4).elementSize, 632);
    EXPECT_EQ(block.vectors.at(4).bytes.size(), 2u * 632);
    EXPECT_EQ(block.vectors.at(500).elementSize, 8);
    EXPECT_TRUE(block.vectors.at(500).bytes.empty());

    profile = Reopen();
    EXPECT_EQ(profile->GetValue<int>(10), INT_MIN);
    EXPECT_EQ(profile->GetValue<unsigned int>(1), 0xFFFFFFFFu);
    EXPECT_EQ(profile->GetValue<long>(50), -123456789L);
    EXPECT_TRUE(profile->GetValue<bool>(38));
    EXPECT_EQ(profile->GetValue<float>(43), -0.5f);
    EXPECT_EQ(profile->GetValue<stand_in_game_data>(14).lastId, 4242);
    const auto tasks = profile->GetVectorValue<stand_in_task_item>(5);
    ASSERT_EQ(tasks.size(), 2u);
    EXPECT_EQ(tasks[1].task, 8);
    EXPECT_EQ(tasks[1].priority, -2);
    const auto people = profile->GetVectorValue<stand_in_person_data>(4);
    ASSERT_EQ(people.size(), 2u);
    EXPECT_EQ(memcmp(people[0].bytes, first.bytes, 632), 0);
    EXPECT_EQ(memcmp(people[1].bytes, second.bytes, 632), 0);
    EXPECT_TRUE(profile->GetVectorValue<stand_in_task_item>(500).empty());
}

TEST_F(CProfileStore, KeepsScalarAndVectorKeysApartAndReplacesValuesOfTheSameType)
{
    CProfile* profile = Open();
    profile->SetValue<int>(600, 1);
    profile->SetVectorValue<stand_in_task_item>(600, {{5, 6}});
    profile->SetValue<int>(600, 2);
    profile->SetValue<bool>(601, true);
    profile->SetValue<bool>(601, false);
    EXPECT_EQ(profile->GetValue<int>(600), 2);
    EXPECT_FALSE(profile->GetValue<bool>(601));
    ASSERT_EQ(profile->GetVectorValue<stand_in_task_item>(600).size(), 1u);
    EXPECT_EQ(profile->GetVectorValue<stand_in_task_item>(600)[0].priority, 6);
}

struct FatalCase {
    const char* what;
    std::function<void(CProfile&)> misuse;
    const char* message;
};

TEST_F(CProfileStore, EndsTheProgramOnEveryTypeError)
{
    const FatalCase cases[] = {
        {"scalar never set", [](CProfile& p) { p.GetValue<int>(900); },
         "A profile property was read before its value was set!"},
        {"int read as bool", [](CProfile& p) { p.SetValue<int>(900, 1); p.GetValue<bool>(900); },
         "A profile property was requested but its data type does not match the request type!"},
        {"a default read as another type", [](CProfile& p) { p.GetValue<int>(7); },
         "A profile property was requested but its data type does not match the request type!"},
        {"bool then int", [](CProfile& p) { p.SetValue<bool>(900, true); p.SetValue<int>(900, 1); },
         "A profile property was 'set' with two different data types!"},
        {"vector never set", [](CProfile& p) { p.GetVectorValue<stand_in_task_item>(900); },
         "A profile vector property was read before its value was set!"},
        {"vector read as another record",
         [](CProfile& p) {
             p.SetVectorValue<stand_in_task_item>(900, {});
             p.GetVectorValue<stand_in_person_data>(900);
         },
         "A profile vector property was requested but its data type does not match the request type!"},
        {"vector set as two records",
         [](CProfile& p) {
             p.SetVectorValue<stand_in_task_item>(900, {});
             p.SetVectorValue<stand_in_person_data>(900, {});
         },
         "A profile vector property was 'set' with two different data types!"},
        {"a second store", [](CProfile&) { new CProfile(); }, "Profile initialized twice!"},
    };
    for (const FatalCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::remove("LOG.TXT");
        const ChildResult result = RunInChild([&] { c.misuse(*Open()); });
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.output.find(std::string("ERROR!  ") + c.message), std::string::npos) << result.output;
        EXPECT_NE(folder.Read("LOG.TXT").find(c.message), std::string::npos);
        // Nothing is saved on the way out.
        EXPECT_FALSE(Exists("PROFILE1v8.DAT"));
        EXPECT_FALSE(Exists("PALMORAv8.DAT"));
    }
}
