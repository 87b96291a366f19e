// The craftworks' road: raised and counted, worked at along its front,
// entered through its door, dust speeding the first clothes order, and
// leaving the count as soon as it starts coming down.
#include "CCraftworks.h"
#include "CPerson.h"
#include "tests/buildings/WorkplaceFixture.h"

#include <array>
#include <vector>

namespace {

craft_data Order(int islanderId, int work)
{
    craft_data order{};
    order.islanderId = islanderId;
    order.workNeeded = work;
    return order;
}

class CraftworksTest : public WorkplaceTest {
protected:
    void SetUp() override
    {
        WorkplaceTest::SetUp();
        CPerson::craftQueue.clear();
        CPerson::pickupQueue.clear();
    }

    void TearDown() override
    {
        CPerson::craftQueue.clear();
        CPerson::pickupQueue.clear();
        WorkplaceTest::TearDown();
    }
};

}  // namespace

TEST_F(CraftworksTest, AFinishedCraftworksCountsShowsItsDoorAndTakesItsWorkersAndFetchers)
{
    CCraftworks* works = new CCraftworks(1500, 1500);
    Frame();
    EXPECT_EQ(CCraftworks::numCraftworks, 0);
    EXPECT_EQ(works->DroppedOn(), 5);
    int x = 0, y = 0, dir = 0;
    EXPECT_EQ(CCraftworks::FindAvailableCraftworks(x, y), nullptr);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(CCraftworks::FindWorkCoords(x, y, dir, false, false), nullptr);

    EXPECT_TRUE(works->GetDoor()->Hidden());
    works->FinishNow();
    EXPECT_EQ(CCraftworks::numCraftworks, 0) << "counted on its next frame";
    Frame();
    EXPECT_EQ(CCraftworks::numCraftworks, 1);
    EXPECT_TRUE(works->isCraftworks);
    EXPECT_EQ(works->DroppedOn(), 12);
    EXPECT_EQ(CCraftworks::GetUseableCraftworks(), works);

    EXPECT_EQ(CCraftworks::FindAvailableCraftworks(x, y), works);
    EXPECT_EQ(CCraftworks::FindWorkCoords(x, y, dir, false, false), works);

    // An islander inside is drawn over the building and under its door,
    // which shows only on the finished building.
    const int buildingZ = works->GetSprite()->GetZ();
    EXPECT_FALSE(works->GetDoor()->Hidden());
    EXPECT_GT(works->GetSleepZ(), buildingZ);
    EXPECT_LT(works->GetSleepZ(), works->GetDoor()->GetZ());
    ASSERT_TRUE(MouseOver(works));
    works->Build(-1);
    Frame();
    EXPECT_TRUE(works->GetDoor()->Hidden());
    EXPECT_EQ(CCraftworks::numCraftworks, 0) << "no longer complete";
}

TEST_F(CraftworksTest, StardustMovesTheFirstOrderAFifthAndMoondustFinishesIt)
{
    CCraftworks* works = new CCraftworks(1500, 1500);
    works->FinishNow();
    Frame();
    CPerson::craftQueue = {Order(7, 50), Order(8, 50)};
    for (int dose = 1; dose <= 5; dose++) {
        CObject::requestingFeedback = nullptr;
        EXPECT_TRUE(works->AcceptStardust());
        EXPECT_EQ(CObject::requestingFeedback, works);
        EXPECT_EQ(CObject::requestingFeedbackData.id, 12359);
        EXPECT_EQ(CObject::requestingFeedbackData.noticeOnly, 1);
        EXPECT_EQ(CPerson::pickupQueue.size(), dose == 5 ? 1u : 0u) << "dose " << dose;
    }
    EXPECT_EQ(CPerson::pickupQueue[0].islanderId, 7);
    works->GiveResponse(true);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
    EXPECT_FALSE(works->IsBeingDemolished()) << "a dust notice is no demolition question";

    EXPECT_TRUE(works->AcceptMoondust());
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12360);
    ASSERT_EQ(CPerson::pickupQueue.size(), 2u);
    EXPECT_EQ(CPerson::pickupQueue[1].islanderId, 8);
    EXPECT_TRUE(CPerson::craftQueue.empty());

    // Nothing ordered: dust on a finished building does nothing.
    CObject::requestingFeedback = nullptr;
    EXPECT_FALSE(works->AcceptStardust());
    EXPECT_FALSE(works->AcceptMoondust());
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
}

TEST_F(CraftworksTest, MoondustOnASiteStopsOnceTheCraftworksIsDone)
{
    CCraftworks* site = new CCraftworks(1500, 1500);
    CPerson::craftQueue = {Order(7, 50)};
    site->AddResource(25, 0);
    site->AddResource(25, 1);
    site->Build(10000 - 2 * 1500 + 1);
    EXPECT_TRUE(site->AcceptMoondust());
    EXPECT_TRUE(site->IsComplete());
    EXPECT_EQ(CPerson::craftQueue[0].progress, 0) << "the rest of the dose never reached the order";
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
}

TEST_F(CraftworksTest, StartingToTakeTheOnlyCraftworksDownLeavesNoneOnTheNextFrame)
{
    CCraftworks* works = new CCraftworks(1500, 1500);
    works->FinishNow();
    Frame();
    ASSERT_EQ(CCraftworks::numCraftworks, 1);
    works->SetBuildingDemolitionState(true);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12003);
    works->GiveResponse(true);
    EXPECT_EQ(CCraftworks::numCraftworks, 1);
    Frame();
    EXPECT_EQ(CCraftworks::numCraftworks, 0);
    EXPECT_EQ(works->DroppedOn(), 5);
    EXPECT_FALSE(CCraftworks::AnyUseableCraftworks());
    delete works;
    EXPECT_EQ(CCraftworks::numCraftworks, 0) << "an uncounted craftworks leaves the count alone";

    CCraftworks* counted = new CCraftworks(1500, 1500);
    counted->FinishNow();
    Frame();
    EXPECT_EQ(CCraftworks::numCraftworks, 1);
    delete counted;
    EXPECT_EQ(CCraftworks::numCraftworks, 0);
}

// Nine boxes, the site's the same as the finished building's: two over the
// body, one over the yard and six stepping down along the front.
TEST_F(CraftworksTest, ItsNineBoxesStandOverItsBodyAndStepDownAlongItsFront)
{
    CCraftworks* works = new CCraftworks(1500, 1500);
    Frame();
    const int left = static_cast<int>(works->x), top = static_cast<int>(works->y);
    const std::vector<std::array<int, 4>> expected = {
        {left + 33, top + 133, 229, 73}, {left + 33, top + 184, 142, 96}, {left + 9, top + 240, 166, 40},
        {left + 40, top + 280, 135, 10}, {left + 65, top + 290, 110, 10}, {left + 80, top + 300, 95, 10},
        {left + 100, top + 310, 75, 10}, {left + 120, top + 320, 55, 10}, {left + 140, top + 330, 35, 10}};
    auto boxes = [works] {
        std::vector<std::array<int, 4>> owned;
        for (const obstruction_type& o : CObject::obstructions) {
            if (o.owner == works) {
                EXPECT_FALSE(o.flag);
                owned.push_back({o.x, o.y, o.w, o.h});
            }
        }
        return owned;
    };
    EXPECT_EQ(boxes(), expected) << "a site";
    works->FinishNow();
    Frame();
    EXPECT_EQ(boxes(), expected) << "finished";
}
