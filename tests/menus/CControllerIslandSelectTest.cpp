#include "CControllerMainRoad.h"

#include "CControllerPopUp.h"
#include "CPerson.h"
#include "CResources.h"
#include "CTutorialDialog.h"
#include "Screenshot.h"

#include <cstdint>

namespace {

constexpr int kBackX = 133, kButtonsY = 547;
constexpr int kPreviousX = 340, kSelectX = 499, kNextX = 703;

class IslandSelectTest : public ScreenRoadTest {
protected:
    CControllerIslandSelect* Open(bool afterStory = true)
    {
        chooser = root.Open<CControllerIslandSelect>(afterStory);
        Turn();
        return chooser;
    }

    void Type(const char* digits)
    {
        for (const char* c = digits; *c; c++) {
            Key(*c);
        }
        Turn();
    }

    int MysteryPictures()
    {
        int count = 0;
        for (CSprite* sprite : chooser->mysterySprites) {
            count += sprite != nullptr;
        }
        return count;
    }

    // Settles on the island shown; a first island is asked about first.
    CControllerGame* Settle()
    {
        ClickAt(kSelectX, kButtonsY);
        if (CController::focus == CControllerIslandSelect::popUp) {
            EXPECT_EQ(CControllerIslandSelect::popUp->request.id, 12300);
            CControllerIslandSelect::popUp->GUICallback(0, 0);
            Turn();
        }
        return dynamic_cast<CControllerGame*>(CController::focus);
    }

