#include "CPerson.h"
#include "tests/islanders/IslanderRecords.h"
#include "CRelic.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <algorithm>

namespace {

constexpr int kYear = 172800;

void StormsAllowed()
{
    CProfile::current->SetValue<bool>(1006, true);
}

}  // namespace

TEST_F(IslandTest, RainStartsWithTheLengthThunderAndRelicsOfItsKind)
{
    struct start {
        int kind;
        int least, most;
        size_t relics;
        bool thunder;
    };
    const start cases[] = {{0, 1800, 3600, 0, false}, {1, 1800, 3600, 1, true}, {2, 450, 900, 4, true}};
    StormsAllowed();
    for (const start& c : cases) {
        SCOPED_TRACE(c.kind);
        CMap& island = NewMap();
        CPerson* adult = new CPerson(IslanderRecord(10, 10, 20 * kYear));
        CPerson* baby = new CPerson(IslanderRecord(20, 10, kYear));
        const size_t relics = CRelic::relic.size();
        island.SetRain(true, c.kind);
        EXPECT_TRUE(island.raining);
        EXPECT_FALSE(island.rainOverlay->Hidden());
        EXPECT_GE(island.rainFramesLeft, c.least);
        EXPECT_LE(island.rainFramesLeft, c.most);
        EXPECT_EQ(CRelic::relic.size() - relics, c.relics);
        EXPECT_EQ(adult->surprisedFrames, c.thunder ? 45 : 0);
        EXPECT_EQ(baby->surprisedFrames, 0) << "babies sleep through the thunder";

        // A storm over rain already falling changes its kind, nothing else.
        const int left = island.rainFramesLeft;
        adult->surprisedFrames = 0;
        island.SetRain(true, 2);
        EXPECT_EQ(island.rainKind, 2);
        EXPECT_EQ(island.rainFramesLeft, left);
        EXPECT_EQ(CRelic::relic.size() - relics, c.relics);
        EXPECT_EQ(adult->surprisedFrames, 0);

        island.SetRain(false, 1);
        EXPECT_FALSE(island.raining);
        EXPECT_TRUE(island.rainOverlay->Hidden());
        EXPECT_EQ(adult->surprisedFrames, 45) << "the end of the rain thunders";
        delete adult;
        delete baby;
    }
}

TEST_F(IslandTest, StormsWaitForTheTutorialsWeatherStep)
{
    CMap& island = NewMap();
    island.SetRain(true, 1);
    EXPECT_FALSE(island.raining);
    island.SetRain(true, 0);
    EXPECT_TRUE(island.raining);
    island.rainFramesLeft = 0;
    island.SetRain(false, 1);  // as the island's frame ends every rain
    EXPECT_TRUE(island.raining) << "held until the weather step is done";
    CTutorialDialog::CompleteTutorial(6);
    island.SetRain(false, 1);
    EXPECT_FALSE(island.raining);
}

TEST_F(IslandTest, ThunderComesOnItsCountdownTwiceAsOftenInAHeavyStorm)
{
    struct storm {
        int kind;
        bool thunders;
        int least, most;  // the next countdown
    };
    const storm cases[] = {{0, false, 3, 3}, {1, true, 30, 600}, {2, true, 15, 300}};
    StormsAllowed();
    for (const storm& s : cases) {
        SCOPED_TRACE(s.kind);
        CMap& island = Fill(NewMap(), 50, true, [](int, int) { return 0; });
        CPerson* adult = new CPerson(IslanderRecord(10, 10, 20 * kYear));
        island.SetRain(true, s.kind);
        adult->surprisedFrames = 0;
        island.thunderCountdown = 3;
        island.MoveRain();
        island.MoveRain();
        EXPECT_EQ(adult->surprisedFrames, 0);
        island.MoveRain();
        EXPECT_EQ(adult->surprisedFrames, s.thunders ? 45 : 0);
        if (s.thunders) {
            EXPECT_GE(island.thunderCountdown, s.least);
            EXPECT_LE(island.thunderCountdown, s.most);
        }
        delete adult;
    }
}

TEST_F(IslandTest, ADropFallsLandsOnItsRowAndSplashes)
{
    CMap& island = Fill(NewMap(), 50, true, [](int, int) { return 0; });
    island.SetRain(true, 0);
    rain_drop& drop = island.drops[0];
    drop.x = 100.0f;
    drop.y = -20.0f;
    drop.ground = 200.0f;
    drop.velocityX = 0.0f;
    drop.velocityY = 18.0f;
    const int streakH = drop.streak->GetH();

    island.MoveRain();
    EXPECT_FALSE(drop.waiting);
    EXPECT_FALSE(drop.streak->Hidden());
    EXPECT_EQ(drop.streak->GetY(), -2);
    while (drop.y <= 200.0f && !drop.waiting) {
        island.MoveRain();
    }
    ASSERT_TRUE(drop.waiting) << "landed and parked above the screen again";
    EXPECT_LE(drop.y, -50.0f);
    EXPECT_FALSE(drop.splash->Hidden());
    EXPECT_EQ(drop.splash->GetX(), 100 + drop.streak->GetW() / 2 - drop.splash->GetW() / 2);
    EXPECT_EQ(drop.splash->GetY(), Round(214.0f + streakH - drop.splash->GetH() / 2.0f));
}

