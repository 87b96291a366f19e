// The ".BAD" copies kept of damaged files: whatever stands in a slot stays
// as it is, a lost game's copy outlives the copies of lesser damage, names
// that are no regular file never stop a start, and what the player is told
// says that a copy was kept only when one was.
#include "CProfileTestFixture.h"
#include "ChildProcess.h"

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kTrue(1, '\1');

std::string FloatBytes(float value)
{
    std::string bytes(4, '\0');
    memcpy(&bytes[0], &value, 4);
    return bytes;
}

// A game under way that lacks every island key but its band: it cannot be
// played, and loads only for the chooser to tell of it.
std::string LostGame(int seed = 77)
{
    return ProfileFile({ScalarRecord(1, "j", Int32(seed)), ScalarRecord(31, "b", kTrue)},
                       {VectorRecord(4, 632, "11person_data", std::string(632, 'p'))});
}

// The sound volume stored twice with different values: no game is under way,
// and nothing of one is lost.
std::string VolumeStoredTwice(int marker)
{
    return ProfileFile({ScalarRecord(20, "f", FloatBytes(0.5f)), ScalarRecord(20, "f", FloatBytes(0.25f)),
                        ScalarRecord(60, "i", Int32(marker))},
                       {});
}

// The sound volume stored twice alike: kept, with no word to the player.
std::string VolumeStoredTwiceAlike(int marker)
{
    return ProfileFile({ScalarRecord(20, "f", FloatBytes(0.5f)), ScalarRecord(20, "f", FloatBytes(0.5f)),
                        ScalarRecord(60, "i", Int32(marker))},
                       {});
}

// Bytes no file of the profile could verify.
std::string Unreadable(const std::string& what)
{
    return "damage: " + what;
}

}  // namespace

class CProfileKeptCopies : public ProfileFixture {
protected:
    bool Logged(const std::string& line) const { return folder.Read("LOG.TXT").find(line) != std::string::npos; }
    bool IsFolder(const std::string& name) const { return std::filesystem::is_directory(UserFile(name)); }
    void MakeFolder(const std::string& name) const { std::filesystem::create_directories(UserFile(name)); }
    void MakeFifo(const std::string& name) const
    {
        RemoveUserFile(name);
        ASSERT_EQ(mkfifo(UserFile(name).c_str(), 0600), 0) << name;
    }
    bool IsFifo(const std::string& name) const
    {
        return std::filesystem::status(UserFile(name)).type() == std::filesystem::file_type::fifo;
    }
    // The profile's main file damaged, its ".BAKS" good: one load keeps one
    // new copy.
    void LoadDamage(const std::string& damage)
    {
        WriteUserFile("PROFILE1v8.DAT", damage);
        WriteUserFile("PROFILE1v8.DAT.BAKS", ProfileFile({ScalarRecord(60, "i", Int32(1))}, {}));
        delete Open();
    }
};

