#include "CControllerGameFixture.h"

#include "CControllerBuild.h"
#include "CControllerClothes.h"
#include "CControllerLab.h"
#include "CControllerMap.h"
#include "CControllerPersonDetail.h"
#include "CControllerScience.h"
#include "CControllerTrophies.h"
#include "CControllerTrophyUnlock.h"
#include "CPerson.h"
#include "CRenderer.h"
#include "CResources.h"
#include "CSidebar.h"
#include "tests/islanders/IslanderRecords.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kYear = 172800;

}  // namespace

TEST_F(GameScreenTest, TheArrowsStepThroughTheBandAndTheSearchesPickTheRightIslander)
{
    CControllerGame& game = Open(kFixedIslandSeeds[3]);
    for (CPerson* person : std::vector<CPerson*>(CPerson::people)) {
        delete person;
    }
    CPerson* man = new CPerson(IslanderRecord(1800, 1800, 40 * kYear));
    CPerson* girl = new CPerson(IslanderRecord(1900, 1900, 2 * kYear, 1));
    CPerson* boy = new CPerson(IslanderRecord(2000, 2000, 2 * kYear));
    CPerson* elder = new CPerson(IslanderRecord(2100, 2100, 70 * kYear, 1));

    EXPECT_EQ(CPerson::GetYoungest(-1), girl) << "the first listed on equal ages";
    EXPECT_EQ(CPerson::GetYoungest(0), boy);
    EXPECT_EQ(CPerson::GetOldestPerson(), 70);
    elder->dying = true;
    EXPECT_EQ(CPerson::GetOldestPerson(), 40);
    CPerson::SelectYoungest();
    EXPECT_EQ(CObject::selectedObject, girl);

    game.GUICallback(18, 0);
    EXPECT_EQ(CObject::selectedObject, boy);
    game.GUICallback(18, 0);
    game.GUICallback(18, 0);
    EXPECT_EQ(CObject::selectedObject, man) << "next wraps from the last to the first";
    game.GUICallback(17, 0);
    EXPECT_EQ(CObject::selectedObject, elder) << "previous wraps from the first to the last";
    EXPECT_TRUE(CControllerGame::island->IsCenteringScreen());

    CObject::selectedObject = new FakeObject();
    game.GUICallback(18, 0);
    EXPECT_FALSE(CObject::selectedObject->isPerson) << "only an islander steps";
    CPerson::SelectAnAdult();
    EXPECT_EQ(CObject::selectedObject, man);

    CPerson stranger(IslanderRecord(0, 0, 30 * kYear));
    CPerson::people.pop_back();
    EXPECT_EQ(CPerson::GetNextPerson(&stranger), nullptr);
    CPerson::people.push_back(&stranger);

    CControllerGame::island->StopCenteringScreen();
    CPerson::CenterOnClosestAdult();
    EXPECT_TRUE(CControllerGame::island->IsCenteringScreen());
}

