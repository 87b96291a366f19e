// A heap's life from its wait through the fall, the landing and the time on
// the ground to its fade, its twinkle heard where it is; collection by a
// dropped islander; where the landing search puts a heap on awkward islands.
#include "CTutorialDialog.h"
#include "DustFixture.h"
#include "TerrainTiles.h"

#include <algorithm>
#include <cmath>

TEST_F(DustTest, AHeapWaitsFallsAtFortyFiveDegreesLandsInViewLiesItsTimeAndFadesAway)
{
    SoundOn();
    // Long without dust: the heap comes down where the player looks.
    island->offsetX = island->offsetY = -1000;
    CControllerGame::lastDustPickup = 7200;
    CDust* heap = new CDust(true, -1, -1, 5);
    EXPECT_TRUE(heap->hidden) << "its maker shows it";
    const int viewX = heap->destX + 116 - 1000, viewY = heap->destY + 116 - 1000;
    EXPECT_TRUE(viewX >= 50 && viewX <= 550 && viewY >= 50 && viewY <= 550) << viewX << "," << viewY;
    EXPECT_TRUE(heap->x <= -30.0f || heap->x >= 3935.0f) << "it comes from beyond the island's edge";
    EXPECT_FLOAT_EQ(heap->height, std::fabs(heap->x - static_cast<float>(heap->destX)));

    // The delay runs down while hidden, and nothing moves before it is over.
    const float startX = heap->x;
    FramesUntil([] { return false; }, 2);
    EXPECT_EQ(heap->delay, 3);
    heap->UnHide();
    FramesUntil([] { return false; }, 3);
    EXPECT_EQ(heap->delay, 0);
    EXPECT_FLOAT_EQ(heap->x, startX);

    // Down the diagonal, one step a frame, glittering as it goes.

    while (heap->height > 0.0f) {
        const float x = heap->x, height = heap->height;
        Frame();
        ASSERT_FLOAT_EQ(heap->x, x - heap->velocityX);
        ASSERT_FLOAT_EQ(heap->height, height - 10.0f);
    }
    EXPECT_GT(ShownParticles(heap), 0);
    EXPECT_TRUE(heap->landed);
    EXPECT_FALSE(Alerting()) << "no observatory";

    // The puff and the thud on the first frame on the ground.
    Frame();
    EXPECT_FALSE(heap->spritePuff->Hidden());
    EXPECT_TRUE(heap->sndLand->IsPlaying());
    EXPECT_TRUE(heap->sndTwinkle->IsPlaying());

    // 1500 frames on the ground, counting the landing, then about 20 of fading.
    const int onGround = FramesUntil([heap] { return heap->expired; }, 2000);
    EXPECT_EQ(onGround + 2, 1500);
    int shownWhileFading = 0;
    const int fade = FramesUntil(
        [&] {
            shownWhileFading = heap->hidden ? shownWhileFading : ShownParticles(heap);
            return heap->hidden;
        },
        100);
    EXPECT_GE(fade, 18);
    EXPECT_LE(fade, 24);
    EXPECT_EQ(shownWhileFading, 0) << "no new glitter once it fades";

    // Out of play: pictures gone at once, the twinkle fades out near the view
    // and its sounds go once it is quiet; the heap itself stays listed.
    EXPECT_TRUE(heap->sprite == nullptr && CountObstructions(heap) == 0);
    if (heap->sndTwinkle) {
        EXPECT_TRUE(heap->sndTwinkle->IsFadingOut());
        EXPECT_GT(FramesUntil([heap] { return heap->sndTwinkle == nullptr; }, 30), 14);
    }
    EXPECT_EQ(heap->sndLand, nullptr);
    EXPECT_EQ(std::count(CDust::dust.begin(), CDust::dust.end(), heap), 1);
    heap->UnHide();
    Frame();
    EXPECT_TRUE(heap->hidden) << "nothing brings a faded heap back";
}

TEST_F(DustTest, AHeapAtAGivenSpotWaitsForThePlayerAndGlittersOnlyWithTheVisualEffects)
{
    profile.SetValue<bool>(7, false);
    CDust* heap = new CDust(false, 1000, 900, 0);
    heap->UnHide();
    ASSERT_GT(FramesUntil([heap] { return heap->height <= 0.0f; }, 500), 0);
    Frame();
    EXPECT_FALSE(heap->spriteGround->Hidden());
    EXPECT_EQ(ShownParticles(heap), 0);
    EXPECT_GT(heap->lifetime, 99999000);
    profile.SetValue<bool>(7, true);
    Frame();
    EXPECT_EQ(ShownParticles(heap), 2 * CDust::SPARKLES);
    EXPECT_GE(heap->sparklePos[0].x, 999) << "over the heap, never at the island's corner";
}

