// Profile files that read but hold damaged values, duplicated keys, lost
// headers and repeated damage: one bad value never costs the player the rest
// of the profile, and nothing that was kept beside the files is overwritten.
#include "CProfileTestFixture.h"
#include "TestBytes.h"

#include <cmath>
#include <limits>

namespace {

std::string FloatBytes(float value)
{
    std::string bytes(4, '\0');
    memcpy(&bytes[0], &value, 4);
    return bytes;
}

const std::string kTrue(1, '\1');

// A saved game under way with every key its island needs; vectors of the
// island are empty but present.
std::vector<std::string> GameScalars(unsigned int seed)
{
    std::vector<std::string> scalars = {ScalarRecord(1, "j", Int32(static_cast<int>(seed))),
                                        ScalarRecord(14, "9game_data", Int32(1)), ScalarRecord(31, "b", kTrue),
                                        ScalarRecord(52, "i", Int32(5)), ScalarRecord(65, "i", Int32(0x41)),
                                        ScalarRecord(22, "f", FloatBytes(2.0f))};
    for (int key : {11, 12, 13, 16, 17, 18, 34, 35}) {
        scalars.push_back(ScalarRecord(key, "i", Int32(1)));
    }
    return scalars;
}

std::vector<std::string> GameVectors(const std::string& peopleTag = "11person_data", int peopleSize = 632)
{
    const std::pair<int, StoredType> islandVectors[] = {
        {2, {"9tree_data", 32}},      {3, {"9rock_data", 32}},          {5, {"9task_item", 8}},
        {6, {"13building_data", 56}}, {8, {"7fi_data", 12}},            {9, {"11flower_data", 28}},
        {15, {"10craft_data", 28}},   {19, {"7ti_data", 16}},           {30, {"14tombstone_data", 144}},
        {39, {"10craft_data", 28}},
    };
    std::vector<std::string> vectors = {VectorRecord(4, peopleSize, peopleTag, std::string(2 * peopleSize, 'p'))};
    for (const auto& [key, type] : islandVectors) {
        vectors.push_back(VectorRecord(key, type.width, type.tag, ""));
    }
    return vectors;
}

// The reserved block of a profile as this game writes it.
std::string Identity(const std::string& name, bool deleted)
{
    std::string block(512, '\0');
    block.replace(0, 8, std::string("PLMRID1\0", 8));
    block[8] = deleted ? 1 : 0;
    block.replace(16, name.size(), name);
    return block;
}

std::string NamedProfile(const std::string& name, bool deleted, int lastPlay, int marker)
{
    return ProfileFile({ScalarRecord(33, "l", Int32(lastPlay)), ScalarRecord(60, "i", Int32(marker))}, {},
                       Identity(name, deleted));
}

}  // namespace

class CProfileDamage : public ProfileFixture {
protected:
    std::string Log() const { return folder.Read("LOG.TXT"); }
    bool Logged(const std::string& line) const { return Log().find(line) != std::string::npos; }
};

