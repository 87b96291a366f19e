// The finds on the ground: how long they lie and how they fade, the relic's
// sparkle, their collection as lab reagents with the notice while no science
// station works, and where mushrooms and relics choose to lie.
#include "CGuano.h"
#include "CMushroom.h"
#include "CRelic.h"
#include "CRenderer.h"
#include "CScienceStation.h"
#include "SeaLifeFixture.h"
#include "TerrainTiles.h"
#include "tests/buildings/BuildingsFixture.h"

#include <algorithm>

namespace {

struct FindTest : BuildingsTest {
    // One game frame: the find's pump with the island's scroll, then the renderer steps its sprites.
    static void Frame(CObject* find)
    {
        find->Pump(kOffsetX, kOffsetY, 1);
        CSprite::renderer->Render(false);
    }

    // Frames until the find's sprite is gone for good; -1 when it outlasts limit.
    template <class Find>
    static int FramesUntilGone(Find* find, int limit)
    {
        for (int frame = 1; frame <= limit; frame++) {
            Frame(find);
            if (!find->sprite) {
                return frame;
            }
        }
        return -1;
    }

    static bool Listed(CObject* find)
    {
        return std::find(CObject::objects.begin(), CObject::objects.end(), find) != CObject::objects.end();
    }

    void UsableScienceStation()
    {
        (new CScienceStation(2000, 2000))->FinishNow();
    }
};

TEST_F(FindTest, GuanoLiesItsTimeFadesAndIsCollectedOnceWithItsNotice)
{
    CGuano* old = new CGuano(200, 200, true, 200, 200, 5);
    for (int frame = 0; frame < 1800; frame++) {
        Frame(old);
    }
    EXPECT_EQ(old->sprite->GetFrame(), 0u) << "still lying";
    EXPECT_TRUE(old->sprite->Paused()) << "its 1800 frames are not yet over";
    Frame(old);
    EXPECT_FALSE(old->sprite->Paused()) << "it starts to fade on the frame after";
    const int fade = 1 + FramesUntilGone(old, 100);
    EXPECT_GE(fade, 10) << "five faded images, two frames each";
    EXPECT_LE(fade, 14);
    EXPECT_TRUE(old->hidden);
    EXPECT_TRUE(Listed(old)) << "gone, but listed until the island unloads";
    int z = 0;
    EXPECT_FALSE(old->IsAtCoords(z, 200, 200));
    EXPECT_EQ(old->DroppedOn(), 0);
    EXPECT_EQ(profile.GetValue<int>(41), 0);

    SetStep(59, true);
    CGuano* fresh = new CGuano(300, 200, false, 300, 200, 5);
    Frame(fresh);
    EXPECT_TRUE(fresh->IsAtCoords(z, 300 - 29, 200 - 59));
    EXPECT_EQ(z, 8194000);
    EXPECT_EQ(fresh->DroppedOn(), 0);
    EXPECT_EQ(profile.GetValue<int>(41), 1);
    EXPECT_TRUE(StepDone(60));
    EXPECT_EQ(CObject::requestingFeedback, fresh);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12101);
    EXPECT_EQ(CObject::requestingFeedbackData.noticeOnly, 1);
    Frame(fresh);
    fresh->DroppedOn();
    EXPECT_EQ(profile.GetValue<int>(41), 1) << "a second drop comes while it fades";
    fresh->GiveResponse(true);
    EXPECT_EQ(CObject::requestingFeedback, nullptr);
    EXPECT_EQ(CObject::requestingFeedbackData.noticeOnly, 0);
    EXPECT_GT(FramesUntilGone(fresh, 100), 0) << "collection fades it out";
    fresh->UnHide();
    EXPECT_TRUE(fresh->hidden) << "gone for good stays gone";
}

TEST_F(FindTest, AMushroomGrowsInLiesItsTimeAndShrinksAwayOrVanishesWhenPicked)
{
    CMushroom* mushroom = new CMushroom(400, 300);
    EXPECT_TRUE(mushroom->sprite->Hidden()) << "until its first frame";
    Frame(mushroom);
    EXPECT_FALSE(mushroom->sprite->Hidden());
    for (int frame = 1; frame < 5400; frame++) {
        mushroom->Pump(0, 0, 1);
        if (frame < 20) {
            CSprite::renderer->Render(false);
        }
    }
    EXPECT_EQ(mushroom->sprite->GetFrame(), 5u) << "grown in and still standing";
    const int shrink = FramesUntilGone(mushroom, 100);
    EXPECT_GE(shrink, 10);
    EXPECT_LE(shrink, 14);
    EXPECT_TRUE(mushroom->hidden && Listed(mushroom));

    UsableScienceStation();
    CMushroom* picked = new CMushroom(500, 300);
    Frame(picked);
    Frame(picked);
    ASSERT_LT(picked->sprite->GetFrame(), 5u) << "still growing in";
    EXPECT_EQ(picked->DroppedOn(), 0);
    EXPECT_EQ(picked->sprite, nullptr) << "picked while growing: gone at once";
    EXPECT_EQ(profile.GetValue<int>(42), 1);
    EXPECT_EQ(CObject::requestingFeedback, nullptr) << "a working science station takes it without a word";
}