TEST_F(GameScreenTest, EveryChildScreenComesBackInTheFixedOrderAndIsDeleted)
{
    CControllerGame& game = Open();
    CPerson* adult = new CPerson(IslanderRecord(200, 300, 30 * kYear));
    auto escape = [] {
        CController::focus->InputKey(true, SDLK_ESCAPE);
        Frame();
    };
    // Closes the focused child as its own buttons would, keeping its result.
    auto finish = [] {
        CController::focus->ShutDown(0);
        Frame();
    };

    // The build menu keeps what it chose being placed; other children cancel it.
    game.GUICallback(3, 0);
    ASSERT_NE(game.buildMenu, nullptr);
    EXPECT_EQ(CController::focus, game.buildMenu);
    CObject::placingBuilding = 4;
    escape();
    EXPECT_EQ(game.buildMenu, nullptr);
    EXPECT_EQ(CController::focus, &game);
    EXPECT_EQ(CObject::placingBuilding, 4);
    CProfile::current->SetValue<unsigned int>(46, 1);  // the island chooser's number and name
    CProfile::current->SetValue<int>(47, 12300);
    CProfile::current->SetValue<int>(48, 0);
    game.GUICallback(19, 0);
    ASSERT_NE(CControllerGame::mapGUI, nullptr);
    escape();
    EXPECT_EQ(CControllerGame::mapGUI, nullptr);
    EXPECT_EQ(CObject::placingBuilding, -1);

    // Research asking for the lab opens it; the lab's potion is then held.
    game.GUICallback(4, 0);
    ASSERT_NE(game.scienceScreen, nullptr);
    game.scienceScreen->openLabOnClose = true;
    finish();
    EXPECT_EQ(game.scienceScreen, nullptr);
    ASSERT_NE(CControllerGame::lab, nullptr);
    EXPECT_EQ(CController::focus, CControllerGame::lab);
    CControllerGame::lab->potion = 3;
    CControllerGame::lab->flaskColour = RGBA_data{255, 0, 0, 255};
    finish();
    EXPECT_EQ(CControllerGame::lab, nullptr);
    EXPECT_EQ(game.heldPotion, 3);
    game.GUICallback(13, 0);  // any button loses the potion
    EXPECT_EQ(game.heldPotion, 0);

    // The detail screen asking for new clothes opens the designer; without
    // it the islander is selected again.
    CObject::selectedObject = adult;
    CControllerGame::sidebar->DetailButtonClicked();
    ASSERT_NE(CControllerGame::personGUI, nullptr);
    EXPECT_EQ(CControllerGame::personGUI->shownPerson, adult);
    CControllerGame::personGUI->changeClothes = 1;
    escape();
    ASSERT_NE(CControllerGame::clothes, nullptr);
    EXPECT_EQ(CControllerGame::clothes->person, adult);
    CObject::selectedObject = nullptr;
    CControllerGame::clothes->keepSelection = true;
    escape();
    EXPECT_EQ(CControllerGame::clothes, nullptr);
    EXPECT_EQ(CObject::selectedObject, adult);

    // The trophy pop-up and the map may both ask for the trophy room.
    CControllerGame::trophyUnlock = new CControllerTrophyUnlock(1);
    game.PassFocus(CControllerGame::trophyUnlock);
    CControllerGame::trophyUnlock->dismissed = false;
    finish();
    EXPECT_EQ(CControllerGame::trophyUnlock, nullptr);
    ASSERT_NE(CControllerGame::trophies, nullptr);
    escape();
    EXPECT_EQ(CControllerGame::trophies, nullptr);
    EXPECT_EQ(CController::focus, &game);

    // No finished science station: the potion button gives a notice.
    game.GUICallback(20, 0);
    ASSERT_NE(CControllerGame::popUp, nullptr);
    EXPECT_EQ(CControllerGame::popUp->request.id, 12160);
    EXPECT_EQ(CControllerGame::popUp->cancelButton, nullptr);
    escape();
    EXPECT_EQ(CControllerGame::popUp, nullptr);
}

// A child opened as another comes back (research to lab, islander to
// designer, trophy pop-up or map to trophy room) runs over the frozen island
// like any other: the island's own pictures are put aside while it runs and
// come back when it closes, each time round.
TEST_F(GameScreenTest, ASecondChildRunsOverTheFrozenIslandAndTheIslandComesBackAfterIt)
{
    CControllerGame& game = Open();
    CSprite* islandPicture = CControllerGame::sidebar->countTexts[0];
    auto drawn = [islandPicture] {
        const std::vector<CSprite*>& shown = CController::renderer->Sprites();
        return std::find(shown.begin(), shown.end(), islandPicture) != shown.end();
    };
    auto finish = [] {
        CController::focus->ShutDown(0);
        Frame();
    };
    ASSERT_TRUE(drawn());
    for (int round = 0; round < 2; round++) {
        game.GUICallback(4, 0);
        ASSERT_NE(game.scienceScreen, nullptr);
        game.scienceScreen->openLabOnClose = true;
        finish();
        ASSERT_NE(CControllerGame::lab, nullptr);
        EXPECT_TRUE(CController::renderer->Swapped()) << "round " << round;
        EXPECT_FALSE(drawn()) << "the island waits behind the lab";
        finish();
        EXPECT_EQ(CControllerGame::lab, nullptr);
        EXPECT_FALSE(CController::renderer->Swapped());
        EXPECT_TRUE(drawn()) << "the island is back after the lab";

        CControllerGame::trophyUnlock = new CControllerTrophyUnlock(1);
        CController::renderer->Swap();  // as the frame opens the pop-up
        game.PassFocus(CControllerGame::trophyUnlock);
        CControllerGame::trophyUnlock->dismissed = false;
        finish();
        ASSERT_NE(CControllerGame::trophies, nullptr);
        EXPECT_TRUE(CController::renderer->Swapped());
        EXPECT_FALSE(drawn());
        finish();
        EXPECT_FALSE(CController::renderer->Swapped());
        EXPECT_TRUE(drawn()) << "the island is back after the trophy room";
    }
}

TEST_F(GameScreenTest, DustButtonsHoldDustOnlyFromStock)
{
    CControllerGame& game = Open();
    game.GUICallback(0, 0);
    EXPECT_EQ(game.dustMode, 0) << "an empty stock refuses";
    CControllerGame::Resources()->AddMoondust(1);
    game.GUICallback(1, 0);
    EXPECT_EQ(game.dustMode, 2);
    game.GUICallback(17, 0);
    EXPECT_EQ(game.dustMode, 0) << "any button drops what is held";
}