// The twinkle is heard where the heap is: faint while it falls far off, at
// full strength once it lies at the middle of the view.
TEST_F(DustTest, TheTwinkleFollowsTheHeapDownToTheMiddleOfTheView)
{
    SoundOn();
    island->offsetX = island->offsetY = -1000;
    const coordinate fromCentre = island->GetDistFromScreenCenter(0, 0);
    CDust* heap = new CDust(true, -fromCentre.x, -fromCentre.y, 0);
    heap->UnHide();
    Frame();
    ASSERT_TRUE(heap->sndTwinkle->IsPlaying());
    EXPECT_LT(heap->sndTwinkle->GetVolume(), 0.5f) << "high up beyond the island's edge";
    ASSERT_GT(FramesUntil([heap] { return heap->height <= 0.0f; }, 500), 0);
    Frame();
    EXPECT_FLOAT_EQ(heap->sndTwinkle->GetVolume(), 1.0f);
}

TEST_F(DustTest, ADroppedIslanderCollectsTheHeapEvenInTheAirAndItNeverLands)
{
    SoundOn();
    CObservatory::numObservatories = 1;  // an alert would sound on landing
    SetStep(29, true);
    CControllerGame::lastDustPickup = 99;

    // Far from the view: its twinkle stops at once.
    CDust* star = new CDust(true, 3000, 3000, 0);
    star->UnHide();
    Frame();
    Frame();
    ASSERT_GT(star->height, 0.0f);
    MouseAt(star->sprite->GetX() - 25, star->sprite->GetY() - 45);
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, true), star) << "a falling heap can be caught";
    EXPECT_EQ(CObject::DropOn(), 0);
    EXPECT_TRUE(StepDone(30));
    EXPECT_TRUE(StepDone(31)) << "one drop completes both";
    EXPECT_EQ(CControllerGame::lastDustPickup, 0);
    EXPECT_TRUE(star->hidden);
    EXPECT_NE(CObject::FindObjectAt(-1, -1, false, true), star) << "a collected heap cannot be picked again";
    EXPECT_EQ(star->sndTwinkle, nullptr);
    FramesUntil([] { return false; }, 500);
    EXPECT_FALSE(star->landed);
    EXPECT_FALSE(Alerting());

    // Near the view: the twinkle fades over 15 frames, then goes.
    SetStep(47, true);
    CDust* moon = new CDust(false, 300, 300, 0);
    moon->UnHide();
    ASSERT_GT(FramesUntil([moon] { return moon->landed; }, 500), 0);
    Frame();
    EXPECT_TRUE(Alerting());
    MouseAt(300 + kOffsetX, 300 + kOffsetY);
    // A hidden heap cannot be pointed at until it is shown again.
    moon->Hide();
    EXPECT_NE(CObject::FindObjectAt(-1, -1, false, true), moon);
    moon->UnHide();
    EXPECT_EQ(CObject::FindObjectAt(-1, -1, false, true), moon);
    EXPECT_EQ(CObject::DropOn(), 0);
    EXPECT_TRUE(StepDone(48));
    ASSERT_NE(moon->sndTwinkle, nullptr);
    EXPECT_TRUE(moon->sndTwinkle->IsFadingOut());
    EXPECT_EQ(FramesUntil([moon] { return moon->sndTwinkle == nullptr; }, 40), 17);
    CObservatory::numObservatories = 0;
}

TEST_F(DustTest, TheLandingSearchEndsOnAnyIslandWithAPointOnIt)
{
    auto fill = [this](unsigned int bits) {
        for (int tile = 0; tile < MAP_TILES * MAP_TILES; tile++) {
            island->SetTile(tile % MAP_TILES, tile / MAP_TILES, bits);
        }
    };
    // Sand only: the late tries take sand.
    fill(kSandTile);
    CDust onSand(true, -1, -1, 0);
    EXPECT_TRUE(island->TileContainsTerrain_coords(onSand.destX + 116, onSand.destY + 116, TILE_SAND, false));
    // Open sea: no try passes, yet the heap lands on the island.
    fill(TILE_DEEP | TILE_HOLDS_DEEP);
    CDust atSea(false, -1, -1, 0);
    EXPECT_TRUE(atSea.destX >= 0 && atSea.destX < ISLAND_PIXELS && atSea.destY >= 0 && atSea.destY < ISLAND_PIXELS)
        << atSea.destX << "," << atSea.destY;
    // Grass covered wall to wall by another heap's kind of obstruction: the
    // search gives up with a grass point after its passes.
    AllGrass();
    FakeObject cover;
    CObject::AddObstruction(-200, -200, 4400, 4400, &cover, true);
    CDust crowded(true, -1, -1, 0);
    EXPECT_TRUE(island->TileContainsTerrain_coords(crowded.destX + 116, crowded.destY + 116, TILE_GRASS, false));
    CObject::RemoveObstructions(&cover);
}
