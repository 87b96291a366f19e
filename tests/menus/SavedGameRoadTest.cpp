// Saved games that the play button must continue: a first game killed after
// its autosave, and saves whose game flag, band copy or graves were damaged
// outside the game. Each is a profile file on disk, loaded as at a start and
// played from the main menu's play button.
#include "CControllerMainRoad.h"

#include "CControllerPopUp.h"
#include "CPerson.h"
#include "CTombstone.h"
#include "ChildProcess.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int kButtonX = 680, kPlayY = 195, kNewGameY = 258;
constexpr int kNewGameQuestion = 12100;
constexpr int kRecordsGivenUpNotice = 12128, kPartUnreadableNotice = 12129;
constexpr int kAutosaveFrames = 3600;

// One record of a profile file's properties block, as it lies in the file.
struct SavedRecord {
    int key;
    bool vector;
    int elementSize;  // vectors only
    std::string tag;
    std::string bytes;
};

int IntAt(const std::string& bytes, size_t at)
{
    uint32_t value = 0;
    for (int i = 3; i >= 0; i--) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<size_t>(i)]);
    }
    return static_cast<int>(value);
}

std::string IntBytes(int value)
{
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; i++) {
        bytes[static_cast<size_t>(i)] = static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    }
    return bytes;
}

// A profile file taken apart into its head (checksum and reserved block) and
// its records in file order, and put together again with a checksum that
// holds: an edit outside the game that the checksum does not catch.
struct SavedFile {
    explicit SavedFile(const std::string& file) : head(file.substr(0, 516))
    {
        size_t at = 516;
        for (bool vector : {false, true}) {
            const int count = IntAt(file, at);
            at += 4;
            for (int i = 0; i < count; i++) {
                SavedRecord record{IntAt(file, at), vector, 0, "", ""};
                at += 4;
                int length = 0;
                if (vector) {
                    record.elementSize = IntAt(file, at);
                    length = IntAt(file, at + 4);
                    at += 8;
                } else {
                    length = IntAt(file, at);
                    at += 4;
                }
                const int tagLength = IntAt(file, at);
                at += 4;
                record.tag = file.substr(at, static_cast<size_t>(tagLength));
                at += static_cast<size_t>(tagLength);
                record.bytes = file.substr(at, static_cast<size_t>(length));
                at += static_cast<size_t>(length);
                records.push_back(record);
            }
        }
    }

    std::string Bytes() const
    {
        std::string file = head;
        for (bool vector : {false, true}) {
            std::string block;
            int count = 0;
            for (const SavedRecord& r : records) {
                if (r.vector != vector) {
                    continue;
                }
                count++;
                block += IntBytes(r.key);
                block += vector ? IntBytes(r.elementSize) + IntBytes(static_cast<int>(r.bytes.size()))
                                : IntBytes(static_cast<int>(r.bytes.size()));
                block += IntBytes(static_cast<int>(r.tag.size())) + r.tag + r.bytes;
            }
            file += IntBytes(count) + block;
        }
        const int sum = CProfile::ComputeChecksum(file.data() + 4, file.size() - 4);
        file.replace(0, 4, IntBytes(sum));
        return file;
    }

    std::vector<SavedRecord>::iterator Find(int key, bool vector)
    {
        for (auto it = records.begin(); it != records.end(); ++it) {
            if (it->key == key && it->vector == vector) {
                return it;
            }
        }
        ADD_FAILURE() << "no record of key " << key;
        return records.end();
    }

    std::string head;
    std::vector<SavedRecord> records;
};

class SavedGameRoadTest : public ScreenRoadTest {
protected:
    std::string UserFile(const std::string& name) const { return folder.File("userdata/" + name); }
    bool Kept(const char* slot) const { return std::filesystem::exists(UserFile(slot)); }