// Each value is mended where it stands: the file is the one loaded, not its
// backup, and the log names the key with what it held.
TEST_F(CProfileDamage, AValueOfTheWrongTypeTakesItsDefaultAndTheRestOfTheFileLoads)
{
    struct Case {
        const char* what;
        std::string record;
        bool vector;
        std::string logged;
        std::function<void(CProfile&)> check;
    };
    const Case cases[] = {
        {"a volume that is not a number", ScalarRecord(20, "f", FloatBytes(NAN)), false,
         "Profile key 20 held nan as \"f\"; it takes its default",
         [](CProfile& p) { EXPECT_EQ(p.GetValue<float>(20), 1.0f); }},
        {"an infinite catch-up factor", ScalarRecord(76, "f", FloatBytes(INFINITY)), false,
         "Profile key 76 held inf as \"f\"; it takes its default",
         [](CProfile& p) { EXPECT_EQ(p.GetValue<float>(76), 1.0f); }},
        {"a setting under another type", ScalarRecord(22, "i", Int32(3)), false,
         "Profile key 22 held 3 as \"i\"; it takes its default",
         [](CProfile& p) { EXPECT_EQ(p.GetValue<float>(22), 1.0f); }},
        {"a setting under an unknown tag", ScalarRecord(7, "zz", std::string(1, '\0')), false,
         "Profile key 7 held 1 byte 00 as \"zz\"; it takes its default",
         [](CProfile& p) { EXPECT_TRUE(p.GetValue<bool>(7)); }},
        {"a flag of four bytes", ScalarRecord(38, "b", Int32(1)), false,
         "Profile key 38 held 4 bytes 01000000 as \"b\"; it takes its default",
         [](CProfile& p) { EXPECT_FALSE(p.GetValue<bool>(38)); }},
        {"a counter of two bytes", ScalarRecord(61, "i", std::string("\x02\x00", 2)), false,
         "Profile key 61 held 2 bytes 0200 as \"i\"; it takes its default",
         [](CProfile& p) { EXPECT_EQ(p.GetValue<int>(61), 0); }},
        {"an island key without a default under another type", ScalarRecord(46, "i", Int32(9)), false,
         "Profile key 46 held 9 as \"i\"; it was left out", [](CProfile& p) { EXPECT_FALSE(p.HasValue(46)); }},
        {"a key the game does not know, of no known type", ScalarRecord(900, "x", Int32(2)), false,
         "Profile key 900 held 4 bytes 02000000 as \"x\"; it was left out",
         [](CProfile& p) { EXPECT_FALSE(p.HasValue(900)); }},
        {"records the game does not know", VectorRecord(900, 8, "9fake_data", std::string(8, 'x')), true,
         "Profile vector key 900 held 8 bytes of \"9fake_data\" records of 8 bytes each; they were left out",
         [](CProfile&) {}},
        {"records of size 0", VectorRecord(5, 0, "9task_item", ""), true,
         "Profile vector key 5 held 0 bytes of \"9task_item\" records of 0 bytes each; they were left out",
         [](CProfile&) {}},
        {"data that is not whole records", VectorRecord(5, 8, "9task_item", std::string(12, 'x')), true,
         "Profile vector key 5 held 12 bytes of \"9task_item\" records of 8 bytes each; they were left out",
         [](CProfile&) {}},
    };
    const std::string backup = ProfileFile({ScalarRecord(60, "i", Int32(1))}, {});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> scalars = {ScalarRecord(60, "i", Int32(2)), ScalarRecord(65, "i", Int32(0x41))};
        std::vector<std::string> vectors;
        (c.vector ? vectors : scalars).push_back(c.record);
        WriteUserFile("PROFILE1v8.DAT", ProfileFile(scalars, vectors));
        WriteUserFile("PROFILE1v8.DAT.BAKS", backup);
        std::remove("LOG.TXT");
        CProfile* profile = Open();
        EXPECT_EQ(profile->GetValue<int>(60), 2) << "the file itself loads, not its backup";
        EXPECT_EQ(profile->GetValue<int>(65), 0x41);
        c.check(*profile);
        EXPECT_TRUE(Logged(c.logged + " in " + UserFile("PROFILE1v8.DAT"))) << Log();
        // What was mended is saved as mended and reads without a word.
        profile = Reopen();
        EXPECT_EQ(profile->GetValue<int>(60), 2);
        std::remove("LOG.TXT");
        delete profile;
        profile = Open();
        EXPECT_FALSE(Logged(" held ")) << Log();
        delete profile;
    }
}

// The game is all that goes: it stays under way for the chooser to report,
// and settings, trophies and counters load as they were.
TEST_F(CProfileDamage, IslandRecordsOfTheWrongTypeLoseOnlyTheGame)
{
    for (const bool sameInBackup : {false, true}) {
        SCOPED_TRACE(sameInBackup ? "the backup holds the same damage" : "no backup");
        const std::string damaged = ProfileFile(GameScalars(7), GameVectors("13building_data", 56));
        WriteUserFile("PROFILE1v8.DAT", damaged);
        RemoveUserFile("PROFILE1v8.DAT.BAKS");
        RemoveUserFile("PROFILE1v8.DAT.BAD1");
        if (sameInBackup) {
            WriteUserFile("PROFILE1v8.DAT.BAKS", damaged);
        }
        std::remove("LOG.TXT");
        CProfile* profile = Open();
        EXPECT_TRUE(profile->GetValue<bool>(31));
        EXPECT_FALSE(profile->SavedGameComplete());
        EXPECT_EQ(profile->GetValue<unsigned int>(1), 7u);
        EXPECT_EQ(profile->GetValue<int>(52), 5);
        EXPECT_EQ(profile->GetValue<int>(65), 0x41);
        EXPECT_EQ(CController::GetMouseMultiplier(), 2.0f);
        EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAD1"), damaged);
        EXPECT_TRUE(Logged("Profile vector key 4 held 112 bytes of \"13building_data\" records of 56 bytes each; "
                           "they were left out"));
        delete profile;
    }
}

