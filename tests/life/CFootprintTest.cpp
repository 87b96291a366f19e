#include "CDraw.h"
#include "CSprite.h"
#include "SeaLifeFixture.h"

namespace {

constexpr int kEffects = 7;

// Plays a sprite to its end as the renderer would.
void PlayOut(CSprite* sprite)
{
    for (int i = 0; i < 1000 && !(sprite->AtEnd() && sprite->Paused()); i++) {
        sprite->Pump();
    }
}

int Prints()
{
    int count = 0;
    for (auto& byFoot : CFootprint::feet) {
        for (auto& byBody : byFoot) {
            for (auto& list : byBody) {
                count += static_cast<int>(list.size());
            }
        }
    }
    return count;
}

}  // namespace

TEST_F(SeaLifeTest, WithTheEffectsOffNobodyLeavesPrintsOrRipples)
{
    Fill(NewMap(), 50, true, [](int, int) { return 0; });
    profile.SetValue<bool>(kEffects, false);
    CFootprint::AddPrint(100, 100, 1.2f, true, true, false, false, 0, false);
    CRipple::AddRipple(20, 20, 0);
    EXPECT_FALSE(CFootprint::imagesLoaded) << "not even the pictures are loaded";
    EXPECT_EQ(Prints(), 0);
    EXPECT_TRUE(CRipple::ripples.empty());
}

TEST_F(SeaLifeTest, OnlyWetGroundTakesPrintsAndHigherGroundFainterOnes)
{
    const float depths[] = {1.0f, 1.55f, 0.5f, 1.6f};
    for (float depth : depths) {
        CFootprint::AddPrint(100, 100, depth, true, true, false, false, 0, false);
    }
    EXPECT_EQ(Prints(), 0);
    EXPECT_FALSE(CFootprint::imagesLoaded);

    CFootprint::AddPrint(100, 200, 1.0001f, true, true, false, false, 0, false);
    ASSERT_EQ(CFootprint::feet[0][0][2].size(), 1u);
    const foot_struct& man = CFootprint::feet[0][0][2][0];
    EXPECT_EQ(man.sprite->GetFrame(), 0u) << "just above the sea line a print starts opaque";
    EXPECT_NEAR(man.x, 106, 1);
    EXPECT_NEAR(man.y, 245, 1);
    EXPECT_EQ(man.sprite->GetNumImages(), 30);

    CFootprint::AddPrint(100, 200, 1.3f, false, false, true, true, 3, false);
    ASSERT_EQ(CFootprint::feet[3][1][1].size(), 1u) << "a kid's right foot, even when also a baby";
    const foot_struct& kid = CFootprint::feet[3][1][1][0];
    EXPECT_EQ(kid.sprite->GetFrame(), 12u) << "(0.3 / 0.55) ^ 1.5 of the way to transparent";
    EXPECT_NEAR(kid.x, 119, 1);
    EXPECT_NEAR(kid.y, 229, 1);

    CFootprint::PumpAll(-50, 10);
    EXPECT_EQ(kid.sprite->GetX(), kid.x - 50);
    EXPECT_EQ(kid.sprite->GetY(), kid.y + 10);
}

TEST_F(SeaLifeTest, AFadedPrintIsReusedAndUnloadingReleasesEveryPicture)
{
    CFootprint::AddPrint(300, 300, 1.1f, true, false, false, false, 2, true);
    ASSERT_EQ(CFootprint::feet[2][0][2].size(), 1u);
    CSprite* first = CFootprint::feet[2][0][2][0].sprite;
    CFootprint::AddPrint(400, 400, 1.1f, true, false, false, false, 2, true);
    EXPECT_EQ(CFootprint::feet[2][0][2].size(), 2u) << "a print still fading is not taken";

    PlayOut(first);
    CFootprint::AddPrint(500, 500, 1.1f, true, false, false, false, 2, true);
    ASSERT_EQ(CFootprint::feet[2][0][2].size(), 2u);
    EXPECT_NEAR(CFootprint::feet[2][0][2][0].x, 518, 1) << "the faded one moved to the new place";
    EXPECT_FALSE(first->Paused());

    const int faded = CFootprint::feetImages[1][1][0][1][15];
    ASSERT_NE(CSprite::draw->GetSurface(faded), nullptr);
    CFootprint::Unload();
    EXPECT_EQ(Prints(), 0);
    EXPECT_FALSE(CFootprint::imagesLoaded);
    EXPECT_EQ(CSprite::draw->GetSurface(faded), nullptr);
    EXPECT_EQ(CSprite::draw->GetSurface(CFootprint::feetImages[2][0][2][0][0]), nullptr)
        << "the archive picture has no holder left";
}

TEST_F(SeaLifeTest, RipplesSpreadOnlyOnTheSeaAndAreReusedOnceDone)
{
    // Land in the first 100 columns, sea beyond.
    Fill(NewMap(), 200, true, [](int x, int) { return x < 100 ? 3000 : 0; });
    CRipple::AddRipple(50, 50, 0);
    EXPECT_TRUE(CRipple::ripples.empty()) << "a press on land";

    CRipple::AddRipple(150, 50, 2);
    ASSERT_EQ(CRipple::ripples.size(), 1u);
    ripple_data& ripple = CRipple::ripples[0];
    EXPECT_EQ(ripple.x, 150 - 73);
    CRipple::PumpAll(0, 0);
    CRipple::PumpAll(0, 0);
    EXPECT_TRUE(ripple.sprite->Hidden()) << "waiting out its delay";
    CRipple::PumpAll(5, 6);
    EXPECT_FALSE(ripple.sprite->Hidden());
    EXPECT_EQ(ripple.sprite->GetX(), 150 - 73 + 5);
    EXPECT_EQ(ripple.delay, -1);

    CRipple::AddRipple(300, 60, 0);
    EXPECT_EQ(CRipple::ripples.size(), 2u) << "another ripple while the first plays";
    for (int frame = 0; frame < 40; frame++) {
        Frame();
        CRipple::PumpAll(0, 0);
    }
    EXPECT_TRUE(CRipple::ripples[0].sprite->Hidden());
    CRipple::AddRipple(400, 60, 0);
    CRipple::AddRipple(410, 60, 0);
    EXPECT_EQ(CRipple::ripples.size(), 2u) << "both finished rings were taken again";
    EXPECT_EQ(CRipple::ripples[0].x, 400 - 73);

    CRipple::Unload();
    EXPECT_TRUE(CRipple::ripples.empty());
}

TEST_F(SeaLifeTest, RainOnTheSeaLeavesRipplesThatComeAndGo)
{
    CMap& island = Fill(NewMap(), 50, true, [](int, int) { return 0; });
    island.SetRain(true, 0);
    size_t most = 0;
    for (int frame = 0; frame < 300; frame++) {
        island.MoveRain();
        CRipple::PumpAll(island.offsetX, island.offsetY);
        Frame();
        most = std::max(most, CRipple::ripples.size());
    }
    EXPECT_GT(most, 0u);
    EXPECT_LT(most, 300u) << "finished ripples are reused";
    island.SetRain(false, 0);
}
