// A shore with its life, drawn in a real window for a person to look at.
#include "CButterfly.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "SeaLifeFixture.h"

#include <cstdio>
#include <cstdlib>

namespace {

struct ShoreScene : SeaLifeTest {
    void TestBody() override {}
    void Begin() { SetUp(); }
    void End() { TearDown(); }


    // 0 when every kind of life is on the screen.
    int Draw(const std::string& path)
    {
        CMap& island = PreviewOf(kFixedIslandSeeds[0]);
        island.ToggleBig(true);
        CObject::UnHideAll();
        int x = 0, y = 0;
        if (!FindShore(island, x, y, 16, true)) {
            printf("no shore\n");
            return 1;
        }
        island.CenterScreen(x, y, true, false, false);

        // Footprints along the beach, a fish jumping beyond it, rain rings on
        // the sea and butterflies over the grass behind.
        for (int step = 0; step < 16; step++) {
            const int px = x - 60 + step * 9;
            const int py = y + (step % 2) * 6;
            CFootprint::AddPrint(px, py - 45, island.GetDepth(px, py, 0), step % 2 == 0, true, false, false, 1,
                                 false);
        }
        CFish* fish = CFish::fishClump[0].fish;
        fish->Pump(island.offsetX, island.offsetY, 1);
        fish->x = static_cast<float>(x + 200);
        fish->y = static_cast<float>(y - 220);
        fish->jumpOffsetX = fish->jumpOffsetY = 0;
        fish->jumpCounter = 0;
        for (int i = 0; i < 4; i++) {
            CRipple::AddRipple(x + 220 + 80 * (i % 2), y - 20 + 70 * i, 3 * i);
        }
        for (int i = 0; i < CButterfly::BUTTERFLIES; i++) {
            CButterfly* one = CButterfly::butterfly[i];
            one->x = static_cast<float>(x - 320 + (i % 5) * 40);
            one->y = static_cast<float>(y - 40 + (i / 5) * 45);
        }
        for (int frame = 0; frame < 9; frame++) {
            ShoreFrame(island);
        }
        SaveRedrawnScreen(path);
        const bool fishShown = !fish->jumpSprite->Hidden();
        const bool rippleShown = !CRipple::ripples.empty() && !CRipple::ripples[0].sprite->Hidden();
        const bool printShown = !CFootprint::feet[1][0][2].empty();
        printf("fish %i, ripple %i, print %i\n", fishShown, rippleShown, printShown);
        return !fishShown + !rippleShown + !printShown;
    }
};

}  // namespace

TEST(SeaLifeOnX, AShoreShowsAJumpingFishFootprintsRipplesAndButterflies)
{
    ScreenshotOnX("SeaLife-shore-x11.png", [](const std::string& path) {
        ShoreScene scene;
        scene.Begin();
        const int missing = scene.Draw(path);
        scene.End();
        return missing;
    });
}