TEST_F(CProfileDamage, AKeyStoredTwiceKeepsItsFirstRecordAndLogsTheLaterOne)
{
    // The empty copy of the band first: the band is lost, but not silently.
    const std::string band(632, 'p');
    std::string block = Int32(2) + ScalarRecord(60, "i", Int32(1)) + ScalarRecord(60, "i", Int32(2));
    block += Int32(2) + VectorRecord(4, 632, "11person_data", "") + VectorRecord(4, 632, "11person_data", band);
    WriteUserFile("PROFILE1v8.DAT", WithChecksum(Int32(0) + std::string(512, '\0') + block));
    CProfile* profile = Open();
    EXPECT_EQ(profile->GetValue<int>(60), 1);
    EXPECT_TRUE(profile->GetVectorValue<stand_in_person_data>(4).empty());
    const std::string in = " in " + UserFile("PROFILE1v8.DAT");
    EXPECT_TRUE(Logged("Profile key 60 was stored twice; the later record was left out" + in));
    EXPECT_TRUE(Logged("Profile vector key 4 was stored twice; the later record was left out" + in));
}

// With the header lost in every copy, each player keeps their own file under
// their own name, and the one who played last is the one who continues.
TEST_F(CProfileDamage, AHeaderLostInEveryCopyIsMadeAgainFromTheProfileFiles)
{
    WriteUserFile("PALMORAv8.DAT", "damaged");
    WriteUserFile("PALMORAv8.DAT.BAKS", "damaged too");
    WriteUserFile("PROFILE1v8.DAT", NamedProfile("Ana", false, 1000, 1));
    WriteUserFile("PROFILE3v8.DAT", NamedProfile("Bo", false, 3000, 3));
    WriteUserFile("PROFILE4v8.DAT", NamedProfile("Cy", true, 9000, 4));
    // An older file without a name, whose main file is damaged.
    WriteUserFile("PROFILE6v8.DAT", "damaged");
    WriteUserFile("PROFILE6v8.DAT.BAKS", ProfileFile({ScalarRecord(60, "i", Int32(6))}, {}));
    WriteUserFile("PROFILE7v8.DAT", "damaged in every copy");
    WriteUserFile("PROFILE07v8.DAT", NamedProfile("not ours", false, 9999, 7));
    WriteUserFile("PROFILE8v8.DAT.BAD1", NamedProfile("a kept damage", false, 9999, 8));

    CProfile* profile = Open();
    ASSERT_EQ(profile->GetNumProfiles(), 3);
    EXPECT_STREQ(profile->GetProfileNameAbsolute(0), "Ana");
    EXPECT_STREQ(profile->GetProfileNameAbsolute(1), "Bo");
    EXPECT_STREQ(profile->GetProfileNameAbsolute(2), "PLAYER 6");
    EXPECT_STREQ(profile->GetActiveProfileName(), "Bo");
    EXPECT_EQ(profile->GetValue<int>(60), 3);
    EXPECT_TRUE(Logged("it was made again from the profile files: 3"));

    // The rebuilt list is saved, and the unnamed profile takes its name on.
    profile->LoadProfileAbsolute(2);
    EXPECT_EQ(profile->GetValue<int>(60), 6);
    profile = Reopen();
    EXPECT_EQ(ReadUserFile("PALMORAv8.DAT"), HeaderFile(5, {{0, "Ana"}, {2, "Bo"}, {5, "PLAYER 6"}}));
    EXPECT_EQ(ReadUserFile("PROFILE6v8.DAT").substr(4 + 16, 9), std::string("PLAYER 6\0", 9));
}

