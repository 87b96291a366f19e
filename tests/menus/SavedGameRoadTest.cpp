// Saved games that the play button must continue: a first game killed after
// its autosave, and saves whose game flag, band copy or graves were damaged
// outside the game. Each is a profile file on disk, loaded as at a start and
// played from the main menu's play button.
#include "CControllerMainRoad.h"

#include "CControllerPopUp.h"
#include "CFlowerIndicator.h"
#include "CPerson.h"
#include "CTombstone.h"
#include "CTreeIndicator.h"
#include "ChildProcess.h"
#include "LayoutCheck.h"
#include "TestBytes.h"
#include "Utilities.h"

#include <csignal>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace {

constexpr int kButtonX = 680, kPlayY = 195, kNewGameY = 258;
constexpr int kNewGameQuestion = 12100;
constexpr int kLostGameNotice = 12120, kRecordsGivenUpNotice = 12128, kCopiesDifferNotice = 12129;
constexpr int kProfileLostNotice = 12132;
constexpr int kAutosaveFrames = 3600;

class SavedGameRoadTest : public ScreenRoadTest {
protected:
    std::string UserFile(const std::string& name) const { return folder.File("userdata/" + name); }
    std::string Corpus(const std::string& name) const
    {
        return std::string(PALMORA_SOURCE_DIR) + "/tests/fuzz/corpus/game/" + name;
    }
    bool Logged(const std::string& line) const { return folder.Read("LOG.TXT").find(line) != std::string::npos; }
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

// Saves damaged outside the game in what a game keeps beside its island, as
// the whole-game fuzz target starts from them: the play button continues
// the game, the player is told once what was lost (over the menu when a
// key's copies differ, in the game when records were given up; never twice
// for one damage), and the damaged file is kept.
TEST_F(SavedGameRoadTest, ADamagedGameFlagBandCopyOrGravesStillLetsPlayContinueTheGame)
{
    struct Damage {
        const char* file;
        int menuNotice, gameNotice;  // 0: none
        std::function<void()> check;
    };
    const auto noGravesNorMarkers = [] {
        EXPECT_EQ(CPerson::people.size(), 7u);
        EXPECT_TRUE(CTombstone::tombstones.empty());
        EXPECT_TRUE(CFlowerIndicator::flowerData.empty());
        EXPECT_TRUE(CTreeIndicator::treeData.empty());
    };
    const Damage damages[] = {
        {"game-flag-under-another-type.DAT", 0, 0, [] { EXPECT_EQ(CPerson::people.size(), 7u); }},
        {"graves-of-an-unknown-type.DAT", 0, kRecordsGivenUpNotice,
         [] {
             EXPECT_EQ(CPerson::people.size(), 7u);
             EXPECT_TRUE(CTombstone::tombstones.empty());
         }},
        {"graves-stored-twice-first-unreadable.DAT", 0, kRecordsGivenUpNotice,
         [] {
             EXPECT_EQ(CPerson::people.size(), 7u);
             EXPECT_TRUE(CTombstone::tombstones.empty()) << "the first copy is the one kept";
         }},
        {"markers-flowers-saplings-graves-of-negative-sizes.DAT", 0, kRecordsGivenUpNotice, noGravesNorMarkers},
        {"band-stored-twice.DAT", kCopiesDifferNotice, 0,
         [] { EXPECT_TRUE(CPerson::people.empty()) << "the first record is the one kept"; }},
        {"markers-flowers-saplings-graves-out-of-range.DAT", 0, kRecordsGivenUpNotice,
         [this] {
             EXPECT_EQ(CPerson::people.size(), 7u);
             EXPECT_EQ(CTombstone::tombstones.size(), 1u);
             EXPECT_EQ(CFlowerIndicator::flowerData.size(), 1u);
             EXPECT_EQ(CTreeIndicator::treeData.size(), 1u);
             for (const char* kind : {"flowers", "flower markers", "saplings", "graves"}) {
                 EXPECT_TRUE(Logged(std::string("Saved ") + kind +
                                    " that could not be read were given up one by one: 1 in " +
                                    UserFile("PROFILE1v8.DAT")))
                     << kind;
             }
             EXPECT_TRUE(Logged("Records were left out of the island; the profile is kept beside its file as it "
                                "was: " + UserFile("PROFILE1v8.DAT")));
             // The copy holds the grave given up, the game's next save not.
             const float place[] = {std::numeric_limits<float>::quiet_NaN(), 3028.0f};
             const std::string grave(reinterpret_cast<const char*>(place), sizeof place);
             EXPECT_NE(ReadBytes(UserFile("PROFILE1v8.DAT.BAD1")).find(grave), std::string::npos);
             CControllerGame::island->SaveMap();
             CProfile::current->SaveHeader();
             EXPECT_EQ(ReadBytes(UserFile("PROFILE1v8.DAT")).find(grave), std::string::npos);
         }},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.file);
        std::filesystem::remove_all(folder.File("userdata"));
        std::filesystem::create_directories(folder.File("userdata"));
        std::filesystem::copy_file(Corpus(d.file), UserFile("PROFILE1v8.DAT"));
        CProfile::current->LoadHeader(0);
        // Back the moment it was left: time away is another subject.
        CProfile::current->SetValue<long>(33, GetCurrentTime());
        CProfile::current->SetValue<bool>(67, false);
        ASSERT_TRUE(CProfile::current->HasValue(1)) << "the file itself loads";
        const unsigned int seed = CProfile::current->GetValue<unsigned int>(1);

        OpenMenu();
        if (d.menuNotice) {
            ASSERT_EQ(CController::focus, CControllerMain::notice);
            EXPECT_EQ(CControllerMain::notice->request.id, d.menuNotice);
            CControllerMain::notice->GUICallback(0, 0);
            Turn(60);
        }
        ASSERT_EQ(CController::focus, menu);
        ASSERT_NE(Play(), nullptr) << "a game under way goes on";
        EXPECT_EQ(CControllerGame::island->GetCurrentSeed(), seed);
        if (d.gameNotice) {
            ASSERT_NE(CControllerGame::popUp, nullptr);
            EXPECT_EQ(CControllerGame::popUp->request.id, d.gameNotice);
            CControllerGame::popUp->GUICallback(0, 0);
            Turn(5);
        }
        EXPECT_EQ(CControllerGame::popUp, nullptr);
        EXPECT_EQ(CController::focus, CControllerGame::game);
        d.check();
        EXPECT_EQ(Kept("PROFILE1v8.DAT.BAD1"), d.menuNotice != 0 || d.gameNotice != 0);
        Leave();

        // The next visit goes on without a word.
        Turn(60);
        ASSERT_EQ(CController::focus, menu);
        ASSERT_NE(Play(), nullptr);
        EXPECT_EQ(CControllerGame::popUp, nullptr);
        Leave();
        CloseMenu();
        EXPECT_FALSE(Kept("PROFILE1v8.DAT.BAD2"));
    }
}

