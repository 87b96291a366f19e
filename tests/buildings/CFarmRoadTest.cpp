// The garden's road: laid out from the build menu's ghost, planted point by
// point, grown, ripened, wilted and rotted back to an empty patch; drops,
// dust and potions on it; a saved garden brought back.
#include "CFarm.h"
#include "tests/buildings/BuildingsFixture.h"

#include <array>

namespace {

constexpr int kGardenVariant = 20;
constexpr std::array<coordinate, 5> kPatch = {{{9, 128}, {109, 10}, {192, 69}, {92, 185}, {9, 128}}};

int FrameSum(const CFarm& farm)
{
    int sum = 0;
    for (int plot = 0; plot < CFarm::PLOTS; plot++) {
        sum += farm.GetPlotFrame(plot);
    }
    return sum;
}

int Count(const CFarm& farm, int frame)
{
    int count = 0;
    for (int plot = 0; plot < CFarm::PLOTS; plot++) {
        count += farm.GetPlotFrame(plot) == frame;
    }
    return count;
}

int PlotsShown(const CFarm& farm)
{
    int shown = 0;
    for (int plot = 0; plot < CFarm::PLOTS; plot++) {
        shown += farm.IsPlotShown(plot);
    }
    return shown;
}

void GrowTo(CFarm& farm, int growth)
{
    while (farm.GetGrowth() < growth) {
        farm.Grow();
    }
}

// The search draws plots at random: with few plots left it may need a few
// tries.
int HarvestablePlot(CFarm& farm, int& x, int& y)
{
    for (int attempt = 0; attempt < 200; attempt++) {
        const int plot = farm.GetVegetableCoords(x, y);
        if (plot >= 0) {
            return plot;
        }
    }
    return -1;
}

building_data SavedGarden(int planting, int growth, int removed)
{
    building_data saved{};
    saved.x = 1400.0f;
    saved.y = 1400.0f;
    saved.placeX = 1505;
    saved.placeY = 1517;
    saved.type = 12;
    saved.variant = kGardenVariant;
    saved.kindValues[0] = planting;
    saved.kindValues[1] = growth;
    saved.kindValues[2] = removed;
    return saved;
}

}  // namespace

TEST_F(BuildingsTest, AGardenIsPlantedGrowsRipensWiltsAndRotsBackToAnEmptyPatch)
{
    CBuilding::HoverBuilding(kGardenVariant);
    MouseAtWorld(1500, 1500);
    Frame();
    ASSERT_EQ(Ghost(), 0);
    CBuilding::MouseClick();
    ASSERT_EQ(CFarm::farms.size(), 1u);
    CFarm& farm = *CFarm::farms.front();
    EXPECT_TRUE(farm.IsComplete()) << "a garden needs nothing to be built";
    EXPECT_EQ(farm.DroppedOn(), 14);

    farm.AddPoints(899);
    EXPECT_EQ(PlotsShown(farm), 24);
    Frame();
    EXPECT_EQ(farm.GetGrowth(), 0) << "not growing before it is fully planted";
    farm.AddPoints(1);
    EXPECT_EQ(PlotsShown(farm), 25);
    EXPECT_EQ(farm.GetGrowth(), 0) << "growth starts on the next frame";
    Frame();
    EXPECT_EQ(farm.GetGrowth(), 1);

    GrowTo(farm, 2999);
    EXPECT_EQ(FrameSum(farm), 74);
    EXPECT_FALSE(farm.IsRipe(-1));
    farm.Grow();
    EXPECT_EQ(Count(farm, 3), 25) << "all ripe at 3000";
    EXPECT_EQ(farm.DroppedOn(), 15);
    GrowTo(farm, 5079);
    EXPECT_EQ(Count(farm, 4), 0);
    farm.Grow();
    EXPECT_EQ(Count(farm, 4), 1) << "one wilted at 5080";
    GrowTo(farm, 7000);
    EXPECT_EQ(Count(farm, 4), 25);
    EXPECT_TRUE(farm.ReadyForHarvest()) << "wilted plots are harvested too";

    // Left alone, the plots rot away one by one, about one in 91 frames.
    int frames = 0, shown = 25;
    while (farm.GetPlantingPoints() > 0 && frames < 20000) {
        farm.Grow();
        frames++;
        const int now = PlotsShown(farm);
        ASSERT_GE(now, shown - 1) << "never two at once";
        shown = now;
        if (farm.IsGrowing()) {
            ASSERT_EQ(now, 25 - farm.GetRemoved());
        }
    }
    EXPECT_GT(frames, 1000);
    EXPECT_LT(frames, 5000);
    EXPECT_EQ(PlotsShown(farm), 0);
    EXPECT_EQ(FrameSum(farm), 0);
    EXPECT_EQ(farm.GetGrowth(), 0);
    EXPECT_EQ(farm.GetRemoved(), 0);
    EXPECT_FALSE(farm.IsGrowing());
    EXPECT_EQ(farm.DroppedOn(), 14) << "waiting to be planted again";
}