// A slot that holds something which does not read, here a folder, is taken
// all the same: the copies around it stay where they are, and when every
// slot is taken the oldest copy of ours makes room, logged.
TEST_F(CProfileKeptCopies, NothingInASlotIsWrittenOverWhetherOrNotItReads)
{
    struct Case {
        const char* what;
        std::vector<const char*> slots;  // "folder", a copy's name, or "" for none
        std::vector<const char*> after;  // the new copy is "new"
        const char* removed;             // slot logged as removed, or null
    };
    const Case cases[] = {
        {"a folder first", {"folder", "a", "b"}, {"folder", "a", "b", "new"}, nullptr},
        {"a folder in the middle", {"a", "b", "folder", "c"}, {"a", "b", "folder", "c", "new"}, nullptr},
        {"a gap below a folder", {"", "a", "folder"}, {"a", "folder", "new"}, nullptr},
        {"every slot taken", {"folder", "a", "b", "c", "d"}, {"folder", "b", "c", "d", "new"}, ".BAD2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(UserFile(""));
        std::filesystem::create_directories(UserFile(""));
        std::remove("LOG.TXT");
        for (size_t i = 0; i < c.slots.size(); i++) {
            const std::string slot = "PROFILE1v8.DAT.BAD" + std::to_string(i + 1);
            if (std::string(c.slots[i]) == "folder") {
                MakeFolder(slot + "/inside");
            } else if (*c.slots[i]) {
                WriteUserFile(slot, Unreadable(c.slots[i]));
            }
        }
        LoadDamage(Unreadable("new"));
        for (size_t i = 0; i < CProfile::DAMAGED_COPIES; i++) {
            const std::string slot = "PROFILE1v8.DAT.BAD" + std::to_string(i + 1);
            if (i >= c.after.size()) {
                EXPECT_FALSE(Exists(slot)) << slot;
            } else if (std::string(c.after[i]) == "folder") {
                EXPECT_TRUE(IsFolder(slot)) << slot;
                EXPECT_TRUE(Exists(slot + "/inside")) << slot;
            } else {
                EXPECT_EQ(ReadUserFile(slot), Unreadable(c.after[i])) << slot;
            }
        }
        const std::string removed = "A kept copy of a damaged file was removed to make room for a newer one: ";
        EXPECT_EQ(Logged(removed), c.removed != nullptr);
        if (c.removed) {
            EXPECT_TRUE(Logged(removed + UserFile(std::string("PROFILE1v8.DAT") + c.removed)));
        }
    }
}

// The copy of a game the chooser tells as lost is all that is left of it
// once a new island replaces it: five later damages that lost nothing and
// were told of to no one take turns in the other slots, and every copy they
// give up is logged.
TEST_F(CProfileKeptCopies, ALostGamesCopyOutlivesCopiesOfDamageThatLostNothing)
{
    WriteUserFile("PROFILE1v8.DAT", LostGame());
    CProfile* profile = Open();
    ASSERT_FALSE(profile->SavedGameComplete());
    EXPECT_TRUE(profile->KeepLostGame());
    ASSERT_TRUE(ReadUserFile("PROFILE1v8.DAT.BAD1") == LostGame());
    for (int damage = 1; damage <= 5; damage++) {
        delete CProfile::current;
        WriteUserFile("PROFILE1v8.DAT", VolumeStoredTwiceAlike(damage));
        Open();
    }
    EXPECT_TRUE(ReadUserFile("PROFILE1v8.DAT.BAD1") == LostGame());
    for (int slot = 2; slot <= CProfile::DAMAGED_COPIES; slot++) {
        EXPECT_TRUE(ReadUserFile("PROFILE1v8.DAT.BAD" + std::to_string(slot)) == VolumeStoredTwiceAlike(slot))
            << slot;
    }
    EXPECT_TRUE(Logged("A kept copy of a damaged file was removed to make room for a newer one: " +
                       UserFile("PROFILE1v8.DAT.BAD2")));

    // Five slots of lost games no one was told of leave no room for lesser
    // damage, which is logged and not kept; a lost game's own copy still
    // finds room.
    RemoveUserFile("PROFILE1v8.DAT.TOLD");
    for (int slot = 1; slot <= CProfile::DAMAGED_COPIES; slot++) {
        WriteUserFile("PROFILE1v8.DAT.BAD" + std::to_string(slot), LostGame(slot));
    }
    delete CProfile::current;
    WriteUserFile("PROFILE1v8.DAT", VolumeStoredTwice(6));
    profile = Open();
    EXPECT_TRUE(profile->NoticeDue(CProfile::kCopiesDiffer));
    EXPECT_FALSE(profile->NoticeCopyKept(CProfile::kCopiesDiffer));
    EXPECT_TRUE(Logged("No room to keep the damaged file: every copy beside it was told of, holds a lost game or "
                       "does not read: " + UserFile("PROFILE1v8.DAT")));
    EXPECT_TRUE(ReadUserFile("PROFILE1v8.DAT.BAD1") == LostGame(1));
    delete CProfile::current;
    WriteUserFile("PROFILE1v8.DAT", LostGame(99));
    Open();
    EXPECT_TRUE(ReadUserFile("PROFILE1v8.DAT.BAD1") == LostGame(2));
    EXPECT_TRUE(ReadUserFile("PROFILE1v8.DAT.BAD5") == LostGame(99));
}

// A FIFO under any name the profile reads would block the start before any
// window opens: each is unreadable at once, told and kept (or not) as any
// unreadable file; one under the temporary name a save writes is removed, as
// whatever stands there. The store runs in a child, bounded by an alarm, so
// a block fails the test rather than hanging it.
TEST_F(CProfileKeptCopies, AFifoUnderAnyNameOfTheProfileIsUnreadableAtOnce)
{
    struct Case {
        const char* fifo;
        std::vector<const char*> damaged, good;
        int exitCode;  // 0: loaded marker 7; 2: a new profile
        bool told;     // the FIFO is read, logged as damaged and not kept
    };
    const Case cases[] = {
        {"PALMORAv8.DAT", {}, {"PALMORAv8.DAT.BAKS", "PROFILE1v8.DAT"}, 0, true},
        {"PALMORAv8.DAT.BAKS", {"PALMORAv8.DAT"}, {"PALMORAv8.DAT.BAKL", "PROFILE1v8.DAT"}, 0, true},
        {"PROFILE1v8.DAT", {}, {"PALMORAv8.DAT", "PROFILE1v8.DAT.BAKL"}, 0, true},
        {"PROFILE1v8.DAT.BAKS", {"PROFILE1v8.DAT"}, {"PALMORAv8.DAT", "PROFILE1v8.DAT.BAKL"}, 0, true},
        {"PROFILE1v8.DAT.BAKL", {"PROFILE1v8.DAT"}, {"PALMORAv8.DAT"}, 2, true},
        {"PROFILE1v8.DAT.BAD1", {"PROFILE1v8.DAT"}, {"PALMORAv8.DAT", "PROFILE1v8.DAT.BAKS"}, 0, false},
        {"PROFILE1v8.DAT.TMP", {}, {"PALMORAv8.DAT", "PROFILE1v8.DAT"}, 0, false},
    };
    const std::string header = HeaderFile(0, {{0, "Ana"}});
    const std::string profile = ProfileFile({ScalarRecord(60, "i", Int32(7))}, {});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fifo);
        std::filesystem::remove_all(UserFile(""));
        std::filesystem::create_directories(UserFile(""));
        std::remove("LOG.TXT");
        for (const char* name : c.good) {
            WriteUserFile(name, std::string(name).find("PALMORA") == 0 ? header : profile);
        }
        for (const char* name : c.damaged) {
            WriteUserFile(name, Unreadable(name));
        }
        MakeFifo(c.fifo);
        const ChildResult child = RunInChild([] {
            alarm(20);
            CProfile* store = new CProfile();
            const int marker = store->GetValue<int>(60);
            delete store;
            _exit(marker == 7 ? 0 : 2);
        });
        ASSERT_EQ(child.exitCode, c.exitCode) << child.output;
        if (c.told) {
            EXPECT_TRUE(Logged("Failed to keep the damaged file: " + UserFile(c.fifo)));
        }
        if (std::string(c.fifo) == "PROFILE1v8.DAT.BAD1") {
            EXPECT_TRUE(IsFifo("PROFILE1v8.DAT.BAD1"));
            EXPECT_EQ(ReadUserFile("PROFILE1v8.DAT.BAD2"), Unreadable("PROFILE1v8.DAT"));
        }
        if (std::string(c.fifo) == "PROFILE1v8.DAT.TMP") {
            EXPECT_FALSE(IsFifo("PROFILE1v8.DAT.TMP"));
        }
    }

    // The only copy a FIFO: a new profile, told with no copy kept.
    std::filesystem::remove_all(UserFile(""));
    std::filesystem::create_directories(UserFile(""));
    WriteUserFile("PALMORAv8.DAT", HeaderFile(0, {{0, "Ana"}}));
    MakeFifo("PROFILE1v8.DAT");
    const ChildResult child = RunInChild([] {
        alarm(20);
        CProfile::KeptCopies kept = CProfile::kAllKept;
        CProfile* profile = new CProfile();
        const bool lost = profile->TakeProfileLost(&kept);
        delete profile;
        _exit(lost && kept == CProfile::kNoneKept ? 0 : 1);
    });
    EXPECT_EQ(child.exitCode, 0) << child.output;
    EXPECT_TRUE(IsFifo("PROFILE1v8.DAT.BAKS")) << "the save moves it aside untouched";
}