TEST_F(IslandTest, ScrollingCarriesTheDropsButLiftsThemAtMostTenPixelsAFrame)
{
    struct scroll {
        bool playable;
        int deltaY;
        float moved;  // by the scroll, besides the drop's own 18
    };
    const scroll cases[] = {{true, -50, -10.0f}, {true, -4, -4.0f}, {true, 30, 30.0f}, {false, 30, -18.0f}};
    for (const scroll& s : cases) {
        SCOPED_TRACE(s.deltaY);
        CMap& island = Fill(NewMap(), 50, s.playable, [](int, int) { return 0; });
        island.SetRain(true, 0);
        rain_drop& drop = island.drops[0];
        // A drop that lands nowhere, drawn over the world but under the side panel.
        drop = rain_drop{100.0f, 100.0f, 0.0f, 0.0f, 20000.0f, 0.0f, 18.0f, drop.streak, drop.splash, false};
        island.scrollDeltaY = s.deltaY;
        island.MoveRain();
        EXPECT_FLOAT_EQ(drop.y, 118.0f + s.moved);
        if (s.playable) {
            EXPECT_FLOAT_EQ(drop.ground, 20000.0f - std::min(0.0f, s.moved));
            EXPECT_EQ(island.scrollDeltaY, 0);
            EXPECT_LT(drop.streak->GetZ(), 20000000);
        }
    }
}

TEST_F(IslandTest, CloudsAreShownOnlyOverThePreviewWithTheEffectsOn)
{
    struct sky {
        bool playable, effects;
        int shown;
    };
    for (const sky& s : {sky{false, true, 3}, sky{true, true, 0}, sky{false, false, 0}}) {
        CMap& island = NewMap();
        island.playable = s.playable;
        CProfile::current->SetValue<bool>(7, s.effects);
        island.MoveClouds();
        EXPECT_EQ(std::count_if(std::begin(island.clouds), std::end(island.clouds),
                                [](const cloud_data& c) { return !c.cloud->Hidden() && !c.shadow->Hidden(); }),
                  s.shown);
    }
    CProfile::current->SetValue<bool>(7, true);
}

TEST_F(IslandTest, ACloudOutOfTheFrameGivesWayToOneFromTheWindwardSide)
{
    CMap& island = NewMap();
    int active = -1;
    for (int i = 0; i < CMap::CLOUDS; i++) {
        cloud_data& cloud = island.clouds[i];
        const bool leaving = !cloud.gone && active == -1;
        active = leaving ? i : active;
        cloud = cloud_data{leaving ? 2000.0f : 100.0f, 100.0f + 30.0f * i, 1.0f, 0.5f, cloud.cloud, cloud.shadow,
                           cloud.gone, 0};
    }
    island.camera = {10.0f, 4.0f};  // the scan moved the sea by this much
    island.MoveClouds();
    const cloud_data& still = island.clouds[active == 0 ? 1 : 0];
    EXPECT_FLOAT_EQ(still.x, 91.0f);
    EXPECT_EQ(still.shadow->GetX(), 287 + Round(still.x + 72.0f));
    island.camera = {};
    island.previousCamera = {};
    island.MoveClouds();
    EXPECT_FALSE(island.clouds[active].gone);
    island.MoveClouds();
    // Gone on its third frame out of sight; the refill that follows draws
    // one of the gone clouds, which may be this one again, and brings it in
    // from the windward side.
    const cloud_data& left = island.clouds[active];
    EXPECT_TRUE(left.gone || left.x == -(left.shadow->GetOriginalW() + 72.0f)) << left.x;
    EXPECT_EQ(island.activeClouds, 3);
    for (const cloud_data& cloud : island.clouds) {
        if (!cloud.gone && cloud.x < 0.0f) {
            EXPECT_FLOAT_EQ(cloud.x, -(cloud.shadow->GetOriginalW() + 72.0f)) << "it comes in from the left";
        }
    }
    island.scanFrame = 50;
    island.MoveClouds();
    EXPECT_EQ(island.activeClouds, 6) << "more clouds pass while the chooser travels";
}