// A key stored more than once whose copies differ is told of over the menu,
// once, before the play button can lead anywhere: here the first copy of the
// game flag says no game is under way, so play tells a new game's story and
// the chooser would make a new island over the one saved.
TEST_F(SavedGameRoadTest, CopiesOfAKeyThatDifferAreToldOverTheMenuBeforePlayCanLeadToANewIsland)
{
    const auto start = [this] {
        std::filesystem::copy_file(Corpus("game-flag-stored-three-times-false-first.DAT"),
                                   UserFile("PROFILE1v8.DAT"), std::filesystem::copy_options::overwrite_existing);
        CProfile::current->LoadHeader(0);
    };
    start();
    EXPECT_FALSE(CProfile::current->GetValue<bool>(31));
    EXPECT_TRUE(Logged("Profile key 31 was stored more than once and its copies differ: the first, 0 as \"b\", was "
                       "kept and a later one, 1 as \"b\", left out in " + UserFile("PROFILE1v8.DAT")));
    EXPECT_TRUE(Kept("PROFILE1v8.DAT.BAD1"));

    // Play pressed as soon as the menu shows, before its buttons settle.
    menu = root.Open<CControllerMain>();
    Turn();
    menu->GUICallback(CControllerMain::kPlay, 0);
    ASSERT_EQ(CController::focus, CControllerMain::notice);
    EXPECT_EQ(CControllerMain::notice->request.id, kCopiesDifferNotice);
    EXPECT_EQ(CControllerMain::notice->cancelButton, nullptr) << "a notice, not a question";
    EXPECT_EQ(CControllerMain::introStory, nullptr);
    CControllerMain::notice->GUICallback(0, 0);
    Turn(60);
    EXPECT_EQ(CController::focus, menu) << "told once";

    // Found again at a later start, it waits for the menu to settle.
    start();
    Turn(60);
    ASSERT_EQ(CController::focus, CControllerMain::notice);
    EXPECT_EQ(CControllerMain::notice->request.id, kCopiesDifferNotice);
    for (const std::string& problem : LayoutProblems()) {
        ADD_FAILURE() << problem;
    }
    SaveRedrawnScreen(ScreenshotPath("MainMenu-CopiesDiffer-dummy.png"));
    CControllerMain::notice->GUICallback(0, 0);
    Turn(60);
    ASSERT_EQ(CController::focus, menu);
    EXPECT_EQ(Play(), nullptr);
    EXPECT_EQ(CController::focus, CControllerMain::introStory) << "no game is under way, as the first copy says";
    EXPECT_FALSE(Kept("PROFILE1v8.DAT.BAD2")) << "the same damage is kept once";
    menu->ShutDown(-1);
    Turn(3);
}

