#include "IslandSeeds.h"
#include "Utilities.h"
#include "tests/world/CMapGenerationFixture.h"

#include <cmath>

TEST_F(IslandTest, TheScanGlidesTheNewIslandInAlongItsCurveForAHundredAndTwentyFrames)
{
    CMap& island = NewMap();
    island.NewMap(kFixedIslandSeeds[1]);
    island.scanFrame = 120;
    island.NewMap(kFixedIslandSeeds[2]);
    ASSERT_EQ(island.scanFrame, 0);
    ASSERT_NE(island.previewCopy, nullptr);
    ASSERT_TRUE(island.ScanningForIsland());
    const size_t history = island.islandHistory.size();
    island.NextMap();
    island.PreviousMap();
    island.NewMap(kFixedIslandSeeds[3]);
    EXPECT_EQ(island.islandHistory.size(), history) << "no other island while the scan runs";
    EXPECT_EQ(island.islandHistory[island.currentHistoryIndex].fromX, island.curve[1].x);

    struct step {
        int frame;
        float t;  // the curve parameter of that frame
    };
    const step steps[] = {{40, 0.4f}, {80, 0.8f}, {82, 0.81f + 0.009743584f}, {120, 0.99999552f}};
    size_t next = 0;
    for (int frame = 1; frame <= 120; frame++) {
        island.RenderMapToScreen();
        island.MoveClouds();
        if (frame == 1) {
            EXPECT_GT(std::abs(island.ground->GetX() - 287) + std::abs(island.ground->GetY() - 20), 4000)
                << "the new island starts far out";
            EXPECT_LT(std::abs(island.previewCopy->GetX() - 287) + std::abs(island.previewCopy->GetY() - 20), 200)
                << "while the old one still fills the frame";
            EXPECT_EQ(island.activeClouds, 6) << "more clouds pass during the travel";
        }
        if (next < sizeof(steps) / sizeof(steps[0]) && frame == steps[next].frame) {
            SCOPED_TRACE(frame);
            float_coordinate c;
            island.GetPointOnSpline(c, steps[next].t);
            EXPECT_NEAR(island.ground->GetX(), Round(c.x) + 287, 1);
            EXPECT_NEAR(island.ground->GetY(), Round(c.y) + 20, 1);
            EXPECT_FLOAT_EQ(island.camera.x, island.curve[1].x - island.scanPoint.x);
            EXPECT_EQ(island.previewCopy->GetX(), Round(287.0f - island.camera.x));
            next++;
        }
    }
    EXPECT_EQ(island.ground->GetX(), 287);
    EXPECT_EQ(island.ground->GetY(), 20);
    EXPECT_FALSE(island.ScanningForIsland());
    island.RenderMapToScreen();
    island.RenderMapToScreen();
    EXPECT_EQ(island.camera.x - island.previousCamera.x, 0.0f) << "at rest the sea stands still";
}

TEST_F(IslandTest, TheHistoryGoesBackTheWayItCameAndForwardTheWayItWent)
{
    // Without the travel every command is taken at once.
    CProfile::current->SetValue<bool>(7, false);
    CMap& island = NewMap();
    island.NewMap(kFixedIslandSeeds[1]);
    ASSERT_EQ(island.islandHistory.size(), 1u);
    island.NextMap();
    ASSERT_EQ(island.islandHistory.size(), 2u) << "past the newest island comes a new one";
    ASSERT_EQ(island.currentHistoryIndex, 1);
    const map_seed second = island.islandHistory[1];
    EXPECT_NE(second.seed, kFixedIslandSeeds[1]);
    EXPECT_EQ(second.fromX, island.curve[1].x);
    EXPECT_EQ(second.fromY, island.curve[1].y);

    island.PreviousMap();
    EXPECT_EQ(island.currentHistoryIndex, 0);
    EXPECT_EQ(island.GetCurrentSeed(), kFixedIslandSeeds[1]);
    EXPECT_EQ(island.curve[1].x, -second.fromX);
    EXPECT_EQ(island.curve[1].y, -second.fromY);

    island.NextMap();
    EXPECT_EQ(island.currentHistoryIndex, 1);
    EXPECT_EQ(island.GetCurrentSeed(), second.seed);
    EXPECT_EQ(island.curve[1].x, second.fromX);
    EXPECT_EQ(island.islandHistory.size(), 2u);

    island.PreviousMap();
    island.scanFrame = 120;
    island.PreviousMap();
    EXPECT_EQ(island.currentHistoryIndex, 0);
    EXPECT_EQ(island.scanFrame, 120) << "nothing before the first island, nothing made";

    island.NewMap(kFixedIslandSeeds[3]);
    EXPECT_EQ(island.islandHistory.size(), 3u);
    EXPECT_EQ(island.currentHistoryIndex, 2);
    EXPECT_EQ(island.GetCurrentSeed(), kFixedIslandSeeds[3]);
}