    // A new game on the chooser's island, as the story hands it over.
    CControllerGame* Settle()
    {
        root.Open<CControllerIslandSelect>(true);
        Turn();
        ClickAt(499, 547);
        if (CController::focus == CControllerIslandSelect::popUp) {
            CControllerIslandSelect::popUp->GUICallback(0, 0);
            Turn();
        }
        return dynamic_cast<CControllerGame*>(CController::focus);
    }

    // The game shut by the in-game menu's road: the game and the chooser go.
    void Leave()
    {
        for (int closes = 0; CController::focus != &root && CController::focus != menu && closes < 5; closes++) {
            CController::focus->ShutDown(CController::focus == CControllerGame::game ? 1 : 0);
            Turn(3);
        }
    }

    // The main menu as the logo screen opens it, its buttons slid in.
    void OpenMenu()
    {
        menu = root.Open<CControllerMain>();
        Turn(60);
    }

    void CloseMenu()
    {
        menu->ShutDown(0);
        Turn();
        menu = nullptr;
        ASSERT_EQ(root.child, nullptr);
    }

    // The play button; the game, when one opens, settles for its pop-ups.
    CControllerGame* Play()
    {
        ClickAt(kButtonX, kPlayY);
        Turn(5);
        return CControllerGame::game;
    }

    // The ids of the islanders a game holds, in the store or on the island.
    static std::vector<int> SavedBand()
    {
        std::vector<int> ids;
        for (const person_data& person : CProfile::current->GetVectorValue<person_data>(4)) {
            ids.push_back(person.id);
        }
        return ids;
    }
    static std::vector<int> BandOnTheIsland()
    {
        std::vector<int> ids;
        for (CPerson* person : CPerson::people) {
            ids.push_back(person->GetID());
        }
        return ids;
    }

    CControllerMain* menu = nullptr;
};

}  // namespace

// Killed after its autosave, a first game never closed its screen, the only
// place where the flag that a game is under way is set. The next start
// continues it all the same; a new game asked for still starts afresh.
TEST_F(SavedGameRoadTest, AFirstGameKilledAfterItsAutosaveIsContinuedByPlayAndNewGameStillStartsAfresh)
{
    CProfile::current->SetValue<bool>(67, false);
    CProfile::current->SaveHeader();
    const ChildResult killed = RunInChild([this] {
        CControllerGame* game = Settle();
        if (!game || CProfile::current->GetValue<bool>(31)) {
            _exit(2);
        }
        game->frameCount = kAutosaveFrames - 1;
        Turn();
        if (!CProfile::current->GetVectorValue<person_data>(4).empty() && !CProfile::current->GetValue<bool>(31)) {
            raise(SIGKILL);
        }
        _exit(3);
    });
    ASSERT_EQ(killed.exitCode, -1) << killed.output;

    // The next start reads the files the killed game left.
    CProfile::current->LoadHeader(0);
    EXPECT_TRUE(CProfile::current->GetValue<bool>(31));
    const unsigned int seed = CProfile::current->GetValue<unsigned int>(1);
    const std::vector<int> band = SavedBand();
    ASSERT_EQ(band.size(), 7u);
    EXPECT_NE(folder.Read("LOG.TXT").find("Profile key 31 held false, but a first game's screen saved its island and "
                                          "never closed; with the island's seed and band saved, the game counts as "
                                          "under way in " + UserFile("PROFILE1v8.DAT")),
              std::string::npos);
    OpenMenu();
    ASSERT_NE(Play(), nullptr) << "the play button continues the game instead of telling the story again";
    EXPECT_EQ(CControllerGame::island->GetCurrentSeed(), seed);
    EXPECT_EQ(BandOnTheIsland(), band);
    Leave();
    ASSERT_EQ(CController::focus, menu);
    Turn(60);

    // New game, answered yes, leaves the island behind for good.
    ClickAt(kButtonX, kNewGameY);
    ASSERT_EQ(CController::focus, CControllerMain::popUp);
    EXPECT_EQ(CControllerMain::popUp->request.id, kNewGameQuestion);
    CControllerMain::popUp->GUICallback(0, 0);
    Turn();
    EXPECT_EQ(CController::focus, CControllerMain::introStory);
    CProfile::current->SaveHeader();
    CProfile::current->LoadHeader(0);
    EXPECT_FALSE(CProfile::current->GetValue<bool>(31)) << "the island left behind is no game cut off";
    menu->ShutDown(-1);
    Turn(3);
}

