#include "CCrateBarrel.h"
#include "CGuano.h"
#include "CGull.h"
#include "CPerson.h"
#include "CSprite.h"
#include "CUtilBounce.h"
#include "SeaLifeFixture.h"
#include "Utilities.h"
#include "tests/islanders/IslanderRecords.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr unsigned int kDeepSea = 2 | 32 | 1;

int BusyRipples()
{
    int count = 0;
    for (const ripple_data& ripple : CRipple::ripples) {
        count += ripple.delay != -1 || !ripple.sprite->Hidden();
    }
    return count;
}

int GuanoCount()
{
    int count = 0;
    for (CObject* object : CObject::objects) {
        count += dynamic_cast<CGuano*>(object) != nullptr;
    }
    return count;
}

// A visible floating gull at world (x, y) that will not take off by itself.
std::unique_ptr<CGull> FloatingAt(int x, int y)
{
    auto gull = std::make_unique<CGull>(x, y);
    gull->takeOffTimer = 100000;
    return gull;
}

// The raw numbers a construction drew from seed, in order.
std::vector<uint32_t> DrawsOf(unsigned int seed, const std::function<void()>& make)
{
    InitRandom(seed);
    make();
    const uint32_t next = RandomGenerator().GenRand32();
    InitRandom(seed);
    std::vector<uint32_t> drawn;
    for (uint32_t raw = RandomGenerator().GenRand32(); raw != next && drawn.size() < 100000;
         raw = RandomGenerator().GenRand32()) {
        drawn.push_back(raw);
    }
    return drawn;
}

// A bob made from the two draws at at: the range first, then the phase.
void ExpectBob(const CUtilBounce& bob, const std::vector<uint32_t>& drawn, size_t at, int lowest, int phases)
{
    ASSERT_LT(at + 1, drawn.size());
    const CUtilBounce expected(0, lowest + static_cast<int>(drawn[at] % 5u), 3.0f, 2.2f,
                               static_cast<int>(drawn[at + 1] % static_cast<uint32_t>(phases)));
    EXPECT_EQ(bob.range, expected.range);
    EXPECT_EQ(bob.position, expected.position);
    EXPECT_EQ(bob.direction, expected.direction);
}

TEST_F(SeaLifeTest, AFloatersBobIsDrawnRangeBeforePhaseAcrossThenDown)
{
    TiledIsland([](int, int) { return kDeepSea; }, 0);
    std::unique_ptr<CGull> gull;
    const std::vector<uint32_t> gullDraws = DrawsOf(61, [&] { gull = std::make_unique<CGull>(900, 900); });
    ASSERT_GE(gullDraws.size(), 4u);
    ExpectBob(*gull->swayX, gullDraws, gullDraws.size() - 4, 23, 61);
    ExpectBob(*gull->swayY, gullDraws, gullDraws.size() - 2, 13, 31);

    CCrateBarrel* crate = nullptr;
    const std::vector<uint32_t> crateDraws = DrawsOf(62, [&] { crate = new CCrateBarrel(2000, 2000, false, false); });
    ASSERT_GE(crateDraws.size(), 4u);
    ExpectBob(*crate->bobX, crateDraws, crateDraws.size() - 4, 23, 61);
    ExpectBob(*crate->bobY, crateDraws, crateDraws.size() - 2, 13, 31);
    delete crate;
}

}  // namespace

