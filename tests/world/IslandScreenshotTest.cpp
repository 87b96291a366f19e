// Islands for a person to look at, saved under the build folder's screenshots/.
#include "CDoodad.h"
#include "CTree.h"
#include "CRenderer.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "tests/world/CMapGenerationFixture.h"

#include <string>

namespace {

// Draws the whole screen as the frame loop would and saves it.
void Shoot(CMap& island, const std::string& name)
{
    island.Pump();
    if (island.playable) {
        island.ground->Move(island.offsetX, island.offsetY);
    }
    CObject::MoveObjects(island.offsetX, island.offsetY, 1);
    // Island sprites never reach the side panel's place: keep it black.
    SDL_FillRect(SDL_GetVideoSurface(), nullptr, 0);
    CSprite::renderer->RedrawScreen();
    CSprite::renderer->Render(true);
    EXPECT_TRUE(SavePng(PictureOf(SDL_GetVideoSurface()), ScreenshotPath(name))) << name;
}

}  // namespace

TEST_F(IslandTest, IslandsOfAFewSeedsAreDrawnForAPersonToSee)
{
    for (int index : {0, 9, 17}) {
        const unsigned int seed = kFixedIslandSeeds[index];
        SCOPED_TRACE(seed);
        const std::string stem = "island-" + std::to_string(seed);
        CMap& island = PreviewOf(seed);
        Shoot(island, stem + "-preview.png");

        island.ToggleBig(true);
        ASSERT_TRUE(island.playable);
        CObject::UnHideAll();
        Shoot(island, stem + "-camp.png");
        // A palm's beach, or else the middle doodad's.
        CObject* beach = island.doodads.empty() ? nullptr : island.doodads[island.doodads.size() / 2];
        for (CTree* tree : island.trees) {
            beach = tree->IsScenery() ? tree : beach;
        }
        ASSERT_NE(beach, nullptr) << "every fixed island has beach decoration";
        island.CenterScreen(beach->GetX(), beach->GetY(), true, false, false);
        Shoot(island, stem + "-beach.png");
        CObject::UnloadAll();
    }
}
