// Flower markers: painting them with the mouse and the rules that refuse a
// spot, spraying, erasing, the flower a planted one grows, dust that plants
// them at once, islanders who give up on them, saving and loading, and the
// flower pattern that solves the flower mystery once its seven flowers are
// planted.
#include "CFlowerIndicator.h"
#include "CMap.h"
#include "CMysteriousObject.h"
#include "SFMT.h"
#include "SeaLifeFixture.h"
#include "Utilities.h"
#include "tests/islanders/IslanderRecords.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

namespace {

// Land left of this world x, sea to its right.
constexpr int kShoreX = 600;
constexpr int kFlowersPlanted = 62;

struct FlowerMarkerTest : SeaLifeTest {
    void SetUp() override
    {
        SeaLifeTest::SetUp();
        Fill(NewMap(), 900, true, [](int x, int) { return x < kShoreX + 96 ? 4000 : 0; });
        island = map.get();
        CFlowerIndicator::Init();
    }

    void TearDown() override
    {
        CFlowerIndicator::Unload();
        CFlowerIndicator::lmbDown = false;
        CFlowerIndicator::spraying = false;
        CObject::requestingFeedback = nullptr;
        SeaLifeTest::TearDown();
        EXPECT_TRUE(CFlowerIndicator::flowerIndicator.empty()) << "unloading the world empties the list";
        EXPECT_TRUE(CFlowerIndicator::flowerData.empty());
    }

    // Presses at the world point with a colour chosen; true when it painted.
    bool PaintAt(int x, int y, int colour)
    {
        CFlowerIndicator::PlaceFlowers(colour);
        MouseAt(x + island->offsetX, y + island->offsetY);
        const size_t before = CFlowerIndicator::flowerIndicator.size();
        CFlowerIndicator::Click(false);
        CFlowerIndicator::Click(true);
        return CFlowerIndicator::flowerIndicator.size() == before + 1;
    }

    static CFlowerIndicator* Last() { return CFlowerIndicator::flowerIndicator.back(); }

    static void Sweep() { CObject::MoveObjects(0, 0, 1); }

    CMap* island = nullptr;
};

}  // namespace

TEST_F(FlowerMarkerTest, APressPaintsOneMarkerWhereNothingStandsWithinTwelvePixels)
{
    EXPECT_FALSE(PaintAt(300, 300, -1)) << "no colour chosen";
    CFlowerIndicator::PlaceFlowers(7);
    EXPECT_EQ(CFlowerIndicator::placingFlowers, -1);

    ASSERT_TRUE(PaintAt(300, 300, 3));
    EXPECT_EQ(Last()->GetX(), 296);
    EXPECT_EQ(Last()->GetY(), 296);
    ASSERT_EQ(CFlowerIndicator::flowerData.size(), 1u);
    EXPECT_EQ(CFlowerIndicator::flowerData[0].colour, 3);

    // Held still, the button paints no second marker over the first.
    CFlowerIndicator::Click(false);
    CFlowerIndicator::MouseMove();
    CFlowerIndicator::MouseMove();
    CFlowerIndicator::Click(true);
    EXPECT_EQ(CFlowerIndicator::flowerIndicator.size(), 1u);
    MouseAt(400, 400);
    CFlowerIndicator::MouseMove();
    EXPECT_EQ(CFlowerIndicator::flowerIndicator.size(), 1u) << "a move with the button up paints nothing";

    // The patch of a new marker starts 2 px further up and left than a
    // marker's corner, so (14, 2) away measures exactly 12.
    EXPECT_FALSE(PaintAt(314, 302, 3));
    EXPECT_TRUE(PaintAt(315, 302, 3));
    island->AddFlower(400, 300, 0, 1, 0);
    EXPECT_FALSE(PaintAt(418, 306, 3)) << "12 px from a planted flower";
    EXPECT_TRUE(PaintAt(419, 306, 3));
    EXPECT_FALSE(PaintAt(kShoreX + 50, 300, 3)) << "in the sea";
    EXPECT_EQ(CFlowerIndicator::flowerData.size(), CFlowerIndicator::flowerIndicator.size());
}