TEST_F(SeaLifeTest, GullsSettleApartOnOpenWaterAwayFromTheCrateAndKeepTheSeededSequence)
{
    TiledIsland([](int, int) { return kDeepSea; }, 0);
    CCrateBarrel::currentContainer = new CCrateBarrel(2000, 2000, false, false);
    InitRandom(91);
    CGull::LoadBirds();
    CGull::LoadBirds();
    const int next = GetRandom();

    int gulls = 0;
    for (CObject* object : CObject::objects) {
        gulls += dynamic_cast<CGull*>(object) != nullptr;
    }
    EXPECT_EQ(gulls, CGull::GULLS) << "the second flock replaced the first";
    for (CGull* one : CGull::bird) {
        ASSERT_NE(one, nullptr);
        EXPECT_TRUE(one->waiting);
        EXPECT_FALSE(one->lost);
        EXPECT_GE(GetDist(one->x - 40, one->y - 50, 2000.0f, 2000.0f), 200.0f);
        for (CGull* other : CGull::bird) {
            if (other != one) {
                EXPECT_GE(GetDist(one->x, one->y, other->x, other->y), 120.0f);
            }
        }
    }
    CCrateBarrel::currentContainer = nullptr;

    CObject::UnloadAll();
    InitRandom(91);
    CGull::LoadBirds();
    CGull::LoadBirds();
    EXPECT_EQ(GetRandom(), next) << "the clock-seeded searches leave the sequence as it was";
}

TEST_F(SeaLifeTest, WithoutOpenWaterGullsStayHiddenAndSaySo)
{
    TiledIsland([](int, int) { return 0x200u; }, 4000);
    CGull::LoadBirds();
    for (int frame = 0; frame < 3; frame++) {
        CObject::MoveObjects(-5000, -5000, 1);
    }
    for (CGull* one : CGull::bird) {
        ASSERT_NE(one, nullptr);
        EXPECT_TRUE(one->lost);
        EXPECT_TRUE(one->floatingSprite->Hidden());
        one->FlyAway();
        EXPECT_FALSE(one->flying) << "a gull nobody sees does not take off";
    }
    EXPECT_NE(Log().find("A gull found no open water"), std::string::npos);
    delete CGull::bird[3];
    EXPECT_EQ(CGull::bird[3], nullptr);
    CObject::MoveObjects(0, 0, 1);  // the empty slot is passed over
}

// Each of a gull's pictures holds all its images at its own pace, facing
// either way: the flying shadow beats with the wings it lies under.
TEST_F(SeaLifeTest, EachGullPictureHoldsItsImagesAtItsPace)
{
    bool faced[2] = {false, false};
    for (int seed = 1; seed < 40 && !(faced[0] && faced[1]); seed++) {
        InitRandom(static_cast<unsigned int>(seed));
        auto gull = FloatingAt(1000, 1000);
        faced[gull->facingLeft] = true;
        const struct {
            CSprite* sprite;
            int images, pace;  // frames an image shows; 0 not animated
        } pictures[] = {{gull->floatingSprite, 128, 2}, {gull->floatingShadow, 1, 0}, {gull->flyingSprite, 10, 1},
                        {gull->flyingShadow, 10, 1},    {gull->droppingSprite, 29, 2}};
        for (const auto& p : pictures) {
            EXPECT_EQ(p.sprite->GetNumImages(), p.images) << "facing left " << gull->facingLeft;
            EXPECT_EQ(p.sprite->GetFramesPerStep(), p.pace) << p.images << " images";
        }
    }
    EXPECT_TRUE(faced[0] && faced[1]);
}

TEST_F(SeaLifeTest, AGullBobsLessTheShallowerTheWater)
{
    TiledIsland([](int, int) { return kDeepSea; }, 0);
    auto gull = FloatingAt(1000, 1000);
    gull->waterFactor = 1.0f;
    for (int frame = 0; frame < 20; frame++) {
        gull->Pump(0, 0, 1);
        EXPECT_EQ(gull->floatingSprite->GetX(), 1000);
        EXPECT_EQ(gull->floatingSprite->GetY(), 1000);
    }
    gull->waterFactor = 0.5f;
    for (int frame = 0; frame < 20; frame++) {
        gull->Pump(0, 0, 1);
        EXPECT_EQ(gull->floatingSprite->GetX(), 1000 + Round(gull->swayX->GetVal() * 0.4f));
        EXPECT_EQ(gull->floatingSprite->GetY(), 1000 + Round(gull->swayY->GetVal() * 0.4f));
    }
    EXPECT_FALSE(gull->floatingSprite->Hidden());
    EXPECT_TRUE(gull->flyingSprite->Hidden());
}

