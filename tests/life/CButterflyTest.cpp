#include "CButterfly.h"
#include "CPerson.h"
#include "CSprite.h"
#include "SeaLifeFixture.h"
#include "Utilities.h"
#include "tests/islanders/IslanderRecords.h"

#include <cmath>
#include <map>
#include <memory>
#include <set>

namespace {

constexpr unsigned int kGrass = 0x200 | 16;

int LiveButterflies()
{
    int count = 0;
    for (CObject* object : CObject::objects) {
        count += dynamic_cast<CButterfly*>(object) != nullptr;
    }
    return count;
}

// A perched butterfly at world (x, y) that will not decide anything soon.
std::unique_ptr<CButterfly> PerchedAt(int x, int y)
{
    auto butterfly = std::make_unique<CButterfly>();
    butterfly->x = butterfly->footX = static_cast<float>(x);
    butterfly->y = butterfly->footY = static_cast<float>(y);
    butterfly->timer = 1000;
    return butterfly;
}

}  // namespace

TEST_F(SeaLifeTest, TwentyButterfliesSettleApartOnGrassWithoutDisturbingTheSeededSequence)
{
    TiledIsland([](int, int) { return kGrass; }, 4000);
    InitRandom(77);
    CButterfly::LoadButterflies();
    const int next = GetRandom();

    std::set<char> kinds;
    for (CButterfly* one : CButterfly::butterfly) {
        ASSERT_NE(one, nullptr);
        kinds.insert(one->kind);
        EXPECT_FALSE(one->lost);
        for (CButterfly* other : CButterfly::butterfly) {
            if (other != one) {
                EXPECT_GE(GetDist(one->x, one->y, other->x, other->y), 50.0f);
            }
        }
    }
    EXPECT_EQ(kinds.size(), 15u) << "every look before any repeats";

    CObject::UnloadAll();
    InitRandom(77);
    CButterfly::LoadButterflies();
    EXPECT_EQ(GetRandom(), next) << "the clock-seeded searches leave the sequence as it was";
}

TEST_F(SeaLifeTest, ANewSwarmReplacesTheOldOneHoweverOftenItIsMade)
{
    TiledIsland([](int, int) { return kGrass; }, 4000);
    for (int i = 0; i < 3; i++) {
        CButterfly::LoadButterflies();
        EXPECT_EQ(LiveButterflies(), CButterfly::BUTTERFLIES) << "after swarm " << i + 1;
    }
    delete CButterfly::butterfly[4];
    EXPECT_EQ(CButterfly::butterfly[4], nullptr);
    EXPECT_NE(CButterfly::butterfly[5], nullptr) << "a butterfly clears only its own slot";
}

TEST_F(SeaLifeTest, WithoutGrassButterfliesStayHiddenAndSaySo)
{
    CMap& island = TiledIsland([](int, int) { return 1u; }, 0);
    CButterfly::LoadButterflies();
    for (int frame = 0; frame < 3; frame++) {
        CObject::MoveObjects(0, 0, 1);
    }
    for (CButterfly* one : CButterfly::butterfly) {
        ASSERT_NE(one, nullptr);
        EXPECT_TRUE(one->lost);
        EXPECT_TRUE(one->current->Hidden());
    }
    EXPECT_NE(Log().find("A butterfly found no free grass"), std::string::npos);
    std::map<std::string, int> images;
    island.GatherMiniMapObjects(images);
    for (const auto& picture : island.previewPictures) {
        EXPECT_EQ(picture.second.name.find("butterfly"), std::string::npos) << "nor on the mini-map";
    }
}

TEST_F(SeaLifeTest, AButterflyWithNowhereToFlyMovesAndPerches)
{
    // One column of grass: every flight leaves it.
    const int column = TileOf(2000);
    TiledIsland([column](int tx, int) { return tx == column ? kGrass : 1u; }, 4000);
    auto butterfly = PerchedAt(2000, 2000);
    butterfly->FlySomewhere(-1);
    EXPECT_EQ(butterfly->state, CButterfly::SIT_LEFT);
    EXPECT_EQ(butterfly->current, butterfly->sitLeft);
    EXPECT_GE(butterfly->timer, 45);
    EXPECT_LE(butterfly->timer, 75);
    EXPECT_EQ(TileOf(butterfly->GetX()), column);
    EXPECT_NE(butterfly->GetY(), 2000) << "it moved to a new spot on the grass";
}

