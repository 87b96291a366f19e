// A saved game that cannot be made again, continued through the play button:
// the player is told in the game's own notice on every visit, the game stays
// as it was saved (with one copy kept beside the profile) and a new island
// settled on replaces it.
#include "CControllerMainRoad.h"

#include "CControllerPopUp.h"
#include "CPerson.h"

#include <filesystem>
#include <functional>
#include <string>

namespace {

constexpr int kLostGameNotice = 12120;
constexpr int kBirthsKey = 52, kTrophiesKey = 65;

class LostGameRoadTest : public ScreenRoadTest {
protected:
    // A new game on the chooser's island, played a little and left.
    void SettleAndLeave()
    {
        ClickAt(499, 547);
        if (CController::focus == CControllerIslandSelect::popUp) {
            CControllerIslandSelect::popUp->GUICallback(0, 0);
            Turn();
        }
        ASSERT_NE(dynamic_cast<CControllerGame*>(CController::focus), nullptr);
        Turn(10);
        CController::focus->ShutDown(1);
        Turn(3);
        ASSERT_EQ(root.child, nullptr);
    }

    // The play button with a game under way.
    void Play()
    {
        root.Open<CControllerIslandSelect>(false);
        Turn();
    }

    // The notice comes up over the chooser; the player reads it and closes it.
    void ExpectNoticeAndCloseIt()
    {
        ASSERT_EQ(CControllerGame::game, nullptr);
        TurnUntil<CControllerPopUp>(5);
        ASSERT_NE(CControllerIslandSelect::popUp, nullptr);
        ASSERT_EQ(CController::focus, CControllerIslandSelect::popUp);
        EXPECT_EQ(CControllerIslandSelect::popUp->request.id, kLostGameNotice);
        CControllerIslandSelect::popUp->GUICallback(0, 0);
        Turn();
        ASSERT_EQ(CController::focus, root.child);
        EXPECT_TRUE(static_cast<CControllerIslandSelect*>(root.child)->spritesLoaded);
    }

    // Back to the main menu, which saves.
    void BackToTheMenu()
    {
        root.child->ShutDown(0);
        Turn();
        CProfile::current->SaveHeader();
    }

    bool Kept(const char* slot) const { return std::filesystem::exists(folder.File(std::string("userdata/") + slot)); }

    // Rewrites the saved band's type tag in the profile file as another
    // record's of the same length, with the checksum made to hold again.
    void RetagBandInFile()
    {
        std::string bytes = folder.Read("userdata/PROFILE1v8.DAT");
        const size_t at = bytes.find("11person_data");
        ASSERT_NE(at, std::string::npos);
        bytes.replace(at, 13, "11flower_data");
        const int sum = CProfile::ComputeChecksum(bytes.data() + 4, bytes.size() - 4);
        for (int i = 0; i < 4; i++) {
            bytes[i] = static_cast<char>((static_cast<uint32_t>(sum) >> (8 * i)) & 0xFF);
        }
        folder.Write("userdata/PROFILE1v8.DAT", bytes);
    }
};


}  // namespace

TEST_F(LostGameRoadTest, AGameThatCannotBeMadeAgainIsReportedOnEveryVisitUntilANewIslandReplacesIt)
{
    struct Damage {
        const char* what;
        std::function<void()> damage;
        bool bandInStore;  // the store still holds the band's records
    };
    const Damage damages[] = {
        {"a seed the generator turns down",
         [] {
             CProfile::current->SetValue<unsigned int>(1, 12345u);
             CProfile::current->SaveHeader();
         },
         true},
        {"the band's records under another record's type",
         [this] {
             CProfile::current->SaveHeader();
             RetagBandInFile();
         },
         false},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        std::filesystem::remove_all(folder.File("userdata"));
        std::filesystem::create_directories(folder.File("userdata"));
        CProfile::current->CreateNewProfile(false);
        CProfile::current->SetValue<bool>(7, false);
        root.Open<CControllerIslandSelect>(true);
        Turn();
        SettleAndLeave();
        CProfile::current->SetValue<int>(kBirthsKey, 5);
        CProfile::current->SetValue<int>(kTrophiesKey, 0x41);
        d.damage();
        CProfile::current->Load(0);
        const unsigned int seed = CProfile::current->GetValue<unsigned int>(1);
        const size_t band = d.bandInStore ? CProfile::current->GetVectorValue<person_data>(4).size() : 0;

        for (int visit = 0; visit < 2; visit++) {
            SCOPED_TRACE(visit);
            Play();
            ExpectNoticeAndCloseIt();
            EXPECT_TRUE(CProfile::current->GetValue<bool>(31));
            EXPECT_EQ(CProfile::current->GetValue<unsigned int>(1), seed);
            if (d.bandInStore) {
                EXPECT_EQ(CProfile::current->GetVectorValue<person_data>(4).size(), band);
            }
            EXPECT_EQ(CProfile::current->GetValue<int>(kBirthsKey), 5);
            EXPECT_EQ(CProfile::current->GetValue<int>(kTrophiesKey), 0x41);
            BackToTheMenu();
            CProfile::current->Load(0);
        }
        EXPECT_TRUE(Kept("PROFILE1v8.DAT.BAD1"));
        EXPECT_FALSE(Kept("PROFILE1v8.DAT.BAD2")) << "one copy of one lost game";

        // The notice once more, then a new island in place of the lost game.
        Play();
        ExpectNoticeAndCloseIt();
        SettleAndLeave();
        EXPECT_TRUE(CProfile::current->GetValue<bool>(31));
        EXPECT_TRUE(CProfile::current->SavedGameComplete());
        EXPECT_NE(CProfile::current->GetValue<unsigned int>(1), seed);
        EXPECT_EQ(CProfile::current->GetVectorValue<person_data>(4).size(), 7u);
        EXPECT_EQ(CProfile::current->GetValue<int>(kTrophiesKey) & 0x41, 0x41);
        CProfile::current->SaveHeader();
        CProfile::current->Load(0);
        Play();
        EXPECT_NE(CControllerGame::game, nullptr) << "the new game continues";
        for (int closes = 0; root.child && CController::focus != &root && closes < 5; closes++) {
            CController::focus->ShutDown(CController::focus == root.child ? 0 : 1);
            Turn(3);
        }
    }
}