TEST_F(SeaLifeTest, AGullTakesOffFromWalkersClicksObstructionsAndItsTimer)
{
    TiledIsland([](int, int) { return kDeepSea; }, 0);
    // In view: the scroll offset is 0.
    auto near = FloatingAt(300, 300);
    auto far = FloatingAt(700, 300);
    auto clicked = FloatingAt(500, 700);
    CPerson walker(IslanderRecord(315, 300 - 25 + 199, 0));
    walker.pickedUp = true;
    near->Pump(0, 0, 1);
    EXPECT_FALSE(near->flying) << "the carried islander is not near";
    walker.pickedUp = false;
    near->Pump(0, 0, 1);
    far->Pump(0, 0, 1);
    EXPECT_TRUE(near->flying);
    EXPECT_FALSE(far->flying);

    clicked->Clicked();
    EXPECT_TRUE(clicked->flying);
    EXPECT_FALSE(far->flying) << "a click sends only that gull off";

    auto waiting = FloatingAt(400, 400);
    waiting->waiting = true;
    waiting->Clicked();
    EXPECT_FALSE(waiting->flying) << "a gull not yet seen ignores clicks";

    auto builtOver = FloatingAt(1500, 2500);
    CObject::AddObstruction(1495, 2495, 10, 10, nullptr, false);
    builtOver->Pump(0, 0, 1);
    EXPECT_TRUE(builtOver->flying);

    auto timed = FloatingAt(2500, 2500);
    timed->takeOffTimer = 2;
    timed->Pump(0, 0, 1);
    EXPECT_FALSE(timed->flying);
    timed->Pump(0, 0, 1);
    timed->Pump(0, 0, 1);
    EXPECT_TRUE(timed->flying);
    EXPECT_GE(timed->takeOffTimer, 0);
}

TEST_F(SeaLifeTest, AFlightRunsOverTheWaterClimbsAndLetsAtMostOneDroppingFall)
{
    TiledIsland([](int, int) { return kDeepSea; }, 0);
    InitRandom(3);
    int droppings = 0;
    for (int flight = 0; flight < 12; flight++) {
        CRipple::Unload();
        auto gull = FloatingAt(2000, 3000);
        gull->facingLeft = true;
        gull->FlyAway();
        EXPECT_EQ(BusyRipples(), 1) << "a ripple where it starts";
        int ripplesAt5 = 0, ripplesAt10 = 0, readyUntil = 0;
        for (int frame = 1; frame <= 200; frame++) {
            gull->Pump(0, 0, 1);
            Frame();
            ripplesAt5 = frame == 5 ? BusyRipples() : ripplesAt5;
            ripplesAt10 = frame == 10 ? BusyRipples() : ripplesAt10;
            EXPECT_FLOAT_EQ(gull->height, frame <= 15 ? 0.0f : static_cast<float>(frame - 15));
            readyUntil = gull->droppingReady ? frame : readyUntil;
        }
        EXPECT_EQ(ripplesAt5, 2);
        EXPECT_EQ(ripplesAt10, 3);
        EXPECT_EQ(readyUntil, 165) << "the dropping comes 166 frames after take-off at the earliest";
        EXPECT_FLOAT_EQ(gull->x, 2000.0f - 8 * 200);
        droppings += !gull->droppingSprite->Hidden() || GuanoCount() > 0;
    }
    EXPECT_GT(droppings, 0);
    EXPECT_LT(droppings, 12) << "most flights let none fall";
}

