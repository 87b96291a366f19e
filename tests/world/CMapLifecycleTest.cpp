#include "CBuilding.h"
#include "CControllerGame.h"
#include "CFireplace.h"
#include "CResources.h"
#include "IslandSeeds.h"
#include "tests/world/CMapGenerationFixture.h"

#include <algorithm>

namespace {

// The lowest free id of the image store: it moves when images are taken or
// given back.
int LowestFreeImage()
{
    const int probe = CSprite::draw->CreateSizedBlank(1, 1, static_cast<SDL_Surface*>(nullptr));
    CSprite::draw->RemoveImage(probe);
    return probe;
}

int PicturesNamed(CMap& island, const std::string& name)
{
    return static_cast<int>(std::count_if(island.previewPictures.begin(), island.previewPictures.end(),
                                          [&](const auto& entry) { return entry.second.name == name; }));
}

}  // namespace

TEST_F(IslandTest, SpritesAreLoadedOnceAndFreedOnce)
{
    CMap& island = NewMap();
    const int loaded = LowestFreeImage();
    island.LoadSprites(false);
    EXPECT_EQ(LowestFreeImage(), loaded) << "a second load takes nothing";
    island.UnloadSprites();
    const int freed = LowestFreeImage();
    EXPECT_LT(freed, loaded);
    island.UnloadSprites();
    EXPECT_EQ(LowestFreeImage(), freed) << "a second unload gives nothing back twice";
    island.LoadSprites(false);
    EXPECT_GT(LowestFreeImage(), freed);
}

TEST_F(IslandTest, TheBannerIsDrawnOnlyForThePlayableIslandOrWhenForced)
{
    CMap& island = NewMap();
    const int before = LowestFreeImage();
    island.ShowLoading(5, false);
    island.ShowLoading(0, false);
    EXPECT_EQ(island.bannerProgress, 5);
    EXPECT_EQ(LowestFreeImage(), before) << "nothing drawn on the preview";
    island.ShowLoading(0, true);
    EXPECT_NE(LowestFreeImage(), before) << "the frozen screen is held behind the banner";
    island.HideLoading();
}

TEST_F(IslandTest, TheBannerRedrawsAtMostOnceAFrame)
{
    struct timing {
        bool fresh;
        Uint32 now, last;
        bool due;
    };
    const timing cases[] = {
        {true, 1000, 1000, true},     // a new banner always
        {false, 1032, 1000, false},   {false, 1033, 1000, true}, {false, 5000, 1000, true},
        {false, 0x10u, 0xFFFFFFF0u, false},  // the tick count wrapped 32 ms ago
        {false, 0x11u, 0xFFFFFFF0u, true},
    };
    for (const timing& t : cases) {
        EXPECT_EQ(CMap::BannerRedrawDue(t.fresh, t.now, t.last), t.due) << t.now << " after " << t.last;
    }
}

TEST_F(IslandTest, TheSwitchToThePlayableIslandWaitsForTheScan)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[10]);
    island.scanFrame = 0;
    island.ToggleBig(false);
    EXPECT_FALSE(island.playable);
    CProfile::current->SetValue<bool>(7, false);
    EXPECT_FALSE(island.ScanningForIsland()) << "no scan runs without the visual effects";
    CProfile::current->SetValue<bool>(7, true);
    island.playable = true;
    EXPECT_FALSE(island.ScanningForIsland()) << "nor on the playable island";
}

TEST_F(IslandTest, ThePlayableIslandGetsItsCampOnceAndThePreviewShowsIt)
{
    CMap& island = PreviewOf(kFixedIslandSeeds[16]);
    const int startX = island.startX, startY = island.startY;
    ASSERT_TRUE(CBuilding::buildings.empty());
    EXPECT_EQ(PicturesNamed(island, "fireplace_style0_construct0.png"), 1);

    island.scanFrame = 0;
    island.ToggleBig(true);
    ASSERT_TRUE(island.playable);
    EXPECT_EQ(island.GetSamplesWide(), 4097);
    EXPECT_EQ(island.borderX, 96);
    EXPECT_EQ(island.startX, startX) << "the preview's start location is kept";
    ASSERT_EQ(CBuilding::buildings.size(), 1u);
    CBuilding* fireplace = CBuilding::buildings[0];
    EXPECT_EQ(fireplace->GetX(), startX * 8 - 95);
    EXPECT_EQ(fireplace->GetY(), startY * 8 - 285);
    EXPECT_EQ(fireplace->GetAnimationFrame(), 4);
    CFireplace* camp = static_cast<CFireplace*>(fireplace);
    EXPECT_TRUE(camp->IsComplete());
    EXPECT_TRUE(camp->GetSprite()->Hidden());
    EXPECT_TRUE(camp->GetFire()->Hidden());
    const coordinate anchors[3] = {{startX, startY + 8}, {startX + 13, startY - 8}, {startX - 13, startY - 8}};
    for (int i = 0; i < 3; i++) {
        EXPECT_EQ(island.GetPileX(i), anchors[i].x * 8 - 96);
        EXPECT_EQ(island.GetPileY(i), anchors[i].y * 8 - 96);
        EXPECT_EQ(CControllerGame::Resources()->GetPileX(i), island.GetPileX(i));
        EXPECT_EQ(CControllerGame::Resources()->GetPileY(i), island.GetPileY(i));
        EXPECT_NE(island.pileSprites[i], nullptr);
    }
    EXPECT_EQ(island.offsetX, 322 - (startX * 8 - 95));
    EXPECT_EQ(island.offsetY, 280 - (startY * 8 - 150));
    EXPECT_FALSE(island.waves.empty()) << "the coast has its waves";
    EXPECT_TRUE(island.smallWaves.empty());

    // Back on the preview the camp is a picture, the saved fireplace too.
    island.ToggleBig(true);
    EXPECT_FALSE(island.playable);
    EXPECT_EQ(island.pileSprites[0], nullptr);
    EXPECT_EQ(PicturesNamed(island, "fireplace_style0_construct0.png"), 2);
    EXPECT_FALSE(island.smallWaves.empty());
    island.ToggleBig(true);
    EXPECT_EQ(CBuilding::buildings.size(), 1u) << "an island with a building gets no second fireplace";
}

TEST_F(IslandTest, ANewRandomIslandHasNoBuildings)
{
    CFireplace* built = new CFireplace(900, 900);
    built->FinishNow();
    CMap& island = PreviewOf(kFixedIslandSeeds[19]);
    ASSERT_EQ(CBuilding::buildings.size(), 1u) << "an island given by its seed keeps them";
    island.CreateMap(0, -1, -1, false, false, false);
    EXPECT_TRUE(CBuilding::buildings.empty());
}