TEST_F(FindTest, ARelicSparklesEveryHalfSecondToThreeAndFinishesTheSparkleWhenTaken)
{
    CRelic* relic = new CRelic(600, 300);
    std::vector<int> sparkles;
    int previous = relic->glintCountdown;
    for (int frame = 0; frame < 2000; frame++) {
        Frame(relic);
        if (relic->glintCountdown > previous) {
            sparkles.push_back(frame);
        }
        previous = relic->glintCountdown;
    }
    ASSERT_GE(sparkles.size(), 20u);
    for (size_t i = 1; i < sparkles.size(); i++) {
        EXPECT_GE(sparkles[i] - sparkles[i - 1], 30);
        EXPECT_LE(sparkles[i] - sparkles[i - 1], 90);
    }

    // Taken just after a sparkle starts: one under way since the loop may be
    // about to end, so it is let finish first.
    while (!relic->glint->Hidden()) {
        Frame(relic);
    }
    while (relic->glint->Hidden()) {
        Frame(relic);
    }
    Frame(relic);
    EXPECT_EQ(relic->DroppedOn(), 0);
    EXPECT_EQ(profile.GetValue<int>(45), 1);
    EXPECT_EQ(CObject::requestingFeedbackData.id, 12103);
    EXPECT_TRUE(relic->sprite->Hidden());
    EXPECT_FALSE(relic->glint->Hidden()) << "the sparkle under way plays on";
    const int end = FramesUntilGone(relic, 20);
    EXPECT_GT(end, 0);
    EXPECT_EQ(relic->glint, nullptr);
    EXPECT_EQ(std::count(CRelic::relic.begin(), CRelic::relic.end(), relic), 1);

    CRelic* old = new CRelic(700, 300);
    Frame(old);
    for (int frame = 1; frame < 18000; frame++) {
        old->Pump(0, 0, 1);
    }
    EXPECT_NE(old->sprite, nullptr) << "a relic lies a long while";
    EXPECT_GT(FramesUntilGone(old, 400), 0);
    EXPECT_EQ(profile.GetValue<int>(45), 1);
}

// Asked for the pointer's point, each kind is hit within its picture grown by
// its own margins, one pixel inside each edge, and missed one pixel outside.
TEST_F(FindTest, ThePointerHitsAFindOnlyWithinItsPictureGrownByItsMargins)
{
    struct margins_case {
        const char* kind;
        CObject* find;
        CSprite* sprite;
        int marginX, marginY;
    };
    CGuano* guano = new CGuano(300, 300, false, 300, 300, 5);
    CMushroom* mushroom = new CMushroom(700, 300);
    CRelic* relic = new CRelic(1100, 300);
    const margins_case cases[] = {
        {"guano", guano, guano->sprite, 30, 60},
        {"mushroom", mushroom, mushroom->sprite, 40, 60},
        {"relic", relic, relic->sprite, 40, 60}};
    for (const margins_case& c : cases) {
        Frame(c.find);
        const int left = c.sprite->GetX() - c.marginX, right = c.sprite->GetX() + c.sprite->GetW() + c.marginX - 1;
        const int top = c.sprite->GetY() - c.marginY, bottom = c.sprite->GetY() + c.sprite->GetH() + c.marginY - 1;
        const int midX = (left + right) / 2, midY = (top + bottom) / 2;
        const struct {
            int x, y;
            bool hit;
        } points[] = {{left, midY, true},     {left - 1, midY, false}, {right, midY, true},  {right + 1, midY, false},
                      {midX, top, true},      {midX, top - 1, false},  {midX, bottom, true}, {midX, bottom + 1, false}};
        for (const auto& p : points) {
            MouseAt(p.x, p.y);
            int z = 0;
            EXPECT_EQ(c.find->IsAtCoords(z, -1, -1), p.hit) << c.kind << " at " << p.x << ", " << p.y;
            EXPECT_EQ(z, p.hit ? 8194000 : 0);
        }
    }
}