TEST_F(SeaLifeTest, ADroppingRipplesWaterVanishesOnObstructionsAndBecomesGuanoOnLand)
{
    struct fall {
        bool sea, obstructed;
        int ripples, guano;
    };
    for (const fall f : {fall{true, false, 1, 0}, fall{false, false, 0, 1}, fall{false, true, 0, 0}}) {
        SCOPED_TRACE(f.sea ? "sea" : f.obstructed ? "obstructed" : "land");
        CObject::UnloadAll();
        CRipple::Unload();
        TiledIsland([&f](int, int) { return f.sea ? kDeepSea : 0x200u; }, f.sea ? 0 : 4000, 2400);
        const int x = 2000;
        if (f.obstructed) {
            CObject::AddObstruction(x - 400, 900, 800, 500, nullptr, false);
        }
        auto gull = FloatingAt(x, 1200);
        gull->flying = true;
        gull->takeOffCounter = -15;
        gull->droppingReady = false;
        gull->droppingX = static_cast<float>(x);
        gull->droppingY = 1000;
        gull->droppingSprite->ResetStart();
        gull->droppingSprite->PlayForward();
        gull->droppingSprite->UnHide();
        for (int frame = 0; frame < 80; frame++) {
            gull->Pump(0, 0, 1);
            Frame();
        }
        EXPECT_TRUE(gull->droppingSprite->Hidden());
        EXPECT_EQ(BusyRipples(), f.ripples);
        EXPECT_EQ(GuanoCount(), f.guano);
    }
}

// A dropping starts under the gull's tail, ahead of the gull by its facing,
// at the gull's height above the water, and moves off the way it flies: in
// its first frame it has already drifted by 0.95 of its starting speed and
// fallen by 0.2.
TEST_F(SeaLifeTest, ADroppingStartsUnderTheTailAtTheGullsHeightAndDriftsTheWayItFlies)
{
    TiledIsland([](int, int) { return kDeepSea; }, 0);
    struct start {
        bool left;
        float dx, dy;  // from the gull's place when it starts
        float speed;
    };
    for (const start s : {start{true, 11.0f, 6.0f, -7.0f}, start{false, -7.0f, 2.0f, 7.0f}}) {
        SCOPED_TRACE(s.left ? "facing left" : "facing right");
        InitRandom(3);
        bool started = false;
        for (int flight = 0; flight < 30 && !started; flight++) {
            auto gull = FloatingAt(2000, 3000);
            gull->facingLeft = s.left;
            gull->flying = true;
            gull->takeOffCounter = -15;
            gull->height = 150.0f;  // 151 after the next climb
            gull->Pump(0, 0, 1);
            EXPECT_FALSE(gull->droppingReady) << "one chance a flight";
            started = !gull->droppingSprite->Hidden();
            if (started) {
                EXPECT_FLOAT_EQ(gull->height, 151.0f);
                EXPECT_FLOAT_EQ(gull->droppingDx, s.speed * 0.95f);
                EXPECT_FLOAT_EQ(gull->droppingX, gull->x + s.dx + s.speed * 0.95f);
                EXPECT_FLOAT_EQ(gull->droppingY, gull->y + s.dy - 151.0f + 0.2f);
            }
        }
        EXPECT_TRUE(started) << "one flight in three lets one fall";
    }
}

TEST_F(SeaLifeTest, AGullPlacedInViewWaitsUntilItsSpotWasOutOfView)
{
    TiledIsland([](int, int) { return kDeepSea; }, 0);
    auto gull = FloatingAt(0, 0);
    gull->FindNewLocation();
    const int atX = Round(gull->x);
    const int atY = Round(gull->y);
    gull->Pump(400 - atX, 300 - atY, 1);
    EXPECT_TRUE(gull->waiting);
    EXPECT_TRUE(gull->floatingSprite->Hidden());
    gull->Pump(-5000, -5000, 1);
    EXPECT_FALSE(gull->waiting);
    gull->Pump(400 - atX, 300 - atY, 1);
    EXPECT_FALSE(gull->floatingSprite->Hidden());
}
