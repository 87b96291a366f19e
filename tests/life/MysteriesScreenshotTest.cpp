// The eight mysteries side by side on a real island, drawn in a real window
// for a person to look at.
#include "CDraw.h"
#include "CMysteriousObject.h"
#include "CRenderer.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "tests/world/CMapGenerationFixture.h"

#include <cstdio>

namespace {

struct MysteryRow : IslandTest {
    void TestBody() override {}
    void Begin() { SetUp(); }
    void End() { TearDown(); }

    // 0 when every mystery shows its picture.
    int Draw(const std::string& path)
    {
        CMap& island = PreviewOf(kFixedIslandSeeds[0]);
        island.ToggleBig(true);
        const int left = island.GetStartX() - 300, top = island.GetStartY() - 260;
        CMysteriousObject* mysteries[8];
        for (int n = 0; n < 8; n++) {
            mysteries[n] = new CMysteriousObject(left + 160 + (n % 4) * 170, top + 280 + (n / 4) * 260, n);
        }
        CObject::UnHideAll();
        island.CenterScreen(left + 400, top + 300, true, false, false);
        for (int frame = 0; frame < 3; frame++) {
            island.Pump();
            island.ground->Move(island.offsetX, island.offsetY);
            CObject::MoveObjects(island.offsetX, island.offsetY, 1);
            CSprite::renderer->Render(false);
        }
        CSprite::renderer->RedrawScreen();
        CSprite::renderer->Render(true);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);

        int missing = 0;
        for (int n = 0; n < 8; n++) {
            int z = 0;
            if (!mysteries[n]->IsAtCoords(z, mysteries[n]->GetX() + mysteries[n]->GetW() / 2,
                                          mysteries[n]->GetY() + mysteries[n]->GetH() / 2 + 20)) {
                printf("mystery %i not shown\n", n);
                missing++;
            }
        }
        return missing;
    }
};

}  // namespace

TEST(MysteriesOnX, TheEightMysteriesStandUntouched)
{
    ScreenshotOnX("Mysteries-unsolved-x11.png", [](const std::string& path) {
        MysteryRow scene;
        scene.Begin();
        const int missing = scene.Draw(path);
        scene.End();
        return missing;
    });
}
