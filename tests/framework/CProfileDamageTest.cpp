// Profile files that read but hold damaged values, duplicated keys, lost
// headers and repeated damage: one bad value never costs the player the rest
// of the profile, and nothing that was kept beside the files is overwritten.
#include "CProfileTestFixture.h"
#include "TestBytes.h"

#include <cmath>
#include <fstream>
#include <iterator>
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

// The records but those of key.
std::vector<std::string> Without(const std::vector<std::string>& records, int key)
{
    std::vector<std::string> kept;
    for (const std::string& record : records) {
        if (Int32At(record, 0) != key) {
            kept.push_back(record);
        }
    }
    return kept;
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

// The first record wins, and no play writes a key twice: the file is kept
// every time, and the player is told whenever a copy left out differs from
// the one kept, since it may be the one that held the game. Graves given up
// are told of by their own notice alone.
TEST_F(CProfileDamage, AKeyStoredMoreThanOnceKeepsItsFirstRecordAndTheFileAndTellsWhenTheCopiesDiffer)
{
    const std::string band(632, 'p');
    const std::string in = " in " + UserFile("PROFILE1v8.DAT");
    const std::string kFalse(1, '\0');
    const auto withFlags = [&](std::vector<std::string> flags) {
        std::vector<std::string> scalars = Without(GameScalars(7), 31);
        scalars.insert(scalars.end(), flags.begin(), flags.end());
        return scalars;
    };
    const auto withGraves = [](std::vector<std::string> graves) {
        std::vector<std::string> vectors = Without(GameVectors(), 30);
        vectors.insert(vectors.end(), graves.begin(), graves.end());
        return vectors;
    };
    struct Case {
        const char* what;
        std::vector<std::string> scalars, vectors;
        bool told;
        bool gravesGivenUp;
        std::string logged;
        std::function<void(CProfile&)> check;
    };
    const Case cases[] = {
        {"a counter twice, the same both times", {ScalarRecord(60, "i", Int32(1)), ScalarRecord(60, "i", Int32(1))},
         {}, false, false, "Profile key 60 was stored twice; the later record was left out",
         [](CProfile& p) { EXPECT_EQ(p.GetValue<int>(60), 1); }},
        {"a counter twice, the later copy another number",
         {ScalarRecord(60, "i", Int32(1)), ScalarRecord(60, "i", Int32(2))}, {}, true, false,
         "Profile key 60 was stored more than once and its copies differ: the first, 1 as \"i\", was kept and a "
         "later one, 2 as \"i\", left out",
         [](CProfile& p) { EXPECT_EQ(p.GetValue<int>(60), 1); }},
        {"the band twice, the full copy first", {},
         {VectorRecord(4, 632, "11person_data", band), VectorRecord(4, 632, "11person_data", "")}, true, false,
         "Profile vector key 4 was stored more than once and its copies differ: the first, 1 record, was kept and "
         "a later one, 0 records, left out",
         [](CProfile& p) { EXPECT_EQ(p.GetVectorValue<stand_in_person_data>(4).size(), 1u); }},
        {"the band twice, the empty copy first", {},
         {VectorRecord(4, 632, "11person_data", ""), VectorRecord(4, 632, "11person_data", band)}, true, false,
         "Profile vector key 4 was stored more than once and its copies differ: the first, 0 records, was kept and "
         "a later one, 1 record, left out",
         [](CProfile& p) { EXPECT_TRUE(p.GetVectorValue<stand_in_person_data>(4).empty()); }},
        {"a setting twice, the first unreadable",
         {ScalarRecord(22, "i", Int32(2)), ScalarRecord(22, "f", FloatBytes(2.0f))},
         {},
         true,
         false,
         "Profile key 22 was stored more than once and its copies differ: the first, 2 as \"i\", was kept and a "
         "later one, 2 as \"f\", left out",
         [](CProfile& p) { EXPECT_EQ(p.GetValue<float>(22), 1.0f) << "the first record, mended"; }},
        {"the game flag three times, false first, beside a saved seed and band",
         withFlags({ScalarRecord(31, "b", kFalse), ScalarRecord(31, "b", kTrue), ScalarRecord(31, "b", kTrue)}),
         GameVectors(), true, false,
         "Profile key 31 was stored more than once and its copies differ: the first, 0 as \"b\", was kept and a "
         "later one, 1 as \"b\", left out",
         [](CProfile& p) { EXPECT_FALSE(p.GetValue<bool>(31)) << "no game under way, as the first copy says"; }},
        {"the game flag three times, the last copy alone differing",
         withFlags({ScalarRecord(31, "b", kTrue), ScalarRecord(31, "b", kTrue), ScalarRecord(31, "b", kFalse)}),
         GameVectors(), true, false,
         "Profile key 31 was stored more than once and its copies differ: the first, 1 as \"b\", was kept and a "
         "later one, 0 as \"b\", left out",
         [](CProfile& p) { EXPECT_TRUE(p.GetValue<bool>(31)); }},
        {"the graves twice in a game under way, the first unreadable", GameScalars(7),
         withGraves({VectorRecord(30, 144, "9fake_data", std::string(144, 'g')),
                     VectorRecord(30, 144, "14tombstone_data", std::string(144, 'g'))}),
         false, true, "Saved graves could not be read and were given up: 1",
         [](CProfile& p) { EXPECT_TRUE(p.SavedGameComplete()); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const char* suffix : {".BAKS", ".BAKL", ".BAD1", ".BAD2"}) {
            RemoveUserFile(std::string("PROFILE1v8.DAT") + suffix);
        }
        const std::string file = ProfileFile(c.scalars, c.vectors);
        WriteUserFile("PROFILE1v8.DAT", file);
        std::remove("LOG.TXT");
        CProfile* profile = Open();
        c.check(*profile);
        EXPECT_TRUE(Logged(c.logged + in)) << Log();
        if (!c.told) {
            EXPECT_FALSE(Logged("copies differ")) << Log();
        }
        EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAD1"), file);
        EXPECT_EQ(profile->NoticeDue(CProfile::kCopiesDiffer), c.told);
        EXPECT_EQ(profile->NoticeDue(CProfile::kRecordsGivenUp), c.gravesGivenUp);
        // The notice waits in the file until the main menu has shown it; the
        // file saved holds each key once and is not kept again.
        profile = Reopen();
        EXPECT_EQ(profile->NoticeDue(CProfile::kCopiesDiffer), c.told);
        profile->NoticeShown(CProfile::kCopiesDiffer);
        profile = Reopen();
        EXPECT_FALSE(profile->NoticeDue(CProfile::kCopiesDiffer));
        EXPECT_FALSE(Exists("PROFILE1v8.DAT.BAD2"));
        delete profile;
    }
}

// The flag that a game is under way, damaged while the game it names is
// saved, says yes: a new island made over the saved one would lose it.
// A false flag stays false, unless a first game's screen saved the island
// and was cut off before it could close and set the flag; when that game's
// seed or band is gone, it is a game that cannot be made again, for the
// chooser to tell of, and not a new island's leftovers.
TEST_F(CProfileDamage, AGameWithItsSeedAndBandSavedIsUnderWayWhenItsFlagIsLostOrItsFirstVisitWasCutOff)
{
    const auto with = [](int key, const std::string& record) {
        std::vector<std::string> scalars = Without(GameScalars(7), key);
        scalars.push_back(record);
        return scalars;
    };
    std::string marked = Identity("Ana", false);
    marked[9] = 1;
    const std::vector<std::string> noFlag = Without(GameScalars(7), 31);
    const std::vector<std::string> flagFalse = with(31, ScalarRecord(31, "b", std::string(1, '\0')));
    const std::string saved = "; with the island's seed and band saved, the game counts as under way";
    const std::string lost = "A first game's screen saved its island and never closed, but its seed or band is "
                             "missing; the game counts as under way and cannot be made again";
    struct Case {
        const char* what;
        std::vector<std::string> scalars;
        bool band;
        std::string reserved;
        bool underWay;
        bool complete;
        std::string logged;  // empty: no line about key 31
    };
    const Case cases[] = {
        {"the flag missing", noFlag, true, Identity("Ana", false), true, true, "Profile key 31 was missing" + saved},
        {"the flag under another type", with(31, ScalarRecord(31, "i", Int32(5))), true, Identity("Ana", false), true,
         true, "Profile key 31 held 5 as \"i\"" + saved},
        {"the flag missing, the band too", noFlag, false, Identity("Ana", false), false, true, ""},
        {"the flag missing, the seed under another type", Without(with(1, ScalarRecord(1, "i", Int32(7))), 31), true,
         Identity("Ana", false), false, true, ""},
        {"the flag false, as a new game's reset leaves it", flagFalse, true, Identity("Ana", false), false, true, ""},
        {"the flag false in a file of another make", flagFalse, true, std::string(512, '\0'), false, true, ""},
        {"the flag false, the first game's island saved by its screen", flagFalse, true, marked, true, true,
         "Profile key 31 held false, but a first game's screen saved its island and never closed" + saved},
        {"the flag false, the first game's mark but no band", flagFalse, false, marked, true, false, lost},
        {"the flag false, the first game's mark but no seed", Without(flagFalse, 1), true, marked, true, false, lost},
        {"the flag missing, the first game's mark but no band", noFlag, false, marked, true, false, lost},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> vectors = GameVectors();
        if (!c.band) {
            vectors.erase(vectors.begin());
        }
        const std::string file = ProfileFile(c.scalars, vectors, c.reserved);
        WriteUserFile("PROFILE1v8.DAT", file);
        for (const char* suffix : {".BAKS", ".BAKL", ".BAD1"}) {
            RemoveUserFile(std::string("PROFILE1v8.DAT") + suffix);
        }
        std::remove("LOG.TXT");
        CProfile* profile = Open();
        EXPECT_EQ(profile->GetValue<bool>(31), c.underWay);
        EXPECT_EQ(profile->SavedGameComplete(), c.complete);
        EXPECT_EQ(profile->GetValue<int>(52), 5) << "the rest of the file loads";
        if (c.logged.empty()) {
            EXPECT_FALSE(Logged("Profile key 31")) << Log();
        } else {
            EXPECT_TRUE(Logged(c.logged + " in " + UserFile("PROFILE1v8.DAT"))) << Log();
        }
        if (c.complete) {
            EXPECT_FALSE(Exists("PROFILE1v8.DAT.BAD1"));
        } else {
            EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAD1"), file) << "the lost game is kept";
        }
        // The flag is saved as it now stands, and the mark has done its work.
        profile = Reopen();
        EXPECT_EQ(profile->GetValue<bool>(31), c.underWay);
        EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT")[4 + 9], c.reserved == marked && !c.underWay ? 1 : 0);
        delete profile;
    }
}

// Markers, flowers, saplings and graves are gone in ordinary play: when
// they cannot be read they go alone, and the island stays. Any other
// island record lost still loses the game.
TEST_F(CProfileDamage, RecordsPlayCanEmptyAreGivenUpAloneAndTheRestOfTheIslandStays)
{
    const auto replaced = [](int key, const std::string& record) {
        std::vector<std::string> vectors = Without(GameVectors(), key);
        if (!record.empty()) {
            vectors.push_back(record);
        }
        return vectors;
    };
    struct Case {
        const char* what;
        std::vector<std::string> vectors;
        bool underWay;
        bool complete;
        std::string logged;  // empty: nothing given up
    };
    const Case cases[] = {
        {"graves of an unknown type", replaced(30, VectorRecord(30, 144, "9fake_data", std::string(288, 'g'))), true,
         true, "Saved graves could not be read and were given up: 2"},
        {"no flower markers", replaced(8, ""), true, true,
         "Saved flower markers could not be read and were given up: none were saved"},
        {"no saplings, no game under way", replaced(19, ""), false, true, ""},
        {"rocks of an unknown type", replaced(3, VectorRecord(3, 32, "9fake_data", std::string(32, 'r'))), true,
         false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> scalars = GameScalars(7);
        if (!c.underWay) {
            scalars = Without(scalars, 31);
            scalars.push_back(ScalarRecord(31, "b", std::string(1, '\0')));
        }
        const std::string file = ProfileFile(scalars, c.vectors);
        WriteUserFile("PROFILE1v8.DAT", file);
        RemoveUserFile("PROFILE1v8.DAT.BAKS");
        RemoveUserFile("PROFILE1v8.DAT.BAKL");
        RemoveUserFile("PROFILE1v8.DAT.BAD1");
        std::remove("LOG.TXT");
        CProfile* profile = Open();
        EXPECT_EQ(profile->GetValue<bool>(31), c.underWay);
        EXPECT_EQ(profile->SavedGameComplete(), c.complete);
        EXPECT_EQ(profile->GetVectorValue<stand_in_person_data>(4).size(), 2u);
        const bool gaveUp = !c.logged.empty();
        EXPECT_EQ(profile->NoticeDue(CProfile::kRecordsGivenUp), gaveUp);
        EXPECT_EQ(Exists("PROFILE1v8.DAT.BAD1"), gaveUp || !c.complete);
        if (gaveUp) {
            EXPECT_TRUE(Logged(c.logged + " in " + UserFile("PROFILE1v8.DAT"))) << Log();
            EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAD1"), file);
        } else {
            EXPECT_FALSE(Logged("were given up")) << Log();
        }
        delete profile;
    }
}

// A negative element size is the damage of its record alone, as one of 0
// is: the record's frame still reads whole, so the file itself loads rather
// than a backup or a new profile. Records play can empty go with their
// notice; the band lost costs the game, for the chooser to tell of.
TEST_F(CProfileDamage, ARecordOfANegativeElementSizeCostsOnlyItsOwnKey)
{
    struct Case {
        int key;
        int size;
        bool complete;
        std::string logged;
    };
    const Case cases[] = {
        {8, -1, true, "Saved flower markers could not be read and were given up: 2"},
        {9, -28, true, "Saved flowers could not be read and were given up: 2"},
        {19, std::numeric_limits<int>::min(), true, "Saved saplings could not be read and were given up: 2"},
        {30, -144, true, "Saved graves could not be read and were given up: 2"},
        {4, -632, false,
         "Profile vector key 4 held 1264 bytes of \"11person_data\" records of -632 bytes each; they were left out"},
    };
    // An older copy from before the game: loaded in place of the file, it
    // would let a new island replace the game.
    std::vector<std::string> before = Without(GameScalars(9), 31);
    before.push_back(ScalarRecord(31, "b", std::string(1, '\0')));
    const std::string backup = ProfileFile(before, GameVectors());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        std::vector<std::string> vectors = GameVectors();
        for (std::string& record : vectors) {
            if (Int32At(record, 0) == c.key) {
                const std::string tag = record.substr(16, static_cast<size_t>(Int32At(record, 12)));
                record = VectorRecord(c.key, c.size, tag, std::string(2 * static_cast<size_t>(Int32At(record, 4)), 'r'));
            }
        }
        const std::string file = ProfileFile(GameScalars(7), vectors);
        WriteUserFile("PROFILE1v8.DAT", file);
        WriteUserFile("PROFILE1v8.DAT.BAKS", backup);
        RemoveUserFile("PROFILE1v8.DAT.BAKL");
        RemoveUserFile("PROFILE1v8.DAT.BAD1");
        std::remove("LOG.TXT");
        CProfile* profile = Open();
        EXPECT_EQ(profile->GetValue<unsigned int>(1), 7u) << "the file itself loads";
        EXPECT_TRUE(profile->GetValue<bool>(31));
        EXPECT_EQ(profile->SavedGameComplete(), c.complete);
        EXPECT_EQ(profile->NoticeDue(CProfile::kRecordsGivenUp), c.complete);
        EXPECT_TRUE(Logged(c.logged + " in " + UserFile("PROFILE1v8.DAT"))) << Log();
        EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAD1"), file);
        delete profile;
    }
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
    WriteUserFile("PROFILE02v8.DAT", NamedProfile("not ours either", false, 9999, 2));
    WriteUserFile("PROFILE8v8.DAT.BAD1", NamedProfile("a kept damage", false, 9999, 8));

    CProfile* profile = Open();
    ASSERT_EQ(profile->GetNumProfiles(), 3);
    EXPECT_STREQ(profile->GetProfileNameAbsolute(0), "Ana");
    EXPECT_STREQ(profile->GetProfileNameAbsolute(1), "Bo");
    EXPECT_STREQ(profile->GetProfileNameAbsolute(2), "PLAYER 6");
    EXPECT_STREQ(profile->GetActiveProfileName(), "Bo");
    EXPECT_EQ(profile->GetValue<int>(60), 3);
    EXPECT_TRUE(Logged("it was made again from the profile files: 3"));
    EXPECT_EQ(profile->TakeProfilesLeftOff(), 1) << "only the profile of PROFILE7v8.DAT";

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

// A listed profile none of whose files read starts again as a new one under
// its name: its files are kept as damaged copies and the player is owed one
// word, which a profile that reads from a backup, or that has no files at
// all, does not get.
TEST_F(CProfileDamage, AProfileUnreadableInEveryCopyStartsAgainAndIsToldOnceWithItsFilesKept)
{
    const std::string damaged = ReadBytes(PALMORA_SOURCE_DIR "/tests/fuzz/corpus/game/band-length-past-the-end.DAT");
    const std::string backup = ProfileFile({ScalarRecord(60, "i", Int32(6))}, {});
    const std::string lost = "No copy of the profile could be read; it starts again as a new one, its damaged files "
                             "kept beside it: " + UserFile("PROFILE1v8.DAT");
    struct Case {
        const char* what;
        std::map<std::string, std::string> files;  // by suffix
        bool told;
    };
    const Case cases[] = {
        {"every copy damaged", {{"", damaged}, {".BAKS", damaged}, {".BAKL", damaged}}, true},
        {"the only copy damaged", {{"", damaged}}, true},
        {"the main file and .BAKS damaged, .BAKL reads", {{"", damaged}, {".BAKS", damaged}, {".BAKL", backup}},
         false},
        {"no file at all", {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(UserFile(""));
        std::filesystem::create_directories(UserFile(""));
        WriteUserFile("PALMORAv8.DAT", HeaderFile(0, {{0, "Ana"}}));
        for (const auto& [suffix, bytes] : c.files) {
            WriteUserFile("PROFILE1v8.DAT" + suffix, bytes);
        }
        std::remove("LOG.TXT");
        CProfile* profile = Open();
        EXPECT_STREQ(profile->GetActiveProfileName(), "Ana");
        EXPECT_FALSE(profile->GetValue<bool>(31));
        EXPECT_EQ(profile->GetValue<int>(60), c.told || c.files.empty() ? 0 : 6);
        EXPECT_EQ(Logged(lost), c.told) << Log();
        EXPECT_EQ(profile->TakeProfileLost(), c.told);
        EXPECT_FALSE(profile->TakeProfileLost()) << "the player is told once";
        for (const auto& [suffix, bytes] : c.files) {
            EXPECT_EQ(Exists("PROFILE1v8.DAT" + suffix + ".BAD1"), bytes == damaged) << suffix;
        }

        // Saved as the new profile it became, it reads without a word; the
        // damaged copies stay.
        profile = Reopen();
        EXPECT_FALSE(profile->TakeProfileLost());
        delete profile;
        for (const auto& [suffix, bytes] : c.files) {
            if (bytes == damaged) {
                EXPECT_TRUE(ReadUserFile("PROFILE1v8.DAT" + suffix + ".BAD1") == damaged) << suffix;
            }
        }
    }
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

// The whole-game fuzz target's saves of games damaged outside the game, each
// loaded as the game would at a start: every one is a game under way, and
// those that lost a part owe the player its notice. The seed stored twice,
// its first copy unreadable, keeps that copy as any key does: the game is
// lost as one without a seed, and the chooser's notice tells of it.
TEST_F(CProfileDamage, TheFuzzCorpusDamagedGamesLoadAsGamesUnderWay)
{
    struct Case {
        const char* file;
        bool complete;
        bool copiesDiffer, recordsGivenUp;
    };
    const Case cases[] = {
        {"band-hut-marker-sapling-grave.DAT", true, false, false},
        {"game-flag-missing.DAT", true, false, false},
        {"game-flag-under-another-type.DAT", true, false, false},
        {"first-game-cut-off-after-its-autosave.DAT", true, false, false},
        {"band-stored-twice.DAT", true, true, false},
        {"seed-stored-twice-first-unreadable.DAT", false, false, false},
        {"graves-of-an-unknown-type.DAT", true, false, true},
        {"markers-missing-saplings-of-broken-size.DAT", true, false, true},
        // Records that read, a few of them out of range: the island's
        // loaders give those up when the game is played.
        {"markers-flowers-saplings-graves-out-of-range.DAT", true, false, false},
        {"markers-flowers-saplings-graves-of-negative-sizes.DAT", true, false, true},
        {"band-of-a-negative-size.DAT", false, false, false},
        {"first-game-mark-without-its-band.DAT", false, false, false},
        // One damage, one notice: the graves' own.
        {"graves-stored-twice-first-unreadable.DAT", true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        for (const char* suffix : {"", ".BAKS", ".BAKL", ".BAD1"}) {
            RemoveUserFile(std::string("PROFILE1v8.DAT") + suffix);
        }
        std::ifstream in(std::string(PALMORA_SOURCE_DIR) + "/tests/fuzz/corpus/game/" + c.file, std::ios::binary);
        const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_GT(saved.size(), 516u);
        WriteUserFile("PROFILE1v8.DAT", saved);
        CProfile* profile = Open();
        EXPECT_TRUE(profile->GetValue<bool>(31));
        EXPECT_EQ(profile->SavedGameComplete(), c.complete);
        EXPECT_EQ(profile->NoticeDue(CProfile::kCopiesDiffer), c.copiesDiffer);
        EXPECT_EQ(profile->NoticeDue(CProfile::kRecordsGivenUp), c.recordsGivenUp);
        EXPECT_EQ(Exists("PROFILE1v8.DAT.BAD1"), c.copiesDiffer || c.recordsGivenUp || !c.complete ||
                                                     std::string(c.file).find("twice") != std::string::npos);
        delete profile;
    }
}

// A lost game gives way to an older copy that still holds it, never to one
// from before it began: that one would let a new island replace the game
// with no word to the player.
TEST_F(CProfileDamage, ALostGameGivesWayOnlyToAnOlderCopyThatHoldsAGame)
{
    const std::string lost = ProfileFile(GameScalars(7), Without(GameVectors(), 3));
    std::vector<std::string> before = Without(GameScalars(9), 31);
    before.push_back(ScalarRecord(31, "b", std::string(1, '\0')));
    struct Case {
        const char* what;
        std::string older;
        unsigned int seed;  // of the game loaded
        bool complete;
    };
    const Case cases[] = {
        {"an older copy of the game", ProfileFile(GameScalars(9), GameVectors()), 9, true},
        {"an older copy from before the game", ProfileFile(before, GameVectors()), 7, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteUserFile("PROFILE1v8.DAT", lost);
        WriteUserFile("PROFILE1v8.DAT.BAKS", c.older);
        RemoveUserFile("PROFILE1v8.DAT.BAKL");
        std::remove("LOG.TXT");
        CProfile* profile = Open();
        EXPECT_TRUE(profile->GetValue<bool>(31));
        EXPECT_EQ(profile->GetValue<unsigned int>(1), c.seed);
        EXPECT_EQ(profile->SavedGameComplete(), c.complete);
        EXPECT_EQ(Logged("An older copy of the profile holds no game under way and is passed over: " +
                         UserFile("PROFILE1v8.DAT.BAKS")),
                  !c.complete);
        delete profile;
    }
}
