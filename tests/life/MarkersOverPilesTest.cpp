// Markers painted where a resource pile lies under the pointer: a flower
// marker is not painted, a sapling marker is refused with the tip that says
// why, and over water the water's tip wins over the pile's.
#include "CControllerGame.h"
#include "CFlowerIndicator.h"
#include "CMap.h"
#include "CSprite.h"
#include "CTreeIndicator.h"
#include "SeaLifeFixture.h"

namespace {

// Land left of this world x, sea to its right; the view is not scrolled.
constexpr int kShoreX = 600;
constexpr int kBlockedTip = 10504, kWaterTip = 10505, kPileTip = 10506;

struct MarkersOverPilesTest : SeaLifeTest {
    void SetUp() override
    {
        SeaLifeTest::SetUp();
        island = &Fill(NewMap(), 900, true, [](int x, int) { return x < kShoreX + 96 ? 4000 : 0; });
        CFlowerIndicator::Init();
        CTreeIndicator::Init();
        CControllerGame::lastToolTip = {};
    }

    void TearDown() override
    {
        CFlowerIndicator::Unload();
        CTreeIndicator::Unload();
        CFlowerIndicator::lmbDown = false;
        CTreeIndicator::lmbDown = false;
        CControllerGame::lastToolTip = {};
        SeaLifeTest::TearDown();
    }

    // A pile picture in slot, centred on world (x, y); the island owns it.
    void PileAt(int slot, int x, int y)
    {
        CSprite* pile = new CSprite(20);
        pile->LoadImage("pile_wood_leather.png");
        pile->Move(x - pile->GetW() / 2, y - pile->GetH() / 2);
        island->pileSprites[slot] = pile;
    }

    // Presses and lets go at the world point with a flower colour chosen;
    // true when a marker was painted.
    bool PaintFlowerAt(int x, int y)
    {
        CFlowerIndicator::PlaceFlowers(3);
        MouseAt(x, y);
        const size_t before = CFlowerIndicator::flowerIndicator.size();
        CFlowerIndicator::Click(false);
        CFlowerIndicator::Click(true);
        return CFlowerIndicator::flowerIndicator.size() == before + 1;
    }

    // Presses at the world point with sapling placing on; the tip asked for,
    // 0 when a marker was placed.
    int PlaceSaplingAt(int x, int y)
    {
        CTreeIndicator::PlaceTrees(0);
        MouseAt(x, y);
        const size_t before = CTreeIndicator::treeIndicator.size();
        CTreeIndicator::Click(false);
        CTreeIndicator::Click(true);
        const int tip = CControllerGame::lastToolTip.id;
        EXPECT_EQ(CTreeIndicator::treeIndicator.size(), before + (tip == 0 ? 1 : 0));
        return tip;
    }

    CMap* island = nullptr;
};

}  // namespace

TEST_F(MarkersOverPilesTest, AFlowerMarkerIsNotPaintedOverAPile)
{
    PileAt(0, 300, 300);
    MouseAt(300, 300);
    ASSERT_TRUE(island->IsMouseOverResourcePile());
    EXPECT_FALSE(PaintFlowerAt(300, 300));
    EXPECT_TRUE(CFlowerIndicator::flowerData.empty());
    EXPECT_TRUE(PaintFlowerAt(300, 400)) << "clear of the pile";
}

TEST_F(MarkersOverPilesTest, ASaplingOverAPileIsRefusedAndOverWaterTheWaterSaysWhy)
{
    PileAt(0, 300, 300);
    PileAt(1, kShoreX + 150, 300);
    MouseAt(kShoreX + 150, 300);
    ASSERT_TRUE(island->IsMouseOverResourcePile());
    ASSERT_FALSE(island->IsNotOnWater(kShoreX + 150, 300));

    EXPECT_EQ(PlaceSaplingAt(300, 300), kPileTip);
    EXPECT_EQ(PlaceSaplingAt(kShoreX + 150, 300), kWaterTip) << "the water wins over the pile";
    EXPECT_EQ(PlaceSaplingAt(kShoreX + 150, 500), kWaterTip) << "water without a pile";
    EXPECT_EQ(PlaceSaplingAt(300, 600), 0) << "clear land";
    EXPECT_EQ(PlaceSaplingAt(320, 600), kBlockedTip) << "beside the new marker";
    EXPECT_EQ(CTreeIndicator::sTreeIndicatorGhosts->GetFrame(), 1u) << "the red ghost";
}