TEST_F(BuildingsTest, DustAndPotionsRipenGardensAndMoondustIsNotSpent)
{
    CFarm& half = *new CFarm(1500, 1500);
    CFarm& other = *new CFarm(2200, 1500);
    CFarm& third = *new CFarm(1500, 2200);
    half.AddPoints(450);
    ASSERT_EQ(PlotsShown(half), 12);

    EXPECT_FALSE(half.AcceptMoondust());
    EXPECT_EQ(half.GetPlantingPoints(), 450) << "moondust does nothing to a garden";

    EXPECT_TRUE(half.AcceptStardust());
    EXPECT_EQ(PlotsShown(half), 25);
    half.Grow();
    EXPECT_EQ(Count(half, 3), 25) << "ripe one frame after the dust";

    EXPECT_FALSE(other.AcceptPotion(4));
    EXPECT_TRUE(other.AcceptPotion(2));
    EXPECT_EQ(CBuilding::toolTip.id, 15014);
    EXPECT_EQ(CBuilding::toolTipFrames, 270);
    other.Grow();
    EXPECT_EQ(Count(other, 3), 25);
    EXPECT_EQ(third.GetPlantingPoints(), 0) << "potion 2 fills only its own garden";

    // Wilted and half harvested, then potion 27 on another garden refills all.
    GrowTo(half, 7000);
    int x = 0, y = 0;
    half.RemoveVegetable(half.GetVegetableCoords(x, y));
    EXPECT_TRUE(third.AcceptPotion(27));
    EXPECT_EQ(CBuilding::toolTip.id, 15035);
    for (CFarm* farm : {&half, &other, &third}) {
        EXPECT_EQ(farm->GetRemoved(), 0);
        farm->Grow();
        EXPECT_EQ(Count(*farm, 3), 25);
        EXPECT_EQ(PlotsShown(*farm), 25);
    }
}

TEST_F(BuildingsTest, ASavedGardenIsClampedAndCatchesUpOnItsFirstFrameOfGrowth)
{
    // Damaged values: a planting above 900 would show plots for ever.
    CFarm& damaged = *new CFarm(SavedGarden(5000, 9000, -4));
    EXPECT_EQ(damaged.GetPlantingPoints(), 900);
    EXPECT_EQ(damaged.GetGrowth(), 7000);
    EXPECT_EQ(damaged.GetRemoved(), 0);
    CFarm& overRemoved = *new CFarm(SavedGarden(900, 6000, 40));
    EXPECT_EQ(overRemoved.GetRemoved(), 25);
    overRemoved.Grow();
    EXPECT_FALSE(overRemoved.IsGrowing()) << "a garden with every plot gone starts again";

    CFarm& saved = *new CFarm(SavedGarden(900, 4000, 3));
    EXPECT_EQ(PlotsShown(saved), 25);
    EXPECT_EQ(FrameSum(saved), 0) << "the plots are drawn again as seedlings";
    saved.Grow();
    EXPECT_EQ(Count(saved, 3), 25);
    EXPECT_EQ(PlotsShown(saved), 22) << "the harvested plots are gone again";

    CFarm& young = *new CFarm(SavedGarden(400, 0, 0));
    EXPECT_EQ(PlotsShown(young), 11);

    // A loaded record being demolished sends the builders.
    building_data coming = SavedGarden(0, 0, 0);
    coming.demolishing = 1;
    coming.work = 3;
    EXPECT_EQ((new CFarm(coming))->DroppedOn(), 5);
}

