// Islands for a person to look at: the chooser's preview and two views of the
// playable island (the camp and a beach) of a few seeds, drawn through the
// real renderer and saved under the build folder's screenshots/.
#include "CDoodad.h"
#include "CTree.h"
#include "CRenderer.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "tests/world/CMapGenerationFixture.h"

#include <set>
#include <string>

namespace {

// Draws the whole screen as the frame loop would and saves it; the number of
// colours in the island view.
size_t Shoot(CMap& island, const std::string& name)
{
    island.Pump();
    if (island.playable) {
        island.ground->Move(island.offsetX, island.offsetY);
    }
    CObject::MoveObjects(island.offsetX, island.offsetY, 1);
    CSprite::renderer->RedrawScreen();
    CSprite::renderer->Render(true);
    rgb_picture picture = PictureOf(SDL_GetVideoSurface());
    if (island.playable) {
        // The island view only: the side panel's place keeps older pictures.
        rgb_picture view;
        view.w = 644;
        view.h = picture.h;
        for (int y = 0; y < picture.h; y++) {
            const auto row = picture.rgb.begin() + static_cast<long>(y) * picture.w * 3;
            view.rgb.insert(view.rgb.end(), row, row + view.w * 3);
        }
        picture = view;
    }
    EXPECT_TRUE(SavePng(picture, ScreenshotPath(name))) << name;
    std::set<uint32_t> colours;
    for (int y = 0; y < 600; y += 3) {
        for (int x = 0; x < 644; x += 3) {
            const uint8_t* p = &picture.rgb[static_cast<size_t>((y * picture.w + x) * 3)];
            colours.insert(static_cast<uint32_t>(p[0] << 16 | p[1] << 8 | p[2]));
        }
    }
    return colours.size();
}

}  // namespace

TEST_F(IslandTest, IslandsOfAFewSeedsAreDrawnForAPersonToSee)
{
    for (int index : {0, 9, 17}) {
        const unsigned int seed = kFixedIslandSeeds[index];
        SCOPED_TRACE(seed);
        const std::string stem = "island-" + std::to_string(seed);
        CMap& island = PreviewOf(seed);
        EXPECT_GT(Shoot(island, stem + "-preview.png"), 20u);

        island.ToggleBig(true);
        ASSERT_TRUE(island.playable);
        CObject::UnHideAll();
        EXPECT_GT(Shoot(island, stem + "-camp.png"), 50u) << "grass, trees and the camp";
        // A palm's beach, or else the middle doodad's.
        CObject* beach = island.doodads.empty() ? nullptr : island.doodads[island.doodads.size() / 2];
        for (CTree* tree : island.trees) {
            beach = tree->IsScenery() ? tree : beach;
        }
        ASSERT_NE(beach, nullptr) << "every fixed island has beach decoration";
        island.CenterScreen(beach->GetX(), beach->GetY(), true, false, false);
        EXPECT_GT(Shoot(island, stem + "-beach.png"), 20u) << "sand, sea and what lies on the beach";
        CObject::UnloadAll();
    }
}