// With a folder where the copy is written first, nothing is kept: each kind
// of damage owes its notice with no copy, through a save and a load, and a
// lost game is kept at a later try; an owed notice stored before the copies
// were told apart says that its copy was kept.
TEST_F(CProfileKeptCopies, ANoticeSaysACopyWasKeptOnlyWhenOneWas)
{
    MakeFolder("PROFILE1v8.DAT.BAD1.TMP");
    WriteUserFile("PROFILE1v8.DAT", VolumeStoredTwice(1));
    CProfile* profile = Open();
    EXPECT_TRUE(Logged("Failed to keep the damaged file: " + UserFile("PROFILE1v8.DAT")));
    ASSERT_TRUE(profile->NoticeDue(CProfile::kCopiesDiffer));
    EXPECT_FALSE(profile->NoticeCopyKept(CProfile::kCopiesDiffer));
    profile->RecordsGivenUp({{"graves", 2}});
    ASSERT_TRUE(profile->NoticeDue(CProfile::kRecordsGivenUp));
    EXPECT_FALSE(profile->NoticeCopyKept(CProfile::kRecordsGivenUp));
    profile = Reopen();
    EXPECT_FALSE(profile->NoticeCopyKept(CProfile::kCopiesDiffer));
    EXPECT_FALSE(profile->NoticeCopyKept(CProfile::kRecordsGivenUp));
    // The same damage kept later makes the notice true.
    RemoveUserFile("PROFILE1v8.DAT.BAD1.TMP");
    profile->RecordsGivenUp({{"graves", 2}});
    EXPECT_TRUE(profile->NoticeCopyKept(CProfile::kRecordsGivenUp));
    profile->NoticeShown(CProfile::kCopiesDiffer);
    EXPECT_TRUE(profile->NoticeCopyKept(CProfile::kCopiesDiffer));

    MakeFolder("PROFILE1v8.DAT.BAD1.TMP");
    std::filesystem::remove(UserFile("PROFILE1v8.DAT.BAD1"));
    delete CProfile::current;
    WriteUserFile("PROFILE1v8.DAT", LostGame());
    profile = Open();
    EXPECT_FALSE(profile->KeepLostGame());
    std::filesystem::remove(UserFile("PROFILE1v8.DAT.BAD1.TMP"));
    EXPECT_TRUE(profile->KeepLostGame());
    EXPECT_TRUE(profile->KeepLostGame());
    EXPECT_FALSE(Exists("PROFILE1v8.DAT.BAD2")) << "kept once";

    // Both notices owed by a file this game wrote before: their copies were
    // kept then.
    delete CProfile::current;
    std::filesystem::remove_all(UserFile(""));
    std::filesystem::create_directories(UserFile(""));
    std::string identity(512, '\0');
    identity.replace(0, 8, std::string("PLMRID1\0", 8));
    identity[10] = CProfile::kCopiesDiffer | CProfile::kRecordsGivenUp;
    WriteUserFile("PROFILE1v8.DAT", ProfileFile({ScalarRecord(60, "i", Int32(1))}, {}, identity));
    profile = Open();
    EXPECT_TRUE(profile->NoticeDue(CProfile::kCopiesDiffer));
    EXPECT_TRUE(profile->NoticeDue(CProfile::kRecordsGivenUp));
    EXPECT_TRUE(profile->NoticeCopyKept(CProfile::kCopiesDiffer));
    EXPECT_TRUE(profile->NoticeCopyKept(CProfile::kRecordsGivenUp));
}
