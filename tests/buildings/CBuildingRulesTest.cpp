// The amounts a player reads off a building: what each kind costs, the
// percentage the side panel shows on the way up and down, which of wood and
// rock is carried next when the two are level, and the moment a site or a
// demolition counts as done and leaves the save.
#include "tests/buildings/PlainBuilding.h"
#include "tests/buildings/BuildingsFixture.h"

namespace {

constexpr int kHut = 1;

bool Saved(CProfile& profile)
{
    CBuilding::SaveBuildings();
    return !profile.GetVectorValue<building_data>(6).empty();
}

}  // namespace

TEST_F(BuildingsTest, EveryKindCostsItsOwnWoodRockAndWork)
{
    struct cost {
        int type, wood, rock, work;
    };
    const cost costs[] = {
        {1, 10, 10, 4000},         {2, 100, 100, 40000},       {3, 100, 100, 40000}, {4, 100, 100, 40000},
        {5, 500, 500, 200000},     {6, 25, 25, 10000},         {7, 25, 25, 10000},   {8, 500, 500, 200000},
        {9, 0, 2, 500},            {10, 2500, 2500, 1000000},  {11, 5000, 5000, 2000000},
        {12, 0, 0, 0},             {13, 1250, 1250, 500000},   {0, 25, 25, 10000},   {14, 25, 25, 10000},
    };
    for (const cost& c : costs) {
        EXPECT_EQ(CBuilding::GetRequiredWood(c.type), c.wood) << c.type;
        EXPECT_EQ(CBuilding::GetRequiredRock(c.type), c.rock) << c.type;
        EXPECT_EQ(CBuilding::GetRequiredWork(c.type), c.work) << c.type;
    }
}

TEST_F(BuildingsTest, AHutSiteIsRaisedAndTakenDownByItsExactAmounts)
{
    CBuilding* hut = new PlainBuilding(kHut, 0, 2000, 2000);
    EXPECT_EQ(hut->GetSelectedTopDetail().id, 2024);
    EXPECT_EQ(hut->GetSelectedTopDetail().number, 0);

    // The larger shortfall is carried first; level shortfalls of none go to rock.
    hut->AddResource(9, 0);
    hut->AddResource(10, 1);
    EXPECT_EQ(hut->WhichResourceIsNeeded(), 0);
    hut->AddResource(1, 0);
    EXPECT_EQ(hut->WhichResourceIsNeeded(), 1);
    EXPECT_TRUE(hut->HasAllResources());

    // Work is capped at the need, and a site one point short reads 99, never 100.
    hut->Build(3999);
    EXPECT_FALSE(hut->HasAllCompletionPoints());
    EXPECT_FALSE(hut->IsComplete());
    EXPECT_EQ(hut->GetSelectedTopDetail().number, 99);
    hut->AddResource(-10, 1);
    EXPECT_EQ(hut->GetSelectedTopDetail().number, 75) << "half for the work, half for the goods";
    hut->AddResource(10, 1);
    hut->Build(5000);
    EXPECT_TRUE(hut->IsComplete());
    EXPECT_FLOAT_EQ(hut->PercentageComplete(), 100.0f);
    EXPECT_EQ(hut->GetSelectedTopDetail().id, 0);

    hut->SetBuildingDemolitionState(true);
    hut->GiveResponse(true);
    ASSERT_TRUE(hut->IsBeingDemolished());
    EXPECT_FALSE(hut->IsComplete()) << "a standing hut coming down is not yet done";
    EXPECT_EQ(hut->WhichResourceIsNeeded(), 1) << "level goods: rock first";

    // Taking down works five times as fast as raising, and the panel counts up.
    hut->Build(400);
    hut->AddResource(-5, 0);
    hut->AddResource(-5, 1);
    EXPECT_EQ(hut->GetSelectedTopDetail().id, 2025);
    EXPECT_EQ(hut->GetSelectedTopDetail().number, 50);
    hut->AddResource(-1, 1);
    EXPECT_EQ(hut->WhichResourceIsNeeded(), 0);

    hut->Build(401);
    EXPECT_TRUE(hut->HasAllCompletionPoints()) << "no work below none";
    hut->AddResource(-5, 0);
    hut->AddResource(-3, 1);
    EXPECT_FALSE(hut->IsComplete());
    EXPECT_FALSE(hut->IsDemolished());
    EXPECT_TRUE(Saved(profile)) << "a last rock keeps it in the save";
    hut->AddResource(-5, 1);
    EXPECT_TRUE(hut->IsComplete()) << "a finished demolition counts as done";
    EXPECT_TRUE(hut->IsDemolished());
    EXPECT_FALSE(Saved(profile));
}