// A band whose records claim a negative size, and a first game's mark left
// beside no band: either way the game under way cannot be made again. The
// play button leads to the chooser, which says so, with the game kept.
TEST_F(SavedGameRoadTest, ABandOfANegativeSizeOrAFirstGameWithoutItsBandIsALostGameToldByTheChooser)
{
    for (const char* file : {"band-of-a-negative-size.DAT", "first-game-mark-without-its-band.DAT"}) {
        SCOPED_TRACE(file);
        std::filesystem::remove_all(folder.File("userdata"));
        std::filesystem::create_directories(folder.File("userdata"));
        std::filesystem::copy_file(Corpus(file), UserFile("PROFILE1v8.DAT"));
        CProfile::current->LoadHeader(0);
        EXPECT_TRUE(Logged("No saved copy of the profile holds a game that loads; the game stays until a new island "
                           "replaces it: " + UserFile("PROFILE1v8.DAT")));
        EXPECT_TRUE(ReadBytes(UserFile("PROFILE1v8.DAT.BAD1")) == ReadBytes(Corpus(file)));

        OpenMenu();
        ASSERT_EQ(CController::focus, menu) << "nothing to tell over the menu";
        EXPECT_EQ(Play(), nullptr);
        ASSERT_NE(TurnUntil<CControllerPopUp>(5), nullptr);
        ASSERT_EQ(CController::focus, CControllerIslandSelect::popUp);
        EXPECT_EQ(CControllerIslandSelect::popUp->request.id, kLostGameNotice);
        CControllerIslandSelect::popUp->GUICallback(0, 0);
        Turn();
        EXPECT_FALSE(Kept("PROFILE1v8.DAT.BAD2")) << "the game is kept once";
        CController::focus->ShutDown(0);
        Turn(3);
        ASSERT_EQ(CController::focus, menu);
        CloseMenu();
    }
}

// A profile none of whose copies reads starts again as a new player: the
// menu says so once, in a notice whose okay resets nothing, the play button
// then tells the story of a new game, and the damaged files stay as copies.
TEST_F(SavedGameRoadTest, AProfileUnreadableInEveryCopyIsToldOfOverTheMenuOnceBeforeANewGame)
{
    CProfile::current->SetActiveProfileName("Ana");
    CProfile::current->SaveHeader();
    const std::string damaged = ReadBytes(Corpus("band-length-past-the-end.DAT"));
    for (const std::string suffix : {"", ".BAKS", ".BAKL"}) {
        std::filesystem::copy_file(Corpus("band-length-past-the-end.DAT"), UserFile("PROFILE1v8.DAT" + suffix),
                                   std::filesystem::copy_options::overwrite_existing);
    }
    CProfile::current->LoadHeader(0);
    EXPECT_TRUE(Logged("No copy of the profile could be read; it starts again as a new one, its damaged files kept "
                       "beside it: " + UserFile("PROFILE1v8.DAT")));

    OpenMenu();
    ASSERT_NE(CControllerMain::notice, nullptr);
    ASSERT_EQ(CController::focus, CControllerMain::notice);
    EXPECT_EQ(CControllerMain::popUp, nullptr) << "apart from the new-game question";
    EXPECT_EQ(CControllerMain::notice->request.id, kProfileLostNotice);
    EXPECT_EQ(CControllerMain::notice->request.insert[0], "Ana");
    EXPECT_EQ(CControllerMain::notice->cancelButton, nullptr) << "a notice, not a question";
    for (const std::string& problem : LayoutProblems()) {
        ADD_FAILURE() << problem;
    }
    SaveRedrawnScreen(ScreenshotPath("MainMenu-ProfileLost-dummy.png"));
    CControllerMain::notice->GUICallback(0, 0);
    Turn(60);
    EXPECT_EQ(CController::focus, menu) << "told once";
    EXPECT_EQ(CControllerMain::notice, nullptr);
    EXPECT_EQ(CControllerMain::introStory, nullptr);

    EXPECT_EQ(Play(), nullptr);
    EXPECT_EQ(CController::focus, CControllerMain::introStory) << "no game is under way";
    menu->ShutDown(-1);
    Turn(3);
    for (const std::string suffix : {"", ".BAKS", ".BAKL"}) {
        EXPECT_TRUE(ReadBytes(UserFile("PROFILE1v8.DAT" + suffix + ".BAD1")) == damaged) << suffix;
    }
}
