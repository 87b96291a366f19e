// The fireplace's road: built, lit by wood in the stock, put out by rain and
// by an empty stock, smoking while it burns, and chosen as the place to eat.
#include "CFireplace.h"
#include "CResources.h"
#include "CSound.h"
#include "NullSound.h"
#include "Utilities.h"
#include "tests/buildings/BuildingsFixture.h"

namespace {

class FireplaceTest : public BuildingsTest {
protected:
    void SetUp() override
    {
        BuildingsTest::SetUp();
        // Sound on the null output, so that the crackle can be heard.
        StartNullSound(folder);
    }

    void TearDown() override
    {
        BuildingsTest::TearDown();
        CSound::ShutDown();
    }

    static int PuffsShown(CFireplace& fire)
    {
        int shown = 0;
        for (int i = 0; i < CFireplace::PUFFS; i++) {
            shown += !fire.GetPuff(i)->Hidden();
        }
        return shown;
    }

    // Whether the flames, the sparks and the pile show.
    static bool Flames(CFireplace& fire) { return !fire.GetFire()->Hidden() && !fire.GetSparks()->Hidden(); }
    static bool Pile(CFireplace& fire) { return !fire.GetWoodPile()->Hidden(); }
};

}  // namespace

TEST_F(FireplaceTest, AFireBurnsOnlyWhenBuiltDryAndSuppliedWithWood)
{
    CFireplace& fire = *new CFireplace(1500, 1500);
    Stock()->AddWood(10);
    Frame();
    EXPECT_FALSE(fire.ThisIsBurning()) << "still being built";
    EXPECT_FALSE(Flames(fire) || Pile(fire));
    EXPECT_FALSE(fire.GetCrackle()->IsPlaying());

    fire.FinishNow();
    Frame();
    EXPECT_TRUE(CFireplace::IsBurning());
    EXPECT_TRUE(Flames(fire) && Pile(fire));
    EXPECT_TRUE(fire.GetCrackle()->IsPlaying());
    EXPECT_EQ(Stock()->GetWood(), 10) << "burning uses no wood";

    island->raining = true;
    Frame();
    EXPECT_FALSE(CFireplace::IsBurning());
    EXPECT_FALSE(Flames(fire));
    EXPECT_TRUE(Pile(fire)) << "the wood waits for the rain to stop";
    EXPECT_FALSE(fire.GetCrackle()->IsPlaying());

    island->raining = false;
    Frame();
    EXPECT_TRUE(Flames(fire));
    EXPECT_TRUE(fire.GetCrackle()->IsPlaying());

    Stock()->RemoveWood(10);
    Frame();
    EXPECT_FALSE(CFireplace::IsBurning());
    EXPECT_FALSE(Flames(fire) || Pile(fire));
    EXPECT_FALSE(fire.GetCrackle()->IsPlaying());

    // Shown again with wood in stock, a site's fire is put out by its frame.
    CFireplace& site = *new CFireplace(2200, 1500);
    Stock()->AddWood(5);
    site.Hide();
    site.UnHide();
    Frame();
    EXPECT_FALSE(Flames(site) || Pile(site));
    EXPECT_TRUE(Flames(fire));
}

TEST_F(FireplaceTest, AtMostThreePuffsRiseForSixtyTwoFramesEachAndStopWithTheFire)
{
    CFireplace& fire = *new CFireplace(1500, 1500);
    fire.FinishNow();
    Stock()->AddWood(10);
    int lives[CFireplace::PUFFS] = {};
    int started = 0, most = 0;
    for (int frame = 0; frame < 400; frame++) {
        Frame();
        most = std::max(most, PuffsShown(fire));
        for (int i = 0; i < CFireplace::PUFFS; i++) {
            if (fire.GetPuff(i)->Hidden()) {
                lives[i] = 0;
                continue;
            }
            started += lives[i] == 0;
            lives[i]++;
            ASSERT_LE(lives[i], CFireplace::PUFF_FRAMES);
        }
    }
    EXPECT_EQ(most, 3);
    EXPECT_GE(started, 400 / 28);

    // Rising puffs draw ever further in front of the fire.
    CSprite* rising = nullptr;
    for (int i = 0; i < CFireplace::PUFFS && !rising; i++) {
        rising = fire.GetPuff(i)->Hidden() ? nullptr : fire.GetPuff(i);
    }
    ASSERT_NE(rising, nullptr);
    const int z = rising->GetZ(), y = rising->GetY();
    Frame();
    if (!rising->Hidden()) {
        EXPECT_GT(rising->GetZ(), z);
        EXPECT_LT(rising->GetY(), y);
    }

    // Out of wood: the puffs in the air finish and no new one starts.
    Stock()->RemoveWood(10);
    const int inTheAir = PuffsShown(fire);
    EXPECT_GT(inTheAir, 0);
    for (int frame = 0; frame < CFireplace::PUFF_FRAMES; frame++) {
        const int before = PuffsShown(fire);
        Frame();
        ASSERT_LE(PuffsShown(fire), before);
    }
    EXPECT_EQ(PuffsShown(fire), 0);
}