TEST_F(SeaLifeTest, ButterfliesTakeOffFromWalkersAndClicksButNotFromTheCarried)
{
    TiledIsland([](int, int) { return kGrass; }, 4000);
    auto near = PerchedAt(1000, 1000);
    auto far = PerchedAt(2000, 1000);
    CPerson walker(IslanderRecord(1000, 1000 - 20 + 79, 0));
    CPerson passer(IslanderRecord(2000, 1000 - 20 + 80, 0));
    walker.pickedUp = true;
    near->Pump(0, 0, 1);
    EXPECT_FALSE(near->IsFlying()) << "the carried islander is not near";
    EXPECT_FALSE(near->current->Hidden());
    walker.pickedUp = false;
    near->Pump(0, 0, 1);
    far->Pump(0, 0, 1);
    EXPECT_TRUE(near->IsFlying());
    EXPECT_FALSE(far->IsFlying()) << "80 px is far enough";

    far->Clicked();
    ASSERT_TRUE(far->IsFlying());
    const int state = far->state;
    const float vx = far->vx;
    far->Clicked();
    EXPECT_EQ(far->state, state) << "a click does not turn a flying butterfly";
    EXPECT_EQ(far->vx, vx);

    const float before = far->x;
    far->Pump(0, 0, 1);
    EXPECT_FLOAT_EQ(far->x, before + vx);
}

TEST_F(SeaLifeTest, APotionGathersEveryButterflyAndSetsThemFlying)
{
    TiledIsland([](int, int) { return kGrass; }, 4000);
    CButterfly::LoadButterflies();
    CButterfly::SummonTo(1500, 1600);
    for (CButterfly* one : CButterfly::butterfly) {
        EXPECT_EQ(one->GetX(), 1500);
        EXPECT_EQ(one->GetY(), 1600);
        EXPECT_TRUE(one->IsFlying());
    }
}

TEST_F(SeaLifeTest, ButterfliesSettleOnlyMoreThan79PxFromAnIslander)
{
    TiledIsland([](int, int) { return kGrass; }, 4000);
    // The search draws from the clock, which the fixture holds still, so its
    // first two spots are known.
    InitRandom(kTestNow);
    const int firstX = RangedRandom(400, 3697);
    const int firstY = RangedRandom(400, 3697);
    const int nextX = RangedRandom(400, 3697);
    const int nextY = RangedRandom(400, 3697);
    ASSERT_GT(GetDist(nextX, nextY - 20, firstX + 79, firstY - 20), 80.0f);
    for (int away : {79, 80}) {
        CPerson islander(IslanderRecord(firstX + away, firstY - 20, 0));
        auto butterfly = PerchedAt(0, 0);
        butterfly->FindNewLocation();
        EXPECT_EQ(butterfly->GetX(), away == 79 ? nextX : firstX) << away << " px away";
        EXPECT_EQ(butterfly->GetY(), away == 79 ? nextY : firstY) << away << " px away";
    }
}

TEST_F(SeaLifeTest, EachFlightGoesItsOwnWayWithItsOwnPicture)
{
    TiledIsland([](int, int) { return kGrass; }, 4000);
    struct flight {
        int state;
        bool left, up;
    };
    const flight flights[] = {{CButterfly::FLY_LEFT_UP, true, true},
                              {CButterfly::FLY_RIGHT_UP, false, true},
                              {CButterfly::FLY_LEFT_DOWN, true, false},
                              {CButterfly::FLY_RIGHT_DOWN, false, false}};
    for (const flight& f : flights) {
        SCOPED_TRACE(f.state);
        auto butterfly = PerchedAt(2000, 2000);
        butterfly->FlySomewhere(f.state);
        ASSERT_EQ(butterfly->state, f.state);
        CSprite* const pictures[] = {butterfly->flyLeftUp, butterfly->flyRightUp, butterfly->flyLeftDown,
                                     butterfly->flyRightDown};
        EXPECT_EQ(butterfly->current, pictures[f.state - CButterfly::FLY_LEFT_UP]);
        EXPECT_GE(std::abs(butterfly->vx), 0.5f);
        EXPECT_LT(std::abs(butterfly->vx), 1.5f);
        EXPECT_GE(std::abs(butterfly->vy), 0.2f);
        EXPECT_LT(std::abs(butterfly->vy), 0.75f);
        butterfly->Pump(0, 0, 1);
        EXPECT_EQ(butterfly->x < 2000.0f, f.left);
        EXPECT_EQ(butterfly->y < 2000.0f, f.up);
    }
}