TEST_F(CProfileDamage, DeletedAndRenamedProfilesStayThatWayInARebuiltHeader)
{
    CProfile* profile = Open();
    profile->SetActiveProfileName("Ana");
    profile->SetValue<long>(33, 500);
    profile->AddProfile("Bo");
    profile->SetValue<long>(33, 700);
    profile->AddProfile("Cy");
    profile->SetValue<long>(33, 900);
    profile->SaveHeader();
    profile->LoadProfileAbsolute(1);
    profile->SetActiveProfileName("Bea");
    // The latest played is deleted: of those left, Bea played last.
    profile->DeleteProfileAbsolute(2);
    profile->SaveHeader();
    delete profile;

    for (const char* suffix : {"", ".BAKS", ".BAKL"}) {
        RemoveUserFile(std::string("PALMORAv8.DAT") + suffix);
    }
    profile = Open();
    ASSERT_EQ(profile->GetNumProfiles(), 2);
    EXPECT_STREQ(profile->GetProfileNameAbsolute(0), "Ana");
    EXPECT_STREQ(profile->GetProfileNameAbsolute(1), "Bea");
    EXPECT_STREQ(profile->GetActiveProfileName(), "Bea");
    EXPECT_EQ(profile->GetValue<long>(33), 700);
    EXPECT_TRUE(Exists("PROFILE4v8.DAT")) << "a deleted profile's files stay on disk";
}

// A profile no copy of which reads is named in the log, counted once for the
// player to be told, and never written over: neither by the next player
// added nor by the new first player when no profile reads at all.
TEST_F(CProfileDamage, AProfileARebuiltHeaderLeavesOffKeepsItsFilesUntouched)
{
    const std::string cutShort = ReadBytes(PALMORA_SOURCE_DIR "/tests/fuzz/corpus/game/profile-cut-short.DAT");
    const auto leftOff = [this](const std::string& file) {
        return Logged("A profile file could not be read; its profile is left off the list: " + UserFile(file));
    };
    WriteUserFile("PROFILE1v8.DAT", NamedProfile("Ana", false, 1000, 1));
    WriteUserFile("PROFILE4v8.DAT", cutShort);
    WriteUserFile("PROFILE4v8.DAT.BAKL", "damaged");
    // A profile read from its backup is listed, with its main file named.
    WriteUserFile("PROFILE5v8.DAT", "damaged");
    WriteUserFile("PROFILE5v8.DAT.BAKS", NamedProfile("Cy", false, 500, 5));
    CProfile* profile = Open();
    ASSERT_EQ(profile->GetNumProfiles(), 2);
    EXPECT_STREQ(profile->GetProfileNameAbsolute(0), "Ana");
    EXPECT_STREQ(profile->GetProfileNameAbsolute(1), "Cy");
    EXPECT_TRUE(leftOff("PROFILE4v8.DAT")) << Log();
    EXPECT_TRUE(leftOff("PROFILE4v8.DAT.BAKL")) << Log();
    EXPECT_TRUE(Logged("A profile file could not be read; an older copy of it was read instead: " +
                       UserFile("PROFILE5v8.DAT")));
    EXPECT_EQ(profile->TakeProfilesLeftOff(), 1);
    EXPECT_EQ(profile->TakeProfilesLeftOff(), 0) << "the player is told once";

    // Two listed, so the next id would be 3: the left-off profile's.
    profile->AddProfile("Bo");
    profile = Reopen();
    EXPECT_EQ(ReadUserFile("PALMORAv8.DAT"), HeaderFile(5, {{0, "Ana"}, {4, "Cy"}, {5, "Bo"}}));
    EXPECT_EQ(profile->TakeProfilesLeftOff(), 0) << "the saved list is not made again";
    delete profile;
    EXPECT_TRUE(ReadUserFile("PROFILE4v8.DAT") == cutShort) << "the left-off profile's file is untouched";
    EXPECT_EQ(ReadUserFile("PROFILE4v8.DAT.BAKL"), "damaged");
    for (const char* kept : {"PROFILE4v8.DAT.BAKS", "PROFILE4v8.DAT.BAD1", "PROFILE4v8.DAT.BAKL.BAD1"}) {
        EXPECT_FALSE(Exists(kept)) << kept;
    }

    // With no profile that reads, the new first player takes files of its own.
    std::filesystem::remove_all(UserFile(""));
    std::filesystem::create_directories(UserFile(""));
    WriteUserFile("PROFILE1v8.DAT", cutShort);
    profile = Open();
    ASSERT_EQ(profile->GetNumProfiles(), 1);
    EXPECT_STREQ(profile->GetActiveProfileName(), "PLAYER 1");
    EXPECT_EQ(profile->TakeProfilesLeftOff(), 1);
    profile = Reopen();
    delete profile;
    EXPECT_TRUE(ReadUserFile("PROFILE1v8.DAT") == cutShort) << "the left-off profile's file is untouched";
    EXPECT_TRUE(Exists("PROFILE2v8.DAT"));
    EXPECT_FALSE(Exists("PROFILE1v8.DAT.BAD1"));
}

