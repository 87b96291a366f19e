// The ending page: what it counts and awards however briefly it shows, and
// the whole voyage from the finished ship to the band's next island.
#include "CControllerMainRoad.h"

#include "CBuilding.h"
#include "CControllerEndStory.h"
#include "CControllerTrophies.h"
#include "CControllerTrophyUnlock.h"
#include "CGuiButton.h"
#include "CPerson.h"
#include "CResources.h"

namespace {

constexpr int kVoyager = 0x800000, kExplorer = 0x4;
constexpr int kButtonsY = 547, kSelectX = 499, kNextX = 703;

class EndStoryTest : public ScreenRoadTest {
protected:
    void SetUp() override
    {
        ScreenRoadTest::SetUp();
        CBuilding::setSail = false;
        while (!CControllerTrophies::trophyUnlockQueue.empty()) {
            CControllerTrophies::trophyUnlockQueue.pop();
        }
    }

    void TearDown() override
    {
        CBuilding::setSail = false;
        ScreenRoadTest::TearDown();
    }

    static int Int(int property) { return CProfile::current->GetValue<int>(property); }

    static size_t Queued() { return CControllerTrophies::trophyUnlockQueue.size(); }

    // Settles on the island the chooser shows, answering its first question.
    CControllerGame* Settle()
    {
        ClickAt(kSelectX, kButtonsY);
        if (CController::focus == CControllerIslandSelect::popUp) {
            CControllerIslandSelect::popUp->GUICallback(0, 0);
            Turn();
        }
        return dynamic_cast<CControllerGame*>(CController::focus);
    }
};

// Each ending also leaves the screen as it found it: none of its pictures,
// texts or buttons stay behind to be drawn over what comes next.
TEST_F(EndStoryTest, EveryEndingIsCountedAndTheFifthAlsoMakesAnExplorer)
{
    const int sailings = Int(59), endings = Int(74);
    for (int ending = 1; ending <= 6; ending++) {
        SCOPED_TRACE(ending);
        const size_t queued = Queued();
        const std::vector<CSprite*> before = resources.Renderer().Sprites();
        root.Open<CControllerEndStory>();
        EXPECT_GT(resources.Renderer().Sprites().size(), before.size());
        Key(SDLK_ESCAPE);
        Turn();
        EXPECT_EQ(root.handBacks, ending) << "Escape closes it at once";
        EXPECT_EQ(resources.Renderer().Sprites(), before);
        EXPECT_EQ(Int(59), sailings + ending);
        EXPECT_EQ(Int(74), endings + ending);
        EXPECT_TRUE(CControllerTrophies::IsTrophyComplete(kVoyager));
        EXPECT_EQ(CControllerTrophies::IsTrophyComplete(kExplorer), ending >= 5);
        EXPECT_EQ(Queued() - queued, ending == 1 || ending == 5 ? 1u : 0u) << "each trophy is announced once";
    }
}

TEST_F(EndStoryTest, TheShipSailsTheBandOnToANewIslandWithEmptyStoresAndItsTrophiesAnnounced)
{
    CProfile::current->SetValue<bool>(67, false);
    CControllerIslandSelect* chooser = root.Open<CControllerIslandSelect>(true);
    Turn();
    CControllerGame* game = Settle();
    ASSERT_NE(game, nullptr);
    const size_t band = CPerson::people.size();
    const unsigned int first = CProfile::current->GetValue<unsigned int>(46);
    Turn(5);
    CResources* stock = CControllerGame::Resources();
    stock->wood = 30;
    stock->rock = 20;
    stock->food[0] = 9;

    CBuilding::setSail = true;
    Turn();
    ASSERT_NE(CControllerGame::endStory, nullptr);
    EXPECT_EQ(CController::focus, CControllerGame::endStory);
    EXPECT_FALSE(CBuilding::setSail);
    CGuiButton* sail = CControllerGame::endStory->continueButton;
    ClickAt(sail->x + sail->GetW() / 2, sail->y + sail->GetH() / 2);
    EXPECT_EQ(CControllerGame::endStory, nullptr);
    EXPECT_TRUE(CControllerIslandSelect::movingTarrow);
    Turn(2);
    ASSERT_EQ(CController::focus, chooser) << "the game screen closed for the voyage";
    EXPECT_TRUE(chooser->spritesLoaded);

    ClickAt(kNextX, kButtonsY);
    game = Settle();
    ASSERT_NE(game, nullptr);
    EXPECT_FALSE(CControllerIslandSelect::movingTarrow);
    EXPECT_EQ(CPerson::people.size(), band) << "the same band";
    EXPECT_NE(CProfile::current->GetValue<unsigned int>(46), first);
    stock = CControllerGame::Resources();
    EXPECT_EQ(stock->GetWood(), 0);
    EXPECT_EQ(stock->GetRock(), 0);
    EXPECT_EQ(stock->GetFood(-1), 0);

    CControllerTrophyUnlock* announced = TurnUntil<CControllerTrophyUnlock>(60);
    ASSERT_NE(announced, nullptr);
    EXPECT_EQ(announced->trophy, 23);
    Key(SDLK_ESCAPE);
    Turn(2);
    EXPECT_EQ(CController::focus, game);
}

}  // namespace