TEST_F(FlowerMarkerTest, SprayScattersMarkersWithinFiftyPixelsOfThePointer)
{
    CFlowerIndicator::SetSpray(true);
    CFlowerIndicator::PlaceFlowers(4);
    MouseAt(300, 300);
    CFlowerIndicator::Click(false);
    for (int frame = 0; frame < 300; frame++) {
        CFlowerIndicator::MouseMove();
    }
    CFlowerIndicator::Click(true);
    EXPECT_GT(CFlowerIndicator::flowerIndicator.size(), 10u);
    for (CFlowerIndicator* marker : CFlowerIndicator::flowerIndicator) {
        const float reach = GetDist(300, 300, marker->GetX() + 4, marker->GetY() + 4);
        EXPECT_LE(reach, 50.8f);
    }
    for (size_t i = 0; i < CFlowerIndicator::flowerIndicator.size(); i++) {
        for (size_t j = 0; j < i; j++) {
            CFlowerIndicator* a = CFlowerIndicator::flowerIndicator[i];
            CFlowerIndicator* b = CFlowerIndicator::flowerIndicator[j];
            EXPECT_GT(GetDist(a->GetX() - 2, a->GetY() - 2, b->GetX(), b->GetY()), 12.0f);
        }
    }
}

TEST_F(FlowerMarkerTest, TheEraserTakesMarkersWithinFifteenPixelsOfTheirCentre)
{
    ASSERT_TRUE(PaintAt(300, 300, 1));
    CFlowerIndicator* near = Last();
    ASSERT_TRUE(PaintAt(340, 300, 2));
    // The marker picture is 10 px wide: its centre is 1 px right of and below the painted point.
    CFlowerIndicator::EraseFlowers(301 + 15, 301);
    ASSERT_EQ(CFlowerIndicator::flowerIndicator.size(), 1u);
    EXPECT_EQ(CFlowerIndicator::flowerData[0].colour, 2);
    int z = 0;
    MouseAt(300, 300);
    EXPECT_FALSE(near->IsAtCoords(z, -1, -1)) << "an erased marker is hidden";
    EXPECT_EQ(near->DroppedOn(), 0);
    CFlowerIndicator::EraseFlowers(341 + 16, 301);
    EXPECT_EQ(CFlowerIndicator::flowerIndicator.size(), 1u);

    const size_t objects = CObject::objects.size();
    Sweep();
    EXPECT_EQ(CObject::objects.size(), objects - 1) << "nobody plants the erased marker: it goes";
}

TEST_F(FlowerMarkerTest, AnErasedMarkerIsStillPlantedByItsPlanterAndLeavesANewerMarkersRecordAlone)
{
    ASSERT_TRUE(PaintAt(300, 300, 1));
    CFlowerIndicator* erased = Last();
    CPerson planter(IslanderRecord(250, 270, 30 * 172800));
    planter.targetFlowerMarker = erased;
    CFlowerIndicator::EraseFlowers(300, 300);
    EXPECT_TRUE(CFlowerIndicator::flowerData.empty());

    // A new marker where the erased one stood has a record just like its.
    ASSERT_TRUE(PaintAt(300, 300, 1));
    Sweep();
    EXPECT_FALSE(erased->deleteMe) << "still worked on";

    CFlowerIndicator::PlaceFlower(erased);
    planter.targetFlowerMarker = nullptr;
    ASSERT_EQ(island->flowers.size(), 1u);
    EXPECT_EQ(island->flowers[0].colour, 1);
    Sweep();
    ASSERT_EQ(CFlowerIndicator::flowerData.size(), 1u) << "the erased marker took no record with it";

    CFlowerIndicator::Save();
    while (!CFlowerIndicator::flowerIndicator.empty()) {
        delete Last();
    }
    CFlowerIndicator::Load();
    ASSERT_EQ(CFlowerIndicator::flowerIndicator.size(), 1u);
    EXPECT_EQ(Last()->GetX(), 296);
}

