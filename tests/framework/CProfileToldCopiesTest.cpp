// Kept copies a notice told the player of: none is ever given up to make room
// for another, however it was kept and whether or not it still reads; when
// no slot can be freed, the new damage is not kept and its notice says so.
#include "CProfileTestFixture.h"
#include "ProfileBytes.h"

#include <fstream>
#include <functional>

namespace {

const std::string kTrue(1, '\1');
const char* const kRungs[] = {"", ".BAKS", ".BAKL"};
// A game whose seed the island maker turns down, though the file is whole.
const std::string kIslandThatCannotBeMade =
    std::string(PALMORA_SOURCE_DIR) + "/tests/fuzz/corpus/game/seed-that-makes-no-island.DAT";

std::string FloatBytes(float value)
{
    std::string bytes(4, '\0');
    memcpy(&bytes[0], &value, 4);
    return bytes;
}

// A game under way that lacks its island keys: the chooser tells it as lost.
std::string LostGame(int seed)
{
    return ProfileFile({ScalarRecord(1, "j", Int32(seed)), ScalarRecord(31, "b", kTrue)},
                       {VectorRecord(4, 632, "11person_data", std::string(632, 'p'))});
}

// The sound volume stored twice with different values: told over the menu,
// though no game is lost by it.
std::string VolumeStoredTwice(int marker)
{
    return ProfileFile({ScalarRecord(20, "f", FloatBytes(0.5f)), ScalarRecord(20, "f", FloatBytes(0.25f)),
                        ScalarRecord(60, "i", Int32(marker))},
                       {});
}

}  // namespace

class CProfileToldCopies : public ProfileFixture {
protected:
    bool Logged(const std::string& line) const { return folder.Read("LOG.TXT").find(line) != std::string::npos; }
    static std::string Slot(const std::string& rung, int n)
    {
        return "PROFILE1v8.DAT" + rung + ".BAD" + std::to_string(n);
    }

    void Clear()
    {
        delete CProfile::current;
        std::filesystem::remove_all(UserFile(""));
        std::filesystem::create_directories(UserFile(""));
        std::remove("LOG.TXT");
        WriteUserFile("PALMORAv8.DAT", HeaderFile(0, {{0, "Ana"}}));
    }

    // The bytes as the ladder's rung, the others gone.
    CProfile* LoadAt(const std::string& rung, const std::string& bytes)
    {
        delete CProfile::current;
        for (const char* other : kRungs) {
            RemoveUserFile(std::string("PROFILE1v8.DAT") + other);
        }
        WriteUserFile("PROFILE1v8.DAT" + rung, bytes);
        return Open();
    }

    // Five damages at the rung, each shown over the menu: only those that
    // found a free slot say a copy was kept.
    void FiveLaterDamages(const std::string& rung, int freeSlots)
    {
        for (int damage = 1; damage <= 5; damage++) {
            CProfile* profile = LoadAt(rung, VolumeStoredTwice(damage));
            ASSERT_TRUE(profile->NoticeDue(CProfile::kCopiesDiffer));
            EXPECT_EQ(profile->NoticeCopyKept(CProfile::kCopiesDiffer), damage <= freeSlots) << rung << damage;
            profile->NoticeShown(CProfile::kCopiesDiffer);
        }
        EXPECT_FALSE(Logged("A kept copy of a damaged file was removed to make room for a newer one"));
    }
};

// The chooser finds the lost game's copy by its island alone, though it was
// kept before as a key stored twice, told over the menu or not at all.
TEST_F(CProfileToldCopies, ALostGamesCopyKeptFirstAsLesserDamageOutlivesLaterDamage)
{
    const std::string game = ReadBytes(kIslandThatCannotBeMade);
    for (bool differs : {true, false}) {
        SCOPED_TRACE(differs ? "stored again with another value" : "stored again alike");
        Clear();
        const std::string volume = differs ? FloatBytes(0.77f) : ParseProfile(game).scalars.at(20).bytes;
        const std::string damaged = WithScalarStoredAgain(game, 20, "f", volume);
        WriteUserFile("PROFILE1v8.DAT", damaged);
        CProfile* profile = Open();
        EXPECT_EQ(profile->NoticeDue(CProfile::kCopiesDiffer), differs);
        profile->NoticeShown(CProfile::kCopiesDiffer);
        ASSERT_TRUE(ReadUserFile(Slot("", 1)) == damaged);
        EXPECT_TRUE(profile->KeepLostGame());
        EXPECT_FALSE(Exists(Slot("", 2))) << "the copy kept is the one told of";
        FiveLaterDamages("", 4);
        EXPECT_TRUE(ReadUserFile(Slot("", 1)) == damaged);
    }
}