// Damage from outside the game to what a game keeps beside its island: the
// play button continues the game, the player is told once what was lost,
// and the damaged file is kept.
TEST_F(SavedGameRoadTest, ADamagedGameFlagBandCopyOrGravesStillLetsPlayContinueTheGame)
{
    CProfile::current->SetValue<bool>(67, false);
    CControllerGame* game = Settle();
    ASSERT_NE(game, nullptr);
    CPerson* first = CPerson::people.front();
    new CTombstone(static_cast<int>(first->GetX()) + 90, static_cast<int>(first->GetY()) - 140, "Ana", "11125", "11101", "12021", 70, 4, true);
    Turn(10);
    Leave();
    ASSERT_TRUE(CProfile::current->GetValue<bool>(31));
    CProfile::current->SaveHeader();
    const std::string good = folder.Read("userdata/PROFILE1v8.DAT");
    const unsigned int seed = CProfile::current->GetValue<unsigned int>(1);
    const std::vector<int> band = SavedBand();

    struct Damage {
        const char* what;
        std::function<void(SavedFile&)> edit;
        int notice;  // 0: none
        std::function<void()> check;
    };
    const Damage damages[] = {
        {"the game flag under a type no game writes", [](SavedFile& f) { f.Find(31, false)->tag = "c"; }, 0,
         [&] { EXPECT_EQ(BandOnTheIsland(), band); }},
        {"the game flag missing", [](SavedFile& f) { f.records.erase(f.Find(31, false)); }, 0,
         [&] { EXPECT_EQ(BandOnTheIsland(), band); }},
        {"the graves under a type no game writes",
         [](SavedFile& f) { f.Find(30, true)->tag = "14tombstone_dat?"; }, kRecordsGivenUpNotice,
         [&] {
             EXPECT_EQ(BandOnTheIsland(), band);
             EXPECT_TRUE(CTombstone::tombstones.empty());
         }},
        {"the band stored twice, an empty copy first",
         [](SavedFile& f) {
             SavedRecord empty = *f.Find(4, true);
             empty.bytes.clear();
             f.records.insert(f.Find(4, true), empty);
         },
         kPartUnreadableNotice, [] { EXPECT_TRUE(CPerson::people.empty()) << "the first record is the one kept"; }},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        for (const char* file : {"PROFILE1v8.DAT.BAKS", "PROFILE1v8.DAT.BAKL", "PROFILE1v8.DAT.BAD1"}) {
            std::filesystem::remove(UserFile(file));
        }
        SavedFile edited(good);
        d.edit(edited);
        folder.Write("userdata/PROFILE1v8.DAT", edited.Bytes());
        CProfile::current->LoadHeader(0);

        OpenMenu();
        ASSERT_NE(Play(), nullptr) << "a game under way goes on";
        EXPECT_EQ(CControllerGame::island->GetCurrentSeed(), seed);
        if (d.notice) {
            ASSERT_NE(CControllerGame::popUp, nullptr);
            EXPECT_EQ(CControllerGame::popUp->request.id, d.notice);
            CControllerGame::popUp->GUICallback(0, 0);
            Turn(5);
        }
        EXPECT_EQ(CControllerGame::popUp, nullptr);
        EXPECT_EQ(CController::focus, CControllerGame::game);
        d.check();
        EXPECT_EQ(Kept("PROFILE1v8.DAT.BAD1"), d.notice != 0);
        Leave();

        // The next visit goes on without a word.
        Turn(60);
        ASSERT_NE(Play(), nullptr);
        EXPECT_EQ(CControllerGame::popUp, nullptr);
        Leave();
        CloseMenu();
    }
}
