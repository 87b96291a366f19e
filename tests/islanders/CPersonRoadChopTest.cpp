#include "RoadFixture.h"

#include "CCrateBarrel.h"
#include "CMouseCursor.h"
#include "CPersonMovement.h"
#include "CSidebar.h"
#include "CTree.h"
#include "CDraw.h"
#include "CRenderer.h"
#include "CSprite.h"

namespace {

constexpr int kWoodStored = 55;

// A whole tree, not scenery, standing in the open.
CTree* WorkableTree(CMap& island)
{
    for (CTree* tree : island.trees) {
        if (!tree->IsScenery() && !tree->IsMysterious() && !tree->IsConsumed() && tree->GetFrameToShow() == 0) {
            return tree;
        }
    }
    return nullptr;
}

class ChopRoad : public RoadTest {
protected:
    // Lifts the man and lets go of him over the tree, both in view.
    void DropOnTree(CPerson* man, CTree* tree)
    {
        man->data.x = static_cast<float>(tree->GetX() + 60);
        man->data.y = static_cast<float>(tree->GetY() + 30);
        Lift(man);
        ASSERT_TRUE(man->IsPickedUp());
        const coordinate onTree = PointOn(tree);
        ASSERT_NE(onTree.x, -1) << "the tree shows in the view";
        ReleaseAt(onTree);
    }
};

}  // namespace

TEST_F(ChopRoad, AManDroppedOnATreeChopsItCarriesTheLogHomeAndGoesBackForMore)
{
    CPerson* man = Man();
    CTree* tree = WorkableTree(*island);
    ASSERT_TRUE(man && tree);
    man->PermitTask(2, false);
    const int wood = stock->GetWood();
    const int stored = CProfile::current->GetValue<int>(kWoodStored);
    const int skill = man->data.skills[2];

    man->data.x = static_cast<float>(tree->GetX() + 60);
    man->data.y = static_cast<float>(tree->GetY() + 30);
    Show(tree->GetX(), tree->GetY());
    const coordinate grip = ToScreen(Round(man->data.x) + 17, Round(man->data.y) + 20);
    MouseAt(grip.x, grip.y);
    game->InputMouseClick(true, false, false);
    ASSERT_EQ(game->pickupCandidate, man);
    game->InputMouseMove(grip.x + 1, grip.y);
    Frame();
    EXPECT_EQ(CMouseCursor::GetMouseY(), grip.y + 50) << "the pointer jumps below the grip";
    ASSERT_TRUE(man->IsPickedUp());

    const coordinate onTree = PointOn(tree);
    ASSERT_NE(onTree.x, -1);
    ReleaseAt(onTree);
    EXPECT_FALSE(man->IsPickedUp());
    EXPECT_TRUE(man->IsTaskPermitted(2));
    EXPECT_EQ(man->GetCurrentTask(), 2);
    EXPECT_EQ(man->targetTree, tree);
    EXPECT_TRUE(man->sentByPlayer);

    // Set straight onto the work spot, no walk.
    int spotX = man->subTaskX, spotY = man->subTaskY;
    man->OffsetByBodySize(spotX, spotY);
    Frame();
    EXPECT_FALSE(man->sentByPlayer);
    EXPECT_EQ(man->GetCurrentSubTask(), 2);
    EXPECT_NEAR(man->data.x, spotX, 1.0f);
    EXPECT_NEAR(man->data.y, spotY, 1.0f);

    ASSERT_TRUE(RunUntil([&] { return man->GetCurrentSubTask() == 5; }, 400)) << "hacks for the task's length";
    EXPECT_EQ(man->carriedItem, 0);
    ASSERT_TRUE(RunUntil([&] { return stock->GetWood() > wood; })) << "the log reaches the pile";
    EXPECT_EQ(stock->GetWood(), wood + 1);
    EXPECT_EQ(CProfile::current->GetValue<int>(kWoodStored), stored + 1);
    EXPECT_TRUE(man->lastTask == 2 || man->GetCurrentTask() == 2) << "taken up again when next idle";
    EXPECT_EQ(man->carriedItem, -1);
    EXPECT_GT(man->data.skills[2], skill);
}

TEST_F(ChopRoad, WithTheWoodStockFullTheManOnlyHearsThatItIsFull)
{
    CPerson* man = Man();
    CTree* tree = WorkableTree(*island);
    ASSERT_TRUE(man && tree);
    stock->AddWood(stock->GetMaxResource(0));
    ASSERT_TRUE(stock->IsResourceMaxed(0));
    DropOnTree(man, tree);
    EXPECT_NE(man->GetCurrentTask(), 2);
    EXPECT_EQ(CObject::requestingFeedback, man);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12309);
    EXPECT_TRUE(CObject::requestingFeedbackData.noticeOnly);
}