TEST_F(BuildingsTest, HarvestPointsAreTheGardensOwnWhateverTheScrollAndTheRendering)
{
    CFarm& farm = *new CFarm(1500, 1500);
    farm.AddPoints(900);
    GrowTo(farm, 3001);
    // Every plot but one harvested: the search must find the last one.
    for (int plot = 1; plot < CFarm::PLOTS; plot++) {
        farm.RemoveVegetable(plot);
        farm.RemoveVegetable(plot);
    }
    farm.RemoveVegetable(-1);
    EXPECT_EQ(farm.GetRemoved(), 24) << "a plot is taken once";
    int x = 0, y = 0;
    ASSERT_EQ(HarvestablePlot(farm, x, y), 0);
    const int left = Round(farm.x), top = Round(farm.y);
    const int expectX = left + 74 + 14, expectY = top + 28 - 54 + 34;
    EXPECT_EQ(x, expectX);
    EXPECT_EQ(y, expectY);

    // Scrolled far away with no rendering frame since, as in the bulk
    // simulation and the frames after a load: the point stays put.
    island->offsetX = kOffsetX - 700;
    island->offsetY = kOffsetY - 300;
    CObject::rendering = false;
    farm.Pump(island->offsetX, island->offsetY, 1);
    CObject::rendering = true;
    ASSERT_EQ(HarvestablePlot(farm, x, y), 0);
    EXPECT_EQ(x, expectX);
    EXPECT_EQ(y, expectY);
    int standX = 0, standY = 0, plot = -1;
    CFarm* found = nullptr;
    for (int attempt = 0; attempt < 100 && !found; attempt++) {
        found = CFarm::FindHarvestCoords(standX, standY, plot, false);
    }
    EXPECT_EQ(found, &farm);
    EXPECT_EQ(plot, 0);
    EXPECT_EQ(standX, expectX - 5);
    EXPECT_EQ(standY, expectY - 25);
}

TEST_F(BuildingsTest, GardenersFindAGardenStillToPlantAndItsFlaggedGroundKeepsBuildingsOff)
{
    int x = 0, y = 0, dir = 0;
    EXPECT_EQ(CFarm::FindWorkCoords(x, y, dir, false), nullptr);
    CFarm& farm = *new CFarm(1500, 1500);
    const int left = Round(farm.x), top = Round(farm.y);
    for (int attempt = 0; attempt < 50; attempt++) {
        ASSERT_EQ(CFarm::FindWorkCoords(x, y, dir, false), &farm);
        // Beside a point of the patch, on the side the gardener faces.
        const int px = dir == 2 ? x - 37 : x + 48, py = dir == 2 ? y + 24 : y + 25;
        EXPECT_TRUE(PointInPoly({px - left, py - top}, kPatch.data(), 4));
    }
    farm.AddPoints(900);
    EXPECT_EQ(CFarm::FindWorkCoords(x, y, dir, false), nullptr) << "fully planted";

    // The ghost of another garden or a building over it is refused; the
    // garden's boxes are flagged, so plain tests let things pass.
    EXPECT_TRUE(CObject::Collision(left + 100, top + 100, 10, 10, true));
    EXPECT_FALSE(CObject::Collision(left + 100, top + 100, 10, 10, false));
    CBuilding::HoverBuilding(kGardenVariant);
    MouseAtWorld(1500, 1500);
    Frame();
    EXPECT_EQ(Ghost(), 1);
    EXPECT_EQ(CBuilding::toolTip.id, 10502);

    farm.SetBuildingDemolitionState(true);
    farm.GiveResponse(true);
    EXPECT_TRUE(farm.IsDemolished()) << "a garden comes down at once";
    Frame();
    EXPECT_FALSE(CObject::Collision(left + 100, top + 100, 10, 10, true));
}

// One garden to pick, then a point of the patch drawn across before down,
// then the side the gardener works from.
TEST_F(BuildingsTest, AGardenersSpotIsDrawnAcrossThenDownThenItsSide)
{
    CFarm& farm = *new CFarm(1500, 1500);
    const int left = Round(farm.x), top = Round(farm.y);
    int sides[3] = {};
    for (unsigned int seed = 1; seed <= 6; seed++) {
        InitRandom(seed);
        RangedRandom(0, 0);
        coordinate point{};
        do {
            point.x = RangedRandom(0, 199);
            point.y = RangedRandom(0, 199);
        } while (!PointInPoly(point, kPatch.data(), 4));
        const int side = RangedRandom(0, 1) == 1 ? 2 : 1;
        InitRandom(seed);
        int x = 0, y = 0, dir = 0;
        ASSERT_EQ(CFarm::FindWorkCoords(x, y, dir, false), &farm);
        EXPECT_EQ(dir, side) << "seed " << seed;
        EXPECT_EQ(x, left + point.x + (side == 2 ? 37 : -48)) << "seed " << seed;
        EXPECT_EQ(y, top + point.y + (side == 2 ? -24 : -25)) << "seed " << seed;
        sides[side]++;
    }
    EXPECT_GT(sides[1] * sides[2], 0) << "both sides are seen";
}