// The smoke draws from the island's one sequence, and only in the frames
// that are drawn: a puff that starts takes its drift and then the wait for
// the next, and a frame in which none starts takes nothing.
TEST_F(FireplaceTest, TheSmokeDrawsFromTheIslandsNumbersOnlyWhenAPuffStarts)
{
    CFireplace& fire = *new CFireplace(1500, 1500);
    fire.FinishNow();
    Stock()->AddWood(10);
    CObject::rendering = false;
    InitRandom(99);
    fire.Pump(kOffsetX, kOffsetY, 1);
    EXPECT_EQ(PuffsShown(fire), 0) << "a frame nobody sees makes no smoke";
    const int unseen = GetRandom();
    InitRandom(99);
    EXPECT_EQ(unseen, GetRandom()) << "and draws nothing";
    CObject::rendering = true;

    InitRandom(99);
    fire.PumpSmoke();
    ASSERT_EQ(PuffsShown(fire), 1);
    const int startX = fire.GetPuff(0)->GetX();
    for (int frame = 0; frame < 16; frame++) {
        fire.PumpSmoke();  // the wait is at least 18 frames: no puff starts
    }
    const int next = GetRandom();

    InitRandom(99);
    const double drift = RangedRandom(-0.25, 0.25);
    const int wait = RangedRandom(18, 28);
    EXPECT_EQ(GetRandom(), next) << "two draws, drift before wait, and none while waiting";
    EXPECT_GE(wait, 18);
    EXPECT_EQ(fire.GetPuff(0)->GetX(), startX + Round(static_cast<float>(drift) * 16.0f))
        << "the puff drifts by the number drawn";
    EXPECT_EQ(PuffsShown(fire), 1);
}

TEST_F(FireplaceTest, IslandersEatAtTheNearestStandingFireplaceTheFirstOfEquals)
{
    int x = 100, y = 100, dir = 0;
    EXPECT_EQ(CFireplace::FindWorkCoords(x, y, dir, true), nullptr);
    EXPECT_EQ(x, -1);
    EXPECT_EQ(dir, 3);

    CFireplace& west = *new CFireplace(1300, 1500);
    CFireplace& east = *new CFireplace(1700, 1500);
    CFireplace& near = *new CFireplace(1500, 1900);
    for (CFireplace* each : {&west, &east, &near}) {
        each->FinishNow();
    }
    Frame();
    for (int attempt = 0; attempt < 20; attempt++) {
        x = 1500;
        y = 1500;
        ASSERT_EQ(CFireplace::FindWorkCoords(x, y, dir, true), &west) << "equal distance: the first made";
        // A corner of the pit, facing into the fire.
        const int dx = x - Round(west.x), dy = y - Round(west.y);
        EXPECT_TRUE((dx == 8 || dx == 103) && (dy == 8 || dy == 88));
        EXPECT_EQ(dir, dx == 8 ? (dy == 8 ? 1 : 0) : (dy == 8 ? 2 : 3));
    }
    x = 1500;
    y = 1800;
    EXPECT_EQ(CFireplace::FindWorkCoords(x, y, dir, true), &near);

    west.SetBuildingDemolitionState(true);
    west.GiveResponse(true);
    x = 1500;
    y = 1500;
    EXPECT_EQ(CFireplace::FindWorkCoords(x, y, dir, true), &east) << "one coming down is passed by";
    for (int attempt = 0; attempt < 20; attempt++) {
        EXPECT_NE(CFireplace::FindWorkCoords(x, y, dir, false), &west);
    }
}