TEST_F(FlowerMarkerTest, APlantedMarkerGrowsAFlowerOfAnyTypeAndEitherSizeInItsColour)
{
    std::set<int> types, sizes;
    for (int i = 0; i < 40; i++) {
        ASSERT_TRUE(PaintAt(50 + 25 * (i % 20), 200 + 40 * (i / 20), i % 7));
        CFlowerIndicator::PlaceFlower(Last());
        const flower_data& flower = island->flowers.back();
        EXPECT_EQ(flower.colour, i % 7);
        types.insert(flower.type);
        sizes.insert(flower.size);
    }
    EXPECT_EQ(types, (std::set<int>{0, 1, 2}));
    EXPECT_EQ(sizes, (std::set<int>{1, 2}));
    EXPECT_EQ(island->flowers.size(), 40u);
}

TEST_F(FlowerMarkerTest, DustPlantsEveryMarkerNearThePointerAtOnce)
{
    // A row of markers 20 px apart, from the pointer outwards.
    for (int i = 0; i < 10; i++) {
        ASSERT_TRUE(PaintAt(100 + 20 * i, 300, i % 7));
    }
    CFlowerIndicator* first = CFlowerIndicator::flowerIndicator.front();
    MouseAt(101, 301);
    EXPECT_TRUE(first->AcceptStardust());
    EXPECT_EQ(island->flowers.size(), 3u) << "centres 0, 20 and 40 px away";
    EXPECT_EQ(CFlowerIndicator::flowerIndicator.size(), 7u);
    EXPECT_EQ(profile.GetValue<int>(kFlowersPlanted), 3);

    MouseAt(101, 301);
    EXPECT_TRUE(Last()->AcceptStardust()) << "spent even with nothing in reach";
    EXPECT_EQ(island->flowers.size(), 3u);
    EXPECT_TRUE(Last()->AcceptMoondust());
    EXPECT_EQ(island->flowers.size(), 8u) << "out to 140 px";
    EXPECT_EQ(CFlowerIndicator::flowerIndicator.size(), 2u);
    EXPECT_EQ(CFlowerIndicator::flowerData.size(), 2u);
    Sweep();
}

TEST_F(FlowerMarkerTest, TheSixtiethFailedWalkGivesTheMarkerUp)
{
    ASSERT_TRUE(PaintAt(300, 300, 0));
    CFlowerIndicator* marker = Last();
    for (int i = 0; i < 59; i++) {
        marker->CantReachFlower();
    }
    EXPECT_EQ(CFlowerIndicator::flowerIndicator.size(), 1u);
    marker->CantReachFlower();
    EXPECT_TRUE(CFlowerIndicator::flowerIndicator.empty());
    EXPECT_TRUE(CFlowerIndicator::flowerData.empty());
    EXPECT_TRUE(marker->deleteMe);
    Sweep();
}

TEST_F(FlowerMarkerTest, SavedMarkersComeBackInPlaceAndAColourOutOfRangeIsSkipped)
{
    ASSERT_TRUE(PaintAt(300, 300, 6));
    ASSERT_TRUE(PaintAt(340, 320, 0));
    CFlowerIndicator::Save();
    std::vector<fi_data> records = profile.GetVectorValue<fi_data>(8);
    records.push_back(fi_data{500, 500, 7});
    records.push_back(fi_data{520, 500, -1});
    profile.SetVectorValue<fi_data>(8, records);

    CObject::UnloadAll();
    CFlowerIndicator::Load();
    ASSERT_EQ(CFlowerIndicator::flowerIndicator.size(), 2u);
    ASSERT_EQ(CFlowerIndicator::flowerData.size(), 2u);
    EXPECT_EQ(CFlowerIndicator::flowerIndicator[0]->GetX(), 296);
    EXPECT_EQ(CFlowerIndicator::flowerIndicator[0]->GetColour(), 6);
    EXPECT_EQ(CFlowerIndicator::flowerIndicator[1]->GetY(), 316);
    // A marker that was loaded is planted like any other, and forgets its record.
    CFlowerIndicator::PlaceFlower(CFlowerIndicator::flowerIndicator[0]);
    ASSERT_EQ(CFlowerIndicator::flowerData.size(), 1u);
    EXPECT_EQ(CFlowerIndicator::flowerData[0].colour, 0);
    Sweep();
}

