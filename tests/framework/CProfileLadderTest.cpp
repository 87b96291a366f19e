#include "CProfileTestFixture.h"

#include "ChildProcess.h"

#include <sys/time.h>

#include <algorithm>
#include <climits>
#include <csignal>
#include <cstdio>
#include <random>
#include <sstream>
#include <tuple>

namespace {

// Profiles told apart by the value of key 60.
std::string MarkedProfile(int marker)
{
    return ProfileFile({ScalarRecord(60, "i", Int32(marker))},
                       {VectorRecord(5, 8, "9task_item", std::string(16, 'x'))});
}

std::string Flipped(std::string file, size_t at)
{
    file[at] = static_cast<char>(file[at] ^ 0x10);
    return file;
}

std::string FloatBytes(float value)
{
    std::string bytes(4, '\0');
    memcpy(&bytes[0], &value, 4);
    return bytes;
}

// A checksum-valid profile whose properties block is the given bytes.
std::string WithBlock(const std::string& block)
{
    return WithChecksum(Int32(0) + std::string(512, '\0') + block);
}

const int kNoVectors = 0;

struct Damage {
    const char* what;
    std::string file;
};

std::vector<Damage> DamagedProfiles()
{
    const std::string good = MarkedProfile(2);
    const std::string marker = ScalarRecord(60, "i", Int32(2));
    // Only a file whose structure cannot be read; values of a wrong type in
    // a file that reads are mended where they stand.
    return {
        {"a byte changed after the checksum", Flipped(good, good.size() - 5)},
        {"empty", ""},
        {"shorter than its checksum", good.substr(0, 3)},
        {"too short for its counts", WithChecksum(Int32(0) + "abc")},
        {"a count promising more records", WithBlock(Int32(5) + marker + Int32(kNoVectors))},
        {"a count near the largest int", WithBlock(Int32(INT_MAX) + marker + Int32(kNoVectors))},
        {"a negative count", WithBlock(Int32(-1) + Int32(kNoVectors))},
        {"a value length promising more bytes",
         WithBlock(Int32(1) + Int32(60) + Int32(1000) + Int32(1) + "i" + Int32(2) + Int32(kNoVectors))},
        {"a negative value length",
         WithBlock(Int32(1) + Int32(60) + Int32(-4) + Int32(1) + "i" + Int32(2) + Int32(kNoVectors))},
        {"a negative tag length",
         WithBlock(Int32(1) + Int32(60) + Int32(4) + Int32(-1) + "i" + Int32(2) + Int32(kNoVectors))},
        {"bytes after the block", WithChecksum(good + "tail")},
        {"vector data promising more bytes",
         WithBlock(Int32(1) + marker + Int32(1) + Int32(5) + Int32(8) + Int32(800) + Int32(10) + "9task_item")},
        {"a vector count promising more records", WithBlock(Int32(1) + marker + Int32(3))},
    };
}

std::vector<Damage> DamagedHeaders()
{
    const std::string good = HeaderFile(0, {{0, "A"}});
    const std::string record = Int32(0) + std::string(64, '\0');
    return {
        {"a byte changed", Flipped(good, 20)},
        {"shorter than its counts", good.substr(0, 11)},
        {"a count promising more records", WithChecksum(Int32(0) + Int32(0) + Int32(3) + record)},
        {"a negative count", WithChecksum(Int32(0) + Int32(0) + Int32(-1))},
        {"a negative active id", WithChecksum(Int32(0) + Int32(-5) + Int32(1) + record)},
        {"an active id naming no file", WithChecksum(Int32(0) + Int32(INT_MAX) + Int32(1) + record)},
        {"a negative profile id", WithChecksum(Int32(0) + Int32(0) + Int32(1) + Int32(-3) + std::string(64, 'n'))},
        {"bytes after the records", WithChecksum(good + "x")},
    };
}

}  // namespace

class CProfileLadder : public ProfileFixture {
protected:
    // An empty string leaves that file missing.
    void PrepareProfiles(const std::string& main, const std::string& saved, const std::string& loaded)
    {
        const std::pair<const char*, const std::string*> files[] = {
            {"PROFILE1v8.DAT", &main}, {"PROFILE1v8.DAT.BAKS", &saved}, {"PROFILE1v8.DAT.BAKL", &loaded}};
        for (const auto& [name, bytes] : files) {
            RemoveUserFile(name);
            if (!bytes->empty()) {
                WriteUserFile(name, *bytes);
            }
        }
    }
};

TEST_F(CProfileLadder, ADamagedProfileFallsToItsBaksAndCopiesItToBakl)
{
    const std::string backup = MarkedProfile(1);
    for (const Damage& damage : DamagedProfiles()) {
        SCOPED_TRACE(damage.what);
        WriteUserFile("PROFILE1v8.DAT", damage.file);
        WriteUserFile("PROFILE1v8.DAT.BAKS", backup);
        RemoveUserFile("PROFILE1v8.DAT.BAKL");
        std::remove("LOG.TXT");
        CProfile* profile = Open();
        EXPECT_EQ(profile->GetValue<int>(60), 1);
        EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAKL"), backup);
        const std::string logged = "Damaged profile file: " + UserFile("PROFILE1v8.DAT");
        EXPECT_NE(folder.Read("LOG.TXT").find(logged), std::string::npos);
        delete profile;
    }
}