TEST_F(CProfileDamage, EachDamageIsKeptBesideItsFileTheOldestGoingFirst)
{
    const auto damage = [](int n) { return "damage " + std::to_string(n); };
    const std::string good = ProfileFile({ScalarRecord(60, "i", Int32(1))}, {});
    // Two copies removed by hand leave gaps that close up.
    WriteUserFile("PROFILE1v8.DAT.BAD2", damage(0));
    for (int n = 1; n <= 7; n++) {
        WriteUserFile("PROFILE1v8.DAT", damage(n));
        WriteUserFile("PROFILE1v8.DAT.BAKS", good);
        WriteUserFile("PALMORAv8.DAT", damage(n));
        WriteUserFile("PALMORAv8.DAT.BAKS", HeaderFile(0, {{0, "A"}}));
        delete Open();
        // The same damage found again is not kept twice.
        WriteUserFile("PROFILE1v8.DAT", damage(n));
        delete Open();
    }
    for (const char* file : {"PROFILE1v8.DAT", "PALMORAv8.DAT"}) {
        SCOPED_TRACE(file);
        // Eight damages of the profile (the one left in slot 2 among them)
        // and seven of the header: the last five of each stay.
        const int oldest = 3;
        for (int slot = 1; slot <= CProfile::DAMAGED_COPIES; slot++) {
            EXPECT_EQ(ReadUserFile(std::string(file) + ".BAD" + std::to_string(slot)), damage(oldest + slot - 1));
        }
        EXPECT_FALSE(Exists(std::string(file) + ".BAD6"));
    }
}

// A lost game is saved again on every visit to the menus: one copy of it is
// kept, however often the player comes back to it, and a second lost game
// gets its own.
TEST_F(CProfileDamage, ALostGameIsKeptOnceHoweverOftenItIsLoaded)
{
    WriteUserFile("PROFILE1v8.DAT", ProfileFile(GameScalars(0), GameVectors()));
    CProfile* profile = Open();
    EXPECT_FALSE(profile->SavedGameComplete());
    profile->KeepLostGame();
    for (int visit = 0; visit < 3; visit++) {
        profile->SetValue<int>(60, visit);
        profile = Reopen();
        profile->KeepLostGame();
    }
    EXPECT_TRUE(Exists("PROFILE1v8.DAT.BAD1"));
    EXPECT_FALSE(Exists("PROFILE1v8.DAT.BAD2"));

    // A game whose seed makes no island is complete in the store; the chooser
    // finds it out and has it kept.
    profile->SetValue<unsigned int>(1, 12345u);
    profile->KeepLostGame();
    profile->KeepLostGame();
    ASSERT_TRUE(Exists("PROFILE1v8.DAT.BAD2"));
    EXPECT_FALSE(Exists("PROFILE1v8.DAT.BAD3"));
    EXPECT_EQ(ParseProfile(ReadUserFile("PROFILE1v8.DAT.BAD2")).scalars.at(1).bytes, Int32(12345));
}