TEST_F(FindTest, ASparkleDrawsItsNextWaitThenItsSpotAndShowsThereOnEachPicture)
{
    CRelic* relic = new CRelic(600, 300);
    Frame(relic);
    relic->glintCountdown = 1;
    InitRandom(12);
    const int wait = RangedRandom(30, 90);
    const int spot = RangedRandom(0, 2);
    InitRandom(12);
    Frame(relic);
    EXPECT_EQ(relic->glintCountdown, wait);
    EXPECT_EQ(relic->glintSpot, spot);
    EXPECT_FALSE(relic->glint->Hidden());

    // Each picture's three spots, dx and dy from the relic's corner.
    constexpr int kSpots[10][3][2] = {
        {{-4, 1}, {0, -2}, {3, 5}},   {{-3, -4}, {3, 3}, {5, 1}},   {{-4, 2}, {-2, -2}, {1, -4}},
        {{-3, -5}, {3, -3}, {6, 2}},  {{-4, -5}, {-2, -2}, {3, -4}}, {{-3, 3}, {-1, -3}, {6, -4}},
        {{-5, 2}, {-3, -2}, {2, -4}}, {{-3, -4}, {3, -3}, {5, 1}},  {{-4, 4}, {-3, -1}, {1, -5}},
        {{-4, -3}, {5, -4}, {7, 2}},
    };
    for (int variant = 0; variant < 10; variant++) {
        for (int at = 0; at < 3; at++) {
            relic->variant = variant;
            relic->glintSpot = at;
            relic->glintCountdown = 20;
            relic->glint->UnHide();
            Frame(relic);
            EXPECT_EQ(relic->glint->GetX(), relic->sprite->GetX() + kSpots[variant][at][0]) << variant << "/" << at;
            EXPECT_EQ(relic->glint->GetY(), relic->sprite->GetY() + kSpots[variant][at][1]) << variant << "/" << at;
            EXPECT_EQ(relic->glint->GetZ(), relic->sprite->GetZ() + 1);
        }
    }
}

struct FindSpotTest : SeaLifeTest {};

TEST_F(FindSpotTest, MushroomsGrowOnHighGroundAndRelicsOnlyOnBareSand)
{
    // Grass on the left half, bare sand on the right, all a little above the sea.
    CMap& island = TiledIsland(
        [](int tx, int) { return tx < 64 ? TILE_GRASS | TILE_HOLDS_GRASS : TILE_SAND | TILE_HOLDS_SAND; }, 3300,
        PLAYABLE_SAMPLES);
    for (int i = 0; i < 20; i++) {
        CMushroom* mushroom = new CMushroom(-1, -1);
        CRelic* relic = new CRelic(-1, -1);
        const int x = relic->GetX() + 12, y = relic->GetY() + 15;
        EXPECT_TRUE(island.TileContainsTerrain_coords(x + 96, y + 96, TILE_SAND, true)) << x << "," << y;
        EXPECT_GE(mushroom->GetX(), 96 - 12);
        EXPECT_LE(mushroom->GetX(), 3713 - 12);
    }

    // Too high for a relic: the search gives up after its tries with a point.
    TiledIsland([](int, int) { return TILE_SAND | TILE_HOLDS_SAND; }, 5000, PLAYABLE_SAMPLES);
    CRelic* stranded = new CRelic(-1, -1);
    EXPECT_GE(stranded->GetX(), 96);
    EXPECT_LE(stranded->GetX(), 3713);
}

TEST_F(FindSpotTest, ARelicPassesOverSandThatHoldsGrassForBareSand)
{
    // Sand everywhere, a little above the sea; on the left half it holds some grass.
    CMap& island = TiledIsland(
        [](int tx, int) {
            return tx < 64 ? TILE_SAND | TILE_HOLDS_SAND | TILE_HOLDS_GRASS : TILE_SAND | TILE_HOLDS_SAND;
        },
        3300, PLAYABLE_SAMPLES);
    const auto grassy = [&island](int x, int y) {
        return island.TileContainsTerrain_coords(x + 96, y + 96, TILE_HOLDS_GRASS, true);
    };
    // A seed whose search picks a grassy spot first; the relic lies at the
    // first bare one after it.
    unsigned int seed = 0;
    int bareX = 0, bareY = 0;
    for (bool found = false; !found;) {
        InitRandom(++seed);
        RangedRandom(30, 90);  // the first sparkle's wait
        const int firstX = RangedRandom(96, 3713);
        const int firstY = RangedRandom(96, 3713);
        if (!grassy(firstX, firstY)) {
            continue;
        }
        do {
            bareX = RangedRandom(96, 3713);
            bareY = RangedRandom(96, 3713);
        } while (grassy(bareX, bareY));
        found = true;
    }
    InitRandom(seed);
    CRelic* relic = new CRelic(-1, -1);
    EXPECT_EQ(relic->GetX(), bareX - 12) << "seed " << seed;
    EXPECT_EQ(relic->GetY(), bareY - 15) << "seed " << seed;
}

}  // namespace