// A lost profile's copies, told over the menu whether all or some were kept,
// and a lost game's copy damaged in its slot: none of them reads, so none
// can carry a mark, and none goes.
TEST_F(CProfileToldCopies, CopiesThatFailTheirOwnChecksAreNeverGivenUp)
{
    struct Case {
        const char* what;
        const char* blocked;  // the rung whose copy cannot be written, or null
        CProfile::KeptCopies kept;
    };
    for (const Case& c : {Case{"all kept", nullptr, CProfile::kAllKept}, Case{"some kept", "", CProfile::kSomeKept}}) {
        SCOPED_TRACE(c.what);
        Clear();
        for (const char* rung : kRungs) {
            WriteUserFile(std::string("PROFILE1v8.DAT") + rung, std::string("damage: ") + rung);
        }
        if (c.blocked) {
            std::filesystem::create_directories(UserFile(Slot(c.blocked, 1) + ".TMP"));
        }
        CProfile::KeptCopies kept = CProfile::kNoneKept;
        ASSERT_TRUE(Open()->TakeProfileLost(&kept));
        EXPECT_EQ(kept, c.kept);
        if (c.blocked) {
            std::filesystem::remove(UserFile(Slot(c.blocked, 1) + ".TMP"));
        }
        for (const char* rung : kRungs) {
            const bool told = !c.blocked || std::string(rung) != c.blocked;
            FiveLaterDamages(rung, told ? 4 : 5);
            if (told) {
                EXPECT_EQ(ReadUserFile(Slot(rung, 1)), std::string("damage: ") + rung) << rung;
            }
        }
    }

    Clear();
    WriteUserFile("PROFILE1v8.DAT", LostGame(7));
    ASSERT_TRUE(Open()->KeepLostGame());
    std::string copy = ReadUserFile(Slot("", 1));
    ASSERT_TRUE(copy == LostGame(7));
    copy.back() ^= 1;
    WriteUserFile(Slot("", 1), copy);
    FiveLaterDamages("", 4);
    EXPECT_TRUE(ReadUserFile(Slot("", 1)) == copy);
}

// Five lost games fill every slot, kept by the load that found them or by
// the chooser: a sixth finds no room, and the chooser's notice says no copy
// of it was kept; later damage finds none either.
TEST_F(CProfileToldCopies, ASixthLostGameIsNotKeptAndTheOldestStays)
{
    const std::string island = ReadBytes(kIslandThatCannotBeMade);
    for (int game = 1; game <= CProfile::DAMAGED_COPIES; game++) {
        CProfile* profile = LoadAt("", game % 2 ? LostGame(game) : island);
        if (game % 2 == 0) {
            // The stock tells one island from another.
            profile->SetValue<int>(11, game);
        }
        EXPECT_TRUE(profile->KeepLostGame()) << game;
    }
    EXPECT_FALSE(LoadAt("", LostGame(6))->KeepLostGame());
    EXPECT_TRUE(Logged("No room to keep the damaged file: every copy beside it was told of, holds a lost game or does "
                       "not read: " + UserFile("PROFILE1v8.DAT")));
    FiveLaterDamages("", 0);
    for (int game = 1; game <= CProfile::DAMAGED_COPIES; game++) {
        if (game % 2) {
            EXPECT_TRUE(ReadUserFile(Slot("", game)) == LostGame(game)) << game;
        } else {
            EXPECT_EQ(ParseProfile(ReadUserFile(Slot("", game))).scalars.at(11).bytes, Int32(game)) << game;
        }
    }
}

// The game screen tells of the copy kept when records are given up.
TEST_F(CProfileToldCopies, TheCopyOfRecordsGivenUpOutlivesLaterDamage)
{
    CProfile* profile = LoadAt("", ProfileFile({ScalarRecord(60, "i", Int32(1))}, {}));
    profile->RecordsGivenUp({{"graves", 1}});
    ASSERT_TRUE(profile->NoticeCopyKept(CProfile::kRecordsGivenUp));
    const std::string copy = ReadUserFile(Slot("", 1));
    FiveLaterDamages("", 4);
    EXPECT_TRUE(ReadUserFile(Slot("", 1)) == copy);
}

// The record beside the copies knows a told copy by its inode or its bytes:
// moved to a new inode with its bytes (a folder copied back), a copy is still
// told. A record that cannot be read makes every copy count as told.
TEST_F(CProfileToldCopies, AToldCopyIsKnownByItsInodeOrItsBytes)
{
    struct Case {
        const char* what;
        std::function<void(const std::string& data)> change;  // data: the user data folder
        bool keptNew;  // the untold copy in slot 2 makes room
    };
    const Case cases[] = {
        {"as it was", [](const std::string&) {}, true},
        {"given a new inode",
         [](const std::string& data) {
             std::filesystem::copy_file(data + Slot("", 1), data + "moved");
             std::filesystem::rename(data + "moved", data + Slot("", 1));
         },
         true},
        {"the record damaged", [](const std::string& data) { std::ofstream(data + "PROFILE1v8.DAT.TOLD") << "damage"; },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Clear();
        ASSERT_TRUE(LoadAt("", VolumeStoredTwice(1))->NoticeCopyKept(CProfile::kCopiesDiffer));
        for (int n = 2; n <= CProfile::DAMAGED_COPIES; n++) {
            WriteUserFile(Slot("", n), "untold " + std::to_string(n));
        }
        c.change(UserFile(""));
        EXPECT_EQ(LoadAt("", VolumeStoredTwice(9))->NoticeCopyKept(CProfile::kCopiesDiffer), c.keptNew);
        EXPECT_TRUE(ReadUserFile(Slot("", 1)) == VolumeStoredTwice(1));
        EXPECT_EQ(ReadUserFile(Slot("", 2)), c.keptNew ? "untold 3" : "untold 2");
    }
}