TEST_F(CProfileLadder, WalksEveryRungBeforeStartingANewProfile)
{
    const std::string damaged = Flipped(MarkedProfile(9), 530);
    struct Case {
        const char* what;
        std::string main, saved, loaded;
        int marker;  // 0: a new profile
    };
    const Case cases[] = {
        {"main good", MarkedProfile(2), MarkedProfile(1), MarkedProfile(3), 2},
        {"main missing", "", MarkedProfile(1), MarkedProfile(3), 1},
        {"main and .BAKS damaged", damaged, damaged, MarkedProfile(3), 3},
        {"main and .BAKS missing", "", "", MarkedProfile(3), 3},
        {"every rung damaged", damaged, damaged, damaged, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrepareProfiles(c.main, c.saved, c.loaded);
        CProfile* profile = Open();
        EXPECT_EQ(profile->GetValue<int>(60), c.marker);
        EXPECT_EQ(profile->GetValue<int>(51), 7);
        if (c.marker == 3) {
            // A file loaded from ".BAKL" is copied nowhere.
            EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT"), c.main);
            EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAKS"), c.saved);
        }
        delete profile;
    }
}

TEST_F(CProfileLadder, ADamagedHeaderFallsToItsBaksAndStillLoadsTheMainProfile)
{
    const std::string backup = HeaderFile(2, {{0, "A"}, {2, "B"}});
    for (const Damage& damage : DamagedHeaders()) {
        SCOPED_TRACE(damage.what);
        WriteUserFile("PALMORAv8.DAT", damage.file);
        WriteUserFile("PALMORAv8.DAT.BAKS", backup);
        RemoveUserFile("PALMORAv8.DAT.BAKL");
        WriteUserFile("PROFILE3v8.DAT", MarkedProfile(4));
        WriteUserFile("PROFILE3v8.DAT.BAKS", MarkedProfile(5));
        CProfile* profile = Open();
        EXPECT_EQ(profile->GetNumProfiles(), 2);
        EXPECT_STREQ(profile->GetActiveProfileName(), "B");
        EXPECT_EQ(profile->GetValue<int>(60), 4);
        EXPECT_EQ(ReadUserFile("PALMORAv8.DAT.BAKL"), backup);
        delete profile;
    }
}

// A child saves in a loop and is killed by a timer at a random moment; the
// next start must find the last completed save or the one after it.
TEST_F(CProfileLadder, AKilledSaveLeavesTheLastOrThePreviousSave)
{
    std::mt19937 random(4711);
    int lastCompleted = 0;  // 0: no save has completed yet
    int savesCompleted = 0;
    for (int round = 0; round < 36; round++) {
        const int delayMicroseconds = static_cast<int>(random() % 12000);
        const ChildResult result = RunInChild([&] {
            signal(SIGALRM, SIG_DFL);
            CProfile* profile = Open();
            int value = profile->GetValue<int>(60);
            printf("loaded %d\n", value);
            fflush(stdout);
            profile->SetVectorValue<stand_in_person_data>(4, std::vector<stand_in_person_data>(300));
            itimerval timer = {};
            timer.it_value.tv_usec = delayMicroseconds;
            setitimer(ITIMER_REAL, &timer, nullptr);
            for (;;) {
                profile->SetValue<int>(60, ++value);
                profile->SaveHeader();
                printf("saved %d\n", value);
                fflush(stdout);
            }
        });
        ASSERT_EQ(result.exitCode, -1) << result.output;
        std::istringstream lines(result.output);
        std::string word;
        int value;
        bool first = true;
        while (lines >> word >> value) {
            if (first && word == "loaded") {
                SCOPED_TRACE(round);
                if (lastCompleted == 0) {
                    EXPECT_LE(value, 1);
                } else {
                    // The kill may have come after a save but before its report.
                    EXPECT_TRUE(value == lastCompleted || value == lastCompleted + 1) << value;
                }
                // What was loaded is a completed save, reported or not.
                lastCompleted = value;
            }
            first = false;
            if (word == "saved") {
                lastCompleted = value;
                savesCompleted++;
            }
        }
    }
    // The timer must have struck while saves were under way.
    EXPECT_GT(savesCompleted, 0);
    EXPECT_GT(lastCompleted, 0);
}

namespace {

// A profile with a game under way, told apart by key 60. complete: every key
// its island needs; seed: key 1.
std::string GameProfile(int marker, bool complete, unsigned int seed = 7)
{
    std::vector<std::string> scalars = {ScalarRecord(1, "j", Int32(static_cast<int>(seed))),
                                        ScalarRecord(31, "b", std::string(1, '\1')),
                                        ScalarRecord(60, "i", Int32(marker)),
                                        ScalarRecord(22, "f", FloatBytes(2.0f))};
    for (int key : {11, 12, 13, 16, 17, 18, 34, 35}) {
        scalars.push_back(ScalarRecord(key, "i", Int32(1)));
    }
    if (complete) {
        scalars.push_back(ScalarRecord(14, "9game_data", Int32(1)));
    }
    std::sort(scalars.begin(), scalars.end());
    const std::pair<int, StoredType> islandVectors[] = {
        {2, {"9tree_data", 32}},     {3, {"9rock_data", 32}},       {4, {"11person_data", 632}},
        {5, {"9task_item", 8}},      {6, {"13building_data", 56}},  {8, {"7fi_data", 12}},
        {9, {"11flower_data", 28}},  {15, {"10craft_data", 28}},    {19, {"7ti_data", 16}},
        {30, {"14tombstone_data", 144}}, {39, {"10craft_data", 28}},
    };
    std::vector<std::string> vectors;
    for (const auto& [key, type] : islandVectors) {
        vectors.push_back(VectorRecord(key, type.width, type.tag, ""));
    }
    return ProfileFile(scalars, vectors);
}

}  // namespace

// A file that verifies but holds a game the island cannot be made from fails
// like a damaged one; when no rung has a game that loads, the first verified
// rung loads with its game left as it was, for the chooser to report, so
// nothing of the player is lost. A copy from before the game began holds no
// game to give way to: the chooser must tell of the lost one.
TEST_F(CProfileLadder, ARungWhoseGameCannotLoadGivesWayToAnOlderSaveOrKeepsTheGameForTheChooser)
{
    const std::string broken = GameProfile(1, false);
    const std::string seedless = GameProfile(2, true, 0);
    const std::string noGame = MarkedProfile(3);
    struct Case {
        const char* what;
        std::string main, saved, loaded;
        int marker;
        bool underWay;
        bool copiedToBakl;
    };
    const Case cases[] = {
        {"a key missing, .BAKS without a game", broken, noGame, "", 1, true, false},
        {"seed 0, .BAKL without a game", seedless, "", noGame, 2, true, false},
        {"no rung loads its game", broken, seedless, "", 1, true, false},
        {"no rung verifies", Flipped(broken, 600), "", "", 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrepareProfiles(c.main, c.saved, c.loaded);
        RemoveUserFile("PROFILE1v8.DAT.BAD1");
        CProfile* profile = Open();
        EXPECT_EQ(profile->GetValue<int>(60), c.marker);
        EXPECT_EQ(profile->GetValue<bool>(31), c.underWay);
        EXPECT_EQ(profile->SavedGameComplete(), !c.underWay);
        EXPECT_EQ(Exists("PROFILE1v8.DAT.BAKL"), c.copiedToBakl || !c.loaded.empty());
        EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAD1"), c.main) << "the damaged file is kept beside";
        if (c.marker == 1) {
            EXPECT_EQ(CController::GetMouseMultiplier(), 2.0f) << "its settings are applied";
        }
        delete profile;
    }
}

// Values a verified file holds that no control or play could store.
TEST_F(CProfileLadder, SettingsAndCountersComeBackInsideTheRangesTheGameOffers)
{
    struct Case {
        int key;
        float stored, loaded;  // int keys hold whole numbers
    };
    const Case floats[] = {{20, -1.0f, 0.0f}, {21, 7.0f, 1.0f},  {22, 0.0f, 0.15f},
                           {22, 1e30f, 3.0f}, {76, 0.7f, 0.5f}, {76, -5.0f, 0.0f}};
    for (const Case& c : floats) {
        SCOPED_TRACE(c.key);
        PrepareProfiles(ProfileFile({ScalarRecord(c.key, "f", FloatBytes(c.stored))}, {}), "", "");
        CProfile* profile = Open();
        EXPECT_EQ(profile->GetValue<float>(c.key), c.loaded);
        delete profile;
    }
    const std::tuple<int, int, int> ints[] = {
        {32, -4, 22000}, {27, 9, 2}, {34, INT_MAX, 999}, {36, INT_MIN, 0}, {60, INT_MAX, INT_MAX}};
    for (const auto& [key, stored, loaded] : ints) {
        SCOPED_TRACE(key);
        PrepareProfiles(ProfileFile({ScalarRecord(key, "i", Int32(stored))}, {}), "", "");
        CProfile* profile = Open();
        EXPECT_EQ(profile->GetValue<int>(key), loaded);
        delete profile;
    }
    // Relative mode at speed 0 froze the pointer for good.
    const std::string relative = std::string(1, '\0');
    PrepareProfiles(ProfileFile({ScalarRecord(22, "f", FloatBytes(0.0f)), ScalarRecord(23, "b", relative)}, {}), "",
                    "");
    delete Open();
    EXPECT_EQ(CController::GetMouseMultiplier(), 0.15f);
}