// Markers read back take their pictures by drawn numbers as painted ones
// do: one draw a marker, in the order they were saved.
TEST_F(FlowerMarkerTest, LoadedMarkersDrawTheirPicturesOneNumberEachInTheOrderSaved)
{
    const std::vector<fi_data> records = {
        {296, 296, 0}, {336, 316, 1}, {376, 336, 2}, {416, 356, 3}, {456, 376, 4}, {496, 396, 6}};
    profile.SetVectorValue<fi_data>(8, records);
    InitRandom(321);
    SFMT copy = RandomGenerator();
    CFlowerIndicator::Load();
    ASSERT_EQ(CFlowerIndicator::flowerIndicator.size(), records.size());
    std::vector<std::string> drawn;
    for (size_t i = 0; i < records.size(); i++) {
        drawn.push_back("flower_indicator" + std::to_string(copy.GenRand32() % 3) + ".png");
    }
    const uint32_t next = RandomGenerator().GenRand32();
    EXPECT_EQ(next, copy.GenRand32()) << "nothing else drawn";
    std::vector<std::string> shown;
    for (CSprite* sprite : CSprite::renderer->Sprites()) {
        if (sprite && sprite->GetZ() == 10) {
            shown.push_back(CSprite::draw->GetImageName(sprite->GetFirstImage()));
        }
    }
    EXPECT_EQ(shown, drawn);
}

TEST_F(FlowerMarkerTest, SevenFlowersOfTheRightColoursAroundTheFlowerMysterySolveIt)
{
    CMysteriousObject* mystery = new CMysteriousObject(300, 400, 2);
    const int ox = mystery->GetX() - 45, oy = mystery->GetY() + 73;
    const int spots[7][3] = {{20, 35, 6}, {41, 128, 0}, {52, 88, 2}, {93, 129, 0},
                             {146, 110, 1}, {217, 78, 0}, {198, 56, 3}};

    // Inside the clear disc only the spots take a marker; outside, anywhere.
    EXPECT_FALSE(PaintAt(mystery->GetX() + 71 + 6, mystery->GetY() + 130 + 6, 0));
    EXPECT_TRUE(PaintAt(mystery->GetX() + 71 + 6 + 121, mystery->GetY() + 130 + 6, 0));
    EXPECT_TRUE(CMysteriousObject::CheckFlower(ox + 20 + 8, oy + 35));
    EXPECT_FALSE(CMysteriousObject::CheckFlower(ox + 20 + 9, oy + 35));

    // A wrong colour on the first spot first; then the rest as asked.
    ASSERT_TRUE(PaintAt(ox + spots[0][0] + 6, oy + spots[0][1] + 6, 0));
    for (int i = 1; i < 7; i++) {
        ASSERT_TRUE(PaintAt(ox + spots[i][0] + 6, oy + spots[i][1] + 6, spots[i][2])) << "spot " << i + 1;
    }
    while (CFlowerIndicator::flowerIndicator.size() > 1) {
        CFlowerIndicator::PlaceFlower(Last());
    }
    EXPECT_FALSE(CMysteriousObject::IsComplete(2));
    mystery->Pump(0, 0, 1);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);

    // The right colour beside the wrong one completes the pattern.
    island->AddFlower(ox + spots[0][0] - 5, oy + spots[0][1] + 5, 6, 1, 0);
    CObject::requestingFeedbackData.insert[0] = "a stale name";
    CFlowerIndicator::PlaceFlower(CFlowerIndicator::flowerIndicator.front());
    EXPECT_TRUE(CMysteriousObject::IsComplete(2));
    EXPECT_EQ(CObject::requestingFeedback, nullptr) << "the notice waits for the mystery's frame";
    mystery->Pump(0, 0, 1);
    EXPECT_EQ(CObject::requestingFeedback, mystery);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 26303);
    EXPECT_TRUE(CObject::requestingFeedbackData.insert[0].empty());
    CObject::requestingFeedback = nullptr;
    mystery->Pump(0, 0, 1);
    EXPECT_EQ(CObject::requestingFeedback, nullptr) << "asked once";
    EXPECT_EQ(profile.GetValue<int>(kFlowersPlanted), 8);
    Sweep();
    delete mystery;
}