    CControllerIslandSelect* chooser = nullptr;
};

TEST_F(IslandSelectTest, ATypedNumberGivesItsIslandOneNameAndItsMysteriesEveryTime)
{
    Open();
    ASSERT_NE(CControllerGame::island, nullptr);
    EXPECT_NE(chooser->circle, nullptr) << "the first islands ring the next button";
    Type("12345");
    EXPECT_TRUE(chooser->typing);
    Key(SDLK_RETURN);
    Turn();
    EXPECT_EQ(chooser->GetIslandNum(), 12345u);
    EXPECT_FALSE(chooser->typing);
    int nameId = 0, prefixId = 0;
    CControllerIslandSelect::IslandName(12345u, nameId, prefixId);
    EXPECT_EQ(CProfile::current->GetValue<int>(47), nameId);
    EXPECT_EQ(CProfile::current->GetValue<int>(48), prefixId);
    EXPECT_GE(nameId, 6600);
    EXPECT_LE(nameId, 6944);
    EXPECT_GE(prefixId, 6500);
    EXPECT_LE(prefixId, 6506);
    int mysteries = 0;
    for (CMysteriousObject* mystery : CControllerGame::island->mysteries) {
        mysteries += mystery != nullptr;
    }
    EXPECT_EQ(MysteryPictures(), mysteries) << "an absent mystery leaves its place empty";

    // Onward to a fresh island, back to the typed one: the same name again.
    ClickAt(kNextX, kButtonsY);
    EXPECT_NE(chooser->GetIslandNum(), 12345u);
    ClickAt(kPreviousX, kButtonsY);
    EXPECT_EQ(chooser->GetIslandNum(), 12345u);
    EXPECT_EQ(CProfile::current->GetValue<int>(47), nameId);
    EXPECT_EQ(MysteryPictures(), mysteries);
}

TEST_F(IslandSelectTest, TypingStopsAtTheLargestNumberAndReturnWithNothingNewStays)
{
    Open();
    const uint32_t first = chooser->GetIslandNum();
    Type("4294967295");
    EXPECT_EQ(chooser->typed, 4294967295u);
    Type("1");
    EXPECT_EQ(chooser->typed, 4294967295u) << "one digit more does not fit";
    Key(SDLK_BACKSPACE);
    Turn();
    EXPECT_EQ(chooser->typed, 429496729u);
    for (int i = 0; i < 9; i++) {
        Key(SDLK_BACKSPACE);
    }
    Turn();
    EXPECT_EQ(chooser->typed, 0u);
    Key(SDLK_RETURN);
    Turn();
    EXPECT_EQ(chooser->GetIslandNum(), first) << "nothing typed: no travel";

    // Previous on the first island of the history stays; Escape does nothing.
    ClickAt(kPreviousX, kButtonsY);
    EXPECT_EQ(chooser->GetIslandNum(), first);
    Key(SDLK_ESCAPE);
    Turn();
    EXPECT_EQ(CController::focus, chooser);
}

TEST_F(IslandSelectTest, DuringTheTravelScanOnlyBackIsHeard)
{
    CProfile::current->SetValue<bool>(7, true);
    Open();
    ClickAt(kNextX, kButtonsY);
    ASSERT_TRUE(CControllerGame::island->ScanningForIsland());
    const uint32_t shown = chooser->GetIslandNum();
    ClickAt(kNextX, kButtonsY);
    ClickAt(kPreviousX, kButtonsY);
    ClickAt(kSelectX, kButtonsY);
    EXPECT_EQ(CController::focus, chooser) << "no question, no game";
    EXPECT_EQ(chooser->GetIslandNum(), shown);
    ClickAt(kBackX, kButtonsY);
    EXPECT_EQ(root.handBacks, 1);
}

// The whole first game: a new band of seven on the island settled on; after
// an ending the band sails on to the next island with its dust but without
// its wood, rock and food, and back is refused until it has landed.
TEST_F(IslandSelectTest, TheBandSettlesAndAfterAnEndingSailsOnWithOnlyItsDust)
{
    Open();
    CControllerGame* game = Settle();
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(CPerson::people.size(), 7u);
    const unsigned int first = CProfile::current->GetValue<unsigned int>(46);
    EXPECT_EQ(CControllerGame::island->GetCurrentSeed(), first);
    Turn(5);
    CResources* stock = CControllerGame::Resources();
    stock->wood = 30;
    stock->rock = 20;
    stock->food[0] = 9;
    stock->stardust = 12;
    stock->moondust = 3;

    CControllerIslandSelect::movingTarrow = true;
    game->ShutDown(0);
    Turn();
    ASSERT_EQ(CController::focus, chooser);
    ASSERT_TRUE(chooser->spritesLoaded);
    ClickAt(kBackX, kButtonsY);
    EXPECT_EQ(CController::focus, chooser) << "the band is at sea";
    EXPECT_EQ(root.handBacks, 0);
    ClickAt(kNextX, kButtonsY);
    ASSERT_NE(Settle(), nullptr);
    EXPECT_FALSE(CControllerIslandSelect::movingTarrow);
    EXPECT_EQ(CPerson::people.size(), 7u) << "the same band";
    EXPECT_NE(CProfile::current->GetValue<unsigned int>(46), first);
    stock = CControllerGame::Resources();
    EXPECT_EQ(stock->GetWood(), 0);
    EXPECT_EQ(stock->GetRock(), 0);
    EXPECT_EQ(stock->GetFood(-1), 0);
    EXPECT_EQ(stock->GetStardust(), 12);
    EXPECT_EQ(stock->GetMoondust(), 3);
}

// The play button with a game under way: the stored island at once.
TEST_F(IslandSelectTest, TheDirectRoadReopensTheStoredIslandUnderItsName)
{
    Open();
    ASSERT_NE(Settle(), nullptr);
    const unsigned int seed = CControllerGame::island->GetCurrentSeed();
    CController::focus->ShutDown(1);  // the game and the chooser close
    Turn(3);
    ASSERT_EQ(root.child, nullptr);
    ASSERT_TRUE(CProfile::current->GetValue<bool>(31));
    EXPECT_EQ(CControllerGame::island, nullptr);

    chooser = root.Open<CControllerIslandSelect>(false);
    EXPECT_FALSE(chooser->spritesLoaded) << "the direct road draws nothing";
    Turn();
    ASSERT_NE(dynamic_cast<CControllerGame*>(CController::focus), nullptr);
    EXPECT_EQ(CControllerGame::island->GetCurrentSeed(), seed);
    int nameId = 0, prefixId = 0;
    CControllerIslandSelect::IslandName(seed, nameId, prefixId);
    EXPECT_EQ(CProfile::current->GetValue<int>(47), nameId);
    EXPECT_EQ(CProfile::current->GetValue<unsigned int>(46), seed);
}

// A window close while the chooser, its question or the game is up: every
// screen closes, the game stores its island, and no new island is made.
TEST_F(IslandSelectTest, AWindowCloseAtAnyDepthClosesEverythingAndMakesNoIsland)
{
    for (int depth = 0; depth < 3; depth++) {
        CController::running = true;
        root.GotFocus(nullptr, true);
        Open();
        if (depth == 1) {
            CProfile::current->SetValue<int>(36, 0);  // a first island is asked about
            ClickAt(kSelectX, kButtonsY);
            ASSERT_EQ(CController::focus, CControllerIslandSelect::popUp);
        } else if (depth == 2) {
            ASSERT_NE(Settle(), nullptr);
            Turn(3);
        }
        CloseWindow();
        for (int i = 0; i < 6 && CController::running; i++) {
            Turn();
        }
        EXPECT_FALSE(CController::running) << depth;
        EXPECT_EQ(root.child, nullptr);
        EXPECT_EQ(CControllerGame::island, nullptr) << depth;
        EXPECT_EQ(CControllerIslandSelect::popUp, nullptr);
        EXPECT_EQ(CControllerGame::game, nullptr);
    }
    EXPECT_TRUE(CProfile::current->GetValue<bool>(31)) << "the game stored its island";
}

// The chooser as a player first sees it, with the island's name, number
// and mysteries; its layout is checked as it is saved.
struct ChooserScene : IslandSelectTest {
    void TestBody() override {}

    int Draw(const std::string& path)
    {
        SetUp();
        Open();
        PointAt(kSelectX, kButtonsY);
        Turn(3);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
        const int missing = (chooser->nameSprite == nullptr) + (chooser->numberSprite == nullptr) + (MysteryPictures() == 0);
        TearDown();
        return missing;
    }
};

}  // namespace

TEST(IslandChooserOnX, ShowsAFreshIslandWithItsNameAndMysteries)
{
    ScreenshotOnX("IslandChooser-x11.png", [](const std::string& path) { return ChooserScene().Draw(path); });
}
