// The first crate afloat off the camp with a barrel beside it, and the finds
// on the ground nearby, drawn in a real window for a person to look at.
#include "CCrateBarrel.h"
#include "CDraw.h"
#include "CGuano.h"
#include "CMushroom.h"
#include "CRelic.h"
#include "IslandSeeds.h"
#include "Screenshot.h"
#include "SeaLifeFixture.h"

#include <cstdio>

namespace {

struct CratesScene : SeaLifeTest {
    void TestBody() override {}
    void Begin() { SetUp(); }
    void End() { TearDown(); }

    static void Frame(CMap& island)
    {
        island.Pump();
        island.ground->Move(island.offsetX, island.offsetY);
        CObject::MoveObjects(island.offsetX, island.offsetY, 1);
        CSprite::renderer->Render(false);
    }

    // 0 when the crate, the barrel and the three finds are on the screen.
    int Draw(const std::string& path)
    {
        CMap& island = PreviewOf(kFixedIslandSeeds[0]);
        island.ToggleBig(true);
        CObject::UnHideAll();
        CCrateBarrel* crate = new CCrateBarrel(-1, -1, true, false);
        CCrateBarrel* barrel = nullptr;
        while (!barrel) {
            barrel = new CCrateBarrel(crate->GetX() + 90, crate->GetY() + 40, false, false);
            if (barrel->crate) {
                delete barrel;
                barrel = nullptr;
            }
        }
        // The barrel washes up unseen, then the view comes back to it.
        barrel->Pump(-5000, -5000, 1);
        // The finds lie on the first dry ground up the beach from the crate.
        const int crateX = crate->GetX(), crateY = crate->GetY();
        int landY = crateY;
        while (landY > 100 && !(island.IsNotOnWater(crateX, landY) && island.IsNotOnWater(crateX, landY - 80))) {
            landY -= 8;
        }
        landY -= 80;
        island.CenterScreen(crateX + 40, (crateY + landY) / 2, true, false, false);

        new CGuano(crateX - 90, landY, true, 0, 0, 0);
        new CMushroom(crateX - 30, landY - 10);
        new CMushroom(crateX, landY + 5);
        CRelic* relic = new CRelic(crateX + 70, landY - 5);
        for (int frame = 0; frame < 30; frame++) {
            Frame(island);
        }
        relic->glintCountdown = 1;
        for (int frame = 0; frame < 4; frame++) {
            Frame(island);
        }
        CSprite::renderer->RedrawScreen();
        CSprite::renderer->Render(true);
        resources.Draw().Flip(false);
        SavePng(PictureOf(SDL_GetVideoSurface()), path);
        int missing = 0;
        for (CObject* object : CObject::objects) {
            if (object->isCrate || object->isFind) {
                int z = 0;
                missing += !object->IsAtCoords(z, object->GetX() + 10, object->GetY() + 10);
            }
        }
        missing += relic->glint->Hidden();
        printf("missing %i\n", missing);
        return missing;
    }
};

}  // namespace

TEST(CratesOnX, ACrateAndABarrelFloatOffTheCampWithFindsOnTheGround)
{
    ScreenshotOnX("Crates-afloat-x11.png", [](const std::string& path) {
        CratesScene scene;
        scene.Begin();
        const int missing = scene.Draw(path);
        scene.End();
        return missing;
    });
}