TEST_F(ChopRoad, BeforeTheFirstCrateIsOpenedOnlyTheCrateTakesAGrownIslander)
{
    CProfile::current->SetValue<bool>(kFirstCrateOpened, false);
    CPerson* man = Man();
    CTree* tree = WorkableTree(*island);
    ASSERT_TRUE(man && tree);
    CCrateBarrel* crate = new CCrateBarrel(tree->GetX() - 300, tree->GetY(), false, false);
    DropOnTree(man, tree);
    EXPECT_FALSE(man->IsPickedUp());
    EXPECT_EQ(man->GetCurrentTask(), 0);
    EXPECT_EQ(CObject::selectedObject, crate) << "the view glides to the crate";
    EXPECT_TRUE(island->IsCenteringScreen());
    EXPECT_EQ(CControllerGame::sidebar->timedMessage.id, 15010);

    // Let go where nothing is: only released.
    CControllerGame::sidebar->timedMessage.id = 0;
    Lift(man);
    ASSERT_TRUE(man->IsPickedUp());
    ReleaseAt(ToScreen(tree->GetX() + 200, tree->GetY() + 200));
    EXPECT_FALSE(man->IsPickedUp());
    EXPECT_EQ(man->GetCurrentTask(), 0);
    EXPECT_NE(CControllerGame::sidebar->timedMessage.id, 15010);
}

TEST_F(ChopRoad, AKidIsLiftedOnlyOnceThePointerLeavesFivePixelsAndADeadHeldOneIsForgotten)
{
    CPerson* kid = CPerson::NewPerson(2000, 2000, nullptr, true, true, 8);
    kid->UnHide();  // on the island, as its maker shows it
    Show(2000, 2000);
    // Where the kid is drawn now: the frames may have walked it a little.
    const coordinate grip = ToScreen(Round(kid->data.x) + 14, Round(kid->data.y) + 20);
    MouseAt(grip.x, grip.y);
    game->InputMouseClick(true, false, false);
    ASSERT_EQ(game->pickupCandidate, kid);
    game->InputMouseMove(grip.x + 3, grip.y + 4);
    Frame();
    EXPECT_FALSE(kid->IsPickedUp());
    game->InputMouseMove(grip.x, grip.y + 6);
    EXPECT_TRUE(kid->IsPickedUp());

    // Held, then gone: the release finds nobody to drop.
    kid->deleteMe = true;
    Frame();
    EXPECT_EQ(game->pickupCandidate, nullptr);
    game->InputMouseClick(true, false, true);
    EXPECT_FALSE(game->islanderDropped);
}

TEST_F(ChopRoad, DroppedOnATreeAnotherIsChoppingTheNewcomerTakesItOver)
{
    CPerson* first = Man();
    CPerson* second = nullptr;
    for (CPerson* person : CPerson::people) {
        if (person != first && person->IsAdult()) {
            second = person;
        }
    }
    CTree* tree = WorkableTree(*island);
    ASSERT_TRUE(first && second && tree);
    DropOnTree(first, tree);
    ASSERT_TRUE(RunUntil([&] { return first->GetCurrentSubTask() == 2; }, 10));

    // Sixteen attempts fail on the taken tree; then the chopper is told to
    // stop and the newcomer's next attempts succeed.
    DropOnTree(second, tree);
    EXPECT_EQ(second->GetCurrentTask(), 2);
    EXPECT_EQ(second->targetTree, tree);
    EXPECT_NE(first->GetCurrentTask(), 2);
}

TEST_F(RoadTest, TheWholeBandCanBeSentWalkingToOnePoint)
{
    const int x = island->GetStartX() + 300, y = island->GetStartY() + 100;
    auto distance = [&](CPerson* person) {
        return GetDist(person->data.x, person->data.y, static_cast<float>(x), static_cast<float>(y));
    };
    std::vector<float> before;
    for (CPerson* person : CPerson::people) {
        before.push_back(distance(person));
    }
    CPerson::MoveEveryoneTo(x, y);
    for (CPerson* person : CPerson::people) {
        EXPECT_EQ(person->GetCurrentTask(), 1);
    }
    EXPECT_TRUE(RunUntil([&] {
        for (size_t i = 0; i < CPerson::people.size(); i++) {
            if (distance(CPerson::people[i]) > before[i] - 50.0f) {
                return false;
            }
        }
        return true;
    }, 900)) << "every islander walks there";
}
