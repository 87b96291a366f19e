// The craftworks in the running game: a man dropped on a finished one works
// on the first clothes order until it waits to be fetched, and the lesson on
// fetching clothes moves on.
#include "CCraftworks.h"
#include "CTutorialDialog.h"
#include "tests/islanders/RoadFixture.h"

namespace {

constexpr int kTutorialOn = 67;

class WorkplaceRoad : public RoadTest {
protected:
    void TearDown() override
    {
        CPerson::craftQueue.clear();
        CPerson::pickupQueue.clear();
        RoadTest::TearDown();
    }

    // Lifts the man and lets go of him over the middle of the building: the
    // held man's pointer hangs below the grip, so the edge may miss.
    void DropOn(CPerson* man, CBuilding* building)
    {
        Lift(man);
        ASSERT_TRUE(man->IsPickedUp());
        ReleaseAt(ToScreen(building->GetX(), building->GetY()));
    }

    // A finished building of the kind on open ground beside the camp.
    template <typename Kind>
    Kind* Finished(int dx)
    {
        CPerson* man = Man();
        Kind* building = new Kind(Round(man->data.x) + dx, Round(man->data.y) - 100);
        building->FinishNow();
        // Past the announcement of the trophy a first building may win.
        RunUntil([] { return false; }, 120);
        EXPECT_EQ(CController::focus, game);
        return building;
    }
};

}  // namespace

TEST_F(WorkplaceRoad, AManDroppedOnACraftworksMakesTheFirstOrder)
{
    CPerson* man = Man();
    ASSERT_NE(man, nullptr);
    CCraftworks* works = Finished<CCraftworks>(260);
    ASSERT_EQ(CCraftworks::numCraftworks, 1);
    craft_data order{};
    order.islanderId = man->GetID();
    order.workNeeded = 2;
    CPerson::craftQueue = {order};
    // The lesson on fetching clothes waits for the drop, then its dialog
    // opens on the next frame.
    CProfile::current->SetValue<bool>(kTutorialOn, true);
    for (int step = 0; step <= 72; step++) {
        CTutorialDialog::CompleteTutorial(step);
    }
    game->pendingTutorial = 92;
    game->pendingDelay = 1000;
    DropOn(man, works);
    EXPECT_TRUE(CTutorialDialog::IsTutorialComplete(92));
    EXPECT_EQ(game->pendingTutorial, 93);
    EXPECT_EQ(CObject::selectedObject, man);
    Frame();
    EXPECT_EQ(man->GetCurrentTask(), 12);
    ASSERT_NE(CTutorialDialog::activeDialog, nullptr);
    EXPECT_EQ(CTutorialDialog::activeDialog->GetTutID(), 93);
    EXPECT_TRUE(RunUntil([] { return !CPerson::pickupQueue.empty(); }));
    EXPECT_TRUE(CPerson::craftQueue.empty());
    EXPECT_EQ(CPerson::pickupQueue[0].islanderId, man->GetID());
}
