// Gulls on the sea and in the air and birds on the grass of a real island,
// drawn in a real window for a person to look at.
#include "CBird.h"
#include "CDraw.h"
#include "CGull.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "SeaLifeFixture.h"

#include <cstdio>

namespace {

struct BirdScene : SeaLifeTest {
    void TestBody() override {}
    void Begin() { SetUp(); }
    void End() { TearDown(); }


    // 0 when floating gulls, a flying gull and birds are all on the screen.
    int Draw(const std::string& path)
    {
        CMap& island = PreviewOf(kFixedIslandSeeds[0]);
        island.ToggleBig(true);
        CObject::UnHideAll();
        int x = 0, y = 0;
        if (!FindShore(island, x, y, 512, false)) {
            printf("no shore\n");
            return 1;
        }
        island.CenterScreen(x, y, true, false, false);
        for (int i = 0; i < 5; i++) {
            CGull* gull = CGull::bird[i];
            gull->x = static_cast<float>(x + 120 + 70 * (i % 3));
            gull->y = static_cast<float>(y - 150 + 80 * i);
            gull->waiting = false;
            gull->lost = false;
            gull->takeOffTimer = 100000;
        }
        for (int i = 0; i < CBird::BIRDS; i++) {
            CBird* bird = CBird::bird[i];
            bird->x = static_cast<float>(x - 250 + (i % 4) * 30);
            bird->y = static_cast<float>(y - 90 + (i / 4) * 40);
            bird->waiting = false;
            bird->hidden = false;
            bird->lost = false;
        }
        for (int frame = 0; frame < 30; frame++) {
            if (frame == 10) {
                CGull::bird[4]->FlyAway();
            }
            ShoreFrame(island);
        }
        CSprite::renderer->RedrawScreen();
        CSprite::renderer->Render(true);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
        const bool floating = !CGull::bird[0]->floatingSprite->Hidden();
        const bool flying = !CGull::bird[4]->flyingSprite->Hidden();
        const bool standing = !CBird::bird[0]->current->Hidden();
        printf("floating %i, flying %i, bird %i\n", floating, flying, standing);
        return !floating + !flying + !standing;
    }
};

}  // namespace

TEST(BirdsOnX, AShoreShowsGullsOnTheSeaAndInFlightAndBirdsOnTheGrass)
{
    ScreenshotOnX("Birds-shore-x11.png", [](const std::string& path) {
        BirdScene scene;
        scene.Begin();
        const int missing = scene.Draw(path);
        scene.End();
        return missing;
    });
}
